// The session window's side of a step change: panels, texts, markers and the elapsed time.
#include <QCoreApplication>
#include <QScrollBar>

#include "session/line_breaks.h"
#include "session/step_presentation.h"
#include "support/error_trap.h"
#include "support/trace_log.h"
#include "window/ui/frm_main.h"
#include "window/ui/progress_panel.h"
#include "window/ui/status_notices.h"
#include "window/ui/whole_lines.h"
#include "window/ui/window_look.h"

namespace mindrova {
namespace {

// Texts keep CR LF as the procedure writes them; the labels want plain line feeds. Own words
// may be one long run without a space, which a label would cut at its edge rather than wrap.
QString ForDisplay(const QString& text) {
    QString shown = WithBreaksInLongRuns(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// A screen reader reads a label by its accessible name: the text itself, or what the label is
// for while it is empty.
void SetCaption(QLabel* label, const QString& text, const QString& roleName) {
    if (label->text() != text) label->setText(text);
    const QString name = text.isEmpty() ? roleName : text;
    if (label->accessibleName() != name) label->setAccessibleName(name);
}

}  // namespace

void frmMain::DisplayStep(Step step) {
    int line = 0;
    Trap(
        {"frmMain", "DisplayStep"},
        [&] {
            if (TraceEnabled) {
                WriteLog(QStringLiteral("Start DisplayStep, penmStep = ") + GetStepTraceName(step));
            }
            HideAllDots();
            const StepVisibility v = GetStepVisibility(step);
            fraMode->setVisible(v.fraMode);
            fraSUD_2->setVisible(v.fraSUD_2);
            if (picShape->markerVisible(0) != v.shpGreen) picShape->setMarkerVisible(0, v.shpGreen);
            picLeftFrame->setVisible(v.panels);
            picRightFrame->setVisible(v.panels);
            lblSplit->setVisible(v.panels);
            picHandLeft->setVisible(v.hands);
            picHandRight->setVisible(v.hands);
            picShape->setVisible(v.picShape);
            lblIntro->setVisible(v.lblIntro);
            scrIntro->setVisible(v.lblIntro);
            ShowStepTexts(step);
            if (TraceEnabled) {
                WriteLog(QStringLiteral("End DisplayStep, penmStep = ") + GetStepTraceName(step));
            }
        },
        &line, [this] { StopTimer(); });
}

void frmMain::ShowStepTexts(Step step) {
    if (step == estSelectIssue) mProgress->BuildOwnWords();
    const QString point = GetStepDescription(step);
    SetCaption(lblCurrentPoint, point, tr("Current point"));
    // Without a point the caption has nothing to say: hidden, a screen reader does not report an
    // empty label over the rows of the issue list.
    if (lblCurrentPoint->isHidden() != point.isEmpty()) lblCurrentPoint->setHidden(point.isEmpty());
    if (mTextScales.text > 1) FitLargerLines();
    picShape->setAccessibleDescription(point.isEmpty() ? QString() : tr("Tap: %1").arg(point));
    const QString title = GetSegmentTitle(step);
    // A larger title may wrap to another number of lines: the panel is laid out again.
    const bool newTitleHeight = mTextScales.text > 1 && title != lblSegmentTitle->text();
    SetCaption(lblSegmentTitle, title, tr("Step title"));
    if (newTitleHeight && !isMinimized()) ArrangeControls();
    const QString text = ForDisplay(GetStepInstructions(step));
    if (TextGoesOnIntroLabel(step)) {
        SetCaption(lblIntro, text, tr("Introduction"));
        FitIntroText();
    } else {
        // A new step's instructions are read from their beginning.
        if (lblLeftFrame->text() != text) scrLeftFrame->verticalScrollBar()->setValue(0);
        SetCaption(lblLeftFrame, text, tr("Instructions"));
        ShowWholeLines(*scrLeftFrame, *lblLeftFrame, mScale.rect(mLayout.lblLeftFrame).height());
    }
    mProgress->StepEntered(step);
    PlaceProgress();
    for (const auto& part : mParts) part->StepShown(text, !TextGoesOnIntroLabel(step));
}

QString frmMain::GetSegmentTitle(Step step) {
    QString result;
    int line = 0;
    Trap(
        {"frmMain", "GetSegmentTitle"},
        [&] { result = SegmentTitleText(step, mController.State().gblnPositiveSequence); }, &line,
        [this] { StopTimer(); });
    return result;
}

QString frmMain::GetStepInstructions(Step step) {
    QString result;
    int line = 0;
    Trap(
        {"frmMain", "GetStepInstructions"},
        [&] { result = StepInstructionsText(step, mController.State()); }, &line,
        [this] { StopTimer(); });
    return result;
}

void frmMain::UpdateTimeElapsed(qint32 seconds) {
    int line = 0;
    Trap(
        {"frmMain", "UpdateTimeElapsed"},
        [&] {
            const QString shown = FormatElapsedTime(seconds);
            lblTime_New->setText(shown);
            lblTime_New->setAccessibleDescription(shown);
        },
        &line, [this] { StopTimer(); });
    // One yield to pending events a second; the controller keeps a tick from running inside it.
    QCoreApplication::processEvents();
}

MarkerPicture* frmMain::markerPicture(int index) const {
    for (MarkerPicture* p : {picShape, picHandLeft, picHandRight}) {
        if (p->hasMarker(index)) return p;
    }
    return nullptr;
}

bool frmMain::markerShown(int index) const {
    const MarkerPicture* p = markerPicture(index);
    return p != nullptr && p->markerVisible(index) && p->isVisibleTo(this);
}

QColor frmMain::markerColour(int index) const {
    const MarkerPicture* p = markerPicture(index);
    return p ? p->markerFill(index) : QColor();
}

void frmMain::HideAllDots() {
    for (int i = 1; i <= MARKER_COUNT; ++i) {
        if (MarkerPicture* p = markerPicture(i)) p->setMarkerVisible(i, false);
    }
}

void frmMain::PaintDotsGreenOrRed(bool green) {
    int line = 0;
    Trap(
        {"frmMain", "PaintDotsGreenOrRed"},
        [&] {
            mGreenDots = green;
            const LookColours look = ColoursFor(CurrentLook());
            const QColor colour = green ? look.markerGreen : look.markerRed;
            for (int i = 1; i <= MARKER_COUNT; ++i) {
                line = 10;
                if (MarkerPicture* p = markerPicture(i)) p->setMarkerColours(i, colour, colour);
            }
        },
        &line, [this] { StopTimer(); });
}

void frmMain::ShowMarker(qint32 index, bool shown) {
    if (MarkerPicture* p = markerPicture(index)) p->setMarkerVisible(index, shown);
}

}  // namespace mindrova
