#include "display/ui/round_follow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "display/display_settings.h"
#include "session/round_position.h"
#include "session/session_controller.h"
#include "session/spoken_texts.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

constexpr double kBlendStep = 0.02;

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

bool IsLight(const QColor& colour) {
    return ContrastRatio(colour, Qt::black) >= ContrastRatio(colour, Qt::white);
}

// One paragraph a line, so that the said line is the document's block of the same number.
QString Paragraph(const QString& line, const QColor& colour, bool said) {
    if (line.isEmpty()) return QStringLiteral("<p style=\"margin:0\">&nbsp;</p>");
    return QStringLiteral(
               "<p style=\"margin:0; white-space:pre-wrap\"><span "
               "style=\"color:%1;%2\">%3</span></p>")
        .arg(colour.name(), said ? QStringLiteral(" font-weight:700;") : QString(),
             line.toHtmlEscaped());
}

}  // namespace

double FollowContrastFor(Look look) {
    return look == Look::HighContrast ? 7.0 : 4.5;
}

QColor ReadableOn(const QColor& wanted, const QColor& background, double least) {
    const QColor end = IsLight(background) ? QColor(Qt::black) : QColor(Qt::white);
    for (double share = 0; share < 1; share += kBlendStep) {
        const QColor colour = Blend(wanted, end, share);
        if (ContrastRatio(colour, background) >= least) return colour;
    }
    return end;
}

QColor DimmedOn(const QColor& text, const QColor& background, double least) {
    QColor dimmed = text;
    for (double share = kBlendStep; share < 1; share += kBlendStep) {
        const QColor colour = Blend(text, background, share);
        if (ContrastRatio(colour, background) < least) break;
        dimmed = colour;
    }
    return dimmed;
}

RoundFollow::RoundFollow(SessionController& controller, QMenu& menu, QAction* before,
                         QLabel& instructions, QScrollArea& area, QLabel& pointName,
                         std::function<void()> layOut)
    : mController(controller),
      mInstructions(instructions),
      mArea(area),
      mPointName(pointName),
      mLayOut(std::move(layOut)),
      mEnabled(LoadDisplaySettings().followRound) {
    mnuPopUpFollowRound = new QAction(tr(FOLLOW_ROUND_ITEM), &menu);
    mnuPopUpFollowRound->setObjectName(QStringLiteral("mnuPopUpFollowRound"));
    mnuPopUpFollowRound->setCheckable(true);
    mnuPopUpFollowRound->setChecked(mEnabled);
    menu.insertAction(before, mnuPopUpFollowRound);
    connect(mnuPopUpFollowRound, &QAction::triggered, this, [this] { Toggle(); });

    lblRoundPosition = new QLabel(pointName.parentWidget());
    lblRoundPosition->setObjectName(QStringLiteral("lblRoundPosition"));
    lblRoundPosition->setAccessibleName(tr("Place in the round"));
    lblRoundPosition->setTextFormat(Qt::PlainText);
    lblRoundPosition->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblRoundPosition->setHidden(true);
}

void RoundFollow::Toggle() {
    Trap({"frmMain", "mnuPopUpFollowRound_Click"}, [&] {
        SetEnabled(!mEnabled);
        SaveFollowRound(mEnabled);
    });
}

void RoundFollow::SetEnabled(bool on) {
    mnuPopUpFollowRound->setChecked(on);
    if (on == mEnabled) return;
    mEnabled = on;
    if (mLayOut) mLayOut();
    Show();
}

void RoundFollow::StepShown(const QString& instructions, bool onInstructions) {
    if (onInstructions) mPlainText = instructions;
    Show();
}

void RoundFollow::Relayout() {
    if (!mEnabled || lblRoundPosition->isHidden()) return;
    Show();
}

void RoundFollow::ShowPlain() {
    if (!lblRoundPosition->isHidden()) lblRoundPosition->setHidden(true);
    if (mInstructions.textFormat() != Qt::PlainText) {
        mInstructions.setTextFormat(Qt::PlainText);
        mInstructions.setText(mPlainText);
    }
}

void RoundFollow::Show() {
    Trap({"frmMain", "FollowRound"}, [&] {
        const SessionState& state = mController.State();
        const QString position = mEnabled ? RoundPositionText(state) : QString();
        if (position.isEmpty()) {
            ShowPlain();
            return;
        }
        const FollowedLines lines = LinesToFollow(mPlainText, PointIndexInRound(state));
        if (lines.said < 0) {
            ShowPlain();
        } else {
            const QPalette palette = mInstructions.palette();
            const QColor background = palette.color(mInstructions.backgroundRole());
            const QColor text = palette.color(mInstructions.foregroundRole());
            const LookColours look = ColoursFor(CurrentLook());
            const double least = FollowContrastFor(CurrentLook());
            const QColor round = ReadableOn(
                state.gblnPositiveSequence ? look.markerGreen : look.markerRed, background, least);
            const QColor dimmed = DimmedOn(text, background, least);
            QString html;
            for (int i = 0; i < lines.lines.size(); ++i) {
                html +=
                    Paragraph(lines.lines[i], i == lines.said ? round : dimmed, i == lines.said);
            }
            mInstructions.setTextFormat(Qt::RichText);
            if (mInstructions.text() != html) mInstructions.setText(html);
            KeepInView(lines.said);
        }
        if (lblRoundPosition->text() != position) {
            lblRoundPosition->setText(position);
            lblRoundPosition->setAccessibleName(position);
        }
        PlacePositionLine();
        if (lblRoundPosition->isHidden()) lblRoundPosition->setHidden(false);
    });
}

// Under the point's name, as wide, in a smaller size of its font; never past the panel's bottom.
void RoundFollow::PlacePositionLine() {
    QFont font = mPointName.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    if (lblRoundPosition->font() != font) lblRoundPosition->setFont(font);
    const QRect name = mPointName.geometry();
    const int height = QFontMetrics(font).height() + 4;
    const int lowest = lblRoundPosition->parentWidget()->height() - height;
    const int fromTextBottom =
        name.top() + (name.height() + QFontMetrics(mPointName.font()).height()) / 2 + 2;
    const QRect place(name.left(), std::max(0, std::min(fromTextBottom, lowest)), name.width(),
                      height);
    if (lblRoundPosition->geometry() != place) lblRoundPosition->setGeometry(place);
    lblRoundPosition->raise();
}

// The instructions scroll so that the said line shows with a line of room above and below it.
void RoundFollow::KeepInView(int block) {
    // The label takes its new height when the posted layout requests run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(mInstructions.font());
    document.setHtml(mInstructions.text());
    document.setTextWidth(mInstructions.contentsRect().width());
    const QTextBlock said = document.findBlockByNumber(block);
    if (!said.isValid()) return;
    const QRectF line = document.documentLayout()->blockBoundingRect(said);
    const int room = QFontMetrics(mInstructions.font()).lineSpacing();
    mArea.ensureVisible(0, int(line.center().y()), 0, int(line.height() / 2) + room);
}

}  // namespace mindrova
