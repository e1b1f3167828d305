#include <QApplication>

#include "app/message_boxes.h"
#include "session_window/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mindrova::InstallModalHandlers();
    auto* window = new mindrova::frmMain;
    window->show();
    return app.exec();
}
