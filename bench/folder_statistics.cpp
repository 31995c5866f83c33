// ShowFolderStatistics over a folder of 100 sub-folders with 1,000 files each against
// one find walk over the same folder. Prints both times and the ratio.
//
// Usage: bench_folder_statistics [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "operations/fktAllgemein.h"
#include "operations/fktOrdner.h"
#include "platform/toolkit/StringGrid.h"

using namespace bench;

namespace {

constexpr int Rounds = 5;
constexpr int SubFolders = 100;
constexpr int FilesPerFolder = 1000;

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    MakeFolder(root);
    for (int i = 0; i < SubFolders; ++i)
        MakeFolderOfFiles(root + QStringLiteral("/d%1").arg(i, 3, 10, QLatin1Char('0')), FilesPerFolder,
                          [](int k) { return QStringLiteral("file%1.txt").arg(k); });
    std::printf("tree: %d sub-folders, %d files under %s\n", SubFolders, SubFolders * FilesPerFolder,
                qPrintable(root));
    BenchMainWindow window(root);
    window.form.ShellListView01->Refresh();

    const double find = Best(Rounds, [&] { return FindSeconds(root); });
    const double statistics = BestSeconds(Rounds, [] { ShowFolderStatistics(); });
    TStringGrid *table = window.form.OrdnerStringGrid01;
    if (table->RowCount() != SubFolders + 1 || table->Cells(2, 1) != QString::number(FilesPerFolder))
        Fail("the statistics do not show every sub-folder");
    std::printf("folder statistics: ShowFolderStatistics %.3f s, find %.3f s, ratio %.2f (target <= 4)\n",
                statistics, find, statistics / find);
    // Its three walks of every sub-folder, each on its own.
    QStringList &scratch = window.form.AlteDateinamen;
    const auto walks = [&](const std::function<void(const QString &)> &Walk) {
        return BestSeconds(Rounds, [&] {
            for (int i = 0; i < SubFolders; ++i) {
                scratch.clear();
                Walk(root + QStringLiteral("/d%1/").arg(i, 3, 10, QLatin1Char('0')));
            }
        });
    };
    const double sizes = walks([](const QString &f) { GetFolderSize(f, true); });
    const double files = walks([](const QString &f) { CollectFilesRecursive(f + QStringLiteral("*.*")); });
    const double folders = walks([](const QString &f) { ListFoldersRecursive(f); });
    std::printf("  of which: sizes %.3f s, file counts %.3f s, folder counts %.3f s\n", sizes, files, folders);
    return 0;
}
