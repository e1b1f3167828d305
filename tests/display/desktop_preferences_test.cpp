#include "display/desktop_preferences.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures/test_files.h"

using namespace mindrova;

namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "mindrova-test";
    static char* argv[] = {name, nullptr};
    // No session bus: the portal cannot answer, as on a desktop without one.
    static QCoreApplication* app = [] {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/mindrova-test-bus");
        return new QCoreApplication(argc, argv);
    }();
    return *app;
}

struct GSettingsRow {
    const char* name;
    const char* output;
    std::optional<bool> parsed;
    friend void PrintTo(const GSettingsRow& row, std::ostream* out) { *out << row.name; }
};

class GSettingsOutput : public ::testing::TestWithParam<GSettingsRow> {};

TEST_P(GSettingsOutput, ReadsOnlyABoolean) {
    EXPECT_EQ(ParseGSettingsBoolean(GetParam().output), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, GSettingsOutput,
    ::testing::Values(GSettingsRow{"True", "true\n", true}, GSettingsRow{"False", "false\n", false},
                      GSettingsRow{"Spaces", "  false \n", false},
                      GSettingsRow{"Empty", "", std::nullopt},
                      GSettingsRow{"NoSchema", "No such schema \xe2\x80\x9cx\xe2\x80\x9d\n",
                                   std::nullopt},
                      GSettingsRow{"Capitalised", "True\n", std::nullopt},
                      GSettingsRow{"Number", "0\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortalRow {
    const char* name;
    QVariant value;
    std::optional<bool> reduced;
    std::optional<DesktopColorScheme> scheme;
    friend void PrintTo(const PortalRow& row, std::ostream* out) { *out << row.name; }
};

class PortalValue : public ::testing::TestWithParam<PortalRow> {};

TEST_P(PortalValue, ReadsTheDocumentedNumbersOnly) {
    EXPECT_EQ(ParsePortalReducedMotion(GetParam().value), GetParam().reduced);
    EXPECT_EQ(ParsePortalColorScheme(GetParam().value), GetParam().scheme);
}

QVariant Wrapped(const QVariant& inner) {
    return QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(inner))));
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, PortalValue,
    ::testing::Values(
        PortalRow{"Zero", QVariant(0u), false, DesktopColorScheme::NoPreference},
        PortalRow{"One", QVariant(1u), true, DesktopColorScheme::Dark},
        PortalRow{"Two", QVariant(2u), std::nullopt, DesktopColorScheme::Light},
        PortalRow{"WrappedTwice", Wrapped(QVariant(1u)), true, DesktopColorScheme::Dark},
        PortalRow{"Large", QVariant(7u), std::nullopt, std::nullopt},
        PortalRow{"Negative", QVariant(-1), std::nullopt, std::nullopt},
        PortalRow{"Text", QVariant(QStringLiteral("dark")), std::nullopt, std::nullopt},
        PortalRow{"Boolean", QVariant(true), std::nullopt, std::nullopt},
        PortalRow{"Nothing", QVariant(), std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// A stand-in for gsettings that prints what the desktop would.
class GSettingsStandIn : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(folder.isValid());
    }
    QString Script(const QByteArray& body) {
        const QString path = folder.filePath("gsettings");
        mindrova::testing::WriteTestScript(path, body);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(GSettingsStandIn, AnimationsOffAsksForLessMotionAfterStartReturns) {
    DesktopPreferences prefs(
        Script(R"(test "$*" = "get org.gnome.desktop.interface enable-animations" && echo false)"));
    QSignalSpy changed(&prefs, &DesktopPreferences::reducedMotionChanged);
    prefs.Start();
    EXPECT_FALSE(prefs.ReducedMotion()) << "nothing is known before the answer";
    EXPECT_EQ(changed.count(), 0);
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_TRUE(prefs.ReducedMotion());
    EXPECT_EQ(changed.takeFirst().at(0).toBool(), true);
}

struct CalmRow {
    const char* name;
    QByteArray body;  // empty: no program at all
    friend void PrintTo(const CalmRow& row, std::ostream* out) { *out << row.name; }
};

class CalmFallback : public GSettingsStandIn, public ::testing::WithParamInterface<CalmRow> {};

TEST_P(CalmFallback, LeavesTheMarkersBlinkingWithoutDelay) {
    const QString program =
        GetParam().body.isEmpty() ? folder.filePath("missing-gsettings") : Script(GetParam().body);
    DesktopPreferences prefs(program);
    QSignalSpy changed(&prefs, &DesktopPreferences::reducedMotionChanged);
    QElapsedTimer clock;
    clock.start();
    prefs.Start(300);
    EXPECT_LT(clock.elapsed(), 250) << "Start never waits for an answer";
    // Long enough for every answer, and for the slow one to be given up.
    QSignalSpy never(&prefs, &DesktopPreferences::colorSchemeChanged);
    never.wait(800);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(prefs.ReducedMotion());
    EXPECT_EQ(prefs.ColorScheme(), DesktopColorScheme::NoPreference);
}

INSTANTIATE_TEST_SUITE_P(Desktop, CalmFallback,
                         ::testing::Values(CalmRow{"Missing", {}},
                                           CalmRow{"AnimationsOn", "echo true"},
                                           CalmRow{"Garbage", "echo '%%%'"},
                                           CalmRow{"Fails", "echo false; exit 1"},
                                           CalmRow{"TooSlow", "sleep 5; echo false"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Timers registered for an object and everything under it.
int TimersUnder(const QObject* root) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    int count = int(dispatcher->registeredTimers(const_cast<QObject*>(root)).size());
    for (const QObject* child : root->children()) count += TimersUnder(child);
    return count;
}

// Once gsettings is done with, however it ended, nothing of the read is left to wake the program:
// a window that waits for the user sleeps until the user acts.
class NothingLeftRunning : public GSettingsStandIn,
                           public ::testing::WithParamInterface<CalmRow> {};

TEST_P(NothingLeftRunning, AfterTheReadEnds) {
    const QString program =
        GetParam().body.isEmpty() ? folder.filePath("missing-gsettings") : Script(GetParam().body);
    // Qt's single-shot timers hang from the event dispatcher: counted there too.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const int before = TimersUnder(dispatcher);
    DesktopPreferences prefs(program);
    prefs.Start(400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prefs.findChildren<QProcess*>().isEmpty(); }, 10000))
        << "gsettings was never let go";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TimersUnder(&prefs), 0);
    EXPECT_EQ(TimersUnder(dispatcher), before);
}

INSTANTIATE_TEST_SUITE_P(Desktop, NothingLeftRunning,
                         ::testing::Values(CalmRow{"Missing", {}},
                                           CalmRow{"AnimationsOff", "echo false"},
                                           CalmRow{"Fails", "echo false; exit 1"},
                                           CalmRow{"TooSlow", "sleep 5; echo false"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
