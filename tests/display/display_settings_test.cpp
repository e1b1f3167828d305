#include "display/display_settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fixtures/qstring_printer.h"
#include "fixtures/settings_folder.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

class DisplaySettingsFile : public ::testing::Test {
protected:
    QString ConfPath() const { return folder.ConfPath(); }
    void WriteConf(const QByteArray& bytes) const { folder.WriteConf(bytes); }

    mindrova::testing::SettingsFolder folder;
};

TEST_F(DisplaySettingsFile, NothingSavedIsTheWindowAsItWas) {
    const DisplaySettings s = LoadDisplaySettings();
    EXPECT_EQ(s, DisplaySettings{});
    EXPECT_FALSE(s.steadyMarkers.has_value()) << "the markers follow the desktop";
    EXPECT_EQ(s.textScalePercent, 100);
    EXPECT_EQ(s.appearance, Appearance::System);
    EXPECT_FALSE(QFile::exists(ConfPath()));
}

TEST_F(DisplaySettingsFile, ChoicesComeBackInTheDisplayGroup) {
    WriteConf("[Speech]\nEnabled=1\n");
    ASSERT_TRUE(SaveSteadyMarkers(true));
    ASSERT_TRUE(SaveTextScale(150));
    ASSERT_TRUE(SaveAppearance(Appearance::HighContrast));
    const DisplaySettings s = LoadDisplaySettings();
    EXPECT_EQ(s.steadyMarkers, std::optional<bool>(true));
    EXPECT_EQ(s.textScalePercent, 150);
    EXPECT_EQ(s.appearance, Appearance::HighContrast);
    QSettings onDisk(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(onDisk.value("Speech/Enabled").toString(), "1");
    EXPECT_EQ(onDisk.value("Display/SteadyMarkers").toString(), "1");
    EXPECT_EQ(onDisk.value("Display/TextScale").toString(), "150");
    EXPECT_EQ(onDisk.value("Display/Appearance").toString(), "high-contrast");

    ASSERT_TRUE(SaveSteadyMarkers(false));
    EXPECT_EQ(LoadDisplaySettings().steadyMarkers, std::optional<bool>(false))
        << "off by choice is kept apart from nothing chosen";
}

struct OddFile {
    const char* name;
    const char* conf;
    friend void PrintTo(const OddFile& row, std::ostream* out) { *out << row.name; }
};

class OddDisplayValues : public DisplaySettingsFile,
                         public ::testing::WithParamInterface<OddFile> {};

TEST_P(OddDisplayValues, ReadAsTheDefaults) {
    WriteConf(GetParam().conf);
    EXPECT_EQ(LoadDisplaySettings(), DisplaySettings{});
}

INSTANTIATE_TEST_SUITE_P(
    Display, OddDisplayValues,
    ::testing::Values(OddFile{"ScaleBelowRange", "[Display]\nTextScale=99\n"},
                      OddFile{"ScaleAboveRange", "[Display]\nTextScale=201\n"},
                      OddFile{"ScaleNotANumber", "[Display]\nTextScale=huge\n"},
                      OddFile{"ScaleNegative", "[Display]\nTextScale=-150\n"},
                      OddFile{"SteadyNotZeroOrOne", "[Display]\nSteadyMarkers=2\n"},
                      OddFile{"SteadyText", "[Display]\nSteadyMarkers=maybe\n"},
                      OddFile{"UnknownAppearance", "[Display]\nAppearance=sepia\n"},
                      OddFile{"EmptyAppearance", "[Display]\nAppearance=\n"},
                      OddFile{"UnparsableFile", "[Display\nTextScale=150\x01\xff\n"},
                      OddFile{"FollowRoundTwo", "[Display]\nFollowRound=2\n"},
                      OddFile{"FollowRoundNegative", "[Display]\nFollowRound=-1\n"},
                      OddFile{"FollowRoundText", "[Display]\nFollowRound=yes\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Following the round is off until the user turns it on, and off again when they turn it off.
TEST_F(DisplaySettingsFile, FollowRoundIsKeptAsOneOrZero) {
    EXPECT_FALSE(LoadDisplaySettings().followRound);
    ASSERT_TRUE(SaveFollowRound(true));
    EXPECT_TRUE(LoadDisplaySettings().followRound);
    EXPECT_EQ(QSettings(ConfPath(), QSettings::IniFormat).value("Display/FollowRound").toString(),
              "1");
    ASSERT_TRUE(SaveFollowRound(false));
    EXPECT_FALSE(LoadDisplaySettings().followRound);
    EXPECT_EQ(LoadDisplaySettings(), DisplaySettings{});
}

TEST(AppearanceNames, RoundTripAndRefuseTheUnknown) {
    for (Appearance a :
         {Appearance::System, Appearance::Light, Appearance::Dark, Appearance::HighContrast}) {
        SCOPED_TRACE(AppearanceName(a).toStdString());
        EXPECT_EQ(ParseAppearance(AppearanceName(a)), a);
    }
    EXPECT_EQ(ParseAppearance(" Dark "), Appearance::Dark);
    EXPECT_EQ(ParseAppearance("highcontrast"), std::nullopt);
    EXPECT_EQ(ValidTextScale(200), 200);
    EXPECT_EQ(ValidTextScale(0), 100);
}

}  // namespace
