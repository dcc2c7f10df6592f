#pragma once

#include "controller/class_content.h"

#include <QAbstractTableModel>
#include <vector>

// The lines taken as a read-only table: label (or line number), trials, hits
// and ratio. Replacing the rows resets the table at once, so a thousand rows
// cost no more than a few.
class TakenLinesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<ClassTableRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<ClassTableRow> m_rows;
};
