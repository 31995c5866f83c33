#pragma once
// The names of the entries of a folder, sorted: what a test expects to find on disk.

#include "platform/fs/FileSystem.h"

#include <QStringList>
#include <gtest/gtest.h>

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

// The file Relative below Root, made as MakeTestFile makes it; its full path.
inline QString MakeTestFileBelow(const QString &Root, const QString &Relative, const QByteArray &Content = "x")
{
    const QString path = Root + "/" + Relative;
    EXPECT_TRUE(MakeTestFile(path, Content)) << path.toStdString();
    return path;
}
