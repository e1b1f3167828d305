// The session window's keyboard, popup menu, the Session options item and the web button.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>

#include "session/session_options.h"
#include "support/error_trap.h"
#include "window/ui/frm_main.h"
#include "window/ui/frm_shortcuts.h"
#include "window/ui/window_announcer.h"
#include "window/ui/window_services.h"

namespace mindrova {

void frmMain::BuildPopupMenu() {
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPopUp->setAccessibleName(tr("Menu"));
    mnuPopUpShortcuts = mnuPopUp->addAction(tr("Keyboard Shortcuts"));
    mnuPopUpShortcuts->setObjectName(QStringLiteral("mnuPopUpShortcuts"));
    mnuPopUpAbout = mnuPopUp->addAction(tr("About"));
    mnuPopUpAbout->setObjectName(QStringLiteral("mnuPopUpAbout"));
    mnuPopUpSep = mnuPopUp->addSeparator();
    MakeParts();
    BuildSessionOptionsMenuItem();
    mAnnouncer =
        std::make_unique<WindowAnnouncer>(*this, mController, [this] { return PartSpeaksSteps(); });
    mnuPopUpSep->setObjectName(QStringLiteral("mnuPopUpSep"));
    mnuPopUpExit = mnuPopUp->addAction(tr("Exit"));
    mnuPopUpExit->setObjectName(QStringLiteral("mnuPopUpExit"));

    connect(mnuPopUpShortcuts, &QAction::triggered, this, [this] { KeyboardShortcuts(this); });
    connect(mnuPopUpAbout, &QAction::triggered, this, [this] { mnuPopUpAbout_Click(); });
    connect(mnuPopUpExit, &QAction::triggered, this, [this] { mController.Exit(); });
    // The menu opens without a nested event loop, so the session's ticks go on behind it.
    connect(cmdNav, &QToolButton::clicked, this, [this] { OpenPopupMenuAboveButton(); });
    connect(cmdWeb, &QPushButton::clicked, this, [this] {
        if (mServices.openFeedbackPage) mServices.openFeedbackPage(this);
    });
}

// The button sits at the right end of the status bar, at the window's bottom: opened downward,
// the menu would run off the screen (or over a panel), so it opens above the button, by a click
// or a key alike, its right edge on the button's so that it stays over the window. Qt keeps it on
// the screen where it knows where the window is; a Wayland client does not, and there the menu
// must not need moving.
void frmMain::OpenPopupMenuAboveButton() {
    const QSize menu = mnuPopUp->sizeHint();
    const QPoint corner = cmdNav->mapToGlobal(QPoint(0, 0));
    const int left =
        std::max(corner.x() + cmdNav->width() - menu.width(), mapToGlobal(QPoint(0, 0)).x());
    mnuPopUp->popup(QPoint(left, corner.y() - menu.height()));
}

void frmMain::OpenPopupMenuFromKeyboard() {
    OpenPopupMenuAboveButton();
    const QList<QAction*> items = mnuPopUp->actions();
    if (!items.isEmpty()) mnuPopUp->setActiveAction(items.first());
}

void frmMain::BuildSessionOptionsMenuItem() {
    mnuPopUpSessionOptions = new QAction(tr("Session options..."), mnuPopUp);
    mnuPopUpSessionOptions->setObjectName(QStringLiteral("mnuPopUpSessionOptions"));
    mnuPopUp->insertAction(mnuPopUpSep, mnuPopUpSessionOptions);
    connect(mnuPopUpSessionOptions, &QAction::triggered, this,
            [this] { ShowSessionOptionsDialog(); });
    mController.SetPace(LoadSessionOptions());
}

void frmMain::ShowSessionOptionsDialog() {
    Trap({"frmMain", "mnuPopUpSessionOptions_Click"}, [&] {
        const auto& show = mServices.showSessionOptionsDialog;
        if (!show) return;
        bool saved = false;
        {
            const StepTimerHold hold(mController);
            saved = show(this);
        }
        if (saved) mController.SetPace(LoadSessionOptions());
    });
}

void frmMain::mnuPopUpAbout_Click() {
    Trap({"frmMain", "mnuPopUpAbout_Click"}, [&] {
        const StepTimerHold hold(mController);
        if (mServices.showAbout) mServices.showAbout();
    });
}

bool frmMain::Form_KeyDown(const QKeyEvent& event) {
    const int key = event.key();
    // On an option button the arrows and Space choose among the options, as a keyboard user
    // expects; everywhere else they are the session's keys.
    QWidget* focus = QApplication::focusWidget();
    const bool onOption = qobject_cast<QRadioButton*>(focus) != nullptr && !mController.Paused();
    if (onOption && (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
                     key == Qt::Key_Down || key == Qt::Key_Space)) {
        return false;
    }
    const bool typing = focus != nullptr &&
                        (focus == ownWords() ||
                         std::any_of(mParts.begin(), mParts.end(),
                                     [focus](const auto& part) { return part->TypesIn(focus); }));
    // A part's button (beside the list of the user's own sessions) takes Space and Enter as a
    // button does; the session's keys go on working everywhere else.
    if (focus != nullptr &&
        std::any_of(mParts.begin(), mParts.end(),
                    [focus, key](const auto& part) { return part->KeepsKey(focus, key); })) {
        return false;
    }
    KeyDecision decision = DecideKeyDown(key, mController.PauseAvailable(), mController.Paused(),
                                         mController.State().genmCurrentStep, typing,
                                         event.modifiers().testFlag(Qt::ShiftModifier),
                                         event.modifiers().testFlag(Qt::ControlModifier));
    // Ctrl pressed while paused resumes; the Plus, Minus or 0 of the same chord is part of that
    // one key press and sizes nothing.
    const bool textSize = decision.command == KeyCommand::TextLarger ||
                          decision.command == KeyCommand::TextSmaller ||
                          decision.command == KeyCommand::TextDefault;
    if (textSize && mResumedByCtrl) decision = {true, KeyCommand::None};
    if (key == Qt::Key_Control) mResumedByCtrl = decision.command == KeyCommand::Resume;
    switch (decision.command) {
        case KeyCommand::Pause:
            mController.Pause();
            break;
        case KeyCommand::Resume:
            mController.Resume();
            break;
        case KeyCommand::Next:
            mController.Next();
            break;
        case KeyCommand::Previous:
            mController.Previous();
            break;
        case KeyCommand::ToggleSpeech:
            GiveKeyToParts(decision.command);
            break;
        case KeyCommand::OpenMenu:
            OpenPopupMenuFromKeyboard();
            break;
        case KeyCommand::TextLarger:
        case KeyCommand::TextSmaller:
        case KeyCommand::TextDefault:
            StepTextScale(decision.command);
            break;
        case KeyCommand::None:
            break;
    }
    MoveFocusAfterKey(decision.command);
    return decision.consumed;
}

void frmMain::MoveFocusAfterKey(KeyCommand command) {
    const auto choice = FocusAfterKey(command, mController.State().genmCurrentStep,
                                      mController.SelectedSUD(), mController.PreviousEnabled());
    if (!choice) return;
    QWidget* target = cmdNavig[1];
    if (choice->target == FocusTarget::SUDOption && choice->sudIndex >= 0 &&
        choice->sudIndex < SUD_OPTION_COUNT) {
        target = radSUD[choice->sudIndex];
    } else if (choice->target == FocusTarget::PreviousButton) {
        target = cmdNavig[0];
    }
    target->setFocus(Qt::OtherFocusReason);
}

}  // namespace mindrova
