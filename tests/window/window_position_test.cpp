#include "window/window_position.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fixtures/modal_recorder.h"
#include "fixtures/settings_folder.h"
#include "fixtures/trace_capture.h"
#include "support/file_system_helper.h"
#include "support/settings_store.h"
#include "support/trace_log.h"

namespace mindrova {
void PrintTo(const TwipRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
void PrintTo(const WindowPlacement& p, std::ostream* os) {
    PrintTo(p.geometry, os);
    *os << (p.maximize ? " maximized" : " normal");
}
}  // namespace mindrova

using namespace mindrova;
using mindrova::testing::ReportRecorder;

namespace {

const QString kKey = QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY;
const QSizeF kScreen(28800, 16200);  // 1920 x 1080 pixels at 96 dpi
const TwipRect kOpening{0, 0, 17280, 11715};

qint32 Stored(const char* name) {
    return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, kKey, QString::fromLatin1(name), -99999);
}

class WindowPositionStore : public ::testing::Test {
protected:
    void WriteConf(std::string_view bytes) const {
        folder.WriteConf(QByteArray(bytes.data(), qsizetype(bytes.size())));
    }

    mindrova::testing::SettingsFolder folder;
    ReportRecorder reports;
};

TEST_F(WindowPositionStore, NormalCloseRoundTrips) {
    FormPos_Save({1200.5, 2401.5, 15000.25, 9000.75, SavedWindowState::Normal});
    qint32 left = -1, top = -1, width = -1, height = -1, state = -1;
    ASSERT_TRUE(FormPos_Read(left, top, width, height, state));
    EXPECT_EQ(left, 1200);  // halves go to the even neighbour
    EXPECT_EQ(top, 2402);
    EXPECT_EQ(width, 15000);
    EXPECT_EQ(height, 9001);
    EXPECT_EQ(state, 0);
    const WindowPlacement placement = PlaceWindow(ReadStoredPosition(), kScreen, kOpening);
    EXPECT_EQ(placement.geometry, (TwipRect{1200, 2402, 15000, 9001}));
    EXPECT_FALSE(placement.maximize);
}

TEST_F(WindowPositionStore, MaximizedCloseKeepsTheEarlierNormalPlace) {
    FormPos_Save({1500, 900, 16000, 10000, SavedWindowState::Normal});
    FormPos_Save({-60, -60, 28920, 15720, SavedWindowState::Maximized});
    EXPECT_EQ(Stored("Left"), 1500);
    EXPECT_EQ(Stored("Top"), 900);
    EXPECT_EQ(Stored("Width"), 16000);
    EXPECT_EQ(Stored("Height"), 10000);
    EXPECT_EQ(Stored("State"), 2);
    const WindowPlacement placement = PlaceWindow(ReadStoredPosition(), kScreen, kOpening);
    EXPECT_EQ(placement.geometry, (TwipRect{1500, 900, 16000, 10000}));
    EXPECT_TRUE(placement.maximize);

    // Closing normal again clears the maximized state.
    FormPos_Save({1515, 915, 16000, 10000, SavedWindowState::Normal});
    EXPECT_EQ(Stored("State"), 0);
    EXPECT_FALSE(PlaceWindow(ReadStoredPosition(), kScreen, kOpening).maximize);
}

TEST_F(WindowPositionStore, MinimizedWritesNothing) {
    FormPos_Save({-48000, -48000, 2400, 540, SavedWindowState::Minimized});
    EXPECT_FALSE(QFile::exists(folder.ConfPath()));

    FormPos_Save({300, 450, 16000, 10000, SavedWindowState::Normal});
    FormPos_Save({-48000, -48000, 2400, 540, SavedWindowState::Minimized});
    const StoredPosition stored = ReadStoredPosition();
    EXPECT_EQ(stored.left, 300);
    EXPECT_EQ(stored.top, 450);
    EXPECT_EQ(stored.width, 16000);
    EXPECT_EQ(stored.windowState, 0);
}

TEST_F(WindowPositionStore, NegativeAndOffScreenCoordinatesApplyUnchanged) {
    FormPos_Save({-2400, -300.5, 16000, 10000, SavedWindowState::Normal});
    StoredPosition stored = ReadStoredPosition();
    ASSERT_TRUE(stored.present);
    EXPECT_EQ(stored.left, -2400);
    EXPECT_EQ(stored.top, -300);
    EXPECT_EQ(PlaceWindow(stored, kScreen, kOpening).geometry,
              (TwipRect{-2400, -300, 16000, 10000}));

    FormPos_Save({90000, 60000, 16000, 10000, SavedWindowState::Normal});
    stored = ReadStoredPosition();
    EXPECT_EQ(PlaceWindow(stored, kScreen, kOpening).geometry,
              (TwipRect{90000, 60000, 16000, 10000}));
}

TEST_F(WindowPositionStore, OnlyStateSavedIsNotAPosition) {
    SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, kKey, "State", 2);
    const StoredPosition stored = ReadStoredPosition();
    EXPECT_FALSE(stored.present);
    EXPECT_EQ(stored.windowState, 2);
    const WindowPlacement placement = PlaceWindow(stored, kScreen, kOpening);
    EXPECT_FALSE(placement.maximize);
    EXPECT_EQ(placement.geometry, (TwipRect{5760, 2242.5, 17280, 11715}));
}

