#include "support/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <limits>
#include <string_view>

#include "fixtures/settings_folder.h"
#include "fixtures/unprivileged_user.h"

namespace mindrova {
namespace {

using namespace std::literals;

const QString kWindowPosition = QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetSettingsFolder(folder_.path());
    }
    void TearDown() override {
        // Undo any chmod so the folder can be removed.
        QDirIterator it(folder_.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SetSettingsFolder({});
    }

    QString Path(const QString& relative) const { return folder_.filePath(relative); }
    QString ConfPath() const { return testing::ConfPathIn(folder_.path()); }
    void WriteConf(std::string_view bytes) const {
        testing::WriteConfIn(folder_.path(), QByteArray(bytes.data(), qsizetype(bytes.size())));
    }

    QStringList Files() const {
        QStringList files;
        QDirIterator it(folder_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) files << QDir(folder_.path()).relativeFilePath(it.next());
        return files;
    }

    // Parses a copy of the file, out of reach of QSettings' in-process cache, so that this sees
    // what a later run of the program would.
    QMap<QString, QString> ReadFromDisk() {
        const QString copy = Path("copy.ini");
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(ConfPath(), copy));
        QSettings settings(copy, QSettings::IniFormat);
        QMap<QString, QString> values;
        for (const QString& key : settings.allKeys()) values[key] = settings.value(key).toString();
        EXPECT_EQ(settings.status(), QSettings::NoError);
        return values;
    }

    QTemporaryDir folder_;
};

qint32 Read(const QString& name, qint32 defaultValue) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, name, defaultValue);
}
QString Save(const QString& name, qint32 value) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, name, value);
}

class RoundTrip : public SettingsStoreTest, public ::testing::WithParamInterface<qint32> {};

TEST_P(RoundTrip, ReadsBackWhatWasSaved) {
    EXPECT_EQ(Save("Left", GetParam()), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 77), GetParam());
    EXPECT_EQ(ReadFromDisk().value("WindowPosition/Left"), QString::number(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTrip,
                         ::testing::Values(0, -120, 14400, std::numeric_limits<qint32>::min(),
                                           std::numeric_limits<qint32>::max()));

TEST_F(SettingsStoreTest, MissingFileGroupOrValueReadsDefaultAndCreatesNothing) {
    EXPECT_EQ(Read("Left", -5), -5);
    EXPECT_TRUE(Files().isEmpty());
    WriteConf("[Other]\nLeft=1\n");
    EXPECT_EQ(Read("Left", -5), -5);
    WriteConf("[Other]\nLeft=1\n[WindowPosition]\nTop=2\n");
    EXPECT_EQ(Read("Left", -5), -5);
}

TEST_F(SettingsStoreTest, WriteCreatesTheFileInTheOrganizationFolder) {
    EXPECT_EQ(Save("Left", -120), SAVE_SUCCEEDED);
    EXPECT_EQ(Files(), QStringList{"Quellbrook/Mindrova.conf"});
    EXPECT_EQ(testing::FileBytes(ConfPath()), "[WindowPosition]\nLeft=-120\n");
}

TEST_F(SettingsStoreTest, DefaultFolderFollowsXdgConfigHome) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Path("xdg").toLocal8Bit());
    SetSettingsFolder({});
    const QString status = Save("Top", 3);
    saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(status, SAVE_SUCCEEDED);
    EXPECT_EQ(Files(), QStringList{"xdg/Quellbrook/Mindrova.conf"});
}

TEST_F(SettingsStoreTest, TextValueReadsDefaultUntilAWriteReplacesIt) {
    QSettings(ConfPath(), QSettings::IniFormat).setValue("WindowPosition/Left", "sixty");
    EXPECT_EQ(Read("Left", 3), 3);
    EXPECT_EQ(Save("Left", 60), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 3), 60);
}

const QString kSpeech = QString(PROGRAM_KEY) + QStringLiteral("\\Speech");

QString ReadText(const QString& name) {
    return ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, kSpeech, name, "default");
}
QString SaveText(const QString& name, const QString& value) {
    return SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, kSpeech, name, value);
}

