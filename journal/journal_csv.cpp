#include "journal/journal_csv.h"

#include <QSaveFile>
#include <QStringList>

#include "support/whole_file.h"

namespace mindrova {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString Line(const QStringList& values) {
    QStringList fields;
    for (const QString& value : values) fields << CsvField(value);
    return fields.join(QLatin1Char(',')) + kLineEnd;
}

// What a spreadsheet may run: a formula sign, also in its fullwidth form (some spreadsheets fold
// those to the plain ones), found after any leading spaces; or a TAB or CR, which some readers
// drop before looking at the sign.
bool LooksLikeFormula(const QString& value) {
    if (value.isEmpty()) return false;
    if (value.front() == QLatin1Char('\t') || value.front() == QLatin1Char('\r')) return true;
    static const QString signs = QStringLiteral("=+-@\uFF1D\uFF0B\uFF0D\uFF20");
    for (const QChar c : value) {
        if (c == QLatin1Char(' ') || c.category() == QChar::Separator_Space) continue;
        return signs.contains(c);
    }
    return false;
}

}  // namespace

QString CsvField(const QString& value) {
    QString field = value;
    if (LooksLikeFormula(field)) field.prepend(QLatin1Char('\''));
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                        field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (!quoted) return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString JournalCsv(const QList<JournalEntry>& entries) {
    QString csv =
        Line({QStringLiteral("Started"), QStringLiteral("Issue"), QStringLiteral("Own words"),
              QStringLiteral("First rating"), QStringLiteral("Later ratings"),
              QStringLiteral("Last rating"), QStringLiteral("Rounds"), QStringLiteral("Minutes")});
    for (const JournalEntry& e : entries) {
        csv += Line({e.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")), e.issue, e.ownWords,
                     QString::number(e.firstRating), RatingsText(e.laterRatings),
                     QString::number(e.lastRating()), QString::number(e.rounds),
                     QString::number(e.minutes)});
    }
    return csv;
}

bool OpenPrivately(QSaveFile& file) {
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) return true;
    file.cancelWriting();
    return false;
}

bool WriteJournalCsv(const QString& path, const QList<JournalEntry>& entries, QString* error) {
    // A byte order mark lets a spreadsheet read the words in any script.
    const QByteArray bytes = "\xEF\xBB\xBF" + JournalCsv(entries).toUtf8();
    return WriteWholeFile(path, bytes, FileAccess::OwnerOnly, error);
}

}  // namespace mindrova
