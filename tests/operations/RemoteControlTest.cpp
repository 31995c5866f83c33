// The command-file runner in the test process: reading the file, the entry filters,
// every action's names, the carrying out by DATEILVK and the undo from the log.

#include "operations/RemoteControl.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <memory>

namespace {

const QByteArray OldLog = "old\r\n";

class RemoteControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Files = dir_.path() + "/files/";
        Target = dir_.path() + "/target/";
        const QString work = dir_.path() + "/work/";
        for (const QString &folder : {Files, Target, work})
            ASSERT_TRUE(fs::createFolders(folder));
        form_.Create();
        Arbeitsverzeichnis = work;
        Protokolldatei = QStringLiteral("Protokoll.txt");
        WindowsDir = QStringLiteral("/usr");
        LogPath = work + Protokolldatei;
        ASSERT_TRUE(fs::writeFileAtomic(LogPath, OldLog));
    }
    void TearDown() override
    {
        EXPECT_TRUE(modals_.shown().empty()) << "a command-file run showed a dialog";
        form_.reset();
        CommandFileName.clear();
    }

    // Writes the command file (bytes as they stand) and runs it.
    void Run(const QByteArray &content)
    {
        CommandFileName = dir_.path() + "/command.txt";
        fs::removeFile(CommandFileName);
        ASSERT_TRUE(fs::writeFileAtomic(CommandFileName, content));
        RunCommandFile();
    }
    // A command file: the three head lines, the action's settings lines (LF
    // separated) and one path line per name in Files.
    QByteArray Command(int action, const QByteArray &settings, const QStringList &names,
                       int dateilvk = 0, const QString &target = {}) const
    {
        QByteArray text = "AKTION: " + QByteArray::number(action) + "\r\nZIELVERZEICHNIS: "
            + target.toUtf8() + "\r\nDATEILVK: " + QByteArray::number(dateilvk) + "\r\n";
        if (!settings.isEmpty())
            text += QByteArray(settings).replace("\n", "\r\n") + "\r\n";
        for (const QString &name : names)
            text += (Files + name).toUtf8() + "\r\n";
        return text;
    }

    void MakeFile(const QString &path, const QByteArray &content = "x")
    {
        ASSERT_TRUE(fs::writeFileAtomic(path, content)) << path.toStdString();
    }
    void MakeFiles(const QStringList &names)
    {
        for (const QString &name : names)
            MakeFile(Files + name, name.toUtf8());
    }
    static QStringList Names(const QString &folder) { return SortedNames(folder); }
    QByteArray Log() const { return fs::readFile(LogPath).value_or("<no log>"); }
    // The entries a run took, read from the log of a command that keeps every name:
    // each is logged as a pair of its own path twice, and no file is touched.
    static QByteArray KeepNames() { return "AKTION: 7\nZIELVERZEICHNIS: \nDATEILVK: 0\nOPTION1: 5\nOPTION2: 2\n"; }
    QStringList TakenEntries() const
    {
        const QList<QByteArray> lines = Log().split('\n');
        QStringList taken;
        for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
            EXPECT_EQ(lines[i], lines[i + 1]);
            taken.append(fs::decodeName(lines[i].chopped(1)));
        }
        return taken;
    }
    QByteArray Pairs(const QStringList &oldAndNew) const
    {
        QByteArray bytes;
        for (const QString &path : oldAndNew)
            bytes += fs::encodeName(path) + "\r\n";
        return bytes;
    }

    QString Files, Target, LogPath;

private:
    QTemporaryDir dir_;
    ScriptedModals modals_;
    MainWindowFixture form_;
};

// ---- Reading the command file ----

struct ParseCase {
    const char *name;
    QByteArray file;
    bool actionRuns; // the log is rewritten (empty: no entries)
    std::function<void(const TCommandFileSettings &)> check;
};

