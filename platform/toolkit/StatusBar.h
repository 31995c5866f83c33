#pragma once
// A status bar of text panels addressed by index; every panel but the last has a
// fixed width, the last one takes the rest.

#include <QWidget>
#include <initializer_list>
#include <vector>

class QLabel;

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    TStatusBar(QWidget *parent, const QString &name, std::initializer_list<int> panelWidths);

    int PanelCount() const { return int(panels_.size()); }
    QString Panel(int index) const;
    void setPanel(int index, const QString &text);

private:
    std::vector<QLabel *> panels_;
};
