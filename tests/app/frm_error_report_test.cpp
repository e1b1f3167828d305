#include "app/frm_error_report.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <stdexcept>

#include "app/error_report_dialog.h"
#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/qt_application.h"
#include "fixtures/url_recorder.h"
#include "support/error_trap.h"
#include "support/report_address.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::ModalRecorder;
using mindrova::testing::UrlRecorder;

namespace {

class ErrorReportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }
    void TearDown() override {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "cursor left overridden";
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }

    // Shows a report for a failure in ProcessSteps after checkpoint 40; action runs while open.
    int Show(std::function<int(frmErrorReport&)> action) {
        modal.setNextDialog([action](QObject& dialog) {
            auto* report = qobject_cast<frmErrorReport*>(&dialog);
            if (!report) throw std::logic_error("not the report dialog");
            return action(*report);
        });
        frmErrorReport dialog;
        return dialog.ShowUp(91, "Object variable or With block variable not set", "2.0", 201,
                             "frmMain", "ProcessSteps", "Line: 40");
    }

    ModalRecorder modal;
    UrlRecorder desktop;
};

void CheckCaptions(frmErrorReport& d) {
    EXPECT_EQ(d.windowTitle(), "Uh Oh... an error occurred in Mindrova");
    EXPECT_TRUE(d.isModal());
    const struct {
        const char* name;
        QString text;
    } labels[] = {
        {"lblTitle", "Mindrova Problem "},
        {"lblIntro", BuildIntroText().replace("\r\n", "\n")},
        {"lblComments", "Error Report Contents:"},
        {"lblName", "How you got this error, and how we can reproduce it:"},
        {"Label1", "(Highly recommended.)"},
        {"lblEmail", "Your email address, so we can contact you about this problem:"},
    };
    for (const auto& l : labels) {
        auto* label = d.findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text) << l.name;
        EXPECT_FALSE(label->accessibleName().isEmpty()) << l.name;
    }
    EXPECT_EQ(d.findChild<QPushButton*>("cmdSend")->text(), "&Send Error Report");
    EXPECT_EQ(d.findChild<QPushButton*>("cmdCancel")->text(), "&Do Not Send");
    EXPECT_FALSE(d.findChild<QLabel*>("Image1")->pixmap().isNull());

    auto* summary = d.findChild<QPlainTextEdit*>("txtErrDesc");
    EXPECT_TRUE(summary->isReadOnly());
    EXPECT_EQ(summary->toPlainText(),
              "2.0 201 Error 91 (frmMain:ProcessSteps)\n\n"
              "Object variable or With block variable not set\n\nLine: 40");
    for (const char* edit : {"txtComments", "txtEmail"}) {
        auto* line = d.findChild<QLineEdit*>(edit);
        ASSERT_NE(line, nullptr) << edit;
        EXPECT_TRUE(line->text().isEmpty());
        EXPECT_FALSE(line->accessibleName().isEmpty()) << edit;
    }
}

}  // namespace

TEST_F(ErrorReportDialog, CaptionsAndTexts) {
    Show([](frmErrorReport& d) {
        CheckCaptions(d);
        return 0;
    });
    EXPECT_EQ(modal.dialogsRun, 1);
}

