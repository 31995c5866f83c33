#include "components/URLLabel.h"

#include "platform/Application.h"
#include "platform/desktop/Desktop.h"

#include <QMouseEvent>

TURLLabel::TURLLabel(QWidget *parent, const QString &name) : QLabel(QStringLiteral("Click me!"), parent)
{
    setObjectName(name);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(clBlue);
    setCursor(Qt::PointingHandCursor);
}

QColor TURLLabel::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TURLLabel::SetFontColor(TColor Color)
{
    QPalette colored = palette();
    colored.setColor(QPalette::WindowText, ColorToQColor(Color));
    setPalette(colored);
}

void TURLLabel::mousePressEvent(QMouseEvent *)
{
    pressed_ = true;
    inside_ = true;
    SetFontColor(ColorClick);
}

// While the button is held the pointer is grabbed and the toolkit holds back enter and
// leave: the moves tell them instead.
void TURLLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed_)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !inside_)
        MouseEnter();
    else if (!inside && inside_)
        MouseLeave();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // Bounds inclusive: a release on the right or bottom edge still counts.
    if (at.x() >= 0 && at.x() <= width() && at.y() >= 0 && at.y() <= height()) {
        if (pressed_) {
            const QString address = URL.isEmpty() ? text() : URL;
            RunGuarded([&] { ShellOpen(address, QString(), QString(), 5); });
        }
        SetFontColor(ColorMoveOver);
    } else {
        SetFontColor(ColorNormal);
    }
    pressed_ = false;
}

void TURLLabel::enterEvent(QEnterEvent *)
{
    MouseEnter();
}

void TURLLabel::leaveEvent(QEvent *)
{
    MouseLeave();
}

void TURLLabel::MouseEnter()
{
    inside_ = true;
    SetFontColor(pressed_ ? ColorClick : ColorMoveOver);
}

void TURLLabel::MouseLeave()
{
    inside_ = false;
    SetFontColor(ColorNormal);
}
