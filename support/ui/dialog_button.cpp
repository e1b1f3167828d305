#include "support/ui/dialog_button.h"

#include <QPushButton>

#include "support/ui/window_fonts.h"

namespace mindrova {

QPushButton* DialogButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(UiFont(9));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

}  // namespace mindrova