TEST_F(ErrorReportDialog, SendOpensTheReportAddressAndCloses) {
    const int result = Show([](frmErrorReport& d) {
        QTest::keyClicks(Control<QLineEdit>(&d, "txtComments"), "  it froze  here ");
        QTest::keyClicks(Control<QLineEdit>(&d, "txtEmail"), "a&b@example.com");
        QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(desktop.addresses().size(), 1);
    EXPECT_EQ(desktop.addresses()[0],
              "https://www.mindrova.example.com/erroreh.php?ErrNum=91"
              "&ErrDesc=Object+variable+or+With+block+variable+not+set&ProgVer=2.0&BuildNum=201"
              "&ModuleName=frmMain&ProcName=ProcessSteps&Comments=it+froze++here"
              "&Email=a%26b%40example.com&ExtraDesc=Line%3A+40");
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(ErrorReportDialog, SecondSendWhileSendingDoesNothing) {
    int opening = 0;
    Show([&](frmErrorReport& d) {
        desktop.onOpen = [&](const QUrl&) {
            if (opening++ == 0)
                QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
        };
        QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
        desktop.onOpen = nullptr;
        return d.result();
    });
    EXPECT_EQ(desktop.opened.size(), 1);
}

TEST_F(ErrorReportDialog, RefusedBrowserIsReportedAndTheDialogStillCloses) {
    desktop.accept = false;
    bool finished = false;
    Show([&](frmErrorReport& d) {
        QObject::connect(&d, &QDialog::finished, [&] { finished = true; });
        QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_TRUE(finished);
    EXPECT_EQ(modal.texts(), QStringList{"Error on launching URL: 31"});
}

TEST_F(ErrorReportDialog, DoNotSendClosesWithoutOpeningAnything) {
    const int result = Show([](frmErrorReport& d) {
        QTest::keyClicks(Control<QLineEdit>(&d, "txtComments"), "never sent");
        QTest::mouseClick(Control<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(ErrorReportDialog, PointerIsArrowWhileOpenAndRestoredHoweverItCloses) {
    const struct {
        const char* name;
        std::function<void(frmErrorReport&)> close;
    } cases[] = {
        {"send",
         [](frmErrorReport& d) {
             QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
         }},
        {"do not send",
         [](frmErrorReport& d) {
             QTest::mouseClick(Control<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
         }},
        {"escape", [](frmErrorReport& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"closed twice",
         [](frmErrorReport& d) {
             d.reject();
             d.accept();
         }},
        {"left open", [](frmErrorReport&) {}},
    };
    for (const auto& c : cases) {
        for (const bool busyBefore : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (busyBefore ? " busy" : " plain"));
            if (busyBefore) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            Show([&](frmErrorReport& d) {
                const QCursor* shown = QGuiApplication::overrideCursor();
                EXPECT_TRUE(shown && shown->shape() == Qt::ArrowCursor);
                c.close(d);
                return 0;
            });
            if (busyBefore) {
                const QCursor* after = QGuiApplication::overrideCursor();
                ASSERT_NE(after, nullptr);
                EXPECT_EQ(after->shape(), Qt::WaitCursor);
                QGuiApplication::restoreOverrideCursor();
            }
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        }
    }
}

TEST_F(ErrorReportDialog, LongInputIsCappedSoTheAddressStaysOpenable) {
    Show([](frmErrorReport& d) {
        Control<QLineEdit>(&d, "txtComments")->setText(QString(100000, QChar(0x65E5)));
        Control<QLineEdit>(&d, "txtEmail")->setText(QString(100000, 'x'));
        QTest::mouseClick(Control<QPushButton>(&d, "cmdSend"), Qt::LeftButton);
        return 0;
    });
    ASSERT_EQ(desktop.addresses().size(), 1);
    EXPECT_LT(desktop.addresses()[0].size(), 30000);
}

class InstalledReportDialog : public ErrorReportDialog {
protected:
    void SetUp() override {
        ErrorReportDialog::SetUp();
        InstallErrorReportDialog();
    }
    void TearDown() override {
        SetErrorReportSink({});
        ErrorReportDialog::TearDown();
    }
};

TEST_F(InstalledReportDialog, ReportErrorReturnsAfterTheDialogClosed) {
    QString summary;
    bool closed = false;
    modal.setNextDialog([&](QObject& dialog) {
        auto& d = dynamic_cast<frmErrorReport&>(dialog);
        summary = Control<QPlainTextEdit>(&d, "txtErrDesc")->toPlainText();
        QTest::mouseClick(Control<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
        closed = true;
        return d.result();
    });
    ReportError(91, "Object variable or With block variable not set", "frmMain",
                "mnuPopUpAbout_Click");
    EXPECT_TRUE(closed);
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_EQ(summary.section('\n', 0, 0), "2.0 201 Error 91 (frmMain:mnuPopUpAbout_Click)");
    EXPECT_FALSE(summary.contains("Line:"));
}

TEST_F(InstalledReportDialog, TrapWithCheckpointEndsWithTheLine) {
    QString summary;
    modal.setNextDialog([&](QObject& dialog) {
        summary = Control<QPlainTextEdit>(&dialog, "txtErrDesc")->toPlainText();
        return 0;
    });
    int checkpoint = 0;
    Trap(
        TrapSite{"frmMain", "DisplayStep"},
        [&] {
            checkpoint = 40;
            throw std::out_of_range("");
        },
        &checkpoint);
    EXPECT_EQ(summary,
              "2.0 201 Error 9 (frmMain:DisplayStep)\n\nSubscript out of range\n\nLine: 40");
}

TEST_F(InstalledReportDialog, ReportWhileOneIsOpenDoesNotStackDialogs) {
    modal.setNextDialog([&](QObject&) {
        ReportError(6, "Overflow", "frmMain", "tmrSteps_Timer", "Line: 10");
        ReportError(6, "Overflow", "frmMain", "tmrSteps_Timer", "Line: 10");
        return 0;
    });
    ReportError(91, "Object variable or With block variable not set", "frmMain", "Blink");
    EXPECT_EQ(modal.dialogsRun, 1);

    // The next report, after the first has closed, opens its dialog again.
    ReportError(5, "Invalid procedure call or argument", "modSteps", "GetStepName");
    EXPECT_EQ(modal.dialogsRun, 2);
}

TEST_F(InstalledReportDialog, FailingDialogIsNotTrappedAgainAndDoesNotCrash) {
    modal.setNextDialog([](QObject&) -> int { throw std::runtime_error("dialog broke"); });
    EXPECT_NO_THROW(ReportError(91, "x", "frmMain", "Blink"));
    EXPECT_EQ(modal.dialogsRun, 1);
    EXPECT_NO_THROW(ReportError(91, "x", "frmMain", "Blink"));
    EXPECT_EQ(modal.dialogsRun, 2);
}
