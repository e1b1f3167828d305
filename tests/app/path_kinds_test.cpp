// Every path the program reads without having just made it, with each kind of thing that can
// stand there. A FIFO nobody writes to would block a read for good, so a reader that waited on
// one hangs its row until ctest's short timeout fails it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "app/ui_language.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qt_application.h"
#include "journal/journal_store.h"
#include "personal/personal_file.h"
#include "personal/personal_import.h"
#include "personal/personal_store.h"
#include "support/settings_store.h"

#include "fixtures/test_files.h"
#include "fixtures/unix_socket.h"

namespace mindrova {
namespace {

enum class Kind { Regular, Fifo, Directory, LinkToRegular, DanglingLink, Socket };

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Regular:
            return "regular";
        case Kind::Fifo:
            return "fifo";
        case Kind::Directory:
            return "directory";
        case Kind::LinkToRegular:
            return "link_to_regular";
        case Kind::DanglingLink:
            return "dangling_link";
        case Kind::Socket:
            return "socket";
    }
    return "?";
}

// Rows named by what stands at the path, not by the enum's bytes.
void PrintTo(Kind kind, std::ostream* out) {
    *out << KindName(kind);
}

bool Readable(Kind kind) {
    return kind == Kind::Regular || kind == Kind::LinkToRegular;
}

using mindrova::testing::MakeSocket;

// Puts the kind at path; makeRegular(file) writes what the reader reads when all is well.
void Plant(Kind kind, const QString& path, const std::function<void(const QString&)>& makeRegular) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QString elsewhere = path + ".target";
    switch (kind) {
        case Kind::Regular:
            makeRegular(path);
            break;
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Kind::Directory:
            ASSERT_TRUE(QDir().mkdir(path));
            break;
        case Kind::LinkToRegular:
            makeRegular(elsewhere);
            ASSERT_TRUE(QFile::link(elsewhere, path));
            break;
        case Kind::DanglingLink:
            ASSERT_TRUE(QFile::link(elsewhere, path));
            break;
        case Kind::Socket:
            ASSERT_TRUE(MakeSocket(path)) << std::strerror(errno);
            break;
    }
}

// What stands at path, as lstat sees it: a reader must leave it as it found it.
mode_t TypeAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

using testing::WriteTestFile;

void WriteSession(const QString& path) {
    WriteTestFile(path, PersonalSessionJson(testing::MakePersonalSession(4, 4)));
}

struct Reader {
    const char* name;
    const char* path;  // in the test's folder
    std::function<void(const QString&)> makeRegular;
    // Reads path (a FIFO there must not block) and checks the calm outcome for kind.
    std::function<void(Kind, const QString& folder, const QString& path)> readAndCheck;
};

const QString kWindowPosition = QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;

