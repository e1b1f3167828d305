#include "app/dialog_size.h"

#include <QScreen>
#include <QWidget>

namespace mindrova {

void FitOpeningSize(QWidget* dialog, int widthInCharacters) {
    QSize size = dialog->sizeHint().expandedTo(
        QSize(widthInCharacters * dialog->fontMetrics().averageCharWidth(), 0));
    // The screen less a window frame and title.
    if (const QScreen* screen = dialog->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    }
    dialog->resize(size.expandedTo(dialog->minimumSizeHint()));
}

}  // namespace mindrova
