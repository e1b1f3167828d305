// The My sessions dialog and its editor: sessions listed and refused files named under the list,
// New from a chosen issue, Save refusing with the reason inline, Delete asked first, Duplicate,
// Import and Export through the file dialog, all by keyboard and within the smallest window.
#include "personal/ui/frm_personal_sessions.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/personal_sessions.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/ui/frm_personal_session_edit.h"
#include "personal/ui/personal_lines_editor.h"
#include "personal/ui/session_list_item.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::FileBytes;
using mindrova::testing::PutSessionFile;
using mindrova::testing::TitledSession;
using mindrova::testing::WriteTestFile;

namespace {

// The session window's smallest size: a dialog over it must fit in it.
constexpr QSize kSmallestWindow(908, 557);

// The lines of one kind in the editor, as a person leaves them in its list.
void TypeLines(QObject& editor, const char* list, const QStringList& rows) {
    auto* lines = Control<PersonalLinesEditor>(&editor, QLatin1String(list) + "Editor");
    if (lines != nullptr) lines->SetLines(rows);
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

// Every text of the dialog twice its size, as a person who needs larger text has it: the
// dialog's own font and every font set on a control.
void DoubleTheText(QWidget* dialog) {
    QList<QWidget*> widgets{dialog};
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->testAttribute(Qt::WA_SetFont)) widgets << w;
    }
    QList<QFont> fonts;
    for (QWidget* w : widgets) fonts << w->font();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        fonts[i].setPointSizeF(fonts[i].pointSizeF() * 2);
        widgets[i]->setFont(fonts[i]);
    }
}

class PersonalSessionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath(QStringLiteral("sessions"));
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    template <typename Content>
    QString Put(const QString& name, const Content& content) {
        return PutSessionFile(QDir(folder).filePath(name), content);
    }
    QTemporaryDir dir;
    QString folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(PersonalSessionsDialog, ListsTheSessionsAndNamesEachRefusedFileWithItsReason) {
    Put("b.json", TitledSession("Flying"));
    Put("a.json", TitledSession("Exams"));
    const QString bad = Put("bad.json", QByteArray());
    frmPersonalSessions dialog(folder, eisGuilt, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("My sessions"));
    auto* list = Control<QListWidget>(&dialog, "lstSessions");
    EXPECT_EQ(Items(list), QStringList({"Exams", "Flying"}));
    EXPECT_EQ(list->currentRow(), 0);
    auto* problems = Control<QLabel>(&dialog, "lblProblems");
    EXPECT_FALSE(problems->isHidden());
    EXPECT_EQ(problems->textFormat(), Qt::PlainText);
    EXPECT_TRUE(problems->text().contains(QStringLiteral("bad.json: The file is empty.")))
        << problems->text().toStdString();
    EXPECT_EQ(problems->accessibleName(), problems->text());
    EXPECT_TRUE(QFileInfo::exists(bad));

    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"cmdNew", "&New\u2026"},       {"cmdEdit", "&Edit\u2026"},
                   {"cmdDuplicate", "D&uplicate"}, {"cmdDelete", "&Delete\u2026"},
                   {"cmdImport", "&Import\u2026"}, {"cmdExport", "E&xport\u2026"},
                   {"cmdClose", "Close"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* button = Control<QPushButton>(&dialog, b.name);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_FALSE(button->accessibleName().isEmpty());
        EXPECT_FALSE(button->accessibleName().contains(u'&'));
    }
}

TEST_F(PersonalSessionsDialog, WithoutSessionsOnlyNewAndImportAreOffered) {
    frmPersonalSessions dialog(dir.filePath("none"), eisGuilt, {});
    EXPECT_TRUE(Control<QLabel>(&dialog, "lblProblems")->isHidden());
    for (const char* name : {"cmdEdit", "cmdDuplicate", "cmdDelete", "cmdExport"}) {
        EXPECT_FALSE(Control<QPushButton>(&dialog, name)->isEnabled()) << name;
    }
    for (const char* name : {"cmdNew", "cmdImport", "cmdClose"}) {
        EXPECT_TRUE(Control<QPushButton>(&dialog, name)->isEnabled()) << name;
    }
}

