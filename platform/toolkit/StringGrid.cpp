#include "platform/toolkit/StringGrid.h"

#include <QHeaderView>

int TStringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, rows - fixedRows);
}

int TStringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns.size());
}

QVariant TStringGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return columns[size_t(index.column())][size_t(index.row() + fixedRows)];
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        if (fixedRows > 0 && rows > 0 && section < int(columns.size()))
            return columns[size_t(section)][0];
        return {};
    }
    return section + fixedRows;
}

void TStringGridModel::cellChanged(int col, int row)
{
    if (row < fixedRows) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - fixedRows, col);
        emit dataChanged(i, i);
    }
}

TStringGrid::TStringGrid(QWidget *parent, const QString &name, int colCount, int rowCount, int fixedRows)
    : QTableView(parent), model_(new TStringGridModel(this))
{
    setObjectName(name);
    model_->fixedRows = fixedRows;
    model_->columns.resize(size_t(qMax(1, colCount)));
    setRowCount(rowCount);
    setModel(model_);
    horizontalHeader()->setVisible(fixedRows > 0);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
}

QString TStringGrid::Cells(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    return model_->columns[size_t(col)][size_t(row)];
}

void TStringGrid::setCells(int col, int row, const QString &text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return;
    model_->columns[size_t(col)][size_t(row)] = text;
    model_->cellChanged(col, row);
}

void TStringGrid::setRowCount(int rows)
{
    rows = qMax(0, rows);
    model_->beginBulk();
    for (auto &c : model_->columns)
        c.resize(size_t(rows));
    model_->rows = rows;
    model_->endBulk();
}

void TStringGrid::setColCount(int cols)
{
    model_->beginBulk();
    model_->columns.resize(size_t(qMax(1, cols)));
    for (auto &c : model_->columns)
        c.resize(size_t(model_->rows));
    model_->endBulk();
}

void TStringGrid::setColumn(int col, int firstRow, const QStringList &texts)
{
    if (col < 0 || col >= ColCount() || firstRow < 0)
        return;
    model_->beginBulk();
    const int needed = firstRow + int(texts.size());
    if (needed > model_->rows) {
        for (auto &c : model_->columns)
            c.resize(size_t(needed));
        model_->rows = needed;
    }
    auto &column = model_->columns[size_t(col)];
    for (int i = 0; i < int(texts.size()); ++i)
        column[size_t(firstRow + i)] = texts[i];
    model_->endBulk();
}

int TStringGrid::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + model_->fixedRows : -1;
}

int TStringGrid::DefaultColWidth() const
{
    return horizontalHeader()->defaultSectionSize();
}

void TStringGrid::setDefaultColWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
    for (int col = 0; col < ColCount(); ++col)
        setColumnWidth(col, width);
}
