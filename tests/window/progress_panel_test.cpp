// The own-words field, the rating lines and the journal's menu items of the session window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "engine/issues.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qstring_printer.h"
#include "fixtures/session_window_test.h"
#include "window/ui/frm_main.h"
#include "window/ui/window_services.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

class Progress : public mindrova::testing::SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        firstLine = window->findChild<QLabel*>(QStringLiteral("lblFirstRating"));
        changeLine = window->findChild<QLabel*>(QStringLiteral("lblRatingChange"));
        ASSERT_TRUE(firstLine && changeLine);
    }
    QString Instructions() const {
        return window->findChild<QLabel*>(QStringLiteral("lblLeftFrame"))->text();
    }
    // The field is made when the issue list is first shown.
    void ToSelectIssue() {
        window->controller().Next();
        ASSERT_EQ(Current(), estSelectIssue);
        field = window->findChild<QLineEdit*>(QStringLiteral("txtOwnWords"));
        ASSERT_TRUE(field);
    }

    ModalRecorder modal;
    QLineEdit* field = nullptr;
    QLabel* firstLine = nullptr;
    QLabel* changeLine = nullptr;
};

TEST_F(Progress, FieldIsLabelledNamedAndShownOnlyWithTheIssueList) {
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("txtOwnWords")), nullptr)
        << "made only when the issue list is first shown";
    ToSelectIssue();
    auto* caption = window->findChild<QLabel*>(QStringLiteral("lblOwnWords"));
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->text(), QStringLiteral("In your own words (optional):"));
    EXPECT_EQ(caption->buddy(), field);
    EXPECT_FALSE(field->accessibleName().isEmpty());
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(field->isVisibleTo(window));
    EXPECT_TRUE(caption->isVisibleTo(window));
    window->controller().Next();
    EXPECT_FALSE(field->isVisibleTo(window));
    window->controller().Previous();
    EXPECT_TRUE(field->isVisibleTo(window));
    EXPECT_EQ(window->findChildren<QLineEdit*>(QStringLiteral("txtOwnWords")).size(), 1);
}

TEST_F(Progress, TabFromTheIssueListReachesTheField) {
    ToSelectIssue();
    QWidget* checked = nullptr;
    for (auto* option : window->findChildren<QRadioButton*>()) {
        if (option->objectName().startsWith(QStringLiteral("radMode")) && option->isChecked()) {
            checked = option;
        }
    }
    ASSERT_TRUE(checked);
    checked->setFocus();
    bool reached = false;
    for (int i = 0; i < 15 && !reached; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = QApplication::focusWidget() == field;
    }
    EXPECT_TRUE(reached);
    EXPECT_EQ(Current(), estSelectIssue);
}

TEST_F(Progress, KeysTypeIntoTheFieldAndEnterStillMovesOn) {
    ToSelectIssue();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("np dog"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClick(field, Qt::Key_Up);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(Current(), estSelectIssue) << "typing never moves the session";
    EXPECT_EQ(field->text(), QStringLiteral("np do"));
    EXPECT_EQ(window->controller().State().gstrOwnWords, QStringLiteral("np do"));
    QTest::keyClick(field, Qt::Key_PageUp);
    EXPECT_EQ(Current(), estIntro);
    window->controller().Next();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Current(), estAssignSUD);
}

TEST_F(Progress, FieldRefusesLineBreaksAndOverlongWordsAndTheStatementUsesTheWords) {
    ToSelectIssue();
    window->findChild<QRadioButton*>(QStringLiteral("radMode(5)"))->click();  // negative memory
    field->setFocus();
    field->insert(QStringLiteral("two\nlines"));
    EXPECT_TRUE(field->text().isEmpty());
    field->insert(QString(130, QLatin1Char('x')));
    EXPECT_TRUE(field->text().isEmpty());
    field->insert(QStringLiteral("fear\u202Eof dogs"));
    EXPECT_TRUE(field->text().isEmpty()) << "a direction override is refused";
    const QString words = QStringLiteral("\"the [crash]\" \U0001F622 \u05D4\u05E4");
    field->insert(QStringLiteral("  ") + words + QStringLiteral(" "));
    EXPECT_EQ(window->controller().State().gstrOwnWords, words);
    while (Current() != estLeftHand) window->controller().Next();
    EXPECT_TRUE(Instructions().contains(words)) << Instructions().toStdString();
    EXPECT_FALSE(Instructions().contains(QStringLiteral("[your problem here]")));
}

struct TypedWords {
    const char* name;
    QString words;
    friend void PrintTo(const TypedWords& c, std::ostream* out) { *out << c.name; }
};

class TypedIntoTheField : public Progress, public ::testing::WithParamInterface<TypedWords> {};

