// Sorting 100,000 selected files by type (move, Yes through the dialog seam) with the sort action
// against a plain loop of the same folder creations and renameat2 calls, in the same
// order. Prints both times and the ratio.
//
// Usage: bench_sort_files [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "operations/fktSortieren.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/RadioGroup.h"

#include <QTabWidget>

#include <linux/fs.h>

#include <vector>

using namespace bench;

namespace {

constexpr int Rounds = 3;
constexpr int Files = 100000;
constexpr int Types = 10;

QString Name(int i)
{
    return QStringLiteral("file%1.ty%2").arg(i).arg(i % Types);
}

struct Moves {
    std::vector<QByteArray> folders, from, to;
};

// The moves the sort carried out, in its order, from its log.
Moves MovesOf(const QString &Root, const QStringList &Log)
{
    Moves m;
    for (int t = 0; t < Types; ++t)
        m.folders.push_back(fs::encodeName(Root + QStringLiteral("/ty%1").arg(t)));
    for (qsizetype i = 0; i + 1 < Log.size(); i += 2) {
        m.from.push_back(fs::encodeName(Log[i]));
        m.to.push_back(fs::encodeName(Log[i + 1]));
    }
    if (m.from.size() != size_t(Files))
        Fail("the sort did not move every file");
    return m;
}

void Rename(const std::vector<QByteArray> &From, const std::vector<QByteArray> &To)
{
    for (size_t i = 0; i < From.size(); ++i)
        if (renameat2(AT_FDCWD, From[i].constData(), AT_FDCWD, To[i].constData(), RENAME_NOREPLACE) != 0)
            FailWithReason("renameat2");
}

// Back to the start: every file in the root, no type folders.
void Restore(const Moves &M)
{
    Rename(M.to, M.from);
    for (const QByteArray &folder : M.folders)
        if (rmdir(folder.constData()) != 0)
            FailWithReason("rmdir");
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/files";
    MakeFolderOfFiles(root, Files, Name);

    BenchMainWindow window(root);
    THauptForm &form = window.form;
    Arbeitsverzeichnis = run.Folder() + "/work/";
    Protokolldatei = QStringLiteral("Protokoll.txt");
    ModalSeam::setHandler([](QDialog &, const ModalRecord &) { return int(mrYes); });
    form.PageControl->setCurrentWidget(form.TabSheet03);
    form.SortRadioGroup1->setItemIndex(2);
    form.SortRadioGroup2->setItemIndex(0);
    form.SortRekursiv->setChecked(false); // the files selected in the left list

    // The plain loop makes the same folders and renames the same pairs in the same order.
    double action = 1e30, plain = 1e30;
    for (int i = 0; i < Rounds; ++i) {
        // The folder is shown and all its files selected, as the user would see them.
        form.ShellListView01->Refresh();
        form.ShellListView01->SelectAll();
        action = std::min(action, Seconds([] { HMenuAktionenSortierenClick(); }));
        const Moves moves = MovesOf(root, form.ProtokollListBox);
        Restore(moves);
        plain = std::min(plain, Seconds([&] {
                             for (const QByteArray &folder : moves.folders)
                                 if (mkdir(folder.constData(), 0755) != 0)
                                     FailWithReason("mkdir");
                             Rename(moves.from, moves.to);
                         }));
        Restore(moves);
    }
    std::printf("sort by type, %d files: sort action %.3f s, mkdir + renameat2 loop %.3f s, ratio %.2f (target <= 1.5)\n",
                Files, action, plain, action / plain);
    ModalSeam::setHandler({});
    return 0;
}
