#include "window/ui/marker_picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "session/point_markers.h"

namespace mindrova {

MarkerPicture::MarkerPicture(const QString& svgResource, QWidget* parent)
    : QWidget(parent), mSvgResource(svgResource) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void MarkerPicture::setScale(const TwipScale& scale) {
    mScale = scale;
    update();
}

void MarkerPicture::addMarker(const Marker& marker) {
    mMarkers.push_back(marker);
}

MarkerPicture::Marker* MarkerPicture::find(int index) {
    for (Marker& m : mMarkers) {
        if (m.index == index) return &m;
    }
    return nullptr;
}

const MarkerPicture::Marker* MarkerPicture::find(int index) const {
    return const_cast<MarkerPicture*>(this)->find(index);
}

bool MarkerPicture::hasMarker(int index) const {
    return find(index) != nullptr;
}

QRect MarkerPicture::markerRect(int index) const {
    const Marker* m = find(index);
    if (m == nullptr) return {};
    return mScale.rect(
        {double(m->left), double(m->top), double(MARKER_SIZE_TWIPS), double(MARKER_SIZE_TWIPS)});
}

void MarkerPicture::setMarkerVisible(int index, bool visible) {
    Marker* m = find(index);
    if (m == nullptr || m->visible == visible) return;
    m->visible = visible;
    update(markerRect(index));
}

bool MarkerPicture::markerVisible(int index) const {
    const Marker* m = find(index);
    return m != nullptr && m->visible;
}

void MarkerPicture::setMarkerColours(int index, const QColor& fill, const QColor& border) {
    Marker* m = find(index);
    if (m == nullptr || (m->fill == fill && m->border == border)) return;
    m->fill = fill;
    m->border = border;
    if (m->visible) update(markerRect(index));
}

QColor MarkerPicture::markerFill(int index) const {
    const Marker* m = find(index);
    return m ? m->fill : QColor();
}

void MarkerPicture::setOnCard(bool onCard) {
    if (onCard == mOnCard) return;
    mOnCard = onCard;
    mCache = QPixmap();
    update();
}

void MarkerPicture::resizeEvent(QResizeEvent* event) {
    mCache = QPixmap();
    QWidget::resizeEvent(event);
}

void MarkerPicture::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (mCache.isNull() || mCache.devicePixelRatio() != ratio) {
        mCache = QPixmap(size() * ratio);
        mCache.setDevicePixelRatio(ratio);
        mCache.fill(mOnCard ? QColor(Qt::transparent) : QColor(Qt::white));
        QPainter cachePainter(&mCache);
        cachePainter.setRenderHint(QPainter::Antialiasing);
        if (mOnCard) {
            const qreal radius = std::min(width(), height()) * 0.06;
            cachePainter.setPen(Qt::NoPen);
            cachePainter.setBrush(cardColour());
            cachePainter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size())), radius, radius);
        }
        if (!mLoaded) {
            mLoaded = true;
            mRenderer.load(mSvgResource);
        }
        mRenderer.render(&cachePainter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    QPainter painter(this);
    painter.drawPixmap(
        event->rect(), mCache,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Marker& m : mMarkers) {
        if (!m.visible) continue;
        const QRect r = markerRect(m.index);
        if (!r.intersects(event->rect())) continue;
        painter.setPen(QPen(m.border, 1));
        painter.setBrush(m.fill);
        painter.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

}  // namespace mindrova
