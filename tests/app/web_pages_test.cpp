#include "app/web_pages.h"

#include <gtest/gtest.h>

#include "support/report_address.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qt_application.h"
#include "fixtures/url_recorder.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;
using mindrova::testing::UrlRecorder;

namespace {

class WebPages : public ::testing::Test {
protected:
    void SetUp() override { mindrova::testing::Application(); }
    ModalRecorder modal;
    UrlRecorder desktop;
};

}  // namespace

TEST_F(WebPages, SourceTagOnlyWhereAsked) {
    const QString report = ErrorReportAddress(ErrorRecord{}, "x", "y");
    const struct {
        QString address;
        bool noSourceTag;
        QString opened;
    } cases[] = {
        {ContactPageAddress(), false, "https://www.mindrova.example.com/contactme.html?src=mdv#"},
        {HomePageAddress(), false, "https://www.mindrova.example.com?src=mdv#"},
        {report, true, "https://" + report},
    };
    for (const auto& c : cases) {
        OpenWebPage(nullptr, c.address, c.noSourceTag);
        ASSERT_FALSE(desktop.opened.isEmpty());
        EXPECT_EQ(desktop.addresses().last(), c.opened);
    }
    EXPECT_FALSE(desktop.addresses().last().contains("src=mdv"));
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(WebPages, RefusedLaunchIsOneCalmMessage) {
    desktop.accept = false;
    OpenWebPage(nullptr, ContactPageAddress(), false);
    ASSERT_EQ(modal.messages.size(), 1);
    EXPECT_EQ(modal.messages[0].title, "Mindrova");
    EXPECT_EQ(modal.messages[0].text, "Error on launching URL: 31");
    EXPECT_EQ(modal.messages[0].buttons, MessageButtons::Ok);

    // Nothing is retried, and the next launch works as usual.
    EXPECT_EQ(desktop.opened.size(), 1);
    desktop.accept = true;
    OpenWebPage(nullptr, ContactPageAddress(), false);
    EXPECT_EQ(modal.messages.size(), 1);
}

TEST_F(WebPages, UnusableAddressSaysFileNotFound) {
    OpenWebPage(nullptr, "   ", true);
    EXPECT_EQ(modal.texts(), QStringList{"Error on launching URL: 2"});
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(WebPages, FailedCallShowsTwoBoxesInTurn) {
    desktop.failCall = true;
    OpenWebPage(nullptr, ContactPageAddress(), false);
    ASSERT_EQ(modal.messages.size(), 2);
    EXPECT_EQ(modal.messages[0].title, "LaunchURL");
    EXPECT_TRUE(modal.messages[0].text.startsWith("Error: 1004. "));
    EXPECT_EQ(modal.messages[1].title, "Mindrova");
    EXPECT_EQ(modal.messages[1].text, "Error on launching URL: 0");
}
