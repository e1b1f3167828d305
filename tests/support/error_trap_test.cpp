#include "support/error_trap.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>

#include "support/error_report.h"
#include "fixtures/modal_recorder.h"

using namespace mindrova;
using mindrova::testing::ReportRecorder;

namespace {

TEST(DescribeFailure, StableNumbersAndOneLine) {
    const struct {
        const char* what;
        std::function<void()> raise;
        qint32 number;
        const char* description;
    } cases[] = {
        {"fault", [] { throw Fault(91, "not set\nmore"); }, 91, "not set"},
        {"bad_alloc", [] { throw std::bad_alloc(); }, 7, "Out of memory"},
        {"out_of_range", [] { throw std::out_of_range("index 7"); }, 9, "index 7"},
        {"empty text", [] { throw std::out_of_range(""); }, 9, "Subscript out of range"},
        {"invalid_argument", [] { throw std::invalid_argument("  bad  "); }, 5, "bad"},
        {"overflow", [] { throw std::overflow_error("big"); }, 6, "big"},
        {"optional", [] { (void)std::optional<int>().value(); }, 91,
         "Object variable or With block variable not set"},
        {"runtime", [] { throw std::runtime_error("boom"); }, 1004, "boom"},
        {"other", [] { throw 42; }, 51, "Internal error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.raise();
            FAIL() << "did not throw";
        } catch (...) {
            const FailureDescription d = DescribeFailure(std::current_exception());
            EXPECT_EQ(d.number, c.number);
            EXPECT_EQ(d.description, QString::fromUtf8(c.description));
        }
    }
}

TEST(Trap, ReportsWithNamesAndCheckpointAndRunsTheFirstActionBeforeIt) {
    ReportRecorder recorder;
    QStringList order;
    recorder.onReport = [&](const ErrorRecord&) { order << "report"; };
    int line = 0;
    Trap(
        {"frmMain", "ProcessSteps"},
        [&] {
            line = 40;
            throw std::runtime_error("stop");
        },
        &line, [&] { order << "timer off"; });
    EXPECT_EQ(order, QStringList({"timer off", "report"}));
    ASSERT_EQ(recorder.reports.size(), 1);
    const ErrorRecord& r = recorder.reports[0];
    EXPECT_EQ(r.pstrModuleName, "frmMain");
    EXPECT_EQ(r.pstrProcName, "ProcessSteps");
    EXPECT_EQ(r.pstrExtraDesc, "Line: 40");
    EXPECT_EQ(BuildErrorText(r),
              "2.0 201 Error 1004 (frmMain:ProcessSteps)\r\n\r\nstop\r\n\r\nLine: 40");
}

TEST(Trap, PlainTrapHasNoCheckpointAndNothingEscapes) {
    ReportRecorder recorder;
    recorder.onReport = [](const ErrorRecord&) { throw std::runtime_error("report broke"); };
    bool afterwards = false;
    Trap(
        {"frmMain", "mnuPopUpAbout_Click"}, [] { throw Fault(91, "x"); }, nullptr,
        [] { throw std::runtime_error("first action broke"); });
    afterwards = true;
    EXPECT_TRUE(afterwards);
    ASSERT_GE(recorder.reports.size(), 1);
    const ErrorRecord& r = recorder.reports.back();
    EXPECT_EQ(r.pstrProcName, "mnuPopUpAbout_Click");
    EXPECT_EQ(r.pstrExtraDesc, "");
    EXPECT_EQ(BuildErrorText(r), "2.0 201 Error 91 (frmMain:mnuPopUpAbout_Click)\r\n\r\nx");
}

TEST(Trap, NoFailureNoReport) {
    ReportRecorder recorder;
    int value = 0;
    Trap({"m", "p"}, [&] { value = 1; });
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(recorder.reports.isEmpty());
}

}  // namespace
