// The regular-file handle of platform/fs: only existing regular files, never blocking,
// 64-bit positions.

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/RegularFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class RegularFileHandleTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path(const char *name) const { return dir_.path() + u'/' + QString::fromUtf8(name); }

    QTemporaryDir dir_;
};

TEST_F(RegularFileHandleTest, RefusesAnythingButAnExistingRegularFile)
{
    ASSERT_EQ(mkfifo(fs::encodeName(Path("fifo")).constData(), 0644), 0); // no reader: an open would wait
    ASSERT_TRUE(fs::createFolders(Path("folder")));
    const struct {
        const char *name;
        int error;
    } cases[] = {{"missing", ENOENT}, {"fifo", EINVAL}, {"folder", EISDIR}};
    for (const auto &c : cases) {
        fs::RegularFileHandle file;
        EXPECT_FALSE(file.open(Path(c.name), true)) << c.name;
        EXPECT_EQ(file.error(), c.error) << c.name;
        EXPECT_FALSE(file.isOpen());
    }
    EXPECT_FALSE(fs::exists(Path("missing"))) << "an open never creates a file";
    fs::RegularFileHandle file;
    EXPECT_FALSE(file.open(QString(), false));
    EXPECT_FALSE(file.writeAt(0, "x"));
    EXPECT_EQ(file.error(), EBADF);
}

TEST_F(RegularFileHandleTest, ReadsWritesAndCutsAtPositionsBeyondFourGiB)
{
    const QString path = Path("big");
    ASSERT_TRUE(fs::writeFileAtomic(path, "head"));
    fs::RegularFileHandle file;
    ASSERT_TRUE(file.open(path, true));
    const std::int64_t far = (std::int64_t(5) << 30) + 7; // sparse: no space is used
    ASSERT_TRUE(file.setSize(far));
    EXPECT_EQ(file.size(), far);
    ASSERT_TRUE(file.writeAt(far - 3, "end"));
    char buffer[10] = {};
    EXPECT_EQ(file.readAt(far - 3, buffer, 10), 3); // fewer at the end
    EXPECT_EQ(QByteArray(buffer, 3), "end");
    EXPECT_EQ(file.readAt(0, buffer, 4), 4);
    EXPECT_EQ(QByteArray(buffer, 4), "head");
    EXPECT_EQ(file.readAt(far + 100, buffer, 4), 0);
    EXPECT_FALSE(file.readAt(-1, buffer, 4));
    ASSERT_TRUE(file.setSize(2));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(fs::readFile(path), QByteArray("he"));
}

TEST_F(RegularFileHandleTest, WritesThroughALinkToTheFile)
{
    ASSERT_TRUE(fs::writeFileAtomic(Path("target"), "abc"));
    ASSERT_EQ(symlink("target", fs::encodeName(Path("link")).constData()), 0);
    fs::RegularFileHandle file;
    ASSERT_TRUE(file.open(Path("link"), true));
    ASSERT_TRUE(file.writeAt(1, "X"));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(fs::readFile(Path("target")), QByteArray("aXc"));
}

} // namespace
