// The dialogs, the user's own sessions and the journal in German and Spanish: the texts come out
// translated with the translation loaded and exactly as before without it, every dialog keeps
// its mnemonics unique in each language, and the longer German texts still fit the dialogs at
// the size they open with.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/about_texts.h"
#include "app/frm_about.h"
#include "display/ui/frm_appearance.h"
#include "app/frm_error_report.h"
#include "journal/ui/frm_journal.h"
#include "personal/ui/frm_personal_session_edit.h"
#include "personal/ui/frm_personal_sessions.h"
#include "session/ui/frm_session_options.h"
#include "speech/ui/frm_voice.h"
#include "fixtures/fake_speaker.h"
#include "fixtures/installed_translation.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "personal/personal_file.h"
#include "support/program_version.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

// A dialog as the program opens it, built afresh for each language.
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(const QString& folder)> make;
};

std::unique_ptr<QWidget> MakeVoice(const QString&) {
    return std::make_unique<frmVoice>(
        SpeechSettings{}, QStringList{"flite"}, [](const QString&) { return QStringList{"kal"}; },
        [](const SpeechSettings&) -> std::unique_ptr<Speaker> {
            return std::make_unique<mindrova::testing::FakeSpeaker>();
        });
}

std::unique_ptr<QWidget> MakeEditor(const QString&) {
    const PersonalSession session{QStringLiteral("Exam"),
                                  QStringLiteral("Even though I worry"),
                                  {QStringLiteral("this worry")},
                                  {QStringLiteral("I can let it go")},
                                  {},
                                  {}};
    return std::make_unique<frmPersonalSessionEdit>(session, QStringList{});
}

const DialogCase kDialogs[] = {
    {"About", [](const QString&) { return std::make_unique<frmAbout_NEW>(); }},
    {"Appearance",
     [](const QString&) { return std::make_unique<frmAppearance>(DisplaySettings{}); }},
    {"Voice", MakeVoice},
    {"My sessions",
     [](const QString& folder) {
         return std::make_unique<frmPersonalSessions>(folder + "/sessions", eisGuilt, QString());
     }},
    {"Edit a session", MakeEditor},
    {"Session options",
     [](const QString&) { return std::make_unique<frmSessionOptions>(SessionPace{}); }},
    {"Journal",
     [](const QString& folder) {
         return std::make_unique<frmJournal>(folder + "/journal.sqlite");
     }},
};

// The letters after '&' of the dialog's buttons and of the labels that lead to a control.
QStringList Mnemonics(const QWidget& dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy()) texts << label->text();
    }
    QStringList keys;
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) keys << text.at(at + 1).toLower();
    }
    return keys;
}

// Every text of the dialog fully shown at the size it has: buttons as wide as their text asks,
// labels that do not wrap as wide, and wrapping labels as tall as their lines need.
QStringList CutTexts(const QWidget& dialog) {
    QStringList cut;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() &&
            button->width() < button->sizeHint().width()) {
            cut << button->text();
        }
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const bool fits = label->wordWrap()
                              ? label->height() >= label->heightForWidth(label->width())
                              : label->width() >= label->sizeHint().width();
        if (!fits) cut << label->text();
    }
    return cut;
}

class Translated : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    void Load(const char* language) { ASSERT_TRUE(translation.Install(language)); }
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::InstalledTranslation translation{QStringLiteral(APP_TRANSLATIONS_DIR)};
    mindrova::testing::ModalRecorder modal;
};

