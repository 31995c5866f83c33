// Copies and moves that are killed in the middle, and the temporary entries they leave.

#include "platform/fs/FileSystem.h"

#include "FileSystemFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fstest;

namespace {

constexpr int TreeFolders = 20, FilesPerFolder = 1000; // 20,000 files

QByteArray treeFolder(int folder)
{
    return "d" + QByteArray::number(folder).rightJustified(2, '0');
}

QByteArray treeFile(int folder, int file)
{
    return treeFolder(folder) + "/f" + QByteArray::number(file).rightJustified(4, '0');
}

void makeTree(const QByteArray &root)
{
    // what is left of a tree that was moved away in part
    nftw(root.constData(), [](const char *path, const struct stat *, int, FTW *) { return remove(path); }, 16,
         FTW_DEPTH | FTW_PHYS);
    ASSERT_EQ(mkdir(root.constData(), 0755), 0);
    for (int folder = 0; folder < TreeFolders; ++folder) {
        ASSERT_EQ(mkdir((root + '/' + treeFolder(folder)).constData(), 0755), 0);
        for (int file = 0; file < FilesPerFolder; ++file)
            ASSERT_NO_FATAL_FAILURE(writeBytes(root + '/' + treeFile(folder, file), treeFile(folder, file)));
    }
}

// The number of files of the tree at root that are there with their content.
int wholeFiles(const QByteArray &root)
{
    int whole = 0;
    for (int folder = 0; folder < TreeFolders; ++folder)
        for (int file = 0; file < FilesPerFolder; ++file)
            whole += readBytes(root + '/' + treeFile(folder, file)) == treeFile(folder, file);
    return whole;
}

// The names in folder that begin with ".corvex-".
QList<QByteArray> temporaryNames(const QByteArray &folder)
{
    QList<QByteArray> names = rawNames(folder);
    names.removeIf([](const QByteArray &name) { return !name.startsWith(".corvex-"); });
    return names;
}

// The largest number of entries a folder in `parent` holds, hidden ones included.
qsizetype fullestFolder(const QByteArray &parent)
{
    qsizetype fullest = 0;
    for (const QByteArray &name : rawNames(parent))
        fullest = std::max(fullest, rawNames(parent + '/' + name).size());
    return fullest;
}

// The largest size of a file in `folder`, hidden ones included.
off_t largestFile(const QByteArray &folder)
{
    off_t largest = 0;
    for (const QByteArray &name : rawNames(folder)) {
        struct stat info{};
        if (lstat((folder + '/' + name).constData(), &info) == 0 && S_ISREG(info.st_mode))
            largest = std::max(largest, info.st_size);
    }
    return largest;
}

// Runs `work` in a child process and kills it with SIGKILL as soon as `reached` holds,
// or lets it end when it finishes first.
void killWhen(const std::function<bool()> &work, const std::function<bool()> &reached)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(work() ? 0 : 1);
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        ASSERT_GE(ended, 0);
        if (ended == child) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";
            return;
        }
        if (reached())
            break;
        usleep(200);
    }
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, &status, 0), child);
}

} // namespace

// A tree of 20,000 files moved (or copied) to /dev/shm, killed at several moments: the
// target is either missing or whole, and the source is whole whenever the target is not.
TEST_F(CrossFileSystemTest, KilledFolderMoveLeavesNoTargetOrTheWholeOne)
{
    const QByteArray source = raw("tree");
    writeBytes(raw("note.txt"), "later");

    enum class Kind { Move, Copy };
    const struct {
        const char *moment;
        Kind kind;
        qsizetype entries; // kill once a folder at the target holds this many entries; 0: once the target exists
    } cases[] = {
        {"move at 15 %", Kind::Move, 3},
        {"move at 50 %", Kind::Move, 10},
        {"copy at 50 %", Kind::Copy, 10},
        {"move while the source is removed", Kind::Move, 0},
    };
    bool sourceWhole = false;
    for (int round = 0; round < int(std::size(cases)); ++round) {
        const auto &c = cases[round];
        SCOPED_TRACE(c.moment);
        const QByteArray parent = rawOther("round" + QByteArray::number(round));
        const QByteArray target = parent + "/tree";
        ASSERT_EQ(mkdir(parent.constData(), 0755), 0);
        if (!sourceWhole) {
            ASSERT_NO_FATAL_FAILURE(makeTree(source));
        }
        ASSERT_NO_FATAL_FAILURE(killWhen(
            [&] {
                const QString from = fs::decodeName(source), to = fs::decodeName(target);
                return bool(c.kind == Kind::Move ? fs::moveFile(from, to) : fs::copyFolder(from, to));
            },
            [&] { return c.entries == 0 ? present(target) : fullestFolder(parent) >= c.entries; }));

        const bool arrived = present(target);
        sourceWhole = !arrived || c.kind == Kind::Copy; // else the child came to remove the source
        if (arrived) {
            EXPECT_EQ(wholeFiles(target), TreeFolders * FilesPerFolder) << "the target is there but not whole";
        }
        if (!arrived || c.kind == Kind::Copy) {
            EXPECT_EQ(wholeFiles(source), TreeFolders * FilesPerFolder) << "the source is not whole";
        }
        if (c.entries == 0) {
            EXPECT_TRUE(arrived);
            EXPECT_TRUE(temporaryNames(parent).isEmpty());
        }
    }
}

// A file copied or moved into an existing folder (as a merge does, entry by entry) is
// never seen half written under its own name.
TEST_F(CrossFileSystemTest, KilledFileCopyLeavesNoPartialFile)
{
    const QByteArray source = raw("big.bin");
    const int fd = open(source.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 256 << 20), 0); // a hole: quick to make, slow enough to copy
    ASSERT_EQ(pwrite(fd, "end", 3, (256 << 20) - 3), 3);
    close(fd);
    const struct stat sourceInfo = statOf(source);

    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "move" : "copy");
        const QByteArray folder = rawOther(move ? "moved" : "copied");
        ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
        const QByteArray target = folder + "/big.bin";
        ASSERT_NO_FATAL_FAILURE(killWhen(
            [&] {
                const QString from = fs::decodeName(source), to = fs::decodeName(target);
                return bool(move ? fs::moveFile(from, to) : fs::copyFile(from, to));
            },
            [&] { return largestFile(folder) > 0; }));
        if (present(target)) {
            EXPECT_EQ(statOf(target).st_size, sourceInfo.st_size) << "a partial file under the final name";
        } else {
            EXPECT_EQ(statOf(source).st_size, sourceInfo.st_size);
        }
        EXPECT_LE(temporaryNames(folder).size(), 1);
    }
}
