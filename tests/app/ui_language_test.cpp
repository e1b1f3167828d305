// The language the program speaks: chosen from [Display] Language or the desktop's languages, with
// English whenever a translation cannot be used; and a session's texts in the language chosen.
#include "app/ui_language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "engine/issues.h"
#include "engine/steps.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "fixtures/test_files.h"
#include "session/gentle_word.h"
#include "session/rating_lines.h"
#include "session/step_announcement.h"
#include "session/step_presentation.h"
#include "session/text_language.h"

using namespace mindrova;

namespace {

const QString kBuiltTranslations = QStringLiteral(MINDROVA_TEST_TRANSLATIONS);

struct ChoiceCase {
    const char* name;
    const char* setting;
    QStringList desktop;
    const char* expected;
    friend void PrintTo(const ChoiceCase& row, std::ostream* out) { *out << row.name; }
};

class LanguageChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoice, FollowsTheSettingThenTheDesktopThenEnglish) {
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(ChooseUiLanguage(QString::fromUtf8(c.setting), c.desktop), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    UiLanguage, LanguageChoice,
    ::testing::Values(
        ChoiceCase{"GermanDesktop", "", {"de-DE", "de"}, "de"},
        ChoiceCase{"SpanishDesktop", "", {"es-ES", "es"}, "es"},
        ChoiceCase{"EnglishDesktop", "", {"en-US", "en"}, "en"},
        ChoiceCase{"CLocale", "", {"C"}, "en"}, ChoiceCase{"NoLanguages", "", {}, "en"},
        ChoiceCase{"TurkishDesktop", "", {"tr-TR", "tr"}, "en"},
        ChoiceCase{"GarbageLanguage", "", {"garbage", "#!%", ""}, "en"},
        ChoiceCase{"FrenchFirstOfTheListNowFrench", "", {"fr-FR", "fr", "es_ES.UTF-8"}, "fr"},
        ChoiceCase{"FirstSpokenOfTheList", "", {"it-IT", "it", "es_ES.UTF-8"}, "es"},
        ChoiceCase{"FrenchDesktop", "", {"fr-FR", "fr"}, "fr"},
        ChoiceCase{"CanadianFrenchDesktop", "", {"fr_CA.UTF-8"}, "fr"},
        ChoiceCase{"SettingFrenchOnGermanDesktop", "fr", {"de-DE"}, "fr"},
        ChoiceCase{"EnglishBeforeGerman", "", {"en-GB", "de-DE"}, "en"},
        ChoiceCase{"SettingOverridesDesktop", "de", {"en-US", "en"}, "de"},
        ChoiceCase{"SettingEnglishOnGermanDesktop", "en", {"de-DE"}, "en"},
        ChoiceCase{"SettingCaseOnTurkishDesktop", " ES ", {"tr-TR"}, "es"},
        ChoiceCase{"BlankSettingFollowsDesktop", "  ", {"es-ES"}, "es"},
        ChoiceCase{"UnknownSettingIsEnglish", "klingon", {"de-DE"}, "en"}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole road as the program takes it, in a process of its own for each environment.
struct EnvironmentCase {
    const char* name;
    QStringList environment;
    const char* settings;
    const char* expected;
    friend void PrintTo(const EnvironmentCase& row, std::ostream* out) { *out << row.name; }
};

class StartingEnvironment : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(StartingEnvironment, ChoosesAndLoadsTheLanguage) {
    const EnvironmentCase& c = GetParam();
    QTemporaryDir settings;
    ASSERT_TRUE(settings.isValid());
    if (*c.settings != '\0') {
        ASSERT_TRUE(mindrova::testing::WriteConfIn(settings.path(), c.settings));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const QString& pair : c.environment) {
        environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
    }
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(MINDROVA_UI_LANGUAGE_PROBE), {settings.path(), kBuiltTranslations});
    ASSERT_TRUE(probe.waitForFinished(20000));
    ASSERT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    UiLanguage, StartingEnvironment,
    ::testing::Values(
        EnvironmentCase{"de_DE_UTF8", {"LANG=de_DE.UTF-8"}, "", "de de\nLinke Augenbraue\n"},
        EnvironmentCase{"es_ES", {"LANG=es_ES"}, "", "es es\nCeja izquierda\n"},
        EnvironmentCase{"fr_FR_UTF8", {"LANG=fr_FR.UTF-8"}, "", "fr fr\nSourcil gauche\n"},
        EnvironmentCase{"LanguageListFrenchBeforeSpanish",
                        {"LANGUAGE=fr:es", "LANG=es_ES.UTF-8"},
                        "",
                        "fr fr\nSourcil gauche\n"},
        EnvironmentCase{"SettingFrOverGermanLocale",
                        {"LANG=de_DE.UTF-8"},
                        "[Display]\nLanguage=fr\n",
                        "fr fr\nSourcil gauche\n"},
        EnvironmentCase{"en_US", {"LANG=en_US.UTF-8"}, "", "en en\nLeft Eyebrow\n"},
        EnvironmentCase{"C", {"LC_ALL=C"}, "", "en en\nLeft Eyebrow\n"},
        EnvironmentCase{"tr_TR", {"LANG=tr_TR.UTF-8"}, "", "en en\nLeft Eyebrow\n"},
        EnvironmentCase{
            "LanguageGarbage", {"LANGUAGE=garbage", "LANG=C"}, "", "en en\nLeft Eyebrow\n"},
        EnvironmentCase{"LanguageListBeforeLang",
                        {"LANGUAGE=es:de", "LANG=de_DE.UTF-8"},
                        "",
                        "es es\nCeja izquierda\n"},
        EnvironmentCase{"SettingDeOverEnglishLocale",
                        {"LANG=en_US.UTF-8"},
                        "[Display]\nLanguage=de\n",
                        "de de\nLinke Augenbraue\n"},
        EnvironmentCase{"UnknownSettingOnGermanLocale",
                        {"LANG=de_DE.UTF-8"},
                        "[Display]\nLanguage=xx-klingon\n",
                        "en en\nLeft Eyebrow\n"},
        EnvironmentCase{"EmptySettingFollowsDesktop",
                        {"LANG=es_ES.UTF-8"},
                        "[Display]\nLanguage=\n",
                        "es es\nCeja izquierda\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class TranslationFiles : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(folder.isValid());
    }
    // Back to English after each test: the other tests of this binary expect it.
    void TearDown() override { InstallUiLanguage(QStringLiteral("en"), {}, {}); }

    QString Built(const char* language) const {
        return kBuiltTranslations + QStringLiteral("/mindrova_") + language + ".qm";
    }
    void Plant(const QByteArray& bytes) const {
        mindrova::testing::WriteTestFile(folder.filePath("mindrova_de.qm"), bytes);
    }

    QTemporaryDir folder;
};

TEST_F(TranslationFiles, AnUnusableFileLeavesTheProgramEnglish) {
    const QByteArray german = mindrova::testing::FileBytes(Built("de"));
    ASSERT_GT(german.size(), 1000) << "the build makes the German translation";
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"missing", {}},
        {"empty", QByteArray("")},
        {"truncated", german.left(german.size() / 2)},
        {"only the header", german.left(16)},
        {"not a translation", QByteArray("<?xml version=\"1.0\"?><TS></TS>")},
        {"foreign: the Spanish file under the German name",
         mindrova::testing::FileBytes(Built("es"))},
        {"foreign: the French file under the German name",
         mindrova::testing::FileBytes(Built("fr"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.filePath("mindrova_de.qm"));
        if (std::string(c.name) != "missing") Plant(c.bytes);
        EXPECT_EQ(InstallUiLanguage(QStringLiteral("de"), {folder.path()}, folder.path()), "en");
        EXPECT_EQ(GetStepDescription(estLeftEyebrow), "Left Eyebrow");
        EXPECT_EQ(GetIssueName(eisGuilt), "Guilt");
    }
}

TEST_F(TranslationFiles, TheNextFolderIsTriedWhenTheFirstHasNone) {
    EXPECT_EQ(InstallUiLanguage(QStringLiteral("de"), {folder.path(), kBuiltTranslations}, {}),
              "de");
    EXPECT_EQ(GetStepDescription(estLeftEyebrow), "Linke Augenbraue");
}

TEST_F(TranslationFiles, QtsOwnTranslationGivesTheStandardButtons) {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtFolder + "/qtbase_de.qm")) GTEST_SKIP() << "qt6-translations-l10n absent";
    ASSERT_EQ(InstallUiLanguage(QStringLiteral("de"), {kBuiltTranslations}, qtFolder), "de");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    InstallUiLanguage(QStringLiteral("en"), {kBuiltTranslations}, qtFolder);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel")
        << "choosing English again takes Qt's translation away too";
}

TEST_F(TranslationFiles, AGermanSessionSpeaksGerman) {
    const QString english = GetStringForActivationStep(eisGuilt, QStringLiteral("50%1 sicher"));
    ASSERT_EQ(InstallUiLanguage(QStringLiteral("de"), {kBuiltTranslations}, {}), "de");
    EXPECT_EQ(GetStepName(estSelectIssue), "Thema wählen");
    EXPECT_EQ(GetStepDescription(estLeftHand), "Handkante – linke Hand");
    EXPECT_EQ(GetIssueName(eisAnxietyFearPanicPhobia), "Angst, Furcht, Panik, Phobie");
    EXPECT_EQ(GetIssueRecordName(eisAnxietyFearPanicPhobia), "Anxiety, fear, panic, phobia")
        << "the journal keeps the English name";
    EXPECT_EQ(GetStepTraceName(estLeftHand), "Left Hand") << "the trace log stays English";
    EXPECT_TRUE(GetIntroText().startsWith("Setz dich an einem sicheren, ruhigen Ort"));
    EXPECT_EQ(SegmentTitleText(estLeftHand, false), "Einstimmungssatz");
    EXPECT_EQ(SegmentTitleText(estChin1, true), "Positive Runde");
    EXPECT_TRUE(StepInstructionsText(estRelax, SessionState{})
                    .startsWith("Sag „Frieden“ und atme ein paar Mal tief durch.\r\n\r\n"));
    EXPECT_TRUE(GetStringForPositiveSequence(eisAddictionsObsessions)
                    .startsWith("Schmerz nährt meine Sucht; ich lasse ihn jetzt los.\r\n"));
    // The user's words go in once, exactly as typed, even when they look like a placeholder.
    const QString statement = GetStringForActivationStep(eisGuilt, QStringLiteral("50%1 sicher"));
    EXPECT_TRUE(
        statement.endsWith("Auch wenn ich diese Schuldgefühle habe, 50%1 sicher, liebe und "
                           "akzeptiere ich mich von ganzem Herzen."))
        << statement.toStdString();
    EXPECT_EQ(statement.count("50%1 sicher"), 1);

    ASSERT_EQ(InstallUiLanguage(QStringLiteral("es"), {kBuiltTranslations}, {}), "es");
    EXPECT_EQ(GetStepDescription(estRightCollarbone), "Clavícula derecha");
    EXPECT_TRUE(GetStringForActivationStep(eisNone).endsWith(
        "Aunque ... [tu problema aquí], me amo y me acepto con todo mi corazón."));

    InstallUiLanguage(QStringLiteral("en"), {kBuiltTranslations}, {});
    EXPECT_EQ(GetStringForActivationStep(eisGuilt, QStringLiteral("50%1 sicher")), english)
        << "English again, exactly as before";
}

}  // namespace

