#include "operations/fktAllgemein_Sammeln.h"

#include "operations/fktAllgemein.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// Lets the message loop run, at most every few milliseconds, so that the window stays
// responsive during a long scan without paying for it once per folder.
void KeepResponsive()
{
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < 10)
        return;
    QCoreApplication::processEvents();
    sinceLast.start();
}

TShellListView *ActiveList()
{
    return ActiveExplorer == 1 ? HauptForm->ShellListView01
         : ActiveExplorer == 2 ? HauptForm->ShellListView02
                               : nullptr;
}

} // namespace

// ---- Collectors ----

void CollectFilesRecursive(const QString &PathMask)
{
    const BatchGuard guard;
    WalkFilesRecursive(PathMask, HauptForm->AlteDateinamen, {});
}

void WalkFilesRecursive(const QString &PathMask, QStringList &Found, const std::function<bool()> &Stop)
{
    const qsizetype slash = PathMask.lastIndexOf(u'/');
    if (!PathMask.startsWith(u'/') || slash < 0)
        return;
    const QString mask = PathMask.mid(slash + 1);
    const bool everyName = mask == u"*" || mask == u"*.*";
    // Depth first, pre-order: the files of a folder, then its sub-folders in order.
    std::vector<QString> pending{PathMask.left(slash + 1)};
    std::vector<QString> subFolders;
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        KeepResponsive();
        if (Stop && Stop())
            return;
        subFolders.clear();
        for (const fs::Entry &e : fs::listFolder(folder)) {
            if (!e.isFolder) {
                if (everyName || fs::matchesMask(e.name, mask))
                    Found.append(folder + e.name);
            } else if (!e.name.startsWith(u'.')) {
                subFolders.push_back(folder + e.name + u'/');
            }
        }
        std::move(subFolders.rbegin(), subFolders.rend(), std::back_inserter(pending));
    }
}

void CollectSelectedFiles()
{
    THauptForm *f = HauptForm;
    f->AlteDateinamen.clear();
    f->NeueDateinamen.clear();
    if (TShellListView *list = ActiveList()) {
        try {
            for (int row : list->SelectedRows()) {
                const TShellFolder item = list->Folders(row);
                if (!item.IsFolder && !item.PathName.isEmpty())
                    f->AlteDateinamen.append(item.PathName);
            }
        } catch (const std::exception &) {
            // An unreadable list ends the walk; what was collected stands.
        }
    }
    if (f->AlteDateinamen.isEmpty())
        ReportAndAbort(9000);
}

void CollectFolderFiles(QString &Folder)
{
    THauptForm *f = HauptForm;
    {
        const HourglassCursor busy;
        f->AlteDateinamen.clear();
        f->NeueDateinamen.clear();
        TShellTreeView *tree = ActiveExplorer == 2 ? f->ShellTreeView02 : f->ShellTreeView01;
        const QString base = tree ? AddTrailingBackslash(tree->Path()) : QString();
        if (base.startsWith(u'/')) {
            // A mask holding "/" would leave the tree folder; such masks are skipped.
            for (const QString &mask : ActiveExplorer == 2 ? FilterMasksRight : FilterMasksLeft)
                if (!mask.contains(u'/'))
                    CollectFilesRecursive(base + mask);
        }
        if (!f->AlteDateinamen.isEmpty()) {
            Folder = base;
            return;
        }
    }
    ReportAndAbort(9052);
}

void CollectFileListFiles(QString &Folder)
{
    THauptForm *f = HauptForm;
    f->AlteDateinamen.clear();
    f->NeueDateinamen.clear();
    TStringGrid *grid = f->DLStringGrid;
    const int rows = grid ? grid->RowCount() : 0;
    for (int r = 0; r < rows; ++r) {
        const QString path = grid->Cells(1, r);
        if (r == 0 || !path.isEmpty())
            f->AlteDateinamen.append(path);
    }
    BatchCount = int(f->AlteDateinamen.size());
    if (BatchCount == 0 || f->AlteDateinamen[0].isEmpty()) {
        BatchCount = 0;
        f->AlteDateinamen.clear();
        ReportAndAbort(9052);
    }
    Folder.clear();
}

void DropUnchangedNames()
{
    QStringList &oldNames = HauptForm->AlteDateinamen;
    QStringList &newNames = HauptForm->NeueDateinamen;
    const qsizetype common = std::min(oldNames.size(), newNames.size());
    qsizetype kept = 0;
    for (qsizetype i = 0; i < common; ++i) {
        if (oldNames[i] == newNames[i])
            continue;
        if (kept != i) {
            oldNames[kept] = std::move(oldNames[i]);
            newNames[kept] = std::move(newNames[i]);
        }
        ++kept;
    }
    // Entries beyond the shorter list have no partner to compare with; they stay.
    oldNames.remove(kept, common - kept);
    newNames.remove(kept, common - kept);
    if (oldNames.isEmpty()) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        Abort();
    }
}
