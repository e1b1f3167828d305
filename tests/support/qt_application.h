#pragma once
// One QApplication for a widget test binary, created on first use.

#include <QApplication>

namespace mindrova::testing {

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "mindrova-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace mindrova::testing
