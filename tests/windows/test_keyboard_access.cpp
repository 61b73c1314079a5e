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

const QLocale english(QLocale::English, QLocale::Canada);
const QLocale french(QLocale::French, QLocale::Canada);

// A window that speaks the language of locale, as on a first start there.
std::unique_ptr<Form1> openInLocale(const QLocale &locale)
{
    Seams seams = testSeams();
    seams.locale = locale;
    return openWindow(std::move(seams));
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }

    void cleanup() { verifyNoWindowLeft(); }

    // The access keys each language gives the buttons, and the caption that
    // replaces "Finish" in a review.
    void wholeTestFromTheKeyboard_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Qt::Key>("start");
        QTest::addColumn<Qt::Key>("next");
        QTest::addColumn<Qt::Key>("previous");
        QTest::addColumn<Qt::Key>("finish");
        QTest::addColumn<Qt::Key>("clear");
        QTest::addColumn<Qt::Key>("redo");
        QTest::addColumn<QString>("scores");
        QTest::addRow("English") << english << Qt::Key_S << Qt::Key_N << Qt::Key_P << Qt::Key_F
                                 << Qt::Key_C << Qt::Key_R << QStringLiteral("Scores");
        QTest::addRow("French") << french << Qt::Key_C << Qt::Key_S << Qt::Key_P << Qt::Key_T
                                << Qt::Key_H << Qt::Key_R << QStringLiteral("R\u00e9sultat");
    }

    void wholeTestFromTheKeyboard()
    {
        QFETCH(QLocale, locale);
        QFETCH(Qt::Key, start);
        QFETCH(Qt::Key, next);
        QFETCH(Qt::Key, previous);
        QFETCH(Qt::Key, finish);
        QFETCH(Qt::Key, clear);
        QFETCH(Qt::Key, redo);
        QFETCH(QString, scores);
        const auto owned = openInLocale(locale);
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const PracticeTest &test = window.practiceTest();
        QCOMPARE(focusName(), QStringLiteral("Command2"));

        press(window, start, Qt::AltModifier);
        QVERIFY(!test.testIdle());
        QCOMPARE(focusName(), QStringLiteral("Option1_0"));
        press(window, Qt::Key_2);
        QCOMPARE(test.currentItem().chosenOption, 1);
        QCOMPARE(focusName(), QStringLiteral("Option1_1"));
        press(window, Qt::Key_D);
        QCOMPARE(test.currentItem().chosenOption, 3);
        press(window, next, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 2);
        QCOMPARE(focusName(), QStringLiteral("Option1_0")); // still among the answers
        press(window, Qt::Key_A);
        QCOMPARE(test.currentItem().chosenOption, 0);
        press(window, previous, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 1);
        QCOMPARE(focusName(), QStringLiteral("Option1_3")); // on the recorded answer

        // Arrow keys move among the answers and choose as they go.
        press(window, Qt::Key_Up);
        QCOMPARE(test.currentItem().chosenOption, 2);

        // Finish, answering the confirmation and closing the scores.
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            press(window, finish, Qt::AltModifier);
            QTRY_VERIFY(closeScores.answered());
        }
        QVERIFY(test.isReviewing());
        // Back from the scores, the focus is on the first question shown:
        // its verdict.
        QCOMPARE(window.focusWidget()->objectName(), QStringLiteral("Label2"));
        QVERIFY(child<QWidget>(window, "Command7")->isEnabled());

        // In the review the key of Finish shows the scores again, as the
        // tooltip says, though "Scores" has no access key of its own.
        QCOMPARE(child<QAbstractButton>(window, "Command6")->text(), scores);
        {
            const ModalAnswerer closeScores("Command1");
            press(window, finish, Qt::AltModifier);
            QTRY_VERIFY(closeScores.answered());
        }

        // In the review the keys do not change the recorded answers.
        const int recorded = test.currentItem().chosenOption;
        press(window, Qt::Key_1);
        press(window, Qt::Key_4);
        QCOMPARE(test.currentItem().chosenOption, recorded);

        {
            const ScriptedAnswer cancel(Answer::Cancel);
            press(window, clear, Qt::AltModifier);
            QVERIFY(cancel.wasAsked());
        }
        press(window, redo, Qt::AltModifier);
        QVERIFY(!test.testIdle());
        QCOMPARE(test.currentPos(), 1);

        // Keys typed into the size list stay there.
        auto *sizes = child<QComboBox>(window, "Combo1");
        sizes->setFocus();
        const int chosenBefore = test.currentItem().chosenOption;
        QTest::keyClick(sizes, Qt::Key_1);
        QCOMPARE(test.currentItem().chosenOption, chosenBefore);
    }

    void accessKeysNeverCollide_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("English") << english;
        QTest::addRow("French") << french;
    }

    // Alt and a letter always means one thing, in every language: at start,
    // in a test, in an exam and in their reviews; so does a letter in a menu.
    void accessKeysNeverCollide()
    {
        QFETCH(QLocale, locale);
        const auto window = openInLocale(locale);
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
