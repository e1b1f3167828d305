#include "window/ui/frm_main.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>

#include "engine/issues.h"
#include "engine/steps.h"
#include "support/error_trap.h"
#include "support/ui/measured_label.h"
#include "support/ui/option_button.h"
#include "support/ui/window_fonts.h"
#include "window/text_size.h"
#include "window/ui/content_scroll.h"
#include "window/ui/progress_panel.h"
#include "window/ui/status_notices.h"
#include "window/ui/window_announcer.h"
#include "window/ui/window_look.h"

namespace mindrova {
namespace {

constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonTop = 135;

// Issue options from the top of the frame: the order the list is read in.
constexpr std::array<int, 10> kVisibleIssueOrder{1, 2, 3, 11, 4, 5, 12, 7, 8, 9};

// Issue options 10 to 12 carry their design captions; 1 to 9 are captioned at load.
const char* DesignIssueCaption(int index) {
    switch (index) {
        case 10:
            return QT_TRANSLATE_NOOP("Issues", "Trauma");
        case 11:
            return QT_TRANSLATE_NOOP("Issues", "Guilt");
        case 12:
            return QT_TRANSLATE_NOOP("Issues", "PTSD, Trauma");
        default:
            return "";
    }
}

}  // namespace

frmMain::frmMain(SessionWindowServices services, QWidget* parent)
    : QWidget(parent), mServices(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* s = screen()) mScale = TwipScale(s->logicalDotsPerInchX());
    mLayout = InitialLayout();
    mTextScalePercent = LoadTextScale();
    ApplyMinimumSize();
    resize(mScale.px(DESIGN_CLIENT_WIDTH), mScale.px(DESIGN_CLIENT_HEIGHT));
    BuildControls();
    BuildPopupMenu();
    qApp->installEventFilter(this);
    Form_Load();
    RecordDesignPlaces();
}

frmMain::~frmMain() {
    // The controls that go with the window move the focus as they go: no longer this window's
    // to follow.
    mContentScroll->StopFollowingFocus();
    tmrSteps.stop();
    qApp->removeEventFilter(this);
    // The parts go while every control of the window is still whole: a voice bringing its
    // engine to rest lets events run, and they may reach the window.
    mParts.clear();
}

static QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                               const TwipScale& scale, int left, const QString& accessibleName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(scale.rect(
        {double(left), double(kButtonTop), double(kButtonWidth), double(kButtonHeight)}));
    button->setAccessibleName(accessibleName);
    return button;
}

