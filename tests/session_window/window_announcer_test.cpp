// A screen reader follows the session: on each step change, and each point of a round, the
// focused control's accessible description carries a short line and a DescriptionChanged event
// tells the screen reader. Without an assistive technology Qt drops accessibility events, so the
// test records them where the announcer sends them, with the signature of Qt's update handler.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures/fake_speaker.h"
#include "fixtures/open_session_window.h"
#include "session/step_announcement.h"
#include "session_window/frm_main.h"
#include "session_window/window_announcer.h"
#include "session_window/window_services.h"
#include "support/settings_store.h"

using namespace mindrova;

namespace {

struct Heard {
    QObject* object;
    QString description;
};

std::vector<Heard>* gHeard = nullptr;
int gNameChanges = 0;

void RecordUpdate(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged) ++gNameChanges;
    if (event->type() != QAccessible::DescriptionChanged || gHeard == nullptr) return;
    QAccessibleInterface* iface = event->accessibleInterface();
    gHeard->push_back({event->object(), iface ? iface->text(QAccessible::Description) : QString()});
}

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetSettingsFolder(folder.path());
        window = mindrova::testing::OpenSessionWindow();
        SetAccessibleEventSink(RecordUpdate);
        gHeard = &heard;
        gNameChanges = 0;
    }
    void TearDown() override {
        gHeard = nullptr;
        SetAccessibleEventSink(nullptr);
        mindrova::testing::CloseSessionWindow(window);
        WindowServices().makeSpeaker = nullptr;
        SetSettingsFolder({});
    }
    SessionController& Controller() { return window->controller(); }
    Step Current() const { return window->controller().State().genmCurrentStep; }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    QStringList Lines() const {
        QStringList lines;
        for (const Heard& h : heard) lines << h.description;
        return lines;
    }
    void TickIntoNextPoint() {
        const Step step = Current();
        for (int i = 0; i < 300 && Current() == step; ++i) Controller().tmrSteps_Timer();
    }

    QTemporaryDir folder;
    frmMain* window = nullptr;
    std::vector<Heard> heard;
};

TEST_F(ScreenReader, EachStepChangeIsHeardOnTheFocusedControl) {
    QWidget* focused = Focused();
    ASSERT_NE(focused, nullptr);
    const QString ownDescription = focused->accessibleDescription();
    Controller().Next();  // select issue
    Controller().Next();  // assign SUD
    ASSERT_EQ(Current(), estAssignSUD);
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(Lines().mid(Lines().size() - 2),
              QStringList({"Step: Select Issue", "Step: Assign SUD"}));
    EXPECT_EQ(heard.back().object, Focused());
    EXPECT_EQ(Focused()->accessibleDescription(), "Step: Assign SUD");
    EXPECT_EQ(gNameChanges, 0) << "the name stays, so nothing is read twice";
    // Moving on restores the control's own description.
    QWidget* described = Focused();
    QWidget* other = window->findChild<QWidget*>(
        described->objectName() == "cmdExit" ? "cmdNavig(1)" : "cmdExit");
    ASSERT_NE(other, nullptr);
    other->setFocus();
    ASSERT_EQ(Focused(), other);
    EXPECT_EQ(described->accessibleDescription(),
              described == focused ? ownDescription : QString());
}

TEST_F(ScreenReader, EveryPointOfARoundIsHeardWithWhatToSay) {
    for (int i = 0; i < 6; ++i) Controller().Next();
    ASSERT_EQ(Current(), estTopHead1);
    heard.clear();
    for (int point = 1; point < 16; ++point) TickIntoNextPoint();
    ASSERT_EQ(heard.size(), 15u);
    const QStringList lines = Lines();
    for (int i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].toStdString());
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("Point %1 of 16: ").arg(i + 2)));
        EXPECT_TRUE(lines[i].contains(". Say: "));
        EXPECT_TRUE(lines[i].endsWith('.') || lines[i].endsWith('!') || lines[i].endsWith('?'));
    }
    EXPECT_TRUE(lines[2].startsWith("Point 4 of 16: Left Under Eye. Say: "));
}

TEST_F(ScreenReader, WithSpokenGuidanceOnThePointsAreLeftToTheVoice) {
    WindowServices().makeSpeaker = [](const SpeechSettings&) {
        return std::unique_ptr<Speaker>(std::make_unique<mindrova::testing::FakeSpeaker>());
    };
    QTest::keyClick(Focused() ? Focused() : window, Qt::Key_V);
    for (int i = 0; i < 6; ++i) Controller().Next();
    ASSERT_EQ(Current(), estTopHead1);
    heard.clear();
    TickIntoNextPoint();
    TickIntoNextPoint();
    EXPECT_TRUE(heard.empty()) << Lines().join(" | ").toStdString();
    Controller().cmdFinish_Click();
    EXPECT_EQ(Lines(), QStringList({"Step: Finish"})) << "steps are still heard";
}

struct AnnouncementRow {
    const char* name;
    Step step;
    bool positive;
    const char* line;  // the whole line, or its start when it ends in "..."
};

class AnnouncementText : public ::testing::TestWithParam<AnnouncementRow> {};

TEST_P(AnnouncementText, SaysWhereTheSessionIs) {
    SessionState state;
    state.genmCurrentStep = GetParam().step;
    state.gblnPositiveSequence = GetParam().positive;
    const QString line = StepAnnouncement(GetParam().step, state);
    QString expected = QString::fromUtf8(GetParam().line);
    if (expected.endsWith("...")) {
        expected.chop(3);
        EXPECT_TRUE(line.startsWith(expected)) << line.toStdString();
    } else {
        EXPECT_EQ(line, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AnnouncementText,
    ::testing::Values(AnnouncementRow{"Intro", estIntro, false, "Step: Intro"},
                      AnnouncementRow{"Reassess", estReassessSUD, false, "Step: Reasses SUD"},
                      AnnouncementRow{"KarateChop", estLeftHand, false,
                                      "Step: Affirmation Statement, Karate chop - Left Hand"},
                      AnnouncementRow{"Finish", estFinish, false, "Step: Finish"},
                      AnnouncementRow{"FirstPoint", estTopHead1, false,
                                      "Point 1 of 16: Top Head. Say: ..."},
                      AnnouncementRow{"PositivePoint", estRightUnderArm, true,
                                      "Point 16 of 16: Right Under Arm. Say: ..."},
                      AnnouncementRow{"None", estNone, false, ""},
                      AnnouncementRow{"PastTheEnd", static_cast<Step>(99), false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
