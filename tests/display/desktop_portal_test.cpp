// The desktop portal's appearance settings over a real D-Bus session: a stand-in portal in this
// process answers Read and sends SettingChanged. Run inside its own D-Bus session
// (dbus-run-session); without a session bus the cases are skipped.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>

#include "display/desktop_preferences.h"

using namespace mindrova;

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The stand-in portal has a connection of its own, as a real portal is another process.
QDBusConnection PortalBus() {
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
}

class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    QVariant reducedMotion = QVariant(0u);
    QVariant colorScheme = QVariant(0u);
    bool answers = true;

public slots:
    // Answers as the portal does, a variant inside a variant; an unknown key is an error.
    QDBusVariant Read(const QString& group, const QString& key, const QDBusMessage& message) {
        const QVariant* value = nullptr;
        if (group == QLatin1String("org.freedesktop.appearance")) {
            if (key == QLatin1String("reduced-motion")) value = &reducedMotion;
            if (key == QLatin1String("color-scheme")) value = &colorScheme;
        }
        if (value == nullptr || !answers) {
            message.setDelayedReply(true);
            if (answers) {
                PortalBus().send(message.createErrorReply(
                    QStringLiteral("org.freedesktop.portal.Error.NotFound"), "no such key"));
            }
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(*value)));
    }
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "mindrova-test";
    static char* argv[] = {name, nullptr};
    static auto* app = new QCoreApplication(argc, argv);
    return *app;
}

class Portal : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no D-Bus session";
        ASSERT_TRUE(PortalBus().registerObject(kPath, &portal, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(PortalBus().registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }
    void TearDown() override {
        if (!QDBusConnection::sessionBus().isConnected()) return;
        PortalBus().unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        PortalBus().unregisterObject(kPath);
    }
    static void Changed(const char* key, const QVariant& value) {
        QDBusMessage signal =
            QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("SettingChanged"));
        signal << QStringLiteral("org.freedesktop.appearance") << QString::fromLatin1(key)
               << QVariant::fromValue(QDBusVariant(value));
        PortalBus().send(signal);
    }

    StandInPortal portal;
};

TEST_F(Portal, ReducedMotionAndDarkAreReadAndFollowed) {
    portal.reducedMotion = QVariant(1u);
    portal.colorScheme = QVariant(1u);
    DesktopPreferences prefs(QString{});  // no gsettings: the portal alone
    QSignalSpy motion(&prefs, &DesktopPreferences::reducedMotionChanged);
    QSignalSpy scheme(&prefs, &DesktopPreferences::colorSchemeChanged);
    prefs.Start();
    EXPECT_FALSE(prefs.ReducedMotion()) << "Start does not wait for the answer";
    ASSERT_TRUE(motion.wait(5000));
    if (scheme.isEmpty()) {
        ASSERT_TRUE(scheme.wait(5000));
    }
    EXPECT_TRUE(prefs.ReducedMotion());
    EXPECT_EQ(prefs.ColorScheme(), DesktopColorScheme::Dark);

    Changed("reduced-motion", QVariant(0u));
    ASSERT_TRUE(motion.wait(5000));
    EXPECT_FALSE(prefs.ReducedMotion());
    Changed("color-scheme", QVariant(2u));
    ASSERT_TRUE(scheme.wait(5000));
    EXPECT_EQ(prefs.ColorScheme(), DesktopColorScheme::Light);
}

TEST_F(Portal, GarbageAndSilenceLeaveTheDefaults) {
    portal.reducedMotion = QVariant(QStringLiteral("yes"));
    portal.colorScheme = QVariant(9u);
    DesktopPreferences prefs(QString{});
    QSignalSpy motion(&prefs, &DesktopPreferences::reducedMotionChanged);
    QSignalSpy scheme(&prefs, &DesktopPreferences::colorSchemeChanged);
    prefs.Start(300);
    Changed("reduced-motion", QVariant(QStringLiteral("%%%")));
    Changed("color-scheme", QVariant(-4));
    motion.wait(800);
    EXPECT_EQ(motion.count(), 0);
    EXPECT_EQ(scheme.count(), 0);
    EXPECT_FALSE(prefs.ReducedMotion());
    EXPECT_EQ(prefs.ColorScheme(), DesktopColorScheme::NoPreference);

    // A portal that never answers is given up after the timeout.
    portal.answers = false;
    DesktopPreferences silent(QString{});
    QSignalSpy silentMotion(&silent, &DesktopPreferences::reducedMotionChanged);
    silent.Start(200);
    silentMotion.wait(600);
    EXPECT_EQ(silentMotion.count(), 0);
    EXPECT_FALSE(silent.ReducedMotion());
}

}  // namespace

#include "desktop_portal_test.moc"
