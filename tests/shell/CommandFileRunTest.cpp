// End to end: the real program started with /R:<command file>, without a display, on
// files in a temporary folder; the files on disk and the undo log bytes afterwards.

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/registry/TRegistry.h"
#include "support/FolderNames.h"
#include "support/ProgramWithoutDisplay.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

class CommandFileRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Files = dir_.path() + "/files/";
        Target = dir_.path() + "/target/";
        Work = dir_.path() + "/work/";
        for (const QString &folder : {Files, Target, Work})
            ASSERT_TRUE(fs::createFolders(folder));
        // The test entry gave this test fresh HOME and XDG folders; the program finds
        // its working folder (and so the undo log) in their settings store.
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\Wexmoor\\CorvexPro\\V1.50"), true));
        reg.WriteString(QStringLiteral("Arbeitsverzeichnis"), Work);
        LogPath = Work + "Protokoll.txt";
    }

    // Starts the program on the command file, as a desktop-less machine would.
    void Run(const QByteArray &command, const QString &switchText = QStringLiteral("/R:"))
    {
        const QString file = dir_.path() + "/command.txt";
        fs::removeFile(file);
        ASSERT_TRUE(fs::writeFileAtomic(file, command));
        QProcess program;
        StartWithoutDisplay(program, switchText + file);
        ASSERT_TRUE(program.waitForFinished(60000)) << "the command-file run did not end";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }

    QByteArray Command(const QByteArray &head, const QByteArray &settings, const QStringList &names) const
    {
        QByteArray text = QByteArray(head + "\n" + settings).replace("\n", "\r\n") + "\r\n";
        for (const QString &name : names)
            text += (Files + name).toUtf8() + "\r\n";
        return text;
    }
    void MakeFiles(const QString &folder, const QStringList &names)
    {
        for (const QString &name : names)
            ASSERT_TRUE(fs::writeFileAtomic(folder + name, name.toUtf8()));
    }
    static QStringList Names(const QString &folder) { return SortedNames(folder); }
    QByteArray Log() const { return fs::readFile(LogPath).value_or("<no log>"); }
    static QByteArray Lines(const QStringList &lines)
    {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += line.toUtf8() + "\r\n";
        return bytes;
    }

    QString Files, Target, Work, LogPath;

private:
    QTemporaryDir dir_;
};

const QByteArray InPlace = "ZIELVERZEICHNIS: \nDATEILVK: 0";

