#include <QApplication>
#include <QIcon>

#include "app/error_report_dialog.h"
#include "app/layout_probe.h"
#include "app/message_boxes.h"
#include "app/program_end.h"
#include "app/startup.h"
#include "app/ui_language.h"
#include "session_window/frm_main.h"

namespace {

// The application from its start to the end of its event loop and its own clean-up.
int Run(int argc, char* argv[]) {
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
    mindrova::EndProgramWithWindow(*mindrova::MainWindowRef);
    const int exitCode = app.exec();
    // What the window still holds ends here, within the deadline its close started.
    delete mindrova::MainWindowRef.data();
    if (mindrova::SpeechEngineLeftRunning()) mindrova::EndProcess(exitCode);
    return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
    mindrova::EndProcess(Run(argc, argv));
}