TEST_F(RemoteControlTest, EveryKeyAndValueRule)
{
    using S = const TCommandFileSettings &;
    const QByteArray head4 = "AKTION: 4\nZIELVERZEICHNIS: \nDATEILVK: 0\n";
    const QByteArray head1 = "AKTION: 1\nZIELVERZEICHNIS: \nDATEILVK: 0\n";
    const std::vector<ParseCase> cases = {
        {"lower-case key", "aktion: 4\nzielverzeichnis: /z\ndateilvk: 0\nzkalt: a\nZkNeU: b\n",
         true, [](S s) { EXPECT_EQ(s.AKTION, 4); EXPECT_EQ(s.ZIELVERZEICHNIS, "/z/");
                            EXPECT_EQ(s.ZKALT, "a"); EXPECT_EQ(s.ZKNEU, "b"); }},
        {"key without its blank ends the run", "AKTION:4\nZIELVERZEICHNIS: \nDATEILVK: 0\n",
         false, [](S s) { EXPECT_EQ(s.AKTION, 0); }},
        {"AKTION that is no number ends the run", "AKTION: vier\nZIELVERZEICHNIS: /z\n", false,
         [](S s) { EXPECT_EQ(s.ZIELVERZEICHNIS, ""); }},
        {"AKTION keeps the low 8 bits", "AKTION: 260\nZIELVERZEICHNIS: \nDATEILVK: 0\nZKALT: a\n",
         true, [](S s) { EXPECT_EQ(s.AKTION, 4); EXPECT_EQ(s.ZKALT, "a"); }},
        {"AKTION -1 is 255 and reads no settings",
         "AKTION: -1\nZIELVERZEICHNIS: \nDATEILVK: 0\n/z/a.txt\n/z/b.txt\n", false,
         [](S s) { EXPECT_EQ(s.AKTION, 255); EXPECT_EQ(s.STAMMNAME, ""); }},
        {"AKTION 11 reads no settings", "AKTION: 11\nZIELVERZEICHNIS: \nDATEILVK: 0\n/z/a.txt\n",
         false, [](S s) { EXPECT_EQ(s.AKTION, 11); EXPECT_EQ(s.STAMMNAME, ""); }},
        {"target keeps a trailing slash", "AKTION: 4\nZIELVERZEICHNIS: /z/Ziel/\nDATEILVK: 2\n",
         true, [](S s) { EXPECT_EQ(s.ZIELVERZEICHNIS, "/z/Ziel/"); EXPECT_EQ(s.DATEILVK, 2); }},
        {"target line with another key", "AKTION: 4\nZIEL: /z\nDATEILVK: 1\n", true,
         [](S s) { EXPECT_EQ(s.ZIELVERZEICHNIS, ""); EXPECT_EQ(s.DATEILVK, 1); }},
        {"small number 300 is 44", "AKTION: 4\nZIELVERZEICHNIS: \nDATEILVK: 300\n", true,
         [](S s) { EXPECT_EQ(s.DATEILVK, 44); }},
        {"DATEILVK that is no number ends the run", "AKTION: 4\nZIELVERZEICHNIS: \nDATEILVK: 1a\n",
         false, [](S s) { EXPECT_EQ(s.DATEILVK, 0); }},
        {"integer with sign and blanks",
         head1 + "STAMMNAME:  x \nSTANZ: +3\nSTWERT:  -5 \nDEND: 1\nENDE: true\n", true,
         [](S s) { EXPECT_EQ(s.STAMMNAME, " x "); EXPECT_EQ(s.STANZ, 3);
                      EXPECT_EQ(s.STWERT, -5); EXPECT_EQ(s.DEND, 1); EXPECT_TRUE(s.ENDE); }},
        {"decimal fraction ends the run", head1 + "STAMMNAME: x\nSTANZ: 3\nSTWERT: 1.5\n", false,
         [](S s) { EXPECT_EQ(s.STANZ, 3); EXPECT_EQ(s.STWERT, 0); }},
        {"empty number ends the run", head1 + "STAMMNAME: x\nSTANZ: \n", false, nullptr},
        {"hex ends the run", head1 + "STAMMNAME: x\nSTANZ: 0x10\n", false, nullptr},
        {"integer beyond 32 bits ends the run", head1 + "STAMMNAME: x\nSTANZ: 1\nSTWERT: 4294967296\n",
         false, nullptr},
        {"truth value neither TRUE nor FALSE", head1 + "STAMMNAME: x\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: ja\n",
         true, [](S s) { EXPECT_FALSE(s.ENDE); }},
        {"missing line shifts the rest onto wrong keys",
         head1 + "STANZ: 3\nSTWERT: 8\nDEND: 1\nENDE: TRUE\n/z/a.txt\n", true,
         [](S s) { EXPECT_EQ(s.STAMMNAME, ""); EXPECT_EQ(s.STANZ, 0); EXPECT_EQ(s.STWERT, 0);
                   EXPECT_EQ(s.DEND, 0); EXPECT_FALSE(s.ENDE); }},
        {"letters are lower-cased",
         "AKTION: 2\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: x\nSTANZ: 3\nSTWERT: AyÄ\nDEND: 2\nENDE: FALSE\n",
         true, [](S s) { EXPECT_EQ(s.STWERTLetters, "ayÄ"); EXPECT_EQ(s.DEND, 2); }},
        {"ERGAENZUNG 0 reads no STANZ and STWERT",
         "AKTION: 3\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: x\nDEND: 0\nERGAENZUNG: 0\nSTANZ: 2\n/z/a.txt\n",
         true, [](S s) { EXPECT_EQ(s.STANZ, 0); }},
        {"ERGAENZUNG 1 reads STANZ and STWERT",
         "AKTION: 3\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: x\nDEND: 0\nERGAENZUNG: 1\nSTANZ: 2\nSTWERT: 7\n",
         true, [](S s) { EXPECT_EQ(s.STANZ, 2); EXPECT_EQ(s.STWERT, 7); }},
        {"insert settings", "AKTION: 5\nZIELVERZEICHNIS: \nDATEILVK: 0\nZK:  - \nPOSITION: 4\nANFANG: TRUE\n",
         true, [](S s) { EXPECT_EQ(s.ZK, " - "); EXPECT_EQ(s.POSITION, 4); EXPECT_TRUE(s.ANFANG); }},
        {"cut settings", "AKTION: 6\nZIELVERZEICHNIS: \nDATEILVK: 0\nANZZEICHEN: 2\nPOSITION: 3\nANFANG: false\n",
         true, [](S s) { EXPECT_EQ(s.ANZZEICHEN, 2); EXPECT_EQ(s.POSITION, 3); EXPECT_FALSE(s.ANFANG); }},
        {"case settings", "AKTION: 7\nZIELVERZEICHNIS: \nDATEILVK: 0\nOPTION1: 4\nOPTION2: 1\n", true,
         [](S s) { EXPECT_EQ(s.OPTION1, 4); EXPECT_EQ(s.OPTION2, 1); }},
        {"shorten settings", "AKTION: 8\nZIELVERZEICHNIS: \nDATEILVK: 0\nANZZEICHEN: 5\nANFANG: TRUE\nKUERZEN: 1\n",
         true, [](S s) { EXPECT_EQ(s.ANZZEICHEN, 5); EXPECT_TRUE(s.ANFANG); EXPECT_EQ(s.KUERZEN, 1); }},
        {"extension settings", "AKTION: 9\nZIELVERZEICHNIS: \nDATEILVK: 0\nENDUNGALT: .JPG\nENDUNGNEU: .jpeg\nBEIALLEN: TRUE\n",
         true, [](S s) { EXPECT_EQ(s.ENDUNGALT, ".JPG"); EXPECT_EQ(s.ENDUNGNEU, ".jpeg"); EXPECT_TRUE(s.BEIALLEN); }},
        {"stop character is the first character of the value",
         "AKTION: 10\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTOPZEICHEN: -xyz\nANZZEICHEN: 1\nANFANG: TRUE\n", true,
         [](S s) { EXPECT_EQ(s.STOPZEICHEN, "-"); EXPECT_EQ(s.ANZZEICHEN, 1); }},
        {"stop character outside the basic plane is one character",
         "AKTION: 10\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTOPZEICHEN: \xF0\x9F\x98\x80!\n", true,
         [](S s) { EXPECT_EQ(s.STOPZEICHEN, QString::fromUtf8("\xF0\x9F\x98\x80")); }},
        {"stop-character line of 13 characters", "AKTION: 10\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTOPZEICHEN: \n",
         true, [](S s) { EXPECT_EQ(s.STOPZEICHEN, ""); }},
        {"mask line refused by the index actions", head1 + "STAMMNAME: x\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE\n/z/*.jpg\n",
         false, nullptr},
        {"mask line refused by the letter index",
         "AKTION: 2\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: x\nSTANZ: 1\nSTWERT: a\nDEND: 0\nENDE: TRUE\n/z/*.jpg\n",
         false, nullptr},
        {"mask line refused by the additions",
         "AKTION: 3\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: x\nDEND: 0\nERGAENZUNG: 0\n/z/*.jpg\n", false, nullptr},
        {"empty command file", "", false, nullptr},
    };
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fs::writeFileAtomic(LogPath, OldLog));
        Run(c.file);
        EXPECT_EQ(Log(), c.actionRuns ? QByteArray() : OldLog);
        if (c.check)
            c.check(CommandSettings);
    }
}