struct TextCase {
    const char* name;
    QString value;
    friend void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }
};

class TextRoundTrip : public SettingsStoreTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextRoundTrip, ReadsBackWhatWasSavedAlsoInALaterRun) {
    const QString value = GetParam().value;
    ASSERT_EQ(SaveText("Voice", value), SAVE_SUCCEEDED);
    EXPECT_EQ(ReadText("Voice"), value);
    EXPECT_EQ(ReadFromDisk().value("Speech/Voice"), value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextRoundTrip,
    ::testing::Values(TextCase{"Plain", "flite"}, TextCase{"Empty", ""},
                      TextCase{"WithComma", "English, United States"},
                      TextCase{"WithSpacesAround", "  kal16 "}, TextCase{"LooksLikeANumber", "16"},
                      TextCase{"NonLatin", QString::fromUtf8("Zo\xc3\xab \xe2\x80\x99s")},
                      TextCase{"Brackets", "[Speech]=x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, TextsSitBesideTheWindowPositionWithoutDisturbingIt) {
    ASSERT_EQ(Save("Left", 120), SAVE_SUCCEEDED);
    ASSERT_EQ(SaveText("Engine", "flite"), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 0), 120);
    EXPECT_EQ(Files(), QStringList{"Quellbrook/Mindrova.conf"});
    const auto disk = ReadFromDisk();
    EXPECT_EQ(disk.value("WindowPosition/Left"), "120");
    EXPECT_EQ(disk.value("Speech/Engine"), "flite");
}

TEST_F(SettingsStoreTest, MissingOrListValuedTextReadsTheDefault) {
    EXPECT_EQ(ReadText("Voice"), "default");
    WriteConf("[Speech]\nVoice=a, b\n");
    EXPECT_EQ(ReadText("Voice"), "default");
}

TEST_F(SettingsStoreTest, TextsAreWrittenIntoADamagedFileWithWhatStillReads) {
    WriteConf("not a settings file\n[Speech]\nVoice=x\nEngine=flite\n%%\n[Window");
    EXPECT_EQ(ReadText("Engine"), "flite");
    EXPECT_EQ(SaveText("Voice", "kal"), SAVE_SUCCEEDED);
    EXPECT_EQ(ReadText("Voice"), "kal");
    const QMap<QString, QString> expected{{"Speech/Engine", "flite"}, {"Speech/Voice", "kal"}};
    EXPECT_EQ(ReadFromDisk(), expected);
}

TEST_F(SettingsStoreTest, KeysThatNameNoValueAreRefused) {
    const QString k = kWindowPosition;
    const std::pair<QString, QString> cases[] = {
        {"Quellbrook\\Mindrova\\WindowPosition", "Left"},
        {"Software\\Quellbrook", "Left"},
        {"Software\\\\Mindrova\\WindowPosition", "Left"},
        {k + "\\", "Left"},
        {k, ""},
        {k, "Left/Top"},
    };
    for (const auto& [subKey, name] : cases) {
        SCOPED_TRACE((subKey + " : " + name).toStdString());
        EXPECT_EQ(SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, subKey, name, 1), SAVE_FAILED);
        EXPECT_EQ(ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, subKey, name, 5), 5);
    }
    EXPECT_TRUE(Files().isEmpty());
}

struct DamagedFile {
    const char* name;
    std::string_view bytes;
    qint32 left;  // what "Left" reads: the value where it still reads whole, else the default
    friend void PrintTo(const DamagedFile& file, std::ostream* out) { *out << file.name; }
};

class Damaged : public SettingsStoreTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(Damaged, KeepsWhatStillReadsAndTheNextWriteLeavesACleanFile) {
    WriteConf(GetParam().bytes);
    EXPECT_EQ(Read("Left", 1234), GetParam().left);
    EXPECT_EQ(Read("Left", 1234), GetParam().left) << "a second read sees the same";
    EXPECT_EQ(Save("Left", -120), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 1234), -120);
    for (const QString& value : ReadFromDisk()) {
        EXPECT_TRUE(QRegularExpression("^-?\\d+$").match(value).hasMatch()) << value.toStdString();
    }
}

