#include "practice/history_codec.h"
#include "temporary_home.h"
#include "window_test_support.h"

#include <QSettings>

using namespace veltrano;
using namespace testing;

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
    const ModalAnswerer closeScores("Command1");
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

    void cleanup() { verifyNoWindowLeft(); }

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
            << QByteArray("[aaa]\nzzz=1\nredo=01\xff\xfe\n") << "01000" << true;
    }

    // The program starts on any file, reads what it can, and keeps a file it
    // cannot read aside before writing a new one.
    void hostileFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, history);
        QFETCH(bool, keptAside);
        writeSettings(contents);
        const auto owned = openWindow();
        Form1 &window = *owned;
        QCOMPARE(window.questionBank().questionCount(), 165);
        QCOMPARE(encodeHistory(window.practiceTest().wrongFlags(), 165).left(5), history);

        click(window, "Command2");
        finishWithFirstWrong(window);
        const QString broken = settingsFile() + QStringLiteral(".broken");
        QCOMPARE(QFile::exists(broken), keptAside);
        if (keptAside)
            QCOMPARE(fileContents(broken), contents);
        const QString stored = storedValue(settings::historyKey);
        QCOMPARE(stored, encodeHistory(window.practiceTest().wrongFlags(), 165));
        QVERIFY(stored.at(window.practiceTest().item(1).question - 1) == u'1');
    }

    // Two copies of the program on one settings file: each store keeps what
    // the other stored.
    void twoCopiesKeepBothHistories()
    {
        writeSettings("[aaa]\nzzz=1\n");
        // Seeds whose five-question tests share no question.
        const auto firstWindow = openWindow(1);
        const auto secondWindow = openWindow(2);
        Form1 &first = *firstWindow;
        Form1 &second = *secondWindow;
        click(first, "Command2");
        click(second, "Command2");
        QVERIFY(!holdsQuestion(second, first.practiceTest().item(1).question));
        QVERIFY(!holdsQuestion(first, second.practiceTest().item(1).question));
        const int missedFirst = first.practiceTest().item(1).question;
        const int missedSecond = second.practiceTest().item(1).question;

        finishWithFirstWrong(first);
        finishWithFirstWrong(second);
        const QString stored = storedValue(settings::historyKey);
        QCOMPARE(stored.count(u'1'), 2);
        QCOMPARE(stored.at(missedFirst - 1), u'1');
        QCOMPARE(stored.at(missedSecond - 1), u'1');
        // The second copy now knows the first one's history too.
        QVERIFY(second.practiceTest().wrongFlags().isFlagged(missedFirst));
    }
};

QTEST_MAIN(SharedSettingsTest)
#include "test_shared_settings.moc"
