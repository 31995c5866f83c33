#include "platform/toolkit/Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent, const QString &name) : QFrame(parent)
{
    setObjectName(name);
}

void TPanel::setCaption(const QString &caption)
{
    caption_ = caption;
    updateGeometry();
    update();
}

QSize TPanel::minimumSizeHint() const
{
    const QSize children = QFrame::minimumSizeHint();
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, caption_);
    return {children.width() + text.width() + 8, std::max(children.height(), text.height() + 4)};
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                     caption_);
}