TEST_F(PersonalSessionsDialog, NewStartsFromTheChosenIssueWithTheOwnWordsAndSavesAFile) {
    frmPersonalSessions dialog(folder, eisGuilt, QStringLiteral("my late reply"));
    modal.setNextDialog([](QObject& d) {
        auto* issues = Control<QComboBox>(&d, "cboStartFrom");
        EXPECT_EQ(issues->count(), 10);
        EXPECT_EQ(issues->currentText(), GetIssueName(eisGuilt)) << "the issue on Select Issue";
        issues->setCurrentIndex(issues->findText(GetIssueName(eisDepression)));
        return int(QDialog::Accepted);
    });
    modal.setNextDialog([](QObject& d) {
        auto& editor = static_cast<frmPersonalSessionEdit&>(d);
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("New session"));
        const PersonalSession expected =
            PersonalSessionFromIssue(eisDepression, QStringLiteral("my late reply"));
        EXPECT_EQ(editor.Session(), expected);
        Control<QLineEdit>(&d, "txtTitle")->setText(QStringLiteral("Grey mornings"));
        Control<QSpinBox>(&d, "spnSecondsPerPoint")->setValue(4);
        auto* round = Control<QComboBox>(&d, "cboRound");
        round->setCurrentIndex(round->findText(QStringLiteral("One side per round")));
        Control<QPushButton>(&d, "cmdSave")->click();
        return editor.result();
    });
    Control<QPushButton>(&dialog, "cmdNew")->click();
    ASSERT_EQ(modal.dialogsRun, 2);
    ASSERT_EQ(dialog.listing().sessions.size(), 1);
    const PersonalSession saved = dialog.listing().sessions[0].session;
    EXPECT_EQ(saved.title, QStringLiteral("Grey mornings"));
    EXPECT_TRUE(saved.setup.contains(QStringLiteral("my late reply")));
    EXPECT_EQ(saved.negative, PersonalSessionFromIssue(eisDepression, {}).negative);
    EXPECT_EQ(saved.secondsPerPoint, 4);
    EXPECT_EQ(saved.round, RoundKind::OneSide);
    EXPECT_EQ(Items(Control<QListWidget>(&dialog, "lstSessions")), QStringList{"Grey mornings"});

    // Cancelling either question makes nothing.
    modal.setNextDialog([](QObject&) { return int(QDialog::Rejected); });
    Control<QPushButton>(&dialog, "cmdNew")->click();
    modal.setNextDialog([](QObject&) { return int(QDialog::Accepted); });
    modal.setNextDialog([](QObject&) { return int(QDialog::Rejected); });
    Control<QPushButton>(&dialog, "cmdNew")->click();
    EXPECT_EQ(dialog.listing().sessions.size(), 1);
}

