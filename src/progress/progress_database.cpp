#include "progress/progress_database.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

namespace veltrano {

namespace {

// Step n brings a database from version n - 1 to version n.
const QList<QStringList> migrations{
    {
        QStringLiteral("CREATE TABLE tests ("
                       " id INTEGER PRIMARY KEY,"
                       " uid TEXT NOT NULL UNIQUE,"
                       " finished_at INTEGER NOT NULL," // ms since 1970, UTC
                       " day TEXT NOT NULL,"            // local calendar date, yyyy-MM-dd
                       " kind TEXT NOT NULL,"
                       " question_count INTEGER NOT NULL,"
                       " correct_count INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX tests_by_kind ON tests (kind, finished_at)"),
        QStringLiteral("CREATE INDEX tests_by_time ON tests (finished_at)"),
        QStringLiteral("CREATE TABLE answers ("
                       " test_id INTEGER NOT NULL REFERENCES tests (id),"
                       " position INTEGER NOT NULL,"
                       " question INTEGER NOT NULL,"
                       " chosen INTEGER NOT NULL,"  // bank choice 1..4, 0 for none
                       " correct INTEGER NOT NULL," // bank choice 1..4
                       " is_right INTEGER NOT NULL,"
                       " PRIMARY KEY (test_id, position)) WITHOUT ROWID"),
        // What the mastery rule made of the answers, per question: kept in
        // step with them so that no read replays them all.
        QStringLiteral("CREATE TABLE question_state ("
                       " question INTEGER PRIMARY KEY,"
                       " answered INTEGER NOT NULL,"
                       " misses INTEGER NOT NULL,"
                       " last_answered TEXT,"
                       " last_miss TEXT,"
                       " right_days_since_miss INTEGER NOT NULL,"
                       " last_right_day TEXT,"
                       " mastered_on TEXT)"),
    },
};

const QMap<QString, QStringList> requiredColumns{
    {QStringLiteral("tests"),
     {"id", "uid", "finished_at", "day", "kind", "question_count", "correct_count"}},
    {QStringLiteral("answers"),
     {"test_id", "position", "question", "chosen", "correct", "is_right"}},
};

QAtomicInt connectionCount;

StoreStatus failure(StoreFailure kind, const QSqlError &error)
{
    return {kind, error.text()};
}

bool startsAsDatabase(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return true; // opening will fail and say why
    return hasSqliteHeader(file);
}

} // namespace

bool hasSqliteHeader(QIODevice &file)
{
    static const QByteArray header("SQLite format 3\0", 16);
    return file.read(header.size()) == header;
}

bool runSql(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

bool isBrokenFile(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26"); // CORRUPT, NOTADB
}

ProgressDatabase::ProgressDatabase(QString path)
    : path_(std::move(path)),
      name_(QStringLiteral("veltrano-progress-%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{
}

ProgressDatabase::~ProgressDatabase()
{
    close();
}

void ProgressDatabase::close()
{
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    open_ = false;
}

StoreStatus ProgressDatabase::open()
{
    if (open_)
        return {};
    if (!startsAsDatabase(path_) && !moveAside())
        return {StoreFailure::CannotOpen, QString()};
    bool broken = false;
    const StoreStatus status = openOnce(&broken);
    return broken ? startOver() : status;
}

StoreStatus ProgressDatabase::openOnce(bool *broken)
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return {StoreFailure::CannotOpen, QString()};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const StoreStatus status = failure(StoreFailure::CannotOpen, db.lastError());
        close();
        return status;
    }
    QSqlQuery query(db);
    for (const char *pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"}) {
        if (!runSql(query, QString::fromLatin1(pragma))) {
            const QSqlError error = query.lastError();
            query = QSqlQuery();
            close();
            *broken = isBrokenFile(error);
            return failure(StoreFailure::CannotOpen, error);
        }
    }
    query = QSqlQuery();
    const StoreStatus status = migrate(db, broken);
    if (!status.ok() || !hasProgressTables(db)) {
        // Tables that are not ours in a file of our version: not our file.
        *broken = *broken || status.ok();
        close();
        return status.ok() ? StoreStatus{StoreFailure::CannotOpen, QString()} : status;
    }
    open_ = true;
    return {};
}

StoreStatus ProgressDatabase::startOver()
{
    close();
    if (!moveAside())
        return {StoreFailure::CannotOpen, QString()};
    bool broken = false;
    return openOnce(&broken);
}

bool ProgressDatabase::moveAside()
{
    QString aside = path_ + QStringLiteral(".broken");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path_ + QStringLiteral(".broken.%1").arg(n);
    if (QFile::exists(path_) && !QFile::rename(path_, aside))
        return false;
    // Its journal belongs to it, not to the new file.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString companion = path_ + QLatin1String(suffix);
        if (QFile::exists(companion))
            QFile::rename(companion, aside + QLatin1String(suffix));
    }
    setAside_ = aside;
    return true;
}

StoreStatus ProgressDatabase::begin(QSqlError *error)
{
    QSqlQuery query(connection());
    if (runSql(query, QStringLiteral("BEGIN IMMEDIATE")))
        return {};
    if (error)
        *error = query.lastError();
    return failure(StoreFailure::CannotWrite, query.lastError());
}

StoreStatus ProgressDatabase::commit()
{
    QSqlQuery query(connection());
    if (runSql(query, QStringLiteral("COMMIT")))
        return {};
    const StoreStatus status = failure(StoreFailure::CannotWrite, query.lastError());
    rollback();
    return status;
}

void ProgressDatabase::rollback()
{
    QSqlQuery query(connection());
    runSql(query, QStringLiteral("ROLLBACK"));
}

int schemaVersionOf(const QSqlDatabase &db, QSqlError *error)
{
    QSqlQuery query(db);
    if (!runSql(query, QStringLiteral("PRAGMA user_version")) || !query.next()) {
        if (error)
            *error = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

StoreStatus migrate(QSqlDatabase &db, bool *broken)
{
    QSqlError error;
    int version = schemaVersionOf(db, &error);
    if (version < 0) {
        if (broken)
            *broken = isBrokenFile(error);
        return failure(StoreFailure::CannotOpen, error);
    }
    if (version > ProgressStore::schemaVersion)
        return {StoreFailure::NewerSchema, QString()};
    while (version < ProgressStore::schemaVersion) {
        QSqlQuery query(db);
        if (!runSql(query, QStringLiteral("BEGIN IMMEDIATE")))
            return failure(StoreFailure::CannotWrite, query.lastError());
        // Another copy of the program may have migrated meanwhile.
        version = schemaVersionOf(db, &error);
        bool ok = version >= 0;
        if (ok && version < ProgressStore::schemaVersion) {
            for (const QString &sql : migrations.at(version)) {
                ok = runSql(query, sql);
                if (!ok)
                    break;
            }
            ok = ok && runSql(query, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        }
        if (!ok || !runSql(query, QStringLiteral("COMMIT"))) {
            const QSqlError failed = query.lastError();
            runSql(query, QStringLiteral("ROLLBACK"));
            if (broken)
                *broken = isBrokenFile(failed);
            return failure(StoreFailure::CannotWrite, failed);
        }
        version = schemaVersionOf(db, &error);
    }
    return {};
}

bool hasProgressTables(const QSqlDatabase &db)
{
    for (auto table = requiredColumns.cbegin(); table != requiredColumns.cend(); ++table) {
        const QSqlRecord columns = db.record(table.key());
        for (const QString &column : table.value())
            if (!columns.contains(column))
                return false;
    }
    return true;
}

} // namespace veltrano
