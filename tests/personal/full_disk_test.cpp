// Every writer of the program on a really full file system: the file it would replace keeps its
// old bytes whole, the writer says it failed and why, and nothing is left beside the file. Once
// space is freed the same write succeeds, so a writer that never writes cannot pass.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <ostream>

#include "fixtures/full_file_system.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/test_files.h"
#include "journal/journal_csv.h"
#include "personal/personal_file.h"
#include "personal/personal_import.h"
#include "personal/personal_store.h"
#include "support/whole_file.h"

namespace mindrova {
namespace {

using testing::FullFileSystem;

struct Written {
    bool ok = false;
    QString error;  // what the writer told, for the user or the caller
};

struct WriterCase {
    const char* name;
    // The file the writer is asked to replace, in the full file system; empty for a new file.
    const char* existing;
    // Asks the writer to write; source is a folder outside the full file system.
    std::function<Written(const FullFileSystem& fs, const QString& source)> write;
    // The new content the file holds once the write succeeds.
    std::function<QByteArray()> expected;
};

// A failure names the row, never its bytes.
void PrintTo(const WriterCase& writer, std::ostream* out) {
    *out << writer.name;
}

PersonalSession Edited() {
    PersonalSession session = testing::MakePersonalSession(3, 3);
    session.title = QStringLiteral("Keep me");
    session.setup = QStringLiteral("Even though this is the edited statement, I accept myself.");
    return session;
}

QList<JournalEntry> Entries() {
    JournalEntry entry;
    entry.started = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    entry.issue = QStringLiteral("Guilt");
    entry.ownWords = QStringLiteral("the late reply");
    entry.firstRating = 7;
    entry.laterRatings = {5, 3};
    return {entry};
}

QString Import(const FullFileSystem& fs, const QString& source) {
    const QString path = QDir(source).filePath(QStringLiteral("shared.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(PersonalSessionJson(Edited()));
    file.close();
    testing::ModalRecorder modal;
    modal.setNextAnswer(MessageAnswer::Yes);  // replace the session of the same title
    const ImportOutcome outcome = ImportPersonalSession(fs.Path(), path);
    return outcome.result == ImportResult::Imported || outcome.result == ImportResult::Replaced
               ? QString()
               : outcome.message;
}

Written FromError(const QString& error) {
    return {error.isEmpty(), error};
}

const WriterCase kWriters[] = {
    {"SessionSaved", "keep.json",
     [](const FullFileSystem& fs, const QString&) {
         Written w;
         w.ok = WritePersonalSessionFile(fs.FilePath("keep.json"), Edited(), &w.error);
         return w;
     },
     [] { return PersonalSessionJson(Edited()); }},
    {"SessionMadeNew", nullptr,
     [](const FullFileSystem& fs, const QString&) {
         PersonalSession other = Edited();
         other.title = QStringLiteral("Brand new");
         Written w;
         w.ok = !SaveNewPersonalSession(fs.Path(), other, &w.error).isEmpty();
         return w;
     },
     [] { return QByteArray(); }},
    {"SessionImportedOverItsNamesake", "keep.json",
     [](const FullFileSystem& fs, const QString& source) { return FromError(Import(fs, source)); },
     [] { return PersonalSessionJson(Edited()); }},
    {"JournalExportedOverAnOlderExport", "journal.csv",
     [](const FullFileSystem& fs, const QString&) {
         Written w;
         w.ok = WriteJournalCsv(fs.FilePath("journal.csv"), Entries(), &w.error);
         return w;
     },
     [] { return "\xEF\xBB\xBF" + JournalCsv(Entries()).toUtf8(); }},
    {"AnyFileAsCreated", "report.txt",
     [](const FullFileSystem& fs, const QString&) {
         Written w;
         w.ok = WriteWholeFile(fs.FilePath("report.txt"), QByteArray(300, 'n'),
                               FileAccess::AsCreated, &w.error);
         return w;
     },
     [] { return QByteArray(300, 'n'); }},
};

QStringList Names(const FullFileSystem& fs) {
    // The filler is hidden; whatever a writer leaves is listed, hidden or not.
    QStringList names = QDir(fs.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral(".filler"));
    return names;
}

QByteArray Bytes(const QString& path) {
    return testing::FileBytes(path, "<unreadable>");
}

class FullDiskWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(FullDiskWriter, KeepsTheOldFileWholeSaysWhyAndWritesOnceThereIsSpace) {
    const WriterCase& writer = GetParam();
    FullFileSystem fs;
    if (!fs.Mounted()) GTEST_SKIP() << fs.Refusal().toStdString();
    QTemporaryDir source;
    ASSERT_TRUE(source.isValid());

    // An older file of the same title and a longer text than the new one: a file cut short or
    // emptied shows as a difference.
    PersonalSession older = Edited();
    older.setup = QStringLiteral(
        "The older statement, longer than the edited one will be, and "
        "still the one the user last saved in this very file.");
    const QByteArray old = QString::fromLatin1(writer.existing ? writer.existing : "")
                                   .endsWith(QStringLiteral(".json"))
                               ? PersonalSessionJson(older)
                               : QByteArray(2000, 'o');
    if (writer.existing) {
        ASSERT_TRUE(testing::WriteTestFile(fs.FilePath(writer.existing), old));
    }
    const QStringList before = Names(fs);
    ASSERT_TRUE(fs.Fill()) << "the file system still takes bytes";

    const Written full = writer.write(fs, source.path());
    EXPECT_FALSE(full.ok) << "a write on a full disk must not be reported as done";
    EXPECT_TRUE(full.error.contains(QStringLiteral("No space left on device")))
        << full.error.toStdString();
    if (writer.existing) {
        EXPECT_EQ(Bytes(fs.FilePath(writer.existing)), old) << "the old file is whole";
    }
    EXPECT_EQ(Names(fs), before) << "nothing is left beside the file";

    fs.Free();
    const Written freed = writer.write(fs, source.path());
    ASSERT_TRUE(freed.ok) << freed.error.toStdString();
    if (writer.existing) {
        EXPECT_EQ(Bytes(fs.FilePath(writer.existing)), writer.expected());
        EXPECT_EQ(Names(fs), before);
    } else {
        EXPECT_EQ(Names(fs).size(), before.size() + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FullDiskWriter, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<WriterCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace mindrova
