// The session window and the features' parts it is handed: it tells each part what happens on it,
// their menu items follow one another in the order given, and a window given none has no feature
// at all and still runs its session.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "fixtures/qt_application.h"
#include "fixtures/settings_folder.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_part.h"
#include "window/ui/window_services.h"

namespace mindrova {
namespace {

// What the window told the part, in order.
struct Heard {
    QStringList events;
    bool leftRunning = false;
};

class RecordingPart : public WindowPart {
public:
    RecordingPart(frmMain& window, Heard& heard, const QString& item) : mHeard(heard) {
        if (!item.isEmpty()) {
            auto* action = new QAction(item, &window.menu());
            window.menu().insertAction(window.partItemsEnd(), action);
        }
    }
    bool TakeKey(KeyCommand command) override {
        mHeard.events << QStringLiteral("key");
        return command == KeyCommand::ToggleSpeech;
    }
    void StepShown(const QString& /*instructions*/, bool onInstructions) override {
        mHeard.events << (onInstructions ? QStringLiteral("step") : QStringLiteral("intro step"));
    }
    void IssueChosen() override { mHeard.events << QStringLiteral("issue"); }
    bool Abandon() override {
        mHeard.events << QStringLiteral("abandon");
        return mHeard.leftRunning;
    }

private:
    Heard& mHeard;
};

WindowPartMaker Recording(Heard& heard, const QString& item = {}) {
    return [&heard, item](frmMain& window) -> std::unique_ptr<WindowPart> {
        return std::make_unique<RecordingPart>(window, heard, item);
    };
}

class WindowParts : public ::testing::Test {
protected:
    void Open(SessionWindowServices services) {
        testing::Application();
        window = std::make_unique<frmMain>(std::move(services));
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    QStringList MenuTexts() const {
        QStringList texts;
        for (QAction* action : window->menu().actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    }
    Step Current() const { return window->controller().State().genmCurrentStep; }

    testing::SettingsFolder settings;
    std::unique_ptr<frmMain> window;
};

TEST_F(WindowParts, EachPartHearsTheStepsTheIssueChosenTheKeyAndTheEnd) {
    Heard heard;
    heard.leftRunning = true;
    SessionWindowServices services;
    services.parts = {Recording(heard)};
    Open(std::move(services));
    heard.events.clear();

    window->controller().Next();  // Select Issue: its text goes on the instructions
    ASSERT_EQ(Current(), estSelectIssue);
    auto* option = window->findChild<QRadioButton*>(QStringLiteral("radMode(1)"));
    ASSERT_NE(option, nullptr);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
    QTest::keyClick(window.get(), Qt::Key_V);
    EXPECT_TRUE(window->Abandon()) << "the part's engine was left running";
    EXPECT_EQ(heard.events, QStringList({"step", "issue", "key", "abandon"}));
}

TEST_F(WindowParts, TheirItemsFollowTheWindowsOwnInTheOrderGiven) {
    Heard first;
    Heard second;
    SessionWindowServices services;
    services.parts = {Recording(first, QStringLiteral("First")), nullptr,
                      Recording(second, QStringLiteral("Second"))};
    Open(std::move(services));
    EXPECT_EQ(MenuTexts(), QStringList({"Keyboard Shortcuts", "About", "First", "Second",
                                        "Session options...", "-", "Exit"}));
}

TEST_F(WindowParts, AWindowGivenNoneHasNoFeatureAndStillRunsItsSession) {
    Open({});
    EXPECT_EQ(MenuTexts(),
              QStringList({"Keyboard Shortcuts", "About", "Session options...", "-", "Exit"}));
    QTest::keyClick(window.get(), Qt::Key_V);  // nobody takes it
    window->controller().Next();
    EXPECT_EQ(Current(), estSelectIssue);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("picPersonalSessions")), nullptr);
    EXPECT_FALSE(window->Abandon());
}

}  // namespace
}  // namespace mindrova