TEST_F(RemoteControlTest, LineEndsAndByteOrderMarkReadAlike)
{
    const QByteArray lf = "AKTION: 1\nZIELVERZEICHNIS: \nDATEILVK: 0\nSTAMMNAME: B\xC3\xA4r\nSTANZ: 1\n"
                          "STWERT: 1\nDEND: 0\nENDE: TRUE\n" + (Files + "a.txt").toUtf8() + "\n";
    const QByteArray crlf = QByteArray(lf).replace("\n", "\r\n");
    const struct { const char *name; QByteArray file; } cases[] = {
        {"LF", lf}, {"CR LF", crlf}, {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + crlf},
        {"last line without line end", crlf.chopped(2)}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MakeFiles({"a.txt"});
        Run(c.file);
        EXPECT_EQ(Names(Files), QStringList({QString::fromUtf8("B\xC3\xA4r1.txt")}));
        fs::removeFile(Files + QString::fromUtf8("B\xC3\xA4r1.txt"));
    }
}

// Every line is read byte for byte: a byte that is not UTF-8 names exactly that byte,
// never its Windows-1252 character (which would hit a UTF-8 twin).
TEST_F(RemoteControlTest, LinesAreReadByteForByte)
{
    const QByteArray files = fs::encodeName(Files);
    MakeFile(fs::decodeName(files + "caf\xE9.txt"), "E9");
    MakeFiles({QString::fromUtf8("caf\xC3\xA9.txt")});
    Run("AKTION: 4\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nZKALT: caf\r\nZKNEU: tea\r\n" + files + "caf\xE9.txt\r\n");
    EXPECT_EQ(Names(Files), QStringList({QString::fromUtf8("caf\xC3\xA9.txt"), fs::decodeName("tea\xE9.txt")}));
    EXPECT_EQ(fs::readFile(fs::decodeName(files + "tea\xE9.txt")), "E9");
    EXPECT_EQ(Log(), files + "caf\xE9.txt\r\n" + files + "tea\xE9.txt\r\n");
    fs::removeFile(fs::decodeName(files + "tea\xE9.txt")); // QTemporaryDir cannot remove it

    // A setting's value keeps its bytes too.
    MakeFiles({"a.txt"});
    Run("AKTION: 1\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nSTAMMNAME: B\xE4r\r\nSTANZ: 1\r\nSTWERT: 1\r\n"
        "DEND: 0\r\nENDE: TRUE\r\n" + files + "a.txt\r\n");
    EXPECT_EQ(fs::readFile(fs::decodeName(files + "B\xE4r1.txt")), "a.txt");
    fs::removeFile(fs::decodeName(files + "B\xE4r1.txt"));
}