void frmMain::BuildControls() {
    setFont(UiFont(9));
    BuildPanels();
    BuildToolbar();
    BuildStatusBar();

    lblSplit = new QLabel(this);
    lblSplit->setObjectName(QStringLiteral("lblSplit"));
    lblSplit->setAccessibleName(tr("Divider"));
    lblSplit->setAutoFillBackground(true);

    cmdPause_Bottom = new QToolButton(this);
    cmdPause_Bottom->setObjectName(QStringLiteral("cmdPause_Bottom"));
    cmdPause_Bottom->setText(tr("Pause"));
    cmdPause_Bottom->setIcon(LookIcon(QStringLiteral(":/resources/pause.svg"), CurrentLook()));
    // Picture beside the caption: the button fits the gap between the panels and the status bar.
    cmdPause_Bottom->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdPause_Bottom->setIconSize(QSize(mScale.px(LOWER_PAUSE_ICON), mScale.px(LOWER_PAUSE_ICON)));
    cmdPause_Bottom->setFont(UiFont(9.75));
    cmdPause_Bottom->setAccessibleName(tr("Pause tapping"));
    cmdPause_Bottom->setAccessibleDescription(tr("Holds the tapping timer, like Esc"));
    connect(cmdPause_Bottom, &QToolButton::clicked, this, [this] { mController.Pause(); });

    // Like the instructions, the intro and closing texts scroll where the window cannot hold them
    // (larger text in a small window); the label keeps its name, text and clicks.
    scrIntro = new QScrollArea(this);
    scrIntro->setObjectName(QStringLiteral("scrIntro"));
    scrIntro->setFrameShape(QFrame::NoFrame);
    scrIntro->setFocusPolicy(Qt::NoFocus);
    scrIntro->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrIntro->setWidgetResizable(true);
    scrIntro->setBackgroundRole(QPalette::Base);
    scrIntro->viewport()->setBackgroundRole(QPalette::Base);
    lblIntro = new MeasuredLabel;
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setFont(UiFont(14.25));
    lblIntro->setAccessibleName(tr("Introduction"));
    lblIntro->setWordWrap(true);
    lblIntro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblIntro->setBackgroundRole(QPalette::Base);
    lblIntro->setForegroundRole(QPalette::Text);
    scrIntro->setWidget(lblIntro);
    mProgress = std::make_unique<ProgressPanel>(*this, *picRightFrame, mController,
                                                [this] { return ProgressPlacesNow(); });
    connect(mProgress.get(), &ProgressPanel::lineShown, this,
            [this](const QString& line, bool stepBeingEntered) {
                for (const auto& part : mParts) part->StepLineShown(line, stepBeingEntered);
            });
    // A screen reader hears it where the user is, as they choose the rating.
    connect(mProgress.get(), &ProgressPanel::announce, this, [this](const QString& text) {
        if (mAnnouncer) mAnnouncer->Announce(text);
    });
    mContentScroll = std::make_unique<ContentScroll>(*this, *picStatusBar, mScale);

    tmrSteps.setTimerType(Qt::PreciseTimer);
    connect(&tmrSteps, &QTimer::timeout, this, [this] { mController.tmrSteps_Timer(); });

    // A left click on these moves the session on (a SUD caption chooses its rating instead).
    for (QObject* target : std::initializer_list<QObject*>{
             lblIntro, lblSegmentTitle, lblLeftFrame, lblSplit, lblCurrentPoint, picLeftFrame,
             picRightFrame, picShape, picHandLeft, picHandRight}) {
        mClickTargets.insert(target);
    }
    for (QLabel* unit : lblSUDUnit) mClickTargets.insert(unit);
}

