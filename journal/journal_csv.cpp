#include "journal/journal_csv.h"

#include <QStringList>

namespace mindrova {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString Line(const QStringList& values) {
    QStringList fields;
    for (const QString& value : values) fields << CsvField(value);
    return fields.join(QLatin1Char(',')) + kLineEnd;
}

}  // namespace

QString CsvField(const QString& value) {
    QString field = value;
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field.front())) {
        field.prepend(QLatin1Char('\''));
    }
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

}  // namespace mindrova
