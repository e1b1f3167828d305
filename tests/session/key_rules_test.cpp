#include "session/key_rules.h"

#include <gtest/gtest.h>

#include <Qt>
#include <string>
#include <vector>

#include "fixtures/step_names.h"

using namespace mindrova;
using mindrova::testing::StepIdName;

namespace {

struct NamedKey {
    int key;
    const char* name;
};

// clang-format off
const std::vector<NamedKey> kNextKeys = {
    {Qt::Key_N, "N"}, {Qt::Key_Space, "Space"}, {Qt::Key_Right, "Right"}, {Qt::Key_Down, "Down"},
    {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "KeypadEnter"}, {Qt::Key_PageDown, "PageDown"},
};
const std::vector<NamedKey> kPreviousKeys = {
    {Qt::Key_P, "P"}, {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Left, "Left"}, {Qt::Key_Up, "Up"},
    {Qt::Key_PageUp, "PageUp"},
};
const std::vector<NamedKey> kOtherKeys = {
    {Qt::Key_A, "A"}, {Qt::Key_X, "X"}, {Qt::Key_E, "E"}, {Qt::Key_F, "F"}, {Qt::Key_B, "B"},
    {Qt::Key_1, "Digit1"}, {Qt::Key_F1, "F1"}, {Qt::Key_Tab, "Tab"}, {Qt::Key_Backtab, "Backtab"},
    {Qt::Key_Shift, "Shift"}, {Qt::Key_Control, "Ctrl"}, {Qt::Key_Alt, "Alt"},
    {Qt::Key_Meta, "Meta"}, {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"},
    {Qt::Key_Delete, "Del"}, {Qt::Key_Insert, "Insert"}, {Qt::Key_unknown, "Unknown"}, {0, "Zero"},
};
// clang-format on
const NamedKey kEsc{Qt::Key_Escape, "Esc"};
const NamedKey kV{Qt::Key_V, "V"};
const NamedKey kMenu{Qt::Key_Menu, "Menu"};

enum class Mode { Running, Paused, Neither, Both };
const char* ModeName(Mode m) {
    switch (m) {
        case Mode::Running:
            return "Running";
        case Mode::Paused:
            return "Paused";
        case Mode::Neither:
            return "Neither";
        case Mode::Both:
            return "Both";
    }
    return "?";
}

struct KeyCase {
    NamedKey key;
    Mode mode;
    Step step;
    KeyDecision expected;
    friend void PrintTo(const KeyCase& row, std::ostream* out) {
        *out << row.key.name << "_" << ModeName(row.mode) << "_" << StepIdName(row.step);
    }
};

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info) {
    return std::string(info.param.key.name) + "_" + ModeName(info.param.mode) + "_" +
           StepIdName(info.param.step);
}

constexpr KeyDecision kNotHandled{false, KeyCommand::None};
constexpr KeyDecision kPause{true, KeyCommand::Pause};
constexpr KeyDecision kResume{true, KeyCommand::Resume};
constexpr KeyDecision kNext{true, KeyCommand::Next};
constexpr KeyDecision kPrevious{true, KeyCommand::Previous};
constexpr KeyDecision kSwallowed{true, KeyCommand::None};
constexpr KeyDecision kToggleSpeech{true, KeyCommand::ToggleSpeech};
constexpr KeyDecision kOpenMenu{true, KeyCommand::OpenMenu};

std::vector<KeyCase> BuildKeyCases() {
    std::vector<KeyCase> cases;
    const std::vector<Step> steps = {estIntro, estSelectIssue, estTopHead1, estReassessSUD,
                                     estFinish};
    for (const Step step : steps) {
        const bool intro = step == estIntro;
        // Pause available: Esc pauses, the navigation keys navigate.
        cases.push_back({kEsc, Mode::Running, step, kPause});
        for (const auto& k : kNextKeys) cases.push_back({k, Mode::Running, step, kNext});
        for (const auto& k : kPreviousKeys) {
            cases.push_back({k, Mode::Running, step, intro ? kSwallowed : kPrevious});
        }
        for (const auto& k : kOtherKeys) cases.push_back({k, Mode::Running, step, kNotHandled});
        cases.push_back({kV, Mode::Running, step, kToggleSpeech});
        cases.push_back({kMenu, Mode::Running, step, kOpenMenu});

        // Paused: whatever the key, it only resumes; V toggles nothing.
        cases.push_back({kEsc, Mode::Paused, step, kResume});
        cases.push_back({kV, Mode::Paused, step, kResume});
        cases.push_back({kMenu, Mode::Paused, step, kResume});
        for (const auto* list : {&kNextKeys, &kPreviousKeys, &kOtherKeys}) {
            for (const auto& k : *list) cases.push_back({k, Mode::Paused, step, kResume});
        }

        // Neither button shown: Esc is an ordinary unhandled key.
        cases.push_back({kEsc, Mode::Neither, step, kNotHandled});
        for (const auto& k : kNextKeys) cases.push_back({k, Mode::Neither, step, kNext});
        for (const auto& k : kPreviousKeys) {
            cases.push_back({k, Mode::Neither, step, intro ? kSwallowed : kPrevious});
        }
        for (const auto& k : kOtherKeys) cases.push_back({k, Mode::Neither, step, kNotHandled});
        cases.push_back({kV, Mode::Neither, step, kToggleSpeech});
        cases.push_back({kMenu, Mode::Neither, step, kOpenMenu});

        // Both shown at once: the Esc rule comes first, then any key resumes.
        cases.push_back({kEsc, Mode::Both, step, kPause});
        cases.push_back({kNextKeys[0], Mode::Both, step, kResume});
        cases.push_back({kPreviousKeys[0], Mode::Both, step, kResume});
        cases.push_back({kOtherKeys[0], Mode::Both, step, kResume});
        cases.push_back({kV, Mode::Both, step, kResume});
        cases.push_back({kMenu, Mode::Both, step, kResume});
    }
    return cases;
}

class KeyDownRules : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyDownRules, DecideKeyDown) {
    const KeyCase& c = GetParam();
    const bool pause = c.mode == Mode::Running || c.mode == Mode::Both;
    const bool resume = c.mode == Mode::Paused || c.mode == Mode::Both;
    const KeyDecision got = DecideKeyDown(c.key.key, pause, resume, c.step);
    EXPECT_EQ(got.consumed, c.expected.consumed);
    EXPECT_EQ(got.command, c.expected.command);
}

