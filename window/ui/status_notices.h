#pragma once
// The calm notices in the status bar, left of the lower Pause button: a part of the program that
// cannot do its work (spoken guidance, the journal) says so here, and the session goes on. Each
// part has a label of its own; only the latest notice is shown, and when it is taken back the one
// before it shows again, so two notices never lie over each other.

#include <QList>
#include <QObject>
#include <QString>

class QEvent;
class QLabel;
class QWidget;

namespace mindrova {

// A tooltip that shows text exactly as it is: Qt reads any tooltip that looks like markup as
// markup, and an engine's message or a hand-edited setting can look like anything.
QString LiteralToolTip(const QString& text);

class StatusNotices : public QObject {
    Q_OBJECT
public:
    explicit StatusNotices(QWidget& statusBar);

    // A label of the status bar for one part's notices, hidden until Show.
    QLabel* AddNotice(const QString& objectName, const QString& accessibleName);
    // Shows the text as plain text (it may carry file names and engine messages) and tells
    // screen readers of it.
    void Show(QLabel* notice, const QString& text);
    void Hide(QLabel* notice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(QLabel* notice);

    QWidget& mStatusBar;
    QList<QLabel*> mShown;  // oldest first; only the last is visible
};

}  // namespace mindrova
