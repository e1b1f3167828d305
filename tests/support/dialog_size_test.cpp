// Dialogs within the screen: FitIntoRoom before a dialog is shown, on the headless screen (which
// tells its available area truly, so the room is that area less a frame and title).
#include "support/ui/dialog_size.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QScreen>
#include <QVBoxLayout>
#include <ostream>
#include <string>

#include "fixtures/qt_application.h"

using namespace mindrova;

namespace {

// A dialog whose content would like `wanted` and needs at least `least`; `chosen`, when valid,
// is a size the dialog gave itself; `fixed` makes it a fixed-size dialog.
struct RoomCase {
    const char* name;
    QSize wanted;
    QSize least;
    QSize chosen;
    bool fixed;
    friend void PrintTo(const RoomCase& c, std::ostream* os) { *os << c.name; }
};

class Content : public QWidget {
public:
    Content(QSize wanted, QSize least) : mWanted(wanted), mLeast(least) {}
    QSize sizeHint() const override { return mWanted; }
    QSize minimumSizeHint() const override { return mLeast; }

private:
    QSize mWanted;
    QSize mLeast;
};

class FitIntoRoomTable : public ::testing::TestWithParam<RoomCase> {};

TEST_P(FitIntoRoomTable, NoLargerThanTheRoomNeverBelowTheLayoutsNeeds) {
    mindrova::testing::Application();
    const RoomCase& c = GetParam();
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* content = new Content(c.wanted, c.least);
    content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(content);
    if (c.chosen.isValid()) dialog.resize(c.chosen);
    if (c.fixed) dialog.setFixedSize(c.wanted);
    const QSize room = DialogRoom(&dialog);
    ASSERT_TRUE(room.isValid());
    EXPECT_EQ(room, dialog.screen()->availableGeometry().size() - QSize(16, 48));

    FitIntoRoom(&dialog);
    const QSize size = dialog.size();
    if (c.fixed) {
        EXPECT_EQ(size, c.wanted) << "a fixed size is the dialog's own";
        return;
    }
    const QSize need = c.least.boundedTo(room).expandedTo(c.least);
    EXPECT_GE(size.width(), need.width());
    EXPECT_GE(size.height(), need.height());
    if (c.least.width() <= room.width() && c.least.height() <= room.height()) {
        EXPECT_LE(size.width(), room.width());
        EXPECT_LE(size.height(), room.height());
    }
    if (c.chosen.isValid() && c.chosen.width() <= room.width() &&
        c.chosen.height() <= room.height()) {
        EXPECT_EQ(size, c.chosen) << "a size that fits is kept";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FitIntoRoomTable,
    ::testing::Values(RoomCase{"small", {300, 200}, {100, 80}, {}, false},
                      RoomCase{"taller_than_the_screen", {400, 5000}, {100, 80}, {}, false},
                      RoomCase{"wider_and_taller", {6000, 5000}, {100, 80}, {}, false},
                      RoomCase{"chosen_too_large", {300, 200}, {100, 80}, {5000, 4000}, false},
                      RoomCase{"chosen_fits", {300, 200}, {100, 80}, {500, 300}, false},
                      RoomCase{"needs_more_than_the_room", {400, 5000}, {200, 3000}, {}, false},
                      RoomCase{"fixed", {320, 240}, {100, 80}, {}, true}),
    [](const ::testing::TestParamInfo<RoomCase>& info) { return std::string(info.param.name); });

TEST(FitIntoRoom, NoDialogIsNoHarm) {
    FitIntoRoom(nullptr);
}

}  // namespace
