#include "temporary_home.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

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
        // Back from the scores, the focus is on the first question shown:
        // its verdict.
        QCOMPARE(window.focusWidget()->objectName(), QStringLiteral("Label2"));
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
};

QTEST_MAIN(KeyboardAccessTest)
#include "test_keyboard_access.moc"
