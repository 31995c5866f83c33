#pragma once
// The names of the entries of a folder, sorted: what a test expects to find on disk.

#include "platform/fs/FileSystem.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstdint>

#include <unistd.h>

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

// A sparse file of Bytes at Relative below Root, its folders made as needed; its full path.
inline QString MakeSparseFileBelow(const QString &Root, const QString &Relative, std::int64_t Bytes)
{
    const QString path = MakeTestFileBelow(Root, Relative, "");
    EXPECT_EQ(::truncate(path.toLocal8Bit().constData(), off_t(Bytes)), 0) << path.toStdString();
    return path;
}
