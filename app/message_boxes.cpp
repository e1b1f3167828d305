#include "app/message_boxes.h"

#include <QDialog>
#include <QMessageBox>

#include "support/modal_seam.h"

namespace mindrova {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer ShowBox(const MessageRequest& request) {
    QMessageBox box(BoxIcon(request.icon), request.title, request.text);
    // Messages carry file names, settings and engine messages: never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultAnswer == MessageAnswer::No ? QMessageBox::No
                                                                        : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

int RunDialog(QObject& dialog) {
    auto* d = qobject_cast<QDialog*>(&dialog);
    return d ? d->exec() : 0;
}

}  // namespace

void InstallModalHandlers() {
    SetModalHandlers({ShowBox, RunDialog});
}

}  // namespace mindrova
