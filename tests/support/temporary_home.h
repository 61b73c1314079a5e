#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

namespace testing {

// Points the settings and data folders at a temporary folder for as long as
// it lives, so that no test ever touches the user's own history. Make it
// before the first QSettings: a test class holds one as a member, and
// QTEST_MAIN builds the class before running any test function.
class TemporaryHome {
public:
    TemporaryHome()
    {
        for (const char *name : variables) {
            saved_.append(qgetenv(name));
            qputenv(name, dir_.filePath(QString::fromLatin1(name)).toLocal8Bit());
        }
    }
    ~TemporaryHome()
    {
        for (int i = 0; i < 2; ++i) {
            if (saved_.at(i).isEmpty())
                qunsetenv(variables[i]);
            else
                qputenv(variables[i], saved_.at(i));
        }
    }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path() const { return dir_.path(); }

private:
    static constexpr const char *variables[2] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME"};
    QTemporaryDir dir_;
    QList<QByteArray> saved_;
};

} // namespace testing
