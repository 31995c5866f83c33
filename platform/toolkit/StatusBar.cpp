#include "platform/toolkit/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

TStatusBar::TStatusBar(QWidget *parent, const QString &name, std::initializer_list<int> panelWidths)
    : QWidget(parent)
{
    setObjectName(name);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(2);
    size_t i = 0;
    for (int width : panelWidths) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        if (++i < panelWidths.size())
            panel->setFixedWidth(width);
        else
            panel->setMinimumWidth(width);
        row->addWidget(panel, i < panelWidths.size() ? 0 : 1);
        panels_.push_back(panel);
    }
}

QString TStatusBar::Panel(int index) const
{
    return index >= 0 && index < PanelCount() ? panels_[size_t(index)]->text() : QString();
}

void TStatusBar::setPanel(int index, const QString &text)
{
    if (index >= 0 && index < PanelCount())
        panels_[size_t(index)]->setText(text);
}
