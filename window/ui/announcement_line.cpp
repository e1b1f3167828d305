#include "window/ui/announcement_line.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace mindrova {

namespace {

QAccessibleInterface* NotificationFactory(const QString& /*className*/, QObject* object) {
    if (auto* line = qobject_cast<AnnouncementLine*>(object)) {
        return new QAccessibleWidget(line, QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

AnnouncementLine::AnnouncementLine(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(NotificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcementLine"));
    // Never drawn and never in the way: no size, no focus, never shown on the screen; only its
    // accessible events are sent.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void AnnouncementLine::Say(const QString& line) {
    setAccessibleName(line);
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}

}  // namespace mindrova
