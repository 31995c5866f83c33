#pragma once
// Reading a regular file through a QFile opened on its exact name bytes, for readers
// that take a QIODevice (pictures, media). Fifos, devices and folders are refused
// without blocking.

#include <QFile>
#include <QString>

#include <memory>

namespace fs {

// The file opened read-only; nullptr when it is not a readable regular file. Without
// `followLinks` a symbolic link is refused as well.
std::unique_ptr<QFile> openRegularFile(const QString &path, bool followLinks = true);

} // namespace fs
