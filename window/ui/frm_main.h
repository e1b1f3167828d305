#pragma once
// The session window: toolbar, the two panels with the step's texts and pictures, the status
// bar. It shows what the session controller tells it through SessionView.

#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "session/key_rules.h"
#include "session/point_markers.h"
#include "session/session_controller.h"
#include "window/twips.h"
#include "window/ui/frm_main_controls.h"
#include "window/ui/window_geometry.h"
#include "window/ui/window_services.h"
#include "window/window_fit.h"
#include "window/window_layout.h"
#include "window/window_position.h"

class QLineEdit;

namespace mindrova {

class StatusNotices;
class WindowAnnouncer;
class ProgressPanel;
class ContentScroll;
struct ProgressPlaces;

class frmMain : public QWidget, public SessionView, private frmMainControls {
    Q_OBJECT
public:
    // services: what the application around the window offers it; empty ones do nothing.
    explicit frmMain(SessionWindowServices services = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    SessionController& controller() { return mController; }
    const WindowLayout& layoutTwips() const { return mLayout; }
    const TwipScale& scale() const { return mScale; }
    QTimer& stepTimer() { return tmrSteps; }
    // The calm notices in the status bar, for the parts of the program that follow the session.
    StatusNotices& notices() { return *mNotices; }
    // The marker's visibility and colour wherever it is painted (indexes 1..16; 0 is thymus).
    bool markerShown(int index) const;
    QColor markerColour(int index) const;
    // Turns every twip length into pixels again for a screen of this logical DPI.
    void SetLogicalDpi(double dpi);
    // Larger text, 100..200 %: the window is laid out again at once. Anything else reads as 100.
    void SetTextScalePercent(int percent);
    int TextScalePercent() const { return mTextScalePercent; }
    // Takes the application's current look: the bars, the panels, the pictures and markers.
    void ApplyLook();
    // The program ends with this window: its parts let go of what still sounds at once instead
    // of bringing it to rest, and the end of the process takes it. Returns whether an engine was
    // left running.
    bool Abandon();

    // For the features' parts of the window (window_part.h): the menu and the place before which
    // their items go, the step's instructions and their scroll area, the point's name, and
    // laying the window out again.
    QMenu& menu() { return *mnuPopUp; }
    QAction* partItemsEnd() const { return mnuPopUpSep; }
    QLabel& instructionsLabel() { return *lblLeftFrame; }
    QScrollArea& instructionsArea() { return *scrLeftFrame; }
    QLabel& pointNameLabel() { return *lblCurrentPoint; }
    void LayOutAgain();
    // The issue list's frame, its options (1..12) and the own-words field under it, which exist
    // from the first time Select Issue shows.
    QWidget& issueFrame() { return *fraMode; }
    QRadioButton& issueOption(int optionIndex) { return *radMode.at(optionIndex); }
    QLabel* ownWordsCaption() const;
    QLineEdit* ownWords() const;
    // What a click on an issue option does.
    void ChooseIssue(int optionIndex);
    // The font of the issue list's rows for this designed size in points, with the list's share
    // of larger text.
    QFont IssueListFont(double points) const;
    // A part's row in the issue frame: placed at its designed place in twips, closed up with the
    // list and grown with its text; the controls named take the look's rim.
    void AddIssueListRow(QWidget& row, const TwipRect& designPlace, const QList<QWidget*>& rimmed);

signals:
    // The window has closed, whichever way (Alt+X, Exit, the close box), and saved its
    // position; it is deleted when the event loop next runs.
    void closed();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Turns the content where the window is smaller than its designed smallest size.
    void wheelEvent(QWheelEvent* event) override;

private:
    // SessionView
    void SetStepTimerEnabled(bool enabled) override;
    bool StepTimerEnabled() const override { return tmrSteps.isActive(); }
    void SetControlVisible(SessionControl control, bool visible) override;
    void SetControlEnabled(SessionControl control, bool enabled) override;
    void SelectSUDOption(int index) override;
    void SelectIssueOption(int optionIndex) override;
    void DisplayStep(Step step) override;
    void UpdateTimeElapsed(qint32 seconds) override;
    void ShowMarker(qint32 index, bool shown) override;
    void PaintDotsGreenOrRed(bool green) override;
    void CloseWindow() override;

    MarkerPicture* markerPicture(int index) const;
    void ArrangeControls();
    void AdvanceOnClick();
    // Returns true when the key was consumed.
    bool Form_KeyDown(const QKeyEvent& event);
    // A click on the menu button: the menu opens above it.
    void OpenPopupMenuAboveButton();
    // The Menu key and Shift+F10: the menu opens above its button with the first item chosen.
    void OpenPopupMenuFromKeyboard();
    void mnuPopUpAbout_Click();

    void BuildControls();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildPanels();
    void BuildIssueFrame();
    void BuildSUDFrame();
    void Form_Load();
    void SetFormCaption();
    void SetColors();
    void ApplyControlRims();
    void SetModesCaptions();
    void HideAllDots();
    void ShowStepTexts(Step step);
    QString GetSegmentTitle(Step step);
    QString GetStepInstructions(Step step);
    void ApplyLayout();
    // The opening outer size, shrunk to fit and centred where the screen's free area is smaller.
    void ApplyOpeningSize();
    // A normal window that its screen no longer holds is shrunk and moved onto it.
    void FitToChangedScreen();
    // The designed smallest size, lowered where the screen has less room for the window.
    void ApplyMinimumSize();
    // The client area the screen has room for, less the window's frame: its available area
    // where the window places itself, its usable area where the platform places it.
    QSize RoomForClient() const;
    // The issue list closes up its gaps where the panel is lower than the list.
    void CloseUpIssueList();
    void FitIntroText();
    void FitLargerIntroText();
    void FitLargerLines();
    void FitAfterRestore();
    QAbstractButton* ControlButton(SessionControl control) const;
    void SyncBottomPause();
    void StopTimer() { tmrSteps.stop(); }
    void BuildPopupMenu();
    void MoveFocusAfterKey(KeyCommand command);
    void Form_QueryUnload();
    void Form_Unload();
    void RecordDesignPlaces();
    // Where a control of the option frames goes with its frame's share of larger text.
    TwipRect ScaledDesignPlace(const QWidget* widget, const TwipRect& place) const;
    void ApplyTextScales(const TextScales& scales);
    // Ctrl+Plus, Ctrl+Minus, Ctrl+0: the new share is saved.
    void StepTextScale(KeyCommand command);
    void FollowScreenDpi();
    // The own words, the rating lines and the gentle words where the layout has room for them.
    ProgressPlaces ProgressPlacesNow() const;
    void PlaceProgress();
    void BuildSessionOptionsMenuItem();
    void ShowSessionOptionsDialog();
    void MakeParts();
    // The first part that takes a key the window leaves to them.
    void GiveKeyToParts(KeyCommand command);
    bool PartSpeaksSteps() const;

    SessionWindowServices mServices;
    SessionController mController{*this};
    // Declared after the controller, so that they leave the controller's listeners first.
    std::vector<std::unique_ptr<WindowPart>> mParts;
    std::unique_ptr<WindowAnnouncer> mAnnouncer;
    std::unique_ptr<ProgressPanel> mProgress;
    QTimer tmrSteps;
    TwipScale mScale;
    WindowGeometry mGeometry{*this, mScale};
    WindowLayout mLayout;
    int mTextScalePercent = 100;
    bool mGreenDots = false;       // the markers' colour as PaintDotsGreenOrRed last set it
    bool mResumedByCtrl = false;   // Ctrl resumed the session and is still held
    double mIntroTextShare = 1;    // how far the intro's font has grown with larger text
    double mPointTextShare = 1;    // and the point's name
    double mFirstRatingShare = 1;  // and the first rating
    TextScales mTextScales;        // as the fonts and the option frames have them now
    bool mOpeningSizePending = true;
    bool mWatchFrame = false;
    bool mFitAfterRestore = false;
    bool mStartActivationPending = true;
    bool mDoubleClickPending = false;  // between a double-click and the next press
    QSet<QObject*> mClickTargets;
    std::vector<std::pair<QPointer<QWidget>, TwipRect>> mDesignPlaces;
    QPointer<QScreen> mWatchedScreen;
    QMetaObject::Connection mDpiConnection;
    QMetaObject::Connection mAreaConnection;
    QList<QPointer<QWidget>> mIssueListRows;   // the parts' rows, grown with the list's text
    QList<QPointer<QWidget>> mRimmedControls;  // the parts' controls that take the look's rim
    QAction* mnuPopUpSessionOptions = nullptr;
    StatusNotices* mNotices = nullptr;  // a child of the status bar
    QSize mDesignedMinimum;             // the client size at which every control has room
    // The content scrolls in a window smaller than its designed smallest size.
    std::unique_ptr<ContentScroll> mContentScroll;
};

}  // namespace mindrova
