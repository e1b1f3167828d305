#include "window/ui/frm_shortcuts.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <algorithm>

#include "window/twips.h"
#include "support/ui/usable_area.h"
#include "support/ui/window_fonts.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

constexpr double CLIENT_WIDTH = 8235;
// A window's title bar and frame, in pixels, drawn by the window manager or by Qt itself.
constexpr int kTitleBar = 48;
constexpr double LIST_LEFT = 180;
constexpr double LIST_TOP = 270;
constexpr double LIST_WIDTH = 7965;
constexpr double ACTION_COLUMN_WIDTH = 2700;
constexpr double KEYS_COLUMN_WIDTH = 5100;
constexpr double CLOSE_WIDTH = 1185;
constexpr double CLOSE_RIGHT_MARGIN = CLIENT_WIDTH - 6750 - CLOSE_WIDTH;
// One list row is about LIST_ROW_HEIGHT; list and dialog are as tall as all rows need.
constexpr double LIST_ROW_HEIGHT = 315;
constexpr double LIST_HEIGHT = 1245 + LIST_ROW_HEIGHT;
constexpr double CLIENT_HEIGHT = 2355 + LIST_ROW_HEIGHT;
constexpr double BOTTOM_PANEL_HEIGHT = 840;

struct ShortcutRow {
    const char* action;
    const char* keys;
};

constexpr ShortcutRow ROWS[] = {
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Advance to the next step"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts",
                       "'N', left click, space, right or down arrow, enter, or page down")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Return to the previous step"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "'P', backspace, left or up arrow, or page up")},
    // The Alt keys are the mnemonics of the window's Pause and Finish buttons: a translation
    // names the letters its own captions underline.
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Pause tapping"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Esc or Alt + A")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Go to Finish"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Alt + F")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Turn spoken guidance on or off"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "'V'")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Open the menu"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Menu key or Shift + F10")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Larger text"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Ctrl + Plus")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Smaller text"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Ctrl + Minus")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Usual text size"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Ctrl + 0")},
    // The mnemonics of the row under the issue list: a translation names its own letters.
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Choose one of my sessions"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Alt + M (on the issue list)")},
    {QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Manage my sessions"),
     QT_TRANSLATE_NOOP("mindrova::frmShortcuts", "Alt + G (on the issue list)")},
};

// The open dialog, forgotten as soon as it starts closing so that a closing one is never
// shown again.
QPointer<frmShortcuts> OpenDialog;

TwipScale ScaleFor(const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? TwipScale(screen->logicalDotsPerInchX()) : TwipScale();
}

// "row 51" for the first row's item, "row 52" for its sub-item.
QString RowKey(int row, int column) {
    return QStringLiteral("row %1%2").arg(row + 4).arg(column);
}

}  // namespace

frmShortcuts::frmShortcuts(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmShortcuts"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Keboard Shortcuts"));
    BuildControls();
    Form_Load();
    FitToContent();
}

void frmShortcuts::BuildControls() {
    const TwipScale scale = ScaleFor(parentWidget());
    setFixedSize(scale.px(CLIENT_WIDTH), scale.px(CLIENT_HEIGHT));

    ltvShortcuts = new QTreeWidget(this);
    ltvShortcuts->setObjectName(QStringLiteral("ltvShortcuts"));
    ltvShortcuts->setAccessibleName(tr("Keyboard shortcuts"));
    ltvShortcuts->setGeometry(scale.rect({LIST_LEFT, LIST_TOP, LIST_WIDTH, LIST_HEIGHT}));
    ltvShortcuts->setFont(UiFont(9));
    ltvShortcuts->setColumnCount(2);
    ltvShortcuts->setHeaderLabels({QStringLiteral("COL 1"), QStringLiteral("COL 2")});
    ltvShortcuts->headerItem()->setData(0, Qt::UserRole, QStringLiteral("col1"));
    ltvShortcuts->headerItem()->setData(1, Qt::UserRole, QStringLiteral("col2"));
    // Captions kept but not shown: with a header not all of the rows fit the list's
    // height, and "COL 1"/"COL 2" tell the reader nothing.
    ltvShortcuts->setHeaderHidden(true);
    // The keys column takes what is left of the list's width.
    ltvShortcuts->header()->setStretchLastSection(true);
    ltvShortcuts->header()->setSectionsMovable(false);
    ltvShortcuts->setColumnWidth(0, scale.px(ACTION_COLUMN_WIDTH));
    ltvShortcuts->setColumnWidth(1, scale.px(KEYS_COLUMN_WIDTH));
    ltvShortcuts->setRootIsDecorated(false);
    ltvShortcuts->setItemsExpandable(false);
    ltvShortcuts->setUniformRowHeights(true);
    ltvShortcuts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ltvShortcuts->setSelectionBehavior(QAbstractItemView::SelectRows);
    ltvShortcuts->setTextElideMode(Qt::ElideRight);

    picBottom = new QWidget(this);
    picBottom->setObjectName(QStringLiteral("picBottom"));
    picBottom->setGeometry(
        scale.rect({0, CLIENT_HEIGHT - BOTTOM_PANEL_HEIGHT, CLIENT_WIDTH, BOTTOM_PANEL_HEIGHT}));

    cmdCancel = new QPushButton(tr("&Close"), picBottom);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(tr("Close"));
    cmdCancel->setGeometry(scale.rect({6750, 240, CLOSE_WIDTH, 390}));
    // Enter does nothing in this dialog, so the button must not be its default.
    cmdCancel->setAutoDefault(false);
    cmdCancel->setDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    // A dialog that starts closing is no longer the one to show again.
    connect(this, &QDialog::finished, this, [this] {
        if (OpenDialog == this) OpenDialog = nullptr;
    });
}

