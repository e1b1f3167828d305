// A copy of the program writing journal entries as fast as it can, for the tests that run two
// copies at once or kill one in the middle of a write.
// Usage: journal_write_helper <file> <count> <key prefix>; count 0 writes until killed.
//        journal_write_helper <file> hold: reads the journal's first page as any connection
//        would, says "holding" and keeps the connection until its input ends.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>
#include <cstring>

#include "journal/journal_store.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[2], "hold") == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        if (!db.open() ||
            !QSqlQuery(db).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            return 1;
        }
        std::printf("holding\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (argc < 4) return 2;
    mindrova::JournalStore store(QString::fromLocal8Bit(argv[1]));
    if (!store.Open()) {
        std::fprintf(stderr, "open failed: %s\n", qPrintable(store.ErrorText()));
        return 1;
    }
    const long count = std::atol(argv[2]);
    const QString prefix = QString::fromLocal8Bit(argv[3]);
    for (long i = 0; count == 0 || i < count; ++i) {
        mindrova::JournalEntry entry;
        entry.key = prefix + QString::number(i);
        entry.started = QDateTime::currentDateTime();
        entry.issue = QStringLiteral("Trauma");
        entry.ownWords = QString(100, QLatin1Char('w')) + QString::number(i);
        entry.firstRating = 8;
        entry.laterRatings = {6, 4, 2};
        entry.rounds = 3;
        entry.minutes = 12;
        if (!store.Save(entry)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(store.ErrorText()));
            return 1;
        }
        std::printf("saved %ld\n", i);
        std::fflush(stdout);
    }
    return 0;
}
