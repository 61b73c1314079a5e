#include "temporary_home.h"
#include "window_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTableWidget>

using namespace veltrano;
using namespace testing;

namespace {

std::unique_ptr<Form1> openInLocale(const QLocale &locale)
{
    Seams seams = testSeams();
    seams.locale = locale;
    return openWindow(std::move(seams));
}

const QLocale french(QLocale::French, QLocale::Canada);

bool isChecked(const Form1 &window, const char *action)
{
    return window.findChild<QAction *>(QString::fromLatin1(action))->isChecked();
}

} // namespace

// English or French, chosen in the menu or, on the first start, by the
// system's locale; the questions keep their numbers in both.
class LanguageTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup() { verifyNoWindowLeft(); }

    void firstStartFollowsTheLocale()
    {
        {
            const auto window = openInLocale(french);
            QCOMPARE(window->language(), Language::French);
            QVERIFY(isChecked(*window, "mlangFr"));
            QuestionBank frenchBank;
            frenchBank.inlineread(Language::French);
            QCOMPARE(window->questionBank().pQuestion(1), frenchBank.pQuestion(1));
            // Qt's own buttons speak French too.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        {
            const auto window = openInLocale(QLocale(QLocale::English, QLocale::Canada));
            QCOMPARE(window->language(), Language::English);
            QVERIFY(isChecked(*window, "mlangEn"));
        }
        // A choice once made outlasts the locale.
        writeSettings("[aaa]\nzzz=1\nlanguage=en\n");
        const auto window = openInLocale(french);
        QCOMPARE(window->language(), Language::English);
    }

    // Switching takes effect at once, keeps the running test and the
    // history, and is remembered.
    void switchingKeepsTheTest()
    {
        writeSettings("[aaa]\nzzz=1\nredo=0100\n");
        const auto window = openInLocale(QLocale::c());
        click(*window, "Command2");
        click(*window, "Option1_2");
        click(*window, "Command4");
        const PracticeTest &test = window->practiceTest();
        const int question = test.currentItem().question;

        window->findChild<QAction *>("mlangFr")->trigger();
        QCOMPARE(window->language(), Language::French);
        QCOMPARE(storedValue(settings::languageKey), QStringLiteral("fr"));
        QCOMPARE(test.currentPos(), 2);
        QCOMPARE(test.currentItem().question, question);
        QCOMPARE(test.item(1).chosenOption, 2);
        QuestionBank frenchBank;
        frenchBank.inlineread(Language::French);
        // Every window rewords itself when the language-change event arrives.
        QTRY_VERIFY(
            child<QLabel>(*window, "Label1")->text().endsWith(frenchBank.pQuestion(question)));
        QVERIFY(test.wrongFlags().isFlagged(2));

        window->findChild<QAction *>("mlangEn")->trigger();
        QCOMPARE(storedValue(settings::languageKey), QStringLiteral("en"));
        QTRY_VERIFY(child<QLabel>(*window, "Label1")
                        ->text()
                        .endsWith(window->questionBank().pQuestion(question)));
        QCOMPARE(child<QGroupBox>(*window, "Frame1")->title(), QStringLiteral("Question 2 of 5"));
    }

    // Numbers and dates are written the way the program's language writes
    // them, whatever the system's locale (C here).
    void numbersFollowTheLanguage()
    {
        const auto window = openInLocale(french);
        QCOMPARE(QLocale().language(), QLocale::French);
        click(*window, "Command2");
        answer(*window, {1, 2});
        const ModalAnswerer closeResult("Command1", [](QWidget *result) {
            QCOMPARE(child<QLabel>(*result, "Label6")->text(), QStringLiteral("60,0\u00a0%"));
        });
        click(*window, "Command6");
        QVERIFY(closeResult.answered());
        const ModalAnswerer closeStatistics("Command1", [](QWidget *shown) {
            const auto *chapters = child<QTableWidget>(*shown, "TableChapters");
            const QRegularExpression frenchPercent(QStringLiteral("^\\d+,\\d\u00a0%$"));
            int shares = 0;
            for (int row = 0; row < chapters->rowCount(); ++row)
                if (chapters->item(row, 1)->text() != QStringLiteral("0")) {
                    QVERIFY2(frenchPercent.match(chapters->item(row, 3)->text()).hasMatch(),
                             qPrintable(chapters->item(row, 3)->text()));
                    ++shares;
                }
            QVERIFY(shares > 0);
        });
        triggerMenu(*window, "mstats");
        QVERIFY(closeStatistics.answered());

        window->findChild<QAction *>("mlangEn")->trigger();
        QCOMPARE(QLocale().language(), QLocale::English);
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
