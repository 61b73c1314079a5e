#pragma once

#include "bank/question_bank.h"
#include "progress/finished_test.h"
#include "progress/mastery_rule.h"
#include "progress/progress_statistics.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace veltrano {

// Why the store could not do what it was asked; the windows word it.
enum class StoreFailure {
    None,
    CannotOpen,  // the file or its folder could not be opened or created
    CannotWrite, // a write failed (a full disk, a read-only file, a lock held too long)
    NewerSchema, // the file was written by a newer version of the program
};

struct StoreStatus {
    StoreFailure failure = StoreFailure::None;
    QString detail; // the database's own words, for the curious

    bool ok() const { return failure == StoreFailure::None; }
};

// Why an import was refused, and where in the file.
enum class ImportProblem {
    None,
    Unreadable,      // the file could not be read
    TooLarge,        // bigger than any progress file could be
    NotProgressFile, // not SQLite, or SQLite without the progress tables
    Damaged,         // SQLite, but cut short or corrupted
    NewerVersion,    // written by a newer version of the program
    BadContent,      // a test or answer that cannot be (see ContentFault)
    StoreFailed,     // the file was fine; this copy's store failed (see status)
};

// What is wrong inside a file whose tables are right.
enum class ContentFault {
    None,
    UnknownKind,   // a kind of test no version of the program makes
    BadTest,       // a test without uid, with an impossible size or date
    BadAnswer,     // a question, choice or position outside its range
    CountMismatch, // a test whose answers do not add up to its counts
    OrphanAnswer,  // an answer of no test
    DuplicateTest, // two tests with one uid
};

struct ImportOutcome {
    ImportProblem problem = ImportProblem::None;
    ContentFault fault = ContentFault::None;
    int faultTest = 0;  // the test concerned (its number in the file), with BadContent
    QString detail;     // SQLite's own words, where it said something
    StoreStatus status; // with StoreFailed
    int testsAdded = 0;
    int testsAlreadyHere = 0;

    bool ok() const { return problem == ImportProblem::None; }
};

// What a consistency check of the store found: whether SQLite finds the
// file sound, and the first fault inside it.
struct ConsistencyReport {
    bool sound = false;
    ContentFault fault = ContentFault::None;
    int faultTest = 0;
    bool questionStateMatches = false; // the per-question table agrees with the answers
    int testCount = 0;

    bool ok() const { return sound && fault == ContentFault::None && questionStateMatches; }
};

class ProgressDatabase;

// The user's progress: every finished test and answer, in one SQLite file,
// opened on first use. Each finished test is written in one transaction
// (WAL journal, synchronous), beside a per-question summary that the
// mastery rule keeps. A test that cannot be written is kept in memory and
// written at the next record (or read). Several copies of the program may
// write the same file.
class ProgressStore {
public:
    // questionCount: the bank's questions; answers to others are refused.
    ProgressStore(QString path, int questionCount);
    ~ProgressStore();
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    const QString &path() const { return path_; }
    static constexpr int schemaVersion = 1;
    // Files larger than this are not taken for progress files.
    static constexpr qint64 maxImportBytes = qint64(256) * 1024 * 1024;

    // Records a finished test: first any kept in memory, then this one.
    // On failure the tests not written stay in memory.
    StoreStatus record(FinishedTest test);
    int pendingCount() const { return static_cast<int>(pending_.size()); }

    // Set when a file that was not a sound database was moved aside (to
    // this path) and a new one started; given once, then cleared.
    std::optional<QString> takeSetAsideNotice();

    // Reads. Each first writes what is kept in memory, if it can.
    // records[q] for q in 1..questionCount; records[0] unused.
    QList<QuestionRecord> questionRecords(StoreStatus *status = nullptr);
    ProgressStatistics statistics(const QuestionBank &bank, StoreStatus *status = nullptr);
    QList<FinishedTest> finishedTests(StoreStatus *status = nullptr);

    // A copy of the whole store, written whole to file (SQLite's VACUUM
    // INTO, then a QSaveFile).
    StoreStatus exportTo(const QString &file);
    // Adds the tests of an exported file that this store does not hold.
    // Validates the whole file first; on any problem nothing changes.
    ImportOutcome importFrom(const QString &file);

    // For tests and the kill test: SQLite's integrity check and the same
    // content rules an import applies.
    ConsistencyReport checkConsistency();

private:
    StoreStatus flushPending();
    StoreStatus writeTest(const FinishedTest &test);

    QString path_;
    int questionCount_;
    std::unique_ptr<ProgressDatabase> db_;
    QList<FinishedTest> pending_;
};

} // namespace veltrano
