#pragma once

#include "bank/random_source.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/message_box.h"
#include "windows/platform/settings_store.h"
#include "windows/settings_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace testing {

// The settings file the program uses; tests run with XDG_CONFIG_HOME in a
// temporary folder (TemporaryHome), so this is never the user's own.
inline QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/OrviTest/OrviTest.conf");
}

// What the settings file holds under the program's section, read as a plain
// INI file.
inline QString storedValue(const QString &key)
{
    return QSettings(settingsFile(), QSettings::IniFormat)
        .value(veltrano::settings::section + u'/' + key)
        .toString();
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

// What a window in a test reaches: the test's settings, draws from a fixed
// seed (every run asks the same questions in the same order), a clock that
// moves only when the test moves it, and a speech engine that stays silent.
inline veltrano::Seams testSeams(std::uint64_t seed = 1)
{
    veltrano::Seams seams;
    seams.random = std::make_unique<veltrano::SystemRandomSource>(seed);
    seams.clock = std::make_unique<veltrano::ScriptedClock>();
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

// For cleanup(): no window of the test is still open.
inline void verifyNoWindowLeft()
{
    QTRY_VERIFY(!QApplication::activeModalWidget());
    for (const QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName() + QStringLiteral(" ") +
                                                  widget->metaObject()->className()));
}

} // namespace testing
