#include "platform/toolkit/Panel.h"

#include <QPainter>

#include <algorithm>

TPanel::TPanel(QWidget *parent, const QString &name) : QFrame(parent)
{
    setObjectName(name);
}

void TPanel::setCaption(const QString &caption)
{
    caption_ = caption;
    placeCaption();
    updateGeometry();
    update();
}

void TPanel::setCaptionBeside(bool beside)
{
    beside_ = beside;
    placeCaption();
}

void TPanel::placeCaption()
{
    if (beside_)
        setContentsMargins(caption_.isEmpty() ? 0 : fontMetrics().size(Qt::TextShowMnemonic, caption_).width() + 8, 0,
                           0, 0);
}

QSize TPanel::minimumSizeHint() const
{
    const QSize children = QFrame::minimumSizeHint();
    if (beside_) // the contents margin holds the caption
        return children;
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
    if (beside_) { // at the top, level with a first row of one-line fields
        const int rowHeight = std::min(height() - 2 * frameWidth(), fontMetrics().height() + 10);
        const QRect firstRow(frameWidth() + 4, frameWidth(), contentsMargins().left(), rowHeight);
        painter.drawText(firstRow, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption_);
        return;
    }
    painter.drawText(contentsRect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                     caption_);
}
