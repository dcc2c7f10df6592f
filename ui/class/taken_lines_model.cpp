#include "ui/class/taken_lines_model.h"

#include "design/class_window.h"
#include "platform/design_qt.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

enum Column { LabelColumn, TrialsColumn, HitsColumn, RatioColumn };
constexpr std::array<std::string_view, 4> ColumnNames{
    ClassTexts::LabelColumn, ClassTexts::TrialsColumn, ClassTexts::HitsColumn,
    ClassTexts::RatioColumn};

} // namespace

void TakenLinesModel::setRows(std::vector<ClassTableRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int TakenLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TakenLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ColumnNames.size());
}

QVariant TakenLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        // Numbers line up on their right, as in a spreadsheet.
        return index.column() == LabelColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const ClassTableRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case LabelColumn:
        return QString::fromStdString(row.label);
    case TrialsColumn:
        return QString::fromStdString(row.trials);
    case HitsColumn:
        return QString::fromStdString(row.hits);
    default:
        return QString::fromStdString(row.ratio);
    }
}

QVariant TakenLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return section >= 0 && section < columnCount()
               ? ToQString(ColumnNames[static_cast<std::size_t>(section)])
               : QVariant();
}
