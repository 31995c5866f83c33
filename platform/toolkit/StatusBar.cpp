#include "platform/toolkit/StatusBar.h"

#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

TStatusBar::TStatusBar(QWidget *parent, const QString &name, std::initializer_list<int> panelWidths)
    : QWidget(parent), widths_(panelWidths)
{
    setObjectName(name);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (size_t i = 0; i < widths_.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panels_.push_back(panel);
    }
    setFixedHeight(panels_.empty() ? 0 : panels_.front()->sizeHint().height() + 2);
}

// The given width, or what the panel's text needs (with its frame and a gap of 2).
int TStatusBar::PanelWidth(size_t index) const
{
    return std::max(widths_[index], panels_[index]->sizeHint().width() + 2);
}

QSize TStatusBar::sizeHint() const
{
    int width = 0;
    for (size_t i = 0; i < panels_.size(); ++i)
        width += PanelWidth(i);
    return QSize(width, height());
}

QSize TStatusBar::minimumSizeHint() const
{
    return QSize(0, height());
}

void TStatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutPanels();
}

// Panels side by side from the left, the last one to the right edge; a narrow bar
// cuts them off.
void TStatusBar::LayoutPanels()
{
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const int width = i + 1 < panels_.size() ? PanelWidth(i) : std::max(PanelWidth(i), this->width() - x);
        panels_[i]->setGeometry(x, 1, width - 2, height() - 2);
        x += width;
    }
}

QString TStatusBar::Panel(int index) const
{
    return index >= 0 && index < PanelCount() ? panels_[size_t(index)]->text() : QString();
}

void TStatusBar::setPanel(int index, const QString &text)
{
    if (index < 0 || index >= PanelCount() || panels_[size_t(index)]->text() == text)
        return;
    panels_[size_t(index)]->setText(text);
    LayoutPanels();
    updateGeometry();
}
