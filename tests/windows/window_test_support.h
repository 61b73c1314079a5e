#pragma once

#include "bank/random_source.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/message_box.h"
#include "windows/platform/settings_store.h"
#include "windows/progress_location.h"
#include "windows/settings_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMultiMap>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

namespace testing {

// The settings file the program uses; tests run with XDG_CONFIG_HOME in a
// temporary folder (TemporaryHome), so this is never the user's own.
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

// What the settings file holds for key in the program's section.
inline QString storedValue(const QString &key)
{
    return storedSetting(key);
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

// A user who has run the program before (no licence window) and has no
// progress recorded yet.
inline void startAsReturningUser()
{
    writeSettings("[aaa]\nzzz=1\n");
    QFile::remove(veltrano::defaultProgressPath());
}

// Answers the window's file dialogs from a list of paths, in order; an
// empty path (or the end of the list) is a cancelled dialog.
class ScriptedFileChooser final : public veltrano::platform::FileChooser {
public:
    explicit ScriptedFileChooser(QStringList paths = {}) : paths_(std::move(paths)) {}
    QString saveFileName(QWidget *, const QString &, const QString &suggested,
                         const QString &) override
    {
        suggested_ = suggested;
        return next();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return next();
    }
    void script(QStringList paths) { paths_ = std::move(paths); }
    // The path the last save dialog suggested.
    const QString &suggested() const { return suggested_; }

private:
    QString next() { return paths_.isEmpty() ? QString() : paths_.takeFirst(); }
    QStringList paths_;
    QString suggested_;
};

// A speech engine that only records what it is asked to read.
class RecordingSpeaker : public veltrano::platform::Speaker {
public:
    explicit RecordingSpeaker(QString unavailableReason = {})
        : reason_(std::move(unavailableReason))
    {
    }

    State state() const override { return reason_.isEmpty() ? State::Ready : State::Unavailable; }
    QString unavailableReason() const override { return reason_; }
    void say(const QString &text) override { said.append(text); }
    void stop() override { ++stops; }

    QStringList said;
    int stops = 0;

private:
    QString reason_;
};

// What a window in a test reaches: the test's settings and data folder,
// draws from a fixed seed (every run asks the same questions in the same
// order), a clock that moves only when the test moves it, file dialogs that
// answer nothing, the modules of this build, and a speech engine that stays
// silent.
inline veltrano::Seams testSeams(std::uint64_t seed = 1)
{
    veltrano::Seams seams;
    seams.random = std::make_unique<veltrano::SystemRandomSource>(seed);
    seams.clock = std::make_unique<veltrano::ScriptedClock>();
    seams.files = std::make_unique<ScriptedFileChooser>();
    seams.moduleFolder = QStringLiteral(VELTRANO_MODULE_DIR);
    seams.speaker = std::make_unique<RecordingSpeaker>();
    return seams;
}

inline std::unique_ptr<veltrano::Form1> openWindow(veltrano::Seams seams)
{
    veltrano::applyProgramFonts();
    auto window = std::make_unique<veltrano::Form1>(std::move(seams));
    window->show();
    return window;
}

inline std::unique_ptr<veltrano::Form1> openWindow(std::uint64_t seed = 1)
{
    return openWindow(testSeams(seed));
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

// A key pressed where the window's focus is, the window made active first
// (offscreen, a closed modal window hands activation back to no one).
inline void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QApplication::setActiveWindow(&window);
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(target, key, modifiers);
    // A mnemonic clicks its button a moment later, as a user sees it pressed.
    if (modifiers & Qt::AltModifier)
        QTest::qWait(250);
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

// The next message box takes this answer without being shown, for as long
// as this object lives; text() is what it would have said.
class ScriptedAnswer {
public:
    explicit ScriptedAnswer(veltrano::platform::MessageBox::Answer answer)
    {
        veltrano::platform::MessageBox::scriptNextAnswer(answer, &text_);
    }
    ~ScriptedAnswer() { veltrano::platform::MessageBox::clearScriptedAnswer(); }
    ScriptedAnswer(const ScriptedAnswer &) = delete;
    ScriptedAnswer &operator=(const ScriptedAnswer &) = delete;

    bool wasAsked() const { return !veltrano::platform::MessageBox::hasScriptedAnswer(); }
    const QString &text() const { return text_; }

private:
    QString text_;
};

// While it lives, the next modal window to open is handed to inspect and
// then closed with its button named buttonName. Arm it before the action
// that opens the window; it stops when it goes out of scope, whether or not
// the window ever opened.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QString buttonName, std::function<void(QWidget *)> inspect = nullptr)
        : buttonName_(std::move(buttonName)), inspect_(std::move(inspect))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { answer(); });
        timer_.start();
    }
    ModalAnswerer(const ModalAnswerer &) = delete;
    ModalAnswerer &operator=(const ModalAnswerer &) = delete;

