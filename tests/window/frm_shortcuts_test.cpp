#include "window/ui/frm_shortcuts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <iterator>
#include <memory>

#include "window/twips.h"
#include "fixtures/modal_recorder.h"
#include "fixtures/qt_application.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;
using mindrova::testing::ReportRecorder;

namespace {

// Made when the tests run, not when the binary is merely asked for its list of tests.
class ApplicationEnvironment : public ::testing::Environment {
    void SetUp() override { mindrova::testing::Application(); }
};
[[maybe_unused]] auto* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<frmShortcuts*> OpenShortcutDialogs() {
    QList<frmShortcuts*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmShortcuts" && w->isVisible()) {
            open << qobject_cast<frmShortcuts*>(w);
        }
    }
    return open;
}

class ShortcutsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        owner = std::make_unique<QWidget>();
        owner->setObjectName("owner");
    }
    void TearDown() override {
        for (frmShortcuts* d : OpenShortcutDialogs()) d->close();
        RunDeferredDeletes();
        owner.reset();
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }

    // Opens the dialog the way the session window does and returns it.
    frmShortcuts* Open() {
        KeyboardShortcuts(owner.get());
        const auto open = OpenShortcutDialogs();
        return open.size() == 1 ? open.front() : nullptr;
    }
    TwipScale Scale(const QWidget* w) const {
        return TwipScale(w->screen() ? w->screen()->logicalDotsPerInchX() : 96.0);
    }

    ModalRecorder modal;
    ReportRecorder reports;
    std::unique_ptr<QWidget> owner;
};

TEST_F(ShortcutsDialog, CaptionAndControls) {
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Keboard Shortcuts");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), owner.get());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog->testAttribute(Qt::WA_DeleteOnClose));

    auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    auto* close = dialog->findChild<QPushButton*>("cmdCancel");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "&Close");
    EXPECT_FALSE(list->accessibleName().isEmpty());
    EXPECT_FALSE(close->accessibleName().isEmpty());
    EXPECT_FALSE(close->isDefault());
    EXPECT_FALSE(close->autoDefault());
}

// The design's places where the rows fit it; grown by what the rows need beyond it, with the
// same margins, where they do not.
TEST_F(ShortcutsDialog, FixedSizeAndPlacesInTwips) {
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const TwipScale scale = Scale(dialog);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    auto* close = dialog->findChild<QPushButton*>("cmdCancel");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(close, nullptr);
    const QRect design = scale.rect({180, 270, 7965, 1560});
    const QSize grown = list->size() - design.size();
    EXPECT_GE(grown.width(), 0);
    EXPECT_GE(grown.height(), 0);
    EXPECT_EQ(list->pos(), design.topLeft());
    EXPECT_EQ(dialog->size(), QSize(scale.px(8235), scale.px(2670)) + grown);
    const QWidget* panel = close->parentWidget();
    ASSERT_NE(panel, dialog);
    EXPECT_EQ(panel->geometry(),
              QRect(0, dialog->height() - scale.px(840), dialog->width(), scale.px(840)));
    const QRect designClose = scale.rect({6750, 240, 1185, 390});
    EXPECT_EQ(close->size(), designClose.size());
    EXPECT_EQ(close->y(), designClose.y());
    EXPECT_NEAR(panel->width() - close->geometry().right(),
                scale.px(8235) - designClose.right(), 1)
        << "the button keeps its margin on the right";
}

// Every row shows whole, each column as wide as its widest text in the list's typeface.
TEST_F(ShortcutsDialog, EveryRowShowsWhole) {
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    ASSERT_NE(list, nullptr);
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        for (int column = 0; column < 2; ++column) {
            SCOPED_TRACE(item->text(column).toStdString());
            EXPECT_GE(list->columnWidth(column),
                      static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(column));
            EXPECT_GT(list->columnWidth(column), metrics.horizontalAdvance(item->text(column)));
        }
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(item)));
    }
    EXPECT_LE(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_TRUE(dialog->rect().contains(list->geometry()));
}

