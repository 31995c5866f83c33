// ListEmptyFolders over a tree of 10,000 folders and 100,000 files against find over the
// same tree. Prints both times and the ratio.
//
// Usage: bench_empty_folders [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "operations/fktOrdner.h"


using namespace bench;

namespace {

constexpr int Rounds = 5;
constexpr int TopFolders = 100;
constexpr int SubFolders = 99;      // 100 + 100 * 99 = 10,000 folders
constexpr int FilesPerFolder = 11;  // in each top folder and 9 of every 10 sub-folders
constexpr int FilesPerTop = 10;     // 100 * (10 + 90 * 11) = 100,000 files

int BuildFolderTree(const QString &Root)
{
    MakeFolder(Root);
    int files = 0, empty = 0;
    for (int top = 0; top < TopFolders; ++top) {
        const QString t = Root + QStringLiteral("/d%1").arg(top);
        MakeFolder(t);
        for (int i = 0; i < FilesPerTop; ++i, ++files)
            CreateEmptyFile(fs::encodeName(t + QStringLiteral("/top%1.txt").arg(i)));
        for (int sub = 0; sub < SubFolders; ++sub) {
            const QString s = t + QStringLiteral("/s%1").arg(sub);
            MakeFolder(s);
            if (sub % 10 == 9) {
                ++empty;
                continue;
            }
            for (int i = 0; i < FilesPerFolder; ++i, ++files)
                CreateEmptyFile(fs::encodeName(s + QStringLiteral("/file%1.txt").arg(i)));
        }
    }
    std::printf("tree: %d folders, %d files, %d empty folders under %s\n", TopFolders * (SubFolders + 1), files,
                empty, qPrintable(Root));
    return empty;
}


} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    const int empty = BuildFolderTree(root);
    BenchMainWindow window(root);

    const double find = Best(Rounds, [&] { return FindSeconds(root); });
    const double list = BestSeconds(Rounds, [&] { ListEmptyFolders(root); });
    if (window.form.AlteDateinamen.size() != empty)
        Fail("ListEmptyFolders did not find every empty folder");
    std::printf("empty folders: ListEmptyFolders %.3f s, find %.3f s, ratio %.2f (target <= 2)\n", list, find,
                list / find);
    return 0;
}
