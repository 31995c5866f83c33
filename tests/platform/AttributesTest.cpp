#include "platform/fs/Attributes.h"

#include "operations/fktAttribute.h"
#include "platform/fs/PathCodec.h"

#include "LocalTimeZone.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Ms = 1.0 / 86'400'000;

class AttributesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        file_ = dir_.path() + "/file.txt";
        std::FILE *file = std::fopen(native(file_).constData(), "wb");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
        ASSERT_EQ(chmod(native(file_).constData(), 0664), 0);
    }

    static QByteArray native(const QString &path) { return fs::encodeName(path); }

    mode_t modeOf(const QString &path) const
    {
        struct stat info{};
        EXPECT_EQ(stat(native(path).constData(), &info), 0);
        return info.st_mode & 07777;
    }

    QByteArray xattr(const QString &path, const char *name) const
    {
        char value[256];
        const ssize_t size = getxattr(native(path).constData(), name, value, sizeof value);
        return size < 0 ? QByteArray() : QByteArray(value, size);
    }

    // User extended attributes are missing on some file systems (older tmpfs).
    bool userXattrs() const
    {
        const QByteArray path = native(file_);
        if (setxattr(path.constData(), "user.corvex-probe", "1", 1, 0) != 0)
            return false;
        removexattr(path.constData(), "user.corvex-probe");
        return true;
    }

    QTemporaryDir dir_;
    QString file_;
};

} // namespace