struct BadFile {
    const char* name;
    std::string bytes;
    friend void PrintTo(const BadFile& row, std::ostream* out) { *out << row.name; }
};

class UnusableSettings : public WindowPositionStore,
                         public ::testing::WithParamInterface<BadFile> {};

TEST_P(UnusableSettings, GiveNoPositionAndACentredWindow) {
    WriteConf(GetParam().bytes);
    const StoredPosition stored = ReadStoredPosition();
    EXPECT_FALSE(stored.present);
    const WindowPlacement placement = PlaceWindow(stored, kScreen, kOpening);
    EXPECT_FALSE(placement.maximize);
    EXPECT_EQ(placement.geometry, (TwipRect{5760, 2242.5, 17280, 11715}));
    EXPECT_TRUE(reports.reports.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableSettings,
    ::testing::Values(
        BadFile{"Empty", ""}, BadFile{"Garbage", "this is not a settings file\n}{][=\n==\n[[[\n"},
        BadFile{"Truncated", "[WindowPosition]\nLeft=1200\nTop=2400\nWid"},
        BadFile{"Binary",
                std::string("\x00\xff\xfe[Window\x00Position]\nWidth=\x01\x02\x03\x00", 26)},
        BadFile{"WrongKinds",
                "[WindowPosition]\nLeft=abc\nTop=1.5\nWidth=15000x\nHeight=\nState=2\n"},
        BadFile{"WidthAsBytes",
                "[WindowPosition]\nLeft=10\nTop=10\nWidth=@ByteArray(15000)\nState=2\n"},
        BadFile{"WidthAsList", "[WindowPosition]\nLeft=10\nTop=10\nWidth=1, 2\nState=2\n"},
        BadFile{"WidthFloating", "[WindowPosition]\nLeft=10\nTop=10\nWidth=1.5e4\nState=2\n"},
        BadFile{"WidthTooBig", "[WindowPosition]\nLeft=10\nTop=10\nWidth=4294967296\nState=2\n"},
        BadFile{"WidthZero", "[WindowPosition]\nLeft=10\nTop=10\nWidth=0\nState=2\n"},
        BadFile{"WidthNegative", "[WindowPosition]\nLeft=10\nTop=10\nWidth=-15000\nState=2\n"},
        BadFile{"OtherSection", "[Elsewhere]\nLeft=10\nTop=10\nWidth=15000\nState=2\n"}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(WindowPositionStore, SavingOverAnUnusableFileGivesAPositionAgain) {
    WriteConf("[WindowPosition]\nLeft=abc\nWidth=\x01\x02\n");
    FormPos_Save({600, 750, 16000, 10000, SavedWindowState::Normal});
    const StoredPosition stored = ReadStoredPosition();
    EXPECT_TRUE(stored.present);
    EXPECT_EQ(stored.left, 600);
    EXPECT_EQ(stored.top, 750);
}

// Closing the window on a platform, over a file that holds an earlier place or none: where the
// platform gives windows no place (Wayland), Left and Top stay as the file had them.
struct PlatformSave {
    const char* name;
    const char* platform;
    bool earlierPlace;  // the file holds Left=1500, Top=900 from an earlier X11 session
    SavedWindowState state;
    qint32 left, top;  // as stored afterwards; -99999: not in the file
    bool placeKnown;   // what the next start reads
    TwipRect opensAt;  // where the next start places the window on a 1920 x 1080 screen
    friend void PrintTo(const PlatformSave& c, std::ostream* os) { *os << c.name; }
};

class SavingOnAPlatform : public WindowPositionStore,
                          public ::testing::WithParamInterface<PlatformSave> {};

TEST_P(SavingOnAPlatform, KeepsLeftAndTopOnlyWhereThePlatformPlacesWindows) {
    const PlatformSave& c = GetParam();
    if (c.earlierPlace) FormPos_Save({1500, 900, 16000, 10000, SavedWindowState::Normal});
    SavedWindow closing{600, 750, 15000, 9000, c.state};
    closing.placeKnown = PlatformPlacesWindows(QString::fromLatin1(c.platform));
    FormPos_Save(closing);
    EXPECT_EQ(Stored("Left"), c.left);
    EXPECT_EQ(Stored("Top"), c.top);
    const bool maximized = c.state == SavedWindowState::Maximized;
    EXPECT_EQ(Stored("Width"), maximized ? 16000 : 15000) << "the size is saved everywhere";
    EXPECT_EQ(Stored("Height"), maximized ? 10000 : 9000);
    EXPECT_EQ(Stored("State"), static_cast<qint32>(c.state));
    const StoredPosition stored = ReadStoredPosition();
    EXPECT_TRUE(stored.present);
    EXPECT_EQ(stored.placeKnown, c.placeKnown);
    EXPECT_EQ(PlaceWindow(stored, kScreen, kOpening).geometry, c.opensAt);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, SavingOnAPlatform,
    ::testing::Values(PlatformSave{"xcb_saves_the_place",
                                   "xcb",
                                   true,
                                   SavedWindowState::Normal,
                                   600,
                                   750,
                                   true,
                                   {600, 750, 15000, 9000}},
                      PlatformSave{"wayland_keeps_the_earlier_place",
                                   "wayland",
                                   true,
                                   SavedWindowState::Normal,
                                   1500,
                                   900,
                                   true,
                                   {1500, 900, 15000, 9000}},
                      PlatformSave{"wayland_egl_keeps_the_earlier_place",
                                   "wayland-egl",
                                   true,
                                   SavedWindowState::Normal,
                                   1500,
                                   900,
                                   true,
                                   {1500, 900, 15000, 9000}},
                      // A size without a place opens centred, also in a later X11 session.
                      PlatformSave{"wayland_first_close_writes_no_place",
                                   "wayland",
                                   false,
                                   SavedWindowState::Normal,
                                   -99999,
                                   -99999,
                                   false,
                                   {6900, 3600, 15000, 9000}},
                      PlatformSave{"wayland_maximized_keeps_everything_but_the_state",
                                   "wayland",
                                   true,
                                   SavedWindowState::Maximized,
                                   1500,
                                   900,
                                   true,
                                   {1500, 900, 16000, 10000}},
                      PlatformSave{"offscreen_saves_the_place",
                                   "offscreen",
                                   false,
                                   SavedWindowState::Normal,
                                   600,
                                   750,
                                   true,
                                   {600, 750, 15000, 9000}}),
    [](const ::testing::TestParamInfo<PlatformSave>& info) {
        return std::string(info.param.name);
    });

// A file with a size but only half a place (edited by hand, or cut short) opens centred.
TEST_F(WindowPositionStore, HalfAPlaceIsNoPlace) {
    WriteConf("[WindowPosition]\nLeft=300\nWidth=15000\nHeight=9000\nState=0\n");
    const StoredPosition stored = ReadStoredPosition();
    ASSERT_TRUE(stored.present);
    EXPECT_FALSE(stored.placeKnown);
    EXPECT_EQ(PlaceWindow(stored, kScreen, kOpening).geometry, (TwipRect{6900, 3600, 15000, 9000}));
}

TEST(StoredTwipsTest, RoundsHalvesToEvenAndClamps) {
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    const struct {
        double in;
        qint32 out;
    } cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4999, 2},
        {2.5001, 3},
        {17276.7, 17277},
        {-2400, -2400},
        {1e12, kMax},
        {-1e12, kMin},
        {2147483647.4, kMax},
        {std::numeric_limits<double>::infinity(), kMax},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StoredTwips(c.in), c.out) << c.in;
}

TEST(WindowStateTest, MapsQtStates) {
    const struct {
        Qt::WindowStates in;
        SavedWindowState out;
    } cases[] = {
        {Qt::WindowNoState, SavedWindowState::Normal},
        {Qt::WindowActive, SavedWindowState::Normal},
        {Qt::WindowMaximized, SavedWindowState::Maximized},
        {Qt::WindowFullScreen, SavedWindowState::Maximized},
        {Qt::WindowMinimized, SavedWindowState::Minimized},
        {Qt::WindowMinimized | Qt::WindowMaximized, SavedWindowState::Minimized},
    };
    for (const auto& c : cases) EXPECT_EQ(StateOf(c.in), c.out) << int(c.in);
}

TEST(WindowStateTest, SavedWindowOfConvertsTheFrameToTwips) {
    const SavedWindow at96 =
        SavedWindowOf(QRect(-10, 20, 1152, 781), Qt::WindowMaximized, TwipScale(96));
    EXPECT_DOUBLE_EQ(at96.left, -150);
    EXPECT_DOUBLE_EQ(at96.top, 300);
    EXPECT_DOUBLE_EQ(at96.width, 17280);
    EXPECT_DOUBLE_EQ(at96.height, 11715);
    EXPECT_EQ(at96.state, SavedWindowState::Maximized);
    const SavedWindow at144 = SavedWindowOf(QRect(0, 0, 150, 100), {}, TwipScale(144));
    EXPECT_DOUBLE_EQ(at144.width, 1500);
    EXPECT_DOUBLE_EQ(at144.height, 1000);
}

struct PlaceCase {
    const char* name;
    StoredPosition stored;
    QSizeF screen;
    TwipRect window;
    WindowPlacement expected;
    friend void PrintTo(const PlaceCase& row, std::ostream* out) { *out << row.name; }
};

class PlaceWindowTable : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceWindowTable, Decides) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(PlaceWindow(c.stored, c.screen, c.window), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceWindowTable,
                         ::testing::Values(PlaceCase{"StoredNormal",
                                                     {100, 200, 9000, 6000, 0, true},
                                                     kScreen,
                                                     kOpening,
                                                     {{100, 200, 9000, 6000}, false}},
                                           PlaceCase{"StoredMaximized",
                                                     {100, 200, 9000, 6000, 2, true},
                                                     kScreen,
                                                     kOpening,
                                                     {{100, 200, 9000, 6000}, true}},
                                           PlaceCase{"StoredMinimizedState",
                                                     {100, 200, 9000, 6000, 1, true},
                                                     kScreen,
                                                     kOpening,
                                                     {{100, 200, 9000, 6000}, false}},
                                           PlaceCase{"StoredOddState",
                                                     {100, 200, 9000, 6000, 7, true},
                                                     kScreen,
                                                     kOpening,
                                                     {{100, 200, 9000, 6000}, false}},
                                           PlaceCase{"StoredBiggerThanScreen",
                                                     {-500, -500, 90000, 90000, 0, true},
                                                     kScreen,
                                                     kOpening,
                                                     {{-500, -500, 90000, 90000}, false}},
                                           PlaceCase{"AbsentCentres",
                                                     {},
                                                     kScreen,
                                                     {300, 300, 9000, 6000},
                                                     {{9900, 5100, 9000, 6000}, false}},
                                           PlaceCase{"AbsentIgnoresState",
                                                     {0, 0, 0, 0, 2, false},
                                                     kScreen,
                                                     {0, 0, 9000, 6000},
                                                     {{9900, 5100, 9000, 6000}, false}},
                                           PlaceCase{"AbsentWindowBiggerThanScreen",
                                                     {},
                                                     QSizeF(12000, 9000),
                                                     kOpening,
                                                     {{-2640, -1357.5, 17280, 11715}, false}},
                                           PlaceCase{"AbsentOddHalf",
                                                     {},
                                                     QSizeF(1001, 1001),
                                                     {0, 0, 0, 0},
                                                     {{500.5, 500.5, 0, 0}, false}}),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) {
                             return std::string(info.param.name);
                         });

