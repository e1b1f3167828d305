#include "personal/ui/personal_lines_editor.h"

#include <algorithm>

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "engine/personal_session.h"
#include "engine/steps.h"
#include "session/spoken_texts.h"

namespace mindrova {
namespace {

constexpr int kPlaceColumn = 0;
constexpr int kLineColumn = 1;
constexpr int kRoundPoints = 16;
// The count of lines and the characters of a line are told from here on.
constexpr int kLinesToldFrom = PERSONAL_LINES_MAX / 2;
constexpr int kCharactersToldFrom = PERSONAL_LINE_MAX_LENGTH * 3 / 4;

int Characters(const QString& text) {
    return int(text.toUcs4().size());
}

// A line edited where it stands, wrapped as it is shown. Enter keeps it (a line never holds a
// break), Escape puts it back, Tab keeps it and goes on.
class LineDelegate : public QStyledItemDelegate {
public:
    LineDelegate(QObject* parent, std::function<void(int row, int length)> typed)
        : QStyledItemDelegate(parent), mTyped(std::move(typed)) {}

    // The list it tells goes away first: an editor still open then commits its line on its way
    // out, and nobody is left to hear how long it is.
    void Forget() { mTyped = nullptr; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& index) const override {
        auto* editor = new QPlainTextEdit(parent);
        editor->setObjectName(QStringLiteral("txtLineInPlace"));
        editor->setAccessibleName(
            QCoreApplication::translate("mindrova::PersonalLinesEditor", "Line %1")
                .arg(index.row() + 1));
        editor->setFrameShape(QFrame::NoFrame);
        editor->setTabChangesFocus(true);
        editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int row = index.row();
        // Its own bar would take width from the line and wrap it anew: the editor grows instead.
        editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(editor, &QPlainTextEdit::textChanged, editor, [this, editor, row] {
            if (mTyped) mTyped(row, Characters(editor->toPlainText()));
            FitHeight(editor, editor->property("cellHeight").toInt());
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QPlainTextEdit*>(editor);
        box->setPlainText(index.data(Qt::EditRole).toString());
        box->moveCursor(QTextCursor::End);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        // A break pasted into a line is a space: one row is one line of the session.
        QString text = static_cast<QPlainTextEdit*>(editor)->toPlainText();
        text.replace(u'\n', u' ');
        model->setData(index, text, Qt::EditRole);
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& /*index*/) const override {
        editor->setGeometry(option.rect);
        editor->setProperty("cellHeight", option.rect.height());
        FitHeight(static_cast<QPlainTextEdit*>(editor), option.rect.height());
    }

    // The whole line as it wraps and one row more, two rows at the least, so that what is typed
    // past the edge is seen wrapping; never past the list's own bottom.
    static void FitHeight(QPlainTextEdit* editor, int least) {
        const QFontMetrics metrics = editor->fontMetrics();
        const int margins = int(2 * editor->document()->documentMargin()) + 2;
        const int wrapped =
            metrics
                .boundingRect(QRect(0, 0, std::max(editor->width() - margins, 1), 100000),
                              Qt::TextWordWrap | Qt::TextWrapAnywhere, editor->toPlainText())
                .height();
        int height = std::max({least, wrapped + metrics.lineSpacing() + margins,
                               2 * metrics.lineSpacing() + margins});
        if (editor->parentWidget() != nullptr) {
            height =
                std::max(least, std::min(height, editor->parentWidget()->height() - editor->y()));
        }
        if (height != editor->height()) editor->resize(editor->width(), height);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QPlainTextEdit*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool keep = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (keep || key == Qt::Key_Escape) {
                // The list has the keys again, to move on or to move the line, whether or not
                // the window was the active one.
                QWidget* list =
                    editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr;
                if (keep) emit commitData(editor);
                emit closeEditor(editor, keep ? QAbstractItemDelegate::NoHint
                                              : QAbstractItemDelegate::RevertModelCache);
                if (list != nullptr) list->setFocus();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(int, int)> mTyped;
};

QPushButton* SmallButton(const QString& caption, const QString& name, const QString& accessible,
                         const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QStringList RoundPointNames() {
    QStringList names(kRoundPoints);
    for (int step = estTopHead1; step <= estRightUnderArm; ++step) {
        const int point = PointIndexInRound(Step(step));
        if (point >= 0 && point < kRoundPoints) names[point] = GetStepDescription(Step(step));
    }
    return names;
}

QString LinePlaceText(int line, int lineCount) {
    if (line < 0) return {};
    if (line >= kRoundPoints || line >= std::max(lineCount, 1)) {
        return QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                           "%1 (not said in a full round)")
            .arg(line + 1);
    }
    return QCoreApplication::translate("mindrova::PersonalLinesEditor", "%1 %2")
        .arg(line + 1)
        .arg(RoundPointNames().value(line));
}

QString LinesLimitText(int lineCount, int row, int rowLength) {
    QStringList told;
    if (lineCount >= kLinesToldFrom) {
        told << QCoreApplication::translate("mindrova::PersonalLinesEditor", "%1 of %2 lines")
                    .arg(lineCount)
                    .arg(PERSONAL_LINES_MAX);
    }
    if (row >= 0 && rowLength >= kCharactersToldFrom) {
        const int left = PERSONAL_LINE_MAX_LENGTH - rowLength;
        // One character is a text of its own: with no translation loaded, %n gives no plural.
        QString text;
        if (left == 1) {
            text = QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                               "Line %1: 1 character left");
        } else if (left == -1) {
            text = QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                               "Line %1: 1 character too many");
        } else if (left >= 0) {
            text = QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                               "Line %1: %2 characters left");
        } else {
            text = QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                               "Line %1: %2 characters too many");
        }
        told << text.arg(QString::number(row + 1), QString::number(std::abs(left)));
    }
    return told.join(QStringLiteral(" \u00B7 "));
}

// A line still being edited is committed when the window closes around it, after this object's
// own part is gone: nothing may reach back into it then.
PersonalLinesEditor::~PersonalLinesEditor() {
    mList->disconnect(this);
    mList->horizontalHeader()->disconnect(this);
    mList->removeEventFilter(this);
    mList->viewport()->removeEventFilter(this);
    static_cast<LineDelegate*>(mLineDelegate)->Forget();
}

PersonalLinesEditor::PersonalLinesEditor(const char* name, const QString& accessibleName,
                                         QWidget* parent)
    : QWidget(parent) {
    const QString base = QLatin1String(name);
    setObjectName(base + QStringLiteral("Editor"));
    mList = new QTableWidget(0, 2, this);
    mList->setObjectName(base);
    mList->setAccessibleName(accessibleName);
    mList->setAccessibleDescription(QCoreApplication::translate(
        "mindrova::PersonalLinesEditor",
        "Enter or F2 edits a line. Alt+Up and Alt+Down move it, Insert adds a line, Delete "
        "removes it."));
    mList->setHorizontalHeaderLabels(
        {QCoreApplication::translate("mindrova::PersonalLinesEditor", "Point"),
         QCoreApplication::translate("mindrova::PersonalLinesEditor", "Line")});
    mList->verticalHeader()->setVisible(false);
    // As wide as the longest point with its number; a line past the round wraps its note.
    mList->horizontalHeader()->setSectionResizeMode(kPlaceColumn, QHeaderView::Fixed);
    int widest = 0;
    for (int point = 0; point < kRoundPoints; ++point) {
        widest = std::max(
            widest, mList->fontMetrics().horizontalAdvance(LinePlaceText(point, kRoundPoints)));
    }
    mList->horizontalHeader()->resizeSection(kPlaceColumn,
                                             widest + 3 * mList->fontMetrics().averageCharWidth());
    // The line takes the rest, set with the rows (FitRows): a stretched column would take its
    // width only on the header's next timer, after the rows were fitted to the old one.
    mList->horizontalHeader()->setSectionResizeMode(kLineColumn, QHeaderView::Fixed);
    mList->horizontalHeader()->setHighlightSections(false);
    mList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    mList->setWordWrap(true);
    mList->setTabKeyNavigation(false);
    mList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    mLineDelegate =
        new LineDelegate(this, [this](int row, int length) { ShowLimits(row, length); });
    mList->setItemDelegateForColumn(kLineColumn, mLineDelegate);
    mList->installEventFilter(this);
    mList->viewport()->installEventFilter(this);
    const int rowHeight = mList->fontMetrics().lineSpacing() + 8;
    mList->setMinimumHeight(mList->horizontalHeader()->sizeHint().height() + 3 * rowHeight +
                            2 * mList->frameWidth());
    mList->setMinimumWidth(24 * mList->fontMetrics().averageCharWidth());

    // Signs rather than words: the four fit beside each other at any text size, and each is named
    // in full for a screen reader and in its tip.
    mAdd = SmallButton(
        QStringLiteral("+"), base + QStringLiteral("Add"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Add a line"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Add a line (Insert)"), this);
    mRemove = SmallButton(
        QStringLiteral("\u2212"), base + QStringLiteral("Remove"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Remove the line"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Remove the line (Delete)"),
        this);
    mUp = SmallButton(
        QStringLiteral("\u2191"), base + QStringLiteral("Up"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Move the line up"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Move the line up (Alt+Up)"),
        this);
    mDown = SmallButton(
        QStringLiteral("\u2193"), base + QStringLiteral("Down"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor", "Move the line down"),
        QCoreApplication::translate("mindrova::PersonalLinesEditor",
                                    "Move the line down (Alt+Down)"),
        this);
    mLimits = new QLabel(this);
    mLimits->setObjectName(base + QStringLiteral("Limits"));
    mLimits->setTextFormat(Qt::PlainText);
    mLimits->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {mAdd, mRemove, mUp, mDown}) buttons->addWidget(b);
    buttons->addWidget(mLimits, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mList, 1);
    layout->addLayout(buttons);
    setFocusProxy(mList);

    connect(mAdd, &QPushButton::clicked, this, [this] { AddLine(); });
    connect(mRemove, &QPushButton::clicked, this, [this] { RemoveLine(); });
    connect(mUp, &QPushButton::clicked, this, [this] { MoveLine(-1); });
    connect(mDown, &QPushButton::clicked, this, [this] { MoveLine(1); });
    connect(mList, &QTableWidget::currentCellChanged, this, [this](int row) {
        EnableButtons();
        ShowLimits(row);
    });
    connect(mList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != kLineColumn) return;
        ShowLimits(item->row(), Characters(item->text()));
        FitRows();
    });
    connect(mList->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { FitRows(); });
}