TEST_F(PersonalSessionsDialog, SaveRefusesWhatCannotBeKeptWithTheReasonInline) {
    Put("a.json", TitledSession("Exams"));
    const QString flying = Put("b.json", TitledSession("Flying"));
    const struct {
        const char* name;
        std::function<void(QObject&)> type;
        QString reason;
    } cases[] = {
        {"no title", [](QObject& d) { Control<QLineEdit>(&d, "txtTitle")->clear(); },
         "The title is empty."},
        {"a title that is a path",
         [](QObject& d) { Control<QLineEdit>(&d, "txtTitle")->setText("../../x"); },
         "as a file path would"},
        {"another session's title",
         [](QObject& d) { Control<QLineEdit>(&d, "txtTitle")->setText(" exams "); },
         "You already have a session called \u201CExams\u201D"},
        {"no positive lines",
         [](QObject& d) {
             TypeLines(d, "lstPositive", {"", " "});
         },
         "There are 0 positive lines"},
        {"a line too long",
         [](QObject& d) {
             TypeLines(d, "lstNegative", {"a", QString(201, u'x')});
         },
         "The negative line 2 is longer than 200 characters."},
        {"a direction override",
         [](QObject& d) { Control<QPlainTextEdit>(&d, "txtSetup")->setPlainText("I \u202Efly"); },
         "The set-up statement holds a control character"},
    };
    frmPersonalSessions dialog(folder, eisGuilt, {});
    Control<QListWidget>(&dialog, "lstSessions")->setCurrentRow(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        modal.setNextDialog([&](QObject& d) {
            auto& editor = static_cast<frmPersonalSessionEdit&>(d);
            auto* fault = Control<QLabel>(&d, "lblFault");
            EXPECT_TRUE(fault->isHidden());
            c.type(d);
            Control<QPushButton>(&d, "cmdSave")->click();
            EXPECT_NE(editor.result(), int(QDialog::Accepted)) << "the dialog stays open";
            EXPECT_FALSE(fault->isHidden());
            EXPECT_TRUE(fault->text().contains(c.reason)) << fault->text().toStdString();
            EXPECT_EQ(fault->accessibleName(), fault->text());
            return int(QDialog::Rejected);
        });
        Control<QPushButton>(&dialog, "cmdEdit")->click();
        EXPECT_EQ(FileBytes(flying), PersonalSessionJson(TitledSession("Flying")))
            << "the file is unchanged";
    }

    // Blank rows are dropped and a row break in the statement is a space; the file keeps its name.
    modal.setNextDialog([](QObject& d) {
        TypeLines(d, "lstNegative", {"  One. ", "", "Two.", ""});
        Control<QPlainTextEdit>(&d, "txtSetup")
            ->setPlainText("Even though I fly,\nI accept myself.");
        Control<QPushButton>(&d, "cmdSave")->click();
        return static_cast<QDialog&>(d).result();
    });
    Control<QPushButton>(&dialog, "cmdEdit")->click();
    const PersonalSessionRead read = ReadPersonalSessionFile(flying);
    ASSERT_TRUE(read.session);
    EXPECT_EQ(read.session->negative, QStringList({"One.", "Two."}));
    EXPECT_EQ(read.session->setup, QStringLiteral("Even though I fly, I accept myself."));
}

TEST_F(PersonalSessionsDialog, DeleteAsksFirstWithCancelTheDefault) {
    const QString path = Put("a.json", TitledSession("Exams"));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    modal.setNextAnswer(MessageAnswer::Cancel);
    Control<QPushButton>(&dialog, "cmdDelete")->click();
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_EQ(modal.messages[0].buttons, MessageButtons::DeleteCancel);
    EXPECT_EQ(modal.messages[0].defaultAnswer, MessageAnswer::Cancel);
    EXPECT_TRUE(modal.messages[0].text.contains(QStringLiteral("\u201CExams\u201D")));
    EXPECT_TRUE(QFileInfo::exists(path));
    modal.setNextAnswer(MessageAnswer::Delete);
    Control<QPushButton>(&dialog, "cmdDelete")->click();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(dialog.listing().sessions.isEmpty());
}

TEST_F(PersonalSessionsDialog, DuplicateMakesACopyUnderAFreeTitle) {
    Put("a.json", TitledSession("Exams"));
    Put("b.json", TitledSession("Exams (2)"));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    Control<QPushButton>(&dialog, "cmdDuplicate")->click();
    ASSERT_EQ(dialog.listing().sessions.size(), 3);
    EXPECT_TRUE(dialog.listing().problems.isEmpty());
    auto* list = Control<QListWidget>(&dialog, "lstSessions");
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Exams (3)")) << "the copy is chosen";
    PersonalSession copy = TitledSession("Exams (3)");
    EXPECT_EQ(dialog.listing().sessions[list->currentRow()].session, copy);
}

