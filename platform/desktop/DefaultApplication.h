#pragma once
// The desktop's default application of a MIME type, as GIO finds it (every
// mimeapps.list the desktop uses, the desktop-specific ones too).

#include <QString>

namespace desktop {

// True when the desktop has a default application for the MIME type other than the
// desktop entry exceptId (GIO falls back to any application that takes the type).
bool hasDefaultApplication(const QString &mimeType, const QString &exceptId);

} // namespace desktop
