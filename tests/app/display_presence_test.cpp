// Whether a display can be reached, as the program asks before Qt's application object exists.
#include "app/display_presence.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace mindrova {
namespace {

struct DisplayCase {
    const char* name;
    QStringList arguments;    // after the program's name
    QStringList environment;  // NAME=value
    bool reachable;
    friend void PrintTo(const DisplayCase& c, std::ostream* out) { *out << c.name; }
};

class Display : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(Display, IsReachableOnlyWhereThePlatformQtTriesFindsOne) {
    QProcessEnvironment environment;
    for (const QString& pair : GetParam().environment) {
        environment.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    }
    EXPECT_EQ(DisplayReachable(QStringList{"mindrova"} + GetParam().arguments, environment),
              GetParam().reachable);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, Display,
    ::testing::Values(
        DisplayCase{"nothing", {}, {}, false},
        DisplayCase{"empty_names", {}, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, false},
        DisplayCase{"x11", {}, {"DISPLAY=:0"}, true},
        DisplayCase{"wayland", {}, {"WAYLAND_DISPLAY=wayland-1"}, true},
        DisplayCase{"wayland_socket", {}, {"WAYLAND_SOCKET=5"}, true},
        DisplayCase{"display_argument", {"-display", ":1"}, {}, true},
        DisplayCase{"offscreen", {}, {"QT_QPA_PLATFORM=offscreen"}, true},
        DisplayCase{"minimal", {}, {"QT_QPA_PLATFORM=minimal"}, true},
        DisplayCase{"vnc_with_options", {}, {"QT_QPA_PLATFORM=vnc:size=800x600"}, true},
        DisplayCase{"platform_argument", {"-platform", "offscreen"}, {}, true},
        DisplayCase{"platform_argument_two_dashes", {"--platform", "offscreen"}, {}, true},
        DisplayCase{"argument_before_environment",
                    {"-platform", "xcb"},
                    {"QT_QPA_PLATFORM=offscreen"},
                    false},
        DisplayCase{"xcb_without_x11", {}, {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=w"}, false},
        DisplayCase{"xcb_with_x11", {}, {"QT_QPA_PLATFORM=xcb", "DISPLAY=:0"}, true},
        DisplayCase{
            "wayland_without_compositor", {}, {"QT_QPA_PLATFORM=wayland", "DISPLAY=:0"}, false},
        DisplayCase{"either_finds_x11", {}, {"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:0"}, true},
        DisplayCase{"neither", {}, {"QT_QPA_PLATFORM=wayland;xcb"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The Wayland library tries the compositor's usual socket when none is named.
TEST(DisplayPresence, TheUsualWaylandSocketCountsWithoutAName) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QProcessEnvironment environment;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    EXPECT_FALSE(DisplayReachable({"mindrova"}, environment));
    QFile socket(runtime.filePath("wayland-0"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    EXPECT_TRUE(DisplayReachable({"mindrova"}, environment));
}

}  // namespace
}  // namespace mindrova
