#include "window/ui/layout_check.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <vector>

namespace mindrova {
namespace {

// Room a style keeps round a button's caption; less than any style draws, so a caption flagged
// as cut is cut.
constexpr int kButtonPadding = 4;
constexpr int kCellPadding = 4;
constexpr int kComboArrow = 16;

QString NameOf(const QWidget* w) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_")) return w->objectName();
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!text.isEmpty()) name += QStringLiteral(" \"") + text.left(40) + u'"';
    return name;
}

QString Box(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Parts of a composite control (a spin box's edit, a combo box's list) are its business.
bool InsideComposite(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p)) {
            return true;
        }
    }
    return false;
}

bool IsControl(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w)) return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QProgressBar*>(w) ||
           w->inherits("mindrova::MarkerPicture");
}

// The viewport of a scrolling container: what lies inside it may run past it.
bool IsScrollViewport(const QWidget* w) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
    return area && area->viewport() == w;
}

struct Shown {
    const QWidget* widget;
    QRect rect;     // in window coordinates
    QRect visible;  // the part its containers show
    bool scrolls;   // inside a scrolling container
};

Shown ShownPart(const QWidget* w, const QWidget* window) {
    const QRect rect(w->mapTo(window, QPoint(0, 0)), w->size());
    QRect visible = rect;
    bool scrolls = false;
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        visible &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
        if (IsScrollViewport(p)) scrolls = true;
    }
    visible &= window->rect();
    return {w, rect, visible, scrolls};
}

QString PlainCaption(QString text) {
    // "&&" shows one ampersand; a single one marks the mnemonic and takes no room.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// Where a label's text is drawn, in the label's own coordinates; it may run past the label.
QRect LabelTextRect(const QLabel* label) {
    const QRect contents = label->contentsRect();
    QSize need;
    if (label->wordWrap()) {
        const QRect bounds = label->fontMetrics().boundingRect(
            contents, int(label->alignment()) | Qt::TextWordWrap, label->text());
        need = QSize(bounds.width(),
                     label->heightForWidth(label->width()) - (label->height() - contents.height()));
    } else {
        need = label->sizeHint() - (label->size() - contents.size());
    }
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), need, contents);
}

// Width a button's caption, picture and check mark need.
int ButtonNeed(const QAbstractButton* button) {
    const QString caption = PlainCaption(button->text());
    const auto* push = qobject_cast<const QPushButton*>(button);
    const int padding = push && push->isFlat() ? 0 : kButtonPadding;  // a link keeps none
    int need = button->fontMetrics().horizontalAdvance(caption) + 2 * padding;
    const QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button)) {
        need += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    } else if (qobject_cast<const QRadioButton*>(button)) {
        need += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    }
    const auto* tool = qobject_cast<const QToolButton*>(button);
    if (tool && !button->icon().isNull() &&
        tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon) {
        need += button->iconSize().width();
    }
    return need;
}

void CheckItemView(const QAbstractItemView* view, QStringList& problems) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    const auto* table = qobject_cast<const QTableView*>(view);
    const auto* tree = qobject_cast<const QTreeView*>(view);
    const bool wraps = (table && table->wordWrap()) || (tree && tree->wordWrap());
    const QRect port = view->viewport()->rect();
    const int rows = std::min(model->rowCount(view->rootIndex()), 200);
    const int columns = std::min(model->columnCount(view->rootIndex()), 20);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model->index(r, c, view->rootIndex());
            if ((table && (table->isColumnHidden(c) || table->isRowHidden(r))) ||
                (tree && tree->isColumnHidden(c))) {
                continue;
            }
            const QString text = index.data(Qt::DisplayRole).toString();
            const QRect cell = view->visualRect(index);
            if (text.isEmpty() || !cell.intersects(port)) continue;
            const QFontMetrics fm(view->font());
            // The style's own margin round a cell's text, as its delegate draws it.
            const int margin =
                view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
            int room = cell.width() - 2 * margin;
            if (!index.data(Qt::DecorationRole).isNull()) room -= view->iconSize().width();
            if (!index.data(Qt::CheckStateRole).isNull()) {
                room -= view->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view) +
                        2 * margin;
            }
            const bool cut =
                wraps ? fm.boundingRect(QRect(0, 0, std::max(1, room), 100000),
                                        Qt::TextWordWrap, text)
                                .height() > cell.height()
                      : fm.elidedText(text, view->textElideMode(), room) != text;
            if (cut) {
                problems << QStringLiteral("%1: cell %2,%3 \"%4\" is cut to \"%5\"")
                                .arg(NameOf(view))
                                .arg(r)
                                .arg(c)
                                .arg(text.left(60), fm.elidedText(text, view->textElideMode(),
                                                                  std::max(0, room)));
            }
        }
    }
    for (const QHeaderView* header :
         {table ? table->horizontalHeader() : tree ? tree->header() : nullptr}) {
        if (header == nullptr || !header->isVisible()) continue;
        const QFontMetrics fm(header->font());
        for (int c = 0; c < columns; ++c) {
            if (header->isSectionHidden(c)) continue;
            const QString text = model->headerData(c, Qt::Horizontal).toString();
            if (fm.horizontalAdvance(text) + 2 * kCellPadding > header->sectionSize(c)) {
                problems << QStringLiteral("%1: column heading \"%2\" is cut (%3 px wide)")
                                .arg(NameOf(view), text.left(40))
                                .arg(header->sectionSize(c));
            }
        }
    }
}

}  // namespace