INSTANTIATE_TEST_SUITE_P(AllKeys, KeyDownRules, ::testing::ValuesIn(BuildKeyCases()), CaseName);

TEST(KeyDownRulesEdges, StepsOutsideTheTableDoNotCountAsTheIntro) {
    for (const Step step : {estNone, static_cast<Step>(-5), static_cast<Step>(MAX_STEP + 1)}) {
        SCOPED_TRACE(StepIdName(step));
        EXPECT_EQ(DecideKeyDown(Qt::Key_P, true, false, step), kPrevious);
    }
}

TEST(KeyDownRulesEdges, KeyCodesBeyondTheKnownRangeAreNotHandled) {
    for (const int key : {-1, 0x7fffffff, static_cast<int>(0x80000000u), 0x01ffffff}) {
        SCOPED_TRACE(::testing::Message() << "key 0x" << std::hex << key);
        EXPECT_EQ(DecideKeyDown(key, true, false, estTopHead1), kNotHandled);
        EXPECT_EQ(DecideKeyDown(key, false, true, estTopHead1), kResume);
    }
}

// While the own-words field has the focus, the letters, Space, Backspace and the arrows type into
// it; Enter, Page Down, Page Up and Esc keep their rules, and a paused session still resumes.
struct TypingCase {
    const char* name;
    int key;
    bool pauseAvailable;
    bool resumeAvailable;
    KeyDecision expected;
    friend void PrintTo(const TypingCase& row, std::ostream* out) { *out << row.name; }
};

