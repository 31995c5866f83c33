// The recursive folder preview (upper case) over 20,000 folders. Prints its time.
//
// Usage: bench_folder_rename_preview [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "operations/fktOrdner.h"
#include "operations/fktUmbenennen.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QTabWidget>

using namespace bench;

namespace {

constexpr int Rounds = 5;
constexpr int TopFolders = 100;
constexpr int SubFolders = 199; // 100 + 100 * 199 = 20,000 folders

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    MakeFolder(root);
    for (int top = 0; top < TopFolders; ++top) {
        const QString t = root + QStringLiteral("/d%1").arg(top);
        MakeFolder(t);
        for (int sub = 0; sub < SubFolders; ++sub)
            MakeFolder(t + QStringLiteral("/s%1").arg(sub));
    }
    const int folders = TopFolders * (SubFolders + 1);
    std::printf("tree: %d folders under %s\n", folders, qPrintable(root));
    BenchMainWindow window(root);
    THauptForm &f = window.form;
    f.PageControl->setCurrentWidget(f.TabSheet04);
    f.OrdnerRekursiv->setChecked(true);
    f.RadioGroupOrdU1->setItemIndex(3);
    f.RadioGroupOrdU2->setItemIndex(2);
    f.OrdnerVorschauSB->setDown(true);

    const double preview = BestSeconds(Rounds, [] { ShowRenamePreview(); });
    if (f.VorschauStringGrid01->RowCount() != folders + 1 || f.VorschauStringGrid01->Cells(1, 1) != "D0")
        Fail("the preview does not show every folder");
    std::printf("folder preview: %d folders in %.3f s (target < 1 s)\n", folders, preview);
    // The walk that gathers the folders, on its own, and find over the same tree.
    const double walk = BestSeconds(Rounds, [&] {
        f.AlteDateinamen.clear();
        ListFoldersRecursive(root);
    });
    const double find = Best(Rounds, [&] { return FindSeconds(root, "-type d"); });
    std::printf("  of which the walk %.3f s (find -type d %.3f s)\n", walk, find);
    return 0;
}
