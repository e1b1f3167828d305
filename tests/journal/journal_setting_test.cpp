#include "journal/journal_setting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <string>

#include "fixtures/settings_folder.h"
#include "fixtures/unprivileged_user.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

const QString kWindowPosition = QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;

class JournalSettingFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        UseFolder(folder.path());
    }
    void TearDown() override { SetSettingsFolder({}); }

    // Each folder is a settings file of its own, out of reach of QSettings' cache of another.
    void UseFolder(const QString& path) {
        current = path;
        SetSettingsFolder(path);
    }
    QString ConfPath() const { return mindrova::testing::ConfPathIn(current); }
    void WriteConf(const QByteArray& bytes) const {
        mindrova::testing::WriteConfIn(current, bytes);
    }
    // What a later run reads: a parse of a copy of the file, not QSettings' cache.
    QString EnabledOnDisk() const {
        const QString copy = current + "/copy.ini";
        QFile::remove(copy);
        if (!QFile::copy(ConfPath(), copy)) return "no file";
        return QSettings(copy, QSettings::IniFormat).value("Journal/Enabled").toString();
    }
    // The window position saved on closing, the write every run makes.
    static void CloseWindow() {
        SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left", 300);
    }

    QTemporaryDir folder;
    QString current;
};

struct SwitchCase {
    const char* name;
    QByteArray file;
    bool on;
    friend void PrintTo(const SwitchCase& c, std::ostream* out) { *out << c.name; }
};

class JournalSwitch : public JournalSettingFile,
                      public ::testing::WithParamInterface<SwitchCase> {};

// A choice that reads is kept; one that cannot be read keeps the journal on, also after the
// next rewrite of the file and in the run after that.
TEST_P(JournalSwitch, ReadsTheChoiceAndNeverLosesTheJournalToAnUnreadableOne) {
    WriteConf(GetParam().file);
    EXPECT_EQ(JournalEnabledSetting(), GetParam().on);
    CloseWindow();
    EXPECT_EQ(JournalEnabledSetting(), GetParam().on) << "after the file was rewritten";
    if (GetParam().on) {
        EXPECT_TRUE(EnabledOnDisk() == "1" || EnabledOnDisk() == "true") << "the next run";
    }
}

const QByteArray kRest = "[Speech]\nEngine=flite\n\n[WindowPosition]\nLeft=120\n";

SwitchCase Hostile(const char* name, const QByteArray& value) {
    return {name, "[Journal]\nEnabled=" + value + "\n\n" + kRest, true};
}

INSTANTIATE_TEST_SUITE_P(
    Files, JournalSwitch,
    ::testing::Values(
        SwitchCase{"NeverChosen", kRest, false},
        SwitchCase{"On", "[Journal]\nEnabled=1\n\n" + kRest, true},
        SwitchCase{"Off", "[Journal]\nEnabled=0\n\n" + kRest, false},
        SwitchCase{"TrueWord", "[Journal]\nEnabled=true\n", true},
        SwitchCase{"FalseWord", "[Journal]\nEnabled=false\n", false},
        SwitchCase{"CutGroupHeaderAtTheEnd", "[Journal]\nEnabled=1\n\n" + kRest + "[Window", true},
        SwitchCase{"NeverChosenAndCut", kRest + "[Window", false},
        SwitchCase{"OffAndCut", "[Journal]\nEnabled=0\n\n" + kRest + "[Window", false},
        SwitchCase{"EmptyFile", "", true}, SwitchCase{"CutInItsHeader", "[Jour", true},
        SwitchCase{"CutInItsName", "[Journal]\nEnab", true},
        SwitchCase{"GarbageWhereItStood", "[Journal]\n\x01\xfe\xff\n\n" + kRest, true},
        Hostile("RichText", "<h1>Please call 555-0100</h1><img src=x>"),
        Hostile("TenThousandCharacters", QByteArray(10000, '1')),
        Hostile("Nul", QByteArray("1\0", 2)), Hostile("InvalidUtf8", "\xff\xfe\xc3"),
        Hostile("Two", "2"), Hostile("Empty", "")),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JournalSettingFile, NoFileIsOffAndWritesNothing) {
    EXPECT_FALSE(JournalEnabledSetting());
    EXPECT_FALSE(QFile::exists(ConfPath()));
}

TEST_F(JournalSettingFile, AFileThatCannotBeReadKeepsTheJournalOn) {
    MINDROVA_RUN_AS_UNPRIVILEGED_USER();
    WriteConf("[Journal]\nEnabled=1\n");
    QFile::setPermissions(ConfPath(), QFile::WriteOwner);
    if (QFile probe(ConfPath()); probe.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "permissions do not stop this user";
    }
    EXPECT_TRUE(JournalEnabledSetting());
}

// A file the program wrote, cut short at every byte: the journal stays on in this run and the
// next, and every other value whose line survived still reads.
TEST_F(JournalSettingFile, AFileCutAnywhereNeverTurnsTheJournalOff) {
    ASSERT_TRUE(SaveJournalEnabledSetting(true));
    const QString speech = QString(PROGRAM_KEY) + "\\Speech";
    ASSERT_EQ(SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, speech, "Engine", "flite"),
              SAVE_SUCCEEDED);
    ASSERT_EQ(SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, speech, "Volume", 60),
              SAVE_SUCCEEDED);
    ASSERT_EQ(SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Top", 45),
              SAVE_SUCCEEDED);
    const QByteArray bytes = mindrova::testing::FileBytes(ConfPath());
    ASSERT_TRUE(bytes.startsWith("[Journal]\nEnabled=1\n")) << bytes.data();

    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        const QByteArray kept = bytes.left(cut);
        SCOPED_TRACE(::testing::Message() << "cut at " << cut << ": " << kept.data());
        UseFolder(folder.filePath(QString("cut%1").arg(cut)));
        WriteConf(kept);
        EXPECT_TRUE(JournalEnabledSetting());
        CloseWindow();
        EXPECT_TRUE(JournalEnabledSetting());
        EXPECT_EQ(EnabledOnDisk(), "1");
        if (kept.contains("Engine=flite\n")) {
            EXPECT_EQ(ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, speech, "Engine", {}),
                      "flite");
        }
        if (kept.contains("Volume=60\n")) {
            EXPECT_EQ(ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, speech, "Volume", 0), 60);
        }
        if (kept.contains("Top=45\n")) {
            EXPECT_EQ(ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Top", 0),
                      45);
        }
    }
}

}  // namespace
