// The session window's row of the user's own sessions under the issue list, and the gentle word
// under the rating scale, as a user meets them: by mouse and by keyboard, shown and spoken.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "fixtures/fake_speaker.h"
#include "fixtures/find_control.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/session_window_test.h"
#include "fixtures/settings_folder.h"
#include "session/gentle_word.h"
#include "session/spoken_texts.h"
#include "support/settings_store.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::Control;
using mindrova::testing::FakeSpeaker;

namespace {

PersonalSessionFile SessionFile(const QString& title, const QString& line = "My hands are wet.") {
    PersonalSession s;
    s.title = title;
    s.setup = "Even though " + title + ", I love and accept myself.";
    s.negative = {line};
    s.positive = {"I am safe."};
    return {"/sessions/" + title + ".json", s};
}

class PersonalRow : public mindrova::testing::SessionWindowTest {
protected:
    void SetUp() override {
        listing.sessions = {SessionFile("Fear of flying"), SessionFile("Spiders")};
        SessionWindowTest::SetUp();
    }
    mindrova::testing::TestWindowServices Services() override {
        mindrova::testing::TestWindowServices services;
        services.listPersonalSessions = [this] {
            ++listings;
            return listing;
        };
        services.managePersonalSessions = [this](QWidget* owner, Issue issue, const QString& own) {
            if (manage) manage(owner, issue, own);
        };
        services.makeSpeaker = [this](const SpeechSettings&) {
            auto made = std::make_unique<FakeSpeaker>();
            speaker = made.get();
            return std::unique_ptr<Speaker>(std::move(made));
        };
        return services;
    }
    QComboBox* List() const { return Control<QComboBox>(window, "cboPersonalSession"); }
    QStringList Entries() const {
        QStringList entries;
        for (int i = 0; i < List()->count(); ++i) entries << List()->itemText(i);
        return entries;
    }
    QString Chosen() const {
        const auto& chosen = window->controller().ChosenPersonalSession();
        return chosen ? chosen->title : QStringLiteral("<none>");
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    void ToSelectIssue() {
        window->controller().Next();
        ASSERT_EQ(Current(), estSelectIssue);
    }
    void NextUntil(Step step) {
        for (int i = 0; i < 80 && Current() != step; ++i) window->controller().Next();
        ASSERT_EQ(Current(), step);
    }

    mindrova::testing::ModalRecorder modal;
    mindrova::testing::SettingsFolder folder;
    PersonalSessionListing listing;
    int listings = 0;
    // What the My sessions dialog does in a test that opens it.
    std::function<void(QWidget* owner, Issue issue, const QString& ownWords)> manage;
    FakeSpeaker* speaker = nullptr;
};

TEST_F(PersonalRow, ListsTheSessionsAndChoosingOneTellsTheController) {
    ToSelectIssue();
    EXPECT_EQ(Entries(), QStringList({"The issue above", "Fear of flying", "Spiders"}));
    EXPECT_EQ(Chosen(), "<none>");
    List()->setCurrentIndex(2);
    emit List()->activated(2);
    EXPECT_EQ(Chosen(), "Spiders");
    EXPECT_EQ(window->controller().ChosenPersonalSession()->negative,
              QStringList({"My hands are wet."}));
    List()->setCurrentIndex(0);
    emit List()->activated(0);
    EXPECT_EQ(Chosen(), "<none>") << "the first entry lets the issue above hold";
}

// Alt+M reaches the list, the arrows choose in it (they are not Next and Previous there), Tab goes
// on to the button and Alt+G presses it.
TEST_F(PersonalRow, EverythingGoesByKeyboard) {
    int managed = 0;
    manage = [&](QWidget* owner, Issue issue, const QString& own) {
        ++managed;
        EXPECT_EQ(owner, window);
        EXPECT_EQ(issue, window->controller().State().genmSelectedIssue);
        EXPECT_EQ(own, "my knees shake");
        listing.sessions << SessionFile("Heights");
    };
    ToSelectIssue();
    Control<QLineEdit>(window, "txtOwnWords")->setText("my knees shake");
    Key(Qt::Key_M, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), List());
    Key(Qt::Key_Down);
    EXPECT_EQ(Chosen(), "Fear of flying");
    Key(Qt::Key_Down);
    EXPECT_EQ(Chosen(), "Spiders");
    EXPECT_EQ(Current(), estSelectIssue) << "the arrows stayed in the list";
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Chosen(), "<none>");
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(window, "cmdManageSessions"));
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(managed, 1);
    EXPECT_EQ(Entries().last(), "Heights") << "read afresh after the dialog";
    Key(Qt::Key_Space);
    EXPECT_EQ(managed, 2) << "Space presses the focused button";
    EXPECT_EQ(Current(), estSelectIssue);
    // Back in the field before the list, Tab reaches the list.
    Control(window, "txtOwnWords")->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), List());
}

