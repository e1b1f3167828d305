#pragma once
// Twips (1/1440 inch) to device-independent pixels from the screen's logical DPI: 15 twips a
// pixel at 96 dpi.

#include <QRect>
#include <cmath>

#include "window/window_layout.h"

namespace mindrova {

class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0) : mPixelsPerTwip(logicalDpi / 1440.0) {}
    int px(double twips) const { return static_cast<int>(std::lround(twips * mPixelsPerTwip)); }
    double twips(double pixels) const { return pixels / mPixelsPerTwip; }
    double logicalDpi() const { return mPixelsPerTwip * 1440.0; }
    QRect rect(const TwipRect& r) const {
        // Edges are rounded, not sizes, so that neighbours meet without gaps.
        const int left = px(r.left);
        const int top = px(r.top);
        return QRect(left, top, px(r.right()) - left, px(r.bottom()) - top);
    }
    // A rectangle of pixels (a window's frame, a screen's area) in twips, unrounded.
    TwipRect twips(const QRect& r) const {
        return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())};
    }

private:
    double mPixelsPerTwip;
};

}  // namespace mindrova
