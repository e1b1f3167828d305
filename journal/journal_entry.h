#pragma once
// One session as the private journal keeps it.

#include <QDateTime>
#include <QList>
#include <QString>

namespace mindrova {

struct JournalEntry {
    QString key;        // unique for the session; a later write of the same session replaces it
    QDateTime started;  // when the session began
    QString issue;      // the issue's name as the list shows it
    QString ownWords;   // empty when the user gave none
    int firstRating = -1;
    QList<int> laterRatings;  // in the order they were given
    int rounds = 0;           // tapping rounds begun
    int minutes = 0;          // from the start of the session to the last rating

    int lastRating() const { return laterRatings.isEmpty() ? firstRating : laterRatings.last(); }
    bool operator==(const JournalEntry&) const = default;
};

// The later ratings as stored and exported: "5 3 0".
QString RatingsText(const QList<int>& ratings);
// Reads RatingsText back; anything that is not a rating 0..10 is left out.
QList<int> RatingsFromText(const QString& text);

}  // namespace mindrova
