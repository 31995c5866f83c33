// The menus' state in the main window (shown offscreen): opening the Aktionen menu with
// 100,000 items selected in the left list (target < 50 ms), and a page change with both
// lists on folders of 20,000 files, which re-reads both (target < 0.25 s). Prints the
// best of a few rounds.
//
// Usage: bench_menu_state [folder in which to build the test folders]

#include "bench/BenchSupport.h"

#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QMenu>
#include <QTabWidget>

using namespace bench;

namespace {

constexpr int Rounds = 5;

void BuildFolder(const QString &Folder, int Files)
{
    MakeFolder(Folder);
    for (int i = 0; i < Files; ++i)
        CreateEmptyFile(fs::encodeName(Folder + QStringLiteral("/IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0'))));
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString big = run.Folder() + "/gross", left = run.Folder() + "/links", right = run.Folder() + "/rechts";
    BuildFolder(big, 100000);
    BuildFolder(left, 20000);
    BuildFolder(right, 20000);
    std::printf("folders of 100,000 and twice 20,000 files under %s\n", qPrintable(run.Folder()));

    THauptForm form;
    form.resize(1280, 800);
    form.show();
    QCoreApplication::processEvents();

    // The Aktionen menu opens on the rename page with every item of the left list selected.
    if (!form.ShellTreeView01->setPath(big))
        Fail("the tree cannot show the folder");
    form.ShellListView01->SelectAll();
    ActiveExplorer = 1;
    const double menu = BestSeconds(Rounds, [&] { emit form.HMenuAktionen->aboutToShow(); });
    if (form.ShellListView01->SelCount() != 100000 || form.HMenuAktionenDateiLoeschen->text().isEmpty()
        || !form.HMenuAktionenDateiLoeschen->isEnabled())
        Fail("the menu does not offer the actions for the selection");
    std::printf("open the Aktionen menu, 100,000 items selected: %.1f ms (target < 50 ms)\n", menu * 1000);

    // Page changes between the sorting and the attributes page, both lists re-read.
    form.ShellListView01->ClearSelection();
    if (!form.ShellTreeView01->setPath(left) || !form.ShellTreeView02->setPath(right))
        Fail("the trees cannot show the folders");
    int page = 2;
    const double change = BestSeconds(Rounds, [&] {
        page = page == 2 ? 1 : 2;
        form.PageControl->setCurrentIndex(page);
    });
    if (form.ShellListView01->Count() != 20000 || form.ShellListView02->Count() != 20000)
        Fail("the lists do not hold the folders' files");
    std::printf("page change, both lists on folders of 20,000 files: %.3f s (target < 0.25 s)\n", change);
    return 0;
}
