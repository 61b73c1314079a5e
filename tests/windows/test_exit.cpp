#include "temporary_home.h"
#include "window_test_support.h"

using namespace veltrano;
using namespace testing;

namespace {

QString settingsFolder()
{
    return QFileInfo(settingsFile()).absolutePath();
}

void startWithFirstWrong(Form1 &window)
{
    click(window, "Command2");
    answer(window, {1});
}

} // namespace

class ExitTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init()
    {
        if (QFileInfo(settingsFolder()).isFile()) // left by a test that failed
            QFile::remove(settingsFolder());
        writeSettings("[aaa]\nzzz=1\n");
    }

    void cleanup() { verifyNoWindowLeft(); }

    // With the history stored, closing the window ends the program at once.
    void closesWhenNothingIsPending()
    {
        {
            const auto window = openWindow();
            QVERIFY(window->close());
            QVERIFY(!window->isVisible());
        }
        const auto owned = openWindow();
        Form1 &window = *owned;
        startWithFirstWrong(window);
        {
            const ModalAnswerer closeScores("Command1");
            click(window, "Command6");
        }
        const QString stored = storedSetting("redo");
        QCOMPARE(stored.count(u'1'), 1);
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(storedSetting("redo"), stored);
    }

    // History that could not be stored is tried once more at exit; if that
    // fails too, the user is told what would be lost and may stay.
    void unsavedHistoryIsTriedAgainAtExit_data()
    {
        QTest::addColumn<bool>("stay");
        QTest::addRow("exit anyway") << false;
        QTest::addRow("stay, and exit once it is saved") << true;
    }

    void unsavedHistoryIsTriedAgainAtExit()
    {
        QFETCH(bool, stay);

        // A file where the settings folder should be: nothing can be stored.
        const QString folder = settingsFolder();
        QVERIFY(QDir(folder).removeRecursively());
        {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const auto owned = openWindow();
        Form1 &window = *owned;
        startWithFirstWrong(window);
        QString reported;
        {
            const ScriptedAnswer ok(platform::MessageBox::Answer::Ok);
            const ModalAnswerer closeScores("Command1");
            click(window, "Command6");
            reported = ok.text();
        }
        QVERIFY2(reported.startsWith("The incorrect-question history could not be saved.\n"),
                 qPrintable(reported));
        const int missed = window.practiceTest().item(1).question;

        QString asked;
        {
            const ScriptedAnswer answer(stay ? platform::MessageBox::Answer::Yes
                                             : platform::MessageBox::Answer::No);
            QCOMPARE(window.close(), !stay);
            asked = answer.text();
        }
        QVERIFY2(asked.startsWith("The incorrect-question history could not be saved.\n"),
                 qPrintable(asked));
        QVERIFY2(asked.contains("will not be remembered for Redo.\nDo you want to stay"),
                 qPrintable(asked));
        QCOMPARE(window.isVisible(), stay);
        if (!stay) {
            QVERIFY(QFile::remove(folder));
            return;
        }

        // Once the folder can be made, the exit stores the history and ends,
        // without a word.
        QVERIFY(QFile::remove(folder));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(storedSetting("redo").at(missed - 1), u'1');
    }
};

QTEST_MAIN(ExitTest)
#include "test_exit.moc"
