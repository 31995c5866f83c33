#pragma once
// A string grid addressed by Cells(col, row) with RowCount and fixed rows, as a view
// over a model of string columns, so that a grid of a whole batch stays fast.
// The first fixed row is shown as the column header; further fixed rows are not shown.

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

class TStringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TStringGridModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int fixedRows = 1;
    std::vector<std::vector<QString>> columns; // columns[col][row], row 0 = first fixed row
    int rows = 0;

    void beginBulk() { beginResetModel(); }
    void endBulk() { endResetModel(); }
    void cellChanged(int col, int row);
};

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr, const QString &name = {}, int colCount = 2,
                         int rowCount = 2, int fixedRows = 1);

    QString Cells(int col, int row) const;
    void setCells(int col, int row, const QString &text);
    int RowCount() const { return model_->rows; }
    void setRowCount(int rows);
    int ColCount() const { return int(model_->columns.size()); }
    void setColCount(int cols);
    int FixedRows() const { return model_->fixedRows; }
    // Replaces one column from row `firstRow` on; RowCount grows to fit. One model reset.
    void setColumn(int col, int firstRow, const QStringList &texts);
    // The selected row in grid rows (fixed rows counted), -1 when none.
    int Row() const;
    int ColWidth(int col) const { return columnWidth(col); }
    void setColWidth(int col, int width) { setColumnWidth(col, width); }
    // Setting it gives every column this width.
    int DefaultColWidth() const;
    void setDefaultColWidth(int width);

private:
    TStringGridModel *model_;
};
