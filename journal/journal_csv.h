#pragma once
// The journal as a CSV file for a spreadsheet: RFC 4180 quoting, and text that a spreadsheet
// would run as a formula made plain text. The file is the user's private record, so it is
// readable by its owner alone from the moment it exists.

#include <QList>
#include <QString>

class QSaveFile;

#include "journal/journal_entry.h"

namespace mindrova {

// One field: an apostrophe before text a spreadsheet could take for a formula (a leading TAB or
// CR, or =, +, - or @, or their fullwidth forms, at the start or after leading spaces), then
// quoted when it holds a comma, a quote or a line break, with its quotes doubled.
QString CsvField(const QString& value);

// A header line and one line per entry, in the order given; every line ends in CR LF.
QString JournalCsv(const QList<JournalEntry>& entries);

// Opens the file for writing and makes it owner-only before a byte is written: a new file would
// otherwise be made with the umask's mode (often readable by every user) until it is committed.
bool OpenPrivately(QSaveFile& file);

// Writes the entries to path as UTF-8 CSV with a byte order mark, replacing the file whole or
// not at all. On failure returns false and says why in error.
bool WriteJournalCsv(const QString& path, const QList<JournalEntry>& entries, QString* error);

}  // namespace mindrova