namespace {

// A negative-memory session first rated 7 and later 3, at the given step.
SessionState RatedSession(Step step) {
    SessionState state;
    state.genmSelectedIssue = eisNegativeMemory;
    state.genmCurrentStep = step;
    state.gintFirstSUD = 7;
    state.gintLaterSUDs = {3};
    return state;
}

}  // namespace

TEST_F(TranslationFiles, AGermanSessionIsAnnouncedAndRatedInGerman) {
    const QString englishPoint = StepAnnouncement(estTopHead1, RatedSession(estTopHead1));
    ASSERT_EQ(InstallUiLanguage(QStringLiteral("de"), {kBuiltTranslations}, {}), "de");
    EXPECT_EQ(TextLanguage(), "de") << "spoken guidance looks for a German voice";
    const QString point = StepAnnouncement(estTopHead1, RatedSession(estTopHead1));
    EXPECT_TRUE(point.startsWith("Punkt 1 von 16: Scheitel. Sag: ")) << point.toStdString();
    EXPECT_EQ(StepAnnouncement(estLeftHand, RatedSession(estLeftHand)),
              "Schritt: Einstimmungssatz, Handkante – linke Hand");
    EXPECT_EQ(FirstRatingLine(estReassessSUD, RatedSession(estReassessSUD)),
              "Zu Beginn hast du es mit 7 eingeschätzt.");
    EXPECT_EQ(RatingChangeLine(estFinish, RatedSession(estFinish)),
              "Deine Einschätzung ging von 7 auf 3.");
    EXPECT_TRUE(GentleWordText().startsWith("Wenn dir das gerade zu viel ist"));

    ASSERT_EQ(InstallUiLanguage(QStringLiteral("es"), {kBuiltTranslations}, {}), "es");
    EXPECT_EQ(RatingChangeLine(estFinish, RatedSession(estFinish)), "Tu valoración pasó de 7 a 3.");

    InstallUiLanguage(QStringLiteral("en"), {kBuiltTranslations}, {});
    EXPECT_EQ(TextLanguage(), "en");
    EXPECT_EQ(StepAnnouncement(estTopHead1, RatedSession(estTopHead1)), englishPoint);
    EXPECT_EQ(englishPoint, "Point 1 of 16: Top Head. Say: I cannot deal with my past...");
}

