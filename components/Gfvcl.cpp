#include "components/Gfvcl.h"

#include "platform/MulDiv.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TGradientFill::TGradientFill(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    resize(105, 105);
}

TGradientFill *TGradientFill::WhiteToSilver(QWidget *parent, const QString &name, TFillDirection Direction)
{
    auto *fill = new TGradientFill(parent, name);
    fill->SetBeginColor(clWhite);
    fill->SetEndColor(clSilver);
    fill->SetFillDirection(Direction);
    fill->SetNumberOfColors(255);
    return fill;
}

void TGradientFill::SetAutoSize(bool Value)
{
    autoSize_ = Value;
    update();
}

void TGradientFill::SetBeginColor(TColor Value)
{
    beginColor_ = Value;
    update();
}

void TGradientFill::SetEndColor(TColor Value)
{
    endColor_ = Value;
    update();
}

void TGradientFill::SetFillDirection(TFillDirection Value)
{
    if (Value == fillDirection_)
        return;
    fillDirection_ = Value;
    update();
}

void TGradientFill::SetNumberOfColors(std::uint8_t Value)
{
    numberOfColors_ = std::max<std::uint8_t>(Value, 1);
    update();
}

QImage TGradientFill::PaintGradient() const
{
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return {};
    QImage image(w, h, QImage::Format_RGB32);
    const bool reversed = fillDirection_ == fdBottomToTop || fillDirection_ == fdRightToLeft;
    const bool vertical = fillDirection_ == fdTopToBottom || fillDirection_ == fdBottomToTop;
    const QColor start = ColorToQColor(reversed ? endColor_ : beginColor_);
    const QColor other = ColorToQColor(reversed ? beginColor_ : endColor_);
    const int deltaR = other.red() - start.red(), deltaG = other.green() - start.green(),
              deltaB = other.blue() - start.blue();
    const int n = numberOfColors_;
    const int extent = vertical ? h : w;

    QPainter canvas(&image);
    for (int i = 0; i < n; ++i) {
        const int from = MulDiv(i, extent, n), to = MulDiv(i + 1, extent, n);
        const QColor color = n > 1 ? QColor(start.red() + MulDiv(i, deltaR, n - 1),
                                            start.green() + MulDiv(i, deltaG, n - 1),
                                            start.blue() + MulDiv(i, deltaB, n - 1))
                                   : start;
        const QRect band = vertical ? QRect(0, from, w, to - from) : QRect(from, 0, to - from, h);
        canvas.fillRect(band, color);
    }
    return image;
}

void TGradientFill::paintEvent(QPaintEvent *)
{
    const QImage gradient = PaintGradient();
    if (gradient.isNull())
        return;
    QPainter canvas(this);
    canvas.drawImage(0, 0, gradient);
}

void TGradientFill::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseMove(at.x(), at.y());
}
