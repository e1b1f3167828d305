// Instructions taller than their room scroll in whole lines: the area is a whole number of lines
// high, its scroll bar shows, and a step of the bar is one line; a text that fits keeps the room
// the layout gives it.
#include "window/ui/whole_lines.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "fixtures/find_control.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

struct AreaRow {
    const char* name;
    Step step;
    QSize client;
    int textScale;
    friend void PrintTo(const AreaRow& row, std::ostream* out) { *out << row.name; }
};

class WholeLines : public mindrova::testing::SessionWindowTest,
                   public ::testing::WithParamInterface<AreaRow> {
protected:
    mindrova::testing::SettingsFolder folder;
};

TEST_P(WholeLines, TheAreaEndsOnALineAndScrollsByLines) {
    const AreaRow& row = GetParam();
    window->SetTextScalePercent(row.textScale);
    window->resize(row.client);
    SessionController& session = window->controller();
    // Next leaves a round at once: the negative rounds for the relaxation, a positive one for
    // the reassessment.
    for (int i = 0; i < 40 && session.State().genmCurrentStep != row.step; ++i) session.Next();
    ASSERT_EQ(session.State().genmCurrentStep, row.step);
    QCoreApplication::processEvents();
    auto* area = Control<QScrollArea>(window, "scrLeftFrame");
    auto* text = Control<QLabel>(window, "lblLeftFrame");
    const int line = QFontMetrics(text->font()).lineSpacing();
    const QScrollBar* bar = area->verticalScrollBar();
    EXPECT_EQ(bar->singleStep(), line);
    const QWidget* panel = Control(window, "picLeftFrame");
    EXPECT_LE(area->geometry().bottom(), panel->height()) << "inside its panel";
    if (text->heightForWidth(area->viewport()->width()) > area->height()) {
        EXPECT_EQ(area->height() % line, 0) << "a whole number of lines";
        EXPECT_TRUE(bar->isVisibleTo(window)) << "the scroll bar shows that more follows";
        EXPECT_EQ(area->viewport()->height() % line, 0);
    } else {
        EXPECT_FALSE(bar->isVisibleTo(window));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WholeLines,
    ::testing::Values(AreaRow{"RelaxOnALaptop", estRelax, QSize(1366, 700), 100},
                      AreaRow{"ReassessOnASmallScreen", estReassessSUD, QSize(1024, 540), 100},
                      AreaRow{"ReassessAtTwiceTheText", estReassessSUD, QSize(1366, 700), 200},
                      AreaRow{"ThymusAtTheSmallestSize", estStimulateThymus, QSize(100, 100), 100},
                      AreaRow{"SelectIssueFitsAsDrawn", estSelectIssue, QSize(1152, 733), 100}),
    [](const ::testing::TestParamInfo<AreaRow>& info) { return std::string(info.param.name); });

}  // namespace
