#include "window/ui/status_notices.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace mindrova {

QString LiteralToolTip(const QString& text) {
    return QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped());
}

StatusNotices::StatusNotices(QWidget& statusBar) : QObject(&statusBar), mStatusBar(statusBar) {
    statusBar.installEventFilter(this);
}

QLabel* StatusNotices::AddNotice(const QString& objectName, const QString& accessibleName) {
    auto* notice = new QLabel(&mStatusBar);
    notice->setObjectName(objectName);
    notice->setAccessibleName(accessibleName);
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->hide();
    return notice;
}

void StatusNotices::Show(QLabel* notice, const QString& text) {
    mShown.removeAll(notice);
    for (QLabel* other : std::as_const(mShown)) other->hide();
    mShown << notice;
    notice->setText(text);
    notice->setToolTip(LiteralToolTip(text));
    notice->setAccessibleDescription(text);
    Place(notice);
    notice->show();
    QAccessibleEvent changed(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusNotices::Hide(QLabel* notice) {
    notice->hide();
    notice->clear();
    const bool wasShown = !mShown.isEmpty() && mShown.last() == notice;
    mShown.removeAll(notice);
    if (!wasShown || mShown.isEmpty()) return;
    Place(mShown.last());
    mShown.last()->show();
}

// Left of the lower Pause button, which stands in the middle of the window above the bar.
void StatusNotices::Place(QLabel* notice) {
    const int margin = 8;
    const int width = std::max(0, mStatusBar.width() / 2 - mStatusBar.height() - margin);
    notice->setGeometry(margin, 0, width, mStatusBar.height());
}

bool StatusNotices::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mStatusBar && event->type() == QEvent::Resize) {
        for (QLabel* notice : std::as_const(mShown)) Place(notice);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mindrova
