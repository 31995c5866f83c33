// The real program as a process: single instance, a start after a crash, and an
// unattended command-file run without a display.

#include "platform/InstanceLock.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/registry/TRegistry.h"
#include "support/StoredSettings.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace {

// The test's own fresh HOME and XDG folders (tests/support/TestMain.cpp) are passed on;
// boxes are logged through the modal seam instead of shown.
class ProgramRun : public testing::Test {
protected:
    void SetUp() override
    {
        program_ = qEnvironmentVariable("CORVEX_PROGRAM");
        ASSERT_FALSE(program_.isEmpty()) << "CORVEX_PROGRAM is not set";
        modalLog_ = QString::fromLocal8Bit(qgetenv("HOME")) + "/modal.log";
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.insert("CORVEX_MODAL_LOG", modalLog_);
        env_.remove("DISPLAY");
        env_.remove("WAYLAND_DISPLAY");
        // No language dialog at start: these tests count the boxes of other steps.
        StoreSettings([](TRegistry &reg) { reg.WriteBool(QStringLiteral("Sprachwahl"), false); });
    }

    void TearDown() override
    {
        for (auto &p : processes_)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(10000);
            }
    }

    QProcess &Start(const QStringList &arguments)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env_);
        p->start(program_, arguments);
        EXPECT_TRUE(p->waitForStarted(10000)) << p->errorString().toStdString();
        processes_.push_back(std::move(p));
        return *processes_.back();
    }

    // Polls until the process holds the flock of the instance lock file (/proc/locks:
    // "1: FLOCK  ADVISORY  WRITE <pid> <major>:<minor>:<inode> 0 EOF").
    static bool WaitForInstanceLock(QProcess &p)
    {
        const QByteArray lockFile = fs::encodeName(InstanceLockFileName());
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && p.state() == QProcess::Running) {
            struct stat st {};
            QFile locks("/proc/locks");
            if (stat(lockFile.constData(), &st) == 0 && locks.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : locks.readAll().split('\n')) {
                    const QList<QByteArray> f = line.simplified().split(' ');
                    if (f.size() >= 6 && f[1] == "FLOCK" && f[4].toLongLong() == p.processId() &&
                        f[5].mid(f[5].lastIndexOf(':') + 1).toULongLong() == st.st_ino)
                        return true;
                }
            }
            QThread::msleep(20);
        }
        return false;
    }

    // The lock file's descriptor in the process is closed on exec (/proc/<pid>/fdinfo
    // "flags:" in octal), so programs it starts do not inherit the lock.
    static bool LockIsCloseOnExec(const QProcess &p)
    {
        const QString fdFolder = QStringLiteral("/proc/%1/fd").arg(p.processId());
        for (const fs::Entry &fd : fs::listFolder(fdFolder)) {
            if (QFile::symLinkTarget(fdFolder + '/' + fd.name) != InstanceLockFileName())
                continue;
            QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(p.processId()).arg(fd.name));
            if (!info.open(QIODevice::ReadOnly))
                return false;
            for (const QByteArray &line : info.readAll().split('\n'))
                if (line.startsWith("flags:"))
                    return (line.mid(6).trimmed().toUInt(nullptr, 8) & O_CLOEXEC) != 0;
        }
        return false;
    }

    QList<QJsonObject> ShownBoxes() const { return LoggedBoxes(modalLog_); }

    QString program_;
    QString modalLog_;
    QProcessEnvironment env_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace

TEST_F(ProgramRun, SecondStartShowsTheMessageAndEnds)
{
    QProcess &first = Start({});
    ASSERT_TRUE(WaitForInstanceLock(first));

    QProcess &second = Start({});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const auto boxes = ShownBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]["kind"].toString().toStdString(), "MessageDlg");
    EXPECT_EQ(boxes[0]["text"].toString().toStdString(),
              "Corvex Pro läuft bereits!!!!!\rCorvex Pro is already running !!!!!");
    EXPECT_EQ(boxes[0]["dlgType"].toInt(), 2);
    EXPECT_EQ(boxes[0]["buttons"].toVariant().toStringList(), QStringList{"OK"});

    // An unattended second start answers on standard error instead.
    QProcess &unattended = Start({"/R:" + QString::fromLocal8Bit(qgetenv("HOME")) + "/none.txt"});
    ASSERT_TRUE(unattended.waitForFinished(30000));
    EXPECT_EQ(unattended.exitCode(), 1);
    const QString errors = QString::fromUtf8(unattended.readAllStandardError());
    EXPECT_TRUE(errors.endsWith("Corvex Pro läuft bereits!!!!!\nCorvex Pro is already running !!!!!\n"))
        << errors.toStdString();
    EXPECT_EQ(ShownBoxes().size(), 1);

    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramRun, StartAfterACrashSucceeds)
{
    QProcess &first = Start({});
    ASSERT_TRUE(WaitForInstanceLock(first));
    first.kill(); // SIGKILL
    ASSERT_TRUE(first.waitForFinished(10000));

    QProcess &next = Start({});
    ASSERT_TRUE(WaitForInstanceLock(next));
    EXPECT_TRUE(LockIsCloseOnExec(next));
    EXPECT_EQ(next.state(), QProcess::Running);
    EXPECT_TRUE(ShownBoxes().isEmpty());
}

TEST_F(ProgramRun, CommandFileRunWithoutDisplayEndsByItself)
{
    env_.remove("QT_QPA_PLATFORM"); // the program chooses the offscreen platform itself
    const QString settings = QStringLiteral("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wexmoor\\CorvexPro\\V1.50]\n"
                                            "\"Explorer01aLinks\"=dword:0000012c\n"
                                            "\"BildschirmSpeichern\"=dword:00000001\n\n");
    const QString file = TRegistry::StoreFileName();
    ASSERT_TRUE(fs::createFolders(file.left(file.lastIndexOf('/'))));
    ASSERT_TRUE(fs::writeFileAtomic(file, settings.toUtf8()));
    const QString commandFile = QString::fromLocal8Bit(qgetenv("HOME")) + "/command.txt";
    ASSERT_TRUE(fs::writeFileAtomic(commandFile, {}));

    QProcess &run = Start({"/R:" + commandFile});
    ASSERT_TRUE(run.waitForFinished(60000)) << "the command-file run did not end";
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_TRUE(ShownBoxes().isEmpty());
    EXPECT_EQ(fs::readFile(file).value_or("").toStdString(), settings.toStdString());
}