constexpr qint32 kDefault = 1234;

INSTANTIATE_TEST_SUITE_P(
    Files, Damaged,
    ::testing::Values(
        DamagedFile{"garbage", "Left=10\nnot a settings file\n[WindowPosition]\nLeft=10\n%%\n", 10},
        DamagedFile{"nameless_value", "[WindowPosition]\n=x\nLeft=10\n", 10},
        DamagedFile{"truncated_line", "[WindowPosition]\nLeft=10\nTo", 10},
        DamagedFile{"truncated_section", "[WindowPosition]\nLeft=10\n[Window", 10},
        DamagedFile{"binary", "[WindowPosition]\nLeft=10\n\0\x01\xfe\xff\0\n"sv, 10},
        DamagedFile{"nul_in_value", "[WindowPosition]\nLeft=1\0\x02\n"sv, kDefault},
        DamagedFile{"empty", "", kDefault},
        DamagedFile{"text", "[WindowPosition]\nLeft=abc\n", kDefault},
        DamagedFile{"empty_value", "[WindowPosition]\nLeft=\n", kDefault},
        DamagedFile{"fraction", "[WindowPosition]\nLeft=1.5\n", kDefault},
        DamagedFile{"too_large", "[WindowPosition]\nLeft=4294967296\n", kDefault},
        DamagedFile{"leading_space", "[WindowPosition]\nLeft=\" 12\"\n", kDefault}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, RepairKeepsEveryValueThatStillReads) {
    WriteConf("[WindowPosition]\nLeft=10\nTop=abc\nnot a setting\n[Other]\nX=7\nY=a, b\n[Window");
    EXPECT_EQ(Save("Width", 300), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 0), 10);
    const QMap<QString, QString> expected{{"Other/X", "7"},
                                          {"Other/Y", ""},  // a list: toString() gives nothing
                                          {"WindowPosition/Left", "10"},
                                          {"WindowPosition/Top", "abc"},
                                          {"WindowPosition/Width", "300"}};
    EXPECT_EQ(ReadFromDisk(), expected);
    EXPECT_TRUE(testing::FileBytes(ConfPath()).contains("Y=a, b\n"));
}

struct SwitchWord {
    const char* name;
    const char* value;
    qint32 read;
    friend void PrintTo(const SwitchWord& c, std::ostream* out) { *out << c.name; }
};

class SwitchWords : public SettingsStoreTest, public ::testing::WithParamInterface<SwitchWord> {};

