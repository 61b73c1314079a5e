#include "test_registry.h"

#include <QApplication>
#include <QTemporaryDir>

// Window tests keep their settings in a temporary folder, never in the user's
// own: XDG_CONFIG_HOME must point there before the first QSettings is made.
int main(int argc, char *argv[])
{
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    return testing::runRegisteredTests(argc, argv);
}
