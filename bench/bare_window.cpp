// The floor for start-up time and memory: a plain window of the session window's opening size
// (1152 x 781 px) that shows one label.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1152, 781);
    auto* label = new QLabel(QStringLiteral("Bare window"), &window);
    label->move(20, 20);
    window.show();
    return app.exec();
}
