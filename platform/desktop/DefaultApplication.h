#pragma once
// The program the desktop opens a file with.

#include <QString>

namespace desktop {

// The full path of the executable of the desktop's default application for the MIME
// type of the file's name (every mimeapps.list the desktop uses counts); empty for a
// folder, for a name without a known type, and when no application is set or found.
QString defaultApplicationPath(const QString &path);

} // namespace desktop
