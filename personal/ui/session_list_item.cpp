#include "personal/ui/session_list_item.h"

#include <QApplication>
#include <QPainter>

namespace mindrova {
namespace {

constexpr int kMargin = 3;

QFont TitleFont(const QFont& font) {
    QFont title = font;
    title.setBold(true);
    return title;
}

}  // namespace

void SessionListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QString title = row.text;
    const QString statement = index.data(SESSION_STATEMENT_ROLE).toString();
    row.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The row's background, selection and focus as the style draws them, without its text.
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);

    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &row, widget)
                           .adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Enabled) == 0  ? QPalette::Disabled
        : (option.state & QStyle::State_Active) != 0 ? QPalette::Active
                                                     : QPalette::Inactive;
    painter->save();
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QFont titleFont = TitleFont(option.font);
    const QFontMetrics titleMetrics(titleFont);
    painter->setFont(titleFont);
    QRect line = text;
    line.setHeight(titleMetrics.height());
    painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                      titleMetrics.elidedText(title, Qt::ElideRight, line.width()));
    if (!statement.isEmpty()) {
        const QFontMetrics metrics(option.font);
        painter->setFont(option.font);
        line.moveTop(line.bottom() + 1);
        line.setHeight(metrics.height());
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(statement, Qt::ElideRight, line.width()));
    }
    painter->restore();
}

QSize SessionListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int lines = QFontMetrics(TitleFont(option.font)).height() +
                      QFontMetrics(option.font).height() + 2 * kMargin + 1;
    size.setHeight(std::max(size.height(), lines));
    return size;
}

}  // namespace mindrova