// Whatever the user types stands in every issue's statement exactly as typed: as plain text,
// never read as markup.
TEST_P(TypedIntoTheField, ShowsExactlyAsTypedInEveryIssuesStatement) {
    ToSelectIssue();
    field->setFocus();
    field->insert(GetParam().words);
    ASSERT_EQ(field->text(), GetParam().words);
    auto* instructions = window->findChild<QLabel*>(QStringLiteral("lblLeftFrame"));
    for (int option = 1; option <= ISSUE_OPTION_COUNT; ++option) {
        SCOPED_TRACE(::testing::Message() << "option " << option);
        auto* radio = window->findChild<QRadioButton*>(QStringLiteral("radMode(%1)").arg(option));
        ASSERT_TRUE(radio);
        radio->click();
        while (Current() != estLeftHand) window->controller().Next();
        EXPECT_EQ(instructions->textFormat(), Qt::PlainText);
        // Its widest unbreakable piece fits: a long run wraps instead of being cut at the edge.
        EXPECT_LE(instructions->minimumSizeHint().width(), instructions->width());
        // The glyphs are the words as typed; a run too long for the line may wrap invisibly.
        const QString text = Instructions().remove(QChar(0x200B));
        EXPECT_EQ(text.count(GetParam().words), 1) << text.toStdString();
        EXPECT_TRUE(text.endsWith(GetParam().words +
                                  QStringLiteral(", I love and accept myself with all my heart.")))
            << text.toStdString();
        while (Current() != estSelectIssue) window->controller().Previous();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, TypedIntoTheField,
    ::testing::Values(TypedWords{"Longest", QString(120, QLatin1Char('w'))},
                      TypedWords{"RightToLeft", QStringLiteral("\u05D4\u05E4\u05D7\u05D3 sad")},
                      TypedWords{"BoldTag", QStringLiteral("<b>my fear</b>")},
                      TypedWords{"Entity", QStringLiteral("fear &amp; shame")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Progress, RatingLinesShowOnReassessAndFinishOnly) {
    SessionController& c = window->controller();
    c.Next();
    c.Next();
    c.lblSUDUnit_Click(9);
    EXPECT_FALSE(firstLine->isVisibleTo(window));
    for (int i = 0; i < 6; ++i) c.Next();  // thymus, hand, explanation, round 1, relax, round 3
    c.Next();
    ASSERT_EQ(Current(), estReassessSUD);
    EXPECT_TRUE(firstLine->isVisibleTo(window));
    EXPECT_EQ(firstLine->text(), QStringLiteral("At the start you rated it 9."));
    EXPECT_EQ(firstLine->accessibleName(), firstLine->text());
    EXPECT_LT(firstLine->geometry().bottom(),
              window->findChild<QWidget*>(QStringLiteral("fraSUD_2"))->geometry().top());
    EXPECT_FALSE(changeLine->isVisibleTo(window));
    c.lblSUDUnit_Click(4);
    c.cmdFinish_Click();
    EXPECT_FALSE(firstLine->isVisibleTo(window));
    EXPECT_TRUE(changeLine->isVisibleTo(window));
    EXPECT_EQ(changeLine->text(), QStringLiteral("Your rating went from 9 to 4."));
    EXPECT_EQ(changeLine->accessibleName(), changeLine->text());
    const auto* intro = window->findChild<QLabel*>(QStringLiteral("lblIntro"));
    EXPECT_FALSE(intro->text().contains(QStringLiteral("rating"))) << "closing text stays exact";
    EXPECT_GE(changeLine->geometry().top(), intro->geometry().top());
}

TEST_F(Progress, FinishWithoutASecondRatingShowsNoLine) {
    SessionController& c = window->controller();
    c.Next();
    c.Next();
    c.Next();
    c.cmdFinish_Click();
    EXPECT_FALSE(changeLine->isVisibleTo(window));
}

TEST_F(Progress, JournalItemsFollowTheInstalledServices) {
    auto* keep = window->findChild<QAction*>(QStringLiteral("mnuPopUpJournalKeep"));
    auto* open = window->findChild<QAction*>(QStringLiteral("mnuPopUpJournal"));
    ASSERT_TRUE(keep && open);
    EXPECT_EQ(keep->text(), QStringLiteral("Keep a private journal"));
    EXPECT_EQ(open->text(), QStringLiteral("Journal..."));
    EXPECT_TRUE(keep->isCheckable());
    // Above the separator, after About.
    const QList<QAction*> items = window->findChild<QMenu*>(QStringLiteral("mnuPopUp"))->actions();
    const auto at = [&](const char* name) {
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->objectName() == QLatin1String(name)) return i;
        }
        return -1;
    };
    EXPECT_LT(at("mnuPopUpAbout"), at("mnuPopUpJournalKeep"));
    EXPECT_LT(at("mnuPopUpJournalKeep"), at("mnuPopUpJournal"));
    EXPECT_LT(at("mnuPopUpJournal"), at("mnuPopUpSep"));

    // Without services nothing happens and the item stays unchecked.
    keep->trigger();
    EXPECT_FALSE(keep->isChecked());

    // A window handed the journal's services follows them.
    bool kept = false;
    int opened = 0;
    mindrova::testing::TestWindowServices services;
    services.journalEnabled = [&] { return kept; };
    services.setJournalEnabled = [&](bool on, QWidget*) { return kept = on; };
    services.showJournal = [&](QWidget*) { ++opened; };
    frmMain* served = mindrova::testing::OpenSessionWindow(std::move(services));
    keep = served->findChild<QAction*>(QStringLiteral("mnuPopUpJournalKeep"));
    open = served->findChild<QAction*>(QStringLiteral("mnuPopUpJournal"));
    ASSERT_TRUE(keep && open);
    keep->trigger();
    EXPECT_TRUE(kept);
    EXPECT_TRUE(keep->isChecked());
    open->trigger();
    EXPECT_EQ(opened, 1);
    mindrova::testing::CloseSessionWindow(served);
}

}  // namespace