TEST_F(ShortcutsDialog, ColumnsAndRows) {
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    ASSERT_NE(list, nullptr);
    const TwipScale scale = Scale(dialog);
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "COL 1");
    EXPECT_EQ(list->headerItem()->text(1), "COL 2");
    EXPECT_EQ(list->headerItem()->data(0, Qt::UserRole).toString(), "col1");
    EXPECT_EQ(list->headerItem()->data(1, Qt::UserRole).toString(), "col2");
    EXPECT_GE(list->columnWidth(0), scale.px(2700));
    EXPECT_GE(list->columnWidth(1), scale.px(5100));
    EXPECT_EQ(list->font().pointSizeF(), 9.0);

    const struct {
        const char* action;
        const char* keys;
        const char* itemKey;
        const char* subItemKey;
    } rows[] = {
        {"Advance to the next step",
         "'N', left click, space, right or down arrow, enter, or page down", "row 51", "row 52"},
        {"Return to the previous step", "'P', backspace, left or up arrow, or page up", "row 61",
         "row 62"},
        {"Pause tapping", "Esc or Alt + A", "row 71", "row 72"},
        {"Go to Finish", "Alt + F", "row 81", "row 82"},
        {"Turn spoken guidance on or off", "'V'", "row 91", "row 92"},
        // The keys added since, after the design's rows.
        {"Open the menu", "Menu key or Shift + F10", "row 101", "row 102"},
        {"Larger text", "Ctrl + Plus", "row 111", "row 112"},
        {"Smaller text", "Ctrl + Minus", "row 121", "row 122"},
        {"Usual text size", "Ctrl + 0", "row 131", "row 132"},
        {"Choose one of my sessions", "Alt + M (on the issue list)", "row 141", "row 142"},
        {"Manage my sessions", "Alt + G (on the issue list)", "row 151", "row 152"},
    };
    const int count = int(std::size(rows));
    ASSERT_EQ(list->topLevelItemCount(), count);
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        EXPECT_EQ(item->text(0), rows[i].action) << i;
        EXPECT_EQ(item->text(1), rows[i].keys) << i;
        EXPECT_EQ(item->data(0, Qt::UserRole).toString(), rows[i].itemKey) << i;
        EXPECT_EQ(item->data(1, Qt::UserRole).toString(), rows[i].subItemKey) << i;
        EXPECT_EQ(item->toolTip(1), rows[i].keys) << i;
        EXPECT_EQ(item->childCount(), 0);
    }
}

TEST_F(ShortcutsDialog, AllFiveRowsShowWithoutScrolling) {
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    const QRect viewport = list->viewport()->rect();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        EXPECT_TRUE(viewport.contains(list->visualItemRect(list->topLevelItem(i)))) << i;
    }
    EXPECT_LE(list->columnWidth(0) + list->columnWidth(1), viewport.width());
}

enum class Focus { Dialog, List, Button };
struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Focus target;
    bool closes;
    friend void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }
};

