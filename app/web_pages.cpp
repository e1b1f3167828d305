#include "app/web_pages.h"

#include <QCoreApplication>

#include "app/shell_execute.h"
#include "support/modal_seam.h"

namespace mindrova {

void OpenWebPage(QWidget* owner, const QString& address, bool noSourceTag) {
    const QString target = noSourceTag ? address : address + QLatin1String(kSourceTag);
    CShellExecute shell;
    const qint32 result = shell.LaunchURL(owner, target, kShowDefault);
    if (result != kLaunchSucceeded) {
        ShowPlainMessage(
            QCoreApplication::translate("WebPages", "Error on launching URL: %1").arg(result));
    }
}

}  // namespace mindrova
