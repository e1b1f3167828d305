// The session window on screens of another scale: when the window moves to a screen with another
// logical DPI, or the DPI of its screen changes, every length in twips is turned into pixels
// again.
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "window/text_size.h"
#include "window/ui/frm_main.h"
#include "window/ui/progress_panel.h"

namespace mindrova {
// The controls that keep the place they were built with (the toolbar's buttons, the options and
// their captions); everything else is placed by ArrangeControls.
void frmMain::RecordDesignPlaces() {
    mDesignPlaces.clear();
    QList<QWidget*> fixed;
    for (QWidget* parent : {picToolBar, fraMode, fraSUD_2}) {
        fixed += parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    for (QWidget* widget : fixed) {
        // The Feedback button is placed by ArrangeControls.
        if (widget != cmdWeb) mDesignPlaces.push_back({widget, mScale.twips(widget->geometry())});
    }
}

void frmMain::FollowScreenDpi() {
    QScreen* current = screen();
    if (current == mWatchedScreen) return;
    disconnect(mDpiConnection);
    disconnect(mAreaConnection);
    mWatchedScreen = current;
    if (current == nullptr) return;
    mDpiConnection = connect(current, &QScreen::logicalDotsPerInchChanged, this,
                             [this](qreal dpi) { SetLogicalDpi(dpi); });
    // A screen whose size or panels change while the window is open (another resolution, an
    // output turned, a panel added) may no longer hold the window: it is fitted again.
    mAreaConnection = connect(current, &QScreen::availableGeometryChanged, this,
                              [this] { FitToChangedScreen(); });
    SetLogicalDpi(current->logicalDotsPerInchX());
}

void frmMain::SetLogicalDpi(double dpi) {
    if (!(dpi > 0) || dpi == mScale.logicalDpi()) return;
    const double factor = dpi / mScale.logicalDpi();
    const QSize client = size();
    const TwipScale old = mScale;
    mScale = TwipScale(dpi);

    // Fonts are set in points and Qt turns points into pixels at the primary screen's DPI, so
    // they follow this screen by their point size. The ones a control sets itself are scaled
    // before the window's own font reaches the others.
    QList<QWidget*> ownFonts;
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont)) ownFonts << child;
    }
    const auto scaled = [factor](QFont font) {
        font.setPointSizeF(font.pointSizeF() * factor);
        return font;
    };
    for (QWidget* widget : ownFonts) widget->setFont(scaled(widget->font()));
    setFont(scaled(font()));

    for (const auto& [widget, rect] : mDesignPlaces) {
        if (widget) widget->setGeometry(mScale.rect(ScaledDesignPlace(widget, rect)));
    }
    const int pauseIcon = mScale.px(LOWER_PAUSE_ICON);
    cmdPause_Bottom->setIconSize(QSize(pauseIcon, pauseIcon));
    ApplyMinimumSize();

    // The window keeps its size in twips; a maximized or minimized one keeps what it was given.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
        if (!isMinimized()) ArrangeControls();
        return;
    }
    const QSize rescaled(mScale.px(old.twips(client.width())),
                         mScale.px(old.twips(client.height())));
    if (rescaled != size()) resize(rescaled);
    // Also where the resize changed nothing (held at the minimum): the pictures take the new scale.
    ArrangeControls();
}

TwipRect frmMain::ScaledDesignPlace(const QWidget* widget, const TwipRect& place) const {
    const QWidget* frame = widget->parentWidget();
    const double share = frame == fraMode    ? mTextScales.issues
                         : frame == fraSUD_2 ? mTextScales.sud
                                             : 1.0;
    if (share == 1.0) return place;
    return {place.left * share, place.top * share, place.width * share, place.height * share};
}

// Fonts grow by the change of share, as they follow a screen's DPI: the size a control was given
// on this screen stays its base.
void frmMain::ApplyTextScales(const TextScales& scales) {
    if (scales == mTextScales) return;
    const TextScales old = mTextScales;
    mTextScales = scales;
    const auto grow = [](QWidget* widget, double from, double to) {
        if (widget == nullptr || from == to) return;
        QFont font = widget->font();
        font.setPointSizeF(font.pointSizeF() * to / from);
        widget->setFont(font);
    };
    // The intro, the point's name and the first rating grow as far as their boxes allow, when
    // they are laid out.
    for (QWidget* text : std::initializer_list<QWidget*>{lblSegmentTitle, lblLeftFrame,
                                                         &mProgress->ratingChangeLine()}) {
        grow(text, old.text, scales.text);
    }
    for (int i = 1; i <= ISSUE_OPTION_COUNT; ++i) grow(radMode[i], old.issues, scales.issues);
    for (const QPointer<QWidget>& row : mIssueListRows) grow(row, old.issues, scales.issues);
    for (QLabel* unit : lblSUDUnit) grow(unit, old.sud, scales.sud);
    // The titles wrap rather than run past a narrow panel once they are larger.
    lblSegmentTitle->setWordWrap(scales.text > 1);
    if (old.sud != scales.sud) {
        for (const auto& [widget, rect] : mDesignPlaces) {
            if (widget && widget->parentWidget() == fraSUD_2) {
                widget->setGeometry(mScale.rect(ScaledDesignPlace(widget, rect)));
            }
        }
    }
}

void frmMain::SetTextScalePercent(int percent) {
    const int valid = ValidTextScale(percent);
    if (valid == mTextScalePercent) return;
    mTextScalePercent = valid;
    if (!isMinimized()) ArrangeControls();
}

void frmMain::StepTextScale(KeyCommand command) {
    int percent = mTextScalePercent;
    if (command == KeyCommand::TextLarger) percent += TEXT_SCALE_STEP;
    if (command == KeyCommand::TextSmaller) percent -= TEXT_SCALE_STEP;
    if (command == KeyCommand::TextDefault) percent = TEXT_SCALE_DEFAULT;
    percent = std::clamp(percent, TEXT_SCALE_MIN, TEXT_SCALE_MAX);
    if (percent == mTextScalePercent) return;
    SetTextScalePercent(percent);
    SaveTextScale(percent);
}

}  // namespace mindrova
