// The pace kept in [Session] of the settings file: what reads back, and that anything unusable
// reads calmly as the procedure's own pace.
#include "session/session_options.h"
#include "fixtures/settings_folder.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "support/settings_store.h"

using namespace mindrova;

namespace {

struct LoadRow {
    const char* name;
    QVariant seconds;  // invalid: not in the file
    QVariant round;
    int wantSeconds;
    RoundKind wantRound;
    friend void PrintTo(const LoadRow& row, std::ostream* out) { *out << row.name; }
};

class SessionOptionsLoad : public ::testing::TestWithParam<LoadRow> {
protected:
    QString File() const { return folder.ConfPath(); }
    mindrova::testing::SettingsFolder folder;
};

TEST_P(SessionOptionsLoad, ReadsTheFileOrFallsBackCalmly) {
    const LoadRow& row = GetParam();
    {
        QSettings file(File(), QSettings::IniFormat);
        if (row.seconds.isValid()) file.setValue("Session/SecondsPerPoint", row.seconds);
        if (row.round.isValid()) file.setValue("Session/Round", row.round);
    }
    const SessionPace pace = LoadSessionOptions();
    EXPECT_EQ(pace.secondsPerPoint, row.wantSeconds);
    EXPECT_EQ(pace.round, row.wantRound);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SessionOptionsLoad,
    ::testing::Values(LoadRow{"Missing", {}, {}, 2, RoundKind::Full},
                      LoadRow{"Chosen", 5, "one-side", 5, RoundKind::OneSide},
                      LoadRow{"Slowest", 10, "full", 10, RoundKind::Full},
                      LoadRow{"Fastest", 1, " One-Side ", 1, RoundKind::OneSide},
                      LoadRow{"Zero", 0, {}, 2, RoundKind::Full},
                      LoadRow{"Eleven", 11, {}, 2, RoundKind::Full},
                      LoadRow{"Negative", -3, {}, 2, RoundKind::Full},
                      LoadRow{"NotANumber", "abc", {}, 2, RoundKind::Full},
                      LoadRow{"UnknownRound", 3, "half", 3, RoundKind::Full},
                      LoadRow{"EmptyRound", {}, "", 2, RoundKind::Full}),
    [](const ::testing::TestParamInfo<LoadRow>& info) { return std::string(info.param.name); });

TEST(SessionOptionsSave, WritesTheNamesTheFileKeepsAndReadsThemBack) {
    mindrova::testing::SettingsFolder folder;
    EXPECT_TRUE(SaveSessionOptions({7, RoundKind::OneSide}));
    const QSettings file(folder.ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(file.value("Session/SecondsPerPoint").toInt(), 7);
    EXPECT_EQ(file.value("Session/Round").toString(), "one-side");
    EXPECT_EQ(LoadSessionOptions(), (SessionPace{7, RoundKind::OneSide}));
    EXPECT_TRUE(SaveSessionOptions({42, RoundKind::Full})) << "an unusable pace saves the default";
    EXPECT_EQ(LoadSessionOptions(), (SessionPace{2, RoundKind::Full}));
}

}  // namespace
