#include "platform/toolkit/Colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace {

std::optional<bool> HighColorOverride;

// The palette roles that stand for the system colours.
QColor SystemColor(int Index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (Index) {
    case 3: return palette.color(QPalette::Disabled, QPalette::WindowText); // inactive caption
    case 4: return palette.color(QPalette::Window);                         // menu
    case 5: return palette.color(QPalette::Base);                           // window
    case 7: return palette.color(QPalette::WindowText);                     // menu text
    case 8: return palette.color(QPalette::Text);                           // window text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);                        // button face
    case 16: return palette.color(QPalette::Dark);                          // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);      // grey text
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);                         // button highlight
    default: return QColor(Qt::black);
    }
}

} // namespace

QColor ColorToQColor(TColor Color)
{
    if (Color & clSystemColor)
        return SystemColor(Color & 0xFF);
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

TColor ColorFromQColor(const QColor &Color)
{
    return TColor(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}

bool HighColorDisplay()
{
    if (HighColorOverride)
        return *HighColorOverride;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return !screen || screen->depth() >= 16;
}

void SetHighColorDisplay(std::optional<bool> HighColor)
{
    HighColorOverride = HighColor;
}
