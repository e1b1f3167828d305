// The session window in German, Spanish and French: its buttons, menu and shortcuts list come out
// translated, the window's mnemonics stay unique in each language, and the longer texts still
// show whole at the smallest window size.
#include <gtest/gtest.h>

#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>

#include "fixtures/installed_translation.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/settings_folder.h"
#include "fixtures/visit_session_steps.h"
#include "window/ui/frm_main.h"
#include "window/ui/frm_shortcuts.h"
#include "window/ui/layout_check.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

class Translated : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    void TearDown() override {
        if (window != nullptr) mindrova::testing::CloseSessionWindow(window);
        translation.Remove();
    }
    // The window reads its texts as it is made, so the translation comes first.
    void Open(const char* language) {
        if (window != nullptr) mindrova::testing::CloseSessionWindow(window);
        window = nullptr;
        translation.Remove();
        if (language != nullptr) {
            ASSERT_TRUE(translation.Install(language));
        }
        window = mindrova::testing::OpenSessionWindow();
    }
    // On to the choice of issue, where the own-words field and the row of own sessions join
    // the window.
    void ToTheIssueChoice() {
        window->controller().Next();
        ASSERT_EQ(window->controller().State().genmCurrentStep, estSelectIssue);
    }
    QString Text(const char* name) const {
        if (const auto* button = window->findChild<QAbstractButton*>(QLatin1String(name))) {
            return button->text();
        }
        if (const auto* label = window->findChild<QLabel*>(QLatin1String(name))) {
            return label->text();
        }
        const auto* item = window->findChild<QAction*>(QLatin1String(name));
        return item != nullptr ? item->text() : QStringLiteral("(no %1)").arg(name);
    }

    mindrova::testing::SettingsFolder folder;
    mindrova::testing::InstalledTranslation translation{
        QStringLiteral(SESSION_WINDOW_TRANSLATIONS_DIR)};
    mindrova::testing::ModalRecorder modal;
    frmMain* window = nullptr;
};

struct Caption {
    const char* object;
    const char* english;
    const char* german;
};

// The step instructions name the buttons and menu items by these captions.
const Caption kCaptions[] = {
    {"cmdExit", "E&xit", "&Beenden"},
    {"cmdNavig(0)", "&Previous", "&Zur\303\274ck"},
    {"cmdPause", "P&ause", "&Pause"},
    {"cmdNavig(1)", "&Next", "&Weiter"},
    {"cmdFinish", "&Finish", "&Abschlie\303\237en"},
    {"cmdResume", "R&esume", "&Fortsetzen"},
    {"cmdPause_Bottom", "Pause", "Pause"},
    {"cmdWeb", "Feedback", "R\303\274ckmeldung"},
    {"cmdManageSessions", "Mana&ge...", "&Verwalten..."},
    {"lblOwnWords", "In your own words (optional):", "In deinen eigenen Worten (optional):"},
    {"mnuPopUpShortcuts", "Keyboard Shortcuts", "Tastenk\303\274rzel"},
    {"mnuPopUpAbout", "About", "\303\234ber"},
    {"mnuPopUpJournalKeep", "Keep a private journal", "Privates Tagebuch f\303\274hren"},
    {"mnuPopUpJournal", "Journal...", "Tagebuch..."},
    {"mnuPopUpSpeech", "Spoken guidance", "Gesprochene Anleitung"},
    {"mnuPopUpVoice", "Voice...", "Stimme..."},
    {"mnuPopUpSteadyMarkers", "Steady markers", "Ruhige Markierungen"},
    {"mnuPopUpFollowRound", "Follow the round", "Der Runde folgen"},
    {"mnuPopUpAppearance", "Appearance...", "Darstellung..."},
    {"mnuPopUpSessionOptions", "Session options...", "Sitzungsoptionen..."},
    {"mnuPopUpExit", "Exit", "Beenden"},
};

TEST_F(Translated, TheWindowsCaptionsFollowTheLanguage) {
    for (const char* language : {static_cast<const char*>(nullptr), "de"}) {
        Open(language);
        ToTheIssueChoice();
        for (const Caption& c : kCaptions) {
            SCOPED_TRACE(std::string(language ? language : "none") + " " + c.object);
            EXPECT_EQ(Text(c.object), QString::fromUtf8(language ? c.german : c.english));
        }
    }
}

// The letters after '&' of the window's buttons and of the labels that lead to a control:
// each starts one thing only.
TEST_F(Translated, TheWindowsMnemonicsStayUniqueInEachLanguage) {
    for (const char* language : {static_cast<const char*>(nullptr), "de", "es", "fr"}) {
        SCOPED_TRACE(language ? language : "none");
        Open(language);
        ToTheIssueChoice();
        QStringList texts;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // Pause and Resume share a place and are never shown together.
            if (button->objectName() != "cmdResume") texts << button->text();
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) texts << label->text();
        }
        QStringList keys;
        for (const QString& text : texts) {
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at >= 0 && at + 1 < text.size()) keys << text.at(at + 1).toLower();
        }
        EXPECT_GE(keys.size(), 7);
        EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size())
            << keys.join(' ').toStdString();
    }
}

