#include "support/ui/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace mindrova {
namespace {

QString Family() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* candidate : {"Segoe UI", "Open Sans"}) {
            if (installed.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
        }
        return QFont().family();
    }();
    return family;
}

}  // namespace

QFont UiFont(double pointSize, bool bold) {
    QFont font(Family());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace mindrova
