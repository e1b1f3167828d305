// What the user's own sessions add to opening Select Issue in the real session window: the step
// shown from the intro (Next) with an empty sessions folder and with 200 files in it (10 of them
// refused), each timed with the repaint that follows. Run with QT_QPA_PLATFORM=offscreen or on a
// display: build/dev/bench/select_issue_bench [times]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "app/feature_parts.h"
#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/personal_store.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_services.h"

using namespace mindrova;

namespace {

constexpr int kFiles = 200;
constexpr int kRefused = 10;

void FillFolder(const QString& path) {
    const QList<Issue> issues = OfferedIssues();
    for (int n = 0; n < kFiles; ++n) {
        PersonalSession session = PersonalSessionFromIssue(issues[n % issues.size()], {});
        session.title = QStringLiteral("Session number %1").arg(n);
        QFile file(QDir(path).filePath(QStringLiteral("session-%1.json").arg(n)));
        if (!file.open(QIODevice::WriteOnly)) qFatal("the folder could not be filled");
        file.write(n < kRefused ? QByteArray("{\"format\": 1, \"title\": \"half a file")
                                : PersonalSessionJson(session));
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Milliseconds from Next on the intro to Select Issue shown and painted, median of `times`.
double OpenSelectIssue(const QString& folder, int times) {
    FeatureServices features;
    features.personal.listPersonalSessions = [folder] { return ListPersonalSessions(folder); };
    SessionWindowServices services;
    services.parts = FeatureParts(std::move(features));
    frmMain window(std::move(services));
    window.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    QCoreApplication::processEvents();
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < times; ++i) {
        clock.start();
        window.controller().Next();
        QCoreApplication::processEvents();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        window.controller().Previous();
        QCoreApplication::processEvents();
    }
    return Median(ms);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int times = argc > 1 ? std::max(5, atoi(argv[1])) : 50;
    QTemporaryDir empty;
    QTemporaryDir full;
    FillFolder(full.path());
    // Alternated, so that a busy machine weighs on both alike.
    std::vector<double> without, with;
    for (int round = 0; round < 3; ++round) {
        without.push_back(OpenSelectIssue(empty.path(), times));
        with.push_back(OpenSelectIssue(full.path(), times));
    }
    QTextStream out(stdout);
    const double a = Median(without);
    const double b = Median(with);
    out << QString(
               "Select Issue opened (%1, median of %2 x 3): no sessions %3 ms, %4 files %5 ms, "
               "%6 ms more (aim: under 50)\n")
               .arg(QGuiApplication::platformName())
               .arg(times)
               .arg(a, 0, 'f', 2)
               .arg(kFiles)
               .arg(b, 0, 'f', 2)
               .arg(b - a, 0, 'f', 2);
    return 0;
}
