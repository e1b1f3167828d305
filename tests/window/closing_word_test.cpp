// The closing exercise where the rating rose shows the gentle word once, under the line with the
// change of rating; where it fell or stayed, or was not taken again, the closing reads as before.
#include "window/ui/closing_word.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "fixtures/qstring_printer.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"
#include "session/gentle_word.h"

using namespace mindrova;

namespace {

struct ClosingRow {
    const char* name;
    int first;               // the rating on Assign SUD
    std::vector<int> later;  // each rating on Reassess SUD, in order
    bool shown;
    friend void PrintTo(const ClosingRow& row, std::ostream* out) { *out << row.name; }
};

class ClosingWordShown : public mindrova::testing::SessionWindowTest,
                         public ::testing::WithParamInterface<ClosingRow> {
protected:
    mindrova::testing::SettingsFolder folder;
};

TEST_P(ClosingWordShown, OnlyWhereTheLastRatingIsHigher) {
    const ClosingRow& row = GetParam();
    SessionController& c = window->controller();
    c.Next();
    c.Next();
    ASSERT_EQ(Current(), estAssignSUD);
    c.lblSUDUnit_Click(row.first);
    for (int i = 0; i < 10 && Current() != estTopHead1; ++i) c.Next();
    for (const int rating : row.later) {
        c.Next();  // from a round to the relaxation or the reassessment
        if (Current() == estRelax) c.Next();
        if (Current() == estTopHead1) c.Next();
        ASSERT_EQ(Current(), estReassessSUD);
        c.lblSUDUnit_Click(rating);
        c.Next();  // on tapping again
        ASSERT_EQ(Current(), estTopHead1);
    }
    c.cmdFinish_Click();
    ASSERT_EQ(Current(), estFinish);
    auto* word = window->findChild<QLabel*>(QStringLiteral("lblClosingGentleWord"));
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->isVisibleTo(window), row.shown);
    auto* intro = window->findChild<QLabel*>(QStringLiteral("lblIntro"));
    EXPECT_FALSE(intro->text().contains(GentleWordText())) << "the closing text stays exact";
    if (!row.shown) return;
    EXPECT_EQ(word->text(), GentleWordText());
    EXPECT_EQ(word->accessibleName(), GentleWordText());
    auto* change = window->findChild<QLabel*>(QStringLiteral("lblRatingChange"));
    ASSERT_TRUE(change->isVisibleTo(window));
    EXPECT_GT(word->geometry().top(), change->geometry().bottom()) << "under the change of rating";
    EXPECT_GE(word->height(), word->heightForWidth(word->width())) << "the word is whole";
    const QWidget* status = window->findChild<QWidget*>(QStringLiteral("picStatusBar"));
    EXPECT_LE(word->geometry().bottom(), status->geometry().top()) << "above the status bar";
    // Once: the word stands in one place on the closing exercise.
    int shown = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && label->text().contains(GentleWordText())) ++shown;
    }
    EXPECT_EQ(shown, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, ClosingWordShown,
                         ::testing::Values(ClosingRow{"RoseOnce", 4, {6}, true},
                                           ClosingRow{"FellThenRose", 5, {2, 7}, true},
                                           ClosingRow{"RoseThenFell", 5, {7, 3}, false},
                                           ClosingRow{"Fell", 6, {2}, false},
                                           ClosingRow{"Stayed", 6, {6}, false},
                                           ClosingRow{"NotRatedAgain", 3, {}, false}),
                         [](const ::testing::TestParamInfo<ClosingRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
