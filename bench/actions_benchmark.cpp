// How long the user waits for each action of a practice test: starting a
// test of the whole bank, finishing and marking it, and storing the history.
// Run by bench/actions.sh; not part of the test suite, since a timing says
// nothing certain about correctness.

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "practice/history_codec.h"
#include "practice/practice_session.h"
#include "windows/platform/settings_store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace veltrano;

class ActionsBenchmark : public QObject {
    Q_OBJECT

    QuestionBank bank;
    SystemRandomSource random{1};

private slots:
    void initTestCase() { bank.inlineread(); }

    void startWholeBankTest()
    {
        PracticeTest test(bank, random);
        QBENCHMARK
        {
            test.start(TestKind::Sized, 165);
        }
        QCOMPARE(test.testSize(), 165);
    }

    void finishAndMark()
    {
        PracticeTest test(bank, random);
        test.start(TestKind::Sized, 165);
        do { // every question answered, some of them right
            test.choose(test.currentPos() % 4, true);
        } while (test.next());
        QBENCHMARK
        {
            test.finish(true);
        }
        QCOMPARE(test.correctCount() + test.wrongCount(), 165);
    }

    void storeHistory()
    {
        QTemporaryDir dir;
        platform::SettingsStore store(dir.filePath(QStringLiteral("OrviTest.conf")));
        PracticeTest test(bank, random);
        test.loadHistory(emptyHistory(165));
        test.start(TestKind::Sized, 165);
        test.finish(false);
        QBENCHMARK
        {
            QString stored;
            store.update(QStringLiteral("aaa"), QStringLiteral("redo"), emptyHistory(165),
                         [&](const QString &now) { return stored = test.mergedHistory(now); });
            test.historyStored(stored);
        }
    }
};

QTEST_GUILESS_MAIN(ActionsBenchmark)
#include "actions_benchmark.moc"
