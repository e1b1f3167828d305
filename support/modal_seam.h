#pragma once
// Every message box and modal dialog of the program goes through here, so that tests can answer
// them without a blocking event loop.

#include <QObject>
#include <QString>
#include <functional>

namespace mindrova {

enum class MessageIcon { None, Information, Question, Warning, Critical };
// DeleteCancel asks before something is deleted: a "Delete" button and "Cancel".
// OverwriteKeepBothCancel asks before a file changed by someone else is replaced: "Overwrite",
// "Keep both" and "Cancel".
enum class MessageButtons { Ok, YesNo, DeleteCancel, OverwriteKeepBothCancel };
enum class MessageAnswer { Ok, Yes, No, Delete, Cancel, Overwrite, KeepBoth };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

struct ModalHandlers {
    std::function<MessageAnswer(const MessageRequest&)> message;
    // Runs a modal dialog (a QDialog, passed as QObject so this layer needs only Qt Core) and
    // returns its result code.
    std::function<int(QObject& dialog)> dialog;
};

// Returns the handlers it replaced. Without handlers, messages go to standard error and take
// their default answer, and dialogs are not shown (result 0).
ModalHandlers SetModalHandlers(ModalHandlers handlers);

MessageAnswer ShowMessage(const MessageRequest& request);
int RunModalDialog(QObject& dialog);

// A plain box with the program's title and an OK button.
void ShowPlainMessage(const QString& text);

}  // namespace mindrova
