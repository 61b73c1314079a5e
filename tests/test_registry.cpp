#include "test_registry.h"

#include <QTest>

namespace testing {

std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

// Arguments of the form "Class" or "Class::function" pick which classes run
// (and which of their functions); every other argument goes to each class.
int runRegisteredTests(int argc, char **argv)
{
    QStringList common;
    QMultiHash<QString, QString> chosen; // class -> function ("" for all)
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool picksClass =
            i > 0 && !arg.startsWith(u'-') && !arg.isEmpty() && arg.at(0).isUpper();
        if (picksClass)
            chosen.insert(arg.section(QStringLiteral("::"), 0, 0),
                          arg.section(QStringLiteral("::"), 1));
        else
            common.append(arg);
    }
    int failed = 0;
    for (const TestFactory &make : registeredTests()) {
        const std::unique_ptr<QObject> test = make();
        const QString name = QString::fromLatin1(test->metaObject()->className());
        if (!chosen.isEmpty() && !chosen.contains(name))
            continue;
        QStringList arguments = common;
        for (const QString &function : chosen.values(name))
            if (!function.isEmpty())
                arguments.append(function);
        if (QTest::qExec(test.get(), arguments) != 0)
            ++failed;
    }
    return failed;
}

} // namespace testing
