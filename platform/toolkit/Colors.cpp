#include "platform/toolkit/Colors.h"

QColor ColorFromSetting(int Value)
{
    return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}
