#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Several Qt Test classes make up one test executable per area; each test file
// registers its class here and the area's main runs them all.
namespace testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory> &registeredTests();

template <typename Test> struct Registration {
    Registration()
    {
        registeredTests().push_back([] { return std::make_unique<Test>(); });
    }
};

// Runs every registered test class; the exit status counts the failed ones.
int runRegisteredTests(int argc, char **argv);

} // namespace testing

#define VELTRANO_REGISTER_TEST(Class) static const testing::Registration<Class> registered##Class;