// Two screens side by side, 1920 x 1080 and 1280 x 1024 pixels; the primary one's panel takes
// 40 pixels at the bottom.
const ScreenAreas kTwoScreens{{{0, 0, 28800, 16200}, {28800, 0, 19200, 15360}},
                              {0, 0, 28800, 15600}};
const QSizeF kOpeningSize(17276.7, 11710.65);

struct KeepCase {
    const char* name;
    TwipRect placed;
    ScreenAreas areas;
    TwipRect expected;
    friend void PrintTo(const KeepCase& row, std::ostream* out) { *out << row.name; }
};

class KeepOnAScreenTable : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepOnAScreenTable, Decides) {
    const KeepCase& c = GetParam();
    EXPECT_EQ(KeepOnAScreen(c.placed, c.areas, kOpeningSize), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepOnAScreenTable,
    ::testing::Values(
        KeepCase{"OnThePrimary", {1500, 900, 17280, 11715}, kTwoScreens, {1500, 900, 17280, 11715}},
        KeepCase{"OnTheSecond", {30000, 900, 9000, 6000}, kTwoScreens, {30000, 900, 9000, 6000}},
        KeepCase{"PartlyOnTheLeftEdge",
                 {-17000, 900, 17280, 11715},
                 kTwoScreens,
                 {-17000, 900, 17280, 11715}},
        // The second monitor is gone: the place lies on no screen.
        KeepCase{"OnAMonitorUnpluggedSince",
                 {30000, 900, 9000, 6000},
                 {{{0, 0, 28800, 16200}}, {0, 0, 28800, 15600}},
                 {9900, 4800, 9000, 6000}},
        KeepCase{"FarAboveAndLeft",
                 {-900000, -900000, 9000, 6000},
                 kTwoScreens,
                 {9900, 4800, 9000, 6000}},
        KeepCase{"LargerThanTheAreaShrinks",
                 {90000, 0, 40000, 30000},
                 kTwoScreens,
                 {0, 0, 28800, 15600}},
        // Its saved size reaches the screen, but it opens at the opening size, far from it.
        KeepCase{"HugeSizeFromFarAway",
                 {-1000000, 0, 2000000, 2000000},
                 kTwoScreens,
                 {0, 0, 28800, 15600}},
        KeepCase{"NoScreensKnown",
                 {-900000, -900000, 9000, 6000},
                 ScreenAreas{},
                 {-900000, -900000, 9000, 6000}}),
    [](const ::testing::TestParamInfo<KeepCase>& info) { return std::string(info.param.name); });

TEST_F(WindowPositionStore, SetFormPositionCentresAPlaceOnNoScreen) {
    FormPos_Save({-900000, -900000, 9000, 6000, SavedWindowState::Normal});
    class OneScreen : public PositionedWindow {
    public:
        QSizeF ScreenSize() const override { return kScreen; }
        TwipRect OuterGeometry() const override { return geometry; }
        void SetOuterGeometry(const TwipRect& g) override { geometry = g; }
        void Maximize() override {}
        ScreenAreas Screens() const override { return kTwoScreens; }
        TwipRect geometry = kOpening;
    } window;
    SetFormPosition(window);
    EXPECT_EQ(window.geometry, (TwipRect{9900, 4800, 9000, 6000}));
}

TEST(SetFormPositionLines, Texts) {
    EXPECT_EQ(SetFormPositionStartLine(QSizeF(28800, 16200), {1200, -300, 17276.7, 11710.65}),
              "Start SetFormPosition, Screen.Width = 28800, Screen.Height = 16200, "
              "Me.Left = 1200, Me.Top = -300, Me.Width = 17276.7, Me.Height = 11710.65");
    EXPECT_EQ(SetFormPositionEndLine({-0.0, 2242.5, 17280, 11715}, {1, -2, 3, 4, 2, true}),
              "End SetFormPosition, Me.Left = 0, Me.Top = 2242.5, Me.Width = 17280, "
              "Me.Height = 11715, llngLeft = 1, llngTop = -2, llngWidth = 3, llngHeight = 4, "
              "llngWindowState = 2");
}

class FakeWindow : public PositionedWindow {
public:
    QSizeF ScreenSize() const override { return screen; }
    TwipRect OuterGeometry() const override { return geometry; }
    void SetOuterGeometry(const TwipRect& g) override {
        if (failOnMove) throw std::runtime_error("window gone");
        geometry = g;
        ++moves;
    }
    void Maximize() override { maximized = true; }

