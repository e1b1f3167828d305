// The window's looks: "system" follows the desktop only where it asks for dark; the dark and
// high-contrast looks give every text of every step and of the shortcuts list the contrast the
// accessibility guidelines ask for, and the markers stand out on their picture; with every option
// at its default the window keeps exactly its light colours.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "display/display_settings.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "fixtures/settings_folder.h"
#include "fixtures/text_contrast.h"
#include "fixtures/visit_session_steps.h"
#include "window/ui/frm_main.h"
#include "window/ui/frm_shortcuts.h"
#include "display/ui/window_display.h"
#include "window/ui/window_look.h"
#include "window/ui/window_services.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

TEST(ResolveLook, SystemFollowsOnlyADarkDesktop) {
    const struct {
        const char* name;
        Appearance chosen;
        DesktopColorScheme desktop;
        Look expected;
    } cases[] = {
        {"system, no answer", Appearance::System, DesktopColorScheme::NoPreference, Look::Light},
        {"system, light desktop", Appearance::System, DesktopColorScheme::Light, Look::Light},
        {"system, dark desktop", Appearance::System, DesktopColorScheme::Dark, Look::Dark},
        {"light on a dark desktop", Appearance::Light, DesktopColorScheme::Dark, Look::Light},
        {"dark on a light desktop", Appearance::Dark, DesktopColorScheme::Light, Look::Dark},
        {"high contrast", Appearance::HighContrast, DesktopColorScheme::Dark, Look::HighContrast},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ResolveLook(c.chosen, c.desktop), c.expected);
    }
}

TEST(ContrastRatio, MatchesTheGuidelinesFormula) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::red, Qt::white), 4.0, 0.01);
}

class Looks : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    void TearDown() override { ApplyApplicationLook(Look::Light); }
    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(Looks, DefaultsKeepTheLightWindowExactly) {
    const QPalette platform = QApplication::palette();
    for (const char* saved : {"", "system", "sepia", "DARK-ish"}) {
        SCOPED_TRACE(saved);
        SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, QString(PROGRAM_KEY) + "\\Display",
                        "Appearance", QString::fromLatin1(saved));
        frmMain* window = mindrova::testing::OpenSessionWindow();
        EXPECT_EQ(CurrentLook(), Look::Light);
        EXPECT_TRUE(QApplication::palette() == platform) << "the platform's palette, untouched";
        const auto colour = [window](const char* name) {
            return window->findChild<QWidget*>(QLatin1String(name))
                ->palette()
                .color(QPalette::Window);
        };
        EXPECT_EQ(colour("picToolBar"), QColor(252, 252, 252));
        EXPECT_EQ(colour("picStatusBar"), QColor(252, 252, 252));
        EXPECT_EQ(colour("lblSplit"), QColor(240, 240, 240));
        EXPECT_EQ(colour("picRightFrame"), QColor(Qt::white));
        EXPECT_EQ(window->markerColour(0), kMarkerGreen);
        EXPECT_EQ(window->markerColour(2), kMarkerRed);
        EXPECT_FALSE(window->findChild<MarkerPicture*>("picShape")->onCard());
        delete window;
    }
}

// "system" turns dark only when the desktop says so, after the window was painted, and follows
// the desktop's later changes; a look of the user's own ignores the desktop.
TEST_F(Looks, SystemFollowsTheDesktopsColourScheme) {
    const struct {
        const char* name;
        Appearance saved;
        Look onDarkDesktop;
    } cases[] = {{"system", Appearance::System, Look::Dark},
                 {"light", Appearance::Light, Look::Light},
                 {"high contrast", Appearance::HighContrast, Look::HighContrast}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SaveAppearance(c.saved));
        DesktopPreferences* desktop = nullptr;
        mindrova::testing::TestWindowServices services;
        services.makeDesktopPreferences = [&] {
            // A gsettings that is not there: the desktop answers only what the test says.
            auto made = std::make_unique<DesktopPreferences>(folder.filePath("no-gsettings"));
            desktop = made.get();
            return made;
        };
        frmMain* window = mindrova::testing::OpenSessionWindow(std::move(services));
        const Look before = CurrentLook();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        ASSERT_NE(desktop, nullptr) << "the desktop is asked once the window was painted";
        EXPECT_EQ(before, c.saved == Appearance::System ? Look::Light : c.onDarkDesktop);
        emit desktop->colorSchemeChanged(DesktopColorScheme::Dark);
        EXPECT_EQ(CurrentLook(), c.onDarkDesktop);
        EXPECT_EQ(window->findChild<QWidget*>("picToolBar")->palette().color(QPalette::Window),
                  ColoursFor(c.onDarkDesktop).bars);
        emit desktop->colorSchemeChanged(DesktopColorScheme::Light);
        EXPECT_EQ(CurrentLook(), c.saved == Appearance::System ? Look::Light : c.onDarkDesktop);
        delete window;
        ApplyApplicationLook(Look::Light);
    }
}

struct LookCase {
    const char* name;
    Appearance appearance;
    double leastTextContrast;
    friend void PrintTo(const LookCase& row, std::ostream* out) { *out << row.name; }
};

