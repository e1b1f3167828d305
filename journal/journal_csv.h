#pragma once
// The journal as a CSV file for a spreadsheet: RFC 4180 quoting, and text that a spreadsheet
// would run as a formula made plain text.

#include <QList>
#include <QString>

#include "journal/journal_entry.h"

namespace mindrova {

// One field: an apostrophe before a leading =, +, - or @, then quoted when it holds a comma, a
// quote or a line break, with its quotes doubled.
QString CsvField(const QString& value);

// A header line and one line per entry, in the order given; every line ends in CR LF.
QString JournalCsv(const QList<JournalEntry>& entries);

}  // namespace mindrova
