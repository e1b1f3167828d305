// The journal's two costs a user could feel: writing one entry (on the writer's thread, never on
// the tick) and opening the journal window over ten thousand entries (offscreen).
// Run: build/dev/bench/journal_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "journal/ui/frm_journal.h"
#include "journal/journal_store.h"

using namespace mindrova;

namespace {

// JOURNAL_BENCH_DIR puts the journal on the disk to measure (the default temporary folder may
// be in memory).
QString BenchFolder() {
    const QString base = qEnvironmentVariable("JOURNAL_BENCH_DIR", QDir::tempPath());
    return base + QStringLiteral("/journal-bench-XXXXXX");
}

JournalEntry SampleEntry(int n) {
    JournalEntry e;
    e.key = QStringLiteral("bench-%1").arg(n);
    e.started = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(qint64(n) * 3600 * 7);
    static const QString issues[] = {QStringLiteral("Guilt"), QStringLiteral("Trauma"),
                                     QStringLiteral("Depression"), QStringLiteral("Headaches")};
    e.issue = issues[n % 4];
    e.ownWords = QStringLiteral("the words of session %1, \"quoted\" and long enough").arg(n);
    e.firstRating = 5 + n % 6;
    e.laterRatings = {4 + n % 4, n % 5};
    e.rounds = 3;
    e.minutes = 14;
    return e;
}

// One new entry, in its own transaction, on a journal that already holds many.
void BM_JournalEntryWrite(benchmark::State& state) {
    QTemporaryDir dir(BenchFolder());
    JournalStore store(dir.filePath(QStringLiteral("journal.sqlite")));
    if (!store.Open()) {
        state.SkipWithError("journal did not open");
        return;
    }
    int n = 0;
    for (; n < 2000; ++n) store.Save(SampleEntry(n));
    for (auto _ : state) {
        if (!store.Save(SampleEntry(n++))) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_JournalEntryWrite)->Unit(benchmark::kMillisecond)->Iterations(200);

// From nothing to the journal window shown with every entry, its chart and its figures.
void BM_JournalWindowOpen10000(benchmark::State& state) {
    QTemporaryDir dir(BenchFolder());
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    {
        JournalStore store(path);
        if (!store.Open()) {
            state.SkipWithError("journal did not open");
            return;
        }
        for (int n = 0; n < 10000; ++n) store.Save(SampleEntry(n));
    }
    for (auto _ : state) {
        frmJournal journal(path);
        journal.show();
        QApplication::processEvents();
        if (journal.entries().size() != 10000) state.SkipWithError("entries missing");
    }
}
BENCHMARK(BM_JournalWindowOpen10000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The headless platform's notices about window hints are no news here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support"))) {
            fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
