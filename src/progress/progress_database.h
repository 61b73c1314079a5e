#pragma once

#include "progress/progress_store.h"

#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <optional>

namespace veltrano {

// Prepares sql, binds values in order and runs it; false when any step
// failed (query.lastError() says why).
bool runSql(QSqlQuery &query, const QString &sql, const QVariantList &values = {});

// Whether SQLite said the file is not a database or is corrupt.
bool isBrokenFile(const QSqlError &error);

// Whether the bytes read from a file's start begin as every SQLite database.
bool hasSqliteHeader(QIODevice &file);

// One named connection to one SQLite file, opened on first use: WAL
// journal, synchronous commits, a busy timeout for other copies of the
// program, the schema brought up to date. A file that is not a sound
// database is moved aside and a new one started.
class ProgressDatabase {
public:
    explicit ProgressDatabase(QString path);
    ~ProgressDatabase();
    ProgressDatabase(const ProgressDatabase &) = delete;
    ProgressDatabase &operator=(const ProgressDatabase &) = delete;

    StoreStatus open();
    QSqlDatabase connection() const { return QSqlDatabase::database(name_, false); }
    // After a broken file was found in use: closes it, moves it aside and
    // opens a new one.
    StoreStatus startOver();
    std::optional<QString> takeSetAsideNotice() { return std::exchange(setAside_, std::nullopt); }

    // BEGIN IMMEDIATE: takes the write lock at once, waiting the busy
    // timeout for another copy to let go of it.
    StoreStatus begin(QSqlError *error = nullptr);
    StoreStatus commit();
    void rollback();

private:
    StoreStatus openOnce(bool *broken);
    void close();
    bool moveAside();

    QString path_;
    QString name_;
    bool open_ = false;
    std::optional<QString> setAside_;
};

// The schema, in the version a database (schema "main", or an attached one)
// says it has: PRAGMA user_version; 0 is an empty file.
int schemaVersionOf(const QSqlDatabase &db, QSqlError *error);
// Brings the database up to ProgressStore::schemaVersion, each step in its
// own transaction. *broken tells a file SQLite cannot read as a database.
StoreStatus migrate(QSqlDatabase &db, bool *broken = nullptr);
// Whether the database has the progress tables with their columns.
bool hasProgressTables(const QSqlDatabase &db);

} // namespace veltrano
