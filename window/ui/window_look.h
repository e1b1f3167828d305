#pragma once
// The window's looks: the light one it was drawn with, a dark one and a high-contrast one, and
// the colours each gives the parts that paint with their own (the bars, the divider, the white
// panels, the markers). The chosen look is applied to the whole application, so that every
// window and dialog opened later takes it too.

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>

namespace mindrova {

enum class Look { Light, Dark, HighContrast };

struct LookColours {
    QColor bars;     // toolbar and status bar
    QColor divider;  // between the panels
    QColor panel;    // the panels and the captions on them
    // The pictures are drawn on a light card in the dark looks; their markers keep at least 3:1
    // against it, and the red and the green differ in lightness as well as in hue.
    bool pictureCard = false;
    QColor markerRed;
    QColor markerGreen;
    QColor thymusBorder;
    // The style draws the rim of an option button and of a text field a shade darker than their
    // window colour; on a dark panel they are given this light one so that the rim shows. None in
    // the light look.
    QColor controlRim;
    bool operator==(const LookColours&) const = default;
};
LookColours ColoursFor(Look look);

// A one-colour icon drawn in the look's text colour, so that it shows on the dark bars; the
// light look keeps the icon as drawn.
QIcon LookIcon(const QString& resource, Look look);

// The application's palette for a look; the light look is the platform's own palette.
QPalette PaletteFor(Look look, const QPalette& platform);

// Sets the look for the whole application (its palette) and remembers it for windows made
// later. Applying the light look where nothing else was ever applied changes nothing at all.
void ApplyApplicationLook(Look look);
Look CurrentLook();

// The contrast ratio of two colours as accessibility guidelines define it, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace mindrova
