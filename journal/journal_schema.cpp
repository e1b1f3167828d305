#include "journal/journal_schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace mindrova {
namespace {

// Step n takes a file of version n to version n + 1. A later layout adds a step here and never
// edits an earlier one, so that every old file walks the same path.
const QStringList& MigrationStep(int fromVersion) {
    static const QList<QStringList> steps = {
        {
            QStringLiteral("CREATE TABLE entry ("
                           " key TEXT PRIMARY KEY NOT NULL,"
                           " started TEXT NOT NULL,"
                           " issue TEXT NOT NULL,"
                           " own_words TEXT NOT NULL DEFAULT '',"
                           " first_rating INTEGER NOT NULL,"
                           " later_ratings TEXT NOT NULL DEFAULT '',"
                           " rounds INTEGER NOT NULL DEFAULT 0,"
                           " minutes INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX entry_started ON entry (started)"),
        },
    };
    return steps.at(fromVersion);
}

}  // namespace

bool MigrateJournal(QSqlDatabase& db, int fromVersion, QString* error) {
    if (fromVersion < 0 || fromVersion > JOURNAL_SCHEMA_VERSION) {
        if (error) *error = QStringLiteral("no way from layout %1").arg(fromVersion);
        return false;
    }
    if (fromVersion == JOURNAL_SCHEMA_VERSION) return true;
    if (!db.transaction()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (int version = fromVersion; version < JOURNAL_SCHEMA_VERSION; ++version) {
        for (const QString& statement : MigrationStep(version)) {
            if (!query.exec(statement)) {
                if (error) *error = query.lastError().text();
                db.rollback();
                return false;
            }
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(JOURNAL_SCHEMA_VERSION)) ||
        !db.commit()) {
        if (error) *error = query.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

}  // namespace mindrova