    bool answered() const { return answered_; }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer_.stop();
        answered_ = true;
        if (inspect_)
            inspect_(modal);
        if (auto *button = modal->findChild<QAbstractButton *>(buttonName_))
            button->click();
        else
            modal->close();
    }

    QString buttonName_;
    std::function<void(QWidget *)> inspect_;
    QTimer timer_;
    bool answered_ = false;
};

// The access keys (Alt+letter) a user can press in the window as it stands:
// its visible buttons and check boxes, labels that lead to a control, the
// menu bar and its enabled shortcuts. Each key with who takes it.
inline QMultiMap<QKeySequence, QString> accessKeysOnView(const QWidget &window)
{
    QMultiMap<QKeySequence, QString> keys;
    const auto add = [&keys](const QString &text, const QString &who) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys.insert(key, who);
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->isVisible())
            add(button->text(), button->objectName());
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->isVisible() && label->buddy())
            add(label->text(), label->objectName());
    if (const auto *main = qobject_cast<const QMainWindow *>(&window))
        for (const QAction *action : main->menuBar()->actions())
            if (action->isVisible())
                add(action->text(), action->text());
    for (const QShortcut *shortcut : window.findChildren<QShortcut *>())
        if (shortcut->isEnabled())
            keys.insert(shortcut->key(), QStringLiteral("a shortcut"));
    return keys;
}

// Fails, naming them, when two of these take the same key.
inline void verifyKeysDiffer(const QMultiMap<QKeySequence, QString> &keys)
{
    for (const QKeySequence &key : keys.uniqueKeys())
        QVERIFY2(keys.count(key) == 1,
                 qPrintable(key.toString() + QStringLiteral(" is taken by ") +
                            QStringList(keys.values(key)).join(QStringLiteral(" and "))));
}

// Fails when two items of one menu, or of one of its submenus, take the same
// access key; items of different menus may share one.
inline void verifyMenuKeysDiffer(const QMenu &menu)
{
    QMultiMap<QKeySequence, QString> keys;
    for (const QAction *action : menu.actions()) {
        if (!action->isVisible())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (!key.isEmpty())
            keys.insert(key, action->text());
        if (action->menu())
            verifyMenuKeysDiffer(*action->menu());
    }
    verifyKeysDiffer(keys);
}

// Fails, naming them, when two things on view take the same access key, or
// two items of one of the window's menus do.
inline void verifyAccessKeysDiffer(const QWidget &window)
{
    verifyKeysDiffer(accessKeysOnView(window));
    if (const auto *main = qobject_cast<const QMainWindow *>(&window))
        for (const QAction *action : main->menuBar()->actions())
            if (action->menu())
                verifyMenuKeysDiffer(*action->menu());
}

// Finishes the test on view and closes the result window.
inline void finishTest(const veltrano::Form1 &window)
{
    const ModalAnswerer closeResult(QStringLiteral("Command1"));
    click(window, "Command6");
    QVERIFY(closeResult.answered());
}

// Triggers a menu item of the window by its objectName.
inline void triggerMenu(const QWidget &window, const QString &name)
{
    auto *action = window.findChild<QAction *>(name);
    QVERIFY2(action && action->isEnabled(), qPrintable(name));
    action->trigger();
}

// For cleanup(): no window of the test is still open.
inline void verifyNoWindowLeft()
{
    QTRY_VERIFY(!QApplication::activeModalWidget());
    for (const QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName() + QStringLiteral(" ") +
                                                  widget->metaObject()->className()));
}

} // namespace testing