TEST_F(CommandFileRunTest, RenumberThenUndoTwice)
{
    MakeFiles(Files, {"a.jpg", "b.jpg", "c.jpg"});
    Run(Command("AKTION: 1\n" + InPlace, "STAMMNAME: Urlaub\nSTANZ: 3\nSTWERT: 8\nDEND: 1\nENDE: TRUE",
                {"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(Names(Files), QStringList({"Urlaub008.JPG", "Urlaub009.JPG", "Urlaub010.JPG"}));
    const QByteArray log = Lines({Files + "a.jpg", Files + "Urlaub008.JPG", Files + "b.jpg",
                                  Files + "Urlaub009.JPG", Files + "c.jpg", Files + "Urlaub010.JPG"});
    EXPECT_EQ(Log(), log);

    const QByteArray undo = Command("AKTION: 0\n" + InPlace, "", {});
    Run(undo);
    EXPECT_EQ(Names(Files), QStringList({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(fs::readFile(Files + "b.jpg"), "b.jpg");
    EXPECT_EQ(Log(), log) << "the undo leaves the log as it is";

    Run(undo);
    EXPECT_EQ(Names(Files), QStringList({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(Log(), log);
}

TEST_F(CommandFileRunTest, KeysAndTheSwitchInAnyLetterCase)
{
    MakeFiles(Files, {"a.txt"});
    Run(Command("AKTION:7\n" + InPlace, "OPTION1: 2\nOPTION2: 2", {"a.txt"}));
    EXPECT_EQ(Names(Files), QStringList({"a.txt"}));
    EXPECT_EQ(Log(), "<no log>") << "a first line without its blank ends the run at once";

    Run(Command("aktion: 7\nzielverzeichnis: \ndateilvk: 0", "option1: 2\noption2: 2", {"a.txt"}),
        QStringLiteral("/r:"));
    EXPECT_EQ(Names(Files), QStringList({"A.TXT"}));
    EXPECT_EQ(Log(), Lines({Files + "a.txt", Files + "A.TXT"}));
}

TEST_F(CommandFileRunTest, MaskLineForTheActionsThatAcceptOne)
{
    ASSERT_TRUE(fs::createFolders(Files + "sub"));
    MakeFiles(Files, {"a_1.jpg", "b_2.png", "sub/c_3.jpg"});

    Run(Command("AKTION: 1\n" + InPlace, "STAMMNAME: x\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE",
                {"*.jpg"}));
    EXPECT_EQ(Names(Files), QStringList({"a_1.jpg", "b_2.png", "sub"}));
    EXPECT_EQ(Log(), "<no log>") << "the index actions refuse a mask line";

    Run(Command("AKTION: 4\n" + InPlace, "ZKALT: _\nZKNEU: -", {"*.jpg"}));
    EXPECT_EQ(Names(Files), QStringList({"a-1.jpg", "b_2.png", "sub"}));
    EXPECT_EQ(Names(Files + "sub"), QStringList({"c-3.jpg"}));
    EXPECT_EQ(Log(), Lines({Files + "a_1.jpg", Files + "a-1.jpg", Files + "sub/c_3.jpg", Files + "sub/c-3.jpg"}));
}

TEST_F(CommandFileRunTest, ShortenCollisionKeepsBothFiles)
{
    MakeFiles(Files, {"1abc.txt", "2abc.txt"});
    Run(Command("AKTION: 8\n" + InPlace, "ANZZEICHEN: 1\nANFANG: TRUE\nKUERZEN: 0", {"1abc.txt", "2abc.txt"}));
    EXPECT_EQ(Names(Files), QStringList({"2abc.txt", "abc.txt"}));
    EXPECT_EQ(fs::readFile(Files + "abc.txt"), "1abc.txt");
    EXPECT_EQ(fs::readFile(Files + "2abc.txt"), "2abc.txt");
    EXPECT_EQ(Log(), Lines({Files + "1abc.txt", Files + "abc.txt"}));
}

TEST_F(CommandFileRunTest, EveryAction)
{
    const QString target = Target; // the target folder of the DATEILVK 1 and 2 rows
    const struct {
        const char *name;
        QByteArray head; // AKTION, ZIELVERZEICHNIS, DATEILVK
        QByteArray settings;
        QStringList before;
        QStringList after;       // in Files, sorted
        QStringList afterTarget; // in Target, sorted
        QStringList logged;      // old and new names (in Files unless they begin with "/")
    } cases[] = {
        {"2 letter index", "AKTION: 2\n" + InPlace, "STAMMNAME: Bild\nSTANZ: 2\nSTWERT: ay\nDEND: 0\nENDE: TRUE",
         {"x.jpg", "y.jpg"}, {"Bilday.jpg", "Bildaz.jpg"}, {}, {"x.jpg", "Bilday.jpg", "y.jpg", "Bildaz.jpg"}},
        {"3 addition", "AKTION: 3\n" + InPlace, "STAMMNAME: 2003_\nDEND: 2\nERGAENZUNG: 0",
         {"Bild.JPG"}, {"2003_Bild.jpg"}, {}, {"Bild.JPG", "2003_Bild.jpg"}},
        {"4 replace", "AKTION: 4\n" + InPlace, "ZKALT: _\nZKNEU:  ",
         {"mein_bild.jpg", "foto.jpg"}, {"foto.jpg", "mein bild.jpg"}, {}, {"mein_bild.jpg", "mein bild.jpg"}},
        {"5 insert", "AKTION: 5\n" + InPlace, "ZK: -\nPOSITION: 4\nANFANG: FALSE",
         {"abcdef.txt", "abc.txt"}, {"ab-cdef.txt", "abc.txt"}, {}, {"abcdef.txt", "ab-cdef.txt"}},
        {"6 cut", "AKTION: 6\n" + InPlace, "ANZZEICHEN: 2\nPOSITION: 3\nANFANG: TRUE",
         {"abcdef.txt"}, {"abef.txt"}, {}, {"abcdef.txt", "abef.txt"}},
        {"7 case", "AKTION: 7\n" + InPlace, "OPTION1: 1\nOPTION2: 0", {"hallo welt.txt"},
         {"Hallo Welt.txt"}, {}, {"hallo welt.txt", "Hallo Welt.txt"}},
        {"8 shorten to 8.3", "AKTION: 8\n" + InPlace, "ANZZEICHEN: 0\nANFANG: FALSE\nKUERZEN: 1",
         {"Verzeichnis.jpeg"}, {"Verzeich.jpe"}, {}, {"Verzeichnis.jpeg", "Verzeich.jpe"}},
        {"9 extension", "AKTION: 9\n" + InPlace, "ENDUNGALT: .JPG\nENDUNGNEU: .jpeg\nBEIALLEN: FALSE",
         {"x.jpg", "y.png"}, {"x.jpeg", "y.png"}, {}, {"x.jpg", "x.jpeg"}},
        {"10 stop character", "AKTION: 10\n" + InPlace, "STOPZEICHEN: _\nANZZEICHEN: 2\nANFANG: FALSE",
         {"a_b_c_d.txt"}, {"a_b.txt"}, {}, {"a_b_c_d.txt", "a_b.txt"}},
        {"1 moved into the target", "AKTION: 1\nZIELVERZEICHNIS: " + target.chopped(1).toUtf8() + "\nDATEILVK: 1",
         "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt"}, {}, {"n1.txt"},
         {"a.txt", target + "n1.txt"}},
        {"1 copied into the target", "AKTION: 1\nZIELVERZEICHNIS: " + target.toUtf8() + "\nDATEILVK: 2",
         "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt"}, {"a.txt"}, {"n1.txt"}, {}},
        {"1 without target touches nothing", "AKTION: 1\nZIELVERZEICHNIS: \nDATEILVK: 1",
         "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt"}, {"a.txt"}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &folder : {Files, Target}) {
            for (const QString &name : Names(folder))
                fs::removeFile(folder + name);
        }
        MakeFiles(Files, c.before);
        Run(Command(c.head, c.settings, c.before));
        EXPECT_EQ(Names(Files), c.after);
        EXPECT_EQ(Names(Target), c.afterTarget);
        QStringList logged;
        for (const QString &name : c.logged)
            logged << (name.startsWith(u'/') ? name : Files + name);
        EXPECT_EQ(Log(), Lines(logged));
    }
}

// The undo log is written as the batch goes: after a kill -9 in the middle of a large
// batch it holds the pairs carried out (the last one possibly missing), and action 0
// restores exactly those files and touches no other.
TEST_F(CommandFileRunTest, KilledBatchIsUndoneFromItsLog)
{
    // Large enough that the program is still renaming when the test sees a twentieth
    // of the batch logged, small enough to take seconds on a loaded machine.
    constexpr int Count = 20000;
    auto name = [](const char *prefix, int i) { return prefix + QString::number(i).rightJustified(6, u'0') + ".jpg"; };
    QByteArray command = "AKTION: 1\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nSTAMMNAME: P_\r\nSTANZ: 6\r\n"
                         "STWERT: 0\r\nDEND: 0\r\nENDE: TRUE\r\n";
    for (int i = 0; i < Count; ++i) {
        const QByteArray path = fs::encodeName(Files + name("f", i));
        const int fd = ::open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
        command += path + "\r\n";
    }
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, "/stale/old\r\n/stale/new\r\n"));
    const QString file = Work + "command.txt";
    ASSERT_TRUE(fs::writeFileAtomic(file, command));

    // The complete lines of the log: it may end in NUL bytes, possibly behind a pair
    // still being copied.
    auto loggedLines = [this] {
        QByteArray bytes = fs::readFile(LogPath).value_or("");
        bytes.truncate(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
        return bytes;
    };
    QProcess program;
    StartWithoutDisplay(program, "/R:" + file);
    // Kill it once a twentieth of the batch is logged, long before it ends.
    while (program.state() != QProcess::NotRunning && loggedLines().count('\n') < Count / 10)
        program.waitForFinished(5);
    ASSERT_NE(program.state(), QProcess::NotRunning) << "the batch ended before it could be killed";
    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));

    const QStringList log = QString::fromUtf8(loggedLines()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(log.size() % 2, 0);
    const int pairs = int(log.size() / 2);
    ASSERT_GT(pairs, 0);
    ASSERT_LT(pairs, Count);
    for (int i = 0; i < pairs; ++i) {
        ASSERT_EQ(log[2 * i], Files + name("f", i));
        ASSERT_EQ(log[2 * i + 1], Files + name("P_", i));
    }
    // Renamed: the logged files and at most the one after them.
    const bool lastUnlogged = fs::exists(Files + name("P_", pairs));

    Run("AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    QStringList expected;
    for (int i = 0; i < Count; ++i)
        expected << (lastUnlogged && i == pairs ? name("P_", i) : name("f", i));
    expected.sort();
    EXPECT_EQ(Names(Files), expected);
}

// "/R:" alone is a normal start; on a machine without a display it must end (Qt
// refuses to start) instead of running an invisible window forever.
TEST_F(CommandFileRunTest, SwitchWithoutFileDoesNotRunInvisibly)
{
    QProcess program;
    StartWithoutDisplay(program, QStringLiteral("/R:"));
    const bool ended = program.waitForFinished(30000);
    if (!ended)
        program.kill();
    EXPECT_TRUE(ended) << "a start without a display kept running";
    EXPECT_TRUE(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0);
}

} // namespace