// ---- The entry filters ----

TEST_F(RemoteControlTest, EntryFiltersDropUnsafeEntries)
{
    const QString kept = Files + "a.txt";
    const QByteArray head = KeepNames();
    const QStringList entries = {
        kept, "", "relative/x.txt", "/x.txt", "/", "/usr/share/x.txt", "/USR/lib/y.txt",
        "/usr2/z.txt", "/etc/passwd", "/home/../etc/passwd", "/boot/x", "/dev/null", "/lib/x",
        "/lib32/x", "/lib64/x", "/proc/self/x", "/run/x", "/sbin/x", "/sys/x", "/bin/x",
        "/tmp/../x.txt", Files + "./b.txt", Files + QChar(0) + "c.txt"};
    Run(head + entries.join("\n").toUtf8());
    EXPECT_EQ(TakenEntries(), QStringList({kept, Files + "b.txt"}));

    // WindowsDir is a prefix in any letter case; empty, it drops every entry.
    WindowsDir = Files.toUpper();
    Run(head + kept.toUtf8() + "\n/home/x.txt\n");
    EXPECT_EQ(TakenEntries(), QStringList({"/home/x.txt"}));
    WindowsDir.clear();
    Run(head + kept.toUtf8() + "\n");
    EXPECT_TRUE(TakenEntries().isEmpty());
}

// Entries are normalised before they are tested, tested where they really lie, and
// used as they were tested; a name that is empty, "." or ".." names no file.
TEST_F(RemoteControlTest, EntryFiltersSeeThroughDotsAndLinks)
{
    const QString root = Files.chopped(1).section(u'/', 0, -2) + "/"; // the test's folder
    ASSERT_EQ(::symlink("/etc", fs::encodeName(root + "etclink").constData()), 0);
    ASSERT_EQ(::symlink("/", fs::encodeName(root + "rootlink").constData()), 0);
    ASSERT_TRUE(fs::createFolders(Files + "sub"));
    const QByteArray head = KeepNames();
    const QStringList entries = {
        "/../etc/x", "/tmp/../../etc/x", "/./../sys/x", "/../../usr/x", "//etc/x", root + "etclink/passwd",
        root + "etclink/../etclink/x", root + "rootlink/x.txt", Files + "sub/.", Files + "sub/..", Files + "sub/",
        Files + "sub/../a.txt", Files + ".//sub/./b.txt"};
    Run(head + entries.join("\n").toUtf8());
    EXPECT_EQ(TakenEntries(), QStringList({Files + "a.txt", Files + "sub/b.txt"}));

    // The target folder: below a protected folder it counts as none.
    const struct { QString value, expected; } targets[] = {
        {root + "etclink", ""}, {"/../etc", ""}, {"/", ""}, {"/usr/../usr/local", ""},
        {Files + "sub/../t", Files + "t/"}, {"relative", "relative/"}};
    for (const auto &t : targets) {
        SCOPED_TRACE(t.value.toStdString());
        Run("AKTION: 11\nZIELVERZEICHNIS: " + t.value.toUtf8() + "\nDATEILVK: 1\n");
        EXPECT_EQ(CommandSettings.ZIELVERZEICHNIS, t.expected);
    }
}

