#include "window/window_fit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace mindrova {
namespace {

// The room under the panels that the design keeps for the lower Pause button.
constexpr double kUnderPanels = 480 + 30;
// The divider's half: the right panel starts this far right of the middle, and the window shows
// it only up to the client's right edge.
constexpr double kHalfDivider = 45;
// The point's caption sits this far under the body picture.
constexpr double kCaptionGap = 150;
// A shrunk picture keeps this much from the shown edge, so that rounding to pixels never puts
// its last column past the window.
constexpr double kEdgeMargin = 30;
// A widened intro text keeps this much from either edge of the window.
constexpr double kIntroMargin = 300;
// The left panel's texts stand this far from the window's left edge; the issue rows keep as much
// from its right edge, and from the right panel's left edge.
constexpr double kSideMargin = 300;

double PanelHeight(double clientHeight) {
    return clientHeight - TOOLBAR_HEIGHT - STATUSBAR_HEIGHT - kUnderPanels;
}

double ShownRightPanelWidth(double clientWidth) {
    return clientWidth / 2 - kHalfDivider;
}

// The issue list as drawn: ten options 540 apart from the top, then the own-words caption and
// field, then the row that chooses one of the user's own sessions.
std::vector<Row> DrawnIssueRows() {
    std::vector<Row> rows;
    rows.reserve(13);
    for (int i = 0; i < 10; ++i) rows.push_back({ISSUE_LIST_TOP + 540.0 * i, 360});
    rows.push_back({7020, 375});
    rows.push_back({7440, 450});
    rows.push_back({8040, 450});
    return rows;
}

double Share(double value, double whole) {
    return whole > 0 ? value / whole : 1;
}

}  // namespace

double MinimumIssueListHeight() {
    const std::vector<Row> rows = DrawnIssueRows();
    double heights = 0;
    for (const Row& r : rows) heights += r.height;
    const double gaps = ISSUE_LIST_BOTTOM - heights;
    return heights + MIN_ISSUE_GAP_SHARE * gaps;
}

TwipSize MinimumClientSize() {
    const double width = 2 * (ISSUE_ROW_LEFT + ISSUE_ROW_WIDTH + kHalfDivider);
    const TwipRect intro = InitialLayout().lblIntro;
    const double closing =
        intro.height + 2 * (RATING_CHANGE_GAP + RATING_LINE_HEIGHT + STATUSBAR_HEIGHT);
    const double issues =
        TOOLBAR_HEIGHT + STATUSBAR_HEIGHT + kUnderPanels + MinimumIssueListHeight();
    const double introBelowToolbar = intro.height + 2 * TOOLBAR_HEIGHT;
    return {width, std::max({closing, issues, introBelowToolbar})};
}

std::vector<double> ClosedUpTops(const std::vector<Row>& rows, double available) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].top < rows[b].top; });
    // Gaps above each row (in drawing order); an overlap is kept as it is.
    std::vector<double> gaps(rows.size());
    double bottom = 0;
    double gapSum = 0;
    double end = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Row& row = rows[order[k]];
        gaps[k] = row.top - bottom;
        if (gaps[k] > 0) gapSum += gaps[k];
        bottom = std::max(bottom, row.top + row.height);
        end = bottom;
    }
    std::vector<double> tops(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) tops[i] = rows[i].top;
    if (!(available < end) || gapSum <= 0) return tops;
    const double share =
        std::clamp(Share(available - (end - gapSum), gapSum), MIN_ISSUE_GAP_SHARE, 1.0);
    bottom = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Row& row = rows[order[k]];
        const double top = RoundTwips(bottom + (gaps[k] > 0 ? gaps[k] * share : gaps[k]));
        tops[order[k]] = top;
        bottom = std::max(bottom, top + row.height);
    }
    return tops;
}

