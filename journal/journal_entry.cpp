#include "journal/journal_entry.h"

#include <QStringList>

namespace mindrova {

QString RatingsText(const QList<int>& ratings) {
    QStringList parts;
    for (const int rating : ratings) parts << QString::number(rating);
    return parts.join(QLatin1Char(' '));
}

QList<int> RatingsFromText(const QString& text) {
    QList<int> ratings;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int rating = part.toInt(&ok);
        if (ok && rating >= 0 && rating <= 10) ratings << rating;
    }
    return ratings;
}

}  // namespace mindrova