void frmMain::BuildToolbar() {
    picToolBar = new QWidget(this);
    picToolBar->setObjectName(QStringLiteral("picToolBar"));
    picToolBar->setAutoFillBackground(true);
    picToolBar->setAccessibleName(tr("Toolbar"));

    cmdExit = MakeButton(picToolBar, "cmdExit", tr("E&xit"), mScale, 300, tr("Exit"));
    cmdNavig[0] =
        MakeButton(picToolBar, "cmdNavig(0)", tr("&Previous"), mScale, 1620, tr("Previous step"));
    cmdPause = MakeButton(picToolBar, "cmdPause", tr("P&ause"), mScale, 2940, tr("Pause"));
    cmdNavig[1] = MakeButton(picToolBar, "cmdNavig(1)", tr("&Next"), mScale, 4260, tr("Next step"));
    cmdFinish = MakeButton(picToolBar, "cmdFinish", tr("&Finish"), mScale, 5580, tr("Finish"));
    cmdResume = MakeButton(picToolBar, "cmdResume", tr("R&esume"), mScale, 0, tr("Resume"));
    cmdWeb = MakeButton(picToolBar, "cmdWeb", QString(), mScale, 9540, tr("Feedback"));

    connect(cmdExit, &QPushButton::clicked, this, [this] { mController.Exit(); });
    connect(cmdNavig[0], &QPushButton::clicked, this, [this] { mController.Previous(); });
    connect(cmdNavig[1], &QPushButton::clicked, this, [this] { mController.Next(); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { mController.Pause(); });
    connect(cmdResume, &QPushButton::clicked, this, [this] { mController.Resume(); });
    connect(cmdFinish, &QPushButton::clicked, this, [this] { mController.cmdFinish_Click(); });
}

void frmMain::BuildStatusBar() {
    picStatusBar = new QWidget(this);
    picStatusBar->setObjectName(QStringLiteral("picStatusBar"));
    picStatusBar->setAutoFillBackground(true);
    picStatusBar->setAccessibleName(tr("Status bar"));

    cmdNav = new QToolButton(picStatusBar);
    cmdNav->setObjectName(QStringLiteral("cmdNav"));
    cmdNav->setIcon(LookIcon(QStringLiteral(":/resources/menu.svg"), CurrentLook()));
    cmdNav->setAutoRaise(true);
    cmdNav->setAccessibleName(tr("Menu"));
    cmdNav->setAccessibleDescription(tr("Opens the menu: keyboard shortcuts, about, exit"));

    lblTime_New = new QLabel(picStatusBar);
    lblTime_New->setObjectName(QStringLiteral("lblTime_New"));
    lblTime_New->setFont(UiFont(9.75));
    lblTime_New->setAlignment(Qt::AlignCenter);
    lblTime_New->setAccessibleName(tr("Elapsed time"));

    mNotices = new StatusNotices(*picStatusBar);
}

void frmMain::BuildPanels() {
    picLeftFrame = new QWidget(this);
    picLeftFrame->setObjectName(QStringLiteral("picLeftFrame"));
    picLeftFrame->setAccessibleName(tr("Step"));

    lblSegmentTitle = new QLabel(tr("Segment Title"), picLeftFrame);
    lblSegmentTitle->setObjectName(QStringLiteral("lblSegmentTitle"));
    lblSegmentTitle->setFont(UiFont(14.25, true));
    lblSegmentTitle->setAccessibleName(tr("Step title"));

    // The instructions scroll where a small panel cannot hold them all; the label itself keeps
    // its name, text and clicks.
    scrLeftFrame = new QScrollArea(picLeftFrame);
    scrLeftFrame->setObjectName(QStringLiteral("scrLeftFrame"));
    scrLeftFrame->setFrameShape(QFrame::NoFrame);
    scrLeftFrame->setFocusPolicy(Qt::NoFocus);
    scrLeftFrame->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrLeftFrame->setWidgetResizable(true);
    scrLeftFrame->setBackgroundRole(QPalette::Base);
    scrLeftFrame->viewport()->setBackgroundRole(QPalette::Base);
    lblLeftFrame = new MeasuredLabel(tr("Text"));
    lblLeftFrame->setObjectName(QStringLiteral("lblLeftFrame"));
    lblLeftFrame->setFont(UiFont(14.25));
    lblLeftFrame->setAccessibleName(tr("Instructions"));
    // The set-up statement carries the user's own words, which are shown as typed, tags and all.
    lblLeftFrame->setTextFormat(Qt::PlainText);
    lblLeftFrame->setWordWrap(true);
    lblLeftFrame->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrLeftFrame->setWidget(lblLeftFrame);

    picRightFrame = new QWidget(this);
    picRightFrame->setObjectName(QStringLiteral("picRightFrame"));
    picRightFrame->setAccessibleName(tr("Tapping points"));

    picShape = new MarkerPicture(QStringLiteral(":/resources/body.svg"), picRightFrame);
    picShape->setObjectName(QStringLiteral("picShape"));
    picShape->setAccessibleName(tr("Body with the tapping points"));
    picHandLeft = new MarkerPicture(QStringLiteral(":/resources/hand_left.svg"), picRightFrame);
    picHandLeft->setObjectName(QStringLiteral("picHandLeft"));
    picHandLeft->setAccessibleName(tr("Left hand, karate chop point"));
    picHandRight = new MarkerPicture(QStringLiteral(":/resources/hand_right.svg"), picRightFrame);
    picHandRight->setObjectName(QStringLiteral("picHandRight"));
    picHandRight->setAccessibleName(tr("Right hand, karate chop point"));
    for (int i = 1; i <= MARKER_COUNT; ++i) {
        const MarkerPlace& place = kMarkerPlaces[i];
        MarkerPicture* picture = place.container == MarkerContainer::Body        ? picShape
                                 : place.container == MarkerContainer::HandLeft  ? picHandLeft
                                 : place.container == MarkerContainer::HandRight ? picHandRight
                                                                                 : nullptr;
        // Marker 1 belongs to the window and is never shown, so it is not painted anywhere.
        if (picture) picture->addMarker({i, place.left, place.top, kMarkerRed, kMarkerRed});
    }
    picShape->addMarker({0, THYMUS_LEFT, THYMUS_TOP, kMarkerGreen, kThymusBorder});
    if (CurrentLook() != Look::Light) {
        const LookColours look = ColoursFor(CurrentLook());
        for (MarkerPicture* p : {picShape, picHandLeft, picHandRight}) p->setOnCard(true);
        picShape->setMarkerColours(0, look.markerGreen, look.thymusBorder);
        for (int i = 1; i <= MARKER_COUNT; ++i) {
            if (MarkerPicture* p = markerPicture(i)) {
                p->setMarkerColours(i, look.markerRed, look.markerRed);
            }
        }
    }
    for (MarkerPicture* p : {picShape, picHandLeft, picHandRight}) p->setScale(mScale);

    lblCurrentPoint = new QLabel(tr("Current Point"), picRightFrame);
    lblCurrentPoint->setObjectName(QStringLiteral("lblCurrentPoint"));
    lblCurrentPoint->setFont(UiFont(12));
    lblCurrentPoint->setAccessibleName(tr("Current point"));
    lblCurrentPoint->setAlignment(Qt::AlignCenter);

    BuildIssueFrame();
    BuildSUDFrame();
}

void frmMain::BuildIssueFrame() {
    fraMode = new QWidget(picRightFrame);
    fraMode->setObjectName(QStringLiteral("fraMode"));
    fraMode->setAccessibleName(tr("Emotional issue"));
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) {
        auto* option =
            new OptionButton(QCoreApplication::translate("Issues", DesignIssueCaption(i)), fraMode);
        option->setObjectName(QStringLiteral("radMode(%1)").arg(i));
        option->setFont(UiFont(14.25));
        option->setHidden(true);
        radMode[i] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { ChooseIssue(i); });
    }
    double top = 510;
    for (int index : kVisibleIssueOrder) {
        radMode[index]->setGeometry(mScale.rect({720, top, 6045, 360}));
        radMode[index]->setHidden(false);
        top += 540;
    }
    radMode[10]->setGeometry(mScale.rect({720, 5910, 6045, 360}));
    radMode[6]->setGeometry(mScale.rect({720, 6450, 6045, 360}));
    // Tab order follows the visible list from the top.
    for (std::size_t k = 1; k < kVisibleIssueOrder.size(); ++k) {
        setTabOrder(radMode[kVisibleIssueOrder[k - 1]], radMode[kVisibleIssueOrder[k]]);
    }
    // The own-words field is made when the issue list is first shown: a line edit costs the
    // opening window a few milliseconds that most sessions never need.
}

