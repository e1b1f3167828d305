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
    QString ConfPath() const { return Path("Quellbrook/Mindrova.conf"); }

    void WriteConf(std::string_view bytes) const {
        ASSERT_TRUE(QDir().mkpath(Path("Quellbrook")));
        QFile file(ConfPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
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
    QFile file(ConfPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[WindowPosition]\nLeft=-120\n");
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

TEST_F(SettingsStoreTest, TextsAreNotWrittenIntoAnUnparsableFile) {
    WriteConf("not a settings file\n[Speech]\nVoice=x\n%%\n");
    const QByteArray before = [&] {
        QFile f(ConfPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_EQ(SaveText("Voice", "kal"), SAVE_FAILED);
    QFile after(ConfPath());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(ReadText("Voice"), "default");
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
    friend void PrintTo(const DamagedFile& file, std::ostream* out) { *out << file.name; }
};

class Damaged : public SettingsStoreTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(Damaged, ReadsDefaultAndTheNextWriteLeavesACleanFile) {
    WriteConf(GetParam().bytes);
    EXPECT_EQ(Read("Left", 1234), 1234);
    EXPECT_EQ(Read("Left", 1234), 1234) << "a second read must not see a cached partial parse";
    EXPECT_EQ(Save("Left", -120), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 1234), -120);
    for (const QString& value : ReadFromDisk()) {
        EXPECT_TRUE(QRegularExpression("^-?\\d+$").match(value).hasMatch()) << value.toStdString();
    }
}

// Those that fail to parse also hold a good "Left=10" that must not be read.
INSTANTIATE_TEST_SUITE_P(
    Files, Damaged,
    ::testing::Values(DamagedFile{"garbage",
                                  "Left=10\nnot a settings file\n[WindowPosition]\nLeft=10\n%%\n"},
                      DamagedFile{"truncated_line", "[WindowPosition]\nLeft=10\nTo"},
                      DamagedFile{"truncated_section", "[WindowPosition]\nLeft=10\n[Window"},
                      DamagedFile{"binary", "[WindowPosition]\nLeft=10\n\0\x01\xfe\xff\0\n"sv},
                      DamagedFile{"nul_in_value", "[WindowPosition]\nLeft=1\0\x02\n"sv},
                      DamagedFile{"empty", ""}, DamagedFile{"text", "[WindowPosition]\nLeft=abc\n"},
                      DamagedFile{"empty_value", "[WindowPosition]\nLeft=\n"},
                      DamagedFile{"fraction", "[WindowPosition]\nLeft=1.5\n"},
                      DamagedFile{"too_large", "[WindowPosition]\nLeft=4294967296\n"},
                      DamagedFile{"leading_space", "[WindowPosition]\nLeft=\" 12\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, RepairKeepsTheNumbersThatStillParse) {
    WriteConf("[WindowPosition]\nLeft=10\nTop=abc\nnot a setting\n[Other]\nX=7\n");
    EXPECT_EQ(Save("Width", 300), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", 0), 10);
    const QMap<QString, QString> expected{
        {"Other/X", "7"}, {"WindowPosition/Left", "10"}, {"WindowPosition/Width", "300"}};
    EXPECT_EQ(ReadFromDisk(), expected);
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
    WriteConf("[WindowPosition]\nLeft=7\n");
    GetParam().block(folder_.path());
    if (GetParam().probe != nullptr) {
        QFile probe(Path(GetParam().probe));
        if (probe.open(QIODevice::Append)) {
            GTEST_SKIP() << "permissions do not stop this user (root); the other blocked "
                            "writes still cover the failure";
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
