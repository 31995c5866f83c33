#pragma once
// A status bar of text panels addressed by index; every panel but the last has its
// given width, or more when its text needs more; the last one takes the rest. It asks
// for no minimum width: a narrow bar cuts its panels off.

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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int PanelWidth(size_t index) const;
    void LayoutPanels();

    std::vector<int> widths_;
    std::vector<QLabel *> panels_;
};
