#pragma once
// "Follow the round": on a tapping point the line said there stands out in the instructions
// (bold, in the round's colour, the other lines dimmed but readable), the instructions scroll to
// keep it in view, and a line under the point's name tells the point's place and the round.
// Off, the window shows exactly what it always did. The choice is [Display] FollowRound.

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

#include "window/ui/window_look.h"

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace mindrova {

class SessionController;

inline constexpr const char* FOLLOW_ROUND_ITEM =
    QT_TRANSLATE_NOOP("mindrova::RoundFollow", "Follow the round");

// The least contrast the dimmed lines and the said line keep against the text's background: a
// high-contrast look asks for more than the others.
double FollowContrastFor(Look look);
// The wanted colour made darker (on a light background) or lighter (on a dark one) until it
// reads at `least`:1; unchanged where it already does.
QColor ReadableOn(const QColor& wanted, const QColor& background, double least);
// The text colour moved toward the background as far as it still reads at `least`:1.
QColor DimmedOn(const QColor& text, const QColor& background, double least);

class RoundFollow : public QObject {
    Q_OBJECT
public:
    // Adds the checkable menu item before `before` and takes the saved choice. The position
    // line is made as a sibling of the point's name.
    // layOut lays the window out again: the picture makes room under the point's name.
    RoundFollow(SessionController& controller, QMenu& menu, QAction* before, QLabel& instructions,
                QScrollArea& area, QLabel& pointName, std::function<void()> layOut);

    bool Enabled() const { return mEnabled; }
    // The menu item: the choice is saved and shown at once.
    void Toggle();
    // A choice made elsewhere (the Appearance dialog), already saved: shown at once.
    void SetEnabled(bool on);
    // The step's texts have just been put on the window: `instructions` is the plain text the
    // instructions label was given, where the step's text went there (not on the intro's label).
    void StepShown(const QString& instructions, bool onInstructions);
    // The window was laid out again or took another look: the position line is placed under the
    // point's name again, and the said line recoloured and kept in view.
    void Relayout();

private:
    void Show();
    void ShowPlain();
    void PlacePositionLine();
    void KeepInView(int block);

    SessionController& mController;
    QLabel& mInstructions;
    QScrollArea& mArea;
    QLabel& mPointName;
    std::function<void()> mLayOut;
    QLabel* lblRoundPosition = nullptr;
    QAction* mnuPopUpFollowRound = nullptr;
    bool mEnabled = false;
    QString mPlainText;  // the instructions as the window put them, before any line stood out
};

}  // namespace mindrova
