#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/about_window.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QValueAxis>

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

// Fails, naming it, when the text of a control on view runs out of its
// rectangle: cut off, or over its neighbour.
void verifyCaptionsFit(const QWidget &window)
{
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QFontMetrics metrics(widget->font());
        QString text;
        QRect room;
        QRect used;
        if (const auto *button = qobject_cast<const WrappingPushButton *>(widget)) {
            text = button->text();
            room = button->textRect();
            used = metrics.boundingRect(room, WrappingPushButton::textFlags, text);
        } else if (const auto *option = qobject_cast<const WrappingRadioButton *>(widget)) {
            text = option->text();
            room = option->textRect();
            used = metrics.boundingRect(room, WrappingRadioButton::textFlags, text);
        } else if (qobject_cast<const QAbstractButton *>(widget)) {
            // Check boxes and plain buttons: as wide as their style needs.
            text = static_cast<const QAbstractButton *>(widget)->text();
            room = widget->rect();
            used = QRect(room.topLeft(), QSize(widget->sizeHint().width(), room.height()));
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            text = label->text();
            room = label->contentsRect();
            const int wraps = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
            used = metrics.boundingRect(room, int(label->alignment()) | wraps, text);
        } else if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
            text = frame->title();
            room = frame->rect().adjusted(0, 0, -20, 0);
            used = QRect(room.topLeft(), QSize(metrics.horizontalAdvance(text), 1));
        }
        if (!text.isEmpty())
            QVERIFY2(room.contains(used),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + text));
    }
    // The menu bar's menus fit in one row as wide as the window's controls;
    // a longer one would widen the window.
    if (const auto *main = qobject_cast<const QMainWindow *>(&window))
        QVERIFY(main->menuBar()->sizeHint().width() <= main->centralWidget()->width());
}

// Checks the captions of the next modal window, then closes it.
struct CaptionChecker {
    bool checked = false;
    ModalAnswerer closer{"Command1", [this](QWidget *shown) {
                             verifyCaptionsFit(*shown);
                             checked = true;
                         }};
};

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

    void everyCaptionFits_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("English") << QLocale(QLocale::English, QLocale::Canada);
        QTest::addRow("French") << french;
    }

    // French runs about a fifth longer than English: every caption still
    // fits its control, at start, in a test, in an exam, in their reviews
    // and in the windows they open.
    void everyCaptionFits()
    {
        QFETCH(QLocale, locale);
        Seams seams = testSeams();
        seams.locale = locale;
        auto *clock = static_cast<ScriptedClock *>(seams.clock.get());
        const auto window = openWindow(std::move(seams));
        // Finishes the test on view: its result window, then its review.
        const auto finishAndCheck = [&window] {
            const ScriptedAnswer finish(platform::MessageBox::Answer::Yes);
            {
                const CaptionChecker result;
                click(*window, "Command6");
                QVERIFY(result.checked);
            }
            verifyCaptionsFit(*window);
        };
        verifyCaptionsFit(*window);
        child<QComboBox>(*window, "Combo1")->setCurrentIndex(5);
        click(*window, "Command2");
        verifyCaptionsFit(*window);
        finishAndCheck();

        window->findChild<QAction *>("mexam")->trigger();
        verifyCaptionsFit(*window); // the clock at its widest: 45 minutes
        clock->advance(41 * 60'000);
        QVERIFY(QMetaObject::invokeMethod(child<QTimer>(*window, "TimerExam"), "timeout"));
        QVERIFY(child<QLabel>(*window, "LabelTimeNotice")->isVisible());
        verifyCaptionsFit(*window);
        finishAndCheck();

        const CaptionChecker about;
        window->findChild<QAction *>("mabout")->trigger();
        QVERIFY(about.checked);
        const CaptionChecker licence;
        window->findChild<QAction *>("mlic")->trigger();
        QVERIFY(licence.checked);
        // The About window's invitation ends before the address that follows it.
        Form4 aboutWindow(window->questionBank().reviewed(), window.get());
        aboutWindow.show();
        const auto *invitation = child<QLabel>(aboutWindow, "Label3");
        QVERIFY(invitation->x() + invitation->fontMetrics().horizontalAdvance(invitation->text()) <
                child<QWidget>(aboutWindow, "Label4")->x());
        aboutWindow.hide();
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
            // Qt Charts garbles a non-breaking space in its axis format.
            const QChart *chart = child<QChartView>(*shown, "ChartScores")->chart();
            const auto *share = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
            QVERIFY(share);
            QCOMPARE(share->labelFormat(), QStringLiteral("%d %%"));
        });
        triggerMenu(*window, "mstats");
        QVERIFY(closeStatistics.answered());

        window->findChild<QAction *>("mlangEn")->trigger();
        QCOMPARE(QLocale().language(), QLocale::English);
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
