#include <QApplication>
#include <QIcon>

#include "app/error_report_dialog.h"
#include "app/layout_probe.h"
#include "app/message_boxes.h"
#include "app/startup.h"
#include "app/ui_language.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mindrova"));
    QApplication::setOrganizationName(QStringLiteral("Quellbrook"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Mindrova"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app_icon.svg")));
    // Before any window or message exists, so that every text comes out in one language.
    mindrova::InstallUiLanguage();
    mindrova::InstallModalHandlers();
    mindrova::InstallErrorReportDialog();
    mindrova::InstallLayoutProbeFromEnvironment();
    const mindrova::StartupOutcome outcome = mindrova::Main();
    if (outcome != mindrova::StartupOutcome::WindowShown) return mindrova::ExitCodeFor(outcome);
    return app.exec();
}
