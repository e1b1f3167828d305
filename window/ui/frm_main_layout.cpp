// The session window's layout: on every resize the controls are placed from the design in twips,
// the issue list closes up, the texts fit their boxes, and the window fits its screen.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "session/rating_lines.h"
#include "window/ui/closing_word.h"
#include "window/ui/content_scroll.h"
#include "window/ui/frm_main.h"
#include "window/ui/progress_panel.h"
#include "window/ui/whole_lines.h"

namespace mindrova {

// Characters on a line of the larger intro and closing texts: long enough to read on, short
// enough for the eye to find the next line.
constexpr int COMFORTABLE_LINE_LENGTH = 70;

namespace {

// A button whose caption is longer than the design made room for (a translation's) grows to the
// left, keeping its right edge; a caption that fits leaves the design's place as it is.
void WidenForCaption(QPushButton* button) {
    constexpr int kPadding = 4;  // as the layout check measures a caption
    const QString caption = QString(button->text()).remove(QLatin1Char('&'));
    const int need = button->fontMetrics().horizontalAdvance(caption) + 2 * kPadding;
    if (need <= button->width()) return;
    const QRect place = button->geometry();
    button->setGeometry(place.right() + 1 - need, place.top(), need, place.height());
}

}  // namespace
void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) ArrangeControls();
}

void frmMain::ArrangeControls() {
    // Laid out from the client area: under a window manager the frame is part of the outer size
    // and would push the status bar and the lower Pause button past the bottom edge. A window
    // smaller than its designed smallest size lays its content out at that size, and scrolls it.
    const ContentFit fit = mContentScroll->Fit(mDesignedMinimum);
    const double clientWidth = mScale.twips(fit.content.width());
    const double clientHeight = mScale.twips(fit.content.height() + mScale.px(STATUSBAR_HEIGHT));
    const TextScales text = TextScalesFor(mTextScalePercent, clientWidth, clientHeight);
    ApplyTextScales(text);
    const double titleHeight = InitialLayout().lblSegmentTitle.height * text.text;
    mLayout.lblSegmentTitle.height = titleHeight;
    // A part may place a line under the point's name (following the round, its place).
    double below = 0;
    for (const auto& part : mParts) below += part->HeightUnderPointName() * text.text;
    ArrangeControlsToFit(mLayout, clientWidth, clientHeight, text, below);
    // A larger title wraps where the panel is too narrow for it, and takes the room it needs.
    if (text.text > 1) {
        const double needed =
            mScale.twips(lblSegmentTitle->heightForWidth(mScale.px(mLayout.lblSegmentTitle.width)));
        if (needed > titleHeight) {
            mLayout.lblSegmentTitle.height = needed;
            ArrangeControlsToFit(mLayout, clientWidth, clientHeight, text, below);
        }
    }
    // The pictures draw their outline and markers at their share of the window's scale.
    if (fit.content.width() != width()) PlaceStatusBarControls(mLayout, mScale.twips(width()));
    const PictureScales share = PictureScalesFor(clientWidth, clientHeight, text.text, below);
    picShape->setScale(TwipScale(mScale.logicalDpi() * share.body));
    for (MarkerPicture* hand : {picHandLeft, picHandRight}) {
        hand->setScale(TwipScale(mScale.logicalDpi() * share.hands));
    }
    ApplyLayout();
}

