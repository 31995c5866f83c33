// Whole processes side by side on the same 100,000 files in 100 folders: a plain
// renameat2 loop (bench_renameat2_loop), the same loop writing an undo log as it goes
// (one write per pair, as the program must), the program's command-file rename (/R:,
// action 1) and its undo (action 0), mmv and perl rename, each renaming every file and back.
// Rounds are interleaved (the order of the renamers turns each round); the figures are
// medians: time, peak memory (from /usr/bin/time), and the program's time against each.
// Started by bench/compare-renamers.sh, which installs mmv, rename and time.
//
//   bench_compare_renamers <program> <renameat2 loop> <work folder>

#include "bench/BenchSupport.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <linux/magic.h>
#include <spawn.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <time.h>

#include <map>
#include <string>
#include <vector>

extern char **environ;

using namespace bench;

namespace {

constexpr int Rounds = 5;

struct Command {
    Command(std::vector<std::string> arguments, std::string input = {})
        : arguments(std::move(arguments)), input(std::move(input)) {}
    std::vector<std::string> arguments;
    std::string input; // file for standard input, or empty
};

struct Measured {
    double seconds;
    double peakMiB;
};

// Runs the command as a process of its own (found on PATH) and measures it from the
// spawn to the end of the wait. The peak memory comes from /usr/bin/time: a child's
// maxrss from wait4 would count the memory of this process, which it starts as a copy of.
Measured RunProcess(const Command &command, const std::string &peakFile)
{
    std::vector<char *> argv;
    for (const char *wrapper : {"/usr/bin/time", "-f", "%M", "-o"})
        argv.push_back(const_cast<char *>(wrapper));
    argv.push_back(const_cast<char *>(peakFile.c_str()));
    for (const std::string &argument : command.arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!command.input.empty())
        posix_spawn_file_actions_addopen(&actions, 0, command.input.c_str(), O_RDONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        FailWithReason(argv[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        FailWithReason("waitpid");
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", command.arguments.front().c_str(), status);
        std::exit(1);
    }
    bool number = false;
    const double peakKiB = fs::readFile(QString::fromStdString(peakFile)).value_or("").trimmed().toDouble(&number);
    if (!number)
        Fail("no peak memory from /usr/bin/time");
    return {double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9, peakKiB / 1024.0};
}

// The folders of BuildTree in the order the renameat2 loop walks them.
std::vector<QByteArray> FolderPaths(const QByteArray &root)
{
    std::vector<QByteArray> folders;
    for (int top = 0; top < 10; ++top) {
        const QByteArray folder = root + "/d" + QByteArray::number(top);
        folders.push_back(folder);
        for (int sub = 0; sub < 9; ++sub)
            folders.push_back(folder + "/s" + QByteArray::number(sub));
    }
    return folders;
}

void WriteFile(const QByteArray &path, const QByteArray &content)
{
    if (!fs::writeFileAtomic(QString::fromUtf8(path), content))
        Fail("cannot write a file of the benchmark");
}

void Expect(const QByteArray &path, const char *after)
{
    if (!fs::exists(QString::fromUtf8(path))) {
        std::fprintf(stderr, "after %s: %s is missing\n", after, path.constData());
        std::exit(1);
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Renamer {
    const char *name;
    Command rename, back;
    QByteArray renamedSample; // the last file of the tree after the rename
};

struct Figures {
    std::vector<double> renameSeconds, backSeconds, peakMiB;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        Fail("usage: bench_compare_renamers <program> <renameat2 loop> <work folder>");
    const std::string program = argv[1], loop = argv[2];

    QTemporaryDir root(QString::fromLocal8Bit(argv[3]) + "/corvex-renamers-XXXXXX");
    if (!root.isValid())
        Fail("cannot create the temporary folder");
    const QByteArray base = root.path().toUtf8(), tree = base + "/tree";
    struct statfs where{};
    if (statfs(base.constData(), &where) != 0)
        FailWithReason("statfs");
    std::printf("work folder %s (%s)\n", base.constData(), where.f_type == EXT4_SUPER_MAGIC ? "ext4" : "not ext4!");

    IsolateProgram(base);
    BuildTree(QString::fromUtf8(tree));
    // The inputs: the command files, and the name lists perl rename reads.
    QByteArray renameCommand = "AKTION: 1\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nSTAMMNAME: C\r\nSTANZ: 6\r\n"
                               "STWERT: 0\r\nDEND: 0\r\nENDE: TRUE\r\n";
    QByteArray originalList, perlList;
    for (const QByteArray &folder : FolderPaths(tree)) {
        for (int i = 0; i < TreeFilesPerFolder; ++i) {
            const QByteArray number = QByteArray::number(i) + ".txt";
            renameCommand += folder + "/file" + number + "\r\n";
            originalList += folder + "/file" + number + '\0';
            perlList += folder + "/perl" + number + '\0';
        }
    }
    WriteFile(base + "/rename.txt", renameCommand);
    WriteFile(base + "/undo.txt", "AKTION: 0\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\n\r\n");
    WriteFile(base + "/original.lst", originalList);
    WriteFile(base + "/perl.lst", perlList);
    const std::string at = base.toStdString(), treeAt = tree.toStdString();
    const QByteArray last = tree + "/d9/s8/";

    const std::string loopLog = at + "/loop-log.txt";
    std::vector<Renamer> renamers = {
        {"renameat2 loop", {{loop, treeAt, "file", "loop"}}, {{loop, treeAt, "loop", "file"}}, last + "loop999.txt"},
        {"loop + log", {{loop, treeAt, "file", "logged", loopLog}}, {{loop, treeAt, "logged", "file", loopLog}},
         last + "logged999.txt"},
        {"corvexpro /R:", {{program, "/R:" + at + "/rename.txt"}}, {{program, "/R:" + at + "/undo.txt"}},
         last + "C099999.txt"},
        {"mmv", {{"mmv", "-r", treeAt + "/;file*.txt", "mmv#2.txt"}}, {{"mmv", "-r", treeAt + "/;mmv*.txt", "file#2.txt"}},
         last + "mmv999.txt"},
        {"perl rename", {{"rename", "-d", "-0", "s/^file/perl/"}, at + "/original.lst"},
         {{"rename", "-d", "-0", "s/^perl/file/"}, at + "/perl.lst"}, last + "perl999.txt"},
    };
    std::vector<Figures> figures(renamers.size());
    // Round 0 warms the caches and is not counted.
    for (int round = 0; round <= Rounds; ++round) {
        for (std::size_t k = 0; k < renamers.size(); ++k) {
            const std::size_t which = (k + round) % renamers.size();
            const Renamer &r = renamers[which];
            Figures &f = figures[which];
            const Measured there = RunProcess(r.rename, at + "/peak.txt");
            Expect(r.renamedSample, r.name);
            const Measured back = RunProcess(r.back, at + "/peak.txt");
            Expect(last + "file999.txt", r.name);
            if (round == 0)
                continue;
            f.renameSeconds.push_back(there.seconds);
            f.backSeconds.push_back(back.seconds);
            f.peakMiB.push_back(std::max(there.peakMiB, back.peakMiB));
        }
        if (round > 0)
            std::printf("round %d of %d done\n", round, Rounds);
    }

    const int files = TreeFolders * TreeFilesPerFolder;
    std::printf("\n%d files in %d folders, medians of %d interleaved rounds\n", files, TreeFolders, Rounds);
    std::printf("%-16s %10s %14s %10s\n", "", "rename s", "undo/back s", "peak MiB");
    for (std::size_t i = 0; i < renamers.size(); ++i)
        std::printf("%-16s %10.3f %14.3f %10.1f\n", renamers[i].name, Median(figures[i].renameSeconds),
                    Median(figures[i].backSeconds), Median(figures[i].peakMiB));
    const Figures &ours = figures[2];
    std::printf("\ncorvexpro's time against  rename   undo   (medians of the per-round ratios)\n");
    for (const std::size_t other : {0, 1, 3, 4}) {
        std::vector<double> there, back;
        for (int i = 0; i < Rounds; ++i) {
            there.push_back(ours.renameSeconds[i] / figures[other].renameSeconds[i]);
            back.push_back(ours.backSeconds[i] / figures[other].backSeconds[i]);
        }
        std::printf("%-24s %7.2f %6.2f\n", renamers[other].name, Median(there), Median(back));
    }
    return 0;
}
