#pragma once
// The journal's tables and how a file of an older layout is brought up to date. The layout's
// version is kept in the file itself (PRAGMA user_version).

#include <QString>

class QSqlDatabase;

namespace mindrova {

inline constexpr int JOURNAL_SCHEMA_VERSION = 1;

// Brings the open database from its version up to JOURNAL_SCHEMA_VERSION in one transaction.
// Returns false (and leaves the file as it was) when a step fails; error names the failure.
bool MigrateJournal(QSqlDatabase& db, int fromVersion, QString* error);

}  // namespace mindrova
