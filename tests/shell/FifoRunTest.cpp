// End to end: a command-file run that copies a fifo ends at once and leaves it alone; a
// link to a fifo is copied as the link. (Moves of special files across file systems are
// tested on the file layer: the runner drops every path below /dev, /dev/shm included.)

#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "support/ProgramWithoutDisplay.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class FifoRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Files = dir_.path() + "/files/";
        Work = dir_.path() + "/work/";
        for (const QString &folder : {Files, Work})
            ASSERT_TRUE(fs::createFolders(folder));
        Target = dir_.path() + "/target/";
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
};

TEST_F(FifoRunTest, CopyOfFifoIsRefusedAndTheBatchGoesOn)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Files + "fifo").constData(), 0644), 0);
    ASSERT_EQ(symlink("fifo", QFile::encodeName(Files + "link").constData()), 0);
    ASSERT_TRUE(fs::writeFileAtomic(Files + "a.txt", "a"));
    const QStringList entries{"fifo", "link", "a.txt"};

    const QString copies = Target + "copies/";
    ASSERT_TRUE(RunInto(copies, 2, entries)) << "the copy waited on the fifo";
    EXPECT_FALSE(fs::exists(copies + "n1"));
    EXPECT_EQ(LinkDestination(copies + "n2"), "fifo");
    EXPECT_EQ(fs::readFile(copies + "n3.txt"), "a");

    EXPECT_TRUE(IsFifo(Files + "fifo"));
}

} // namespace