QStringList LayoutProblems(const QWidget* window, const QRect& screen) {
    QStringList problems;
    if (window == nullptr || !window->isVisible()) return problems;
    if (!screen.isNull() && !screen.contains(window->frameGeometry())) {
        problems << QStringLiteral("the window %1 lies partly outside the screen %2")
                        .arg(Box(window->frameGeometry()), Box(screen));
    }
    std::vector<Shown> texts;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || !IsControl(w) ||
            InsideComposite(w, window)) {
            continue;
        }
        const Shown shown = ShownPart(w, window);
        if (shown.visible.isEmpty() && shown.scrolls) continue;  // scrolled out of sight
        // A label counts by its text (below): its box may run past its bar while the text shows.
        const bool label = qobject_cast<const QLabel*>(w) != nullptr;
        if (!label && !shown.scrolls && shown.visible != shown.rect) {
            problems << QStringLiteral("%1 at %2 lies partly outside what shows it (%3)")
                            .arg(NameOf(w), Box(shown.rect), Box(shown.visible));
        }
        if (!label && !screen.isNull()) {
            const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
            if (!screen.contains(global)) {
                problems << QStringLiteral("%1 at %2 lies partly outside the screen")
                                .arg(NameOf(w), Box(global));
            }
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            const QRect text = LabelTextRect(label).translated(shown.rect.topLeft());
            Shown drawn = shown;
            drawn.rect = text;
            drawn.visible = text & shown.visible;
            texts.push_back(drawn);
            const QRect room = shown.scrolls ? shown.rect : shown.visible;
            if (!room.contains(text)) {
                problems << QStringLiteral("%1: text \"%2\" is cut (needs %3, shows %4)")
                                .arg(NameOf(w), label->text().left(40), Box(text), Box(room));
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty()) continue;
            texts.push_back(shown);
            const bool under = qobject_cast<const QToolButton*>(button) &&
                               static_cast<const QToolButton*>(button)->toolButtonStyle() ==
                                   Qt::ToolButtonTextUnderIcon;
            // The caption's ink: a line's full height may run into the control's own margins.
            const int height =
                button->fontMetrics().tightBoundingRect(PlainCaption(button->text())).height() +
                (under ? button->iconSize().height() : 0);
            if (ButtonNeed(button) > button->width() || height > button->height()) {
                problems << QStringLiteral("%1: caption \"%2\" is cut (%3x%4 px)")
                                .arg(NameOf(w), PlainCaption(button->text()))
                                .arg(button->width())
                                .arg(button->height());
            }
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            texts.push_back(shown);
            if (combo->fontMetrics().horizontalAdvance(combo->currentText()) + kComboArrow +
                    2 * kButtonPadding >
                combo->width()) {
                problems << QStringLiteral("%1: choice \"%2\" is cut (%3 px wide)")
                                .arg(NameOf(w), combo->currentText().left(40))
                                .arg(combo->width());
            }
        } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) {
            texts.push_back(shown);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
            CheckItemView(view, problems);
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const Shown& a = texts[i];
            const Shown& b = texts[j];
            if (a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget)) continue;
            const QRect both = a.visible & b.visible;
            if (both.width() > 0 && both.height() > 0) {
                problems << QStringLiteral("%1 and %2 overlap at %3")
                                .arg(NameOf(a.widget), NameOf(b.widget), Box(both));
            }
        }
    }
    return problems;
}

}  // namespace mindrova
