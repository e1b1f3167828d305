#include "window/ui/window_look.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "window/ui/marker_picture.h"

namespace mindrova {
namespace {

Look gLook = Look::Light;
// The platform's own palette, kept from before the first look other than light was applied.
bool gPlatformKept = false;
QPalette gPlatform;

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.red()) + 0.7152 * Channel(rgb.green()) +
           0.0722 * Channel(rgb.blue());
}

struct Roles {
    QColor window, windowText, base, alternateBase, text, button, buttonText, highlight,
        highlightedText, link, placeholder, disabledText, light, mid, dark, toolTipBase,
        toolTipText;
};

QPalette Build(const Roles& r) {
    QPalette p;
    const auto all = [&p](QPalette::ColorRole role, const QColor& colour) {
        p.setColor(QPalette::All, role, colour);
    };
    all(QPalette::Window, r.window);
    all(QPalette::WindowText, r.windowText);
    all(QPalette::Base, r.base);
    all(QPalette::AlternateBase, r.alternateBase);
    all(QPalette::Text, r.text);
    all(QPalette::Button, r.button);
    all(QPalette::ButtonText, r.buttonText);
    all(QPalette::BrightText, r.windowText);
    all(QPalette::Highlight, r.highlight);
    all(QPalette::HighlightedText, r.highlightedText);
    all(QPalette::Link, r.link);
    all(QPalette::LinkVisited, r.link);
    all(QPalette::PlaceholderText, r.placeholder);
    all(QPalette::ToolTipBase, r.toolTipBase);
    all(QPalette::ToolTipText, r.toolTipText);
    all(QPalette::Light, r.light);
    all(QPalette::Midlight, r.light);
    all(QPalette::Mid, r.mid);
    all(QPalette::Dark, r.dark);
    all(QPalette::Shadow, r.dark);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, r.disabledText);
    }
    return p;
}

// The style draws the rim of a check box and of an option button a shade darker than the window
// colour of what it paints on: on a dark window, or a black one, the rim does not show, and an
// unticked box in a menu or a dialog does not read as one at all. In the dark looks the rim is
// drawn from the look's light rim colour instead; everything else is the style's own.
class LookStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const QColor rim = ColoursFor(gLook).controlRim;
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (rim.isValid() && button != nullptr &&
            (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton)) {
            QStyleOptionButton lit(*button);
            lit.palette.setColor(QPalette::Window, rim);
            QProxyStyle::drawPrimitive(element, &lit, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

QPointer<QStyle> gLookStyle;

// The look's style goes round the application's own once a look other than light is applied.
void InstallLookStyle() {
    if (gLookStyle != nullptr && QApplication::style() == gLookStyle) return;
    QStyle* own = QStyleFactory::create(QApplication::style()->name());
    if (own == nullptr) return;
    gLookStyle = new LookStyle(own);
    QApplication::setStyle(gLookStyle);
}

}  // namespace

QIcon LookIcon(const QString& resource, Look look) {
    QIcon drawn(resource);
    if (look == Look::Light) return drawn;
    const QColor ink = PaletteFor(look, QPalette()).color(QPalette::ButtonText);
    QIcon tinted;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap = drawn.pixmap(size, size);
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), ink);
        painter.end();
        tinted.addPixmap(pixmap);
    }
    return tinted;
}

LookColours ColoursFor(Look look) {
    switch (look) {
        case Look::Dark:
            return {
                QColor(40, 42, 46), QColor(84, 88, 94), QColor(28, 29, 32), true,
                QColor(176, 0, 0),  QColor(0, 150, 60), QColor(0, 90, 36),  QColor(210, 210, 210)};
        case Look::HighContrast:
            return {Qt::black,         Qt::white,          Qt::black,         true,
                    QColor(176, 0, 0), QColor(0, 150, 60), QColor(0, 90, 36), Qt::white};
        case Look::Light:
            break;
    }
    return {QColor(252, 252, 252), QColor(240, 240, 240), Qt::white, false, kMarkerRed,
            kMarkerGreen,          kThymusBorder,         QColor()};
}

QPalette PaletteFor(Look look, const QPalette& platform) {
    switch (look) {
        case Look::Dark:
            return Build({QColor(36, 37, 40), QColor(236, 236, 236), QColor(28, 29, 32),
                          QColor(44, 46, 50), QColor(236, 236, 236), QColor(52, 54, 58),
                          QColor(236, 236, 236), QColor(120, 170, 250), Qt::black,
                          QColor(140, 185, 255), QColor(170, 170, 170), QColor(150, 150, 150),
                          QColor(90, 92, 96), QColor(70, 72, 76), QColor(16, 16, 18),
                          QColor(52, 54, 58), QColor(236, 236, 236)});
        case Look::HighContrast:
            return Build({Qt::black, Qt::white, Qt::black, QColor(24, 24, 24), Qt::white, Qt::black,
                          Qt::white, QColor(255, 255, 0), Qt::black, QColor(255, 255, 0),
                          QColor(210, 210, 210), QColor(200, 200, 200), Qt::white, Qt::white,
                          Qt::white, Qt::black, Qt::white});
        case Look::Light:
            break;
    }
    return platform;
}

void ApplyApplicationLook(Look look) {
    gLook = look;
    if (!gPlatformKept) {
        // A program that never leaves the light look keeps the platform's palette untouched.
        if (look == Look::Light) return;
        gPlatform = QApplication::palette();
        gPlatformKept = true;
    }
    InstallLookStyle();
    QApplication::setPalette(PaletteFor(look, gPlatform));
    // Qt tells a new palette to top-level widgets through their native windows; one that has none
    // yet (a window being built, a dialog never shown) is told here.
    QEvent change(QEvent::ApplicationPaletteChange);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == nullptr) QCoreApplication::sendEvent(widget, &change);
    }
}

Look CurrentLook() {
    return gLook;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace mindrova
