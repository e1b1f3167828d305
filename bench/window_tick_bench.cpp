// The full 10 ms tick through the real session window (run with QT_QPA_PLATFORM=offscreen or on
// a display): every tick, and the ticks that show or hide a marker, each timed on its own.
// Between ticks the window's pending events (the repaints) run, as in the event loop, but are
// not counted in the tick.
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "window/ui/frm_main.h"

using namespace mindrova;

namespace {

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * double(values.size() - 1));
    return values[index];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1000, atoi(argv[1])) : 32000;
    frmMain window;
    window.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    for (int i = 0; i < 6; ++i) window.controller().Next();  // first point of round 1
    window.stepTimer().stop();                               // ticks are driven here
    QCoreApplication::processEvents();

    std::vector<double> all, marker, stepChange, paint;
    QElapsedTimer clock;
    for (int i = 0; i < ticks; ++i) {
        const bool shownBefore = window.markerShown(window.controller().CurrentDot());
        const Step before = window.controller().State().genmCurrentStep;
        clock.start();
        window.controller().tmrSteps_Timer();
        const double us = double(clock.nsecsElapsed()) / 1000.0;
        window.stepTimer().stop();
        all.push_back(us);
        if (window.controller().State().genmCurrentStep != before) {
            stepChange.push_back(us);
        } else if (window.markerShown(window.controller().CurrentDot()) != shownBefore) {
            marker.push_back(us);
        }
        clock.start();
        QCoreApplication::processEvents();
        paint.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    QTextStream out(stdout);
    out << "window tick over " << ticks << " ticks (" << QGuiApplication::platformName()
        << "), microseconds\n";
    const auto row = [&](const char* name, const std::vector<double>& v) {
        out << QString("  %1 n=%2 median %3 p99 %4 max %5\n")
                   .arg(QLatin1String(name), -28)
                   .arg(v.size(), 6)
                   .arg(Percentile(v, 0.5), 8, 'f', 2)
                   .arg(Percentile(v, 0.99), 8, 'f', 2)
                   .arg(Percentile(v, 1.0), 8, 'f', 2);
    };
    row("every tick", all);
    row("tick that shows/hides marker", marker);
    row("tick that changes the point", stepChange);
    row("events after a tick (paint)", paint);
    return 0;
}
