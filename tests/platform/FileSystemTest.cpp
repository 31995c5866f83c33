#include "platform/fs/FileSystem.h"

#include "FileSystemFixture.h"

#include "platform/fs/LineFiles.h"
#include "platform/fs/PathCodec.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace fstest;

TEST_F(FileSystemTest, MoveNeverReplacesAFileOrAnEmptyFolder)
{
    writeBytes(raw("a.txt"), "one");
    writeBytes(raw("b.txt"), "two");
    const fs::Result result = fs::moveFile(path("a.txt"), path("b.txt"));
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_FALSE(result.message().isEmpty());
    EXPECT_EQ(readBytes(raw("a.txt")), QByteArray("one"));
    EXPECT_EQ(readBytes(raw("b.txt")), QByteArray("two"));

    // rename(2) would replace an empty folder.
    ASSERT_EQ(mkdir(raw("full").constData(), 0755), 0);
    writeBytes(raw("full/inner"), "x");
    ASSERT_EQ(mkdir(raw("empty").constData(), 0755), 0);
    EXPECT_EQ(fs::moveFile(path("full"), path("empty")).error, EEXIST);
    EXPECT_TRUE(present(raw("full/inner")));
    EXPECT_TRUE(present(raw("empty")));
}

TEST_F(FileSystemTest, MovesFilesAndFoldersWithinAFileSystem)
{
    writeBytes(raw("a.txt"), "one");
    ASSERT_TRUE(fs::createFolders(path("sub")));
    ASSERT_TRUE(fs::moveFile(path("a.txt"), path("sub/b.txt")));
    EXPECT_FALSE(present(raw("a.txt")));
    EXPECT_EQ(readBytes(raw("sub/b.txt")), QByteArray("one"));

    ASSERT_TRUE(fs::moveFile(path("sub"), path("Renamed")));
    EXPECT_EQ(readBytes(raw("Renamed/b.txt")), QByteArray("one"));
    EXPECT_FALSE(present(raw("sub")));
    EXPECT_EQ(fs::moveFile(path("missing"), path("x")).error, ENOENT);
    EXPECT_TRUE(fs::moveFile(path("Renamed"), path("Renamed/"))) << "a move onto itself changes nothing";
    EXPECT_EQ(readBytes(raw("Renamed/b.txt")), QByteArray("one"));
}

TEST_F(FileSystemTest, SameFileUnderAnotherNameIsNotReplaced)
{
    // Hard links are one inode under two names, as a case-insensitive file system shows
    // one entry under two spellings; only the latter may be renamed through a temporary.
    writeBytes(raw("x"), "data");
    ASSERT_EQ(link(raw("x").constData(), raw("X").constData()), 0);
    ASSERT_EQ(link(raw("x").constData(), raw("y").constData()), 0);
    EXPECT_EQ(fs::moveFile(path("x"), path("X")).error, EEXIST);
    EXPECT_EQ(fs::moveFile(path("x"), path("y")).error, EEXIST);
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), (QList<QByteArray>{"X", "x", "y"}));
}

