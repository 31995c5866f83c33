#pragma once
// Where a path really lies: its folders resolved through symbolic links.

#include <QString>

namespace fs {

// The absolute path with every symbolic link, "." and ".." of its existing part
// resolved (realpath of the longest existing leading part); the part that does not
// exist yet is appended as written. A trailing "/" is kept. Empty when the path is
// not absolute.
QString realPath(const QString &path);

} // namespace fs
