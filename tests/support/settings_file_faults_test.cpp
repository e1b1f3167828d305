// The settings file under faults a person's machine really has: something other than a file
// where it should be (also appearing while the program runs), a full disk, other users.
#include "support/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <functional>

#include "support/regular_file.h"

#include "fixtures/test_files.h"
#include "fixtures/unix_socket.h"

namespace mindrova {
namespace {

const QString kWindowPosition = QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;

qint32 Read(const QString& name, qint32 defaultValue) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, name, defaultValue);
}
QString Save(const QString& name, qint32 value) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, name, value);
}
QString SaveText(const QString& name, const QString& value) {
    return SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, name, value);
}

QByteArray Bytes(const QString& path) {
    return testing::FileBytes(path, "<unreadable>");
}

using mindrova::testing::MakeSocket;

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetSettingsFolder(folder_.path());
    }
    void TearDown() override { SetSettingsFolder({}); }

    QString Folder() const { return folder_.filePath("Quellbrook"); }
    QString ConfPath() const { return folder_.filePath("Quellbrook/Mindrova.conf"); }
    QStringList Entries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
};

// Something other than a file where the settings file should be, put there while the program
// runs: nothing waits on it, reads give the defaults, writes fail and leave it where it is, and
// once a file is back, it reads as before.
struct Replacement {
    const char* name;
    std::function<bool(const QString& path)> make;
    mode_t type;
    friend void PrintTo(const Replacement& r, std::ostream* out) { *out << r.name; }
};

class BecomesUnreadable : public SettingsFile, public ::testing::WithParamInterface<Replacement> {};