// The shortcuts list names the Alt keys that the translated Pause and Finish captions underline.
TEST_F(Translated, TheShortcutsListNamesTheTranslatedAltKeys) {
    const struct {
        const char* language;
        const char* pauseKeys;
        const char* finishKeys;
    } rows[] = {{"de", "Esc oder Alt + P", "Alt + A"},
                {"es", "Esc o Alt + P", "Alt + F"},
                {"fr", "\u00c9chap ou Alt + P", "Alt + T"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        Open(row.language);
        KeyboardShortcuts(window);
        auto* dialog = qobject_cast<frmShortcuts*>(QApplication::activeModalWidget());
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* shortcuts = qobject_cast<frmShortcuts*>(w)) dialog = shortcuts;
        }
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
        // The design's five rows and the six keys added since.
        ASSERT_EQ(list->topLevelItemCount(), 11);
        EXPECT_EQ(list->topLevelItem(2)->text(1), row.pauseKeys);
        EXPECT_EQ(list->topLevelItem(3)->text(1), row.finishKeys);
        const auto underlined = [&](const char* name) {
            const QString text = Text(name);
            return text.at(text.indexOf(u'&') + 1).toUpper();
        };
        EXPECT_TRUE(list->topLevelItem(2)->text(1).endsWith(underlined("cmdPause")));
        EXPECT_TRUE(list->topLevelItem(3)->text(1).endsWith(underlined("cmdFinish")));
        // The row under the issue list: its caption's and its button's underlined letters.
        ToTheIssueChoice();
        EXPECT_TRUE(list->topLevelItem(9)->text(1).startsWith(QStringLiteral("Alt + ") +
                                                              underlined("lblPersonalSession")))
            << list->topLevelItem(9)->text(1).toStdString();
        EXPECT_TRUE(list->topLevelItem(10)->text(1).startsWith(QStringLiteral("Alt + ") +
                                                               underlined("cmdManageSessions")))
            << list->topLevelItem(10)->text(1).toStdString();
        QCoreApplication::processEvents();
        const QStringList problems = LayoutProblems(dialog);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        const QString shots = qEnvironmentVariable("MINDROVA_TRANSLATION_SHOTS");
        if (!shots.isEmpty()) {
            dialog->grab().save(
                QDir(shots).filePath(QStringLiteral("%1 shortcuts.png").arg(row.language)));
        }
    }
}

// The keys in the shortcuts list carry the names Qt's own translation gives them, the names the
// desktop's menus and shortcut editors show in that language.
TEST_F(Translated, TheShortcutsListNamesTheKeysAsQtsOwnTranslationDoes) {
    for (const char* language : {"fr"}) {
        SCOPED_TRACE(language);
        QTranslator qt;
        if (!qt.load(QStringLiteral("qtbase_") + QLatin1String(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            GTEST_SKIP() << "Qt's own translations (qt6-translations-l10n) are not installed";
        }
        ASSERT_TRUE(QCoreApplication::installTranslator(&qt));
        Open(language);
        KeyboardShortcuts(window);
        frmShortcuts* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* shortcuts = qobject_cast<frmShortcuts*>(w)) dialog = shortcuts;
        }
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
        // The design's five rows come first; the keys added since follow them.
        ASSERT_GE(list->topLevelItemCount(), 5);
        const struct {
            int line;
            std::vector<Qt::Key> keys;
        } lines[] = {
            {0, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_Enter, Qt::Key_PageDown}},
            {1, {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp}},
            {2, {Qt::Key_Escape}},
        };
        for (const auto& line : lines) {
            const QString keys = list->topLevelItem(line.line)->text(1);
            for (const Qt::Key key : line.keys) {
                const QString name = QKeySequence(key).toString(QKeySequence::NativeText);
                EXPECT_TRUE(keys.contains(name))
                    << keys.toStdString() << " lacks " << name.toStdString();
            }
        }
        QCoreApplication::removeTranslator(&qt);
    }
}

// The longer texts at the smallest window: nothing cut, elided or over another at any step.
TEST_F(Translated, EveryStepFitsTheSmallestWindowInEachLanguage) {
    const struct {
        const char* language;
        double dpi;
    } rows[] = {{"de", 96}, {"es", 96}, {"fr", 96}, {"de", 192}, {"fr", 192}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.language) + " at " + std::to_string(int(row.dpi)) + " dpi");
        Open(row.language);
        window->SetLogicalDpi(row.dpi);
        window->resize(window->minimumSize());
        if (row.dpi == 96) {
            ASSERT_EQ(window->size(), QSize(908, 557));
        }
        mindrova::testing::VisitEverySessionStep(window, [&] {
            SCOPED_TRACE("step " + std::to_string(window->controller().State().genmCurrentStep));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QStringList problems = LayoutProblems(window);
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        });
    }
}

}  // namespace
