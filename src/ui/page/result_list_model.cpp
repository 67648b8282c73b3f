// SPDX-License-Identifier: MIT
#include "ui/page/result_list_model.h"

#include "selection/result_columns.h"

namespace keld::ui {

ResultListModel::ResultListModel(ResultTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), tableSubscription_(table_.subscribe(*this)) {}

ResultListModel::~ResultListModel() = default;

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : column::kCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.rowCount() || index.column() >= column::kCount) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(table_.cell(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

QString ResultListModel::ColumnToolTip(int column) {
    if (column < 0 || column >= column::kCount || column == column::kRecordId) return {};
    const ResultColumn& c = kResultColumns[static_cast<std::size_t>(column)];
    QString tip = QString::fromUtf8(c.quantity);
    if (tip.isEmpty()) return tip;
    tip[0] = tip[0].toUpper();
    if (*c.unit != '\0') tip += QStringLiteral(", ") + QString::fromUtf8(c.unit);
    return tip;
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= column::kCount) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(kResultColumns[static_cast<std::size_t>(section)].caption);
        case Qt::ToolTipRole: {
            const QString tip = ColumnToolTip(section);
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

void ResultListModel::rowAboutToBeInserted(int index) { beginInsertRows({}, index, index); }

void ResultListModel::rowInserted(int) { endInsertRows(); }

void ResultListModel::rowsAboutToBeDeleted() { beginResetModel(); }

void ResultListModel::rowsDeleted() { endResetModel(); }

void ResultListModel::cellChanged(int row, int column) {
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

}  // namespace keld::ui
