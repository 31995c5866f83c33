#pragma once
// The program the desktop opens a file with.

#include <QString>

namespace desktop {

// The full path of the executable of the desktop's default application for the MIME
// type of the file's name (every mimeapps.list the desktop uses counts); empty for a
// folder, for a name without a known type, and when no application is set or found.
QString defaultApplicationPath(const QString &path);

// True when the desktop has a default application for the MIME type other than the
// desktop entry exceptId (GIO falls back to any application that takes the type).
bool hasDefaultApplication(const QString &mimeType, const QString &exceptId);

} // namespace desktop
