// The program installed as a desktop program (cmake --install of this build into a
// temporary prefix), and started as its menu entry starts it.

#include "localisation/rvDialogs.h"
#include "platform/SharedLibrary.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "shell/Haupt_Globals.h"
#include "shell/frmOptionen.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Str(const QString &s) { return s.toStdString(); }

// Runs a tool to its end; its exit code, and its output in Output.
int RunTool(const QString &program, const QStringList &arguments, QString *Output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << "cannot start " << Str(program);
        return -1;
    }
    EXPECT_TRUE(process.waitForFinished(60000)) << Str(program) << " did not end";
    if (Output)
        *Output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The keys of a desktop entry's main group, localised keys with their "[lang]".
QMap<QString, QString> DesktopEntry(const QString &path)
{
    QMap<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(fs::readFile(path).value_or("")).split(u'\n');
    for (const QString &line : lines)
        if (const qsizetype eq = line.indexOf(u'='); eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    return keys;
}

class Install : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp_.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(tmp_.path()).constData(), 0755), 0);
        prefix_ = tmp_.path() + "/prefix";
        QString output;
        ASSERT_EQ(RunTool(CORVEX_CMAKE, {"--install", CORVEX_BUILD_DIR, "--prefix", prefix_}, &output), 0)
            << Str(output);
        programFolder_ = prefix_ + "/lib/corvexpro/";
    }

    QString EntryPath() const { return prefix_ + "/share/applications/de.wexmoor.CorvexPro.desktop"; }

    // The menu entry's command: its program name in the prefix's bin/ folder.
    QString MenuCommand() const
    {
        const QString exec = DesktopEntry(EntryPath()).value("Exec");
        EXPECT_EQ(Str(exec), "corvexpro %f");
        return prefix_ + "/bin/" + exec.section(u' ', 0, 0);
    }

    // A folder with the file "f.jpg" and a command file that renames it to
    // "P_000000.jpg"; both writable by User (the current user when -1).
    QString CommandFile(const QString &folder, uid_t user = uid_t(-1))
    {
        EXPECT_TRUE(fs::createFolders(folder + "/files"));
        EXPECT_TRUE(fs::writeFileAtomic(folder + "/files/f.jpg", "x"));
        const QString file = folder + "/command.txt";
        EXPECT_TRUE(fs::writeFileAtomic(file, "AKTION: 1\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nSTAMMNAME: P_\r\n"
                                              "STANZ: 6\r\nSTWERT: 0\r\nDEND: 0\r\nENDE: TRUE\r\n" +
                                                  fs::encodeName(folder + "/files/f.jpg") + "\r\n"));
        if (user != uid_t(-1)) {
            for (const QString &path : {folder, folder + "/files", folder + "/files/f.jpg", file})
                EXPECT_EQ(::chown(QFile::encodeName(path).constData(), user, user), 0) << Str(path);
        }
        return file;
    }

    // Starts Program as on a machine without a desktop; with User set, as that user
    // (setpriv), its HOME and XDG folders below Home.
    void RunWithoutDisplay(QProcess &program, const QString &command, const QStringList &arguments,
                           const QString &home = {}, uid_t user = uid_t(-1))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QString executable = command;
        QStringList args = arguments;
        if (!home.isEmpty()) {
            for (const auto &[name, sub] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "config"},
                                            {"XDG_DATA_HOME", "data"}, {"XDG_RUNTIME_DIR", "runtime"}}) {
                const QString folder = home + '/' + sub;
                EXPECT_TRUE(fs::createFolders(folder));
                EXPECT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
                if (user != uid_t(-1)) {
                    EXPECT_EQ(::chown(QFile::encodeName(folder).constData(), user, user), 0);
                }
                env.insert(name, folder);
            }
        }
        if (user != uid_t(-1)) {
            args = QStringList{"--reuid=" + QString::number(user), "--regid=" + QString::number(user),
                               "--clear-groups", "--", command} + arguments;
            executable = "setpriv";
        }
        program.setProcessEnvironment(env);
        program.start(executable, args);
        ASSERT_TRUE(program.waitForStarted(10000)) << "cannot start " << Str(executable);
        ASSERT_TRUE(program.waitForFinished(120000)) << "the installed program did not end";
    }

    QTemporaryDir tmp_;
    QString prefix_;
    QString programFolder_;
};