PictureScales PictureScalesFor(double clientWidth, double clientHeight, double captionScale,
                               double belowCaption) {
    const WindowLayout drawn = InitialLayout();
    const double captionRoom =
        kCaptionGap + drawn.lblCurrentPoint.height * captionScale + belowCaption;
    const double shown = ShownRightPanelWidth(clientWidth);
    PictureScales scales;
    // Centred in a panel that runs past the client: both halves must stay in the shown part.
    scales.body =
        std::min({1.0, Share(PanelHeight(clientHeight) - captionRoom, drawn.picShape.height),
                  Share(2 * (shown - kEdgeMargin) - clientWidth / 2, drawn.picShape.width)});
    // Side by side, 600 apart around the panel's middle, the right one ending at the shown edge.
    scales.hands =
        std::min({1.0, Share(shown - kEdgeMargin - clientWidth / 4 - 300, drawn.picHandLeft.width),
                  Share(PanelHeight(clientHeight), drawn.picHandLeft.height)});
    // A window smaller than the minimum (never offered, but a platform may insist) keeps the
    // pictures recognisable rather than shrinking them to nothing.
    scales.body = std::max(scales.body, 0.25);
    scales.hands = std::max(scales.hands, 0.25);
    if (!std::isfinite(scales.body)) scales.body = 1;
    if (!std::isfinite(scales.hands)) scales.hands = 1;
    return scales;
}

TextScales TextScalesFor(int percent, double clientWidth, double clientHeight) {
    TextScales scales;
    if (percent <= 100 || percent > 200) return scales;
    const double wanted = percent / 100.0;
    scales.text = wanted;
    const WindowLayout drawn = InitialLayout();
    // A frame centred in the right panel shows whole while it is no wider than this.
    const double centredRoom =
        2 * (ShownRightPanelWidth(clientWidth) - kEdgeMargin) - clientWidth / 2;
    const double rowsRoom = ShownRightPanelWidth(clientWidth) - kEdgeMargin;
    const auto within = [wanted](double share) {
        return std::isfinite(share) ? std::clamp(share, 1.0, wanted) : 1.0;
    };
    scales.issues = within(std::min(Share(PanelHeight(clientHeight), MinimumIssueListHeight()),
                                    Share(rowsRoom, ISSUE_ROW_LEFT + ISSUE_ROW_WIDTH)));
    scales.sud = within(std::min(Share(centredRoom, drawn.fraSUD_2.width),
                                 Share(PanelHeight(clientHeight), drawn.fraSUD_2.height)));
    return scales;
}

void ArrangeControlsToFit(WindowLayout& layout, double clientWidth, double clientHeight,
                          const TextScales& text, double belowCaption) {
    const WindowLayout drawn = InitialLayout();
    const PictureScales scales =
        PictureScalesFor(clientWidth, clientHeight, text.text, belowCaption);
    layout.lblCurrentPoint.height = drawn.lblCurrentPoint.height * text.text;
    layout.fraMode.width = drawn.fraMode.width * text.issues;
    layout.fraMode.height = drawn.fraMode.height * text.issues;
    layout.fraSUD_2.width = drawn.fraSUD_2.width * text.sud;
    layout.fraSUD_2.height = drawn.fraSUD_2.height * text.sud;
    // The intro and closing texts take more of a wide window before they grow down.
    if (text.text > 1) {
        layout.lblIntro.width = std::clamp(clientWidth - 2 * kIntroMargin, drawn.lblIntro.width,
                                           drawn.lblIntro.width * text.text);
    } else {
        layout.lblIntro.width = drawn.lblIntro.width;
    }
    layout.picShape.width = drawn.picShape.width * scales.body;
    layout.picShape.height = drawn.picShape.height * scales.body;
    for (TwipRect* hand : {&layout.picHandLeft, &layout.picHandRight}) {
        hand->width = drawn.picHandLeft.width * scales.hands;
        hand->height = drawn.picHandLeft.height * scales.hands;
    }
    ArrangeControls(layout, clientWidth, clientHeight);

    // Where the shown part of the right panel is too narrow for the issue frame as centred, the
    // frame moves left into the room its rows leave on their left, so that the rows (the
    // own-words field and "Manage..." the widest) keep the side margin from the window's edge.
    {
        TwipRect& frame = layout.fraMode;
        const double rowsLeft = frame.left + ISSUE_ROW_LEFT * text.issues;
        const double rowsRight = rowsLeft + ISSUE_ROW_WIDTH * text.issues;
        const double over = rowsRight - (ShownRightPanelWidth(clientWidth) - kSideMargin);
        const double room = rowsLeft - kSideMargin;
        if (std::isfinite(over) && over > 0 && room > 0) {
            frame.left = RoundTwips(frame.left - std::min(over, room));
        }
    }

    // The point's caption belongs under the picture, inside the panel: lift both as far as needed.
    TwipRect& shape = layout.picShape;
    TwipRect& caption = layout.lblCurrentPoint;
    const double panel = layout.picRightFrame.height;
    const double lowest =
        RoundTwips(panel - shape.height - kCaptionGap - caption.height - belowCaption);
    if (std::isfinite(lowest) && shape.top > lowest) {
        shape.top = std::max(0.0, lowest);
        caption.top = shape.bottom() + kCaptionGap;
    }
    const TwipRect pause = LowerPausePlace(clientWidth, clientHeight);
    if (std::isfinite(pause.left) && std::isfinite(pause.top)) layout.cmdPause_Bottom = pause;
}

