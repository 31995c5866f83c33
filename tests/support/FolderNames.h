#pragma once
// The names of the entries of a folder, sorted: what a test expects to find on disk.

#include "platform/fs/FileSystem.h"

#include <QStringList>

inline QStringList SortedNames(const QString &folder)
{
    QStringList names;
    for (const fs::Entry &e : fs::listFolder(folder))
        names << e.name;
    names.sort();
    return names;
}

// Writes the file Path with Content, creating its missing folders; false on failure.
inline bool MakeTestFile(const QString &Path, const QByteArray &Content)
{
    return fs::createFolders(Path.left(Path.lastIndexOf(u'/'))) && fs::writeFileAtomic(Path, Content);
}