// French as a user hears and reads it: the points, the set-up statement with the user's own words
// once and as typed, the ratings, and the calm notice, in French, where no voice speaks French.
TEST_F(TranslationFiles, AFrenchSessionSpeaksAndIsRatedInFrench) {
    ASSERT_EQ(InstallUiLanguage(QStringLiteral("fr"), {kBuiltTranslations}, {}), "fr");
    EXPECT_EQ(TextLanguage(), "fr") << "spoken guidance looks for a French voice";
    EXPECT_EQ(GetStepDescription(estLeftHand), "Point karat\u00e9, main gauche");
    EXPECT_EQ(GetIssueRecordName(eisGuilt), "Guilt") << "the journal keeps the English name";
    const QString point = StepAnnouncement(estTopHead1, RatedSession(estTopHead1));
    EXPECT_TRUE(point.startsWith("Point 1 sur 16\u00a0: Sommet de la t\u00eate. Dis\u00a0: "))
        << point.toStdString();
    const QString statement = GetStringForActivationStep(eisGuilt, QStringLiteral("50%1 s\u00fbr"));
    EXPECT_TRUE(
        statement.endsWith("M\u00eame si je porte cette culpabilit\u00e9, 50%1 s\u00fbr, "
                           "je m'aime et je m'accepte de tout mon c\u0153ur."))
        << statement.toStdString();
    EXPECT_EQ(statement.count("50%1 s\u00fbr"), 1);
    EXPECT_EQ(RatingChangeLine(estFinish, RatedSession(estFinish)),
              "Ta note est pass\u00e9e de 7 \u00e0 3.");
    EXPECT_TRUE(NoVoiceForTextLanguage().contains("ne parle fran\u00e7ais"))
        << NoVoiceForTextLanguage().toStdString();

    InstallUiLanguage(QStringLiteral("en"), {kBuiltTranslations}, {});
    EXPECT_EQ(TextLanguage(), "en");
}