TwipRect LowerPausePlace(double clientWidth, double clientHeight) {
    return {RoundTwips(clientWidth / 2 - LOWER_PAUSE_WIDTH / 2),
            clientHeight - STATUSBAR_HEIGHT - LOWER_PAUSE_HEIGHT, LOWER_PAUSE_WIDTH,
            LOWER_PAUSE_HEIGHT};
}

TwipRect FitIntoArea(const TwipRect& outer, const TwipRect& available) {
    if (!(available.width > 0) || !(available.height > 0)) return outer;
    if (outer.width <= available.width && outer.height <= available.height) return outer;
    const double width = std::min(outer.width, available.width);
    const double height = std::min(outer.height, available.height);
    return {available.left + RoundTwips((available.width - width) / 2),
            available.top + RoundTwips((available.height - height) / 2), width, height};
}

TwipRect OpeningPlace(const TwipRect& wanted, const TwipRect& usable, const TwipRect& available,
                      const TwipSize& least) {
    const TwipRect fitted = FitIntoArea(wanted, usable);
    const double width = std::max(fitted.width, least.width);
    const double height = std::max(fitted.height, least.height);
    if (!(width > fitted.width) && !(height > fitted.height)) return fitted;
    const auto within = [](double start, double size, double areaStart, double areaSize) {
        if (!(areaSize > 0) || !std::isfinite(areaStart)) return start;
        if (size >= areaSize) return areaStart;
        return std::clamp(start, areaStart, areaStart + areaSize - size);
    };
    return {within(fitted.left, width, available.left, available.width),
            within(fitted.top, height, available.top, available.height), width, height};
}

bool PanelsUntold(QStringView platformName, bool availableIsWholeScreen) {
    // The plugin's key names the platform: "wayland", "wayland-egl", "xcb".
    if (platformName.startsWith(u"wayland")) return true;
    return platformName == u"xcb" && availableIsWholeScreen;
}

TwipRect UsableArea(const TwipRect& screen, const TwipRect& available, QStringView platformName) {
    const auto usable = [](const TwipRect& r) {
        return std::isfinite(r.left) && std::isfinite(r.top) && r.width > 0 && r.height > 0 &&
               std::isfinite(r.width) && std::isfinite(r.height);
    };
    if (!usable(screen) || !usable(available)) return available;
    if (!PanelsUntold(platformName, screen == available)) return available;
    // A screen too low to give the panels their room (never a real one) keeps half of itself.
    const double allowance = std::min(PANEL_ALLOWANCE, screen.height / 2);
    const double top = std::max(available.top, screen.top + allowance / 2);
    const double bottom = std::min(available.bottom(), screen.bottom() - allowance / 2);
    if (!(bottom > top)) return available;
    return {available.left, top, available.width, bottom - top};
}

}  // namespace mindrova