TEST_F(PersonalSessionsDialog, ImportAndExportGoThroughTheFileDialog) {
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath("shared.json");
    ASSERT_TRUE(WriteTestFile(source, PersonalSessionJson(TitledSession("Shared"))));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    modal.setNextDialog([&](QObject& d) {
        auto& files = static_cast<QFileDialog&>(d);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptOpen);
        files.selectFile(source);
        return int(QDialog::Accepted);
    });
    Control<QPushButton>(&dialog, "cmdImport")->click();
    ASSERT_EQ(dialog.listing().sessions.size(), 1);
    EXPECT_EQ(Control<QLabel>(&dialog, "lblNotice")->text(), "\u201CShared\u201D was imported.");

    // A file that cannot be used is named with its reason in a box, and nothing is added.
    const QString broken = elsewhere.filePath("broken.json");
    ASSERT_TRUE(WriteTestFile(broken, "{\"format\": 2}"));
    modal.setNextDialog([&](QObject& d) {
        static_cast<QFileDialog&>(d).selectFile(broken);
        return int(QDialog::Accepted);
    });
    Control<QPushButton>(&dialog, "cmdImport")->click();
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_TRUE(modal.messages[0].text.contains(broken));
    EXPECT_TRUE(modal.messages[0].text.contains("written in format 2"));
    EXPECT_EQ(dialog.listing().sessions.size(), 1);

    const QString target = elsewhere.filePath("out/for-a-friend.json");
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir("out"));
    modal.setNextDialog([&](QObject& d) {
        auto& files = static_cast<QFileDialog&>(d);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        files.selectFile(target);
        return int(QDialog::Accepted);
    });
    Control<QPushButton>(&dialog, "cmdExport")->click();
    EXPECT_EQ(FileBytes(target), PersonalSessionJson(TitledSession("Shared")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(Control<QLabel>(&dialog, "lblNotice")->text().contains(target));
}

TEST_F(PersonalSessionsDialog, WorksByKeyboard) {
    Put("a.json", TitledSession("Exams"));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = Control<QListWidget>(&dialog, "lstSessions");
    EXPECT_EQ(QApplication::focusWidget(), list) << "the list has the focus first";
    // Tab runs down the buttons in their order.
    QStringList order;
    QWidget* at = list;
    for (int i = 0; i < 8; ++i, at = at->nextInFocusChain()) {
        while (at->focusPolicy() == Qt::NoFocus || !at->isEnabled() || !at->isVisible() ||
               at->focusProxy()) {
            at = at->nextInFocusChain();
        }
        order << at->objectName();
    }
    EXPECT_EQ(order, QStringList({"lstSessions", "cmdNew", "cmdEdit", "cmdDuplicate", "cmdDelete",
                                  "cmdImport", "cmdExport", "cmdClose"}));

    // Enter on the list edits the chosen session; Delete asks to delete it.
    modal.setNextDialog([](QObject& d) {
        EXPECT_NE(dynamic_cast<frmPersonalSessionEdit*>(&d), nullptr);
        return int(QDialog::Rejected);
    });
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_TRUE(dialog.isVisible()) << "Enter did not close the dialog";
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(modal.messages.size(), 1);

    // Every field of the editor has a label that leads to it by its letter.
    frmPersonalSessionEdit editor(TitledSession("Exams"), {});
    QStringList mnemonics;
    for (QLabel* label : editor.findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        const qsizetype amp = label->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << label->text().toStdString();
        mnemonics << label->text().mid(amp + 1, 1).toLower();
        EXPECT_FALSE(label->buddy()->accessibleName().isEmpty());
    }
    mnemonics << "s";  // Save
    EXPECT_EQ(mnemonics.size(), 7);
    EXPECT_EQ(QSet<QString>(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size())
        << mnemonics.join(",").toStdString();
}

TEST_F(PersonalSessionsDialog, FitInTheSmallestWindowAtNormalAndDoubleTextSize) {
    for (int i = 0; i < 12; ++i) Put(QStringLiteral("bad%1.json").arg(i), QByteArray("x"));
    for (int i = 0; i < 40; ++i)
        Put(QStringLiteral("s%1.json").arg(i), TitledSession(QString::number(i)));
    for (const bool doubled : {false, true}) {
        SCOPED_TRACE(doubled ? "200 %" : "100 %");
        frmPersonalSessions dialog(folder, eisGuilt, {});
        PersonalSession longest = PersonalSessionFromIssue(eisAddictionsObsessions, {});
        frmPersonalSessionEdit editor(longest, {});
        for (QDialog* d : std::initializer_list<QDialog*>{&dialog, &editor}) {
            SCOPED_TRACE(d->objectName().toStdString());
            if (doubled) DoubleTheText(d);
            d->resize(kSmallestWindow);
            d->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
            QCoreApplication::sendPostedEvents();
            EXPECT_LE(d->minimumSizeHint().width(), kSmallestWindow.width());
            EXPECT_LE(d->minimumSizeHint().height(), kSmallestWindow.height());
            for (QWidget* child : d->findChildren<QWidget*>()) {
                if (!child->isVisible() || child->objectName().startsWith("qt_")) continue;
                if (qobject_cast<QLabel*>(child) == nullptr &&
                    qobject_cast<QPushButton*>(child) == nullptr) {
                    continue;
                }
                SCOPED_TRACE(child->objectName().toStdString());
                EXPECT_GE(child->width(), child->minimumSizeHint().width());
                EXPECT_TRUE(d->rect().contains(child->geometry()));
            }
            d->hide();
        }
    }
}

// Start closes the dialog at once with the chosen session to run, by its button and by its key;
// with nothing chosen it is not offered, and Close starts nothing.
struct StartRow {
    const char* name;
    int row;  // chosen in the list; -1 for none
    std::function<void(frmPersonalSessions&)> press;
    bool accepted;
    const char* started;
    friend void PrintTo(const StartRow& r, std::ostream* out) { *out << r.name; }
};

class StartFromTheDialog : public PersonalSessionsDialog,
                           public ::testing::WithParamInterface<StartRow> {};

TEST_P(StartFromTheDialog, ClosesItWithTheChosenSession) {
    Put("a.json", TitledSession("Exams"));
    Put("b.json", TitledSession("Fear of flying"));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << "mnemonics reach the active window";
    auto* list = Control<QListWidget>(&dialog, "lstSessions");
    list->setCurrentRow(GetParam().row);
    GetParam().press(dialog);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, GetParam().accepted);
    EXPECT_EQ(dialog.isVisible(), !GetParam().accepted);
    EXPECT_EQ(dialog.startTitle(), QString::fromUtf8(GetParam().started));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartFromTheDialog,
    ::testing::Values(
        StartRow{"TheButton", 1,
                 [](frmPersonalSessions& d) { Control<QPushButton>(&d, "cmdStart")->click(); },
                 true, "Fear of flying"},
        StartRow{"AltT", 0,
                 [](frmPersonalSessions& d) {
                     QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &d,
                                     Qt::Key_T, Qt::AltModifier);
                     // A mnemonic presses its button as a click shown on the screen: a moment
                     // later, once the button has been seen down.
                     EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); }));
                 },
                 true, "Exams"},
        StartRow{"AltTFromNew", 0,
                 [](frmPersonalSessions& d) {
                     Control(&d, "cmdNew")->setFocus();
                     QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
                     EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); }));
                 },
                 true, "Exams"},
        StartRow{"NothingChosen", -1,
                 [](frmPersonalSessions& d) {
                     auto* start = Control<QPushButton>(&d, "cmdStart");
                     EXPECT_FALSE(start->isEnabled());
                     start->click();
                 },
                 false, ""},
        StartRow{"CloseStartsNothing", 1,
                 [](frmPersonalSessions& d) { Control<QPushButton>(&d, "cmdClose")->click(); },
                 true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PersonalSessionsDialog, EachSessionShowsItsStatementUnderItsTitle) {
    PersonalSession flying = TitledSession("Fear of flying");
    flying.setup = QStringLiteral("Even though my hands are wet, I accept myself.");
    Put("b.json", flying);
    Put("a.json", TitledSession("Exams"));
    frmPersonalSessions dialog(folder, eisGuilt, {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = Control<QListWidget>(&dialog, "lstSessions");
    ASSERT_EQ(list->count(), 2);
    QListWidgetItem* item = list->item(1);
    EXPECT_EQ(item->text(), QStringLiteral("Fear of flying")) << "the title stays the item's text";
    EXPECT_EQ(item->data(SESSION_STATEMENT_ROLE).toString(), flying.setup);
    EXPECT_EQ(item->data(Qt::AccessibleDescriptionRole).toString(), flying.setup);
    EXPECT_EQ(item->toolTip(), flying.setup) << "whole where the row cuts it";
    const QFontMetrics metrics(list->font());
    EXPECT_GE(list->visualItemRect(item).height(), 2 * metrics.height())
        << "room for the title and the statement under it";
}

// An existing session opened and saved, or a line moved and moved back, is written byte for
// byte as it was read; a line moved is written in its new place and nothing else changes.
struct KeepRow {
    const char* name;
    std::function<void(QObject& editor)> change;
    std::function<PersonalSession(PersonalSession)> expected;
    friend void PrintTo(const KeepRow& r, std::ostream* out) { *out << r.name; }
};

class EditorKeepsTheFile : public PersonalSessionsDialog,
                           public ::testing::WithParamInterface<KeepRow> {};

PersonalSession ThreeLines() {
    PersonalSession s = TitledSession("Flying");
    s.negative = {"One.", "Two.", "Three."};
    s.secondsPerPoint = 3;
    return s;
}

void MoveDown(QObject& editor, int row) {
    auto* list = Control<QTableWidget>(&editor, "lstNegative");
    list->setCurrentCell(row, 1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
}

TEST_P(EditorKeepsTheFile, AsReadOrWithTheLineMoved) {
    const QString path = Put("b.json", ThreeLines());
    const QByteArray before = FileBytes(path);
    frmPersonalSessions dialog(folder, eisGuilt, {});
    modal.setNextDialog([&](QObject& d) {
        static_cast<QWidget&>(d).show();
        GetParam().change(d);
        Control<QPushButton>(&d, "cmdSave")->click();
        return static_cast<QDialog&>(d).result();
    });
    Control<QPushButton>(&dialog, "cmdEdit")->click();
    const PersonalSession expected = GetParam().expected(ThreeLines());
    EXPECT_EQ(FileBytes(path), PersonalSessionJson(expected));
    if (expected == ThreeLines()) {
        EXPECT_EQ(FileBytes(path), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditorKeepsTheFile,
    ::testing::Values(KeepRow{"Unchanged", [](QObject&) {}, [](PersonalSession s) { return s; }},
                      KeepRow{"MovedAndBack",
                              [](QObject& d) {
                                  MoveDown(d, 0);
                                  auto* list = Control<QTableWidget>(&d, "lstNegative");
                                  QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
                              },
                              [](PersonalSession s) { return s; }},
                      KeepRow{"SecondMovedDown", [](QObject& d) { MoveDown(d, 1); },
                              [](PersonalSession s) {
                                  s.negative = {"One.", "Three.", "Two."};
                                  return s;
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

// Tab runs through the editor in the order it is read: each list, then its own buttons.
TEST_F(PersonalSessionsDialog, TheEditorIsReadInOrderByKeyboard) {
    frmPersonalSessionEdit editor(ThreeLines(), {});
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    Control(&editor, "txtTitle")->setFocus();
    QStringList order;
    for (int i = 0; i < 15; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The first line is chosen: it cannot move up, so its button is passed over.
    EXPECT_EQ(order, QStringList({"txtTitle", "txtSetup", "lstNegative", "lstNegativeAdd",
                                  "lstNegativeRemove", "lstNegativeDown", "lstPositive",
                                  "lstPositiveAdd", "lstPositiveRemove", "spnSecondsPerPoint",
                                  "cboRound", "cmdSave", "cmdCancel", "txtTitle", "txtSetup"}));
    for (const char* name : {"lstNegative", "lstPositive", "lstNegativeAdd", "lstNegativeUp",
                             "lstNegativeDown", "lstNegativeRemove"}) {
        EXPECT_FALSE(Control(&editor, name)->accessibleName().isEmpty()) << name;
    }
}

}  // namespace