// A line is being edited while its editor shows; one closed just now is hidden until it goes.
bool PersonalLinesEditor::Editing() const {
    const auto editors =
        mList->findChildren<const QPlainTextEdit*>(QStringLiteral("txtLineInPlace"));
    return std::any_of(editors.cbegin(), editors.cend(),
                       [](const QPlainTextEdit* editor) { return editor->isVisible(); });
}

QList<QWidget*> PersonalLinesEditor::FocusOrder() const {
    return {mList, mAdd, mRemove, mUp, mDown};
}

void PersonalLinesEditor::SetLines(const QStringList& lines) {
    const QSignalBlocker quiet(mList);
    mList->setRowCount(0);
    for (const QString& line : lines) {
        const int row = mList->rowCount();
        mList->insertRow(row);
        mList->setItem(row, kLineColumn, new QTableWidgetItem(line));
    }
    Renumber();
    if (mList->rowCount() > 0) mList->setCurrentCell(0, kLineColumn);
    EnableButtons();
    ShowLimits(mList->currentRow());
    FitRows();
}

QStringList PersonalLinesEditor::Rows() const {
    QStringList rows;
    for (int row = 0; row < mList->rowCount(); ++row) {
        const QTableWidgetItem* item = mList->item(row, kLineColumn);
        rows << (item ? item->text() : QString());
    }
    return rows;
}

