// Which clicks move the session on: only the places that advance (the window's background
// between the bars, the step's texts, the panels and the pictures), and a double-click there
// only once.
#include <gtest/gtest.h>

#include <QTest>

#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "session/session_listener.h"
#include "window/ui/frm_main.h"

using namespace mindrova;

namespace {

struct StepCounter : SessionListener {
    int entered = 0;
    void StepEntered(Step, const SessionState&) override { ++entered; }
};

class Clicks : public mindrova::testing::SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        window->controller().AddListener(&steps);
    }
    void TearDown() override {
        window->controller().RemoveListener(&steps);
        SessionWindowTest::TearDown();
    }

    QWidget* Find(const char* name) const {
        if (QLatin1String(name) == QLatin1String("frmMain")) return window;
        return window->findChild<QWidget*>(QLatin1String(name));
    }
    void GoTo(Step step) {
        for (int i = 0; i < 40 && Current() != step; ++i) window->controller().Next();
        ASSERT_EQ(Current(), step);
    }
    // What the platform delivers for a double-click: press, release, then a press that comes
    // with a double-click event, and the last release.
    static void DoubleClick(QWidget* target, QPoint at) {
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }
    // A point of the toolbar's own background, between Finish and Feedback.
    QPoint ToolbarGap() const {
        const int finishRight = Find("cmdFinish")->geometry().right();
        return {(finishRight + Find("cmdWeb")->geometry().left()) / 2, 3};
    }

    mindrova::testing::ModalRecorder modal;
    StepCounter steps;
};

TEST_F(Clicks, OnlyTheListedPlacesAdvance) {
    // None of these is a place that moves the session on, on the intro or on a step with panels.
    for (Step step : {estIntro, estExplainNegative}) {
        GoTo(step);
        QWidget* status = Find("picStatusBar");
        QWidget* menu = Find("cmdNav");
        const struct {
            const char* name;
            QWidget* receiver;
            QPoint at;
        } still[] = {
            {"toolbar beside the buttons", Find("picToolBar"), ToolbarGap()},
            {"status bar", status, QPoint(3, 3)},
            {"elapsed time", Find("lblTime_New"), Find("lblTime_New")->rect().center()},
            {"beside the menu button", status,
             menu->geometry().center() - QPoint(menu->width(), 0)},
        };
        for (const auto& p : still) {
            SCOPED_TRACE(std::string(p.name) + " on step " + std::to_string(step));
            const int before = steps.entered;
            QTest::mouseClick(p.receiver, Qt::LeftButton, {}, p.at);
            EXPECT_EQ(Current(), step);
            EXPECT_EQ(steps.entered, before);
        }
    }
}

TEST_F(Clicks, TheListedPlacesStillAdvanceByOneStep) {
    const struct {
        Step step;
        const char* name;
    } places[] = {
        {estIntro, "lblIntro"},
        {estSelectIssue, "lblSegmentTitle"},
        {estAssignSUD, "lblLeftFrame"},
        {estStimulateThymus, "lblSplit"},
        {estStimulateThymus, "picShape"},
        {estLeftHand, "picHandLeft"},
        {estLeftHand, "picHandRight"},
        {estLeftHand, "lblCurrentPoint"},
        {estExplainNegative, "picLeftFrame"},
        {estTopHead1, "picRightFrame"},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.name);
        GoTo(p.step);
        QWidget* target = Find(p.name);
        ASSERT_TRUE(target->isVisible());
        const int before = steps.entered;
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        EXPECT_EQ(steps.entered, before + 1);
        EXPECT_NE(Current(), p.step);
        window->controller().Previous();
    }
}

TEST_F(Clicks, ADoubleClickIsOneClick) {
    // A quick double-click on the intro must stop on the step where the issue is chosen.
    DoubleClick(Find("lblIntro"), QPoint(5, 5));
    EXPECT_EQ(Current(), estSelectIssue);
    EXPECT_EQ(steps.entered, 1);

    window->controller().Previous();
    QTest::mouseClick(Find("lblIntro"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Current(), estSelectIssue) << "the next single click counts again";

    const struct {
        Step step;
        const char* name;
    } places[] = {
        {estSelectIssue, "lblLeftFrame"}, {estAssignSUD, "lblSegmentTitle"},
        {estStimulateThymus, "picShape"}, {estLeftHand, "picHandRight"},
        {estExplainNegative, "frmMain"},  {estTopHead1, "picRightFrame"},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.name);
        GoTo(p.step);
        QWidget* target = Find(p.name);
        // The window's background: left of the divider, just below the toolbar.
        const QPoint at = target == window
                              ? QPoint(Find("lblSplit")->x() + 1, Find("lblSplit")->y() - 4)
                              : QPoint(1, 1);
        ASSERT_EQ(window->childAt(target->mapTo(window, at)), target == window ? nullptr : target);
        const int before = steps.entered;
        DoubleClick(target, at);
        EXPECT_EQ(steps.entered, before + 1);
    }
}

}  // namespace
