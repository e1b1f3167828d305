#include "app/frm_about.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "app/about_texts.h"
#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/url_recorder.h"
#include "support/report_address.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::ModalRecorder;
using mindrova::testing::UrlRecorder;

namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    ModalRecorder modal;
    UrlRecorder desktop;
};

}  // namespace

TEST_F(AboutBox, CaptionAndLabels) {
    frmAbout_NEW about;
    EXPECT_EQ(about.windowTitle(), "About Mindrova");
    EXPECT_TRUE(about.isModal());
    const struct {
        const char* name;
        QString text;
    } labels[] = {
        {"lblTitle", "Mindrova"},
        {"lblVersion", "Version 2.0 Build 201"},
        {"lblBuild", "Build 201"},
    };
    for (const auto& l : labels) {
        auto* label = about.findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text) << l.name;
    }
    for (const char* name : {"lblCopyright", "lblDisclaimer", "lblAddress", "lblDeveloped"}) {
        auto* label = about.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->text().trimmed().isEmpty()) << name;
        EXPECT_FALSE(label->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "&OK");
    EXPECT_EQ(about.findChild<QPushButton*>("lblWebAddress")->text(),
              QString::fromLatin1(kWebSiteHost));
    EXPECT_EQ(about.webAddress(), QString::fromLatin1(kWebSiteHost));
    for (const char* name : {"picProgLogo", "picCompanyLogo"}) {
        auto* picture = about.findChild<QLabel*>(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
}

TEST_F(AboutBox, OwnTextsHaveTheirShape) {
    EXPECT_TRUE(AboutCopyrightText().contains("Quellbrook Software"));
    EXPECT_TRUE(AboutCopyrightText().contains("2026"));
    EXPECT_FALSE(AboutCopyrightText().contains('\n'));
    EXPECT_FALSE(AboutDisclaimerText().contains('\n'));

    const QStringList lines = AboutAddressText().split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines) EXPECT_FALSE(line.trimmed().isEmpty());
    EXPECT_TRUE(lines[3].contains('@'));
    EXPECT_TRUE(lines[3].endsWith(".example.com"));
    EXPECT_FALSE(AboutAddressText().contains(QRegularExpression("[^\r]\n")));

    frmAbout_NEW about;
    EXPECT_EQ(Control<QLabel>(&about, "lblAddress")->text().split('\n'), lines);
}

TEST_F(AboutBox, WebAddressOpensWithTheSourceTagAndTheBoxStaysOpen) {
    frmAbout_NEW about;
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::mouseClick(Control<QPushButton>(&about, "lblWebAddress"), Qt::LeftButton);
    EXPECT_EQ(desktop.addresses(), QStringList{"https://www.mindrova.example.com?src=mdv#"});
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(AboutBox, WebAddressIsReachableFromTheKeyboard) {
    frmAbout_NEW about;
    EXPECT_TRUE(Control<QPushButton>(&about, "lblWebAddress")->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(Control<QPushButton>(&about, "lblWebAddress")->accessibleName().isEmpty());
    QTest::keyClick(Control<QPushButton>(&about, "lblWebAddress"), Qt::Key_Space);
    EXPECT_EQ(desktop.opened.size(), 1);
}

TEST_F(AboutBox, RefusedBrowserLeavesTheBoxOpen) {
    desktop.accept = false;
    frmAbout_NEW about;
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::mouseClick(Control<QPushButton>(&about, "lblWebAddress"), Qt::LeftButton);
    EXPECT_EQ(modal.texts(), QStringList{"Error on launching URL: 31"});
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(AboutBox, OkCloses) {
    frmAbout_NEW about;
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::mouseClick(Control<QPushButton>(&about, "cmdOK"), Qt::LeftButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].toInt(), QDialog::Accepted);
}

TEST_F(AboutBox, EachOpeningIsAFreshModalDialog) {
    QList<QObject*> seen;
    for (int i = 0; i < 2; ++i) {
        modal.setNextDialog([&](QObject& dialog) {
            seen << &dialog;
            auto* about = qobject_cast<frmAbout_NEW*>(&dialog);
            EXPECT_NE(about, nullptr);
            if (about) QTest::mouseClick(Control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
            return 1;
        });
        ShowAboutBox();
    }
    EXPECT_EQ(modal.dialogsRun, 2);
    ASSERT_EQ(seen.size(), 2);
}
