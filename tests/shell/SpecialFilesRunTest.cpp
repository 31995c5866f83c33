// End to end: a command-file run that moves or copies fifos to another file system ends
// at once and leaves them where they are; a link to a fifo travels as the link.

#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "support/FolderNames.h"
#include "support/ProgramWithoutDisplay.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SpecialFilesRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Files = dir_.path() + "/files/";
        Work = dir_.path() + "/work/";
        for (const QString &folder : {Files, Work})
            ASSERT_TRUE(fs::createFolders(folder));
        struct stat here{}, there{};
        if (!other_.isValid() || stat(QFile::encodeName(dir_.path()).constData(), &here) != 0
            || stat(QFile::encodeName(other_.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
            GTEST_SKIP() << "the temporary folder and /dev/shm are not two file systems";
        Target = other_.path() + "/";
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\Wexmoor\\CorvexPro\\V1.50"), true));
        reg.WriteString(QStringLiteral("Arbeitsverzeichnis"), Work);
    }

    // Runs action 1 on the entries, moving (DATEILVK 1) or copying (2) into the folder.
    // Returns whether the run ended in time; a run that hangs is killed.
    bool RunInto(const QString &folder, int mode, const QStringList &entries)
    {
        EXPECT_TRUE(fs::createFolders(folder));
        QByteArray command = "AKTION: 1\r\nZIELVERZEICHNIS: " + folder.toUtf8() + "\r\nDATEILVK: "
            + QByteArray::number(mode) + "\r\nSTAMMNAME: n\r\nSTANZ: 1\r\nSTWERT: 1\r\nDEND: 0\r\nENDE: TRUE\r\n";
        for (const QString &entry : entries)
            command += (Files + entry).toUtf8() + "\r\n";
        const QString file = dir_.path() + "/command.txt";
        fs::removeFile(file);
        EXPECT_TRUE(fs::writeFileAtomic(file, command));
        QProcess program;
        StartWithoutDisplay(program, "/R:" + file);
        if (program.waitForFinished(30000))
            return program.exitStatus() == QProcess::NormalExit;
        program.kill();
        program.waitForFinished(10000);
        return false;
    }

    static bool IsFifo(const QString &path)
    {
        struct stat info{};
        return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    }
    static QByteArray LinkDestination(const QString &path)
    {
        char destination[64] = {};
        return readlink(QFile::encodeName(path).constData(), destination, sizeof destination - 1) > 0
            ? QByteArray(destination) : QByteArray("<no link>");
    }

    QString Files, Work, Target;

private:
    QTemporaryDir dir_;
    QTemporaryDir other_{"/dev/shm/corvex-test-XXXXXX"};
};

TEST_F(SpecialFilesRunTest, FifoStaysWhereItIsAndTheBatchGoesOn)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Files + "fifo").constData(), 0644), 0);
    ASSERT_EQ(symlink("fifo", QFile::encodeName(Files + "link").constData()), 0);
    ASSERT_TRUE(fs::writeFileAtomic(Files + "a.txt", "a"));
    const QStringList entries{"fifo", "link", "a.txt"};

    const QString copies = Target + "copies/", moved = Target + "moved/";
    ASSERT_TRUE(RunInto(copies, 2, entries)) << "the copy waited on the fifo";
    EXPECT_FALSE(fs::exists(copies + "n1"));
    EXPECT_EQ(LinkDestination(copies + "n2"), "fifo");
    EXPECT_EQ(fs::readFile(copies + "n3.txt"), "a");

    ASSERT_TRUE(RunInto(moved, 1, entries)) << "the move waited on the fifo";
    EXPECT_TRUE(IsFifo(Files + "fifo"));
    EXPECT_FALSE(fs::exists(moved + "n1"));
    EXPECT_EQ(LinkDestination(moved + "n2"), "fifo");
    EXPECT_EQ(fs::readFile(moved + "n3.txt"), "a");
    EXPECT_EQ(SortedNames(Files), QStringList()) << "the link and the file moved";
}

} // namespace