    QSizeF screen = kScreen;
    TwipRect geometry = kOpening;
    bool maximized = false;
    bool failOnMove = false;
    int moves = 0;
};

class TracedPosition : public WindowPositionStore {
protected:
    QByteArray Log() const { return trace.Read("Mindrova_20261207.log"); }
    QByteArray Records(const QStringList& lines) const {
        QByteArray all;
        for (const QString& line : lines) {
            all += BuildLogRecord(trace.clock, line, QLocale::system());
        }
        return all;
    }

    mindrova::testing::TraceCapture trace{QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0))};
};

TEST_F(TracedPosition, FormPosReadWritesItsTwoLines) {
    FormPos_Save({-1200, 450, 16000, 10000, SavedWindowState::Maximized});  // State only
    qint32 l, t, w, h, s;
    EXPECT_FALSE(FormPos_Read(l, t, w, h, s));
    EXPECT_EQ(Log(), Records({"Start FormPos_Read",
                              "End FormPos_Read, Left = 0, Top = 0, Width = 0, Height = 0, "
                              "WindowState = 2"}));
}

TEST_F(TracedPosition, SetFormPositionAppliesTheStoredPlaceAndTracesIt) {
    FormPos_Save({-1200, 450, 16000, 10000, SavedWindowState::Normal});
    FormPos_Save({0, 0, 1, 1, SavedWindowState::Maximized});
    FakeWindow window;
    window.geometry = {15, 30, 17276.7, 11710.65};
    SetFormPosition(window);
    EXPECT_EQ(window.geometry, (TwipRect{-1200, 450, 16000, 10000}));
    EXPECT_TRUE(window.maximized);
    EXPECT_EQ(Log(),
              Records({"Start SetFormPosition, Screen.Width = 28800, Screen.Height = 16200, "
                       "Me.Left = 15, Me.Top = 30, Me.Width = 17276.7, Me.Height = 11710.65",
                       "Start FormPos_Read",
                       "End FormPos_Read, Left = -1200, Top = 450, Width = 16000, "
                       "Height = 10000, WindowState = 2",
                       "End SetFormPosition, Me.Left = -1200, Me.Top = 450, Me.Width = 16000, "
                       "Me.Height = 10000, llngLeft = -1200, llngTop = 450, llngWidth = 16000, "
                       "llngHeight = 10000, llngWindowState = 2"}));
    EXPECT_TRUE(reports.reports.isEmpty());
}

