#pragma once
// Colour numbers as the forms and settings store them: 0x00BBGGRR for a plain colour,
// or a system colour (high bit set) resolved from the application palette. High colour
// is a screen depth of 16 bits or more; tests may set it.

#include <QColor>

#include <cstdint>
#include <optional>

using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;

// System colours: the high bit and the index of the colour.
constexpr TColor clSystemColor = TColor(0x80000000u);
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;

// The Qt colour of a colour number; a system colour comes from the application palette
// (an unknown one gives black).
QColor ColorToQColor(TColor Color);
// The colour number of a Qt colour (its RGB channels).
TColor ColorFromQColor(const QColor &Color);

// The screen has 16 or more bits per pixel, unless a test decided otherwise.
bool HighColorDisplay();
// std::nullopt gives the screen's answer back.
void SetHighColorDisplay(std::optional<bool> HighColor);
