#include "window/ui/frm_main.h"

#include <gtest/gtest.h>

#include <QTest>

#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "fixtures/visit_session_steps.h"
#include "session/step_presentation.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

class Window : public mindrova::testing::SessionWindowTest {
protected:
    template <typename T = QWidget>
    T* Find(const char* name) const {
        if (QLatin1String(name) == QLatin1String("frmMain")) return qobject_cast<T*>(window);
        return window->findChild<T*>(QLatin1String(name));
    }
    void Click(const char* name) const { QTest::mouseClick(Find(name), Qt::LeftButton); }
    void Tick(int count = 1) {
        for (int i = 0; i < count && window->stepTimer().isActive(); ++i) {
            window->controller().tmrSteps_Timer();
        }
    }
    bool Shown(const char* name) const { return Find(name)->isVisibleTo(window); }
    QString Text(const char* name) const { return Find<QLabel>(name)->text(); }
    // Step texts as the labels show them: line feeds only.
    static QString Shown(const QString& text) {
        return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    int VisibleMarkers() const {
        int count = 0;
        for (int i = 1; i <= MARKER_COUNT; ++i) count += window->markerShown(i) ? 1 : 0;
        return count;
    }

    ModalRecorder modal;
};

TEST_F(Window, EveryControlExistsWithItsNameCaptionAndAccessibleName) {
    const struct {
        const char* name;
        const char* caption;
    } controls[] = {
        {"cmdExit", "E&xit"},         {"cmdNavig(0)", "&Previous"},
        {"cmdPause", "P&ause"},       {"cmdNavig(1)", "&Next"},
        {"cmdFinish", "&Finish"},     {"cmdResume", "R&esume"},
        {"cmdWeb", "Feedback"},       {"cmdNav", ""},
        {"cmdPause_Bottom", "Pause"}, {"picToolBar", nullptr},
        {"picStatusBar", nullptr},    {"lblTime_New", nullptr},
        {"picLeftFrame", nullptr},    {"lblSegmentTitle", nullptr},
        {"lblLeftFrame", nullptr},    {"picRightFrame", nullptr},
        {"picShape", nullptr},        {"lblCurrentPoint", nullptr},
        {"picHandLeft", nullptr},     {"picHandRight", nullptr},
        {"fraMode", nullptr},         {"fraSUD_2", nullptr},
        {"lblSplit", nullptr},        {"lblIntro", nullptr},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = Find(c.name);
        ASSERT_NE(w, nullptr);
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && c.caption) {
            EXPECT_EQ(button->text(), QString::fromLatin1(c.caption));
        }
        EXPECT_FALSE(w->accessibleName().isEmpty());
    }
    for (int i = 1; i <= 12; ++i) {
        auto* option = Find<QRadioButton>(QStringLiteral("radMode(%1)").arg(i).toLatin1());
        ASSERT_NE(option, nullptr) << i;
        EXPECT_EQ(option->text(), GetIssueName(IssueOptIndexToEnum(i)));
        EXPECT_EQ(option->isVisibleTo(Find("fraMode")), i != 6 && i != 10);
    }
    for (int i = 0; i <= 10; ++i) {
        const QByteArray sud = QStringLiteral("radSUD(%1)").arg(i).toLatin1();
        const QByteArray unit = QStringLiteral("lblSUDUnit(%1)").arg(i).toLatin1();
        ASSERT_NE(Find(sud.constData()), nullptr);
        EXPECT_FALSE(Find(sud.constData())->accessibleName().isEmpty());
        EXPECT_EQ(Text(unit.constData()), QString::number(i));
    }
    EXPECT_EQ(window->windowTitle(), "Mindrova");
    EXPECT_EQ(Find<QPushButton>("cmdWeb")->toolTip(),
              "Today is a good day to contact me - feel free to share with me your "
              "feedback/suggestions or just to say hi.");
    EXPECT_EQ(Text("lblTime_New"), "");
}

