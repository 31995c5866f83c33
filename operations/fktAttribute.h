#pragma once
// Time stamps and attributes of one file or folder.

#include "platform/DateTime.h"

#include <QString>

// The three time stamps as local date-time values; the outputs are written only when
// all three could be read.
bool GetFileTimes(const QString &FileName, TDateTime &Created, TDateTime &Accessed, TDateTime &Written);
// Writes all three time stamps; false when any of them cannot be written.
bool SetFileTimes(const QString &FileName, TDateTime Created, TDateTime Accessed, TDateTime Written);
