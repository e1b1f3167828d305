#pragma once
// A line the screen reader reads out wherever the focus is: an invisible notification that is
// said to appear each time it carries a new line. Screen readers of today read a notification as
// it appears, while a description change on the focused control reaches them without its text
// through the accessibility bridges of Qt before 6.8.

#include <QWidget>

namespace mindrova {

class AnnouncementLine : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncementLine(QWidget* parent);
    // The line becomes the notification's name, and the notification is said to appear.
    void Say(const QString& line);
};

}  // namespace mindrova
