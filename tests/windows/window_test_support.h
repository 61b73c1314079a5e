#pragma once

#include "windows/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

namespace testing {

// The settings file the program uses; tests run with XDG_CONFIG_HOME in a
// temporary folder, so this is never the user's own.
inline QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/OrviTest/OrviTest.conf");
}

inline void removeSettings()
{
    QFile::remove(settingsFile());
}

inline void writeSettings(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

template <typename T> T *child(const QWidget &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

// Whether the test on view asks bank question `question`.
inline bool holdsQuestion(const veltrano::Form1 &window, int question)
{
    const veltrano::PracticeTest &test = window.practiceTest();
    for (int k = 1; k <= test.testSize(); ++k)
        if (test.item(k).question == question)
            return true;
    return false;
}

inline void click(const QWidget &window, const QString &buttonName)
{
    auto *button = child<QAbstractButton>(window, buttonName);
    QVERIFY(button);
    QVERIFY2(button->isEnabled() && button->isVisible(), qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Runs inspect on the next modal window to open, then presses its button
// named buttonName. Call before the action that opens it.
inline void answerNextModal(const QString &buttonName,
                            std::function<void(QWidget *)> inspect = nullptr)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, buttonName, inspect] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        if (inspect)
            inspect(modal);
        if (auto *button = modal->findChild<QAbstractButton *>(buttonName))
            button->click();
        else
            modal->close();
    });
    timer->start();
}

} // namespace testing
