#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/platform/announcer.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

// Watches what the window announces to screen readers while it lives.
class AnnouncementObserver {
public:
    explicit AnnouncementObserver(std::function<void(QObject *)> observer)
    {
        platform::setAnnouncementObserver(std::move(observer));
    }
    ~AnnouncementObserver() { platform::setAnnouncementObserver({}); }
    AnnouncementObserver(const AnnouncementObserver &) = delete;
    AnnouncementObserver &operator=(const AnnouncementObserver &) = delete;
};

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }

    void cleanup() { verifyNoWindowLeft(); }

    void wholeTestFromTheKeyboard()
    {
        const auto owned = openWindow();
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const PracticeTest &test = window.practiceTest();
        QCOMPARE(focusName(), QStringLiteral("Command2"));

        press(window, Qt::Key_S, Qt::AltModifier);
        QVERIFY(!test.testIdle());
        QCOMPARE(focusName(), QStringLiteral("Option1_0"));
        press(window, Qt::Key_2);
        QCOMPARE(test.currentItem().chosenOption, 1);
        QCOMPARE(focusName(), QStringLiteral("Option1_1"));
        press(window, Qt::Key_D);
        QCOMPARE(test.currentItem().chosenOption, 3);
        press(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 2);
        QCOMPARE(focusName(), QStringLiteral("Option1_0")); // still among the answers
        press(window, Qt::Key_A);
        QCOMPARE(test.currentItem().chosenOption, 0);
        press(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 1);
        QCOMPARE(focusName(), QStringLiteral("Option1_3")); // on the recorded answer

        // Arrow keys move among the answers and choose as they go.
        press(window, Qt::Key_Up);
        QCOMPARE(test.currentItem().chosenOption, 2);

        // Finish, answering the confirmation and closing the scores.
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            press(window, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(closeScores.answered());
        }
        QVERIFY(test.isReviewing());
        QVERIFY(child<QWidget>(window, "Command7")->isEnabled());

        // In the review Alt+F shows the scores again, as the tooltip says,
        // though "Scores" has no access key of its own.
        QCOMPARE(child<QAbstractButton>(window, "Command6")->text(), QStringLiteral("Scores"));
        {
            const ModalAnswerer closeScores("Command1");
            press(window, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(closeScores.answered());
        }

        // In the review the keys do not change the recorded answers.
        const int recorded = test.currentItem().chosenOption;
        press(window, Qt::Key_1);
        press(window, Qt::Key_4);
        QCOMPARE(test.currentItem().chosenOption, recorded);

        {
            const ScriptedAnswer cancel(Answer::Cancel);
            press(window, Qt::Key_C, Qt::AltModifier);
            QVERIFY(cancel.wasAsked());
        }
        press(window, Qt::Key_R, Qt::AltModifier);
        QVERIFY(!test.testIdle());
        QCOMPARE(test.currentPos(), 1);

        // Keys typed into the size list stay there.
        auto *sizes = child<QComboBox>(window, "Combo1");
        sizes->setFocus();
        const int chosenBefore = test.currentItem().chosenOption;
        QTest::keyClick(sizes, Qt::Key_1);
        QCOMPARE(test.currentItem().chosenOption, chosenBefore);
    }

    // Alt and a letter always means one thing: at start, in a test, in an
    // exam and in their reviews.
    void accessKeysNeverCollide()
    {
        const auto window = openWindow();
        verifyAccessKeysDiffer(*window);
        click(*window, "Command2");
        verifyAccessKeysDiffer(*window);
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        verifyAccessKeysDiffer(*window);
        window->findChild<QAction *>("mexam")->trigger();
        verifyAccessKeysDiffer(*window);
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        verifyAccessKeysDiffer(*window);
    }

    void screenReadersHearEveryControl()
    {
        QList<QObject *> announced;
        const AnnouncementObserver observer(
            [&announced](QObject *control) { announced.append(control); });

        const auto owned = openWindow();
        Form1 &window = *owned;
        click(window, "Command2");
        const QStringList controls{"Command2",  "Command3",  "Command4",  "Command6", "Command7",
                                   "Command8",  "Command10", "Check1",    "Combo1",   "Frame1",
                                   "Label1",    "Label3",    "Picture1",  "Label5",   "Image4",
                                   "Option1_0", "Option1_1", "Option1_2", "Option1_3"};
        for (const QString &name : controls) {
            QAccessibleInterface *control =
                QAccessible::queryAccessibleInterface(child<QWidget>(window, name));
            QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
        for (int i = 0; i < 4; ++i) {
            auto *option = child<QAbstractButton>(window, QStringLiteral("Option1_%1").arg(i));
            QCOMPARE(QAccessible::queryAccessibleInterface(option)->text(QAccessible::Name),
                     option->text());
        }

        // The verdict is announced as soon as it is shown.
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            click(window, "Command6");
        }
        const auto *verdict = child<QLabel>(window, "Label2");
        QVERIFY(announced.contains(verdict));
        QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel *>(verdict))
                     ->text(QAccessible::Name),
                 verdict->text());
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "test_keyboard_access.moc"