TEST_F(FileSystemTest, CopyNeverReplacesAndKeepsModeAndWriteTime)
{
    writeBytes(raw("source"), "new content");
    writeBytes(raw("target"), QByteArray("old\0content", 11));
    EXPECT_EQ(fs::copyFile(path("source"), path("target")).error, EEXIST);
    EXPECT_EQ(readBytes(raw("target")), QByteArray("old\0content", 11));
    ASSERT_EQ(symlink("nowhere", raw("dangling").constData()), 0);
    EXPECT_EQ(fs::copyFile(path("source"), path("dangling")).error, EEXIST);
    EXPECT_FALSE(present(raw("nowhere")));

    ASSERT_EQ(chmod(raw("source").constData(), 0640), 0);
    setWriteTime(raw("source"), 1'000'000'000, 123'456'789);
    ASSERT_TRUE(fs::copyFile(path("source"), path("copy")));
    EXPECT_EQ(readBytes(raw("copy")), QByteArray("new content"));
    const struct stat copy = statOf(raw("copy"));
    EXPECT_EQ(copy.st_mode & 07777, 0640u);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1'000'000'000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123'456'789);
    EXPECT_EQ(readBytes(raw("source")), QByteArray("new content"));

    EXPECT_EQ(fs::copyFile(path("missing"), path("copy2")).error, ENOENT);
    ASSERT_EQ(mkdir(raw("folder").constData(), 0755), 0);
    EXPECT_EQ(fs::copyFile(path("folder"), path("copy3")).error, EISDIR);
    EXPECT_FALSE(present(raw("copy2")));
    EXPECT_FALSE(present(raw("copy3")));
}

TEST_F(FileSystemTest, FolderCopyIsWholeOrNothingAndNeverReplaces)
{
    ASSERT_EQ(mkdir(raw("tree").constData(), 0755), 0);
    ASSERT_EQ(mkdir(raw("tree/deep").constData(), 0750), 0);
    writeBytes(raw("tree/deep/a.txt"), "A");
    ASSERT_EQ(chmod(raw("tree/deep/a.txt").constData(), 0600), 0);
    setWriteTime(raw("tree/deep/a.txt"), 1'000'000'000, 5);
    ASSERT_EQ(symlink("deep/a.txt", raw("tree/link").constData()), 0);
    ASSERT_TRUE(fs::copyFolder(path("tree"), path("copy")));
    EXPECT_EQ(readBytes(raw("copy/deep/a.txt")), QByteArray("A"));
    EXPECT_EQ(statOf(raw("copy/deep/a.txt")).st_mode & 07777, 0600u);
    EXPECT_EQ(statOf(raw("copy/deep/a.txt")).st_mtim.tv_sec, 1'000'000'000);
    EXPECT_EQ(statOf(raw("copy/deep")).st_mode & 07777, 0750u);
    EXPECT_TRUE(S_ISLNK(statOf(raw("copy/link")).st_mode));
    EXPECT_EQ(readBytes(raw("tree/deep/a.txt")), QByteArray("A")); // the source stays

    EXPECT_EQ(fs::copyFolder(path("tree"), path("copy")).error, EEXIST);
    EXPECT_EQ(rawNames(raw("copy")), (QList<QByteArray>{"deep", "link"}));

    // A fifo in the tree is refused from its type and the partial copy goes again.
    ASSERT_EQ(mkfifo(raw("tree/deep/z.fifo").constData(), 0644), 0);
    EXPECT_EQ(fs::copyFolder(path("tree"), path("copy2")).error, EOPNOTSUPP);
    EXPECT_FALSE(present(raw("copy2")));

    // Every entry is listed, whatever its kind; only real folders count as folders.
    std::vector<fs::Entry> entries;
    ASSERT_TRUE(fs::folderEntries(path("tree/deep"), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].name, "z.fifo");
    ASSERT_TRUE(fs::folderEntries(path("tree"), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_FALSE(entries[1].isFolder); // the link
    EXPECT_EQ(fs::folderEntries(path("missing"), entries).error, ENOENT);
}

TEST_F(FileSystemTest, NameThatIsNotUtf8IsListedMovedAndCopied)
{
    writeBytes(raw("caf\xE9.txt"), "latin-1 name");
    const std::vector<fs::Entry> entries = fs::listFolder(path(""));
    ASSERT_EQ(entries.size(), 1u);
    const QString listed = dir_.path() + '/' + entries[0].name;
    EXPECT_EQ(fs::encodeName(entries[0].name), QByteArray("caf\xE9.txt"));
    EXPECT_EQ(fs::fileSize(listed), 12);

    ASSERT_TRUE(fs::copyFile(listed, path("copy \xE9\xFF")));
    ASSERT_TRUE(fs::moveFile(listed, path("moved \xE9")));
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), (QList<QByteArray>{"copy \xE9\xFF", "moved \xE9"}));
    EXPECT_EQ(readBytes(raw("moved \xE9")), QByteArray("latin-1 name"));
    EXPECT_EQ(readBytes(raw("copy \xE9\xFF")), QByteArray("latin-1 name"));
}

TEST_F(FileSystemTest, ListsFilesAndFoldersSortedAndLeavesTheRestOut)
{
    for (const char *name : {"b", "a", "A", ".hidden", "_under", "a.txt", "\xC3\xA4"})
        writeBytes(raw(name), "x");
    ASSERT_EQ(mkdir(raw("C").constData(), 0755), 0);
    ASSERT_EQ(symlink("C", raw("link to folder").constData()), 0);
    ASSERT_EQ(symlink("b", raw("link to file").constData()), 0);
    ASSERT_EQ(symlink("nowhere", raw("dangling").constData()), 0);
    ASSERT_EQ(mkfifo(raw("fifo").constData(), 0644), 0);

    QStringList names;
    for (const fs::Entry &entry : fs::listFolder(path("")))
        names << entry.name + (entry.isFolder ? "/" : "") + (entry.isHidden ? " (hidden)" : "");
    // Upper case decides first ("_" after the letters, as on NTFS), then the bytes.
    EXPECT_EQ(names, (QStringList{".hidden (hidden)", "A", "a", "a.txt", "b", "C/", "link to file", "_under",
                                  QString::fromUtf8("\xC3\xA4")}));
    EXPECT_TRUE(fs::listFolder(path("missing")).empty());
}

TEST(FileSystem, MasksMatchLikeWindows)
{
    struct Case {
        const char *name;
        const char *mask;
        bool matches;
    };
    const Case cases[] = {
        {"photo.JPG", "*.jpg", true},     {"photo.jpeg", "*.jpg", false}, {"README", "*.*", true},
        {"a.b.c", "*.*", true},           {"README", "*", true},          {"abc", "a?c", true},
        {"ac", "a?c", false},             {"abbc", "a?c", false},         {"abc", "abc.*", true},
        {"abc.txt", "ABC.*", true},       {"xabc", "abc.*", false},       {"IMG_0012.jpg", "img_*2.JPG", true},
        {"a.jpg.bak", "*.jpg", false},    {"x", "", false},               {"\xC3\xA4.txt", "\xC3\x84*", true},
        {"\xF0\x9F\x98\x80.png", "?.png", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fs::matchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.mask)), c.matches)
            << c.name << " ~ " << c.mask;
}

TEST_F(FileSystemTest, CreatesFoldersWithParents)
{
    EXPECT_TRUE(fs::createFolders(path("one/two//three/")));
    EXPECT_TRUE(fs::isFolder(path("one/two/three")));
    EXPECT_TRUE(fs::createFolders(path("one/two")));
    writeBytes(raw("file"), "x");
    EXPECT_EQ(fs::createFolders(path("file/below")).error, ENOTDIR);
    EXPECT_TRUE(fs::removeEmptyFolder(path("one/two/three")));
    EXPECT_EQ(fs::removeEmptyFolder(path("one")).error, ENOTEMPTY);
    EXPECT_TRUE(fs::removeFile(path("file")));
    EXPECT_FALSE(fs::exists(path("file")));
}

TEST_F(FileSystemTest, WritesAtomicallyKeepingModeAndLinks)
{
    writeBytes(raw("settings"), "old");
    ASSERT_EQ(chmod(raw("settings").constData(), 0600), 0);
    ASSERT_EQ(symlink("settings", raw("link").constData()), 0);
    ASSERT_TRUE(fs::writeFileAtomic(path("link"), "new"));
    EXPECT_EQ(readBytes(raw("settings")), QByteArray("new"));
    EXPECT_TRUE(S_ISLNK(statOf(raw("link")).st_mode));
    EXPECT_EQ(statOf(raw("settings")).st_mode & 07777, 0600u);
    ASSERT_TRUE(fs::writeFileAtomic(path("fresh"), QByteArray()));
    EXPECT_EQ(fs::readFile(path("fresh")), QByteArray());
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), (QList<QByteArray>{"fresh", "link", "settings"}));
    EXPECT_EQ(fs::writeFileAtomic(path("missing/file"), "x").error, ENOENT);
    EXPECT_FALSE(fs::readFile(path("missing/file")));
}