void frmMain::ApplyLayout() {
    const int toolbar = mScale.px(TOOLBAR_HEIGHT);
    const int status = mScale.px(STATUSBAR_HEIGHT);
    // The content is placed where its scroll offset puts it; the status bar stays at the
    // window's foot.
    const QPoint turned = -mContentScroll->offset();
    picToolBar->setGeometry(turned.x(), turned.y(), mContentScroll->fit().content.width(), toolbar);
    picStatusBar->setGeometry(0, height() - status, width(), status);
    const struct {
        QWidget* widget;
        const TwipRect& rect;
    } placements[] = {
        {scrIntro, mLayout.lblIntro},
        {picLeftFrame, mLayout.picLeftFrame},
        {picRightFrame, mLayout.picRightFrame},
        {lblSplit, mLayout.lblSplit},
        {lblSegmentTitle, mLayout.lblSegmentTitle},
        {scrLeftFrame, mLayout.lblLeftFrame},
        {picShape, mLayout.picShape},
        {lblCurrentPoint, mLayout.lblCurrentPoint},
        {fraMode, mLayout.fraMode},
        {fraSUD_2, mLayout.fraSUD_2},
        {picHandLeft, mLayout.picHandLeft},
        {picHandRight, mLayout.picHandRight},
        {cmdNav, mLayout.cmdNav},
        {lblTime_New, mLayout.lblTime_New},
        {cmdPause_Bottom, mLayout.cmdPause_Bottom},
        {cmdWeb, mLayout.cmdWeb},
    };
    for (const auto& p : placements) {
        const bool inStatusBar = p.widget->parentWidget() == picStatusBar;
        const QRect target = mScale.rect(p.rect).translated(inStatusBar ? QPoint() : turned);
        if (p.widget->geometry() != target) p.widget->setGeometry(target);
    }
    WidenForCaption(cmdWeb);
    ShowWholeLines(*scrLeftFrame, *lblLeftFrame, mScale.rect(mLayout.lblLeftFrame).height());
    // The intro text floats over the panels; the docked bars stay above it so that the menu and
    // the clock stay reachable in a small window. The lower Pause button sits over the middle of
    // the status bar, unless the window is so narrow that it would cover the bar's controls.
    CloseUpIssueList();
    FitIntroText();
    FitLargerLines();
    scrIntro->raise();
    PlaceProgress();
    for (const auto& part : mParts) part->Relayout();
    picToolBar->raise();
    picStatusBar->raise();
    cmdPause_Bottom->raise();
    const QRect pause = cmdPause_Bottom->geometry();
    for (const QWidget* control :
         {static_cast<QWidget*>(cmdNav), static_cast<QWidget*>(lblTime_New)}) {
        if (pause.intersects(control->geometry().translated(picStatusBar->pos()))) {
            picStatusBar->raise();
        }
    }
    mContentScroll->RaiseBars();
}

ProgressPlaces frmMain::ProgressPlacesNow() const {
    // The window's own font (9 points as built) carries the share of another screen's scale.
    return {mScale,
            mLayout.fraSUD_2,
            mLayout.picRightFrame.height,
            mTextScales,
            font().pointSizeF() / 9.0,
            lblIntro,
            scrIntro->geometry(),
            mContentScroll->Foot()};
}

void frmMain::PlaceProgress() {
    mProgress->Place();
    if (mProgress->FirstRatingShown() && (mTextScales.text > 1 || mFirstRatingShare != 1)) {
        FitLargerLines();
    }
    mContentScroll->RaiseBars();
}

void frmMain::CloseUpIssueList() {
    std::vector<std::pair<QWidget*, TwipRect>> shown;
    std::vector<Row> rows;
    for (const auto& [widget, place] : mDesignPlaces) {
        if (widget && widget->parentWidget() == fraMode && !widget->isHidden()) {
            shown.emplace_back(widget, ScaledDesignPlace(widget, place));
            rows.push_back({shown.back().second.top, shown.back().second.height});
        }
    }
    const std::vector<double> tops =
        ClosedUpTops(rows, mLayout.picRightFrame.height - mLayout.fraMode.top);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        TwipRect place = shown[i].second;
        place.top = tops[i];
        const QRect target = mScale.rect(place);
        if (shown[i].first->geometry() != target) shown[i].first->setGeometry(target);
    }
}

// The intro and closing texts run a little past their box in some fonts: the box grows down to
// hold them, never over the status bar. Only a shown text is measured; it is not cheap. Larger,
// the box rises toward the toolbar before the text scrolls, and the closing text keeps room for
// the lines under it.
void frmMain::FitIntroText() {
    if (mIntroTextShare != 1 && mTextScales.text == 1) FitLargerIntroText();
    if (!lblIntro->isVisibleTo(this)) return;
    if (mTextScales.text > 1) FitLargerIntroText();
    const int designHeight = mScale.px(mLayout.lblIntro.height);
    const int needed = std::max(designHeight, lblIntro->heightForWidth(scrIntro->width()));
    int bottom = mContentScroll->Foot();
    const SessionState& state = mController.State();
    if (mTextScales.text > 1 && !RatingChangeLine(state.genmCurrentStep, state).isEmpty()) {
        bottom -= mScale.px((RATING_CHANGE_GAP + RATING_LINE_HEIGHT) * mTextScales.text) +
                  ClosingWord::HeightFor(state, scrIntro->width(),
                                         12 * mTextScales.text * font().pointSizeF() / 9.0);
    }
    if (mTextScales.text > 1) {
        const int highest = mScale.px(TOOLBAR_HEIGHT + 150);
        const int top = std::max(highest, std::min(scrIntro->y(), bottom - needed));
        if (top != scrIntro->y()) scrIntro->move(scrIntro->x(), top);
    }
    const int room = bottom - scrIntro->y();
    const int least =
        mTextScales.text > 1 ? QFontMetrics(lblIntro->font()).lineSpacing() : designHeight;
    const int fitted = std::max(least, std::min(needed, room));
    if (fitted != scrIntro->height()) scrIntro->resize(scrIntro->width(), fitted);
    ShowWholeLines(*scrIntro, *lblIntro, fitted);
}

