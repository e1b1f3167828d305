// The session window reopens where it was closed; a damaged settings file never stops it.
#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

#include "fixtures/modal_recorder.h"
#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "support/settings_store.h"
#include "window/ui/frm_main.h"

using namespace mindrova;
using mindrova::testing::FileBytes;

namespace {

class Position : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }

    QString File() const { return folder.ConfPath(); }
    qint32 Stored(const char* name) const {
        return ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER,
                              QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY, name, -999999);
    }
    // Opens a window, lets the test move it, closes it the way the user does.
    void OpenAndClose(const std::function<void(frmMain&)>& before) {
        auto* w = new frmMain;
        w->show();
        before(*w);
        w->close();  // deletes itself
    }

    mindrova::testing::SettingsFolder folder;
    mindrova::testing::ModalRecorder modal;
};

TEST_F(Position, NormalCloseIsRestoredAtTheNextStart) {
    QPoint closedAt;
    OpenAndClose([&](frmMain& w) {
        w.move(120, 90);
        closedAt = w.frameGeometry().topLeft();
    });
    const TwipScale scale;
    EXPECT_EQ(Stored("Left"), qRound(scale.twips(closedAt.x())));
    EXPECT_EQ(Stored("Top"), qRound(scale.twips(closedAt.y())));
    EXPECT_GT(Stored("Width"), 0);
    EXPECT_EQ(Stored("State"), 0);

    frmMain again;
    again.show();
    EXPECT_EQ(again.frameGeometry().topLeft(), closedAt);
}

TEST_F(Position, MaximizedCloseKeepsTheLastNormalPlace) {
    OpenAndClose([](frmMain& w) { w.move(200, 100); });
    const qint32 left = Stored("Left");
    OpenAndClose([](frmMain& w) { w.showMaximized(); });
    EXPECT_EQ(Stored("Left"), left);
    EXPECT_EQ(Stored("State"), 2);
    frmMain again;
    again.show();
    EXPECT_TRUE(again.isMaximized());
}

// A monitor unplugged since: the saved place lies on no screen.
TEST_F(Position, APlaceOnNoScreenIsCentredOnThePrimaryScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const TwipScale scale;
    const struct {
        const char* name;
        qint32 left, top, width, height;
        bool centred;
    } cases[] = {
        {"far right", qint32(scale.twips(area.right() + 2000)), 300, 9000, 6000, true},
        {"far above and left", -900000, -900000, 9000, 6000, true},
        {"absurdly large, far away", 2000000000, 2000000000, 2000000000, 2000000000, true},
        {"partly on the screen", qint32(scale.twips(area.right() - 40)), 300, 9000, 6000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"Left", "Top", "Width", "Height", "State"}) {
            const qint32 value = QByteArray(name) == "Left"     ? c.left
                                 : QByteArray(name) == "Top"    ? c.top
                                 : QByteArray(name) == "Width"  ? c.width
                                 : QByteArray(name) == "Height" ? c.height
                                                                : 0;
            SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER,
                           QString(PROGRAM_KEY) + WINDOW_POSITION_SUBKEY, name, value);
        }
        const QByteArray saved = FileBytes(File());
        auto* w = new frmMain;
        w->show();
        const QRect frame = w->frameGeometry();
        if (c.centred) {
            // Centred with the saved size shrunk to the area; then it takes its opening size.
            const int width = std::min(scale.px(c.width), area.width());
            const int height = std::min(scale.px(c.height), area.height());
            EXPECT_NEAR(frame.left(), area.left() + (area.width() - width) / 2, 1);
            EXPECT_NEAR(frame.top(), area.top() + (area.height() - height) / 2, 1);
            EXPECT_TRUE(area.contains(frame.topLeft()));
        } else {
            EXPECT_EQ(frame.left(), scale.px(c.left));
        }
        EXPECT_EQ(FileBytes(File(), "<unreadable>"), saved)
            << "nothing is written before the window closes";
        w->close();
    }
}

TEST_F(Position, MinimizedCloseWritesNothing) {
    OpenAndClose([](frmMain& w) { w.move(40, 30); });
    const QByteArray before = FileBytes(File());
    OpenAndClose([](frmMain& w) {
        w.move(400, 300);
        w.showMinimized();
    });
    EXPECT_EQ(FileBytes(File(), "<unreadable>"), before);
}

TEST_F(Position, DamagedSettingsOpenCentredAndAreWrittenCleanOnClose) {
    const QByteArray damaged[] = {
        QByteArray("garbage without structure\n\x01\x02"),
        QByteArray("[WindowPosition\nLeft=1"),
        QByteArray("\0\0\xff\xfe binary", 12),
        QByteArray(),
        QByteArray("[WindowPosition]\nLeft=abc\nTop=\nWidth=1.5\nHeight=4294967296\nState=x\n"),
    };
    for (const QByteArray& content : damaged) {
        SCOPED_TRACE(content.toHex().toStdString());
        ASSERT_TRUE(folder.WriteConf(content));

        auto* w = new frmMain;
        w->show();
        // Centred on the screen with its initial size, before it takes its opening size.
        const TwipScale scale;
        const QSize screen = w->screen()->geometry().size();
        EXPECT_NEAR(w->frameGeometry().left(),
                    (screen.width() - scale.px(DESIGN_CLIENT_WIDTH)) / 2.0, 1);
        EXPECT_NEAR(w->frameGeometry().top(),
                    (screen.height() - scale.px(DESIGN_CLIENT_HEIGHT)) / 2.0, 1);
        EXPECT_FALSE(w->isMaximized());
        w->close();
        EXPECT_GT(Stored("Width"), 0) << "closing writes a clean file again";
        QSettings check(File(), QSettings::IniFormat);
        EXPECT_EQ(check.status(), QSettings::NoError);
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

}  // namespace
