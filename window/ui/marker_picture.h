#pragma once
// A picture panel (an SVG drawn at its size) with small filled circles over it: the tapping-point
// markers. Showing or hiding a marker repaints only that marker's rectangle.

#include <QColor>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <vector>

#include "window/twips.h"

namespace mindrova {

// Markers are red in the negative rounds and green otherwise; the thymus marker has a lighter rim.
inline const QColor kMarkerRed{255, 0, 0};
inline const QColor kMarkerGreen{0, 255, 0};
inline const QColor kThymusBorder{128, 255, 128};

class MarkerPicture : public QWidget {
    Q_OBJECT
public:
    struct Marker {
        int index;  // the marker's number in the window's marker array
        int left;   // twips in the picture's own coordinates
        int top;
        QColor fill;
        QColor border;
        bool visible = false;
    };

    MarkerPicture(const QString& svgResource, QWidget* parent = nullptr);

    void setScale(const TwipScale& scale);
    void addMarker(const Marker& marker);
    bool hasMarker(int index) const;
    void setMarkerVisible(int index, bool visible);
    bool markerVisible(int index) const;
    void setMarkerColours(int index, const QColor& fill, const QColor& border);
    QColor markerFill(int index) const;
    // The marker's rectangle in widget pixels; empty for an unknown index.
    QRect markerRect(int index) const;
    // On a dark panel the picture is drawn on a light card with rounded corners, so that its
    // lines and skin tones keep the contrast they were drawn for.
    void setOnCard(bool onCard);
    bool onCard() const { return mOnCard; }
    static QColor cardColour() { return QColor(250, 250, 250); }
    // Whether the drawing has been read: only once the picture is first painted, so that a
    // window whose opening step shows no picture never parses one.
    bool pictureLoaded() const { return mLoaded; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Marker* find(int index);
    const Marker* find(int index) const;

    QString mSvgResource;
    QSvgRenderer mRenderer;  // empty until the first paint reads mSvgResource
    bool mLoaded = false;
    QPixmap mCache;  // the picture at the current size and pixel ratio
    TwipScale mScale;
    std::vector<Marker> mMarkers;
    bool mOnCard = false;
};

}  // namespace mindrova
