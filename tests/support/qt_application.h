#pragma once
// One QApplication for a widget test binary, created on first use.

#include <QApplication>
#include <cstdio>

namespace mindrova::testing {

// The headless platform says so each time a window is raised or grabs the keyboard; that is no
// news to a test, and thousands of such lines would bury a real failure.
inline void QuietPlatformNotices() {
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        if (standard) {
            standard(type, context, message);
        } else {
            fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        }
    });
}

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "mindrova-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        QuietPlatformNotices();
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace mindrova::testing