void frmShortcuts::Form_Load() {
    int row = 1;
    for (const ShortcutRow& r : ROWS) {
        auto* item = new QTreeWidgetItem(ltvShortcuts);
        item->setText(0, tr(r.action));
        item->setText(1, tr(r.keys));
        item->setData(0, Qt::UserRole, RowKey(row, 1));
        item->setData(1, Qt::UserRole, RowKey(row, 2));
        item->setToolTip(0, item->text(0));
        item->setToolTip(1, item->text(1));
        ++row;
    }
}

// The design's size where every row shows whole in the list's font; wider and taller where the
// typeface or the text size needs it, so that no row is ever cut.
void frmShortcuts::FitToContent() {
    const TwipScale scale = ScaleFor(parentWidget());
    const int frame = 2 * ltvShortcuts->frameWidth();
    // QTreeView hides the public measure of the item views behind a protected override.
    const QAbstractItemView& view = *ltvShortcuts;
    const int actions = std::max(scale.px(ACTION_COLUMN_WIDTH), view.sizeHintForColumn(0));
    const int keys = std::max(scale.px(KEYS_COLUMN_WIDTH), view.sizeHintForColumn(1));
    int rows = 0;
    for (int i = 0; i < ltvShortcuts->topLevelItemCount(); ++i) {
        rows += view.sizeHintForRow(i);
    }
    const QRect design = scale.rect({LIST_LEFT, LIST_TOP, LIST_WIDTH, LIST_HEIGHT});
    const int listWidth = std::max(design.width(), actions + keys + frame);
    int listHeight = std::max(design.height(), rows + frame);
    // On a screen too low for every row the list scrolls: the dialog stays within the screen's
    // usable area less a title bar, never lower than as designed.
    const QRect usable = UsableGeometryFor(parentWidget());
    if (!usable.isEmpty()) {
        const int room = usable.height() - kTitleBar - (scale.px(CLIENT_HEIGHT) - design.height());
        listHeight = std::max(design.height(), std::min(listHeight, room));
    }
    const int width = scale.px(CLIENT_WIDTH) + listWidth - design.width();
    const int height = scale.px(CLIENT_HEIGHT) + listHeight - design.height();
    const int bottom = scale.px(BOTTOM_PANEL_HEIGHT);
    ltvShortcuts->setColumnWidth(0, actions);
    if (listWidth == design.width() && listHeight == design.height()) return;

    setFixedSize(width, height);
    ltvShortcuts->setGeometry(design.left(), design.top(), listWidth, listHeight);
    picBottom->setGeometry(0, height - bottom, width, bottom);
    const QRect close = cmdCancel->geometry();
    cmdCancel->move(width - scale.px(CLOSE_RIGHT_MARGIN) - close.width(), close.top());
    // The list decided on its scroll bar at the design's height, before its rows had room: it
    // decides again now.
    ltvShortcuts->doItemsLayout();
}

void frmShortcuts::Form_Activate() {
    if (mActivated) return;
    mActivated = true;
    // Back to the plain arrow, whatever busy pointer the program had set.
    while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
}

bool frmShortcuts::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(event);
}

void frmShortcuts::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();
            close();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();  // swallowed: Enter must not close the dialog
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void KeyboardShortcuts(QWidget* owner) {
    Trap(TrapSite{"frmMain", "KeyboardShortcuts"}, [&] {
        if (OpenDialog == nullptr) OpenDialog = new frmShortcuts(owner);
        OpenDialog->show();
        OpenDialog->raise();
        OpenDialog->activateWindow();
    });
}

}  // namespace mindrova
