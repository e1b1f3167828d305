#include "support/ui/center_form.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QWidget>

#include "fixtures/qt_application.h"

using namespace mindrova;

TEST(CenterForm, CentredOnTheAvailableAreaSizeUnchanged) {
    mindrova::testing::Application();
    QWidget probe;
    ASSERT_NE(probe.screen(), nullptr);
    const QRect area = probe.screen()->availableGeometry();
    const struct {
        QSize size;
        QPoint topLeft;
    } cases[] = {
        {{200, 100},
         {area.left() + (area.width() - 200) / 2, area.top() + (area.height() - 100) / 2}},
        {{201, 99},
         {area.left() + (area.width() - 201) / 2, area.top() + (area.height() - 99) / 2}},
        {area.size(), area.topLeft()},
        // Larger than the screen: the title bar stays on it.
        {area.size() + QSize(400, 300), area.topLeft()},
    };
    for (const auto& c : cases) {
        QWidget window;
        window.resize(c.size);
        CenterForm(window);
        EXPECT_EQ(window.pos(), c.topLeft) << c.size.width() << "x" << c.size.height();
        EXPECT_EQ(window.size(), c.size);
    }
}
