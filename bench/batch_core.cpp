// Batch core against the plain system: 100,000 files in 100 folders, collected with
// CollectFilesRecursive (against find) and renamed in place with ExecuteFileRename
// (against a loop of renameat2 calls over the same names). Prints times and ratios.
//
// Usage: bench_batch_core [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <linux/fs.h>
#include <stdio.h>

#include <vector>

using namespace bench;

namespace {

constexpr int Rounds = 3;

double PlainRenameSeconds(const QStringList &from, const QStringList &to)
{
    std::vector<QByteArray> a, b;
    for (qsizetype i = 0; i < from.size(); ++i) {
        a.push_back(fs::encodeName(from[i]));
        b.push_back(fs::encodeName(to[i]));
    }
    return Seconds([&] {
        for (size_t i = 0; i < a.size(); ++i)
            if (renameat2(AT_FDCWD, a[i].constData(), AT_FDCWD, b[i].constData(), RENAME_NOREPLACE) != 0)
                FailWithReason("renameat2");
    });
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    BuildTree(root);

    THauptForm form;
    HauptForm = &form;
    Arbeitsverzeichnis = run.Folder() + "/work/";
    Protokolldatei = QStringLiteral("Protokoll.txt");
    ModalSeam::setHandler([](QDialog &, const ModalRecord &) { return int(mrYes); });

    const double find = Best(Rounds, [&] { return FindSeconds(root, "-type f"); });
    const double collect = Best(Rounds, [&] {
        form.AlteDateinamen.clear();
        return Seconds([&] { CollectFilesRecursive(root + "/*.*"); });
    });
    if (form.AlteDateinamen.size() != TreeFolders * TreeFilesPerFolder) {
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
