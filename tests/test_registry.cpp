#include "test_registry.h"

#include <QTest>

namespace testing {

std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int runRegisteredTests(int argc, char **argv)
{
    int failed = 0;
    for (const TestFactory &make : registeredTests()) {
        const std::unique_ptr<QObject> test = make();
        if (QTest::qExec(test.get(), argc, argv) != 0)
            ++failed;
    }
    return failed;
}

} // namespace testing
