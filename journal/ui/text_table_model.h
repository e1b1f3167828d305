#pragma once
// A read-only table of texts for a view: cheap to fill with many thousands of rows, since the
// view asks only for the rows it shows.

#include <QAbstractTableModel>
#include <QStringList>

namespace mindrova {

class TextTableModel : public QAbstractTableModel {
public:
    explicit TextTableModel(QStringList headers, QObject* parent = nullptr)
        : QAbstractTableModel(parent), mHeaders(std::move(headers)) {}

    void SetRows(QList<QStringList> rows) {
        beginResetModel();
        mRows = std::move(rows);
        endResetModel();
    }
    const QList<QStringList>& Rows() const { return mRows; }
    // Figures read best lined up under their heading.
    void SetCentred(QList<int> columns) { mCentred = std::move(columns); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(mRows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(mHeaders.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= mRows.size()) return {};
        if (role == Qt::TextAlignmentRole && mCentred.contains(index.column())) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        }
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        const QStringList& row = mRows.at(index.row());
        return index.column() < row.size() ? row.at(index.column()) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < mHeaders.size()) {
            return mHeaders.at(section);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QStringList mHeaders;
    QList<QStringList> mRows;
    QList<int> mCentred;
};

}  // namespace mindrova