const Reader kReaders[] = {
    {"settings", "config/Quellbrook/Mindrova.conf",
     [](const QString& path) { WriteTestFile(path, "[WindowPosition]\nLeft=5\n"); },
     [](Kind kind, const QString& folder, const QString&) {
         SetSettingsFolder(folder + "/config");
         const auto read = [] {
             return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left", -1);
         };
         EXPECT_EQ(read(), Readable(kind) ? 5 : -1);
         EXPECT_FALSE(
             ValueMayHaveBeenLost(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Top"));
         const QString saved =
             SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kWindowPosition, "Left", 8);
         // A link to nothing is no file yet: the write makes the file it names.
         const bool writable = Readable(kind) || kind == Kind::DanglingLink;
         EXPECT_EQ(saved, writable ? SAVE_SUCCEEDED : SAVE_FAILED);
         EXPECT_EQ(read(), writable ? 8 : -1);
         SetSettingsFolder({});
     }},
    {"session_file", "sessions/fear.json", WriteSession,
     [](Kind kind, const QString&, const QString& path) {
         const PersonalSessionRead read = ReadPersonalSessionFile(path);
         EXPECT_EQ(read.session.has_value(), kind == Kind::Regular);
         // Only files kept in the folder itself are read, as the session list says.
         if (kind == Kind::LinkToRegular || kind == Kind::DanglingLink) {
             EXPECT_EQ(read.reason,
                       "The file is a link to another file; only files kept in the "
                       "folder itself are read.");
         } else if (kind != Kind::Regular) {
             EXPECT_EQ(read.reason, "It is not an ordinary file.");
         }
     }},
    {"session_list", "sessions/fear.json", WriteSession,
     [](Kind kind, const QString& folder, const QString&) {
         const PersonalSessionListing listing = ListPersonalSessions(folder + "/sessions");
         EXPECT_EQ(listing.sessions.size(), kind == Kind::Regular ? 1 : 0);
         QStringList problems;
         for (const auto& problem : listing.problems) {
             problems << PersonalSessionProblemText(problem);
         }
         if (kind == Kind::Fifo || kind == Kind::Socket) {
             EXPECT_EQ(problems, QStringList{"fear.json: It is not an ordinary file."});
         } else if (kind == Kind::LinkToRegular || kind == Kind::DanglingLink) {
             ASSERT_EQ(problems.size(), 1);
             EXPECT_TRUE(problems[0].startsWith("fear.json: The file is a link"));
         } else {
             // A folder named like a session file is no session file: not listed, not refused.
             EXPECT_EQ(problems, QStringList{});
         }
     }},
    {"session_import", "elsewhere/fear.json", WriteSession,
     [](Kind kind, const QString& folder, const QString& path) {
         const ImportOutcome outcome = ImportPersonalSession(folder + "/sessions", path);
         EXPECT_EQ(outcome.result,
                   kind == Kind::Regular ? ImportResult::Imported : ImportResult::Refused);
         if (kind == Kind::Fifo || kind == Kind::Socket || kind == Kind::Directory) {
             EXPECT_EQ(outcome.message, path + " was not imported. It is not an ordinary file.");
         }
     }},
    {"journal", "data/journal.sqlite",
     [](const QString& path) {
         JournalStore made(path);
         ASSERT_TRUE(made.Open());
     },
     [](Kind kind, const QString&, const QString& path) {
         JournalStore store(path);
         store.SetBusyTimeout(200);
         EXPECT_EQ(store.Open(), Readable(kind));
         if (!Readable(kind)) {
             EXPECT_EQ(store.Problem(), JournalProblem::Unavailable);
         }
     }},
    {"translation", "translations/mindrova_de.qm",
     [](const QString& path) {
         ASSERT_TRUE(
             QFile::copy(QStringLiteral(MINDROVA_TEST_TRANSLATIONS "/mindrova_de.qm"), path));
     },
     [](Kind kind, const QString& folder, const QString&) {
         const QString installed =
             InstallUiLanguage("de", {folder + "/translations"}, folder + "/no-qt-translations");
         EXPECT_EQ(installed, Readable(kind) ? "de" : "en");
         InstallUiLanguage("en", {}, {});
     }},
};

constexpr Kind kKinds[] = {Kind::Regular,       Kind::Fifo,         Kind::Directory,
                           Kind::LinkToRegular, Kind::DanglingLink, Kind::Socket};

class PathKinds : public ::testing::TestWithParam<std::tuple<Kind, int>> {
protected:
    void SetUp() override { testing::Application(); }
};

TEST_P(PathKinds, AreReadCalmlyWithoutWaitingAndLeftAsTheyWere) {
    const auto [kind, index] = GetParam();
    const Reader& reader = kReaders[index];
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(reader.path);
    Plant(kind, path, reader.makeRegular);
    const mode_t before = TypeAt(path);
    reader.readAndCheck(kind, folder.path(), path);
    if (!Readable(kind) && kind != Kind::DanglingLink) {
        EXPECT_EQ(TypeAt(path), before) << "what stood there was left as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryReader, PathKinds,
                         ::testing::Combine(::testing::ValuesIn(kKinds),
                                            ::testing::Range(0, int(std::size(kReaders)))),
                         [](const auto& info) {
                             return std::string(KindName(std::get<0>(info.param))) + "_" +
                                    kReaders[std::get<1>(info.param)].name;
                         });

}  // namespace
}  // namespace mindrova

namespace mindrova {
namespace {

// SQLite opens the files it keeps beside the journal as well; a FIFO put at one of those names is
// not waited on either, and the journal is left as it was.
class JournalCompanion : public ::testing::TestWithParam<const char*> {};

TEST_P(JournalCompanion, AFifoThereLeavesTheJournalUnavailableWithoutWaiting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("journal.sqlite");
    {
        JournalStore made(path);
        ASSERT_TRUE(made.Open());
    }
    QFile::remove(path + "-wal");
    QFile::remove(path + "-shm");
    const QString companion = path + GetParam();
    ASSERT_EQ(::mkfifo(QFile::encodeName(companion).constData(), 0600), 0);
    JournalStore store(path);
    store.SetBusyTimeout(200);
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Problem(), JournalProblem::Unavailable);
    EXPECT_EQ(TypeAt(companion), mode_t(S_IFIFO));
}

INSTANTIATE_TEST_SUITE_P(Names, JournalCompanion, ::testing::Values("-wal", "-shm", "-journal"),
                         [](const auto& info) { return std::string(info.param + 1); });

}  // namespace
}  // namespace mindrova
