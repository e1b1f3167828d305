#include "session/speech_settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fixtures/qstring_printer.h"
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
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetSettingsFolder(folder.path());
    }
    void TearDown() override { SetSettingsFolder({}); }

    QString ConfPath() const { return folder.filePath("Quellbrook/Mindrova.conf"); }
    void WriteConf(const QByteArray& bytes) const {
        ASSERT_TRUE(QDir().mkpath(folder.filePath("Quellbrook")));
        QFile file(ConfPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
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
        OddCase{"EnabledWordIsNotOn", "Enabled=true\n", {}},
        OddCase{"RateTooFast", "Rate=900\n", {false, "", "", 100, 80}},
        OddCase{"RateTooSlow", "Rate=-101\n", {false, "", "", -100, 80}},
        OddCase{"RateText", "Rate=fast\n", {}},
        OddCase{"VolumeNegative", "Volume=-5\n", {false, "", "", 0, 0}},
        OddCase{"VolumeTooLoud", "Volume=250\n", {false, "", "", 0, 100}},
        OddCase{"EngineSpacesTrimmed", "Engine=\"  flite \"\n", {false, "flite", "", 0, 80}},
        OddCase{"VoiceList", "Voice=a, b\n", {}},
        OddCase{"UnknownKeysIgnored", "Pitch=3\nEnabled=1\n", {true, "", "", 0, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpeechSettingsFile, AnUnparsableFileReadsDefaults) {
    WriteConf("not a settings file\n[Speech]\nEnabled=1\n%%\n");
    EXPECT_EQ(LoadSpeechSettings(), SpeechSettings{});
}

}  // namespace
