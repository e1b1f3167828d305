#pragma once
// How the session window fits a small screen: the smallest client area at which every control
// that any step shows has room, how far the pictures and the issue list give way in a window
// smaller than the layout was drawn for, and an opening size that the screen can hold. All in
// twips; at the window's design size nothing here changes a thing.

#include <QStringView>
#include <vector>

#include "window/window_layout.h"

namespace mindrova {

struct TwipSize {
    double width = 0;
    double height = 0;
    bool operator==(const TwipSize&) const = default;
};

// The rows of the issue list as drawn (option buttons, the own-words caption and field, the row
// of the user's own sessions), in the frame's coordinates: their tops and heights decide how far
// the list can close up.
inline constexpr double ISSUE_ROW_LEFT = 720;
inline constexpr double ISSUE_ROW_WIDTH = 6045;
inline constexpr double ISSUE_LIST_TOP = 510;
inline constexpr double ISSUE_LIST_BOTTOM = 8490;  // the row of the user's own sessions ends here
// The gaps between the rows close up to no less than this share of their drawn height.
inline constexpr double MIN_ISSUE_GAP_SHARE = 0.5;
// Height of the line that repeats the first rating above the scale, and its distance above it.
inline constexpr double RATING_LINE_HEIGHT = 495;
inline constexpr double RATING_LINE_ABOVE_SCALE = 600;
// Below the closing text: a gap, then the line with the change of rating.
inline constexpr double RATING_CHANGE_GAP = 120;

// The smallest client area that holds every control of every step without overlap:
// - width: the issue options and the own-words field (720 + 6045 twips into their frame, which
//   sits at the panel's left edge once the panel is narrower than the frame) inside the part of
//   the right panel that the window shows (half the width less the divider's half);
// - height: the closing text's box, centred, with the rating line under it above the status bar;
//   the issue list closed up as far as it may go; the intro text below the toolbar.
TwipSize MinimumClientSize();

// Room the issue list needs with its gaps closed up as far as they may go.
double MinimumIssueListHeight();

// One row of a column of controls: where it was drawn and how tall it is.
struct Row {
    double top = 0;
    double height = 0;
};

// The rows' new tops when the column must fit into `available` (measured from the column's top
// edge, 0): only the gaps between rows (and above the first) shrink, all by one share, never below
// MIN_ISSUE_GAP_SHARE; rows keep their height and order. With room enough nothing moves. Rows
// are given in any order; overlapping rows keep their overlap.
std::vector<double> ClosedUpTops(const std::vector<Row>& rows, double available);

// How much the pictures shrink in a small window (1: as drawn). The body picture keeps room for
// the point's caption under it; the two hands sit side by side within the shown part of the
// right panel.
struct PictureScales {
    double body = 1;
    double hands = 1;
    bool operator==(const PictureScales&) const = default;
};
// captionScale is the share the point's caption has grown by with larger text: the body picture
// leaves room for the taller caption, and for belowCaption twips more under it (a line that
// follows the round).
PictureScales PictureScalesFor(double clientWidth, double clientHeight, double captionScale = 1,
                               double belowCaption = 0);

// How far the window's texts grow with larger text (1: as drawn). The step texts, the title and
// the point's caption take the chosen share; the issue list and the SUD scale take it as far as
// the right panel holds them with their rows and units grown alike (the issue list closed up as
// far as it may go), never less than as drawn. An unusable percent reads as 100.
struct TextScales {
    double text = 1;
    double issues = 1;
    double sud = 1;
    bool operator==(const TextScales&) const = default;
};
TextScales TextScalesFor(int percent, double clientWidth, double clientHeight);

// ArrangeControls with the pictures given their share: sizes scaled, the body picture lifted just
// enough that the caption under it stays inside the panel. At a size where everything has room
// the result is exactly ArrangeControls'.
// With larger text the point's caption and the option frames grow by their share (the title's
// height is the window's to measure: a long title wraps). The issue rows keep the left panel's
// margin (300) from the window's right edge, the frame moving left as far as its rows allow.
// belowCaption keeps that many twips free under the caption, inside the panel.
void ArrangeControlsToFit(WindowLayout& layout, double clientWidth, double clientHeight,
                          const TextScales& text = {}, double belowCaption = 0);

// The lower Pause button fills the gap between the panels and the status bar, centred under the
// divider, its lower edge on the bar's upper edge: it never straddles the bar, nor covers a panel.
inline constexpr double LOWER_PAUSE_WIDTH = 1215;  // as wide as the toolbar's buttons
inline constexpr double LOWER_PAUSE_HEIGHT = 480;  // the gap less the 30 twips under the panels
inline constexpr double LOWER_PAUSE_ICON = 300;    // its picture, beside the caption
TwipRect LowerPausePlace(double clientWidth, double clientHeight);

// An outer window rectangle that the available area cannot hold is shrunk to fit it and centred
// in it; one that fits is returned unchanged. An empty area changes nothing.
TwipRect FitIntoArea(const TwipRect& outer, const TwipRect& available);

// Where the window opens: the wanted outer rectangle fitted into the usable area. A window that
// cannot be made that small (its smallest outer size is larger) keeps its smallest size and is
// kept within the whole available area instead, so that its foot (the status bar and the menu
// button) stays on the screen; the panels' room gives way first.
TwipRect OpeningPlace(const TwipRect& wanted, const TwipRect& usable, const TwipRect& available,
                      const TwipSize& least);

// A desktop's panels and docks take room that some platforms never tell a program about: a
// Wayland client is given the whole output as its available area, and an X11 desktop that keeps
// no work area reports the whole screen. There a window leaves this much of the screen's height
// to them (64 px at 96 dpi, so it grows with the screen's scale), half above and half below: a
// panel may sit at either edge, and a window centred in what is left clears one at either.
inline constexpr double PANEL_ALLOWANCE = 960;

// True where the available area may hide the desktop's panels: always on Wayland; on X11 when it
// is the whole screen. The headless and framebuffer platforms have no panels: their available
// area is the truth.
bool PanelsUntold(QStringView platformName, bool availableIsWholeScreen);

// What a window may fill on a screen: its available area, less PANEL_ALLOWANCE of height where
// the platform does not tell where the panels are. Never more than the available area; an
// unusable screen (empty, or not a number) leaves the available area as it is.
TwipRect UsableArea(const TwipRect& screen, const TwipRect& available, QStringView platformName);

}  // namespace mindrova