TEST_F(Install, ProgramFolderLinkDesktopEntryMetainfoAndIcon)
{
    const QFileInfo program(programFolder_ + "corvexpro");
    EXPECT_TRUE(program.isFile() && program.isExecutable());
    EXPECT_TRUE(QFileInfo(programFolder_ + "Unterstriche.so").isFile());
    EXPECT_TRUE(QFileInfo(programFolder_ + "CorvexProPlugin.h").isFile());
    const QFileInfo link(prefix_ + "/bin/corvexpro");
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(Str(QFile::symLinkTarget(link.filePath())), Str(program.canonicalFilePath()));
    char target[256] = {};
    ASSERT_GT(::readlink(QFile::encodeName(link.filePath()).constData(), target, sizeof target - 1), 0);
    EXPECT_STREQ(target, "../lib/corvexpro/corvexpro"); // relative: the prefix may move

    QString output;
    EXPECT_EQ(RunTool("desktop-file-validate", {EntryPath()}, &output), 0)
        << Str(output);
    EXPECT_TRUE(output.trimmed().isEmpty()) << Str(output); // no hints either
    EXPECT_EQ(RunTool("appstreamcli", {"validate", "--no-net", prefix_ + "/share/metainfo/de.wexmoor.CorvexPro.metainfo.xml"},
                  &output),
              0)
        << Str(output);

    const QMap<QString, QString> entry = DesktopEntry(EntryPath());
    for (const char *key : {"Name", "GenericName", "Comment"})
        for (const char *lang : {"", "[de]", "[es]", "[fr]", "[nl]"})
            EXPECT_FALSE(entry.value(QLatin1String(key) + QLatin1String(lang)).isEmpty()) << key << lang;
    EXPECT_EQ(Str(entry.value("Categories")), "Qt;Utility;FileTools;");
    const QString icon = entry.value("Icon");
    EXPECT_TRUE(QFileInfo(prefix_ + "/share/icons/hicolor/scalable/apps/" + icon + ".svg").isFile());
    EXPECT_EQ(QImage(prefix_ + "/share/icons/hicolor/48x48/apps/" + icon + ".png").size(), QSize(48, 48));
}

// Started through the link, the program's folder is the real one: the undo log of a
// writable prefix goes there, and the plug-in list offers the sample plug-in from it.
TEST_F(Install, MenuCommandRunsACommandFileAndFindsTheSamplePlugin)
{
    const QString command = CommandFile(tmp_.path() + "/run");
    QProcess program;
    RunWithoutDisplay(program, MenuCommand(), {"/R:" + command});
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(fs::exists(tmp_.path() + "/run/files/P_000000.jpg"));
    EXPECT_FALSE(fs::exists(tmp_.path() + "/run/files/f.jpg"));
    EXPECT_EQ(fs::readFile(programFolder_ + "Protokoll.txt").value_or("(none)"),
              fs::encodeName(tmp_.path() + "/run/files/f.jpg\r\n" + tmp_.path() + "/run/files/P_000000.jpg\r\n"));

    // The options dialog of a program whose folder is the installed one.
    MainWindowFixture window;
    window.Create();
    ProgramDir = QFileInfo(programFolder_).canonicalFilePath() + '/';
    TOptionenF dialog;
    ScriptedModals modals;
    QStringList offered;
    modals.answerWith([&](QDialog &, const ModalRecord &) {
        for (int row = 0; row < dialog.FileListBox_Opt1->count(); ++row)
            offered << dialog.FileListBox_Opt1->item(row)->text();
        return int(mrCancel);
    });
    dialog.ShowModal();
    EXPECT_EQ(offered, QStringList({"Unterstriche.so"}));
    const platform::SharedLibrary plugin(ProgramDir + offered.value(0));
    ASSERT_TRUE(plugin.Loaded());
    const auto rename = reinterpret_cast<const char *(*)(const char *)>(plugin.Symbol("Neuen_Dateinamen_bestimmen"));
    ASSERT_NE(rename, nullptr);
    EXPECT_STREQ(rename("ein Name.txt"), "ein_Name.txt");
}

// Under a prefix the user cannot write (as root: the program run as nobody), the undo
// log goes to the user's data folder.
TEST_F(Install, PrefixTheUserCannotWriteKeepsTheDataInTheDataFolder)
{
    const uid_t user = ::geteuid() == 0 ? uid_t(65534) : uid_t(-1);
    if (user == uid_t(-1)) {
        ASSERT_EQ(::chmod(QFile::encodeName(programFolder_).constData(), 0555), 0);
    }
    const QString home = tmp_.path() + "/user";
    ASSERT_TRUE(fs::createFolders(home));
    const QString command = CommandFile(tmp_.path() + "/run", user);
    QProcess program;
    RunWithoutDisplay(program, MenuCommand(), {"/R:" + command}, home, user);
    ::chmod(QFile::encodeName(programFolder_).constData(), 0755);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(fs::exists(tmp_.path() + "/run/files/P_000000.jpg"));
    EXPECT_FALSE(fs::exists(programFolder_ + "Protokoll.txt"));
    EXPECT_EQ(fs::readFile(home + "/data/Wexmoor/CorvexPro/Protokoll.txt").value_or("(none)"),
              fs::encodeName(tmp_.path() + "/run/files/f.jpg\r\n" + tmp_.path() + "/run/files/P_000000.jpg\r\n"));
}

} // namespace
