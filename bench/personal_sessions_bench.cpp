// What Select Issue pays for the user's own sessions each time it opens: reading and checking
// every file of a sessions folder that holds 200 of them (the aim is well under 50 ms).
// Run: build/dev/bench/personal_sessions_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/personal_store.h"

using namespace mindrova;

namespace {

constexpr int kFiles = 200;
constexpr int kRefused = 10;  // files a person dropped in that cannot be used

// PERSONAL_BENCH_DIR puts the folder on the disk to measure (the default temporary folder may be
// in memory).
QString BenchFolder() {
    const QString base = qEnvironmentVariable("PERSONAL_BENCH_DIR", QDir::tempPath());
    return base + QStringLiteral("/personal-bench-XXXXXX");
}

// Sessions as large as they come: 32 lines each way, long ones, from the built-in issues.
PersonalSession LargeSession(int n) {
    const QList<Issue> issues = OfferedIssues();
    PersonalSession session = PersonalSessionFromIssue(issues[n % issues.size()],
                                                       QStringLiteral("my own words %1").arg(n));
    session.title = QStringLiteral("Session number %1").arg(n);
    for (QStringList* lines : {&session.negative, &session.positive}) {
        const QStringList base = *lines;
        while (lines->size() < PERSONAL_LINES_MAX) lines->append(base[lines->size() % base.size()]);
    }
    session.secondsPerPoint = 1 + n % 10;
    return session;
}

void BM_ListPersonalSessions200(benchmark::State& state) {
    QTemporaryDir dir(BenchFolder());
    const QDir folder(dir.path());
    for (int n = 0; n < kFiles; ++n) {
        QFile file(folder.filePath(QStringLiteral("session-%1.json").arg(n)));
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("the folder could not be filled");
            return;
        }
        file.write(n < kRefused ? QByteArray("{\"format\": 1, \"title\": \"half a file")
                                : PersonalSessionJson(LargeSession(n)));
    }
    for (auto _ : state) {
        const PersonalSessionListing listing = ListPersonalSessions(dir.path());
        if (listing.sessions.size() != kFiles - kRefused) state.SkipWithError("sessions missing");
        benchmark::DoNotOptimize(listing);
    }
}
BENCHMARK(BM_ListPersonalSessions200)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

BENCHMARK_MAIN();
