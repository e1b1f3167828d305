// The floor for CPU on a tapping point: a 10 ms precise timer that, like the session window,
// shows or hides one small widget every 11 ticks and rewrites a time label every 100 ticks.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1152, 781);
    auto* marker = new QWidget(&window);
    marker->setGeometry(600, 300, 16, 16);
    marker->setAutoFillBackground(true);
    marker->setPalette(QPalette(Qt::red));
    auto* elapsed = new QLabel(QStringLiteral("00:00:00"), &window);
    elapsed->setGeometry(20, 750, 120, 20);

    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (ticks % 11 == 0) marker->setVisible(!marker->isVisible());
        if (ticks % 100 == 0) {
            const int s = ticks / 100;
            elapsed->setText(QStringLiteral("%1:%2:%3")
                                 .arg(s / 3600, 2, 10, QLatin1Char('0'))
                                 .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(s % 60, 2, 10, QLatin1Char('0')));
        }
    });
    timer.start();
    window.show();
    return app.exec();
}
