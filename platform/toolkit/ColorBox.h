#pragma once
// A colour box: the 16 standard colours as swatches; Selected is the colour word
// 0x00BBGGRR. A colour that is none of them is added when it is selected.

#include <QComboBox>

class TColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget *parent = nullptr, const QString &name = {});

    int Selected() const;
    void setSelected(int Color);

private:
    void addColor(int Color);
};