QStringList PersonalLinesEditor::Lines() const {
    QStringList lines;
    for (const QString& row : Rows()) {
        if (!row.trimmed().isEmpty()) lines << row.trimmed();
    }
    return lines;
}

void PersonalLinesEditor::AddLine() {
    if (mList->rowCount() >= PERSONAL_LINES_MAX) return;
    // After the line chosen, where the user is working; at the end when none is.
    const int row = mList->currentRow() >= 0 ? mList->currentRow() + 1 : mList->rowCount();
    {
        const QSignalBlocker quiet(mList);
        mList->insertRow(row);
        mList->setItem(row, kLineColumn, new QTableWidgetItem());
    }
    Renumber();
    mList->setCurrentCell(row, kLineColumn);
    mList->setFocus();
    mList->editItem(mList->item(row, kLineColumn));
    EnableButtons();
    FitRows();
}

void PersonalLinesEditor::RemoveLine() {
    const int row = mList->currentRow();
    if (row < 0) return;
    {
        const QSignalBlocker quiet(mList);
        mList->removeRow(row);
    }
    Renumber();
    if (mList->rowCount() > 0) {
        mList->setCurrentCell(std::min(row, mList->rowCount() - 1), kLineColumn);
    }
    EnableButtons();
    ShowLimits(mList->currentRow());
    FitRows();
}

