// Saving in the session editor when the file cannot simply be written: on a really full file
// system the editor stays open with everything typed and says why, Save tries again once there is
// room and Save elsewhere exports what is typed; and a file changed meanwhile (by another running
// copy) is overwritten only when the user says so, or both are kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <optional>
#include <ostream>

#include "fixtures/find_control.h"
#include "fixtures/full_file_system.h"
#include "fixtures/installed_translation.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/ui/frm_personal_session_edit.h"
#include "personal/ui/frm_personal_sessions.h"
#include "personal/ui/personal_lines_editor.h"
#include "window/ui/layout_check.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::FileBytes;
using mindrova::testing::FullFileSystem;
using mindrova::testing::PutSessionFile;

namespace {

const QString kTypedSetup =
    QStringLiteral("Even though I typed this for a long time, I accept it.");
const QString kTypedLines = QStringLiteral("Words I took care over.\nMore of them.");

PersonalSession Session(const QString& title, const QString& setup) {
    return {title, setup, {QStringLiteral("My hands are wet.")}, {QStringLiteral("I am safe.")},
            {},    {}};
}

PersonalSession Typed(const QString& title) {
    PersonalSession session = Session(title, kTypedSetup);
    session.negative = kTypedLines.split(u'\n');
    return session;
}

void Type(QObject& editor) {
    Control<QPlainTextEdit>(&editor, "txtSetup")->setPlainText(kTypedSetup);
    Control<PersonalLinesEditor>(&editor, "lstNegativeEditor")->SetLines(kTypedLines.split(u'\n'));
}

// What the editor holds is what was typed: nothing was cleared or put back.
void ExpectStillTyped(QObject& editor) {
    EXPECT_EQ(Control<QPlainTextEdit>(&editor, "txtSetup")->toPlainText(), kTypedSetup);
    EXPECT_EQ(Control<PersonalLinesEditor>(&editor, "lstNegativeEditor")->Rows().join(u'\n'),
              kTypedLines);
}

class SessionEditorSave : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    mindrova::testing::ModalRecorder modal;
};

struct FullDiskCase {
    const char* name;
    bool existing;  // Edit on a session of the folder; otherwise New
    friend void PrintTo(const FullDiskCase& c, std::ostream* out) { *out << c.name; }
};

class SessionEditorOnAFullDisk : public SessionEditorSave,
                                 public ::testing::WithParamInterface<FullDiskCase> {};