TEST_F(PersonalRow, AnIssueClickedLetsTheIssueHoldAgain) {
    ToSelectIssue();
    auto* issue = Control<QRadioButton>(window, "radMode", 3);
    List()->setCurrentIndex(1);
    emit List()->activated(1);
    ASSERT_EQ(Chosen(), "Fear of flying");
    EXPECT_FALSE(issue->isChecked()) << "the issue options stay as they were";
    QTest::mouseClick(issue, Qt::LeftButton, {}, QPoint(8, issue->height() / 2));
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_TRUE(issue->isChecked());
    EXPECT_EQ(window->controller().State().genmSelectedIssue, IssueOptIndexToEnum(3));
}

// Files placed in the folder by hand show up the next time the list is shown; a chosen session
// whose file has gone is no longer chosen, and one edited meanwhile is taken as it reads now.
TEST_F(PersonalRow, TheListIsReadAfreshEachTimeTheIssueListShows) {
    ToSelectIssue();
    List()->setCurrentIndex(1);
    emit List()->activated(1);
    const int before = listings;
    listing.sessions = {SessionFile("Fear of flying", "The engines roar."), SessionFile("Dogs")};
    window->controller().Next();
    window->controller().Previous();
    ASSERT_EQ(Current(), estSelectIssue);
    EXPECT_EQ(listings, before + 1);
    EXPECT_EQ(Entries(), QStringList({"The issue above", "Fear of flying", "Dogs"}));
    EXPECT_EQ(List()->currentText(), "Fear of flying");
    EXPECT_EQ(window->controller().ChosenPersonalSession()->negative,
              QStringList({"The engines roar."}));
    listing.sessions = {SessionFile("Dogs")};
    window->controller().Next();
    window->controller().Previous();
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_EQ(List()->currentIndex(), 0);
}

TEST_F(PersonalRow, RefusedFilesAreToldCalmlyInTheStatusBar) {
    listing.problems = {{"a.json", "it is not JSON"}, {"b.json", "a line is empty"}};
    ToSelectIssue();
    auto* notice = Control<QLabel>(window, "lblSessionsNotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(),
              "2 of your session files could not be read. Manage... shows which and why.");
    EXPECT_EQ(Entries().size(), 3) << "the files that read are offered all the same";
    window->controller().Next();
    EXPECT_FALSE(notice->isVisible()) << "told on the issue list only";
    listing.problems.clear();
    window->controller().Previous();
    EXPECT_FALSE(notice->isVisible());
}

TEST_F(PersonalRow, WithoutSessionsTheListOffersOnlyTheIssue) {
    listing = {};  // an empty sessions folder
    ToSelectIssue();
    EXPECT_EQ(Entries(), QStringList({"The issue above"}));
    EXPECT_EQ(Chosen(), "<none>");
    EXPECT_FALSE(Control(window, "lblSessionsNotice")->isVisible());
}

class GentleWordShown : public PersonalRow {
protected:
    void SpeechOn() {
        window->findChild<QAction*>("mnuPopUpSpeech")->trigger();
        ASSERT_NE(speaker, nullptr);
    }
    QLabel* Word() const { return Control<QLabel>(window, "lblGentleWord"); }
    int TimesSaid() const {
        int times = 0;
        for (const QString& said : speaker->said) times += said.count(GentleWordText());
        return times;
    }
    void Rate(int rating) {
        auto* option = Control<QRadioButton>(window, "radSUD", rating);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
    }
};