TEST_F(AttributesTest, ReadOnlyIsNoWritePermissionForAnyone)
{
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesA(dir_.path()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA(dir_.path() + "/missing"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(SetFileAttributesA(dir_.path() + "/missing", 0));

    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(modeOf(file_), 0444u);
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(modeOf(file_), 0644u); // the owner gets write permission back
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(AttributesTest, HiddenSystemAndArchiveAreStoredAsSambaDoes)
{
    if (!userXattrs())
        GTEST_SKIP() << "no user extended attributes on " << dir_.path().toStdString();
    const std::uint32_t all = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA(file_, all));
    EXPECT_EQ(xattr(file_, "user.DOSATTRIB"), QByteArray("0x26"));
    EXPECT_EQ(GetFileAttributesA(file_), all);

    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(modeOf(file_), 0444u);
    ASSERT_TRUE(SetFileAttributesA(file_, 0));
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(xattr(file_, "user.DOSATTRIB"), QByteArray("0x0"));

    ASSERT_TRUE(SetFileAttributesA(dir_.path(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(dir_.path()), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(xattr(dir_.path(), "user.DOSATTRIB"), QByteArray("0x12"));
}

// User extended attributes need write permission: the owner of a read-only file, without
// the rights of root, still sets its hidden bit.
TEST_F(AttributesTest, OwnerSetsHiddenOnAFileThatStaysReadOnly)
{
    if (!userXattrs())
        GTEST_SKIP() << "no user extended attributes on " << dir_.path().toStdString();
    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_READONLY));
    const bool root = geteuid() == 0;
    const uid_t owner = root ? 65534 : geteuid();
    if (root) {
        ASSERT_EQ(chown(native(file_).constData(), owner, owner), 0);
        ASSERT_EQ(chmod(native(dir_.path()).constData(), 0755), 0);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (setgroups(0, nullptr) != 0 || setgid(owner) != 0 || setuid(owner) != 0))
            _exit(2);
        _exit(SetFileAttributesA(file_, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(GetFileAttributesA(file_), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(modeOf(file_), 0444u);
}

TEST_F(AttributesTest, ReadsSambasBinaryFormAndIgnoresJunk)
{
    if (!userXattrs())
        GTEST_SKIP() << "no user extended attributes on " << dir_.path().toStdString();
    struct Case {
        QByteArray stored;
        std::uint32_t word;
    };
    const Case cases[] = {
        {QByteArray("0x22\0\x04\x00\x04\x00\x00\x00\x11\x00", 13), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
        {"0X4", FILE_ATTRIBUTE_SYSTEM},
        {"0x", FILE_ATTRIBUTE_NORMAL},
        {"0x2g", FILE_ATTRIBUTE_NORMAL},
        {"hidden", FILE_ATTRIBUTE_NORMAL},
        {"0x1", FILE_ATTRIBUTE_NORMAL}, // read-only comes from the mode alone
    };
    for (const Case &c : cases) {
        ASSERT_EQ(setxattr(native(file_).constData(), "user.DOSATTRIB", c.stored.constData(), c.stored.size(), 0), 0);
        EXPECT_EQ(GetFileAttributesA(file_), c.word) << c.stored.toHex().constData();
    }
}

TEST_F(AttributesTest, TimeStampsAreSetAndReadBackAsLocalValues)
{
    if (!userXattrs())
        GTEST_SKIP() << "no user extended attributes on " << dir_.path().toStdString();
    LocalTimeZone zone;
    // 2005-03-27 was day 38438; summer time began there at 02:00.
    const TDateTime created = 38438 + 1.5 * Hour + 250 * Ms;
    const TDateTime accessed = 45474 + 23 * Hour; // 2024-07-01 23:00 summer time
    const TDateTime written = 45306 + 12 * Hour + 999 * Ms; // 2024-01-15 12:00:00.999 winter time
    for (const QString &path : {file_, dir_.path()}) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(SetFileTimes(path, created, accessed, written));
        TDateTime c = 0, a = 0, w = 0;
        ASSERT_TRUE(GetFileTimes(path, c, a, w));
        EXPECT_NEAR(c, created, 1e-9);
        EXPECT_NEAR(a, accessed, 1e-9);
        EXPECT_NEAR(w, written, 1e-9);

        struct stat info{};
        ASSERT_EQ(stat(native(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mtim.tv_sec, 1705316400); // 2024-01-15 11:00:00 UTC
        EXPECT_EQ(info.st_mtim.tv_nsec, 999'000'000);
        EXPECT_EQ(info.st_atim.tv_sec, 1719867600); // 2024-07-01 21:00:00 UTC
        EXPECT_EQ(xattr(path, "user.crtime"), QByteArray("1111883400250000000")); // 2005-03-27 00:30:00.25 UTC
    }
}

TEST_F(AttributesTest, CreationTimePrefersTheStoredValue)
{
    if (!userXattrs())
        GTEST_SKIP() << "no user extended attributes on " << dir_.path().toStdString();
    LocalTimeZone zone;
    const QByteArray stored = "-1000000000500000000"; // 1938-04-24 22:13:19.5 UTC
    ASSERT_EQ(setxattr(native(file_).constData(), "user.crtime", stored.constData(), stored.size(), 0), 0);
    fs::FileTimes times;
    ASSERT_TRUE(fs::readTimes(file_, times));
    EXPECT_NEAR(times.created, fs::toDateTime({-1000000001, 500'000'000}), 1e-9);

    ASSERT_EQ(removexattr(native(file_).constData(), "user.crtime"), 0);
    struct statx info{};
    ASSERT_EQ(statx(AT_FDCWD, native(file_).constData(), 0, STATX_BTIME | STATX_MTIME, &info), 0);
    const statx_timestamp fallback = (info.stx_mask & STATX_BTIME) && info.stx_btime.tv_sec ? info.stx_btime : info.stx_mtime;
    ASSERT_TRUE(fs::readTimes(file_, times));
    EXPECT_NEAR(times.created, fs::toDateTime({fallback.tv_sec, long(fallback.tv_nsec)}), 1e-9);
}

TEST_F(AttributesTest, UnchangedStampsAreLeftExactlyAsTheyWere)
{
    const timespec fine[2] = {{1'000'000'000, 123'456'789}, {1'100'000'000, 987'654'321}};
    ASSERT_EQ(utimensat(AT_FDCWD, native(file_).constData(), fine, 0), 0);
    TDateTime c = 0, a = 0, w = 0;
    ASSERT_TRUE(GetFileTimes(file_, c, a, w));
    ASSERT_TRUE(SetFileTimes(file_, c, a, w)); // also where no creation time can be stored
    struct stat info{};
    ASSERT_EQ(stat(native(file_).constData(), &info), 0);
    EXPECT_EQ(info.st_atim.tv_nsec, 123'456'789);
    EXPECT_EQ(info.st_mtim.tv_nsec, 987'654'321);
    EXPECT_TRUE(xattr(file_, "user.crtime").isEmpty());
}

TEST_F(AttributesTest, FailuresWriteNothing)
{
    TDateTime c = -1, a = -2, w = -3;
    EXPECT_FALSE(GetFileTimes(dir_.path() + "/missing", c, a, w));
    EXPECT_EQ(c, -1);
    EXPECT_EQ(a, -2);
    EXPECT_EQ(w, -3);
    EXPECT_FALSE(SetFileTimes(dir_.path() + "/missing", 40000, 40000, 40000));

    ASSERT_TRUE(GetFileTimes(file_, c, a, w));
    EXPECT_FALSE(SetFileTimes(file_, c, a, std::numeric_limits<double>::quiet_NaN()));
    // A read-only file takes no new times until its attribute is cleared.
    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SetFileTimes(file_, c, a, 40000));
    TDateTime c2 = 0, a2 = 0, w2 = 0;
    ASSERT_TRUE(GetFileTimes(file_, c2, a2, w2));
    EXPECT_EQ(w2, w);
    ASSERT_TRUE(SetFileAttributesA(file_, FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(SetFileTimes(file_, c, a, 40000));
}

TEST_F(AttributesTest, ACreationTimeThatCannotBeStoredStillLetsTheOtherTwoChange)
{
    TDateTime c = 0, a = 0, w = 0;
    ASSERT_TRUE(GetFileTimes(file_, c, a, w));
    const TDateTime before1677 = -100000; // 1626: beyond the nanoseconds of user.crtime
    EXPECT_FALSE(SetFileTimes(file_, before1677, 40000, 40001));
    TDateTime c2 = 0, a2 = 0, w2 = 0;
    ASSERT_TRUE(GetFileTimes(file_, c2, a2, w2));
    EXPECT_EQ(c2, c);
    EXPECT_EQ(a2, 40000);
    EXPECT_EQ(w2, 40001);
}
