#pragma once
// Path strings: taking a path apart and putting it together, and its lexical normal
// form. Pure string work on "/"-separated paths; nothing here asks the file system.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace fs {

// Everything up to and including the last "/"; empty when there is none.
QString folderOf(const QString &path);
// Everything after the last "/".
QString nameOf(const QString &path);
// The extension of the name part: from its last "." on, the dot included; empty
// when the name has no dot. Works on bare names and masks as well.
QString extensionOf(QStringView path);
QStringView extensionView(QStringView path); // the same as a view into the path
// The path without trailing "/"; "/" itself stays "/".
QString withoutTrailingSlash(QString path);
// Folder + name with exactly one "/" between them (folder "/" gives "/name").
QString joinPath(const QString &folder, const QString &name);
// Lexical normal form of an absolute path: empty and "." components dropped, ".."
// removes the component before it, ".." at the root stays at the root. A trailing "/"
// is kept. A path that is not absolute is returned as it is.
QString normalPath(const QString &path);
// The same for a path given as its bytes (encodeName), written into Normal, which
// keeps its capacity: no allocation for a path that is normal already.
void normalEncodedPath(QByteArrayView path, QByteArray &normal);
// True when the name is empty, "." or "..": no file can be meant by it.
bool isPlaceholderName(QStringView name);

} // namespace fs