void frmMain::BuildSUDFrame() {
    fraSUD_2 = new QWidget(picRightFrame);
    fraSUD_2->setObjectName(QStringLiteral("fraSUD_2"));
    fraSUD_2->setAccessibleName(tr("SUD rating, 0 to 10"));
    for (int i = 0; i < SUD_OPTION_COUNT; ++i) {
        auto* unit = new QLabel(QString::number(i), fraSUD_2);
        unit->setObjectName(QStringLiteral("lblSUDUnit(%1)").arg(i));
        unit->setFont(UiFont(14.25));
        unit->setGeometry(mScale.rect({120.0 + 600 * i, 330, 495, 510}));
        lblSUDUnit[i] = unit;

        auto* option = new OptionButton(fraSUD_2);
        option->setObjectName(QStringLiteral("radSUD(%1)").arg(i));
        option->setGeometry(mScale.rect({120.0 + 600 * i, 720, 270, 495}));
        option->setAccessibleName(tr("SUD %1").arg(i));
        radSUD[i] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] {
            mController.radSUD_Click(i);
            mProgress->RatingChosen();
        });
    }
}

void frmMain::Form_Load() {
    int line = 0;
    Trap(
        {"frmMain", "Form_Load"},
        [&] {
            SetFormCaption();
            line = 10;
            cmdResume->move(cmdPause->pos());
            cmdResume->setHidden(true);
            cmdResume->setEnabled(false);
            line = 20;
            mLayout.finishRight = kButtonWidth + 5580;
            cmdPause_Bottom->setHidden(true);
            line = 30;
            tmrSteps.setInterval(STEP_TIMER_INTERVAL_MS);
            HideAllDots();
            lblTime_New->setText(QString());
            SetModesCaptions();
            lblIntro->setText(
                QString(GetIntroText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            line = 40;
            SetFormPosition(mGeometry);
            line = 50;
            ArrangeControls();
            line = 60;
            mController.StartSession();
            line = 70;
            cmdWeb->setToolTip(
                tr("Today is a good day to contact me - feel free to share with me your "
                   "feedback/suggestions or just to say hi."));
            cmdWeb->setText(tr("Feedback"));
            line = 80;
            SetColors();
            line = 90;
            // A window restored maximized stays maximized; it takes the opening size when the
            // user restores it.
            if (!(windowState() & Qt::WindowMaximized)) {
                ApplyOpeningSize();
            } else {
                mOpeningSizePending = false;
                const TwipRect opening = mGeometry.FittedOnScreen(
                    {mGeometry.OuterGeometry().left, mGeometry.OuterGeometry().top,
                     OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT});
                setGeometry(mScale.rect(opening));
                setWindowState(windowState() | Qt::WindowMaximized);
                // The frame is not known yet: the restored window is fitted once it has one.
                mFitAfterRestore = true;
            }
        },
        &line);
}

void frmMain::SetFormCaption() {
    Trap({"frmMain", "SetFormCaption"}, [&] { setWindowTitle(QStringLiteral("Mindrova")); });
}

void frmMain::SetColors() {
    Trap({"frmMain", "SetColors"}, [&] {
        const LookColours look = ColoursFor(CurrentLook());
        // The window's own background is the system's window (text area) colour.
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        // The window paints with its text-area colour; these paint with their own.
        for (QWidget* bar : {picToolBar, picStatusBar}) {
            QPalette p = bar->palette();
            p.setColor(QPalette::Window, look.bars);
            bar->setPalette(p);
            bar->setBackgroundRole(QPalette::Window);
        }
        QPalette split = lblSplit->palette();
        split.setColor(QPalette::Window, look.divider);
        lblSplit->setPalette(split);
        lblSplit->setBackgroundRole(QPalette::Window);
        for (QWidget* white :
             std::initializer_list<QWidget*>{picLeftFrame, picRightFrame, fraMode, fraSUD_2,
                                             lblSegmentTitle, lblCurrentPoint}) {
            QPalette p = white->palette();
            p.setColor(QPalette::Window, look.panel);
            white->setPalette(p);
            white->setBackgroundRole(QPalette::Window);
            white->setAutoFillBackground(true);
        }
        for (QLabel* text : {lblLeftFrame, lblIntro}) {
            text->setAutoFillBackground(true);
            text->setBackgroundRole(QPalette::Base);
            text->setForegroundRole(QPalette::Text);
        }
        ApplyControlRims();
    });
}

void frmMain::ApplyControlRims() {
    const QColor rim = ColoursFor(CurrentLook()).controlRim;
    QList<QWidget*> controls{scrLeftFrame->verticalScrollBar(), scrIntro->verticalScrollBar()};
    for (const QPointer<QWidget>& control : mRimmedControls) controls << control.data();
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) controls << radMode[i];
    for (QRadioButton* option : radSUD) controls << option;
    for (QWidget* control : controls) {
        if (control == nullptr) continue;
        if (rim.isValid()) {
            QPalette p = control->palette();
            p.setColor(QPalette::Window, rim);
            control->setPalette(p);
        } else if (control->testAttribute(Qt::WA_SetPalette)) {
            control->setPalette(QPalette());
        }
    }
}

void frmMain::ApplyLook() {
    SetColors();
    const LookColours look = ColoursFor(CurrentLook());
    for (MarkerPicture* p : {picShape, picHandLeft, picHandRight}) p->setOnCard(look.pictureCard);
    picShape->setMarkerColours(0, look.markerGreen, look.thymusBorder);
    PaintDotsGreenOrRed(mGreenDots);
    cmdNav->setIcon(LookIcon(QStringLiteral(":/resources/menu.svg"), CurrentLook()));
    cmdPause_Bottom->setIcon(LookIcon(QStringLiteral(":/resources/pause.svg"), CurrentLook()));
    for (const auto& part : mParts) part->Relayout();
}

void frmMain::SetModesCaptions() {
    Trap({"frmMain", "SetModesCaptions"}, [&] {
        for (int i = 1; i <= 9; ++i) radMode[i]->setText(GetIssueName(IssueOptIndexToEnum(i)));
    });
}

}  // namespace mindrova