TEST_F(Translated, WithoutATranslationTheTextsStayAsTheyWere) {
    const PersonalSession session{QStringLiteral("T"),
                                  QStringLiteral("S"),
                                  {QStringLiteral("one"), QStringLiteral(" ")},
                                  {QStringLiteral("two")},
                                  {},
                                  {}};
    const struct {
        const char* name;
        QString shown;
        QString expected;
    } rows[] = {
        {"About caption", AboutCaption(), "About Mindrova"},
        {"Appearance title", frmAppearance(DisplaySettings{}).windowTitle(), "Appearance"},
        {"Session options title", frmSessionOptions(SessionPace{}).windowTitle(),
         "Session options"},
        {"a line of the user's session", PersonalSessionFault(session),
         "The negative line 2 is empty."},
        {"copyright", AboutCopyrightText(),
         QString::fromUtf8("Copyright \u00A9 2026 ") + QLatin1String(kMakerName) +
             ". All rights reserved."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.shown, row.expected);
    }
}

TEST_F(Translated, GermanDialogsSpeakGerman) {
    Load("de");
    frmAppearance appearance(DisplaySettings{});
    EXPECT_EQ(appearance.windowTitle(), "Darstellung");
    EXPECT_EQ(appearance.findChild<QPushButton*>("cmdCancel")->text(), "&Abbrechen");
    EXPECT_EQ(appearance.findChild<QPushButton*>("cmdCancel")->accessibleName(), "Abbrechen");
    EXPECT_EQ(AboutCaption(), "Über Mindrova");
    EXPECT_EQ(frmSessionOptions(SessionPace{}).windowTitle(), "Sitzungsoptionen");
    const PersonalSession session{QStringLiteral("T"),
                                  QStringLiteral("S"),
                                  {QStringLiteral("one"), QStringLiteral(" ")},
                                  {QStringLiteral("two")},
                                  {},
                                  {}};
    EXPECT_EQ(PersonalSessionFault(session), "Der negative Satz 2 ist leer.");
}

TEST_F(Translated, EachDialogKeepsItsMnemonicsUniqueInEachLanguage) {
    for (const char* language : {"de", "es", "fr"}) {
        Load(language);
        for (const DialogCase& c : kDialogs) {
            SCOPED_TRACE(std::string(language) + " " + c.name);
            const std::unique_ptr<QWidget> dialog = c.make(folder.path());
            const QStringList keys = Mnemonics(*dialog);
            EXPECT_FALSE(keys.isEmpty());
            EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size())
                << keys.join(' ').toStdString();
        }
        translation.Remove();
    }
}

TEST_F(Translated, LongerTextsFitTheDialogsAtTheirOpeningSize) {
    const QString shots = qEnvironmentVariable("MINDROVA_TRANSLATION_SHOTS");
    for (const char* language : {"de", "es", "fr"}) {
        Load(language);
        for (const DialogCase& c : kDialogs) {
            SCOPED_TRACE(std::string(language) + " " + c.name);
            const std::unique_ptr<QWidget> dialog = c.make(folder.path());
            // Shown as the program shows it: a dialog that chose no size of its own takes its
            // hint.
            dialog->show();
            QCoreApplication::processEvents();
            EXPECT_EQ(CutTexts(*dialog), QStringList());
            if (!shots.isEmpty()) {
                dialog->grab().save(
                    QDir(shots).filePath(QStringLiteral("%1 %2.png").arg(language, c.name)));
            }
        }
        translation.Remove();
    }
}

TEST_F(Translated, TheGermanErrorReportFitsAsItOpens) {
    Load("de");
    QStringList cut;
    modal.setNextDialog([&](QObject& dialog) {
        auto& report = static_cast<QWidget&>(dialog);
        report.show();
        QCoreApplication::processEvents();
        cut = CutTexts(report);
        const QString shots = qEnvironmentVariable("MINDROVA_TRANSLATION_SHOTS");
        if (!shots.isEmpty()) report.grab().save(QDir(shots).filePath("Error report.png"));
        return 0;
    });
    frmErrorReport report;
    report.ShowUp(91, "Object variable or With block variable not set", "2.0", 201, "frmMain",
                  "ProcessSteps", "Line: 40");
    EXPECT_EQ(report.windowTitle(), "Oh je ... in Mindrova ist ein Fehler aufgetreten");
    EXPECT_EQ(cut, QStringList());
}

}  // namespace