class TypingRules : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingRules, DecideKeyDownWhileTyping) {
    const TypingCase& c = GetParam();
    EXPECT_EQ(DecideKeyDown(c.key, c.pauseAvailable, c.resumeAvailable, estSelectIssue, true),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypingRules,
    ::testing::Values(TypingCase{"N", Qt::Key_N, false, false, kNotHandled},
                      TypingCase{"P", Qt::Key_P, false, false, kNotHandled},
                      TypingCase{"Space", Qt::Key_Space, false, false, kNotHandled},
                      TypingCase{"Backspace", Qt::Key_Backspace, false, false, kNotHandled},
                      TypingCase{"Left", Qt::Key_Left, false, false, kNotHandled},
                      TypingCase{"Right", Qt::Key_Right, false, false, kNotHandled},
                      TypingCase{"Up", Qt::Key_Up, false, false, kNotHandled},
                      TypingCase{"Down", Qt::Key_Down, false, false, kNotHandled},
                      TypingCase{"Letter", Qt::Key_A, false, false, kNotHandled},
                      TypingCase{"Return", Qt::Key_Return, false, false, kNext},
                      TypingCase{"KeypadEnter", Qt::Key_Enter, false, false, kNext},
                      TypingCase{"PageDown", Qt::Key_PageDown, false, false, kNext},
                      TypingCase{"PageUp", Qt::Key_PageUp, false, false, kPrevious},
                      TypingCase{"EscNoPause", Qt::Key_Escape, false, false, kNotHandled},
                      TypingCase{"EscPauses", Qt::Key_Escape, true, false, kPause},
                      TypingCase{"PausedLetterResumes", Qt::Key_N, false, true, kResume}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

// Shift matters only for Shift+F10; the window's menu opens from the keyboard except where a
// text field has its own menu, and a paused session resumes first, as with every key.
struct MenuKeyCase {
    const char* name;
    int key;
    bool shift;
    bool resumeAvailable;
    bool typing;
    KeyDecision expected;
    friend void PrintTo(const MenuKeyCase& row, std::ostream* out) { *out << row.name; }
};

class MenuKeyRules : public ::testing::TestWithParam<MenuKeyCase> {};

TEST_P(MenuKeyRules, DecideKeyDownWithShift) {
    const MenuKeyCase& c = GetParam();
    EXPECT_EQ(DecideKeyDown(c.key, !c.resumeAvailable, c.resumeAvailable, estTopHead1, c.typing,
                            c.shift),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MenuKeyRules,
    ::testing::Values(MenuKeyCase{"MenuKey", Qt::Key_Menu, false, false, false, kOpenMenu},
                      MenuKeyCase{"ShiftMenuKey", Qt::Key_Menu, true, false, false, kOpenMenu},
                      MenuKeyCase{"ShiftF10", Qt::Key_F10, true, false, false, kOpenMenu},
                      MenuKeyCase{"F10Alone", Qt::Key_F10, false, false, false, kNotHandled},
                      MenuKeyCase{"ShiftF9", Qt::Key_F9, true, false, false, kNotHandled},
                      MenuKeyCase{"MenuKeyPaused", Qt::Key_Menu, false, true, false, kResume},
                      MenuKeyCase{"ShiftF10Paused", Qt::Key_F10, true, true, false, kResume},
                      MenuKeyCase{"MenuKeyTyping", Qt::Key_Menu, false, false, true, kNotHandled},
                      MenuKeyCase{"ShiftF10Typing", Qt::Key_F10, true, false, true, kNotHandled},
                      MenuKeyCase{"ShiftN", Qt::Key_N, true, false, false, kNext},
                      MenuKeyCase{"ShiftV", Qt::Key_V, true, false, false, kToggleSpeech},
                      MenuKeyCase{"ShiftEsc", Qt::Key_Escape, true, false, false, kPause}),
    [](const ::testing::TestParamInfo<MenuKeyCase>& info) { return std::string(info.param.name); });

TEST(KeyDownRulesEdges, TypingFlagOffKeepsTheOldRules) {
    EXPECT_EQ(DecideKeyDown(Qt::Key_N, false, false, estSelectIssue, false), kNext);
    EXPECT_EQ(DecideKeyDown(Qt::Key_PageUp, false, false, estIntro, true), kSwallowed);
}

struct FocusCase {
    const char* name;
    KeyCommand command;
    Step stepAfter;
    int selectedSUD;
    bool previousEnabled;
    std::optional<FocusChoice> expected;
    friend void PrintTo(const FocusCase& row, std::ostream* out) { *out << row.name; }
};

const FocusChoice kSudAt0{FocusTarget::SUDOption, 0};
const FocusChoice kSudAt5{FocusTarget::SUDOption, 5};
const FocusChoice kSudAt10{FocusTarget::SUDOption, 10};
const FocusChoice kNextButton{FocusTarget::NextButton, -1};
const FocusChoice kPreviousButton{FocusTarget::PreviousButton, -1};

class FocusRules : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusRules, FocusAfterKey) {
    const FocusCase& c = GetParam();
    EXPECT_EQ(FocusAfterKey(c.command, c.stepAfter, c.selectedSUD, c.previousEnabled), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FocusRules,
    ::testing::Values(
        FocusCase{"NextIntoReassess", KeyCommand::Next, estReassessSUD, 5, true, kSudAt5},
        FocusCase{"NextIntoReassessLowest", KeyCommand::Next, estReassessSUD, 0, false, kSudAt0},
        FocusCase{"NextIntoReassessHighest", KeyCommand::Next, estReassessSUD, 10, true, kSudAt10},
        FocusCase{"NextElsewhere", KeyCommand::Next, estRelax, 5, true, kNextButton},
        FocusCase{"NextElsewherePrevOff", KeyCommand::Next, estSelectIssue, 5, false, kNextButton},
        FocusCase{"NextToFinish", KeyCommand::Next, estFinish, 5, true, kNextButton},
        FocusCase{"PreviousIntoReassess", KeyCommand::Previous, estReassessSUD, 3, true,
                  FocusChoice{FocusTarget::SUDOption, 3}},
        FocusCase{"PreviousIntoReassessPrevOff", KeyCommand::Previous, estReassessSUD, 3, false,
                  FocusChoice{FocusTarget::SUDOption, 3}},
        FocusCase{"PreviousElsewhere", KeyCommand::Previous, estAssignSUD, 5, true,
                  kPreviousButton},
        FocusCase{"PreviousLandsOnIntro", KeyCommand::Previous, estIntro, 5, false, kNextButton},
        FocusCase{"NextBadSudBelow", KeyCommand::Next, estReassessSUD, -1, true, kNextButton},
        FocusCase{"NextBadSudAbove", KeyCommand::Next, estReassessSUD, 11, true, kNextButton},
        FocusCase{"PreviousBadSud", KeyCommand::Previous, estReassessSUD, 99, true,
                  kPreviousButton},
        FocusCase{"PreviousBadSudPrevOff", KeyCommand::Previous, estReassessSUD, -7, false,
                  kNextButton},
        FocusCase{"Pause", KeyCommand::Pause, estReassessSUD, 5, true, std::nullopt},
        FocusCase{"Resume", KeyCommand::Resume, estTopHead1, 5, true, std::nullopt},
        FocusCase{"SwallowedAtIntro", KeyCommand::None, estIntro, 5, false, std::nullopt}),
    [](const ::testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

}  // namespace

// The text size keys need Ctrl; bare, they are ordinary keys. While paused they only resume, as
// every key does, and in the own-words field they still size the text.
TEST(KeyDownRulesTextSize, CtrlPlusMinusAndZero) {
    const struct {
        const char* name;
        int key;
        bool ctrl;
        bool paused;
        bool typing;
        KeyDecision expected;
    } cases[] = {
        {"Ctrl+Plus", Qt::Key_Plus, true, false, false, {true, KeyCommand::TextLarger}},
        {"Ctrl+Equal", Qt::Key_Equal, true, false, false, {true, KeyCommand::TextLarger}},
        {"Ctrl+Minus", Qt::Key_Minus, true, false, false, {true, KeyCommand::TextSmaller}},
        {"Ctrl+0", Qt::Key_0, true, false, false, {true, KeyCommand::TextDefault}},
        {"Ctrl+Plus typing", Qt::Key_Plus, true, false, true, {true, KeyCommand::TextLarger}},
        {"Ctrl+Plus paused", Qt::Key_Plus, true, true, false, kResume},
        {"Ctrl+0 paused", Qt::Key_0, true, true, false, kResume},
        {"bare Plus", Qt::Key_Plus, false, false, false, kNotHandled},
        {"bare Minus", Qt::Key_Minus, false, false, false, kNotHandled},
        {"bare 0", Qt::Key_0, false, false, false, kNotHandled},
        {"bare Minus typing", Qt::Key_Minus, false, false, true, kNotHandled},
        {"Ctrl+N still Next", Qt::Key_N, true, false, false, kNext},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideKeyDown(c.key, !c.paused, c.paused, estTopHead1, c.typing, false, c.ctrl),
                  c.expected);
    }
}