TEST_F(FileSystemTest, ExclusiveCreationNeverReplacesAndLeavesNothingBehind)
{
    ASSERT_TRUE(fs::createFileExclusive(path("new"), "content"));
    EXPECT_EQ(readBytes(raw("new")), QByteArray("content"));
    EXPECT_EQ(fs::createFileExclusive(path("new"), "other").error, EEXIST);
    EXPECT_EQ(readBytes(raw("new")), QByteArray("content"));
    // A dangling link is an entry: its target is not created.
    ASSERT_EQ(symlink(raw("target").constData(), raw("dangling").constData()), 0);
    EXPECT_EQ(fs::createFileExclusive(path("dangling"), "x").error, EEXIST);
    EXPECT_FALSE(present(raw("target")));
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), (QList<QByteArray>{"dangling", "new"})) << "no temporary file left";
    // A folder where nothing can be created, not even by root.
    ASSERT_EQ(symlink("/proc/self/fdinfo", raw("proc").constData()), 0);
    EXPECT_NE(fs::createFileExclusive(path("proc/file"), "x").error, 0);
}

// Appends go through a mapping grown chunk by chunk: once closed the file holds exactly
// the bytes; while open, or after the process was killed, NUL bytes follow them, and
// LineReader's endAtNul reads the complete lines and not a line the NUL cuts off.
TEST_F(FileSystemTest, AppendFileGrowsByChunksAndKeepsItsBytesThroughAKill)
{
    QList<QByteArray> records; // of several lengths, so that one spans a chunk boundary
    QByteArray expected;
    for (int i = 0; expected.size() < 2 * fs::AppendFile::MapChunk + 100; ++i) {
        records.append("/folder/" + QByteArray(i % 97, 'x') + QByteArray::number(i) + "\r\n");
        expected += records.last();
    }
    auto readLines = [](const QString &file) {
        fs::LineReader reader;
        EXPECT_TRUE(reader.open(file, true));
        QByteArray lines;
        while (const auto line = reader.next())
            lines += line->toByteArray() + "\r\n";
        EXPECT_FALSE(reader.failed());
        return lines;
    };
    auto expectPadded = [&](const QByteArray &bytes) {
        ASSERT_GT(bytes.size(), expected.size());
        EXPECT_TRUE(bytes.startsWith(expected));
        EXPECT_EQ(bytes.mid(expected.size()), QByteArray(bytes.size() - expected.size(), '\0'));
    };

    fs::AppendFile file;
    ASSERT_TRUE(file.open(path("log")));
    for (const QByteArray &record : records)
        ASSERT_TRUE(file.append(record));
    expectPadded(*readBytes(raw("log")));
    EXPECT_EQ(readLines(path("log")), expected);
    ASSERT_TRUE(file.close());
    EXPECT_EQ(readBytes(raw("log")), expected);
    ASSERT_TRUE(file.open(path("log")));
    ASSERT_TRUE(file.close());
    EXPECT_EQ(readBytes(raw("log")), QByteArray());

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        fs::AppendFile killed;
        if (killed.open(path("killed")))
            for (const QByteArray &record : records)
                killed.append(record);
        kill(getpid(), SIGKILL);
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    expectPadded(*readBytes(raw("killed")));
    EXPECT_EQ(readLines(path("killed")), expected);

    writeBytes(raw("cut"), "a\r\nb\r" + QByteArray(10, '\0') + "c\r\n");
    EXPECT_EQ(readLines(path("cut")), "a\r\n");
    writeBytes(raw("cut"), "a\r\nb");
    EXPECT_EQ(readLines(path("cut")), "a\r\nb\r\n");
}

