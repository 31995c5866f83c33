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