class ShortcutsDialogKeys : public ShortcutsDialog,
                            public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ShortcutsDialogKeys, CloseOnlyOnEsc) {
    const KeyCase& c = GetParam();
    QPointer<frmShortcuts> dialog = Open();
    ASSERT_FALSE(dialog.isNull());
    auto* close = dialog->findChild<QPushButton*>("cmdCancel");
    QWidget* target = dialog;
    if (c.target == Focus::List) target = dialog->findChild<QTreeWidget*>("ltvShortcuts");
    if (c.target == Focus::Button) target = close;
    ASSERT_NE(target, nullptr);
    QSignalSpy clicks(close, &QPushButton::clicked);

    QTest::keyClick(target, c.key, c.modifiers);
    RunDeferredDeletes();

    EXPECT_EQ(dialog.isNull(), c.closes);
    EXPECT_EQ(OpenShortcutDialogs().size(), c.closes ? 0 : 1);
    if (!c.closes) {
        EXPECT_EQ(clicks.count(), 0);
    }
    EXPECT_TRUE(owner != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutsDialogKeys,
    ::testing::Values(
        KeyCase{"EscOnDialog", Qt::Key_Escape, Qt::NoModifier, Focus::Dialog, true},
        KeyCase{"EscOnList", Qt::Key_Escape, Qt::NoModifier, Focus::List, true},
        KeyCase{"EscOnButton", Qt::Key_Escape, Qt::NoModifier, Focus::Button, true},
        KeyCase{"ReturnOnDialog", Qt::Key_Return, Qt::NoModifier, Focus::Dialog, false},
        KeyCase{"ReturnOnList", Qt::Key_Return, Qt::NoModifier, Focus::List, false},
        KeyCase{"ReturnOnButton", Qt::Key_Return, Qt::NoModifier, Focus::Button, false},
        KeyCase{"KeypadEnterOnButton", Qt::Key_Enter, Qt::KeypadModifier, Focus::Button, false},
        KeyCase{"KeypadEnterOnList", Qt::Key_Enter, Qt::KeypadModifier, Focus::List, false},
        KeyCase{"CtrlReturnOnDialog", Qt::Key_Return, Qt::ControlModifier, Focus::Dialog, false},
        KeyCase{"LetterOnList", Qt::Key_N, Qt::NoModifier, Focus::List, false},
        KeyCase{"SpaceOnButtonClicksClose", Qt::Key_Space, Qt::NoModifier, Focus::Button, true}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(ShortcutsDialog, CloseButtonCloses) {
    QPointer<frmShortcuts> dialog = Open();
    ASSERT_FALSE(dialog.isNull());
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    RunDeferredDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(OpenShortcutDialogs().isEmpty());
}

TEST_F(ShortcutsDialog, OpeningTwiceShowsTheOneDialog) {
    QPointer<frmShortcuts> first = Open();
    ASSERT_FALSE(first.isNull());
    KeyboardShortcuts(owner.get());
    RunDeferredDeletes();
    ASSERT_EQ(OpenShortcutDialogs().size(), 1);
    EXPECT_EQ(OpenShortcutDialogs().front(), first.data());
    EXPECT_EQ(owner->findChildren<frmShortcuts*>().size(), 1);
}

TEST_F(ShortcutsDialog, AfterClosingANewOneIsBuilt) {
    QPointer<frmShortcuts> first = Open();
    ASSERT_FALSE(first.isNull());
    first->close();
    // Opened again before the closed one is gone: it must not come back.
    QPointer<frmShortcuts> second = Open();
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(first.data(), second.data());
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    // Every row again: the design's five and the six keys added since.
    EXPECT_EQ(second->findChild<QTreeWidget*>("ltvShortcuts")->topLevelItemCount(), 11);
}

TEST_F(ShortcutsDialog, WithoutAnOwner) {
    KeyboardShortcuts(nullptr);
    const auto open = OpenShortcutDialogs();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->parentWidget(), nullptr);
    EXPECT_TRUE(reports.reports.isEmpty());
    EXPECT_TRUE(modal.messages.isEmpty());
}

TEST_F(ShortcutsDialog, ClosingTheOwnerTakesTheDialogAlong) {
    QPointer<frmShortcuts> dialog = Open();
    ASSERT_FALSE(dialog.isNull());
    owner.reset();
    EXPECT_TRUE(dialog.isNull());
    owner = std::make_unique<QWidget>();
    EXPECT_NE(Open(), nullptr);
}

TEST_F(ShortcutsDialog, FirstActivationResetsTheBusyPointer) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    frmShortcuts* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(dialog, &activate);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Only the first activation does it.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::sendEvent(dialog, &activate);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

}  // namespace
