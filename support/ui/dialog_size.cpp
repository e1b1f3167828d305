#include "support/ui/dialog_size.h"

#include <QWidget>

#include "support/ui/usable_area.h"

namespace mindrova {
namespace {

// A window frame and title bar, on X11 and where Qt draws them itself (Wayland).
const QSize kFrame(16, 48);

}  // namespace

QSize DialogRoom(const QWidget* dialog) {
    const QRect usable = UsableGeometryFor(dialog);
    if (usable.isEmpty()) return {};
    return (usable.size() - kFrame).expandedTo(QSize(1, 1));
}

void FitOpeningSize(QWidget* dialog, int widthInCharacters) {
    QSize size = dialog->sizeHint().expandedTo(
        QSize(widthInCharacters * dialog->fontMetrics().averageCharWidth(), 0));
    const QSize room = DialogRoom(dialog);
    if (room.isValid()) size = size.boundedTo(room);
    dialog->resize(size.expandedTo(dialog->minimumSizeHint()));
}

void FitIntoRoom(QWidget* dialog) {
    if (dialog == nullptr) return;
    // The size Qt would give it on showing, unless the dialog has chosen its own.
    if (!dialog->testAttribute(Qt::WA_Resized)) dialog->adjustSize();
    const QSize room = DialogRoom(dialog);
    if (!room.isValid()) return;
    const QSize size = dialog->size();
    const QSize fitted = size.boundedTo(room).expandedTo(dialog->minimumSize());
    if (fitted != size) dialog->resize(fitted);
}

}  // namespace mindrova
