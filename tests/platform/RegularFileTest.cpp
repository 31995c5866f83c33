// The read-write handle of platform/fs: only existing regular files, never blocking,
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

class ReadWriteFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path(const char *name) const { return dir_.path() + u'/' + QString::fromUtf8(name); }

    QTemporaryDir dir_;
};

TEST_F(ReadWriteFileTest, RefusesAnythingButAnExistingRegularFile)
{
    ASSERT_EQ(mkfifo(fs::encodeName(Path("fifo")).constData(), 0644), 0); // no reader: an open would wait
    ASSERT_TRUE(fs::createFolders(Path("folder")));
    const struct {
        const char *name;
        int error;
    } cases[] = {{"missing", ENOENT}, {"fifo", EINVAL}, {"folder", EISDIR}};
    for (const auto &c : cases) {
        fs::ReadWriteFile file;
        EXPECT_FALSE(file.open(Path(c.name))) << c.name;
        EXPECT_EQ(file.error(), c.error) << c.name;
        EXPECT_FALSE(file.isOpen());
    }
    EXPECT_FALSE(fs::exists(Path("missing"))) << "an open never creates a file";
    fs::ReadWriteFile file;
    EXPECT_FALSE(file.open(QString()));
    EXPECT_FALSE(file.writeAt(0, "x"));
    EXPECT_EQ(file.error(), EBADF);
}

TEST_F(ReadWriteFileTest, ReadsWritesAndCutsAtPositionsBeyondFourGiB)
{
    const QString path = Path("big");
    ASSERT_TRUE(fs::writeFileAtomic(path, "head"));
    fs::ReadWriteFile file;
    ASSERT_TRUE(file.open(path));
    const std::int64_t far = (std::int64_t(5) << 30) + 7; // sparse: no space is used
    ASSERT_TRUE(file.setSize(far));
    EXPECT_EQ(file.size(), far);
    ASSERT_TRUE(file.writeAt(far - 3, "end"));
    EXPECT_EQ(file.readAt(far - 3, 10), QByteArray("end")); // fewer at the end
    EXPECT_EQ(file.readAt(0, 4), QByteArray("head"));
    EXPECT_EQ(file.readAt(far + 100, 4), QByteArray());
    EXPECT_FALSE(file.readAt(-1, 4));
    ASSERT_TRUE(file.setSize(2));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(fs::readFile(path), QByteArray("he"));
}

TEST_F(ReadWriteFileTest, WritesThroughALinkToTheFile)
{
    ASSERT_TRUE(fs::writeFileAtomic(Path("target"), "abc"));
    ASSERT_EQ(symlink("target", fs::encodeName(Path("link")).constData()), 0);
    fs::ReadWriteFile file;
    ASSERT_TRUE(file.open(Path("link")));
    ASSERT_TRUE(file.writeAt(1, "X"));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(fs::readFile(Path("target")), QByteArray("aXc"));
}

} // namespace
