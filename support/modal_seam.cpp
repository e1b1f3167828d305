#include "support/modal_seam.h"

#include <QTextStream>

#include "support/program_version.h"

namespace mindrova {
namespace {

ModalHandlers& Handlers() {
    static ModalHandlers handlers;
    return handlers;
}

}  // namespace

ModalHandlers SetModalHandlers(ModalHandlers handlers) {
    ModalHandlers previous = std::move(Handlers());
    Handlers() = std::move(handlers);
    return previous;
}

MessageAnswer ShowMessage(const MessageRequest& request) {
    const auto handler = Handlers().message;
    if (handler) return handler(request);
    QTextStream(stderr) << request.title << ": " << request.text << "\n";
    return request.defaultAnswer;
}

int RunModalDialog(QObject& dialog) {
    const auto handler = Handlers().dialog;
    return handler ? handler(dialog) : 0;
}

void ShowPlainMessage(const QString& text) {
    ShowMessage({QString::fromLatin1(kProgramTitle), text, MessageIcon::None, MessageButtons::Ok,
                 MessageAnswer::Ok});
}

}  // namespace mindrova
