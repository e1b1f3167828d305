// The program's settings dialogs share one shape: every control named for a screen reader and
// reached by Tab in reading order, each field reached by its label's underlined letter, and the
// row that ends them on the right in a fixed order (any further button, then the one that accepts,
// the default, then Cancel), Enter or the accepting button accepting and Escape or Cancel leaving.
#include <gtest/gtest.h>

#include <QCheckBox>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "display/ui/frm_appearance.h"
#include "personal/ui/frm_personal_session_edit.h"
#include "session/ui/frm_session_options.h"
#include "speech/ui/frm_voice.h"
#include "fixtures/fake_speaker.h"
#include "fixtures/find_control.h"
#include "fixtures/qt_application.h"

using namespace mindrova;
using mindrova::testing::Control;

namespace {

struct DialogShape {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* title;
    std::vector<const char*> tabOrder;  // the controls Tab reaches, in reading order
    QStringList buddies;                // the labels' captions, sorted
    std::vector<const char*> row;       // the buttons of the closing row, left to right
    const char* accept;                 // the default button, which accepts
    QStringList captions;               // of the row's buttons, left to right
    friend void PrintTo(const DialogShape& row, std::ostream* out) { *out << row.name; }
};

PersonalSession Titled() {
    PersonalSession session;
    session.title = QStringLiteral("Spiders");
    session.setup = QStringLiteral("Even though spiders scare me, I love and accept myself.");
    session.negative = {QStringLiteral("This fear.")};
    session.positive = {QStringLiteral("I am calm.")};
    return session;
}

const DialogShape kShapes[] = {
    {"Voice",
     [] {
         return std::make_unique<frmVoice>(
             SpeechSettings{}, QStringList{"flite"}, [](const QString&) { return QStringList{}; },
             [](const SpeechSettings&) {
                 return std::unique_ptr<Speaker>(new mindrova::testing::FakeSpeaker);
             });
     },
     "Voice",
     {"cboEngine", "cboVoice", "sldRate", "sldVolume", "cmdSample", "cmdOK", "cmdCancel"},
     {"&Engine:", "&Rate:", "V&oice:", "Vo&lume:"},
     {"cmdOK", "cmdCancel"},
     "cmdOK",
     {"&OK", "&Cancel"}},
    {"Appearance",
     [] { return std::make_unique<frmAppearance>(DisplaySettings{}); },
     "Appearance",
     {"cboAppearance", "spnTextSize", "chkFollowRound", "cboLanguage", "cmdOK", "cmdCancel"},
     {"&Appearance:", "&Language:", "&Text size:"},
     {"cmdOK", "cmdCancel"},
     "cmdOK",
     {"&OK", "&Cancel"}},
    {"SessionOptions",
     [] { return std::make_unique<frmSessionOptions>(SessionPace{}); },
     "Session options",
     {"spnSecondsPerPoint", "cboRound", "cmdOK", "cmdCancel"},
     {"&Round:", "&Seconds per point:"},
     {"cmdOK", "cmdCancel"},
     "cmdOK",
     {"&OK", "&Cancel"}},
    {"EditASession",
     [] { return std::make_unique<frmPersonalSessionEdit>(Titled(), QStringList{}); },
     "Edit a session",
     {"txtTitle", "txtSetup", "lstNegative", "lstNegativeAdd", "lstNegativeRemove", "lstNegativeUp",
      "lstNegativeDown", "lstPositive", "lstPositiveAdd", "lstPositiveRemove", "lstPositiveUp",
      "lstPositiveDown", "spnSecondsPerPoint", "cboRound", "cmdSave", "cmdCancel"},
     {"&Negative lines, one a row:", "&Positive lines, one a row:", "&Round:", "&Title:",
      "Seconds per p&oint:", "Set-&up statement:"},
     {"cmdSaveElsewhere", "cmdSave", "cmdCancel"},
     "cmdSave",
     {"Save &elsewhere\u2026", "&Save", "Cancel"}},
};

class Shape : public ::testing::TestWithParam<DialogShape> {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        dialog = GetParam().make();
        dialog->show();
    }
    std::unique_ptr<QDialog> dialog;
};

TEST_P(Shape, EveryControlIsNamedLabelledAndReachedByTabInReadingOrder) {
    const DialogShape& c = GetParam();
    EXPECT_EQ(dialog->windowTitle(), c.title);
    QList<QWidget*> controls;
    for (const char* name : c.tabOrder) {
        auto* control = Control(dialog.get(), name);
        ASSERT_NE(control, nullptr);
        // A check box is named by its own caption, as assistive tools read it.
        const auto* box = qobject_cast<QCheckBox*>(control);
        EXPECT_FALSE(control->accessibleName().isEmpty() &&
                     (box == nullptr || box->text().isEmpty()))
            << name;
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << name;
        controls << control;
    }
    for (int i = 0; i + 1 < controls.size(); ++i) {
        QWidget* next = controls[i]->nextInFocusChain();
        // A spin box's or a text box's own parts are the control itself.
        while (next != controls[i] &&
               (controls[i]->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                !next->isVisible())) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, controls[i + 1]) << c.tabOrder[i];
    }
    QStringList buddies;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy()) buddies << label->text();
    }
    buddies.sort();
    EXPECT_EQ(buddies, c.buddies);
}

TEST_P(Shape, TheClosingRowStandsOnTheRightInItsOwnOrder) {
    const DialogShape& c = GetParam();
    QStringList captions;
    int left = -1;
    for (const char* name : c.row) {
        auto* button = Control<QPushButton>(dialog.get(), name);
        ASSERT_NE(button, nullptr);
        captions << button->text();
        EXPECT_EQ(button->isDefault(), qstrcmp(name, c.accept) == 0) << name;
        if (button->isHidden()) continue;  // offered only once needed
        EXPECT_GT(button->x(), left) << name << " stands right of the button before it";
        left = button->x();
    }
    EXPECT_EQ(captions, c.captions);
    auto* last = Control<QPushButton>(dialog.get(), c.row.back());
    EXPECT_GT(last->geometry().right(), dialog->width() * 3 / 4) << "the row keeps to the right";
}

TEST_P(Shape, EnterAcceptsAndEscapeLeaves) {
    const DialogShape& c = GetParam();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    Control<QPushButton>(dialog.get(), "cmdCancel")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    QWidget* first = Control(dialog.get(), c.tabOrder.front());
    first->setFocus();
    // The default button answers Enter on the first field, which does not take Enter itself.
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    dialog->setResult(QDialog::Rejected);
    Control<QPushButton>(dialog.get(), c.accept)->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, Shape, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<DialogShape>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