// A move into a link to a protected folder does not happen. The Windows folder is a
// temporary one here, so that nothing outside the test's folder can be touched.
TEST_F(RemoteControlTest, ProtectedPathsThroughLinksAreNotTouched)
{
    const QString root = Files.chopped(1).section(u'/', 0, -2) + "/";
    ASSERT_TRUE(fs::createFolders(root + "windows"));
    WindowsDir = root + "windows";
    ASSERT_EQ(::symlink(fs::encodeName(root + "windows").constData(), fs::encodeName(root + "winlink").constData()), 0);
    MakeFiles({"a.txt", "b2.txt"});

    // Undo pairs: the first would move a.txt into the Windows folder.
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, Pairs({root + "winlink/a.txt", Files + "a.txt", Files + "b.txt", Files + "b2.txt"})));
    Run("AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    EXPECT_EQ(Names(Files), QStringList({"a.txt", "b.txt"}));
    EXPECT_TRUE(Names(root + "windows").isEmpty());

    // A target folder through the link counts as none: nothing is moved.
    Run(Command(1, "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt"}, 1, root + "winlink/"));
    EXPECT_EQ(Names(Files), QStringList({"a.txt", "b.txt"}));
    EXPECT_TRUE(Names(root + "windows").isEmpty());
    EXPECT_EQ(Log(), "");
}

// The undo log holds one value per line: a path ending in CR cannot come back from it,
// so such an entry is skipped and every other file is renamed and undone.
TEST_F(RemoteControlTest, PathWithLineBreakIsSkippedAndTheLogStaysValid)
{
    MakeFiles({"a.txt", "c.txt\r"});
    Run(Command(1, "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt", "c.txt\r"}));
    EXPECT_EQ(Names(Files), QStringList({"c.txt\r", "n1.txt"}));
    EXPECT_EQ(Log(), Pairs({Files + "a.txt", Files + "n1.txt"}));
    Run("AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    EXPECT_EQ(Names(Files), QStringList({"a.txt", "c.txt\r"}));
}

// ---- The actions' names ----

struct NameCase {
    const char *name;
    int action;
    QByteArray settings;
    QStringList before;
    QStringList after; // sorted
    int loggedPairs;
};

