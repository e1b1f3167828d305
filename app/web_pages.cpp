#include "app/web_pages.h"

#include "support/modal_seam.h"
#include "app/shell_execute.h"

namespace mindrova {

void OpenWebPage(QWidget* owner, const QString& address, bool noSourceTag) {
    const QString target = noSourceTag ? address : address + QLatin1String(kSourceTag);
    CShellExecute shell;
    const qint32 result = shell.LaunchURL(owner, target, kShowDefault);
    if (result != kLaunchSucceeded) {
        ShowPlainMessage(QStringLiteral("Error on launching URL: ") + QString::number(result));
    }
}

}  // namespace mindrova