TEST_F(Window, OpensAtItsFixedOuterSizeLaidOut) {
    const TwipScale& s = window->scale();
    EXPECT_EQ(window->frameGeometry().width(), s.px(OPENING_OUTER_WIDTH));
    EXPECT_EQ(window->frameGeometry().height(), s.px(OPENING_OUTER_HEIGHT));
    const WindowLayout& l = window->layoutTwips();
    EXPECT_EQ(Find("picShape")->geometry(), s.rect(l.picShape));
    EXPECT_EQ(Find("picRightFrame")->geometry(), s.rect(l.picRightFrame));
    EXPECT_EQ(Find("cmdWeb")->geometry(), s.rect(l.cmdWeb));
    // Laid out from the client area, which the frame leaves narrower than the outer width.
    EXPECT_NEAR(l.cmdWeb.left, s.twips(window->width()) - 1215 - 450, 1e-6);
    EXPECT_EQ(l.picLeftFrame.height,
              s.twips(window->height()) - TOOLBAR_HEIGHT - STATUSBAR_HEIGHT - 480 - 30);
}

TEST_F(Window, ExtremeSizesKeepTheBarsDockedAndThePictureCentred) {
    window->controller().Next();
    window->controller().Next();
    window->controller().Next();  // the thymus step shows the body picture
    const TwipScale& s = window->scale();
    for (QSize size :
         {QSize(1, 1), QSize(120, 90), QSize(400, 900), QSize(5000, 4000), QSize(1152, 781)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        window->resize(size);
        const int w = window->width();
        const int h = window->height();
        EXPECT_EQ(Find("picToolBar")->geometry(), QRect(0, 0, w, s.px(TOOLBAR_HEIGHT)));
        EXPECT_EQ(Find("picStatusBar")->geometry(),
                  QRect(0, h - s.px(STATUSBAR_HEIGHT), w, s.px(STATUSBAR_HEIGHT)));
        // The menu button keeps 390 twips from the right edge.
        EXPECT_EQ(Find("cmdNav")->geometry().left(), s.px(s.twips(w) - 390 - 390));
        // The body picture is centred in the right panel where it fits, else at its corner.
        const QRect panel = Find("picRightFrame")->geometry();
        const QRect picture = Find("picShape")->geometry();
        if (panel.width() > picture.width()) {
            EXPECT_NEAR(picture.left(), (panel.width() - picture.width()) / 2.0, 1);
        } else {
            EXPECT_EQ(picture.left(), 0);
        }
        if (panel.height() > picture.height()) {
            // Centred, unless that would push the point's caption under the panel's lower edge:
            // then lifted just as far as the caption needs.
            const QRect caption = Find("lblCurrentPoint")->geometry();
            EXPECT_LE(caption.bottom(), panel.height() - 1) << "the caption shows whole";
            if (std::abs(picture.top() - (panel.height() - picture.height()) / 2.0) > 1) {
                EXPECT_NEAR(caption.bottom(), panel.height() - 1, 1);
            }
        } else {
            EXPECT_EQ(picture.top(), 0);
        }
    }
}

TEST_F(Window, WholeSessionThroughTheButtonsShowsEveryStepRight) {
    EXPECT_EQ(Current(), estIntro);
    EXPECT_EQ(Text("lblIntro"), Shown(GetIntroText()));
    QList<Step> seen;
    auto checkStep = [&](int markers = 0) {
        const Step step = Current();
        seen << step;
        SCOPED_TRACE(step);
        const StepVisibility v = GetStepVisibility(step);
        EXPECT_EQ(Shown("picLeftFrame"), v.panels);
        EXPECT_EQ(Shown("picRightFrame"), v.panels);
        EXPECT_EQ(Shown("lblSplit"), v.panels);
        EXPECT_EQ(Shown("lblIntro"), v.lblIntro);
        EXPECT_EQ(Find("picShape")->isVisibleTo(Find("picRightFrame")), v.picShape);
        EXPECT_EQ(Find("picHandLeft")->isVisibleTo(Find("picRightFrame")), v.hands);
        EXPECT_EQ(Find("picHandRight")->isVisibleTo(Find("picRightFrame")), v.hands);
        EXPECT_EQ(Find("fraMode")->isVisibleTo(Find("picRightFrame")), v.fraMode);
        EXPECT_EQ(Find("fraSUD_2")->isVisibleTo(Find("picRightFrame")), v.fraSUD_2);
        EXPECT_EQ(window->findChild<MarkerPicture*>("picShape")->markerVisible(0), v.shpGreen);
        const SessionState& state = window->controller().State();
        const QString text = Shown(StepInstructionsText(step, state));
        EXPECT_EQ(Text(TextGoesOnIntroLabel(step) ? "lblIntro" : "lblLeftFrame"), text);
        if (!TextGoesOnIntroLabel(step)) {
            EXPECT_EQ(Text("lblSegmentTitle"), SegmentTitleText(step, state.gblnPositiveSequence));
            EXPECT_EQ(Text("lblCurrentPoint"), GetStepDescription(step));
        }
        const bool timed = step >= estLeftHand && step <= estRightUnderArm;
        EXPECT_EQ(window->stepTimer().isActive(), timed);
        EXPECT_EQ(Find("cmdPause")->isEnabled(), timed);
        EXPECT_EQ(Shown("cmdPause_Bottom"), timed);
        EXPECT_EQ(VisibleMarkers(), markers)
            << "a step entered by a command shows its marker on the next tick";
    };

    Click("cmdNavig(1)");
    checkStep();
    EXPECT_EQ(Text("lblSegmentTitle"), "Select Issue");
    QTest::mouseClick(Find("radMode(11)"), Qt::LeftButton);
    EXPECT_EQ(window->controller().State().genmSelectedIssue, eisGuilt);
    Click("cmdNavig(1)");
    checkStep();
    QTest::mouseClick(Find("lblSUDUnit(7)"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("radSUD(7)")->isChecked());
    EXPECT_EQ(window->controller().SelectedSUD(), 7);
    Click("cmdNavig(1)");
    checkStep();
    Click("cmdNavig(1)");
    checkStep();
    EXPECT_EQ(Text("lblCurrentPoint"), "Karate chop - Left Hand");
    Tick(1);
    EXPECT_TRUE(window->markerShown(2));
    EXPECT_EQ(window->markerColour(2), QColor(0, 255, 0));
    Tick(1000);
    checkStep(1);  // estRightHand, entered inside the tick: marker shown at once
    Tick(1000);
    checkStep();
    EXPECT_EQ(Current(), estExplainNegative);
    EXPECT_EQ(Text("lblTime_New"), "00:20");

    Click("cmdNavig(1)");
    checkStep();
    ASSERT_EQ(Current(), estTopHead1);
    Tick(1);
    EXPECT_EQ(VisibleMarkers(), 1);
    EXPECT_TRUE(window->markerShown(4));
    EXPECT_EQ(window->markerColour(4), QColor(255, 0, 0)) << "red again after the karate chop";
    EXPECT_TRUE(Text("lblLeftFrame").startsWith("Breathe slowly and gently tap"));
    Tick(16 * 200 * 2);
    EXPECT_EQ(Current(), estTopHead1);
    EXPECT_EQ(window->controller().State().glngRoundCount, 3);
    EXPECT_EQ(Text("lblSegmentTitle"), "Positive Sequence");
    EXPECT_TRUE(Text("lblLeftFrame").startsWith("Continue tapping."));
    EXPECT_EQ(window->markerColour(4), QColor(0, 255, 0));
    EXPECT_TRUE(window->markerShown(4));

    Click("cmdNavig(1)");
    checkStep();
    EXPECT_EQ(Current(), estReassessSUD);
    Click("cmdNavig(0)");
    checkStep();
    EXPECT_EQ(Current(), estRelax);
    Click("cmdFinish");
    checkStep();
    EXPECT_EQ(Current(), estFinish);
    Click("cmdNavig(1)");
    checkStep();
    EXPECT_EQ(Current(), estIntro);
    EXPECT_TRUE(modal.messages.isEmpty());
}

// The point's caption shows only with a point to name: an empty caption is no label for a screen
// reader to find (on the issue list it would lie over the rows of the user's own sessions).
TEST_F(Window, ThePointCaptionShowsOnlyWithAPoint) {
    int named = 0;
    int empty = 0;
    mindrova::testing::VisitEverySessionStep(window, [&] {
        const Step step = window->controller().State().genmCurrentStep;
        SCOPED_TRACE("step " + std::to_string(step));
        QWidget* caption = Find("lblCurrentPoint");
        const bool hasPoint = !GetStepDescription(step).isEmpty();
        EXPECT_EQ(caption->isVisibleTo(Find("picRightFrame")), hasPoint);
        EXPECT_EQ(caption->isVisible(), hasPoint && Find("picRightFrame")->isVisible());
        ++(hasPoint ? named : empty);
    });
    EXPECT_GT(named, 10);
    EXPECT_GT(empty, 3);
}

TEST_F(Window, BlinkShowsOneMarkerElevenTicksInTwentyTwo) {
    for (int i = 0; i < 6; ++i) Click("cmdNavig(1)");
    ASSERT_EQ(Current(), estTopHead1);
    Tick(201);  // second point, entered inside the tick
    ASSERT_EQ(Current(), estLeftEyebrow);
    QString pattern(window->markerShown(5) ? "1" : "0");
    for (int tick = 2; tick <= 44; ++tick) {
        Tick();
        pattern += window->markerShown(5) ? '1' : '0';
        EXPECT_LE(VisibleMarkers(), 1);
    }
    EXPECT_EQ(pattern, "11111111111000000000001111111111100000000000");
}

TEST_F(Window, PauseAndResumeSwapTheirButtons) {
    for (int i = 0; i < 4; ++i) Click("cmdNavig(1)");
    ASSERT_TRUE(window->stepTimer().isActive());
    Click("cmdPause");
    EXPECT_FALSE(window->stepTimer().isActive());
    EXPECT_TRUE(Shown("cmdResume"));
    EXPECT_FALSE(Shown("cmdPause"));
    EXPECT_FALSE(Find("cmdPause_Bottom")->isEnabled());
    EXPECT_EQ(Find("cmdResume")->pos(), Find("cmdPause")->pos());
    Click("cmdResume");
    EXPECT_TRUE(window->stepTimer().isActive());
    EXPECT_TRUE(Shown("cmdPause"));
    EXPECT_FALSE(Shown("cmdResume"));
    Click("cmdPause_Bottom");
    EXPECT_FALSE(window->stepTimer().isActive()) << "the lower button pauses too";
}

TEST_F(Window, ClicksOnTheBackgroundAdvanceButNotOnTheIssueFrame) {
    QTest::mouseClick(Find("lblIntro"), Qt::LeftButton);
    EXPECT_EQ(Current(), estSelectIssue);
    QTest::mouseClick(Find("fraMode"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(Current(), estSelectIssue);
    for (const char* target : {"lblSegmentTitle", "lblLeftFrame", "picLeftFrame", "lblSplit"}) {
        const Step before = Current();
        QTest::mouseClick(Find(target), Qt::LeftButton, {}, QPoint(1, 1));
        EXPECT_NE(Current(), before) << target;
    }
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(window->width() / 2, 60));
    EXPECT_EQ(Current(), estTopHead1);
    QTest::mouseClick(Find("picShape"), Qt::RightButton);
    EXPECT_EQ(Current(), estTopHead1) << "only the left button advances";
}

}  // namespace
