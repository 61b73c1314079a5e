// Export and import of the whole progress store.

#include "progress/progress_content.h"
#include "progress/progress_database.h"
#include "progress/progress_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace veltrano {

namespace {

ImportOutcome refused(ImportProblem problem, QString detail = {})
{
    ImportOutcome outcome;
    outcome.problem = problem;
    outcome.detail = std::move(detail);
    return outcome;
}

bool copyWhole(const QString &from, const QString &to, QString *error)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    if (!target.open(QIODevice::WriteOnly)) {
        *error = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            *error = chunk.isEmpty() ? source.errorString() : target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        *error = target.errorString();
        return false;
    }
    return true;
}

// A file to import, copied into a folder of its own and opened there: the
// user's file is only read, and nothing SQLite writes lands beside it.
class ImportCopy {
public:
    ImportOutcome open(const QString &file)
    {
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable())
            return refused(ImportProblem::Unreadable);
        if (info.size() > ProgressStore::maxImportBytes)
            return refused(ImportProblem::TooLarge);
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly))
            return refused(ImportProblem::Unreadable, source.errorString());
        if (!hasSqliteHeader(source))
            return refused(ImportProblem::NotProgressFile);
        source.close();
        const QString copy = dir_.filePath(QStringLiteral("import.sqlite"));
        if (!dir_.isValid() || !QFile::copy(file, copy))
            return refused(ImportProblem::Unreadable);
        bool broken = false;
        ImportOutcome outcome;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(copy);
        QSqlQuery query(db);
        if (!db.open())
            return refused(ImportProblem::Unreadable, db.lastError().text());
        if (!runSql(query, QStringLiteral("PRAGMA integrity_check")) || !query.next() ||
            query.value(0).toString() != QLatin1String("ok")) {
            const QString said =
                query.isActive() ? query.value(0).toString() : query.lastError().text();
            return refused(isBrokenFile(query.lastError()) || query.isActive()
                               ? ImportProblem::Damaged
                               : ImportProblem::Unreadable,
                           said);
        }
        query = QSqlQuery();
        const int version = schemaVersionOf(db, nullptr);
        if (version > ProgressStore::schemaVersion)
            return refused(ImportProblem::NewerVersion);
        if (version < 1 || !hasProgressTables(db))
            return refused(ImportProblem::NotProgressFile);
        if (const StoreStatus migrated = migrate(db, &broken); !migrated.ok())
            return refused(broken ? ImportProblem::Damaged : ImportProblem::NotProgressFile,
                           migrated.detail);
        return outcome;
    }

    QSqlDatabase connection() const { return QSqlDatabase::database(name_, false); }
    QString path() const { return dir_.filePath(QStringLiteral("import.sqlite")); }

    // Lets go of the copy, which stays until this object goes.
    void close()
    {
        if (QSqlDatabase::contains(name_)) {
            QSqlDatabase::database(name_, false).close();
            QSqlDatabase::removeDatabase(name_);
        }
    }
    ~ImportCopy() { close(); }

private:
    QTemporaryDir dir_;
    QString name_ = QStringLiteral("veltrano-import-%1").arg(reinterpret_cast<quintptr>(this));
};

} // namespace

StoreStatus ProgressStore::exportTo(const QString &file)
{
    flushPending();
    StoreStatus status = db_->open();
    if (!status.ok())
        return status;
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("export.sqlite"));
    QSqlQuery query(db_->connection());
    // A consistent copy of the whole file, even while another copy of the
    // program writes to it.
    if (!scratch.isValid() || !runSql(query, QStringLiteral("VACUUM INTO ?"), {copy}))
        return {StoreFailure::CannotOpen, query.lastError().text()};
    QString error;
    if (!copyWhole(copy, file, &error))
        return {StoreFailure::CannotWrite, error};
    return {};
}

ImportOutcome ProgressStore::importFrom(const QString &file)
{
    ImportCopy copy;
    ImportOutcome outcome = copy.open(file);
    if (!outcome.ok())
        return outcome;
    const ContentCheck content = checkContent(copy.connection(), questionCount_);
    if (content.error.isValid())
        return refused(ImportProblem::Damaged, content.error.text());
    if (content.fault != ContentFault::None) {
        ImportOutcome bad = refused(ImportProblem::BadContent);
        bad.fault = content.fault;
        bad.faultTest = content.test;
        return bad;
    }
    {
        QSqlQuery count(copy.connection());
        if (runSql(count, QStringLiteral("SELECT count(*) FROM tests")) && count.next())
            outcome.testsAlreadyHere = count.value(0).toInt(); // until the merge says otherwise
    }
    const QString importedPath = copy.path();
    copy.close();

    flushPending();
    const auto storeFailed = [&outcome](StoreStatus status) {
        outcome.problem = ImportProblem::StoreFailed;
        outcome.status = std::move(status);
        return outcome;
    };
    if (StoreStatus status = db_->open(); !status.ok())
        return storeFailed(status);
    const QSqlDatabase db = db_->connection();
    QSqlQuery query(db);
    if (!runSql(query, QStringLiteral("ATTACH DATABASE ? AS incoming"), {importedPath}))
        return storeFailed({StoreFailure::CannotOpen, query.lastError().text()});
    StoreStatus status = db_->begin();
    bool ok = status.ok();
    const int total = outcome.testsAlreadyHere;
    const QStringList merge{
        QStringLiteral("CREATE TEMP TABLE new_tests AS SELECT id, uid FROM incoming.tests"
                       " WHERE uid NOT IN (SELECT uid FROM main.tests)"),
        QStringLiteral("INSERT INTO main.tests (uid, finished_at, day, kind, question_count,"
                       " correct_count) SELECT uid, finished_at, day, kind, question_count,"
                       " correct_count FROM incoming.tests WHERE id IN (SELECT id FROM new_tests)"
                       " ORDER BY finished_at, id"),
        QStringLiteral("INSERT INTO main.answers (test_id, position, question, chosen, correct,"
                       " is_right) SELECT m.id, a.position, a.question, a.chosen, a.correct,"
                       " a.is_right FROM incoming.answers a JOIN new_tests n ON n.id = a.test_id"
                       " JOIN main.tests m ON m.uid = n.uid"),
    };
    for (const QString &sql : merge)
        ok = ok && runSql(query, sql);
    // A count that cannot be read fails the merge: the per-question records
    // would otherwise not be worked out again for the tests it added.
    ok = ok && runSql(query, QStringLiteral("SELECT count(*) FROM new_tests")) && query.next();
    if (ok)
        outcome.testsAdded = query.value(0).toInt();
    outcome.testsAlreadyHere = total - outcome.testsAdded;
    QSqlError error = query.lastError();
    if (ok && outcome.testsAdded > 0) {
        // Imported tests may lie between this store's own: the rule is
        // applied again to every answer in order.
        const QList<QuestionRecord> records = replayAnswers(db, questionCount_, &error);
        ok = !records.isEmpty() && runSql(query, QStringLiteral("DELETE FROM question_state")) &&
             writeQuestionState(db, records, {}, &error);
    }
    runSql(query, QStringLiteral("DROP TABLE IF EXISTS temp.new_tests"));
    if (ok)
        status = db_->commit();
    else {
        if (status.ok())
            status = {StoreFailure::CannotWrite, error.isValid() ? error.text() : QString()};
        db_->rollback();
    }
    query = QSqlQuery(db);
    runSql(query, QStringLiteral("DETACH DATABASE incoming"));
    if (!status.ok())
        return storeFailed(status);
    return outcome;
}

} // namespace veltrano