TEST_F(RemoteControlTest, EveryActionComputesItsNames)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const std::vector<NameCase> cases = {
        {"renumber, index after the stem", 1, "STAMMNAME: Urlaub\nSTANZ: 3\nSTWERT: 8\nDEND: 1\nENDE: TRUE",
         {"a.jpg", "b.jpg", "c.jpg"}, {"Urlaub008.JPG", "Urlaub009.JPG", "Urlaub010.JPG"}, 3},
        {"renumber, index before the stem", 1, "STAMMNAME: Urlaub\nSTANZ: 3\nSTWERT: 8\nDEND: 1\nENDE: FALSE",
         {"a.jpg", "b.jpg", "c.jpg"}, {"008Urlaub.JPG", "009Urlaub.JPG", "010Urlaub.JPG"}, 3},
        {"renumber, negative start: zeros after the sign", 1, "STAMMNAME: x\nSTANZ: 3\nSTWERT: -5\nDEND: 0\nENDE: TRUE",
         {"a.txt", "b.txt"}, {"x-04.txt", "x-05.txt"}, 2},
        {"renumber, a longer number is not cut", 1, "STAMMNAME: x\nSTANZ: 1\nSTWERT: 99\nDEND: 0\nENDE: TRUE",
         {"a.txt", "b.txt"}, {"x100.txt", "x99.txt"}, 2},
        {"renumber, text never adds a path component", 1, "STAMMNAME: ../up/\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE",
         {"a.txt"}, {"..up1.txt"}, 1},
        {"letters, start value of STANZ letters", 2, "STAMMNAME: f\nSTANZ: 2\nSTWERT: AY\nDEND: 2\nENDE: TRUE",
         {"a.JPG", "b.JPG", "c.JPG"}, {"fay.jpg", "faz.jpg", "fba.jpg"}, 3},
        {"letters, start value of another length", 2, "STAMMNAME: f\nSTANZ: 2\nSTWERT: abc\nDEND: 0\nENDE: TRUE",
         {"a.txt", "b.txt", "c.txt"}, {"faa.txt", "fab.txt", "fac.txt"}, 3},
        {"letters, past z starts again", 2, "STAMMNAME: f\nSTANZ: 1\nSTWERT: z\nDEND: 0\nENDE: FALSE",
         {"a.txt", "b.txt"}, {"af.txt", "zf.txt"}, 2},
        {"add the stem text in front", 3, "STAMMNAME: 2003_\nDEND: 0\nERGAENZUNG: 0",
         {"Bild.jpg"}, {"2003_Bild.jpg"}, 1},
        {"add a number in front", 3, "STAMMNAME: x\nDEND: 1\nERGAENZUNG: 1\nSTANZ: 2\nSTWERT: 1",
         {"Bild.jpg"}, {"01Bild.JPG"}, 1},
        {"replace: unchanged names are skipped", 4, "ZKALT: _\nZKNEU:  ",
         {"mein_bild.jpg", "foto.jpg"}, {"foto.jpg", "mein bild.jpg"}, 1},
        {"replace into an empty name leaves the file", 4, "ZKALT: abc\nZKNEU: ", {"abc"}, {"abc"}, 0},
        {"replace with an empty search text", 4, "ZKALT: \nZKNEU: x", {"a.txt"}, {"a.txt"}, 0},
        {"insert from the start, short stems skipped", 5, "ZK: -\nPOSITION: 4\nANFANG: TRUE",
         {"abcdef.txt", "abc.txt"}, {"abc.txt", "abcd-ef.txt"}, 1},
        {"insert from the end", 5, "ZK: -\nPOSITION: 4\nANFANG: FALSE", {"abcdef.txt"}, {"ab-cdef.txt"}, 1},
        {"insert counts characters", 5, "ZK: -\nPOSITION: 2\nANFANG: TRUE",
         {smile + smile + "ab.txt"}, {smile + smile + "-ab.txt"}, 1},
        {"cut from the start", 6, "ANZZEICHEN: 2\nPOSITION: 3\nANFANG: TRUE", {"abcdef.txt"}, {"abef.txt"}, 1},
        {"cut from the end", 6, "ANZZEICHEN: 2\nPOSITION: 3\nANFANG: FALSE", {"abcdef.txt"}, {"abcf.txt"}, 1},
        {"cut one from the end", 6, "ANZZEICHEN: 1\nPOSITION: 3\nANFANG: FALSE", {"abcd.txt"}, {"acd.txt"}, 1},
        {"cut more than there is leaves the stem", 6, "ANZZEICHEN: 5\nPOSITION: 3\nANFANG: TRUE",
         {"abcd.txt"}, {"abcd.txt"}, 1},
        {"case: first letter, no lone dot", 7, "OPTION1: 0\nOPTION2: 2",
         {"hallo welt.jpg", "readme"}, {"Hallo welt.Jpg", "Readme"}, 2},
        {"case: word starts", 7, "OPTION1: 1\nOPTION2: 0", {"  hallo  mIXed.jpg"}, {"  Hallo  MIXed.jpg"}, 1},
        {"case: upper, ASCII only", 7, "OPTION1: 2\nOPTION2: 0",
         {QString::fromUtf8("\xC3\xA4rger.txt")}, {QString::fromUtf8("\xC3\xA4RGER.txt")}, 1},
        {"case: lower", 7, "OPTION1: 3\nOPTION2: 2", {"ABC.TXT"}, {"abc.txt"}, 1},
        {"case: swap the extension", 7, "OPTION1: 4\nOPTION2: 1", {"AbC.tXt"}, {"AbC.TxT"}, 1},
        {"shorten by 3 from the start", 8, "ANZZEICHEN: 3\nANFANG: TRUE\nKUERZEN: 0",
         {"abcdef.txt", "abc.txt"}, {"abc.txt", "def.txt"}, 2},
        {"shorten to 8.3 from the end", 8, "ANZZEICHEN: 0\nANFANG: FALSE\nKUERZEN: 1",
         {"abc.text", "abcdefghij.txt", "Verzeichnis.jpeg"}, {"Verzeich.jpe", "abc.tex", "abcdefgh.txt"}, 3},
        {"extension of the matching files", 9, "ENDUNGALT: .JPG\nENDUNGNEU: .jpeg\nBEIALLEN: FALSE",
         {"x.jpg", "y.png"}, {"x.jpeg", "y.png"}, 1},
        {"extension of every file", 9, "ENDUNGALT: \nENDUNGNEU: .txt\nBEIALLEN: TRUE",
         {"x.jpg", "y"}, {"x.txt", "y.txt"}, 2},
        {"old extension without its dot matches nothing", 9, "ENDUNGALT: jpg\nENDUNGNEU: .png\nBEIALLEN: FALSE",
         {"x.jpg"}, {"x.jpg"}, 0},
        {"stop character from the start", 10, "STOPZEICHEN: _\nANZZEICHEN: 2\nANFANG: TRUE",
         {"a_b_c_d.txt"}, {"c_d.txt"}, 1},
        {"stop character from the end", 10, "STOPZEICHEN: _\nANZZEICHEN: 2\nANFANG: FALSE",
         {"a_b_c_d.txt"}, {"a_b.txt"}, 1},
        {"stop character found too seldom", 10, "STOPZEICHEN: _\nANZZEICHEN: 5\nANFANG: TRUE",
         {"a_b_c_d.txt"}, {"a_b_c_d.txt"}, 1},
        {"stop count 0 drops the first character", 10, "STOPZEICHEN: _\nANZZEICHEN: 0\nANFANG: TRUE",
         {"abc.txt"}, {"bc.txt"}, 1},
        {"stop character outside the basic plane", 10,
         "STOPZEICHEN: " + smile.toUtf8() + "\nANZZEICHEN: 1\nANFANG: FALSE",
         {"a" + smile + "b" + smile + "c.txt"}, {"a" + smile + "b.txt"}, 1},
    };
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &name : Names(Files))
            fs::removeFile(Files + name);
        MakeFiles(c.before);
        Run(Command(c.action, c.settings, c.before));
        EXPECT_EQ(Names(Files), c.after);
        EXPECT_EQ(Log().count("\r\n"), 2 * c.loggedPairs);
    }
}

