#include "practice/history_codec.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/platform/message_box.h"

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Finishes a test in which only the first question is answered wrongly.
void finishWithFirstWrong(Form1 &window)
{
    answer(window, {1});
    answerNextModal("Command1");
    click(window, "Command6");
}

} // namespace

class SharedSettingsTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init()
    {
        removeSettings();
        QDir dir(QFileInfo(settingsFile()).absolutePath());
        for (const QString &aside : dir.entryList({"*.broken*"}))
            dir.remove(aside);
    }

    void cleanup() { QTRY_VERIFY(!QApplication::activeModalWidget()); }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("history"); // first five questions as loaded
        QTest::addColumn<bool>("keptAside");
        QTest::addRow("1 MB value") << "[aaa]\nzzz=1\nredo=10" + QByteArray(1 << 20, '1') + "\n"
                                    << "10111" << false;
        QTest::addRow("non-ASCII text") << QByteArray("[aaa]\nzzz=1\nredo=1\xc3\xa9"
                                                      "0\xc3\xbc"
                                                      "1\n")
                                        << "10001" << false;
        QTest::addRow("empty value") << QByteArray("[aaa]\nzzz=1\nredo=\n") << "00000" << false;
        QTest::addRow("a list") << QByteArray("[aaa]\nzzz=1\nredo=1, 1\n")
                                << "1001"
                                   "0"
                                << false;
        QTest::addRow("binary bytes")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "00000" << true;
        QTest::addRow("not INI at all")
            << QByteArray("Dear diary,\nnothing to see here.\n") << "00000" << true;
        QTest::addRow("broken UTF-8")
            << QByteArray("[aaa]\nzzz=1\nredo=01\xff\xfe\n") << "00000" << true;
    }

    // The program starts on any file, reads only a settings file, and keeps
    // a file it cannot read aside before writing a new one.
    void hostileFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, history);
        QFETCH(bool, keptAside);
        writeSettings(contents);
        Form1 window;
        window.show();
        QCOMPARE(window.questionBank().questionCount(), 165);
        QCOMPARE(encodeHistory(window.practiceTest().wrongFlags(), 165).left(5), history);

        click(window, "Command2");
        finishWithFirstWrong(window);
        const QString broken = settingsFile() + QStringLiteral(".broken");
        QCOMPARE(QFile::exists(broken), keptAside);
        if (keptAside)
            QCOMPARE(fileContents(broken), contents);
        const QString stored = storedSetting("redo");
        QCOMPARE(stored, encodeHistory(window.practiceTest().wrongFlags(), 165));
        QVERIFY(stored.at(window.practiceTest().item(1).question - 1) == u'1');
    }

    // Two copies of the program on one settings file: each store keeps what
    // the other stored.
    void twoCopiesKeepBothHistories()
    {
        writeSettings("[aaa]\nzzz=1\n");
        Form1 first;
        Form1 second;
        first.show();
        second.show();
        click(first, "Command2");
        do {
            platform::MessageBox::scriptAnswers({Answer::Yes});
            click(second, "Command2");
        } while (holdsQuestion(second, first.practiceTest().item(1).question) ||
                 holdsQuestion(first, second.practiceTest().item(1).question));
        const int missedFirst = first.practiceTest().item(1).question;
        const int missedSecond = second.practiceTest().item(1).question;

        finishWithFirstWrong(first);
        finishWithFirstWrong(second);
        const QString stored = storedSetting("redo");
        QCOMPARE(stored.count(u'1'), 2);
        QCOMPARE(stored.at(missedFirst - 1), u'1');
        QCOMPARE(stored.at(missedSecond - 1), u'1');
        // The second copy now knows the first one's history too.
        QVERIFY(second.practiceTest().wrongFlags().isFlagged(missedFirst));
    }
};

QTEST_MAIN(SharedSettingsTest)
#include "test_shared_settings.moc"
