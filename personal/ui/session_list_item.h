#pragma once
// A row of the My sessions list: the session's title, and its set-up statement under it on a line
// of its own, so that two sessions of like titles are told apart before one is opened.

#include <QStyledItemDelegate>

namespace mindrova {

// The statement a row shows under its title.
inline constexpr int SESSION_STATEMENT_ROLE = Qt::UserRole + 1;

class SessionListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace mindrova
