#pragma once
// A group of radio buttons addressed by Items/ItemIndex. Setting ItemIndex in code
// behaves like a click: OnClick is emitted whenever the index changes.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;
class QGridLayout;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget *parent = nullptr, const QString &name = {});

    QStringList Items() const { return items_; }
    void setItems(const QStringList &items); // selection becomes -1
    int ItemIndex() const { return index_; }
    void setItemIndex(int index);
    int Columns() const { return columns_; }
    void setColumns(int columns);

signals:
    void OnClick();

private:
    void rebuild();
    QStringList items_;
    std::vector<QRadioButton *> buttons_;
    QGridLayout *grid_;
    int index_ = -1;
    int columns_ = 1;
};
