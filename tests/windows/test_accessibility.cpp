#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/captions.h"
#include "windows/focus_ring.h"
#include "windows/platform/announcer.h"
#include "windows/result_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString spokenName(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

QWidget *control(const QWidget &window, const QString &name)
{
    return child<QWidget>(window, name);
}

// The label a screen reader speaks before the control, if any.
QString spokenLabel(QWidget *widget)
{
    const auto labels = accessible(widget)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QString option(int index)
{
    return QStringLiteral("Option1_%1").arg(index);
}

void doAction(QWidget *widget, const QString &action)
{
    accessible(widget)->actionInterface()->doAction(action);
}

bool offers(QWidget *widget, const QString &action)
{
    return accessible(widget)->actionInterface()->actionNames().contains(action);
}

// Watches what the window offers screen readers as newly focused.
class AnnouncementObserver {
public:
    AnnouncementObserver()
    {
        platform::setAnnouncementObserver(
            [this](QObject *control) { announced.append(control->objectName()); });
    }
    ~AnnouncementObserver() { platform::setAnnouncementObserver({}); }
    AnnouncementObserver(const AnnouncementObserver &) = delete;
    AnnouncementObserver &operator=(const AnnouncementObserver &) = delete;

    QStringList announced;
};

QString focused(const QWidget &window)
{
    return window.focusWidget() ? window.focusWidget()->objectName() : QString();
}

QPalette darkPalette()
{
    QPalette dark(QColor(60, 60, 64), QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup()
    {
        QApplication::setPalette(QPalette());
        verifyNoWindowLeft();
    }

    // Screen readers and voice control name each control by the words on it.
    void controlsAreNamedByTheirCaptions()
    {
        const auto window = openWindow();
        const auto captionsAreNames = [&window] {
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (!button->isVisible())
                    continue;
                QString caption = button->text();
                caption.remove(u'&');
                QCOMPARE(spokenName(button), caption);
            }
        };
        captionsAreNames();
        QCOMPARE(spokenName(control(*window, "Command2")), QStringLiteral("Start"));

        // The size list's label says the size chosen.
        auto *sizes = child<QComboBox>(*window, "Combo1");
        QCOMPARE(spokenName(control(*window, "Label3")),
                 QStringLiteral("Practice Question Number: 5 Questions"));
        sizes->setCurrentIndex(2);
        QCOMPARE(spokenName(control(*window, "Label3")),
                 QStringLiteral("Practice Question Number: 20 Questions"));
        sizes->setCurrentIndex(0);

        click(*window, "Command2");
        captionsAreNames();
        QCOMPARE(spokenName(control(*window, "Command2")), QStringLiteral("Restart"));
        QCOMPARE(spokenName(control(*window, "Frame1")), QStringLiteral("Question 1 of 5"));
        {
            const ScriptedAnswer yes(Answer::Yes);
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        captionsAreNames();
        QCOMPARE(spokenName(control(*window, "Command6")), QStringLiteral("Scores"));

        // Links are links, each with the action that follows it; the banner's
        // words, which only repeat the slogan's link for the mouse, are text.
        for (const char *link : {"Label5", "Image4", "LabelReport"}) {
            QWidget *widget = control(*window, link);
            QCOMPARE(accessible(widget)->role(), QAccessible::Link);
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, link);
            QVERIFY2(offers(widget, QAccessibleActionInterface::pressAction()), link);
        }
        QCOMPARE(spokenName(control(*window, "Label5")),
                 QStringLiteral("Try a free sample test online"));
        QCOMPARE(spokenName(control(*window, "LabelReport")),
                 QStringLiteral("Report a problem with this question"));
        QCOMPARE(accessible(control(*window, "Picture1"))->role(), QAccessible::StaticText);
        QCOMPARE(spokenName(control(*window, "Picture1")),
                 QStringLiteral("Ready for your citizenship test?"));
    }

    // On every move the focus lands on the question so that it is heard:
    // the answer (labelled by "Question 2 of 5. ...") while the test runs.
    void eachQuestionIsHeardAsItComes()
    {
        AnnouncementObserver observer;
        const auto owned = openWindow();
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const PracticeTest &test = window.practiceTest();
        const QuestionBank &bank = window.questionBank();
        const auto heard = [&] {
            return Captions::spokenQuestion(test.currentItem(), test.testSize(), bank);
        };

        press(window, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(observer.announced, QStringList{option(0)});
        QCOMPARE(spokenLabel(control(window, option(0))), heard());
        QVERIFY(heard().startsWith(QStringLiteral("Question 1 of 5. ")));

        // An arrow key moves on among the answers: the question is not
        // repeated with each of them.
        press(window, Qt::Key_Down);
        QCOMPARE(focused(window), option(1));
        QVERIFY(spokenLabel(control(window, option(1))).isEmpty());

        press(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 2);
        QCOMPARE(focused(window), option(0));
        QCOMPARE(spokenLabel(control(window, option(0))), heard());
        QVERIFY(heard().startsWith(QStringLiteral("Question 2 of 5. ")));

        // Chosen by key where the focus is: heard again, without the question.
        press(window, Qt::Key_1);
        QVERIFY(spokenLabel(control(window, option(0))).isEmpty());

        // The next question arrives in the slot that has the focus: the slot
        // is offered afresh, with the new question.
        press(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(focused(window), option(0));
        QCOMPARE(spokenLabel(control(window, option(0))), heard());
        QVERIFY(heard().startsWith(QStringLiteral("Question 3 of 5. ")));
        QCOMPARE(observer.announced, QStringList({option(0), option(0), option(0), option(0)}));
    }

    // An answer checked through the accessibility interface (a screen
    // reader, switch access, voice control) counts as a click does; a
    // finished test's answers are locked, and say so.
    void answersTakenByTheToggleActionCount()
    {
        const auto window = openWindow();
        const PracticeTest &test = window->practiceTest();
        click(*window, "Command2");
        const QString toggle = QAccessibleActionInterface::toggleAction();
        for (int position = 1; position <= test.testSize(); ++position) {
            goTo(*window, position);
            const int correct = test.currentItem().correctSlot - 1;
            const int chosen = position == 2 ? (correct + 1) % 4 : correct;
            QWidget *choice = control(*window, option(chosen));
            QVERIFY(offers(choice, toggle));
            QVERIFY(accessible(choice)->state().checkable);
            doAction(choice, toggle);
            QCOMPARE(test.currentItem().chosenOption, chosen);
            QVERIFY(accessible(choice)->state().checked);
        }
        QString correct;
        {
            const ModalAnswerer closeScores("Command1", [&correct](QWidget *result) {
                correct = child<QLabel>(*result, "Label5")->text();
            });
            click(*window, "Command6");
        }
        QCOMPARE(correct, QStringLiteral("4"));

        goTo(*window, 2);
        const int recorded = test.currentItem().chosenOption;
        const int other = (recorded + 1) % 4;
        for (int i = 0; i < 4; ++i) {
            QWidget *choice = control(*window, option(i));
            QVERIFY(accessible(choice)->state().disabled);
            QVERIFY(accessible(choice)->state().readOnly);
            QVERIFY(!offers(choice, toggle));
            QVERIFY(!choice->toolTip().startsWith(QStringLiteral("Choose this answer")));
        }
        doAction(control(*window, option(other)), toggle);
        child<QAbstractButton>(*window, option(other))->toggle(); // however it is asked
        QCOMPARE(test.currentItem().chosenOption, recorded);
        QVERIFY(child<QAbstractButton>(*window, option(recorded))->isChecked());
        QVERIFY(!child<QAbstractButton>(*window, option(other))->isChecked());
    }

    // In a review the verdict takes the focus, worded in full: the question,
    // the verdict (with "unanswered" where it was) and the explanation; the
    // marks are told with the choices they mark.
    void reviewSpeaksTheVerdict()
    {
        AnnouncementObserver observer;
        const auto window = openWindow();
        const PracticeTest &test = window->practiceTest();
        const QuestionBank &bank = window->questionBank();
        click(*window, "Command2");
        answer(*window, {2}, {3});
        QString figures;
        {
            const ModalAnswerer closeScores("Command1", [&figures](QWidget *result) {
                figures = result->accessibleDescription();
            });
            click(*window, "Command6");
        }
        QCOMPARE(figures, QStringLiteral("Question Total: 5. Correct Questions: 3. "
                                         "Percentage: 60.0%."));
        QWidget *verdict = control(*window, "Label2");
        QCOMPARE(window->focusWidget(), verdict);
        const auto whole = [&](const QString &said) {
            const int q = test.currentItem().question;
            return Captions::spokenQuestion(test.currentItem(), test.testSize(), bank) + u' ' +
                   said + u' ' + Captions::explanation(q, bank);
        };
        const auto letter = [&](int slot) { return Captions::slotLetter(slot); };
        const TestItem &item = test.currentItem();
        QCOMPARE(spokenName(verdict),
                 whole(QStringLiteral("Correct. You chose %1.").arg(letter(item.correctSlot))));
        QCOMPARE(accessible(control(*window, option(item.correctSlot - 1)))
                     ->text(QAccessible::Description),
                 QStringLiteral("Your answer, correct."));

        click(*window, "Command4");
        QCOMPARE(window->focusWidget(), verdict);
        const TestItem &wrong = test.currentItem();
        QCOMPARE(spokenName(verdict), whole(QStringLiteral("Wrong. You chose %1. The correct "
                                                           "answer is %2.")
                                                .arg(letter(wrong.chosenOption + 1))
                                                .arg(letter(wrong.correctSlot))));
        QCOMPARE(accessible(control(*window, option(wrong.chosenOption)))
                     ->text(QAccessible::Description),
                 QStringLiteral("Your answer, wrong."));
        QCOMPARE(accessible(control(*window, option(wrong.correctSlot - 1)))
                     ->text(QAccessible::Description),
                 QStringLiteral("The correct answer."));
        QCOMPARE(spokenName(control(*window, "Image1")),
                 QStringLiteral("Your wrong answer: %1").arg(letter(wrong.chosenOption + 1)));
        // The screen keeps its own words.
        QCOMPARE(child<QLabel>(*window, "Label2")->text(),
                 QStringLiteral("Your answer is WRONG, the correct answer is %1")
                     .arg(letter(wrong.correctSlot)));

        click(*window, "Command4");
        QCOMPARE(spokenName(verdict), whole(QStringLiteral("Unanswered. The correct answer is %1.")
                                                .arg(letter(test.currentItem().correctSlot))));

        // Ticking "wrong answers only" moves to another question: it is heard.
        // Ticked here by the toggle action, as a screen reader ticks it.
        observer.announced.clear();
        doAction(control(*window, "Check1"), QAccessibleActionInterface::toggleAction());
        QCOMPARE(test.currentPos(), 2);
        QCOMPARE(observer.announced, QStringList{QStringLiteral("Label2")});
        QCOMPARE(window->focusWidget(), verdict);

        // Scores again: the focus comes back to the question on view.
        {
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        QCOMPARE(window->focusWidget(), verdict);
    }

    void tabOrderFollowsTheLayout()
    {
        const auto owned = openWindow();
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        click(window, "Command2");
        click(window, "Command4");
        control(window, "Combo1")->setFocus();
        QStringList order{focused(window)};
        for (int i = 0; i < 20; ++i) {
            press(window, Qt::Key_Tab);
            if (focused(window) == order.first())
                break;
            order.append(focused(window));
        }
        // Redo and Clear are disabled with no history; the test's Check1 is
        // disabled while it runs.
        QCOMPARE(order, QStringList({"Combo1", "Command2", "Command10", "Option1_0", "Command3",
                                     "Command4", "Command6", "Image4", "Label5"}));
    }

    // The focus shows from the start, as a ring that stands out at least 3:1
    // from everything around it, in light and dark themes and on the banner.
    void focusRingStandsOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("focus");
        for (const bool dark : {false, true}) {
            const char *theme = dark ? "dark" : "light";
            for (const char *name : {"Command2", "Combo1", "Option1_1", "Label5", "Image4"})
                QTest::addRow("%s %s", theme, name) << dark << QString::fromLatin1(name);
        }
    }

    void focusRingStandsOut()
    {
        QFETCH(bool, dark);
        QFETCH(QString, focus);
        if (dark)
            QApplication::setPalette(darkPalette());
        const auto owned = openWindow();
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(focused(window), QStringLiteral("Command2")); // shown from the start
        click(window, "Command2");
        QWidget *target = control(window, focus);
        target->setFocus();

        const FocusRing *ring = FocusRing::of(&window);
        QVERIFY(ring && ring->isVisible());
        QCOMPARE(ring->target(), target);
        QVERIFY(ring->geometry().contains(
                    QRect(target->mapTo(&window, QPoint(0, 0)), target->size())) ||
                qobject_cast<QLabel *>(target));

        // Measured on the pixels: the ring's colour against the pixels just
        // outside it and just inside it, at the middle of each side.
        const QImage shot = window.grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const auto pixel = [&](QPoint at) {
            return shot.pixelColor((QPointF(at) * scale).toPoint());
        };
        const QRect outer = ring->geometry();
        const QPoint middle = outer.center();
        const QList<std::pair<QPoint, QPoint>> sides{{{middle.x(), outer.top()}, {0, -1}},
                                                     {{middle.x(), outer.bottom()}, {0, 1}},
                                                     {{outer.left(), middle.y()}, {-1, 0}},
                                                     {{outer.right(), middle.y()}, {1, 0}}};
        for (const auto &[edge, outward] : sides) {
            const QColor ringColour = pixel(edge);
            QCOMPARE(ringColour.rgb(), ring->colour().rgb());
            const QColor outside = pixel(edge + outward);
            const QColor inside = pixel(edge - outward * FocusRing::width);
            QVERIFY2(FocusRing::contrast(ringColour, outside) >= 3.0,
                     qPrintable(outside.name() + u' ' + ringColour.name()));
            QVERIFY2(FocusRing::contrast(ringColour, inside) >= 3.0,
                     qPrintable(inside.name() + u' ' + ringColour.name()));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