TEST_P(BecomesUnreadable, ReadsDefaultsAndRefusesWritesWithoutReplacingIt) {
    ASSERT_EQ(Save("Left", 7), SAVE_SUCCEEDED);
    ASSERT_EQ(SaveText("Voice", "Anna"), SAVE_SUCCEEDED);
    const QByteArray before = Bytes(ConfPath());
    const QString kept = folder_.filePath("kept.conf");
    ASSERT_TRUE(QFile::rename(ConfPath(), kept));
    ASSERT_TRUE(GetParam().make(ConfPath())) << std::strerror(errno);

    EXPECT_EQ(Read("Left", -1), -1);
    EXPECT_EQ(ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Voice", "none"),
              "none");
    EXPECT_FALSE(ValueStored(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left"));
    EXPECT_FALSE(ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left"));
    EXPECT_EQ(Save("Left", 9), SAVE_FAILED);
    EXPECT_EQ(SaveText("Voice", "Ben"), SAVE_FAILED);
    EXPECT_EQ(ModeOf(ConfPath()) & S_IFMT, GetParam().type) << "left where it was";
    EXPECT_EQ(Entries(), QStringList{"Mindrova.conf"}) << "no file of a write left behind";

    // The user puts the file back: the values read as they were written.
    ASSERT_TRUE(QFileInfo(ConfPath()).isDir() ? QDir().rmdir(ConfPath())
                                              : QFile::remove(ConfPath()));
    ASSERT_TRUE(QFile::rename(kept, ConfPath()));
    EXPECT_EQ(Bytes(ConfPath()), before);
    EXPECT_EQ(Read("Left", -1), 7);
    EXPECT_EQ(Save("Left", 11), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", -1), 11);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BecomesUnreadable,
    ::testing::Values(Replacement{"fifo",
                                  [](const QString& path) {
                                      return ::mkfifo(QFile::encodeName(path).constData(), 0600) ==
                                             0;
                                  },
                                  S_IFIFO},
                      Replacement{"directory",
                                  [](const QString& path) { return QDir().mkdir(path); }, S_IFDIR},
                      Replacement{"socket", MakeSocket, S_IFSOCK}),
    [](const auto& info) { return std::string(info.param.name); });

// People keep their configuration files as links into a folder of their own.
TEST_F(SettingsFile, ALinkToAFileIsReadAndWrittenThroughAndStaysALink) {
    const QString real = folder_.filePath("dotfiles/mindrova.conf");
    ASSERT_TRUE(QDir().mkpath(folder_.filePath("dotfiles")));
    testing::WriteTestFile(real, "[WindowPosition]\nLeft=5\n");
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_TRUE(QFile::link(real, ConfPath()));
    EXPECT_EQ(Read("Left", -1), 5);
    EXPECT_EQ(Save("Top", 6), SAVE_SUCCEEDED);
    EXPECT_TRUE(QFileInfo(ConfPath()).isSymLink());
    EXPECT_EQ(Bytes(real), "[WindowPosition]\nLeft=5\nTop=6\n");
    EXPECT_EQ(Entries(), QStringList{"Mindrova.conf"});
}

TEST_F(SettingsFile, ALinkToNothingReadsAsNoFileAndAWriteMakesTheFileItNames) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    const QString real = folder_.filePath("elsewhere.conf");
    ASSERT_TRUE(QFile::link(real, ConfPath()));
    EXPECT_EQ(Read("Left", -1), -1);
    EXPECT_FALSE(ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left"));
    EXPECT_EQ(Save("Left", 3), SAVE_SUCCEEDED);
    EXPECT_TRUE(QFileInfo(ConfPath()).isSymLink());
    EXPECT_EQ(Bytes(real), "[WindowPosition]\nLeft=3\n");
}

// Whether the journal and guidance are on and which voice speaks is nobody else's business.
TEST_F(SettingsFile, TheFolderAndTheFileAreTheOwnersAloneFromTheFirstWrite) {
    const mode_t umaskBefore = ::umask(022);
    SetSettingsFolder(folder_.filePath("config"));  // not there yet either
    const QString status = Save("Left", 1);
    ::umask(umaskBefore);
    ASSERT_EQ(status, SAVE_SUCCEEDED);
    EXPECT_EQ(ModeOf(folder_.filePath("config")) & 07777, 0700u);
    EXPECT_EQ(ModeOf(folder_.filePath("config/Quellbrook")) & 07777, 0700u);
    EXPECT_EQ(ModeOf(folder_.filePath("config/Quellbrook/Mindrova.conf")) & 07777, 0600u);
    EXPECT_EQ(QDir(folder_.filePath("config/Quellbrook")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Mindrova.conf"});
}

TEST_F(SettingsFile, AFolderThatWasThereKeepsItsModeAndAnOpenFileBecomesPrivate) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_EQ(::chmod(QFile::encodeName(Folder()).constData(), 0755), 0);
    testing::WriteTestFile(ConfPath(), "[WindowPosition]\nLeft=5\n");
    ASSERT_EQ(::chmod(QFile::encodeName(ConfPath()).constData(), 0644), 0);
    EXPECT_EQ(Save("Left", 6), SAVE_SUCCEEDED);
    EXPECT_EQ(ModeOf(Folder()) & 07777, 0755u);
    EXPECT_EQ(ModeOf(ConfPath()) & 07777, 0600u);
}

// Saves in quick succession, each the same size: every one is read back at once, never one
// before it, although each is a new file put in the old one's place.
TEST_F(SettingsFile, EverySaveIsReadBackAtOnce) {
    for (qint32 value = 10; value < 60; ++value) {
        ASSERT_EQ(Save("Left", value), SAVE_SUCCEEDED);
        ASSERT_EQ(Read("Left", -1), value);
    }
}

// A really full file system: a small tmpfs mounted for the test, filled up to the given room.
class FullDisk : public SettingsFile, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        SettingsFile::SetUp();
        mount_ = folder_.filePath("small");
        ASSERT_TRUE(QDir().mkpath(mount_));
        if (::mount("tmpfs", QFile::encodeName(mount_).constData(), "tmpfs", 0,
                    "size=96k,mode=0700") != 0) {
            mounted_ = false;
            GTEST_SKIP() << "a tmpfs cannot be mounted here (" << std::strerror(errno)
                         << "): a full disk needs root or a mount namespace";
        }
        mounted_ = true;
        SetSettingsFolder(mount_);
    }
    void TearDown() override {
        if (mounted_) ::umount2(QFile::encodeName(mount_).constData(), MNT_DETACH);
        SettingsFile::TearDown();
    }

    // Fills the file system until only roomKiB are left.
    void Fill(int roomKiB) {
        QFile filler(mount_ + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'f');
        struct statvfs info {};
        while (::statvfs(QFile::encodeName(mount_).constData(), &info) == 0 &&
               qint64(info.f_bavail) * qint64(info.f_frsize) > qint64(roomKiB) * 1024) {
            if (filler.write(block) != block.size() || !filler.flush()) break;
        }
    }

    QString MountedConf() const { return mount_ + "/Quellbrook/Mindrova.conf"; }

    QString mount_;
    bool mounted_ = false;
};

TEST_P(FullDisk, AFailedSaveLeavesTheOldFileByteForByte) {
    // Three pages of settings, so that the new file is neither all in one buffer nor all out.
    ASSERT_EQ(SaveText("Notes", QString(9000, u'n')), SAVE_SUCCEEDED);
    ASSERT_EQ(Save("Left", 7), SAVE_SUCCEEDED);
    const QByteArray before = Bytes(MountedConf());
    Fill(GetParam());
    const QString status = SaveText("Notes", QString(12000, u'm'));
    if (GetParam() <= 8) {
        EXPECT_EQ(status, SAVE_FAILED) << "there is no room for the new file";
    }
    if (status == SAVE_FAILED) {
        EXPECT_EQ(Bytes(MountedConf()), before);
        EXPECT_EQ(Read("Left", -1), 7);
    } else {
        EXPECT_EQ(ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Notes", {}),
                  QString(12000, u'm'));
    }
    EXPECT_EQ(QDir(mount_ + "/Quellbrook").entryList(QDir::Files | QDir::Hidden),
              QStringList{"Mindrova.conf"})
        << "no file of the write is left behind";
    // Room again: the next save goes through.
    QFile::remove(mount_ + "/filler");
    EXPECT_EQ(SaveText("Notes", "short"), SAVE_SUCCEEDED);
    EXPECT_EQ(Read("Left", -1), 7);
}

INSTANTIATE_TEST_SUITE_P(RoomLeft, FullDisk, ::testing::Values(0, 4, 8, 12, 16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "KiB"; });

}  // namespace
}  // namespace mindrova
