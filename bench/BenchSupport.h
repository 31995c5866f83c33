#pragma once
// What the benchmarks share: the start with the window's application in a temporary
// folder, building test trees, failing loudly and timing. Header only, since every
// bench/*.cpp is a program of its own.

#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace bench {

[[noreturn]] inline void Fail(const char *What)
{
    std::fprintf(stderr, "%s\n", What);
    std::exit(1);
}

// Fails with the system's reason (errno) for What.
[[noreturn]] inline void FailWithReason(const char *What)
{
    std::perror(What);
    std::exit(1);
}

inline void MakeFolder(const QString &Folder)
{
    if (mkdir(fs::encodeName(Folder).constData(), 0755) != 0)
        FailWithReason("mkdir");
}

// A new empty file at the encoded path Path.
inline void CreateEmptyFile(const QByteArray &Path)
{
    const int fd = open(Path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        FailWithReason("open");
    close(fd);
}

// A new folder with Count empty files, named Name(0) to Name(Count - 1).
template <typename NameOf> void MakeFolderOfFiles(const QString &Folder, int Count, NameOf Name)
{
    MakeFolder(Folder);
    for (int i = 0; i < Count; ++i)
        CreateEmptyFile(fs::encodeName(Folder + QLatin1Char('/') + Name(i)));
}

constexpr int TreeFolders = 100;
constexpr int TreeFilesPerFolder = 1000;

// The folder Root with 10 folders below it, each with 9 sub-folders: TreeFolders
// folders of TreeFilesPerFolder files "file<i>.txt" each. Prints what it built.
inline void BuildTree(const QString &Root)
{
    MakeFolder(Root);
    for (int top = 0; top < 10; ++top) {
        const QString t = Root + QStringLiteral("/d%1").arg(top);
        QStringList folders{t};
        for (int sub = 0; sub < 9; ++sub)
            folders << t + QStringLiteral("/s%1").arg(sub);
        for (const QString &folder : folders) {
            MakeFolder(folder);
            for (int i = 0; i < TreeFilesPerFolder; ++i)
                CreateEmptyFile(fs::encodeName(folder + QStringLiteral("/file%1.txt").arg(i)));
        }
    }
    std::printf("tree: %d folders, %d files under %s\n", TreeFolders, TreeFolders * TreeFilesPerFolder,
                qPrintable(Root));
}

// The program started by a benchmark keeps its settings, undo log (in <Base>/work/) and
// instance lock inside Base, and runs without a display.
inline void IsolateProgram(const QByteArray &Base)
{
    for (const auto &[name, sub] : {std::pair{"HOME", "/home"}, {"XDG_CONFIG_HOME", "/config"},
                                    {"XDG_DATA_HOME", "/data"}, {"XDG_RUNTIME_DIR", "/runtime"}}) {
        if (!fs::createFolders(QString::fromUtf8(Base + sub)))
            Fail("cannot create the program's folders");
        setenv(name, (Base + sub).constData(), 1);
    }
    chmod((Base + "/runtime").constData(), 0700); // as Qt expects of XDG_RUNTIME_DIR
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        unsetenv(name);
    if (!fs::createFolders(QString::fromUtf8(Base + "/work")))
        Fail("cannot create the program's working folder");
    TRegistry reg;
    if (!reg.OpenKey(QStringLiteral("\\Software\\Wexmoor\\CorvexPro\\V1.50"), true))
        Fail("cannot write the program's settings");
    reg.WriteString(QStringLiteral("Arbeitsverzeichnis"), QString::fromUtf8(Base + "/work/"));
}

inline double Seconds(const std::function<void()> &Fn)
{
    QElapsedTimer t;
    t.start();
    Fn();
    return double(t.nsecsElapsed()) / 1e9;
}

// The smallest of Rounds results of Round (each returns the seconds it measured).
inline double Best(int Rounds, const std::function<double()> &Round)
{
    double best = 1e30;
    for (int i = 0; i < Rounds; ++i)
        best = std::min(best, Round());
    return best;
}

// The best time of Rounds runs of Fn.
inline double BestSeconds(int Rounds, const std::function<void()> &Fn)
{
    return Best(Rounds, [&] { return Seconds(Fn); });
}

// The time find takes to print the entries below Root that Predicates (find's own
// arguments, such as "-type f") choose; fails when it prints nothing.
inline double FindSeconds(const QString &Root, const char *Predicates = "")
{
    const QByteArray command = "find '" + fs::encodeName(Root) + "' " + Predicates;
    return Seconds([&] {
        FILE *out = popen(command.constData(), "r");
        char buffer[1 << 16];
        size_t total = 0;
        while (const size_t got = fread(buffer, 1, sizeof buffer, out))
            total += got;
        pclose(out);
        if (total == 0)
            Fail("find listed nothing");
    });
}

// The start of a benchmark of the window: the offscreen platform unless another one is
// set, the application, and a temporary folder inside the folder given as the first
// argument (else in the system's temporary folder).
class WindowBench {
public:
    WindowBench(int &argc, char **argv)
        : app_(UseOffscreenPlatform(argc), argv),
          dir_(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/corvex-bench-XXXXXX" : QString())
    {
        if (!dir_.isValid())
            Fail("cannot create the temporary folder");
    }
    QString Folder() const { return dir_.path(); }

private:
    // Runs before the application is created.
    static int &UseOffscreenPlatform(int &argc)
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return argc;
    }

    TApplication app_;
    QTemporaryDir dir_;
};

// The main window of a benchmark, HauptForm while it lives, with its left explorer on
// Folder showing every file; any message ends the benchmark.
class BenchMainWindow {
public:
    explicit BenchMainWindow(const QString &Folder)
    {
        HauptForm = &form;
        ModalSeam::setHandler([](QDialog &, const ModalRecord &record) {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(record.text));
            std::exit(1);
            return 0;
        });
        ActiveExplorer = 1;
        FilterMasksLeft = {QStringLiteral("*.*")};
        if (!form.ShellTreeView01->setPath(Folder))
            Fail("the tree cannot show the folder");
    }
    ~BenchMainWindow()
    {
        ModalSeam::setHandler({});
        HauptForm = nullptr;
    }
    BenchMainWindow(const BenchMainWindow &) = delete;
    BenchMainWindow &operator=(const BenchMainWindow &) = delete;

    THauptForm form;
};

// The window shown at 1024 x 700 with the replacement rule searching "Urlaub" and all
// Files of the left list selected.
inline void SelectAllForTheReplacement(THauptForm &form, int Files)
{
    form.resize(1024, 700);
    form.show();
    QCoreApplication::processEvents();
    form.DatUmbRadioGroup02->setItemIndex(3);
    form.DatUmbEdit05->setText(QStringLiteral("Urlaub"));
    form.ShellListView01->SelectAll();
    if (form.ShellListView01->SelCount() != Files)
        Fail("the left list does not hold the files");
}

} // namespace bench