TEST_F(GentleWordShown, AHeavyFirstRatingShowsAndSaysItOnce) {
    SpeechOn();
    ToSelectIssue();
    window->controller().Next();
    ASSERT_EQ(Current(), estAssignSUD);
    EXPECT_FALSE(Word()->isVisible());
    Rate(7);
    EXPECT_FALSE(Word()->isVisible());
    EXPECT_EQ(speaker->said.last(), UntimedStepSpeech(estAssignSUD, window->controller().State()))
        << "nothing is added while the rating is not heavy";
    Rate(9);
    EXPECT_TRUE(Word()->isVisible());
    EXPECT_EQ(Word()->text(), GentleWordText());
    EXPECT_EQ(TimesSaid(), 1);
    Rate(10);
    EXPECT_EQ(TimesSaid(), 1) << "said once";
    window->controller().Next();
    EXPECT_FALSE(Word()->isVisible());
    NextUntil(estReassessSUD);
    Rate(10);
    EXPECT_FALSE(Word()->isVisible()) << "once in a piece of work";
    EXPECT_EQ(TimesSaid(), 1);
}

// The arrow keys on the scale choose a rating as a click does.
TEST_F(GentleWordShown, ARatingChosenByArrowKeyShowsIt) {
    ToSelectIssue();
    window->controller().Next();
    auto* seven = Control<QRadioButton>(window, "radSUD", 7);
    Rate(7);
    seven->setFocus();
    EXPECT_FALSE(Word()->isVisible());
    Key(Qt::Key_Right);
    ASSERT_TRUE(Control<QRadioButton>(window, "radSUD", 8)->isChecked());
    EXPECT_EQ(window->controller().SelectedSUD(), 8);
    EXPECT_TRUE(Word()->isVisible());
}

// A later rating higher than the first shows it; a new piece of work may show it again, and a
// heavy rating carried onto the step shows it at once, said after the step's own words.
TEST_F(GentleWordShown, AHigherLaterRatingShowsItAndANewPieceOfWorkMayAgain) {
    SpeechOn();
    ToSelectIssue();
    window->controller().Next();
    Rate(4);
    NextUntil(estReassessSUD);
    Rate(4);
    EXPECT_FALSE(Word()->isVisible()) << "equal is not higher";
    Rate(3);
    EXPECT_FALSE(Word()->isVisible());
    Rate(9);
    EXPECT_TRUE(Word()->isVisible());
    EXPECT_EQ(TimesSaid(), 1);
    window->controller().cmdFinish_Click();
    EXPECT_FALSE(Word()->isVisible());
    NextUntil(estSelectIssue);
    window->controller().Next();
    ASSERT_EQ(Current(), estAssignSUD);
    EXPECT_TRUE(Word()->isVisible()) << "the 9 chosen last is still chosen";
    EXPECT_EQ(speaker->said.last(), UntimedStepSpeech(estAssignSUD, window->controller().State()) +
                                        "\n\n" + GentleWordText());
    EXPECT_EQ(TimesSaid(), 2);
}

// While a session of the user's own is chosen the issue options and the own words are greyed
// under a line that names it; whichever way the issue comes back, they come back.
class WhatRuns;

struct WhatRunsRow {
    const char* name;
    std::function<void(WhatRuns& t)> act;
    const char* chosen;  // the session chosen afterwards, or "<none>"
    friend void PrintTo(const WhatRunsRow& r, std::ostream* out) { *out << r.name; }
};

class WhatRuns : public PersonalRow, public ::testing::WithParamInterface<WhatRunsRow> {
public:
    void Choose(int index) {
        List()->setCurrentIndex(index);
        emit List()->activated(index);
    }
    void ClickIssue(int optionIndex) {
        QWidget* issue = Control(window, "radMode", optionIndex);
        QTest::mouseClick(issue, Qt::LeftButton, {}, QPoint(8, issue->height() / 2));
    }
    // The chosen session's file is gone when the issue list is shown again.
    void FirstFileGoneAndBack() {
        listing.sessions.removeFirst();
        window->controller().Previous();
        window->controller().Next();
    }
};

