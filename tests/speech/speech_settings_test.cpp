#include "speech/speech_settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fixtures/qstring_printer.h"
#include "fixtures/settings_folder.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace mindrova {
void PrintTo(const SpeechSettings& s, std::ostream* out) {
    *out << "{enabled " << s.enabled << ", engine \"" << s.engine.toStdString() << "\", voice \""
         << s.voice.toStdString() << "\", rate " << s.ratePercent << ", volume " << s.volumePercent
         << "}";
}
}  // namespace mindrova

namespace {

class SpeechSettingsFile : public ::testing::Test {
protected:
    QString ConfPath() const { return folder.ConfPath(); }
    void WriteConf(const QByteArray& bytes) const { folder.WriteConf(bytes); }

    mindrova::testing::SettingsFolder folder;
};

TEST_F(SpeechSettingsFile, NothingSavedReadsOffWithTheDefaultsAndWritesNothing) {
    EXPECT_EQ(LoadSpeechSettings(), SpeechSettings{});
    EXPECT_FALSE(LoadSpeechSettings().enabled);
    EXPECT_FALSE(QFile::exists(ConfPath()));
}

TEST_F(SpeechSettingsFile, ChoicesComeBackInTheSpeechGroupBesideThePosition) {
    WriteConf("[WindowPosition]\nLeft=120\n");
    const SpeechSettings chosen{true, "flite", "kal16", -35, 60};
    ASSERT_TRUE(SaveSpeechSettings(chosen));
    EXPECT_EQ(LoadSpeechSettings(), chosen);
    QSettings onDisk(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(onDisk.value("WindowPosition/Left").toString(), "120");
    EXPECT_EQ(onDisk.value("Speech/Enabled").toString(), "1");
    EXPECT_EQ(onDisk.value("Speech/Engine").toString(), "flite");
    EXPECT_EQ(onDisk.value("Speech/Voice").toString(), "kal16");
    EXPECT_EQ(onDisk.value("Speech/Rate").toString(), "-35");
    EXPECT_EQ(onDisk.value("Speech/Volume").toString(), "60");
}

struct OddCase {
    const char* name;
    QByteArray speech;
    SpeechSettings expected;
    friend void PrintTo(const OddCase& c, std::ostream* out) { *out << c.name; }
};

class OddValues : public SpeechSettingsFile, public ::testing::WithParamInterface<OddCase> {};

TEST_P(OddValues, ReadAsDefaultsOrClamped) {
    WriteConf("[Speech]\n" + GetParam().speech);
    EXPECT_EQ(LoadSpeechSettings(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OddValues,
    ::testing::Values(
        OddCase{"EnabledTwoIsNotOn", "Enabled=2\n", {}},
        OddCase{"EnabledWordIsOn", "Enabled=true\n", {true, "", "", 0, 80}},
        OddCase{"EnabledCapitalWordIsOn", "Enabled=TRUE\n", {true, "", "", 0, 80}},
        OddCase{"EnabledFalseWordIsOff", "Enabled=false\nVolume=7\n", {false, "", "", 0, 7}},
        OddCase{"EnabledOtherWordIsNotOn", "Enabled=yes\n", {}},
        OddCase{"RateTooFast", "Rate=900\n", {false, "", "", 100, 80}},
        OddCase{"RateTooSlow", "Rate=-101\n", {false, "", "", -100, 80}},
        OddCase{"RateText", "Rate=fast\n", {}},
        OddCase{"VolumeNegative", "Volume=-5\n", {false, "", "", 0, 0}},
        OddCase{"VolumeTooLoud", "Volume=250\n", {false, "", "", 0, 100}},
        OddCase{"EngineSpacesTrimmed", "Engine=\"  flite \"\n", {false, "flite", "", 0, 80}},
        OddCase{"VoiceList", "Voice=a, b\n", {}},
        OddCase{"UnknownKeysIgnored", "Pitch=3\nEnabled=1\n", {true, "", "", 0, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpeechSettingsFile, ADamagedFileKeepsWhatStillReads) {
    WriteConf("not a settings file\n[Speech]\nEnabled=1\nEngine=flite\n%%\n[Window");
    EXPECT_EQ(LoadSpeechSettings(), (SpeechSettings{true, "flite", "", 0, 80}));
}

struct HostileCase {
    const char* name;
    QByteArray value;
    friend void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }
};

const char* const kSpeechKeys[] = {"Enabled", "Engine", "Voice", "Rate", "Volume"};
const SpeechSettings kChosen{true, "flite", "kal16", -35, 60};

QByteArray ChosenFileWith(const char* key, const QByteArray& value) {
    QByteArray speech;
    const QList<std::pair<const char*, QByteArray>> lines{{"Enabled", "1"},
                                                          {"Engine", "flite"},
                                                          {"Rate", "-35"},
                                                          {"Voice", "kal16"},
                                                          {"Volume", "60"}};
    for (const auto& [name, chosen] : lines) {
        speech += QByteArray(name) + "=" + (qstrcmp(name, key) == 0 ? value : chosen) + "\n";
    }
    return "[Journal]\nEnabled=1\n\n[Speech]\n" + speech + "\n[WindowPosition]\nLeft=120\n";
}

// What the chosen settings read as when one key holds junk: that key its default, the rest kept.
SpeechSettings ChosenWithDefault(const char* key) {
    const SpeechSettings defaults;
    SpeechSettings s = kChosen;
    const QByteArray k(key);
    if (k == "Enabled") s.enabled = defaults.enabled;
    if (k == "Engine") s.engine = defaults.engine;
    if (k == "Voice") s.voice = defaults.voice;
    if (k == "Rate") s.ratePercent = defaults.ratePercent;
    if (k == "Volume") s.volumePercent = defaults.volumePercent;
    return s;
}

class HostileValues : public SpeechSettingsFile,
                      public ::testing::WithParamInterface<HostileCase> {};

// In every key in turn: that key reads as not chosen, every other choice stays, the next save
// writes cleanly, and the journal's choice beside it is untouched.
TEST_P(HostileValues, ReadAsNotChosenAndLoseNothingElse) {
    for (const char* key : kSpeechKeys) {
        SCOPED_TRACE(key);
        WriteConf(ChosenFileWith(key, GetParam().value));
        const SpeechSettings loaded = LoadSpeechSettings();
        EXPECT_EQ(loaded, ChosenWithDefault(key));
        EXPECT_LE(loaded.engine.size(), 200);
        EXPECT_LE(loaded.voice.size(), 200);
        ASSERT_TRUE(SaveSpeechSettings(loaded));
        EXPECT_EQ(LoadSpeechSettings(), loaded);
        QSettings onDisk(ConfPath(), QSettings::IniFormat);
        EXPECT_EQ(onDisk.value("Journal/Enabled").toString(), "1");
        EXPECT_EQ(onDisk.value("WindowPosition/Left").toString(), "120");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostileValues,
    ::testing::Values(HostileCase{"TenThousandCharacters", QByteArray(10000, '7')},
                      HostileCase{"TenThousandLetters", QByteArray(10000, 'x')},
                      HostileCase{"Nul", QByteArray("fl\0ite", 6)},
                      HostileCase{"InvalidUtf8", "\xff\xfe\xc3"},
                      HostileCase{"DirectionOverride",
                                  "\xe2\x80\xae"
                                  "etilf"},
                      HostileCase{"EscapedControl", "\"a\\x1b[2Jb\""}),
    [](const auto& info) { return std::string(info.param.name); });

// Rich text is only a name that no engine has; it reads as written, to be shown as plain text.
TEST_F(SpeechSettingsFile, RichTextNamesReadAsTheTextTheyAre) {
    const QByteArray rich = "<h1>Please call 555-0100</h1><img src=x>";
    WriteConf(ChosenFileWith("Engine", rich));
    EXPECT_EQ(LoadSpeechSettings().engine, QString::fromLatin1(rich));
    WriteConf(ChosenFileWith("Rate", rich));
    EXPECT_EQ(LoadSpeechSettings(), ChosenWithDefault("Rate"));
    WriteConf(ChosenFileWith("Enabled", rich));
    EXPECT_EQ(LoadSpeechSettings(), ChosenWithDefault("Enabled"));
}

}  // namespace