namespace {

// Grows a text's font towards the wanted share of its size at 100 %, as far as `fits` allows;
// returns the share it has now.
double GrowFontToFit(QLabel* label, double currentShare, double wanted,
                     const std::function<bool(const QFont&)>& fits) {
    QFont font = label->font();
    const double base = font.pointSizeF() / currentShare;
    double share = wanted;
    for (; share > 1; share -= 0.05) {
        font.setPointSizeF(base * share);
        if (fits(font)) break;
    }
    share = std::max(share, 1.0);
    if (share != currentShare) {
        font.setPointSizeF(base * share);
        label->setFont(font);
    }
    return share;
}

}  // namespace

// Larger intro and closing texts take the whole scale, as the step texts do, on lines of a
// comfortable length in the middle of the window; what the window cannot hold scrolls.
void frmMain::FitLargerIntroText() {
    const double wanted = mTextScales.text;
    if (mIntroTextShare != wanted) {
        QFont font = lblIntro->font();
        font.setPointSizeF(font.pointSizeF() / mIntroTextShare * wanted);
        lblIntro->setFont(font);
        mIntroTextShare = wanted;
    }
    if (wanted <= 1) return;
    const int comfortable =
        COMFORTABLE_LINE_LENGTH * QFontMetrics(lblIntro->font()).averageCharWidth() +
        scrIntro->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect box = scrIntro->geometry();
    if (box.width() > comfortable) {
        scrIntro->setGeometry(box.left() + (box.width() - comfortable) / 2, box.top(), comfortable,
                              box.height());
    }
}

// The point's name and the first rating are one line each: larger, they grow only as far as
// their box is wide.
void frmMain::FitLargerLines() {
    const struct {
        QLabel* label;
        double* share;
    } lines[] = {{lblCurrentPoint, &mPointTextShare},
                 {&mProgress->firstRatingLine(), &mFirstRatingShare}};
    for (const auto& line : lines) {
        if (mTextScales.text == 1 && *line.share == 1) continue;
        const int room = line.label->contentsRect().width();
        *line.share =
            GrowFontToFit(line.label, *line.share, mTextScales.text, [&](const QFont& font) {
                return QFontMetrics(font).horizontalAdvance(line.label->text()) <= room;
            });
    }
}

// A window that opened maximized was given its opening size before it had a frame: once
// restored, it is fitted to the screen with the frame counted.
void frmMain::FitAfterRestore() {
    if (!mFitAfterRestore || !isVisible() ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        return;
    }
    mFitAfterRestore = false;
    ApplyMinimumSize();
    const TwipRect outer = mGeometry.OuterGeometry();
    const TwipRect fitted = mGeometry.FittedOnScreen(outer);
    if (!(fitted == outer)) mGeometry.SetOuterGeometry(fitted);
}

void frmMain::ApplyMinimumSize() {
    const TwipSize least = MinimumClientSize();
    mDesignedMinimum = QSize(mScale.px(least.width), mScale.px(least.height));
    // Never more than the screen has room for: a window manager or a compositor would cut it,
    // or keep its foot (the status bar and the menu) below the screen. The content scrolls
    // instead (ContentScroll::Fit).
    const QSize minimum = WindowMinimum(mDesignedMinimum, RoomForClient());
    if (minimum != minimumSize()) setMinimumSize(minimum);
}

void frmMain::FitToChangedScreen() {
    // A screen that grew gives the window its designed smallest size back; one that shrank
    // lowers it. Asked once for each change, whatever size the platform then gives.
    ApplyMinimumSize();
    if (!isVisible() ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        return;
    }
    const TwipRect outer = mGeometry.OuterGeometry();
    const TwipRect fitted = mGeometry.FittedOnScreen(outer);
    if (!(fitted == outer)) mGeometry.SetOuterGeometry(fitted);
}

// The opening size where the screen can hold it; else the screen's free area, centred in it.
void frmMain::ApplyOpeningSize() {
    ApplyMinimumSize();
    const TwipRect outer = mGeometry.OuterGeometry();
    const TwipRect wanted{outer.left, outer.top, OPENING_OUTER_WIDTH, OPENING_OUTER_HEIGHT};
    const TwipRect fitted = mGeometry.FittedOnScreen(wanted);
    if (fitted.left != wanted.left || fitted.top != wanted.top) {
        mGeometry.MoveTo(fitted.left, fitted.top);
    }
    mGeometry.SetOuterSize(fitted.width, fitted.height);
}

}  // namespace mindrova
