// Steady markers in the session window: the menu item, the saved choice, and the desktop's wish
// for less motion, which counts only while the user has chosen nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "fixtures/test_files.h"
#include "support/settings_store.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_services.h"

using namespace mindrova;

namespace {

class SteadyMarkersWindow : public ::testing::Test {
protected:
    void TearDown() override {
        if (window) mindrova::testing::CloseSessionWindow(window);
    }
    QString ConfPath() const { return folder.ConfPath(); }
    void Save(const char* key, const QVariant& value) {
        QSettings conf(ConfPath(), QSettings::IniFormat);
        conf.setValue(key, value);
    }
    // The desktop answers through a stand-in for gsettings printing enable-animations.
    void DesktopAnimations(const char* answer) {
        const QString path = folder.filePath("gsettings");
        ASSERT_TRUE(mindrova::testing::WriteTestScript(path, QByteArray("echo ") + answer));
        services.makeDesktopPreferences = [this, path] {
            auto made = std::make_unique<DesktopPreferences>(path);
            desktop = made.get();
            return made;
        };
    }
    void Open() {
        window = mindrova::testing::OpenSessionWindow(services);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    void WaitForDesktop() {
        ASSERT_NE(desktop, nullptr) << "the desktop is asked once the window was painted";
        QSignalSpy answered(desktop, &DesktopPreferences::reducedMotionChanged);
        ASSERT_TRUE(answered.wait(10000));
    }
    QAction* Item() const { return window->findChild<QAction*>("mnuPopUpSteadyMarkers"); }
    Step Current() const { return window->controller().State().genmCurrentStep; }
    void ToFirstPoint() {
        for (int i = 0; i < 6; ++i) window->controller().Next();
        ASSERT_EQ(Current(), estTopHead1);
    }
    // The current marker's visibility on each tick of one whole point, '1' shown.
    QString OnePoint() {
        QString pattern;
        const Step step = Current();
        for (int tick = 0; tick < 300 && Current() == step; ++tick) {
            window->controller().tmrSteps_Timer();
            if (Current() != step) break;
            pattern += window->markerShown(window->controller().CurrentDot()) ? '1' : '0';
        }
        return pattern;
    }

    mindrova::testing::TestWindowServices services;  // the desktop, where the test gives one
    mindrova::testing::SettingsFolder folder;
    frmMain* window = nullptr;
    DesktopPreferences* desktop = nullptr;
};

TEST_F(SteadyMarkersWindow, OffByDefaultTheMarkerBlinksAsBefore) {
    Open();
    ASSERT_NE(Item(), nullptr);
    EXPECT_EQ(Item()->text(), "Steady markers");
    EXPECT_TRUE(Item()->isCheckable());
    EXPECT_FALSE(Item()->isChecked());
    ToFirstPoint();
    const QString pattern = OnePoint();
    EXPECT_EQ(pattern.left(23), "11111111111000000000001");
    EXPECT_FALSE(QFile::exists(ConfPath())) << "nothing chosen, nothing written";
}

TEST_F(SteadyMarkersWindow, TheItemKeepsTheMarkerShownForTheWholePointAndIsSaved) {
    Open();
    ToFirstPoint();
    Item()->trigger();
    EXPECT_TRUE(Item()->isChecked());
    EXPECT_TRUE(window->controller().SteadyMarkers());
    for (int point = 0; point < 3; ++point) {
        const QString pattern = OnePoint();
        EXPECT_EQ(pattern, QString(pattern.size(), '1')) << "point " << point;
        EXPECT_GE(pattern.size(), 199);
    }
    EXPECT_EQ(QSettings(ConfPath(), QSettings::IniFormat).value("Display/SteadyMarkers").toString(),
              "1");
    Item()->trigger();
    EXPECT_FALSE(window->controller().SteadyMarkers());
    EXPECT_EQ(QSettings(ConfPath(), QSettings::IniFormat).value("Display/SteadyMarkers").toString(),
              "0");
}

TEST_F(SteadyMarkersWindow, ASavedChoiceAppliesFromTheStart) {
    Save("Display/SteadyMarkers", 1);
    Open();
    EXPECT_TRUE(Item()->isChecked());
    ToFirstPoint();
    const QString pattern = OnePoint();
    EXPECT_EQ(pattern, QString(pattern.size(), '1'));
}

TEST_F(SteadyMarkersWindow, TheDesktopsWishForLessMotionStopsTheBlinking) {
    DesktopAnimations("false");
    Open();
    EXPECT_FALSE(window->controller().SteadyMarkers()) << "nothing known before the answer";
    WaitForDesktop();
    EXPECT_TRUE(window->controller().SteadyMarkers());
    EXPECT_TRUE(Item()->isChecked());
    EXPECT_FALSE(QFile::exists(ConfPath())) << "the desktop's wish is not the user's choice";
    // The user may still want the blinking back.
    Item()->trigger();
    EXPECT_FALSE(window->controller().SteadyMarkers());
}

TEST_F(SteadyMarkersWindow, TheUsersOwnChoiceOutweighsTheDesktop) {
    Save("Display/SteadyMarkers", 0);
    DesktopAnimations("false");
    Open();
    WaitForDesktop();
    EXPECT_FALSE(window->controller().SteadyMarkers());
    EXPECT_FALSE(Item()->isChecked());
}

}  // namespace