class DarkLooks : public Looks, public ::testing::WithParamInterface<LookCase> {};

TEST_P(DarkLooks, EveryTextAndMarkerHasItsContrast) {
    const LookCase& c = GetParam();
    ASSERT_TRUE(SaveAppearance(c.appearance));
    frmMain* window = mindrova::testing::OpenSessionWindow();
    ASSERT_NE(CurrentLook(), Look::Light);
    int visited = 0;
    mindrova::testing::VisitEverySessionStep(window, [&] {
        ++visited;
        SCOPED_TRACE("step " + std::to_string(window->controller().State().genmCurrentStep));
        const QStringList problems =
            mindrova::testing::TextContrastProblems(window, c.leastTextContrast);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        // The markers against the light card their picture is drawn on.
        for (int i : {0, 2}) {
            EXPECT_GE(ContrastRatio(window->markerColour(i), MarkerPicture::cardColour()), 3.0)
                << "marker " << i << " " << window->markerColour(i).name().toStdString();
        }
    });
    EXPECT_GT(visited, 40);
    EXPECT_TRUE(window->findChild<MarkerPicture*>("picShape")->onCard());
    // Red and green differ in lightness too, for eyes that do not tell their hues apart.
    const LookColours colours = ColoursFor(CurrentLook());
    EXPECT_GE(ContrastRatio(colours.markerRed, colours.markerGreen), 1.5);
    EXPECT_LT(colours.panel.lightness(), 64) << "the panels are dark";
    // The menu button's and the lower Pause button's pictures are drawn light on the dark bars.
    for (const char* name : {"cmdNav", "cmdPause_Bottom"}) {
        const QImage picture =
            window->findChild<QAbstractButton*>(name)->icon().pixmap(32).toImage();
        int lightest = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                if (pixel.alpha() > 200) lightest = std::max(lightest, pixel.lightness());
            }
        }
        EXPECT_GE(lightest, 200) << name;
    }

    KeyboardShortcuts(window);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmShortcuts*>(w) && w->isVisible()) {
            const QStringList problems =
                mindrova::testing::TextContrastProblems(w, c.leastTextContrast);
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
            EXPECT_LT(w->palette().color(QPalette::Window).lightness(), 64);
        }
    }
    mindrova::testing::CloseSessionWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Looks, DarkLooks,
                         ::testing::Values(LookCase{"Dark", Appearance::Dark, 4.5},
                                           LookCase{"HighContrast", Appearance::HighContrast, 7.0}),
                         [](const ::testing::TestParamInfo<LookCase>& info) {
                             return std::string(info.param.name);
                         });

// What shows a control's state keeps at least 3:1 against its background in the dark looks,
// unticked as well: the rim of a check box and of an option button, and a menu's check box.
struct IndicatorCase {
    const char* name;
    Look look;
    const char* control;  // "check box", "option button" or "menu"
    friend void PrintTo(const IndicatorCase& c, std::ostream* out) { *out << c.name; }
};

class Indicators : public Looks, public ::testing::WithParamInterface<IndicatorCase> {};

// The pixel that stands out most from the commonest colour of the region, and by how much.
double MostContrast(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        best = std::max(best, ContrastRatio(QColor(it.key()), QColor(background)));
    }
    return best;
}

TEST_P(Indicators, StandOutUnticked) {
    const IndicatorCase& c = GetParam();
    ApplyApplicationLook(c.look);
    const QString control = QString::fromLatin1(c.control);
    QImage image;
    QRect region;
    std::unique_ptr<QWidget> shown;
    if (control == u"menu") {
        auto* menu = new QMenu;
        shown.reset(menu);
        QAction* item = menu->addAction(QStringLiteral("Keep a private journal"));
        item->setCheckable(true);
        menu->addAction(QStringLiteral("About"));
        menu->adjustSize();
        image = menu->grab().toImage();
        const QRect at = menu->actionGeometry(item);
        region = QRect(at.left() + 2, at.top() + 2, 26, at.height() - 4);
    } else {
        QAbstractButton* button = control == u"check box"
                                      ? static_cast<QAbstractButton*>(new QCheckBox(u"Voice"_qs))
                                      : new QRadioButton(u"Voice"_qs);
        shown.reset(button);
        button->adjustSize();
        image = button->grab().toImage();
        const int side = std::min(button->height(), 18);
        region = QRect(0, (button->height() - side) / 2, side, side);
    }
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(MostContrast(image, region & image.rect()), 3.0);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, Indicators,
    ::testing::Values(IndicatorCase{"DarkCheckBox", Look::Dark, "check box"},
                      IndicatorCase{"DarkOptionButton", Look::Dark, "option button"},
                      IndicatorCase{"DarkMenu", Look::Dark, "menu"},
                      IndicatorCase{"HighContrastCheckBox", Look::HighContrast, "check box"},
                      IndicatorCase{"HighContrastOptionButton", Look::HighContrast,
                                    "option button"},
                      IndicatorCase{"HighContrastMenu", Look::HighContrast, "menu"}),
    [](const ::testing::TestParamInfo<IndicatorCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
