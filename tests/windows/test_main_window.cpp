#include "config/version.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/captions.h"
#include "windows/twips.h"
#include "windows/wrapping_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSet>
#include <QStyleOptionComboBox>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

QString frameTitle(const Form1 &window)
{
    return child<QGroupBox>(window, "Frame1")->title();
}

int checkedOption(const Form1 &window)
{
    for (int i = 0; i < 4; ++i)
        if (child<QAbstractButton>(window, QStringLiteral("Option1_%1").arg(i))->isChecked())
            return i;
    return -1;
}

void chooseOption(const Form1 &window, int index)
{
    click(window, QStringLiteral("Option1_%1").arg(index));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { removeSettings(); }
    void cleanup() { verifyNoWindowLeft(); }

    void startsIdle()
    {
        const auto window = openWindow();
        QCOMPARE(window->windowTitle(), QString::fromLatin1(veltrano::programTitle));
        QVERIFY(!child<QWidget>(*window, "Frame1")->isVisibleTo(window.get()));
        QVERIFY(!child<QWidget>(*window, "Command5")->isVisibleTo(window.get()));
        QVERIFY(!child<QWidget>(*window, "Command1")->isVisibleTo(window.get()));
        auto *sizes = child<QComboBox>(*window, "Combo1");
        QCOMPARE(sizes->count(), 6);
        QCOMPARE(sizes->currentText(), QStringLiteral("5 Questions"));
        QCOMPARE(sizes->itemText(5), QStringLiteral("165 Questions(ALL)"));
        QVERIFY(!sizes->isEditable());
        // Each entry carries its size; the list keeps its drawn left edge and
        // ends before "&Start", with room for the focus ring between them.
        QCOMPARE(sizes->itemData(5).toInt(), 165);
        QCOMPARE(sizes->geometry(), twipsRect(2520, 348, 1935, 315));
        QVERIFY(sizes->geometry().right() < child<QWidget>(*window, "Command2")->x());
        QCOMPARE(window->questionBank().questionCount(), 165);
    }

    void startsAndRestartsTests()
    {
        const auto window = openWindow();
        click(*window, "Command2");
        QVERIFY(child<QWidget>(*window, "Frame1")->isVisible());
        QCOMPARE(frameTitle(*window), QStringLiteral("Question 1 of 5"));
        QCOMPARE(child<QAbstractButton>(*window, "Command2")->text(), QStringLiteral("Re&start"));
        QVERIFY(child<QLabel>(*window, "Label1")->text().startsWith(QStringLiteral("1. ")));
        QVERIFY(child<QAbstractButton>(*window, "Option1_2")
                    ->text()
                    .startsWith(QStringLiteral("C.  ")));
        QVERIFY(!child<QWidget>(*window, "Command3")->isEnabled());
        QVERIFY(child<QWidget>(*window, "Command4")->isEnabled());
        QCOMPARE(checkedOption(*window), -1);

        chooseOption(*window, 1);
        click(*window, "Command4");
        QCOMPARE(frameTitle(*window), QStringLiteral("Question 2 of 5"));
        QCOMPARE(checkedOption(*window), -1);
        click(*window, "Command3");
        QCOMPARE(checkedOption(*window), 1);
        QCOMPARE(window->practiceTest().item(1).chosenOption, 1);

        // Restart answered No: nothing changes.
        const int firstQuestion = window->practiceTest().item(1).question;
        click(*window, "Command4");
        {
            const ScriptedAnswer no(Answer::No);
            click(*window, "Command2");
            QCOMPARE(no.text(), QStringLiteral("Do you want to cancel the current practice test?"));
        }
        QCOMPARE(window->practiceTest().currentPos(), 2);
        QCOMPARE(window->practiceTest().item(1).question, firstQuestion);
        QCOMPARE(window->practiceTest().item(1).chosenOption, 1);

        // Yes: a fresh test of the size now chosen.
        child<QComboBox>(*window, "Combo1")->setCurrentIndex(2);
        {
            const ScriptedAnswer yes(Answer::Yes);
            click(*window, "Command2");
        }
        QCOMPARE(frameTitle(*window), QStringLiteral("Question 1 of 20"));
        QCOMPARE(window->practiceTest().item(1).chosenOption, -1);
        for (int k = 1; k < 20; ++k)
            click(*window, "Command4");
        QCOMPARE(frameTitle(*window), QStringLiteral("Question 20 of 20"));
        QVERIFY(!child<QWidget>(*window, "Command4")->isEnabled());
        QVERIFY(child<QWidget>(*window, "Command3")->isEnabled());
    }

    void longestTextsFit_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("English") << QLocale(QLocale::English, QLocale::Canada);
        QTest::addRow("French") << QLocale(QLocale::French, QLocale::Canada);
    }

    // Every built-in text fits its rectangle, wrapping where one line is not
    // enough, in either language.
    void longestTextsFit()
    {
        QFETCH(QLocale, locale);
        Seams seams = testSeams();
        seams.locale = locale;
        const auto window = openWindow(std::move(seams));
        auto *sizes = child<QComboBox>(*window, "Combo1");
        QStyleOptionComboBox comboOption;
        comboOption.initFrom(sizes);
        const QRect field = sizes->style()->subControlRect(QStyle::CC_ComboBox, &comboOption,
                                                           QStyle::SC_ComboBoxEditField, sizes);
        for (int i = 0; i < sizes->count(); ++i)
            QVERIFY2(sizes->fontMetrics().horizontalAdvance(sizes->itemText(i)) <= field.width(),
                     qPrintable(sizes->itemText(i)));

        click(*window, "Command2");
        const auto *question = child<QLabel>(*window, "Label1");
        const auto *explanation = child<QLabel>(*window, "LabelExplanation");
        const QFontMetrics explanationMetrics(explanation->font());
        const auto *option = child<WrappingRadioButton>(*window, "Option1_1");
        const auto *narrowest = child<WrappingRadioButton>(*window, "Option1_0");
        const QFontMetrics questionMetrics(question->font());
        const QFontMetrics optionMetrics(option->font());
        const QuestionBank &bank = window->questionBank();
        for (int q = 1; q <= bank.questionCount(); ++q) {
            const QString shown = QStringLiteral("165. ") + bank.pQuestion(q);
            const QRect needed =
                questionMetrics.boundingRect(question->contentsRect(), Qt::TextWordWrap, shown);
            QVERIFY2(needed.height() <= question->contentsRect().height(), qPrintable(shown));
            const QString why = Captions::explanation(q, bank);
            const QRect whyNeeds =
                explanationMetrics.boundingRect(explanation->contentsRect(), Qt::TextWordWrap, why);
            QVERIFY2(whyNeeds.height() <= explanation->contentsRect().height(), qPrintable(why));
            for (int c = 1; c <= 4; ++c) {
                const QString choice = QStringLiteral("D.  ") + bank.pchoice(q, c);
                const QRect room = narrowest->textRect();
                const QRect used =
                    optionMetrics.boundingRect(room, WrappingRadioButton::textFlags, choice);
                QVERIFY2(used.height() <= room.height() && used.width() <= room.width(),
                         qPrintable(choice));
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
