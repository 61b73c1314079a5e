#pragma once

#include "windows/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
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

// The value of key in section [aaa] of the settings file, read from its
// bytes (the last one, as QSettings reads them), or a null string. Not
// through QSettings: it answers from a copy of the file it keeps until the
// file's size or time changes, and two stores of the same size within one
// millisecond change neither.
inline QString storedSetting(const QString &key, const QString &path = settingsFile())
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString value;
    bool inSection = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            inSection = line == QStringLiteral("[aaa]");
        else if (inSection && line.section(u'=', 0, 0).trimmed() == key)
            value = line.section(u'=', 1).trimmed();
    }
    return value;
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

inline void goTo(const veltrano::Form1 &window, int position)
{
    while (window.practiceTest().currentPos() > position)
        click(window, "Command3");
    while (window.practiceTest().currentPos() < position)
        click(window, "Command4");
}

// Answers every question through the option buttons: wrong at the given
// positions, left unanswered at skip, correct elsewhere. Ends on the last one.
inline void answer(const veltrano::Form1 &window, const QList<int> &wrong,
                   const QList<int> &skip = {})
{
    const veltrano::PracticeTest &test = window.practiceTest();
    for (int position = 1; position <= test.testSize(); ++position) {
        goTo(window, position);
        if (skip.contains(position))
            continue;
        const int correct = test.currentItem().correctSlot - 1;
        const int option = wrong.contains(position) ? (correct + 1) % 4 : correct;
        click(window, QStringLiteral("Option1_%1").arg(option));
    }
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

// Runs inspect on the text of the next message box to open, then presses
// its button `button`. Call before the action that opens it.
inline void answerNextMessageBox(QMessageBox::StandardButton button,
                                 std::function<void(const QString &text)> inspect = nullptr)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button, inspect] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        if (inspect)
            inspect(box->text());
        if (QAbstractButton *pressed = box->button(button))
            pressed->click();
        else
            box->close();
    });
    timer->start();
}

} // namespace testing