TEST_F(TracedPosition, SetFormPositionCentresWithoutAStoredPlace) {
    FakeWindow window;
    SetFormPosition(window);
    EXPECT_EQ(window.geometry, (TwipRect{5760, 2242.5, 17280, 11715}));
    EXPECT_FALSE(window.maximized);
    EXPECT_TRUE(Log().endsWith(
        Records({"End SetFormPosition, Me.Left = 5760, Me.Top = 2242.5, Me.Width = 17280, "
                 "Me.Height = 11715, llngLeft = 0, llngTop = 0, llngWidth = 0, "
                 "llngHeight = 0, llngWindowState = 0"})));
}

TEST_F(WindowPositionStore, TracingOffWritesNoLog) {
    QTemporaryDir logTemp;
    SetTraceLogSetup({logTemp.filePath("Log"), {}});
    FileSystemHelper = std::make_unique<FileSystemObject>();
    FakeWindow window;
    SetFormPosition(window);
    EXPECT_FALSE(QDir(logTemp.filePath("Log")).exists());
    FileSystemHelper.reset();
    SetTraceLogSetup({});
}

TEST_F(WindowPositionStore, AFailingMoveIsReportedAndDoesNotEscape) {
    FakeWindow window;
    window.failOnMove = true;
    SetFormPosition(window);
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_EQ(reports.reports[0].pstrModuleName, "frmMain");
    EXPECT_EQ(reports.reports[0].pstrProcName, "SetFormPosition");
    EXPECT_EQ(window.geometry, kOpening);
    EXPECT_FALSE(window.maximized);
}

}  // namespace