void PersonalLinesEditor::MoveLine(int by) {
    const int row = mList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= mList->rowCount()) return;
    {
        const QSignalBlocker quiet(mList);
        QTableWidgetItem* moving = mList->takeItem(row, kLineColumn);
        QTableWidgetItem* other = mList->takeItem(to, kLineColumn);
        mList->setItem(row, kLineColumn, other);
        mList->setItem(to, kLineColumn, moving);
    }
    Renumber();
    mList->setCurrentCell(to, kLineColumn);
    EnableButtons();
    FitRows();
}

bool PersonalLinesEditor::eventFilter(QObject* watched, QEvent* event) {
    // The rows wrap to the width the line column has: the viewport's new size is the list's
    // final one, so the columns are measured then and the rows fitted at once.
    if (watched == mList->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        FitRows();
    }
    // Only while no line is being edited: the keys the line's editor leaves come here too, and
    // they stay the editor's.
    if (watched == mList && event->type() == QEvent::KeyPress && !Editing()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() == Qt::AltModifier;
        if (alt && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveLine(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (key->modifiers() == Qt::NoModifier) {
            switch (key->key()) {
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    // Enter edits the line, as F2 does; it never reaches the dialog's Save.
                    if (mList->currentRow() >= 0) {
                        mList->editItem(mList->item(mList->currentRow(), kLineColumn));
                    } else {
                        AddLine();
                    }
                    return true;
                case Qt::Key_Insert:
                    AddLine();
                    return true;
                case Qt::Key_Delete:
                    RemoveLine();
                    return true;
                default:
                    break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PersonalLinesEditor::Renumber() {
    const QSignalBlocker quiet(mList);
    const int count = mList->rowCount();
    for (int row = 0; row < count; ++row) {
        auto* place = new QTableWidgetItem(LinePlaceText(row, count));
        place->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // A line with fewer lines than points is said again further on in the round.
        QStringList points;
        const QStringList names = RoundPointNames();
        for (int point = row; point < kRoundPoints && row < count; point += count) {
            points << names.value(point);
        }
        if (points.size() > 1)
            place->setToolTip(
                QCoreApplication::translate("mindrova::PersonalLinesEditor", "Said on: %1")
                    .arg(points.join(", ")));
        mList->setItem(row, kPlaceColumn, place);
        if (mList->item(row, kLineColumn) == nullptr) {
            mList->setItem(row, kLineColumn, new QTableWidgetItem());
        }
    }
}

void PersonalLinesEditor::ShowLimits(int row, int rowLength) {
    if (rowLength < 0) {
        const QTableWidgetItem* line = row >= 0 ? mList->item(row, kLineColumn) : nullptr;
        rowLength = line ? Characters(line->text()) : 0;
    }
    const QString text = LinesLimitText(mList->rowCount(), row, rowLength);
    mLimits->setText(text);
    mLimits->setAccessibleName(text);
}

void PersonalLinesEditor::EnableButtons() {
    const int row = mList->currentRow();
    const int count = mList->rowCount();
    mAdd->setEnabled(count < PERSONAL_LINES_MAX);
    mRemove->setEnabled(row >= 0);
    mUp->setEnabled(row > 0);
    mDown->setEnabled(row >= 0 && row + 1 < count);
}

void PersonalLinesEditor::FitRows() {
    const int rest = mList->viewport()->width() - mList->columnWidth(kPlaceColumn);
    mList->horizontalHeader()->resizeSection(
        kLineColumn, std::max(rest, 4 * mList->fontMetrics().averageCharWidth()));
    mList->resizeRowsToContents();
}

}  // namespace mindrova
