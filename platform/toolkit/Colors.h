#pragma once
// Colour settings hold the Windows colour word 0x00BBGGRR.

#include <QColor>

QColor ColorFromSetting(int Value);
