#pragma once
// TGradientFill: a control that fills its area with a linear gradient of a fixed number
// of solid bands. Controls placed on it (its children) are drawn above it and take their
// own mouse events; the rest of its area is its own (OnMouseMove reports moves there).

#include "platform/toolkit/Colors.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

enum TFillDirection : std::uint8_t { fdTopToBottom = 0, fdBottomToTop = 1, fdLeftToRight = 2, fdRightToLeft = 3 };

class TGradientFill : public QWidget {
    Q_OBJECT
public:
    explicit TGradientFill(QWidget *parent = nullptr, const QString &name = {});
    // The program's usual gradient: white to silver in 255 colours.
    static TGradientFill *WhiteToSilver(QWidget *parent, const QString &name, TFillDirection Direction);

    bool AutoSize() const { return autoSize_; } // stored only
    TColor BeginColor() const { return beginColor_; }
    TColor EndColor() const { return endColor_; }
    TFillDirection FillDirection() const { return fillDirection_; }
    std::uint8_t NumberOfColors() const { return numberOfColors_; }

    void SetAutoSize(bool Value);
    void SetBeginColor(TColor Value);
    void SetEndColor(TColor Value);
    void SetFillDirection(TFillDirection Value);
    void SetNumberOfColors(std::uint8_t Value); // below 1 is taken as 1

    // The gradient over the control's size, built off-screen; a null image when the
    // control has no area.
    QImage PaintGradient() const;

signals:
    void OnMouseMove(int X, int Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool autoSize_ = false;
    TColor beginColor_ = clBlue;
    TColor endColor_ = clBlack;
    TFillDirection fillDirection_ = fdTopToBottom;
    std::uint8_t numberOfColors_ = 16;
};