TEST_P(SessionEditorOnAFullDisk, StaysOpenWithEverythingTypedAndSavesOnceThereIsRoom) {
    FullFileSystem fs;
    if (!fs.Mounted()) GTEST_SKIP() << fs.Refusal().toStdString();
    const QString folder = fs.FilePath(QStringLiteral("sessions"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString keep = QDir(folder).filePath(QStringLiteral("keep.json"));
    if (GetParam().existing) {
        PutSessionFile(keep, Session(QStringLiteral("Keep me"), "As saved before."));
    }
    const QByteArray before = FileBytes(keep);
    ASSERT_TRUE(fs.Fill());

    frmPersonalSessions dialog(folder, eisGuilt, {});
    if (!GetParam().existing) modal.setNextDialog([](QObject&) { return int(QDialog::Accepted); });
    modal.setNextDialog([&](QObject& d) {
        auto& editor = static_cast<frmPersonalSessionEdit&>(d);
        Control<QLineEdit>(&d, "txtTitle")->setText(QStringLiteral("Keep me"));
        Type(d);
        auto* problem = Control<QLabel>(&d, "lblSaveProblem");
        auto* elsewhere = Control<QPushButton>(&d, "cmdSaveElsewhere");
        EXPECT_TRUE(problem->isHidden());
        EXPECT_TRUE(elsewhere->isHidden()) << "offered only once a save has failed";

        Control<QPushButton>(&d, "cmdSave")->click();
        EXPECT_NE(editor.result(), int(QDialog::Accepted)) << "the editor stays open";
        ExpectStillTyped(d);
        EXPECT_FALSE(problem->isHidden());
        EXPECT_TRUE(problem->text().contains(QStringLiteral("could not be saved")))
            << problem->text().toStdString();
        EXPECT_TRUE(problem->text().contains(QStringLiteral("No space left on device")));
        EXPECT_EQ(problem->accessibleName(), problem->text());
        EXPECT_FALSE(elsewhere->isHidden());
        EXPECT_EQ(FileBytes(keep), before) << "the file on disk is as it was";
        EXPECT_TRUE(modal.messages.isEmpty()) << "said in the editor, not in a box after it";

        fs.Free();
        Control<QPushButton>(&d, "cmdSave")->click();
        return editor.result();
    });
    Control<QPushButton>(&dialog, GetParam().existing ? "cmdEdit" : "cmdNew")->click();
    ASSERT_EQ(dialog.listing().sessions.size(), 1);
    const PersonalSessionFile saved = dialog.listing().sessions.constFirst();
    EXPECT_EQ(saved.session.setup, kTypedSetup);
    EXPECT_EQ(saved.session.negative, kTypedLines.split(u'\n'));
    if (GetParam().existing) {
        EXPECT_EQ(saved.path, keep);
    }
    EXPECT_EQ(Control<QLabel>(&dialog, "lblNotice")->text(),
              QStringLiteral("\u201CKeep me\u201D was saved."));
}

INSTANTIATE_TEST_SUITE_P(Editors, SessionEditorOnAFullDisk,
                         ::testing::Values(FullDiskCase{"EditedSession", true},
                                           FullDiskCase{"NewSession", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SessionEditorSave, SaveElsewhereExportsWhatIsTypedAndKeepsTheEditorOpen) {
    FullFileSystem fs;
    if (!fs.Mounted()) GTEST_SKIP() << fs.Refusal().toStdString();
    const QString folder = fs.FilePath(QStringLiteral("sessions"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString keep = QDir(folder).filePath(QStringLiteral("keep.json"));
    PutSessionFile(keep, Session(QStringLiteral("Keep me"), "As saved before."));
    const QByteArray before = FileBytes(keep);
    ASSERT_TRUE(fs.Fill());
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("rescued.json"));

    frmPersonalSessions dialog(folder, eisGuilt, {});
    modal.setNextDialog([&](QObject& d) {
        Type(d);
        Control<QPushButton>(&d, "cmdSave")->click();
        modal.setNextDialog([&](QObject& files) {
            EXPECT_EQ(files.objectName(), QStringLiteral("dlgSessionExport"));
            static_cast<QFileDialog&>(files).selectFile(target);
            return int(QDialog::Accepted);
        });
        Control<QPushButton>(&d, "cmdSaveElsewhere")->click();
        ExpectStillTyped(d);
        auto* problem = Control<QLabel>(&d, "lblSaveProblem");
        EXPECT_TRUE(problem->text().contains(QStringLiteral("was exported to %1").arg(target)))
            << problem->text().toStdString();
        return int(QDialog::Rejected);
    });
    Control<QPushButton>(&dialog, "cmdEdit")->click();
    EXPECT_EQ(modal.dialogsRun, 2);
    EXPECT_EQ(FileBytes(target), PersonalSessionJson(Typed(QStringLiteral("Keep me"))));
    EXPECT_EQ(FileBytes(keep), before);
}

// What another copy of the program does to the file while the editor is open, and the answer
// the user gives when asked.
struct ConflictCase {
    const char* name;
    enum Change { None, Changed, Deleted } change;
    std::optional<MessageAnswer> answer;  // none: no question may be asked
    bool saved;                           // the editor closed with what was typed kept
    bool typedInPlace;                    // the file holds what was typed
    bool copyMade;                        // what was typed is a second session beside the other
    friend void PrintTo(const ConflictCase& c, std::ostream* out) { *out << c.name; }
};

class SessionEditorConflict : public SessionEditorSave,
                              public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(SessionEditorConflict, OverwritesAChangedFileOnlyWhenTheUserSaysSo) {
    const ConflictCase& c = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString keep = QDir(folder).filePath(QStringLiteral("keep.json"));
    PutSessionFile(keep, Session(QStringLiteral("Keep me"), "As saved before."));
    const PersonalSession other = Session(QStringLiteral("Keep me"), "Saved by the other copy.");

    frmPersonalSessions dialog(folder, eisGuilt, {});
    if (c.answer) modal.setNextAnswer(*c.answer);
    modal.setNextDialog([&](QObject& d) {
        auto& editor = static_cast<frmPersonalSessionEdit&>(d);
        Type(d);
        if (c.change == ConflictCase::Changed) PutSessionFile(keep, other);
        if (c.change == ConflictCase::Deleted) QFile::remove(keep);
        Control<QPushButton>(&d, "cmdSave")->click();
        if (!c.saved) {
            EXPECT_NE(editor.result(), int(QDialog::Accepted)) << "the editor stays open";
            ExpectStillTyped(d);
            return int(QDialog::Rejected);
        }
        return editor.result();
    });
    Control<QPushButton>(&dialog, "cmdEdit")->click();

    ASSERT_EQ(modal.messages.size(), c.answer ? 1 : 0) << modal.texts().join("\n").toStdString();
    if (c.answer) {
        const MessageRequest& asked = modal.messages.constFirst();
        EXPECT_EQ(asked.buttons, MessageButtons::OverwriteKeepBothCancel);
        EXPECT_EQ(asked.defaultAnswer, MessageAnswer::KeepBoth) << "keeping both loses nothing";
        EXPECT_TRUE(asked.text.contains(QStringLiteral("keep.json"))) << asked.text.toStdString();
        // Kept both, what was typed takes a title no session in the folder has now.
        if (c.change == ConflictCase::Changed) {
            EXPECT_TRUE(asked.text.contains(QStringLiteral("\u201CKeep me (2)\u201D")));
        }
    }
    const QByteArray typed = PersonalSessionJson(Typed(QStringLiteral("Keep me")));
    if (c.typedInPlace) {
        EXPECT_EQ(FileBytes(keep), typed);
    } else if (c.change == ConflictCase::Changed) {
        EXPECT_EQ(FileBytes(keep), PersonalSessionJson(other)) << "the other copy's words are kept";
    }
    QStringList titles;
    for (const PersonalSessionFile& file : dialog.listing().sessions) {
        titles << file.session.title;
        if (file.session.title == QStringLiteral("Keep me (2)")) {
            EXPECT_EQ(file.session.setup, kTypedSetup);
        }
    }
    EXPECT_EQ(titles.contains(QStringLiteral("Keep me (2)")), c.copyMade)
        << titles.join(", ").toStdString();
    if (c.saved) {
        EXPECT_EQ(Control<QLabel>(&dialog, "lblNotice")->text(),
                  QStringLiteral("\u201C%1\u201D was saved.")
                      .arg(c.copyMade ? "Keep me (2)" : "Keep me"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AnotherCopy, SessionEditorConflict,
    ::testing::Values(ConflictCase{"Unchanged", ConflictCase::None, {}, true, true, false},
                      ConflictCase{"ChangedThenOverwrite", ConflictCase::Changed,
                                   MessageAnswer::Overwrite, true, true, false},
                      ConflictCase{"ChangedThenKeepBoth", ConflictCase::Changed,
                                   MessageAnswer::KeepBoth, true, false, true},
                      ConflictCase{"ChangedThenCancel", ConflictCase::Changed,
                                   MessageAnswer::Cancel, false, false, false},
                      ConflictCase{"DeletedThenOverwrite", ConflictCase::Deleted,
                                   MessageAnswer::Overwrite, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SessionEditorSave, AnOverwriteTheDiskRefusedIsTriedAgainWithoutAskingTwice) {
    FullFileSystem fs;
    if (!fs.Mounted()) GTEST_SKIP() << fs.Refusal().toStdString();
    const QString folder = fs.FilePath(QStringLiteral("sessions"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString keep = QDir(folder).filePath(QStringLiteral("keep.json"));
    PutSessionFile(keep, Session(QStringLiteral("Keep me"), "As saved before."));
    const PersonalSession other = Session(QStringLiteral("Keep me"), "Saved by the other copy.");

    frmPersonalSessions dialog(folder, eisGuilt, {});
    modal.setNextAnswer(MessageAnswer::Overwrite);
    modal.setNextDialog([&](QObject& d) {
        auto& editor = static_cast<frmPersonalSessionEdit&>(d);
        Type(d);
        PutSessionFile(keep, other);
        EXPECT_TRUE(fs.Fill());
        Control<QPushButton>(&d, "cmdSave")->click();
        EXPECT_NE(editor.result(), int(QDialog::Accepted));
        EXPECT_EQ(FileBytes(keep), PersonalSessionJson(other));
        fs.Free();
        Control<QPushButton>(&d, "cmdSave")->click();
        return editor.result();
    });
    Control<QPushButton>(&dialog, "cmdEdit")->click();
    EXPECT_EQ(modal.messages.size(), 1) << "the user's Overwrite still holds";
    EXPECT_EQ(FileBytes(keep), PersonalSessionJson(Typed(QStringLiteral("Keep me"))));
}

// The session window's smallest size: the editor over it must show its reason whole in it.
constexpr QSize kSmallestWindow(908, 557);

struct FitCase {
    const char* name;
    const char* language;  // nullptr: the program's own English
    bool doubled;          // every text twice its size
    friend void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }
};

class SessionEditorFit : public SessionEditorSave, public ::testing::WithParamInterface<FitCase> {
protected:
    mindrova::testing::InstalledTranslation translation{QStringLiteral(APP_TRANSLATIONS_DIR)};
};

TEST_P(SessionEditorFit, TheReasonAndSaveElsewhereFitTheSmallestWindow) {
    const FitCase& c = GetParam();
    if (c.language) {
        ASSERT_TRUE(translation.Install(c.language));
    }
    // The longest session offered, and a reason as long as the system gives.
    frmPersonalSessionEdit editor(PersonalSessionFromIssue(eisAddictionsObsessions, {}), {});
    editor.SetSave([](const PersonalSession&, QString* error) {
        *error = QStringLiteral("Auf dem Ger\u00E4t ist kein Speicherplatz mehr verf\u00FCgbar");
        return false;
    });
    if (c.doubled) {
        QList<QWidget*> widgets{&editor};
        for (QWidget* w : editor.findChildren<QWidget*>()) {
            if (w->testAttribute(Qt::WA_SetFont)) widgets << w;
        }
        for (QWidget* w : widgets) {
            QFont font = w->font();
            font.setPointSizeF(font.pointSizeF() * 2);
            w->setFont(font);
        }
    }
    editor.resize(kSmallestWindow);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    Control<QPushButton>(&editor, "cmdSave")->click();
    QCoreApplication::sendPostedEvents();
    ASSERT_FALSE(Control<QLabel>(&editor, "lblSaveProblem")->isHidden());
    ASSERT_FALSE(Control<QPushButton>(&editor, "cmdSaveElsewhere")->isHidden());
    EXPECT_LE(editor.minimumSizeHint().width(), kSmallestWindow.width());
    EXPECT_LE(editor.minimumSizeHint().height(), kSmallestWindow.height());
    EXPECT_EQ(LayoutProblems(&editor), QStringList()) << "nothing cut or drawn over";
    const QString pictures = qEnvironmentVariable("MINDROVA_SAVE_TEST_PICTURES");
    if (!pictures.isEmpty()) editor.grab().save(pictures + "/" + c.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SessionEditorFit,
    ::testing::Values(FitCase{"English", nullptr, false}, FitCase{"EnglishDoubled", nullptr, true},
                      FitCase{"German", "de", false}, FitCase{"GermanDoubled", "de", true},
                      FitCase{"Spanish", "es", false}, FitCase{"SpanishDoubled", "es", true},
                      FitCase{"French", "fr", false}, FitCase{"FrenchDoubled", "fr", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
