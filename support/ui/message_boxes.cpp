#include "support/ui/message_boxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include "support/ui/dialog_size.h"
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
    QMessageBox box;
    PrepareMessageBox(box, request);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (request.buttons) {
        case MessageButtons::YesNo:
            return clicked == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
        case MessageButtons::DeleteCancel:
            return clicked != nullptr && box.buttonRole(clicked) == QMessageBox::DestructiveRole
                       ? MessageAnswer::Delete
                       : MessageAnswer::Cancel;
        case MessageButtons::OverwriteKeepBothCancel:
            if (clicked == nullptr) return MessageAnswer::Cancel;
            if (box.buttonRole(clicked) == QMessageBox::DestructiveRole) {
                return MessageAnswer::Overwrite;
            }
            return box.buttonRole(clicked) == QMessageBox::AcceptRole ? MessageAnswer::KeepBoth
                                                                      : MessageAnswer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

int RunDialog(QObject& dialog) {
    auto* d = qobject_cast<QDialog*>(&dialog);
    if (d == nullptr) return 0;
    // Every dialog opens within the screen, also where the platform hides the panels.
    FitIntoRoom(d);
    return d->exec();
}

}  // namespace

void PrepareMessageBox(QMessageBox& box, const MessageRequest& request) {
    box.setIcon(BoxIcon(request.icon));
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    switch (request.buttons) {
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(request.defaultAnswer == MessageAnswer::No ? QMessageBox::No
                                                                            : QMessageBox::Yes);
            return;
        case MessageButtons::DeleteCancel: {
            QPushButton* remove =
                box.addButton(QCoreApplication::translate("MessageBoxes", "&Delete"),
                              QMessageBox::DestructiveRole);
            QPushButton* cancel = box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(request.defaultAnswer == MessageAnswer::Delete ? remove : cancel);
            box.setEscapeButton(cancel);
            return;
        }
        case MessageButtons::OverwriteKeepBothCancel: {
            QPushButton* overwrite =
                box.addButton(QCoreApplication::translate("MessageBoxes", "&Overwrite"),
                              QMessageBox::DestructiveRole);
            QPushButton* both = box.addButton(
                QCoreApplication::translate("MessageBoxes", "&Keep both"), QMessageBox::AcceptRole);
            QPushButton* cancel = box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(request.defaultAnswer == MessageAnswer::Overwrite ? overwrite
                                 : request.defaultAnswer == MessageAnswer::Cancel  ? cancel
                                                                                   : both);
            box.setEscapeButton(cancel);
            return;
        }
        case MessageButtons::Ok:
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
}

void InstallModalHandlers() {
    SetModalHandlers({ShowBox, RunDialog});
}

}  // namespace mindrova
