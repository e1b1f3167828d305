// "Follow the round": on a tapping point the line said there stands out in the instructions and
// the point's place in its round shows under its name; off, the window is exactly as designed.
// The step timer is driven by calling its tick.
#include "display/ui/round_follow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>

#include "display/display_settings.h"
#include "engine/rounds.h"
#include "fixtures/find_control.h"
#include "fixtures/open_session_window.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/settings_folder.h"
#include "session/step_presentation.h"
#include "window/ui/window_look.h"
#include "support/settings_store.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::MakePersonalSession;
using mindrova::testing::NegativeLine;
using mindrova::testing::PositiveLine;

namespace {

struct ShownLine {
    QString text;
    QColor colour;
    bool bold = false;
};

// The lines as the instructions label draws them: its rich text read back line by line.
std::vector<ShownLine> ShownLines(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    std::vector<ShownLine> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ShownLine line{block.text(), label->palette().color(label->foregroundRole()), false};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.foreground().style() != Qt::NoBrush)
                line.colour = format.foreground().color();
            line.bold = format.fontWeight() >= QFont::Bold;
        }
        lines.push_back(line);
    }
    return lines;
}

class FollowTheRound : public ::testing::Test {
protected:
    void TearDown() override {
        if (window) mindrova::testing::CloseSessionWindow(window);
        ApplyApplicationLook(Look::Light);
    }
    void Open(bool follow) {
        if (follow) {
            ASSERT_TRUE(SaveFollowRound(true));
        }
        window = mindrova::testing::OpenSessionWindow();
    }
    SessionController& Session() { return window->controller(); }
    Step Current() { return Session().State().genmCurrentStep; }
    void TickIntoNextPoint() {
        const Step step = Current();
        for (int i = 0; i < 1200 && Current() == step; ++i) Session().tmrSteps_Timer();
        ASSERT_NE(Current(), step) << "the timer never moved on";
    }
    // The session of the user's own, run to the point `point` of the round after `roundsPassed`
    // whole rounds.
    void ReachPoint(const PersonalSession& session, int roundsPassed, int point) {
        Session().Next();
        ASSERT_EQ(Current(), estSelectIssue);
        Session().ChoosePersonalSession(session);
        for (int i = 0; i < 10 && Current() != estTopHead1; ++i) Session().Next();
        ASSERT_EQ(Current(), estTopHead1);
        const int points = roundsPassed * PointsPerRound(Session().State().gPace.round) + point;
        for (int i = 0; i < points; ++i) {
            TickIntoNextPoint();
            if (HasFatalFailure()) return;
        }
    }
    QLabel* Instructions() { return Control<QLabel>(window, "lblLeftFrame"); }
    QLabel* Position() { return window->findChild<QLabel*>("lblRoundPosition"); }
    QString PlainInstructions() {
        return QString(StepInstructionsText(Current(), Session().State()))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    QColor Background() {
        return Instructions()->palette().color(Instructions()->backgroundRole());
    }

    // The place stands under the point's name, not over it, inside the panel, and the picture
    // ends above the name.
    void ExpectPlaceUnderTheName() {
        const auto* name = Control<QLabel>(window, "lblCurrentPoint");
        const int nameTextBottom =
            name->y() + (name->height() + QFontMetrics(name->font()).height()) / 2;
        EXPECT_GE(Position()->y(), nameTextBottom) << "under the point's name";
        EXPECT_LE(Position()->geometry().bottom(), Position()->parentWidget()->height() - 1)
            << "inside the panel";
        EXPECT_GE(Position()->height(), QFontMetrics(Position()->font()).height());
        EXPECT_LE(Control(window, "picShape")->geometry().bottom(), name->y());
    }

    mindrova::testing::SettingsFolder folder;
    frmMain* window = nullptr;
};

struct PointRow {
    const char* name;
    RoundKind round;
    int roundsPassed;
    int point;
    const char* position;
    QString said;
    bool positive;
    friend void PrintTo(const PointRow& row, std::ostream* out) { *out << row.name; }
};

class FollowedPoints : public FollowTheRound, public ::testing::WithParamInterface<PointRow> {
protected:
    void ReachRow() {
        const PointRow& row = GetParam();
        ReachPoint(MakePersonalSession(3, 5, 1, row.round), row.roundsPassed, row.point);
        ASSERT_EQ(Session().State().gblnPositiveSequence, row.positive);
    }
};

TEST_P(FollowedPoints, TheSaidLineStandsOutAndThePlaceShows) {
    Open(true);
    ReachRow();
    if (HasFatalFailure()) return;
    const PointRow& row = GetParam();
    ASSERT_NE(Position(), nullptr);
    EXPECT_TRUE(Position()->isVisibleTo(window));
    EXPECT_EQ(Position()->text(), QString::fromUtf8(row.position));
    EXPECT_EQ(Position()->accessibleName(), QString::fromUtf8(row.position));
    ExpectPlaceUnderTheName();

    const std::vector<ShownLine> lines = ShownLines(Instructions());
    QStringList bold;
    for (const ShownLine& line : lines) {
        if (line.bold) bold << line.text;
    }
    EXPECT_EQ(bold, QStringList{row.said}) << "the one line said on the point stands out";
    const QColor text = Instructions()->palette().color(Instructions()->foregroundRole());
    for (const ShownLine& line : lines) {
        if (line.text.trimmed().isEmpty() || line.text == QChar(0xA0)) continue;
        SCOPED_TRACE(line.text.toStdString());
        EXPECT_GE(ContrastRatio(line.colour, Background()), 4.5);
        if (line.bold) {
            // The round's colour: red while the rounds are negative, green once positive.
            EXPECT_EQ(line.colour.green() > line.colour.red(), row.positive)
                << line.colour.name().toStdString();
        } else {
            EXPECT_LT(ContrastRatio(line.colour, Background()), ContrastRatio(text, Background()))
                << "dimmed";
        }
    }
    // A screen reader reads the plain text, never the markup.
    EXPECT_EQ(Instructions()->accessibleName(), PlainInstructions());
}

TEST_P(FollowedPoints, OffTheScreenIsAsDesigned) {
    Open(false);
    ReachRow();
    if (HasFatalFailure()) return;
    EXPECT_EQ(Instructions()->textFormat(), Qt::PlainText);
    EXPECT_EQ(Instructions()->text(), PlainInstructions());
    EXPECT_TRUE(Position() == nullptr || !Position()->isVisibleTo(window));
    EXPECT_FALSE(Control<QAction>(window, "mnuPopUpFollowRound")->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FollowedPoints,
    ::testing::Values(PointRow{"NegativeRoundOneFirstPoint", RoundKind::Full, 0, 0,
                               "Point 1 of 16 \xC2\xB7 Round 1 of 2", NegativeLine(0), false},
                      PointRow{"NegativeRoundOneFourthPoint", RoundKind::Full, 0, 3,
                               "Point 4 of 16 \xC2\xB7 Round 1 of 2", NegativeLine(0), false},
                      PointRow{"NegativeRoundOneFifthPoint", RoundKind::Full, 0, 4,
                               "Point 5 of 16 \xC2\xB7 Round 1 of 2", NegativeLine(1), false},
                      PointRow{"NegativeRoundTwoLastPoint", RoundKind::Full, 1, 15,
                               "Point 16 of 16 \xC2\xB7 Round 2 of 2", NegativeLine(0), false},
                      PointRow{"PositiveRoundOneSecondPoint", RoundKind::Full, 2, 1,
                               "Point 2 of 16 \xC2\xB7 Round 1", PositiveLine(1), true},
                      PointRow{"PositiveRoundTwoSixthPoint", RoundKind::Full, 3, 5,
                               "Point 6 of 16 \xC2\xB7 Round 2", PositiveLine(0), true},
                      PointRow{"OneSideNegativeRoundTwoThirdPoint", RoundKind::OneSide, 1, 2,
                               "Point 3 of 8 \xC2\xB7 Round 2 of 2", NegativeLine(2), false}),
    [](const ::testing::TestParamInfo<PointRow>& info) { return std::string(info.param.name); });

// The menu item turns it on and off at once, on the point shown, and keeps the choice.
TEST_F(FollowTheRound, TheMenuItemTurnsItOnAndOffAndKeepsTheChoice) {
    Open(false);
    ReachPoint(MakePersonalSession(3, 5, 1), 0, 2);
    if (HasFatalFailure()) return;
    const QString plain = Instructions()->text();
    auto* item = Control<QAction>(window, "mnuPopUpFollowRound");
    EXPECT_EQ(item->text(), "Follow the round");
    EXPECT_TRUE(item->isCheckable());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(LoadDisplaySettings().followRound);
    EXPECT_EQ(Instructions()->textFormat(), Qt::RichText);
    EXPECT_TRUE(Position()->isVisibleTo(window));
    EXPECT_EQ(Position()->text(), QString::fromUtf8("Point 3 of 16 \xC2\xB7 Round 1 of 2"));
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(LoadDisplaySettings().followRound);
    EXPECT_EQ(Instructions()->textFormat(), Qt::PlainText);
    EXPECT_EQ(Instructions()->text(), plain) << "the design's text comes back whole";
    EXPECT_FALSE(Position()->isVisibleTo(window));
}

// Off the points nothing stands out: the relaxation after the rounds reads as designed.
TEST_F(FollowTheRound, StepsThatAreNoPointsShowTheirPlainText) {
    Open(true);
    ReachPoint(MakePersonalSession(3, 5, 1), 0, 1);
    if (HasFatalFailure()) return;
    ASSERT_EQ(Instructions()->textFormat(), Qt::RichText);
    Session().Next();
    ASSERT_EQ(Current(), estRelax);
    EXPECT_EQ(Instructions()->textFormat(), Qt::PlainText);
    EXPECT_EQ(Instructions()->text(), PlainInstructions());
    EXPECT_FALSE(Position()->isVisibleTo(window));
}

// A block longer than the panel scrolls so that the said line is in view.
TEST_F(FollowTheRound, TheSaidLineIsKeptInView) {
    Open(true);
    window->resize(window->minimumSize());
    ReachPoint(MakePersonalSession(32, 5, 1), 0, 15);
    if (HasFatalFailure()) return;
    auto* area = Control<QScrollArea>(window, "scrLeftFrame");
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the block must be longer than the panel";
    EXPECT_GT(bar->value(), 0);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(Instructions()->font());
    document.setHtml(Instructions()->text());
    document.setTextWidth(Instructions()->contentsRect().width());
    int said = -1;
    const std::vector<ShownLine> lines = ShownLines(Instructions());
    for (int i = 0; i < int(lines.size()); ++i) {
        if (lines[i].bold) said = i;
    }
    ASSERT_GE(said, 0);
    EXPECT_EQ(lines[said].text, NegativeLine(15));
    const QRectF line =
        document.documentLayout()->blockBoundingRect(document.findBlockByNumber(said));
    EXPECT_GE(line.top(), bar->value());
    EXPECT_LE(line.bottom(), bar->value() + area->viewport()->height());
}

struct SizeRow {
    const char* name;
    QSize client;
    int textScale;
    friend void PrintTo(const SizeRow& row, std::ostream* out) { *out << row.name; }
};

class FollowedSizes : public FollowTheRound, public ::testing::WithParamInterface<SizeRow> {};

// The picture makes room for the place under the name in every window, the text larger or not.
TEST_P(FollowedSizes, ThePlaceHasRoomUnderTheName) {
    Open(true);
    window->SetTextScalePercent(GetParam().textScale);
    window->resize(GetParam().client.expandedTo(window->minimumSize()));
    ReachPoint(MakePersonalSession(3, 5, 1), 0, 7);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Position()->isVisibleTo(window));
    ExpectPlaceUnderTheName();
}

INSTANTIATE_TEST_SUITE_P(Sizes, FollowedSizes,
                         ::testing::Values(SizeRow{"Smallest", QSize(0, 0), 100},
                                           SizeRow{"SmallScreen", QSize(1024, 540), 100},
                                           SizeRow{"Laptop", QSize(1366, 700), 100},
                                           SizeRow{"SmallScreenLargestText", QSize(1024, 540), 200},
                                           SizeRow{"WideLargestText", QSize(1920, 1000), 200}),
                         [](const ::testing::TestParamInfo<SizeRow>& info) {
                             return std::string(info.param.name);
                         });

struct LookRow {
    const char* name;
    Look look;
    friend void PrintTo(const LookRow& row, std::ostream* out) { *out << row.name; }
};

class FollowedLooks : public FollowTheRound, public ::testing::WithParamInterface<LookRow> {};

// Each look keeps the dimmed lines and the said one readable.
TEST_P(FollowedLooks, EveryLineStaysReadable) {
    Open(true);
    ApplyApplicationLook(GetParam().look);
    window->ApplyLook();
    for (const int roundsPassed : {0, 2}) {
        if (roundsPassed == 2) {
            for (int i = 0; i < 2 * 16 - 1; ++i) TickIntoNextPoint();
        } else {
            ReachPoint(MakePersonalSession(3, 5, 1), 0, 1);
        }
        if (HasFatalFailure()) return;
        const double least = FollowContrastFor(GetParam().look);
        for (const ShownLine& line : ShownLines(Instructions())) {
            if (line.text.trimmed().isEmpty() || line.text == QChar(0xA0)) continue;
            SCOPED_TRACE(line.text.toStdString());
            EXPECT_GE(ContrastRatio(line.colour, Background()), least);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, FollowedLooks,
                         ::testing::Values(LookRow{"Light", Look::Light},
                                           LookRow{"Dark", Look::Dark},
                                           LookRow{"HighContrast", Look::HighContrast}),
                         [](const ::testing::TestParamInfo<LookRow>& info) {
                             return std::string(info.param.name);
                         });

struct ColourRow {
    const char* name;
    QColor wanted;
    QColor background;
    double least;
    friend void PrintTo(const ColourRow& row, std::ostream* out) { *out << row.name; }
};

class FollowColours : public ::testing::TestWithParam<ColourRow> {};

TEST_P(FollowColours, ReadAtTheLeastContrastAndNoMore) {
    const ColourRow& row = GetParam();
    const QColor readable = ReadableOn(row.wanted, row.background, row.least);
    EXPECT_GE(ContrastRatio(readable, row.background), row.least);
    if (ContrastRatio(row.wanted, row.background) >= row.least) {
        EXPECT_EQ(readable, row.wanted);
    }
    const QColor dimmed = DimmedOn(row.wanted, row.background, row.least);
    if (ContrastRatio(row.wanted, row.background) >= row.least) {
        EXPECT_GE(ContrastRatio(dimmed, row.background), row.least);
        // Dimmed as far as it may go: one more step toward the background would be too faint.
        EXPECT_LT(ContrastRatio(dimmed, row.background), row.least + 0.5);
    } else {
        EXPECT_EQ(dimmed, row.wanted) << "a text already faint is left as it is";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FollowColours,
    ::testing::Values(ColourRow{"RedOnWhite", QColor(255, 0, 0), Qt::white, 4.5},
                      ColourRow{"GreenOnWhite", QColor(0, 255, 0), Qt::white, 4.5},
                      ColourRow{"BlackOnWhite", Qt::black, Qt::white, 4.5},
                      ColourRow{"RedOnDarkGrey", QColor(200, 0, 0), QColor(40, 40, 40), 4.5},
                      ColourRow{"WhiteOnBlackHighContrast", Qt::white, Qt::black, 7.0},
                      ColourRow{"GreyOnWhiteAlreadyFaint", QColor(200, 200, 200), Qt::white, 4.5}),
    [](const ::testing::TestParamInfo<ColourRow>& info) { return std::string(info.param.name); });

}  // namespace