TEST_F(FileSystemTest, FileSizeIsSixtyFourBitAndOnlyForFiles)
{
    const int fd = open(raw("sparse").constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 5LL << 30), 0);
    close(fd);
    EXPECT_EQ(fs::fileSize(path("sparse")), 5LL << 30);
    EXPECT_FALSE(fs::fileSize(path("")));
    EXPECT_FALSE(fs::fileSize(path("missing")));
    EXPECT_TRUE(fs::isRegularFile(path("sparse")));
    EXPECT_FALSE(fs::isFolder(path("sparse")));
}

TEST_F(CrossFileSystemTest, FileArrivesWholeWithModeAndTimes)
{
    QByteArray content;
    for (int i = 0; i < 300'000; ++i)
        content.append(char(i * 7));
    writeBytes(rawOther("big.bin"), content);
    ASSERT_EQ(chmod(rawOther("big.bin").constData(), 0604), 0);
    setWriteTime(rawOther("big.bin"), 1'200'000'000, 5);

    ASSERT_TRUE(fs::moveFile(pathOther("big.bin"), path("arrived.bin")));
    EXPECT_EQ(readBytes(raw("arrived.bin")), content);
    const struct stat arrived = statOf(raw("arrived.bin"));
    EXPECT_EQ(arrived.st_mode & 07777, 0604u);
    EXPECT_EQ(arrived.st_mtim.tv_sec, 1'200'000'000);
    EXPECT_EQ(arrived.st_mtim.tv_nsec, 5);
    EXPECT_TRUE(rawNames(other_.path().toUtf8()).isEmpty());
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), QList<QByteArray>{"arrived.bin"});
}

TEST_F(CrossFileSystemTest, FolderTreeArrivesWhole)
{
    ASSERT_EQ(mkdir(rawOther("tree").constData(), 0750), 0);
    ASSERT_EQ(mkdir(rawOther("tree/sub").constData(), 0755), 0);
    writeBytes(rawOther("tree/top.txt"), "top");
    writeBytes(rawOther("tree/sub/deep \xE9.txt"), "deep");
    ASSERT_EQ(symlink("top.txt", rawOther("tree/link").constData()), 0);
    setWriteTime(rawOther("tree/sub"), 1'100'000'000, 0);

    ASSERT_TRUE(fs::moveFile(pathOther("tree"), path("tree")));
    EXPECT_FALSE(present(rawOther("tree")));
    EXPECT_EQ(readBytes(raw("tree/top.txt")), QByteArray("top"));
    EXPECT_EQ(readBytes(raw("tree/sub/deep \xE9.txt")), QByteArray("deep"));
    EXPECT_EQ(readBytes(raw("tree/link")), QByteArray("top"));
    EXPECT_TRUE(S_ISLNK(statOf(raw("tree/link")).st_mode));
    EXPECT_EQ(statOf(raw("tree")).st_mode & 07777, 0750u);
    EXPECT_EQ(statOf(raw("tree/sub")).st_mtim.tv_sec, 1'100'000'000);
}

TEST_F(CrossFileSystemTest, FailureLeavesSourceIntactAndNothingBehind)
{
    writeBytes(rawOther("file"), "source");
    writeBytes(raw("file"), "target");
    EXPECT_EQ(fs::moveFile(pathOther("file"), path("file")).error, EEXIST);
    EXPECT_EQ(readBytes(rawOther("file")), QByteArray("source"));
    EXPECT_EQ(readBytes(raw("file")), QByteArray("target"));

    // A fifo cannot be carried: the files copied before it are removed again.
    ASSERT_EQ(mkdir(rawOther("tree").constData(), 0755), 0);
    writeBytes(rawOther("tree/a.txt"), "a");
    writeBytes(rawOther("tree/b.txt"), "b");
    ASSERT_EQ(mkfifo(rawOther("tree/c.fifo").constData(), 0644), 0);
    writeBytes(rawOther("tree/d.txt"), "d");
    EXPECT_EQ(fs::moveFile(pathOther("tree"), path("tree")).error, EOPNOTSUPP);
    EXPECT_EQ(rawNames(rawOther("tree")), (QList<QByteArray>{"a.txt", "b.txt", "c.fifo", "d.txt"}));
    EXPECT_EQ(rawNames(dir_.path().toUtf8()), QList<QByteArray>{"file"});
}

TEST_F(CrossFileSystemTest, SourceThatCannotBeRemovedTakesItsCopyBack)
{
    writeBytes(raw("locked"), "keep me");
    const int fd = open(raw("locked").constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    const bool immutable = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0
        && (flags |= FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    if (!immutable) {
        close(fd);
        GTEST_SKIP() << "cannot make a file immutable here";
    }
    const fs::Result result = fs::moveFile(path("locked"), pathOther("locked"));
    flags &= ~FS_IMMUTABLE_FL;
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
    close(fd);

    EXPECT_EQ(result.error, EPERM);
    EXPECT_EQ(readBytes(raw("locked")), QByteArray("keep me"));
    EXPECT_TRUE(rawNames(other_.path().toUtf8()).isEmpty());
}

TEST_F(CrossFileSystemTest, StoredAttributesAndCreationTimeTravelWithTheFile)
{
    writeBytes(rawOther("tagged"), "x");
    writeBytes(raw("probe"), "x");
    if (setxattr(rawOther("tagged").constData(), "user.DOSATTRIB", "0x2", 3, 0) != 0
        || setxattr(raw("probe").constData(), "user.probe", "1", 1, 0) != 0)
        GTEST_SKIP() << "no user extended attributes on both file systems";
    struct statx source{};
    ASSERT_EQ(statx(AT_FDCWD, rawOther("tagged").constData(), 0, STATX_BTIME | STATX_MTIME, &source), 0);
    const statx_timestamp created = (source.stx_mask & STATX_BTIME) ? source.stx_btime : source.stx_mtime;

    ASSERT_TRUE(fs::moveFile(pathOther("tagged"), path("tagged")));
    EXPECT_EQ(xattr(raw("tagged"), "user.DOSATTRIB"), QByteArray("0x2"));
    EXPECT_EQ(xattr(raw("tagged"), "user.crtime"), QByteArray::number(created.tv_sec * 1'000'000'000LL + created.tv_nsec));

    // A copy is a new file: it keeps the attribute word, not the creation time.
    ASSERT_TRUE(fs::copyFile(path("tagged"), path("copy")));
    EXPECT_EQ(xattr(raw("copy"), "user.DOSATTRIB"), QByteArray("0x2"));
    EXPECT_TRUE(xattr(raw("copy"), "user.crtime").isEmpty());
}

// Only regular files, folders and links cross file systems. The rest is refused from its
// type: opening a fifo would wait for a writer for ever, a device would be read for ever.
TEST_F(CrossFileSystemTest, FifosSocketsAndDevicesAreRefusedNeverOpened)
{
    ASSERT_EQ(mkfifo(rawOther("fifo").constData(), 0644), 0);
    ASSERT_EQ(symlink("fifo", rawOther("link").constData()), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(rawOther("socket").size()), sizeof address.sun_path);
    std::strcpy(address.sun_path, rawOther("socket").constData());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);

    EXPECT_EQ(fs::moveFile(pathOther("fifo"), path("fifo")).error, EOPNOTSUPP);
    EXPECT_EQ(fs::moveFile(pathOther("socket"), path("socket")).error, EOPNOTSUPP);
    EXPECT_EQ(fs::copyFile(pathOther("fifo"), path("copy")).error, EOPNOTSUPP);
    EXPECT_EQ(fs::copyFile(pathOther("socket"), path("copy")).error, EOPNOTSUPP);
    EXPECT_EQ(fs::copyFile(QStringLiteral("/dev/null"), path("copy")).error, EOPNOTSUPP);
    close(listener);
    EXPECT_TRUE(S_ISFIFO(statOf(rawOther("fifo")).st_mode));
    EXPECT_TRUE(S_ISSOCK(statOf(rawOther("socket")).st_mode));
    EXPECT_TRUE(rawNames(dir_.path().toUtf8()).isEmpty());

    // A link to a fifo is a link: it is moved and copied as the link.
    ASSERT_TRUE(fs::copyFile(pathOther("link"), path("copied link")));
    ASSERT_TRUE(fs::moveFile(pathOther("link"), path("moved link")));
    for (const QByteArray name : {"copied link", "moved link"}) {
        char destination[16] = {};
        EXPECT_EQ(readlink(raw(name).constData(), destination, sizeof destination - 1), 4) << name.constData();
        EXPECT_STREQ(destination, "fifo");
    }
    EXPECT_EQ(rawNames(other_.path().toUtf8()), (QList<QByteArray>{"fifo", "socket"}));

    // Within one file system a fifo is renamed like any entry.
    ASSERT_TRUE(fs::moveFile(pathOther("fifo"), pathOther("renamed fifo")));
    EXPECT_TRUE(S_ISFIFO(statOf(rawOther("renamed fifo")).st_mode));
}
