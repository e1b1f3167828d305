// The session window reopens where it was closed; a damaged settings file never stops it.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "session_window/frm_main.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qt_application.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

class Position : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_TRUE(folder.isValid());
        SetSettingsFolder(folder.path());
    }
    void TearDown() override { SetSettingsFolder(QString()); }

    QString File() const { return folder.path() + "/Quellbrook/Mindrova.conf"; }
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

    QTemporaryDir folder;
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

TEST_F(Position, MinimizedCloseWritesNothing) {
    OpenAndClose([](frmMain& w) { w.move(40, 30); });
    const QByteArray before = [&] {
        QFile f(File());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    OpenAndClose([](frmMain& w) {
        w.move(400, 300);
        w.showMinimized();
    });
    QFile after(File());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
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
        QDir().mkpath(folder.path() + "/Quellbrook");
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();

        auto* w = new frmMain;
        w->show();
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isMaximized());
        w->close();
        EXPECT_GT(Stored("Width"), 0) << "closing writes a clean file again";
        QSettings check(File(), QSettings::IniFormat);
        EXPECT_EQ(check.status(), QSettings::NoError);
    }
    EXPECT_TRUE(modal.messages.isEmpty());
}

}  // namespace
