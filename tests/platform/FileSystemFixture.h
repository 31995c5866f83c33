#pragma once
// Fixtures of the file-system tests: made and checked with plain system calls on byte
// paths, not with the code under test; a temporary folder per test, and a second one on
// /dev/shm for the moves and copies across file systems.

#include "platform/fs/PathCodec.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace fstest {

inline void writeBytes(const QByteArray &path, const QByteArray &content)
{
    std::FILE *file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr) << path.constData();
    ASSERT_EQ(std::fwrite(content.constData(), 1, content.size(), file), size_t(content.size()));
    ASSERT_EQ(std::fclose(file), 0);
}

inline std::optional<QByteArray> readBytes(const QByteArray &path)
{
    std::FILE *file = std::fopen(path.constData(), "rb");
    if (!file)
        return std::nullopt;
    QByteArray content;
    char buffer[4096];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, file))
        content.append(buffer, got);
    std::fclose(file);
    return content;
}

inline bool present(const QByteArray &path)
{
    struct stat info{};
    return lstat(path.constData(), &info) == 0;
}

inline struct stat statOf(const QByteArray &path)
{
    struct stat info{};
    EXPECT_EQ(lstat(path.constData(), &info), 0) << path.constData();
    return info;
}

inline void setWriteTime(const QByteArray &path, time_t seconds, long nanoseconds)
{
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// Entry names of a folder as bytes, unsorted, everything included.
inline QList<QByteArray> rawNames(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *listing = opendir(folder.constData())) {
        while (const dirent *entry = readdir(listing)) {
            const QByteArray name = entry->d_name;
            if (name != "." && name != "..")
                names.append(name);
        }
        closedir(listing);
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline QByteArray xattr(const QByteArray &path, const char *name)
{
    char value[256];
    const ssize_t size = getxattr(path.constData(), name, value, sizeof value);
    return size < 0 ? QByteArray() : QByteArray(value, size);
}

class FileSystemTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QByteArray raw(const QByteArray &name) const { return dir_.path().toUtf8() + '/' + name; }
    QString path(const QByteArray &name) const { return fs::decodeName(raw(name)); }

    QTemporaryDir dir_;
};

// A second temporary folder on /dev/shm, when that is another file system.
class CrossFileSystemTest : public FileSystemTest {
protected:
    void SetUp() override
    {
        FileSystemTest::SetUp();
        struct stat here{}, there{};
        if (!other_.isValid() || stat(dir_.path().toUtf8().constData(), &here) != 0
            || stat(other_.path().toUtf8().constData(), &there) != 0 || here.st_dev == there.st_dev)
            GTEST_SKIP() << "the temporary folder and /dev/shm are not two file systems";
    }

    QByteArray rawOther(const QByteArray &name) const { return other_.path().toUtf8() + '/' + name; }
    QString pathOther(const QByteArray &name) const { return fs::decodeName(rawOther(name)); }

    QTemporaryDir other_{"/dev/shm/corvex-test-XXXXXX"};
};

} // namespace fstest
