// Copies and moves that are killed in the middle, and the temporary entries they leave.

#include "platform/fs/FileSystem.h"

#include "FileSystemFixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
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

// Runs `work` in a child process, as a later run of the program.
void runInChild(const std::function<bool()> &work)
{
    killWhen(work, [] { return false; });
}

// Sets the last write of an entry (no link followed) to `seconds` ago.
void age(const QByteArray &path, time_t seconds)
{
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW), 0) << path.constData();
}

enum class Kind { Move, Copy };

struct KillMoment {
    const char *moment;
    Kind kind;
    qsizetype entries; // kill once a folder at the target holds this many entries; 0: once the target exists
};

// One moment a process: each round is a tree of its own, so a slow machine stretches no
// single test past its limit.
class KilledFolderMoveTest : public CrossFileSystemTest, public testing::WithParamInterface<KillMoment> {};

} // namespace

// A tree of 20,000 files moved (or copied) to /dev/shm, killed at one of several moments:
// the target is either missing or whole, and the source is whole whenever the target is
// not. A hidden half copy that a kill leaves is removed by a copy into that folder in a
// later run once it is over an hour old.
TEST_P(KilledFolderMoveTest, LeavesNoTargetOrTheWholeOne)
{
    const KillMoment &c = GetParam();
    const QByteArray source = raw("tree");
    writeBytes(raw("note.txt"), "later");
    const QByteArray parent = rawOther("round");
    const QByteArray target = parent + "/tree";
    ASSERT_EQ(mkdir(parent.constData(), 0755), 0);
    ASSERT_NO_FATAL_FAILURE(makeTree(source));
    ASSERT_NO_FATAL_FAILURE(killWhen(
        [&] {
            const QString from = fs::decodeName(source), to = fs::decodeName(target);
            return bool(c.kind == Kind::Move ? fs::moveFile(from, to) : fs::copyFolder(from, to));
        },
        [&] { return c.entries == 0 ? present(target) : fullestFolder(parent) >= c.entries; }));

    const bool arrived = present(target);
    if (arrived) {
        EXPECT_EQ(wholeFiles(target), TreeFolders * FilesPerFolder) << "the target is there but not whole";
    }
    if (!arrived || c.kind == Kind::Copy) {
        EXPECT_EQ(wholeFiles(source), TreeFolders * FilesPerFolder) << "the source is not whole";
    }
    if (c.entries == 0) {
        EXPECT_TRUE(arrived);
        EXPECT_TRUE(temporaryNames(parent).isEmpty());
        return;
    }
    if (arrived)
        return; // the child finished before it was killed: nothing was left

    // What the kill left: one hidden temporary folder, kept while it is young.
    const QList<QByteArray> left = temporaryNames(parent);
    ASSERT_EQ(left.size(), 1);
    const auto copyInLaterRun = [&](const QByteArray &name) {
        runInChild([&] { return bool(fs::copyFile(path("note.txt"), fs::decodeName(parent + '/' + name))); });
    };
    ASSERT_NO_FATAL_FAILURE(copyInLaterRun("young.txt"));
    EXPECT_EQ(temporaryNames(parent), left);
    EXPECT_TRUE(QRegularExpression("^\\.corvex-[0-9a-f]{8}\\.tmp$").match(QString::fromLatin1(left[0])).hasMatch())
        << left[0].constData();
    // Once it is old, the next copy into that folder in a later run removes it.
    age(parent + '/' + left[0], 2 * 3600);
    ASSERT_NO_FATAL_FAILURE(copyInLaterRun("note.txt"));
    EXPECT_EQ(rawNames(parent), (QList<QByteArray>{"note.txt", "young.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Moments, KilledFolderMoveTest,
                         testing::Values(KillMoment{"MoveAt15Percent", Kind::Move, 3},
                                         KillMoment{"MoveAt50Percent", Kind::Move, 10},
                                         KillMoment{"CopyAt50Percent", Kind::Copy, 10},
                                         KillMoment{"MoveWhileTheSourceIsRemoved", Kind::Move, 0}),
                         [](const testing::TestParamInfo<KillMoment> &info) { return std::string(info.param.moment); });

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

// Starting an atomic replacement in a folder removes the temporary entries that killed
// runs left there: only entries of this user with exactly the temporary name form that
// were last written over an hour ago.
TEST_F(FileSystemTest, StaleTemporaryEntriesAreRemovedAndNothingElse)
{
    struct Entry {
        QByteArray name;
        enum { File, Folder, Link } kind;
        time_t age;
        bool othersOwn;
        bool removed;
    };
    const Entry entries[] = {
        {".corvex-0123abcd.tmp", Entry::File, 7200, false, true},
        {".corvex-89abcdef.tmp", Entry::Folder, 7200, false, true}, // a half folder copy
        {".corvex-00000001.tmp", Entry::File, 3700, false, true},
        {".corvex-0123abce.tmp", Entry::File, 600, false, false}, // young: maybe still in use
        {".corvex-0123abc.tmp", Entry::File, 7200, false, false},
        {".corvex-0123abcd0.tmp", Entry::File, 7200, false, false},
        {".corvex-0123ABCD.tmp", Entry::File, 7200, false, false},
        {".corvex-0123abcd.tmp~", Entry::File, 7200, false, false},
        {"x.corvex-0123abcd.tmp", Entry::File, 7200, false, false},
        {".corvex-0123abcd.ren", Entry::File, 7200, false, false}, // a user's file during a case-only rename
        {".corvex-0123abcf.tmp", Entry::Link, 7200, false, false},
        {".corvex-0123abd0.tmp", Entry::File, 7200, true, false},
        {"photo.jpg", Entry::File, 7200, false, false},
    };
    // Each way in which an atomic replacement starts in a folder.
    const struct {
        const char *name;
        std::function<fs::Result(const QString &folder)> run;
    } starts[] = {
        {"reduction", [](const QString &folder) {
             const QByteArray photo = fs::encodeName(folder + "/photo.jpg");
             const int fd = open(photo.constData(), O_RDONLY);
             const fs::Result done = fs::replaceWithRanges(folder + "/photo.jpg", fd, {{0, 2}});
             close(fd);
             return done;
         }},
        {"atomic write", [](const QString &folder) { return fs::writeFileAtomic(folder + "/settings", "x"); }},
        {"new file", [](const QString &folder) { return fs::createFileExclusive(folder + "/new", "x"); }},
        {"copy", [](const QString &folder) { return fs::copyFile(folder + "/photo.jpg", folder + "/copy.jpg"); }},
    };
    for (const auto &start : starts) {
        SCOPED_TRACE(start.name);
        const QByteArray folder = raw(start.name);
        ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
        QList<QByteArray> kept;
        for (const Entry &e : entries) {
            const QByteArray entry = folder + '/' + e.name;
            if (e.kind == Entry::Folder) {
                ASSERT_EQ(mkdir(entry.constData(), 0700), 0);
                ASSERT_EQ(mkdir((entry + "/d00").constData(), 0700), 0);
                writeBytes(entry + "/d00/f0000", "half");
            } else if (e.kind == Entry::Link) {
                ASSERT_EQ(symlink("photo.jpg", entry.constData()), 0);
            } else {
                writeBytes(entry, "jpeg data");
            }
            if (e.othersOwn && lchown(entry.constData(), 54321, 54321) != 0) {
                ASSERT_EQ(unlink(entry.constData()), 0); // only root can give an entry away
            }
            if (!present(entry))
                continue;
            age(entry, e.age);
            if (!e.removed)
                kept.append(e.name);
        }
        ASSERT_TRUE(start.run(fs::decodeName(folder)));
        QList<QByteArray> names = rawNames(folder);
        names.removeAll("settings");
        names.removeAll("new");
        names.removeAll("copy.jpg");
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(names, kept);
    }
}

// A reduction killed while it writes its temporary file leaves the photo as it was and the
// temporary file beside it; a reduction in that folder in a later run removes the file
// once it is over an hour old, not before.
TEST_F(FileSystemTest, KilledReductionLeavesATemporaryFileThatALaterRunRemoves)
{
    const QByteArray photo = raw("photo.jpg"), small = raw("small.jpg");
    const int fd = open(photo.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 128 << 20), 0);
    close(fd);
    writeBytes(small, "0123456789");
    const auto reduce = [](const QByteArray &file, std::int64_t length) {
        const int source = open(file.constData(), O_RDONLY);
        const bool done = bool(fs::replaceWithRanges(fs::decodeName(file), source, {{0, length}}));
        close(source);
        return done;
    };

    const QByteArray folder = dir_.path().toUtf8();
    const auto writing = [&] {
        for (const QByteArray &name : temporaryNames(folder))
            if (statOf(folder + '/' + name).st_size > 0)
                return true;
        return false;
    };
    ASSERT_NO_FATAL_FAILURE(killWhen([&] { return reduce(photo, (128 << 20) - 1); }, writing));
    const QList<QByteArray> left = temporaryNames(folder);
    if (statOf(photo).st_size != (128 << 20)) {
        EXPECT_TRUE(left.isEmpty()); // the child finished before it was killed
        return;
    }
    ASSERT_EQ(left.size(), 1);
    ASSERT_NO_FATAL_FAILURE(runInChild([&] { return reduce(small, 9); }));
    EXPECT_EQ(temporaryNames(folder), left);
    age(raw(left[0]), 2 * 3600);
    ASSERT_NO_FATAL_FAILURE(runInChild([&] { return reduce(small, 8); }));
    EXPECT_EQ(rawNames(folder), (QList<QByteArray>{"photo.jpg", "small.jpg"}));
    EXPECT_EQ(readBytes(small), QByteArray("01234567"));
}
