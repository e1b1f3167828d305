#include <QApplication>
#include <QIcon>

#include "app/error_report_dialog.h"
#include "app/layout_probe.h"
#include "app/message_boxes.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mindrova"));
    QApplication::setOrganizationName(QStringLiteral("Quellbrook"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Mindrova"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app_icon.svg")));
    mindrova::InstallModalHandlers();
    mindrova::InstallErrorReportDialog();
    mindrova::InstallLayoutProbeFromEnvironment();
    const mindrova::StartupOutcome outcome = mindrova::Main();
    if (outcome != mindrova::StartupOutcome::WindowShown) return mindrova::ExitCodeFor(outcome);
    return app.exec();
}