TEST_F(RemoteControlTest, MaskLineCollectsRecursivelyAndKeepsNamesThatAreNotUtf8)
{
    // A name that is not UTF-8 can only come from the file system, not from a line.
    const QByteArray odd = fs::encodeName(Files) + "\xE4" "bc.txt";
    const int fd = ::open(odd.constData(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_TRUE(fs::createFolders(Files + "sub"));
    MakeFile(Files + "sub/def.txt");
    MakeFile(Files + "skip.jpg");

    Run(Command(5, "ZK: -\nPOSITION: 1\nANFANG: TRUE", {"*.txt"}));
    const QString renamed = Files + fs::decodeName("\xE4-bc.txt");
    EXPECT_EQ(Names(Files), QStringList({"skip.jpg", "sub", fs::decodeName("\xE4-bc.txt")}));
    EXPECT_EQ(Names(Files + "sub"), QStringList({"d-ef.txt"}));
    EXPECT_EQ(Log(), Pairs({fs::decodeName(odd), renamed, Files + "sub/def.txt", Files + "sub/d-ef.txt"}));
    fs::removeFile(renamed); // QTemporaryDir cannot remove names that are not UTF-8
}

// ---- Carrying out ----

TEST_F(RemoteControlTest, MovesAndCopiesNeverReplace)
{
    const QByteArray renumber = "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE";

    MakeFiles({"a.txt", "b.txt"});
    MakeFile(Target + "n2.txt", "kept");
    Run(Command(1, renumber, {"a.txt", "b.txt"}, 1, Target));
    EXPECT_EQ(Names(Files), QStringList({"b.txt"}));
    EXPECT_EQ(Names(Target), QStringList({"n1.txt", "n2.txt"}));
    EXPECT_EQ(fs::readFile(Target + "n2.txt"), "kept");
    EXPECT_EQ(Log(), Pairs({Files + "a.txt", Target + "n1.txt"})) << "a refused move is not logged";

    fs::removeFile(Target + "n1.txt");
    Run(Command(1, renumber, {"b.txt"}, 2, Target));
    EXPECT_EQ(Names(Files), QStringList({"b.txt"}));
    EXPECT_EQ(Names(Target), QStringList({"n1.txt", "n2.txt"}));
    EXPECT_EQ(fs::readFile(Target + "n1.txt"), "b.txt");
    EXPECT_EQ(Log(), "") << "copies are not logged";

    fs::removeFile(Target + "n1.txt");
    MakeFile(Target + "n1.txt", "kept too");
    Run(Command(1, renumber, {"b.txt"}, 2, Target));
    EXPECT_EQ(fs::readFile(Target + "n1.txt"), "kept too") << "an existing copy target is kept";

    Run(Command(4, "ZKALT: b\nZKNEU: c", {"b.txt"}, 2, Target));
    EXPECT_EQ(Names(Target), QStringList({"c.txt", "n1.txt", "n2.txt"}));
    EXPECT_EQ(Log(), Pairs({Files + "b.txt", Target + "c.txt"})) << "the replace action logs copies";
}

TEST_F(RemoteControlTest, NoUsableTargetTouchesNoFile)
{
    const struct { const char *name; int dateilvk; QString target; } cases[] = {
        {"move without target", 1, ""},
        {"copy without target", 2, ""},
        {"relative target", 1, "target"},
        {"unknown DATEILVK", 3, "TARGET"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString target = c.target == "TARGET" ? Target : c.target;
        MakeFiles({"a.txt"});
        Run(Command(1, "STAMMNAME: n\nSTANZ: 1\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.txt"}, c.dateilvk, target));
        EXPECT_EQ(Names(Files), QStringList({"a.txt"}));
        EXPECT_TRUE(Names(Target).isEmpty());
        EXPECT_EQ(Log(), "");
    }
}

TEST_F(RemoteControlTest, ShortenCollisionRenamesTheFirstAndKeepsTheSecond)
{
    MakeFiles({"xa.txt", "ya.txt"});
    Run(Command(8, "ANZZEICHEN: 1\nANFANG: TRUE\nKUERZEN: 0", {"xa.txt", "ya.txt"}));
    EXPECT_EQ(Names(Files), QStringList({"a.txt", "ya.txt"}));
    EXPECT_EQ(fs::readFile(Files + "a.txt"), "xa.txt");
    EXPECT_EQ(fs::readFile(Files + "ya.txt"), "ya.txt");
    EXPECT_EQ(Log(), Pairs({Files + "xa.txt", Files + "a.txt"}));
}

// ---- Undo from the log ----

TEST_F(RemoteControlTest, UndoRestoresOnceAndLeavesTheLog)
{
    MakeFiles({"a.jpg", "b.jpg"});
    Run(Command(1, "STAMMNAME: U\nSTANZ: 2\nSTWERT: 1\nDEND: 0\nENDE: TRUE", {"a.jpg", "b.jpg"}));
    ASSERT_EQ(Names(Files), QStringList({"U01.jpg", "U02.jpg"}));
    const QByteArray log = Log();

    Run("AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    EXPECT_EQ(Names(Files), QStringList({"a.jpg", "b.jpg"}));
    EXPECT_EQ(Log(), log);

    MakeFile(Files + "U01.jpg", "new"); // a file made since: the second undo keeps it
    Run("AKTION: 256\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    EXPECT_EQ(Names(Files), QStringList({"U01.jpg", "a.jpg", "b.jpg"}));
    EXPECT_EQ(fs::readFile(Files + "a.jpg"), "a.jpg");
    EXPECT_EQ(fs::readFile(Files + "U01.jpg"), "new");
}

TEST_F(RemoteControlTest, UndoRestoresANameTheBatchFreedAndGaveAway)
{
    MakeFiles({"ba.txt", "cba.txt"});
    Run(Command(8, "ANZZEICHEN: 1\nANFANG: TRUE\nKUERZEN: 0", {"ba.txt", "cba.txt"}));
    ASSERT_EQ(Names(Files), QStringList({"a.txt", "ba.txt"}));
    Run("AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n");
    EXPECT_EQ(Names(Files), QStringList({"ba.txt", "cba.txt"}));
    EXPECT_EQ(fs::readFile(Files + "ba.txt"), "ba.txt");
    EXPECT_EQ(fs::readFile(Files + "cba.txt"), "cba.txt");
}

// The log of a killed batch ends in NUL bytes, possibly behind a pair that was still
// being copied: undo ends at the first NUL and reverses exactly the complete pairs.
TEST_F(RemoteControlTest, UndoEndsAtTheNulPaddingOfAKilledBatch)
{
    const QByteArray undo = "AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n";
    const QByteArray padding(5000, '\0');
    const QByteArray done = Pairs({Files + "a.txt", Files + "A.txt", Files + "b.txt", Files + "B.txt"});
    const struct { const char *name; QByteArray tail; } cases[] = {
        {"padding after the last pair", padding},
        {"new path cut", fs::encodeName(Files + "c.txt\r\n" + Files + "C") + padding},
        {"old path cut", fs::encodeName(Files + "c") + padding},
        {"pair behind the padding", padding + Pairs({Files + "c.txt", Files + "C.txt"})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &name : Names(Files))
            fs::removeFile(Files + name);
        MakeFiles({"A.txt", "B.txt", "C", "C.txt"});
        ASSERT_TRUE(fs::writeFileAtomic(LogPath, done + c.tail));
        Run(undo);
        EXPECT_EQ(Names(Files), QStringList({"C", "C.txt", "a.txt", "b.txt"}));
        EXPECT_EQ(fs::readFile(Files + "C"), "C");
        EXPECT_EQ(fs::readFile(Files + "C.txt"), "C.txt");
    }
}

TEST_F(RemoteControlTest, UndoMovesOnlyPairsOfAbsolutePaths)
{
    MakeFiles({"a.txt", "b.txt", "c.txt"});
    const QByteArray undo = "AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n";
    const struct { const char *name; QStringList lines; QStringList after; } cases[] = {
        {"attribute log", {"0", Files + "a.txt", "32", Files + "b.txt", "32"}, {"a.txt", "b.txt", "c.txt"}},
        {"time-stamp log", {"3", Files + "a.txt", "46000.5", "46000.5", "46000.5", Files + "b.txt", "1", "2", "3"},
         {"a.txt", "b.txt", "c.txt"}},
        {"relative line", {Files + "a.txt", "c.txt"}, {"a.txt", "b.txt", "c.txt"}},
        {"lone last line", {Files + "x.txt", Files + "c.txt", Files + "b.txt"}, {"a.txt", "b.txt", "x.txt"}},
        {"pair onto an existing file", {Files + "a.txt", Files + "b.txt"}, {"a.txt", "b.txt", "x.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fs::writeFileAtomic(LogPath, Pairs(c.lines)));
        Run(undo);
        EXPECT_EQ(Names(Files), c.after);
    }
    EXPECT_EQ(fs::readFile(Files + "a.txt"), "a.txt");
    EXPECT_EQ(fs::readFile(Files + "b.txt"), "b.txt");

    // A path that is not UTF-8 comes back byte for byte.
    const QString odd = Files + fs::decodeName("\xFF.txt");
    ASSERT_TRUE(fs::writeFileAtomic(LogPath, Pairs({odd, Files + "x.txt"})));
    Run(undo);
    EXPECT_EQ(Names(Files), QStringList({"a.txt", "b.txt", fs::decodeName("\xFF.txt")}));
    fs::removeFile(odd); // QTemporaryDir cannot remove names that are not UTF-8
}

} // namespace
