// 10,000 files moved by a drop from the left list onto the right one, against a plain
// loop of renameat2 calls moving them back; then the 10,000 files deleted to the trash
// through the delete item, against a plain loop of trash calls on as many other files.
// Prints the times and the ratios.
//
// Usage: bench_drag_drop [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "platform/desktop/Desktop.h"
#include "platform/toolkit/MenuItem.h"

#include <QCoreApplication>

#include <cstdio>

using namespace bench;

namespace {

constexpr int Rounds = 3;
constexpr int Files = 10000;

QString FileName(int i)
{
    return QStringLiteral("file%1.txt").arg(i);
}

// The files back from To to From, one renameat2 of full paths each.
double PlainLoop(const QString &From, const QString &To)
{
    QList<QByteArray> sources, targets;
    for (int i = 0; i < Files; ++i) {
        sources << fs::encodeName(From + '/' + FileName(i));
        targets << fs::encodeName(To + '/' + FileName(i));
    }
    return Seconds([&] {
        for (int i = 0; i < Files; ++i)
            if (renameat2(AT_FDCWD, sources[i].constData(), AT_FDCWD, targets[i].constData(), RENAME_NOREPLACE) != 0)
                FailWithReason("renameat2");
    });
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    IsolateProgram(fs::encodeName(run.Folder() + "/program")); // the trash lies in this file system
    const QString left = run.Folder() + "/Links", right = run.Folder() + "/Rechts";
    MakeFolderOfFiles(left, Files, FileName);
    MakeFolder(right);
    std::printf("%d files in %s\n", Files, qPrintable(left));
    BenchMainWindow window(left);
    THauptForm &f = window.form;
    if (!f.ShellTreeView02->setPath(right))
        Fail("the right tree cannot show the folder");
    ModalSeam::setHandler([](QDialog &, const ModalRecord &record) {
        if (record.kind == u"PopupMenu")
            return 2; // move
        if (record.dlgType == mtConfirmation)
            return int(mrYes);
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(record.text));
        std::exit(1);
        return 0;
    });

    double drop = 1e30, plain = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        f.ShellListView01->SelectAll();
        const double seconds = Seconds([&] {
            if (!f.ShellListViewDragOver(f.ShellListView02, f.ShellListView01, QPoint(-1, -1)))
                Fail("the right list refused the drag");
            f.ShellListViewDragDrop(f.ShellListView02, f.ShellListView01, QPoint(-1, -1));
        });
        if (fs::listFolder(right).size() != size_t(Files) || !fs::listFolder(left).empty())
            Fail("the drop did not move every file");
        drop = std::min(drop, seconds);
        plain = std::min(plain, PlainLoop(right, left));
        f.ShellListView01->Refresh();
        f.ShellListView02->Refresh();
    }
    std::printf("move by drop: %.3f s, plain renameat2 loop %.3f s, ratio %.2f (target <= 1.5)\n", drop, plain,
                drop / plain);

    // As many other files sent to the trash by a plain loop first: what the trash itself
    // costs here. It also makes the trash folders, whose first 10,000 entries cost more.
    for (int i = 0; i < Files; ++i)
        CreateEmptyFile(fs::encodeName(right + "/o" + FileName(i)));
    const double plainTrash = Seconds([&] {
        for (int i = 0; i < Files; ++i)
            if (!desktop::moveToTrash(right + "/o" + FileName(i)))
                Fail("the plain loop could not trash a file");
    });
    ActiveExplorer = 1;
    f.ShellListView01->SelectAll();
    if (f.ShellListView01->SelCount() != Files)
        Fail("the left list does not show every file");
    const double trash = Seconds([&] { f.HMenuAktionenDateiLoeschen->trigger(); });
    if (!fs::listFolder(left).empty() || fs::listFolder(run.Folder() + "/program/data/Trash/files").size() != size_t(2 * Files))
        Fail("the delete did not put every file into the trash");
    std::printf("delete to the trash: %.3f s (target < 2), plain loop of trash calls %.3f s, ratio %.2f\n", trash,
                plainTrash, trash / plainTrash);
    return 0;
}
