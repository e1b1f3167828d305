#pragma once
// One QApplication for a widget test binary, made on first use and kept to the end: widgets the
// tests leave behind must never outlive it.

#include <QApplication>

namespace mindrova::testing {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "mindrova_app_test";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = new QApplication(argc, argv);
    return *app;
}

}  // namespace mindrova::testing
