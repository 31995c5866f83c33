#pragma once
// Whether the file system holding a path answers.

#include <QString>

// True when the file system of Path's nearest existing ancestor answers (statvfs).
// A path that is not absolute gives false.
bool IsDriveReady(const QString &Path);