TEST_P(WhatRuns, IsPlainFromTheIssueList) {
    ToSelectIssue();
    GetParam().act(*this);
    ASSERT_EQ(Chosen(), GetParam().chosen);
    const bool issueRuns = Chosen() == "<none>";
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(Control(window, "radMode", i)->isEnabled(), issueRuns) << "radMode(" << i << ")";
    }
    EXPECT_EQ(Control(window, "txtOwnWords")->isEnabled(), issueRuns);
    EXPECT_EQ(Control(window, "lblOwnWords")->isEnabled(), issueRuns);
    auto* line = window->findChild<QLabel*>("lblRunsInstead");
    if (issueRuns) {
        EXPECT_TRUE(line == nullptr || !line->isVisible());
        return;
    }
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    const QString expected = "Your session \u201C" + Chosen() + "\u201D runs instead.";
    EXPECT_EQ(line->text(), expected);
    EXPECT_EQ(line->accessibleName(), expected);
    EXPECT_TRUE(Control(window, "cboPersonalSession")->isEnabled()) << "the way back stays open";
    // It stands between the issues and the own words, over none of them.
    for (int i = 1; i <= 12; ++i) {
        QWidget* option = Control(window, "radMode", i);
        if (option->isVisible()) {
            EXPECT_FALSE(option->geometry().intersects(line->geometry())) << "radMode(" << i << ")";
        }
    }
    EXPECT_LE(line->geometry().bottom(), Control(window, "lblOwnWords")->geometry().top());
    EXPECT_GE(line->width(), line->sizeHint().width()) << "the line is shown whole";
}

INSTANTIATE_TEST_SUITE_P(Rows, WhatRuns,
                         ::testing::Values(WhatRunsRow{"NothingChosen", [](WhatRuns&) {}, "<none>"},
                                           WhatRunsRow{"ASessionChosen",
                                                       [](WhatRuns& t) { t.Choose(1); },
                                                       "Fear of flying"},
                                           WhatRunsRow{"AnotherChosen",
                                                       [](WhatRuns& t) {
                                                           t.Choose(1);
                                                           t.Choose(2);
                                                       },
                                                       "Spiders"},
                                           WhatRunsRow{"BackToTheIssueAbove",
                                                       [](WhatRuns& t) {
                                                           t.Choose(1);
                                                           t.Choose(0);
                                                       },
                                                       "<none>"},
                                           WhatRunsRow{"AGreyedIssueClicked",
                                                       [](WhatRuns& t) {
                                                           t.Choose(1);
                                                           t.ClickIssue(3);
                                                       },
                                                       "<none>"},
                                           WhatRunsRow{"ItsFileGone",
                                                       [](WhatRuns& t) {
                                                           t.Choose(1);
                                                           t.FirstFileGoneAndBack();
                                                       },
                                                       "<none>"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Start in the My sessions dialog runs the session at once: it is chosen in the list and the
// window is at Assign SUD. A session whose file went meanwhile is not started; Close starts
// nothing.
struct StartRow {
    const char* name;
    const char* started;  // what the dialog answered
    Step step;
    const char* chosen;
    friend void PrintTo(const StartRow& r, std::ostream* out) { *out << r.name; }
};

class StartFromMySessions : public PersonalRow, public ::testing::WithParamInterface<StartRow> {
protected:
    mindrova::testing::TestWindowServices Services() override {
        mindrova::testing::TestWindowServices services = PersonalRow::Services();
        services.runPersonalSessions = [this](QWidget* owner, Issue, const QString&) {
            ++runs;
            EXPECT_EQ(owner, window);
            return QString::fromUtf8(GetParam().started);
        };
        return services;
    }
    int runs = 0;
};

TEST_P(StartFromMySessions, RunsTheSessionAtOnce) {
    ToSelectIssue();
    Control<QPushButton>(window, "cmdManageSessions")->click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(Current(), GetParam().step);
    EXPECT_EQ(Chosen(), GetParam().chosen);
    EXPECT_EQ(List()->currentText(),
              Chosen() == "<none>" ? QStringLiteral("The issue above") : Chosen());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartFromMySessions,
    ::testing::Values(StartRow{"Started", "Spiders", estAssignSUD, "Spiders"},
                      StartRow{"ClosedWithoutStart", "", estSelectIssue, "<none>"},
                      StartRow{"ItsFileWentMeanwhile", "Heights", estSelectIssue, "<none>"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