// Hand-edited files and other Qt programs write a switch as a word.
TEST_P(SwitchWords, ReadAsTheNumbersWrittenForASwitch) {
    const std::string bytes = std::string("[WindowPosition]\nState=") + GetParam().value + "\n";
    WriteConf(bytes);
    EXPECT_EQ(Read("State", 77), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SwitchWords,
    ::testing::Values(SwitchWord{"True", "true", 1}, SwitchWord{"False", "false", 0},
                      SwitchWord{"Capitals", "TRUE", 1}, SwitchWord{"Mixed", "False", 0},
                      SwitchWord{"Quoted", "\"true\"", 1}, SwitchWord{"Yes", "yes", 77},
                      SwitchWord{"OnWord", "on", 77}, SwitchWord{"Truthy", "truely", 77},
                      SwitchWord{"Spaced", "\" true\"", 77}),
    [](const auto& info) { return std::string(info.param.name); });

struct LostCase {
    const char* name;
    std::string_view bytes;
    const char* group;
    const char* value;
    bool mayBeLost;
    friend void PrintTo(const LostCase& c, std::ostream* out) { *out << c.name; }
};

class MayHaveBeenLost : public SettingsStoreTest, public ::testing::WithParamInterface<LostCase> {};

TEST_P(MayHaveBeenLost, OnlyWhereTheDamageCouldHaveHeldTheValue) {
    const LostCase& c = GetParam();
    WriteConf(c.bytes);
    EXPECT_EQ(ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER,
                                   QString(PROGRAM_KEY) + "\\" + c.group, c.value),
              c.mayBeLost);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MayHaveBeenLost,
    ::testing::Values(
        LostCase{"Whole", "[Journal]\nEnabled=1\n[Speech]\nRate=3\n", "Speech", "Engine", false},
        LostCase{"WholeWithoutTheGroup", "[Speech]\nRate=3\n", "Journal", "Enabled", false},
        LostCase{"ThereButCut", "[Journal]\nEnabled=1", "Journal", "Enabled", false},
        LostCase{"Empty", "", "Journal", "Enabled", true},
        LostCase{"CutHeader", "[Jour", "Journal", "Enabled", true},
        LostCase{"HeaderOnly", "[Journal]\n", "Journal", "Enabled", true},
        LostCase{"CutKey", "[Journal]\nEna", "Journal", "Enabled", true},
        LostCase{"CutInALaterGroup", "[Speech]\nEngine=flite\n[Window", "Journal", "Enabled",
                 false},
        LostCase{"CutBeforeItsPlace", "[Speech]\nEngine=flite\n[Window", "WindowPosition", "Left",
                 true},
        LostCase{"JunkBetweenItsNeighbours", "[Speech]\nEngine=x\n%%\nVolume=3\n", "Speech", "Rate",
                 true},
        LostCase{"JunkElsewhere", "[Journal]\nEnabled=1\n[Speech]\nEngine=x\n%%\n", "Journal",
                 "Other", false},
        LostCase{"EmptyGroup", "[Journal]\n[Speech]\nVolume=3\n", "Journal", "Enabled", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, NothingIsLostWithoutAFile) {
    EXPECT_FALSE(ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition,
                                      QStringLiteral("Left")));
}

// The file cut short at every byte keeps, through a read and the next write, every value whose
// line survived whole.
TEST_F(SettingsStoreTest, AFileCutAnywhereKeepsEveryLineThatSurvived) {
    const QString speech = QString(PROGRAM_KEY) + "\\Speech";
    const auto hkcu = RegistryRoot::HKEY_CURRENT_USER;
    ASSERT_EQ(SaveDWordValue(hkcu, QString(PROGRAM_KEY) + "\\Journal", "Enabled", 1),
              SAVE_SUCCEEDED);
    ASSERT_EQ(SaveDWordValue(hkcu, speech, "Enabled", 1), SAVE_SUCCEEDED);
    ASSERT_EQ(SaveStringValue(hkcu, speech, "Engine", "flite"), SAVE_SUCCEEDED);
    ASSERT_EQ(SaveStringValue(hkcu, speech, "Voice", "English, United States"), SAVE_SUCCEEDED);
    ASSERT_EQ(SaveDWordValue(hkcu, speech, "Rate", -35), SAVE_SUCCEEDED);
    for (const char* name : {"Left", "Top", "Width", "Height"}) {
        ASSERT_EQ(Save(name, 1234), SAVE_SUCCEEDED);
    }
    const QByteArray bytes = testing::FileBytes(ConfPath());
    ASSERT_FALSE(bytes.isEmpty());

    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        SCOPED_TRACE(::testing::Message() << "cut at " << cut << ": " << bytes.left(cut).data());
        // A folder of its own for each cut, out of reach of QSettings' cache of the last one.
        const QString folder = Path(QString("cut%1").arg(cut));
        ASSERT_TRUE(testing::WriteConfIn(folder, bytes.left(cut)));
        SetSettingsFolder(folder);

        // The lines that survived whole, by group and name.
        QMap<QString, QString> survived;
        QString group;
        for (const QByteArray& line :
             bytes.left(cut).split('\n').mid(0, bytes.left(cut).count('\n'))) {
            if (line.startsWith('[')) group = QString::fromUtf8(line.mid(1, line.size() - 2));
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) survived[group + "/" + line.left(equals)] = line.mid(equals + 1);
        }
        const auto checkSurvivors = [&](const char* when) {
            SCOPED_TRACE(when);
            for (auto it = survived.cbegin(); it != survived.cend(); ++it) {
                const QString subKey = QString(PROGRAM_KEY) + "\\" + it.key().section('/', 0, 0);
                const QString name = it.key().section('/', 1);
                if (name == "Engine") {
                    EXPECT_EQ(ReadStringValue(hkcu, subKey, name, "gone"), it.value());
                } else if (name == "Voice") {  // a comma: written quoted
                    EXPECT_EQ(ReadStringValue(hkcu, subKey, name, "gone"),
                              "English, United States");
                } else {
                    EXPECT_EQ(ReadDWordValue(hkcu, subKey, name, -999), it.value().toInt())
                        << it.key().toStdString();
                }
            }
        };
        checkSurvivors("read");
        ASSERT_EQ(Save("State", 2), SAVE_SUCCEEDED);
        EXPECT_EQ(Read("State", 0), 2);
        checkSurvivors("after the next write");
        // What a later run reads: a parse of the rewritten file, not the cache.
        const QString copy = folder + "/copy.ini";
        ASSERT_TRUE(QFile::copy(testing::ConfPathIn(folder), copy));
        QSettings later(copy, QSettings::IniFormat);
        EXPECT_EQ(later.status(), QSettings::NoError);
        for (auto it = survived.cbegin(); it != survived.cend(); ++it) {
            EXPECT_TRUE(later.contains(it.key())) << it.key().toStdString();
        }
    }
}

