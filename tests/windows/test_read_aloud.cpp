#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/captions.h"

#include <QAction>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

struct ListeningWindow {
    std::unique_ptr<Form1> window;
    RecordingSpeaker *speaker = nullptr;
};

ListeningWindow openListening(QString unavailableReason = {})
{
    Seams seams = testSeams();
    auto speaker = std::make_unique<RecordingSpeaker>(std::move(unavailableReason));
    ListeningWindow opened{nullptr, speaker.get()};
    seams.speaker = std::move(speaker);
    opened.window = openWindow(std::move(seams));
    QApplication::setActiveWindow(opened.window.get());
    return opened;
}

QAction *action(const Form1 &window, const char *name)
{
    return child<QAction>(window, QString::fromLatin1(name));
}

QString readAloud(const Form1 &window)
{
    const PracticeTest &test = window.practiceTest();
    return Captions::readAloud(test.currentItem(), test.testSize(), window.questionBank());
}

} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup() { verifyNoWindowLeft(); }

    void f5ReadsTheQuestionAndItsChoices()
    {
        auto [window, speaker] = openListening();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(action(*window, "mreadaloud")->shortcut(), QKeySequence(Qt::Key_F5));
        click(*window, "Command2");
        press(*window, Qt::Key_F5);
        QCOMPARE(speaker->said, QStringList{readAloud(*window)});
        const TestItem &item = window->practiceTest().currentItem();
        const QString said = speaker->said.first();
        QVERIFY2(said.startsWith(QStringLiteral("Question 1 of 5. ") +
                                 window->questionBank().pQuestion(item.question)),
                 qPrintable(said));
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY2(said.contains(QStringLiteral("%1: %2")
                                       .arg(Captions::slotLetter(slot))
                                       .arg(window->questionBank().pchoice(
                                           item.question, item.slotChoice.at(slot)))),
                     qPrintable(said));

        // Any move stops the reading; nothing new is read unless asked.
        const int stops = speaker->stops;
        click(*window, "Command4");
        QCOMPARE(speaker->stops, stops + 1);
        QCOMPARE(speaker->said.size(), 1);

        // In a review the verdict is read after the choices.
        answer(*window, {1});
        {
            const ModalAnswerer closeScores("Command1");
            click(*window, "Command6");
        }
        speaker->said.clear();
        press(*window, Qt::Key_F5);
        QCOMPARE(speaker->said.size(), 1);
        QVERIFY2(speaker->said.first().startsWith(readAloud(*window) + QStringLiteral(" Wrong.")),
                 qPrintable(speaker->said.first()));
    }

    // "Read Every New Question" reads each question as it comes into view,
    // and is remembered.
    void everyNewQuestionWhenAsked()
    {
        {
            auto [window, speaker] = openListening();
            click(*window, "Command2");
            QAction *everyQuestion = action(*window, "mreadnew");
            QVERIFY(everyQuestion->isCheckable() && !everyQuestion->isChecked());
            everyQuestion->trigger();
            QCOMPARE(storedValue(settings::readAloudKey), QStringLiteral("1"));
            click(*window, "Command4");
            QCOMPARE(speaker->said, QStringList{readAloud(*window)});
            QVERIFY(speaker->said.first().startsWith(QStringLiteral("Question 2 of 5. ")));
        }
        {
            auto [window, speaker] = openListening();
            QVERIFY(action(*window, "mreadnew")->isChecked());
            click(*window, "Command2");
            QCOMPARE(speaker->said, QStringList{readAloud(*window)});
            action(*window, "mreadnew")->trigger();
            QCOMPARE(storedValue(settings::readAloudKey), QStringLiteral("0"));
            click(*window, "Command4");
            QCOMPARE(speaker->said.size(), 1);
        }
    }

    // The speech engine is given a text a sentence at a time, a short
    // sentence joined to its neighbour.
    void textsAreReadInParts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::addRow("question and choices")
            << QStringLiteral("Question 1 of 5. Who represents the Sovereign in each province? "
                              "A: The Lieutenant Governor. B: The Premier of the province. "
                              "C: Yes.")
            << QStringList{QStringLiteral("Question 1 of 5. Who represents the Sovereign in each "
                                          "province?"),
                           QStringLiteral("A: The Lieutenant Governor."),
                           QStringLiteral("B: The Premier of the province. C: Yes.")};
        QTest::addRow("an initial ends no sentence")
            << QStringLiteral("Who was Sir John A. Macdonald? He was the first Prime Minister.")
            << QStringList{QStringLiteral("Who was Sir John A. Macdonald?"),
                           QStringLiteral("He was the first Prime Minister.")};
        QTest::addRow("verdict") << QStringLiteral("Wrong. You chose A. The correct answer is B.")
                                 << QStringList{QStringLiteral(
                                        "Wrong. You chose A. The correct answer is B.")};
        QTest::addRow("nothing") << QString() << QStringList();
    }

    void textsAreReadInParts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, parts);
        QCOMPARE(platform::SystemSpeaker::parts(text), parts);
    }

    void withoutAnEngineItSaysWhy()
    {
        auto [window, speaker] =
            openListening(QStringLiteral("No speech engine is installed (such as flite)."));
        click(*window, "Command2");
        for (const char *name : {"mreadaloud", "mreadnew"}) {
            QAction *entry = action(*window, name);
            QVERIFY(!entry->isEnabled());
            QCOMPARE(entry->toolTip(),
                     QStringLiteral("Reading aloud is not available: No speech engine is "
                                    "installed (such as flite)."));
        }
        press(*window, Qt::Key_F5);
        QVERIFY(speaker->said.isEmpty());
    }
};

QTEST_MAIN(ReadAloudTest)
#include "test_read_aloud.moc"
