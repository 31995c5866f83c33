// A command file of 100,000 path lines with action 1 (renumber), run by the whole
// program (start-up included), against a plain loop of renameat2 calls over the same
// files. Prints both times and their ratio for a few rounds.
//
//   bench_command_file [program]   (default: $CORVEX_PROGRAM, else ../corvexpro)

#include "bench/BenchSupport.h"

#include <QCoreApplication>
#include <QProcess>

#include <stdio.h>

#include <vector>

using namespace bench;

namespace {

constexpr int FileCount = 100000;
constexpr int Rounds = 3;

QByteArray NameOf(const QByteArray &prefix, int i)
{
    return prefix + QByteArray::number(i).rightJustified(6, '0') + ".jpg";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString program = qEnvironmentVariable("CORVEX_PROGRAM");
    if (argc > 1)
        program = QString::fromLocal8Bit(argv[1]);
    if (program.isEmpty())
        program = QCoreApplication::applicationDirPath() + "/../corvexpro";

    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    const QByteArray base = root.path().toUtf8();
    const QByteArray files = base + "/files/";
    fs::createFolders(QString::fromUtf8(files));
    IsolateProgram(base);

    std::vector<QByteArray> current;
    current.reserve(FileCount);
    for (int i = 0; i < FileCount; ++i) {
        current.push_back(files + NameOf("f", i));
        CreateEmptyFile(current.back());
    }

    std::vector<double> ratios;
    for (int round = 0; round < Rounds; ++round) {
        // Plain loop: every file renamed once, never replacing.
        const QByteArray loopPrefix = "L" + QByteArray::number(round) + "_";
        const double loop = Seconds([&] {
            for (int i = 0; i < FileCount; ++i) {
                QByteArray to = files + NameOf(loopPrefix, i);
                if (::renameat2(AT_FDCWD, current[i].constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0)
                    FailWithReason("renameat2");
                current[i] = std::move(to);
            }
        });

        // The program on a command file naming the same files.
        const QByteArray stem = "P" + QByteArray::number(round) + "_";
        QByteArray command = "AKTION: 1\r\nZIELVERZEICHNIS: \r\nDATEILVK: 0\r\nSTAMMNAME: " + stem
            + "\r\nSTANZ: 6\r\nSTWERT: 0\r\nDEND: 0\r\nENDE: TRUE\r\n";
        for (const QByteArray &path : current)
            command += path + "\r\n";
        const QString commandFile = QString::fromUtf8(base + "/command.txt");
        fs::removeFile(commandFile);
        fs::writeFileAtomic(commandFile, command);

        QProcess run;
        run.setProgram(program);
        run.setArguments({"/R:" + commandFile});
        const double whole = Seconds([&] {
            run.start();
            if (!run.waitForFinished(600000) || run.exitCode() != 0) {
                std::fprintf(stderr, "program failed: %s\n", run.readAllStandardError().constData());
                std::exit(1);
            }
        });
        for (int i = 0; i < FileCount; ++i)
            current[i] = files + NameOf(stem, i);
        if (!fs::exists(QString::fromUtf8(current.front())) || !fs::exists(QString::fromUtf8(current.back()))) {
            std::fprintf(stderr, "the program did not rename the files\n");
            return 1;
        }

        ratios.push_back(whole / loop);
        std::printf("round %d: renameat2 loop %.3f s, program %.3f s, ratio %.2f\n", round + 1, loop, whole,
                    whole / loop);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("%d files, median ratio %.2f (target: at most 2)\n", FileCount, ratios[ratios.size() / 2]);
    return 0;
}