struct BlockedWrite {
    const char* name;
    std::function<void(const QString& folder)> block;
    const char* probe;  // a file that the block should make unwritable; null if it always works
    qint32 kept;        // what "Left" reads after the failed write
    friend void PrintTo(const BlockedWrite& way, std::ostream* out) { *out << way.name; }
};

class Blocked : public SettingsStoreTest, public ::testing::WithParamInterface<BlockedWrite> {};

TEST_P(Blocked, WriteReportsFailureAndKeepsTheOldValue) {
    // The permission rows need a user whom permissions stop.
    if (GetParam().probe != nullptr) MINDROVA_RUN_AS_UNPRIVILEGED_USER();
    WriteConf("[WindowPosition]\nLeft=7\n");
    GetParam().block(folder_.path());
    if (GetParam().probe != nullptr) {
        QFile probe(Path(GetParam().probe));
        if (probe.open(QIODevice::Append)) {
            GTEST_SKIP() << "permissions do not stop this user; the other blocked writes "
                            "still cover the failure";
        }
    }
    EXPECT_EQ(Save("Left", 99), SAVE_FAILED);
    EXPECT_EQ(Read("Left", -1), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Blocked,
    ::testing::Values(BlockedWrite{"read_only_file",
                                   [](const QString& folder) {
                                       QFile::setPermissions(folder + "/Quellbrook/Mindrova.conf",
                                                             QFile::ReadOwner);
                                   },
                                   "Quellbrook/Mindrova.conf", 7},
                      BlockedWrite{"read_only_folder",
                                   [](const QString& folder) {
                                       QFile::remove(folder + "/Quellbrook/Mindrova.conf");
                                       QFile::setPermissions(folder + "/Quellbrook",
                                                             QFile::ReadOwner | QFile::ExeOwner);
                                   },
                                   "Quellbrook/probe", -1},
                      BlockedWrite{"file_is_a_folder",
                                   [](const QString& folder) {
                                       QFile::remove(folder + "/Quellbrook/Mindrova.conf");
                                       QDir().mkpath(folder + "/Quellbrook/Mindrova.conf");
                                   },
                                   nullptr, -1},
                      BlockedWrite{"folder_is_a_file",
                                   [](const QString& folder) {
                                       QDir(folder + "/Quellbrook").removeRecursively();
                                       QFile file(folder + "/Quellbrook");
                                       file.open(QIODevice::WriteOnly);
                                   },
                                   nullptr, -1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mindrova
