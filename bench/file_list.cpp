// The file list of the rename page over 100,000 files selected in the right list:
// adding them, adding them again (all duplicates) and sorting them by the number in
// each name, each through its button; then the rows following a batch that moved every
// file, and its undo; then the folder opened in the left explorer in the list and the
// report style. Target: under 0.5 s each.
//
// Usage: bench_file_list [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "platform/dialogs/ModalSeam.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"

#include <QAbstractItemView>
#include <QStackedWidget>
#include <QToolButton>

using namespace bench;

namespace {

constexpr int Files = 100000;

double Click(TSpeedButton *Button)
{
    return Seconds([Button] {
        Button->click();
        QCoreApplication::processEvents(); // the shown list lays out and repaints
    });
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString folder = run.Folder() + "/files";
    MakeFolderOfFiles(folder, Files, [](int i) { return QStringLiteral("track%1.mp3").arg((i * 7919) % Files); });
    std::printf("folder: %d files under %s\n", Files, qPrintable(folder));

    THauptForm form;
    HauptForm = &form;
    ModalSeam::setHandler([](QDialog &, const ModalRecord &record) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(record.text));
        std::exit(1);
        return 0;
    });
    form.Explorer01->setCurrentWidget(form.DLStringGrid->parentWidget());
    form.show();
    form.ShellListView02->setRoot(folder);
    form.ShellListView02->SelectAll();
    if (form.ShellListView02->SelCount() != Files)
        Fail("the right list does not show the files");
    QCoreApplication::processEvents();

    TStringGrid *grid = form.DLStringGrid;
    const double add = Click(form.DLSpeedButton02);
    if (grid->RowCount() != Files)
        Fail("the file list does not hold every file");
    const double again = Click(form.DLSpeedButton02);
    if (grid->RowCount() != Files)
        Fail("the second add added duplicates");
    const double sort = Click(form.DLSpeedButton01);
    if (grid->Cells(0, 0) != QStringLiteral("track0.mp3") || grid->Cells(0, Files - 1) != QStringLiteral("track99999.mp3") ||
        !grid->Cells(1, Files - 1).endsWith(QStringLiteral("/track99999.mp3")))
        Fail("the file list is not sorted by number");
    // A rename batch that moved every file: the rows follow its log, then its undo.
    QStringList moves, back;
    moves.reserve(2 * Files);
    back.reserve(2 * Files);
    for (int r = 0; r < Files; ++r) {
        const QString path = grid->Cells(1, r);
        moves << path << path + QStringLiteral(".neu");
    }
    for (qsizetype i = moves.size() - 2; i >= 0; i -= 2)
        back << moves[i + 1] << moves[i];
    const double follow = Seconds([&] { form.FileListFollowMoves(moves); });
    if (!grid->Cells(1, Files - 1).endsWith(QStringLiteral("/track99999.mp3.neu")))
        Fail("the file list did not follow the moves");
    const double followBack = Seconds([&] { form.FileListFollowMoves(back); });
    if (!grid->Cells(1, Files - 1).endsWith(QStringLiteral("/track99999.mp3")))
        Fail("the file list did not follow the undo");
    std::printf("add %.3f s, add again (all duplicates) %.3f s, sort %.3f s, follow a batch %.3f s, "
                "follow its undo %.3f s (target < 0.5 s each)\n",
                add, again, sort, follow, followBack);

    // The same folder in the left explorer, in the list and the report style: read, its
    // widest name found, laid out and painted.
    form.Explorer01->setCurrentIndex(0);
    QCoreApplication::processEvents();
    for (QToolButton *style : {form.TB01List, form.TB01Report}) {
        style->click();
        form.ShellTreeView01->setPath(run.Folder());
        QCoreApplication::processEvents();
        const double open = Seconds([&] {
            if (!form.ShellTreeView01->setPath(folder))
                Fail("the tree cannot show the folder");
            form.ShellListView01->currentView()->viewport()->repaint();
        });
        if (form.ShellListView01->Count() != Files)
            Fail("the left list does not show the files");
        std::printf("open the folder in the %s style: %.3f s (target < 0.5 s)\n",
                    style == form.TB01List ? "list" : "report", open);
    }
    return 0;
}
