// Batch core against the plain system: 100,000 files in 100 folders, collected with
// CollectFilesRecursive (against find) and renamed in place with ExecuteFileRename
// (against a loop of renameat2 calls over the same names). Prints times and ratios.
//
// Usage: bench_batch_core [folder in which to build the tree]

#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int Folders = 100;
constexpr int FilesPerFolder = 1000;
constexpr int Rounds = 3;

double Seconds(const std::function<void()> &fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return double(t.nsecsElapsed()) / 1e9;
}

double Best(const std::function<double()> &round)
{
    double best = 1e30;
    for (int i = 0; i < Rounds; ++i)
        best = std::min(best, round());
    return best;
}

// 10 folders below the root, each with 9 sub-folders: 100 folders, 1000 files each.
QStringList BuildTree(const QString &root)
{
    QStringList folders;
    for (int top = 0; top < 10; ++top) {
        const QString t = root + QStringLiteral("/d%1").arg(top);
        folders << t;
        for (int sub = 0; sub < 9; ++sub)
            folders << t + QStringLiteral("/s%1").arg(sub);
    }
    for (const QString &folder : folders) {
        if (mkdir(fs::encodeName(folder).constData(), 0755) != 0) {
            perror("mkdir");
            std::exit(1);
        }
        for (int i = 0; i < FilesPerFolder; ++i) {
            const QByteArray path = fs::encodeName(folder + QStringLiteral("/file%1.txt").arg(i));
            const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (fd < 0) {
                perror("open");
                std::exit(1);
            }
            close(fd);
        }
    }
    return folders;
}

double FindSeconds(const QString &root)
{
    const QByteArray command = "find '" + fs::encodeName(root) + "' -type f";
    return Seconds([&] {
        FILE *out = popen(command.constData(), "r");
        char buffer[1 << 16];
        size_t total = 0;
        while (const size_t got = fread(buffer, 1, sizeof buffer, out))
            total += got;
        pclose(out);
        if (total == 0)
            std::exit(1);
    });
}

double PlainRenameSeconds(const QStringList &from, const QStringList &to)
{
    std::vector<QByteArray> a, b;
    for (qsizetype i = 0; i < from.size(); ++i) {
        a.push_back(fs::encodeName(from[i]));
        b.push_back(fs::encodeName(to[i]));
    }
    return Seconds([&] {
        for (size_t i = 0; i < a.size(); ++i)
            if (renameat2(AT_FDCWD, a[i].constData(), AT_FDCWD, b[i].constData(), RENAME_NOREPLACE) != 0) {
                perror("renameat2");
                std::exit(1);
            }
    });
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/corvex-bench-XXXXXX" : QString());
    if (!dir.isValid())
        return 1;
    const QString root = dir.path() + "/tree";
    mkdir(fs::encodeName(root).constData(), 0755);
    BuildTree(root);
    std::printf("tree: %d folders, %d files under %s\n", Folders, Folders * FilesPerFolder, qPrintable(root));

    THauptForm form;
    HauptForm = &form;
    Arbeitsverzeichnis = dir.path() + "/work/";
    Protokolldatei = QStringLiteral("Protokoll.txt");
    ModalSeam::setHandler([](QDialog &, const ModalRecord &) { return int(mrYes); });

    const double find = Best([&] { return FindSeconds(root); });
    const double collect = Best([&] {
        form.AlteDateinamen.clear();
        return Seconds([&] { CollectFilesRecursive(root + "/*.*"); });
    });
    if (form.AlteDateinamen.size() != Folders * FilesPerFolder) {
        std::printf("collected %lld files\n", (long long)form.AlteDateinamen.size());
        return 1;
    }

    const QStringList oldNames = form.AlteDateinamen;
    QStringList newNames;
    for (const QString &p : oldNames)
        newNames << QString(p).replace(QStringLiteral("/file"), QStringLiteral("/renamed"));

    // Each round renames there with the executor and back with the plain loop, and
    // then there with the plain loop and back with the executor.
    double executor = 1e30, plain = 1e30;
    form.DatUmbRadioGroup01->setItemIndex(0);
    for (int i = 0; i < Rounds; ++i) {
        form.AlteDateinamen = oldNames;
        form.NeueDateinamen = newNames;
        executor = std::min(executor, Seconds([] { ExecuteFileRename(); }));
        plain = std::min(plain, PlainRenameSeconds(newNames, oldNames));
        plain = std::min(plain, PlainRenameSeconds(oldNames, newNames));
        form.AlteDateinamen = newNames;
        form.NeueDateinamen = oldNames;
        executor = std::min(executor, Seconds([] { ExecuteFileRename(); }));
    }
    if (form.ProtokollListBox.size() != 2 * oldNames.size()) {
        std::printf("executor logged %lld lines\n", (long long)form.ProtokollListBox.size());
        return 1;
    }

    std::printf("collection: CollectFilesRecursive %.3f s, find %.3f s, ratio %.2f (target <= 1.5)\n", collect, find,
                collect / find);
    std::printf("rename:     ExecuteFileRename %.3f s, renameat2 loop %.3f s, ratio %.2f (target <= 1.5)\n", executor,
                plain, executor / plain);
    ModalSeam::setHandler({});
    HauptForm = nullptr;
    return 0;
}
