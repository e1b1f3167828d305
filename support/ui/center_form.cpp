#include "support/ui/center_form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "support/ui/usable_area.h"

namespace mindrova {

void CenterForm(QWidget& window) {
    QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = UsableGeometry(*screen);
    const QSize size = window.frameGeometry().size();
    const int left = area.left() + std::max(0, (area.width() - size.width()) / 2);
    const int top = area.top() + std::max(0, (area.height() - size.height()) / 2);
    window.move(left, top);
}

}  // namespace mindrova
