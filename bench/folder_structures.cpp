// The folder-structure editor over 100 folders of 100 sub-folders each: read from disk
// into the editor, saved as a structure file, loaded again, and created on disk against
// a plain loop of mkdir calls making the same folders. Prints the times and the ratio.
//
// Usage: bench_folder_structures [folder in which to build the trees]

#include "bench/BenchSupport.h"

#include "operations/TextLines.h"
#include "operations/fktOrdner.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/TreeView.h"

#include <QComboBox>
#include <QPushButton>

using namespace bench;

namespace {

constexpr int Rounds = 5;
constexpr int TopFolders = 100;
constexpr int SubFolders = 100;
constexpr int Folders = TopFolders * (SubFolders + 1);

QString Top(int i)
{
    return QStringLiteral("Ordner%1").arg(i, 3, 10, QLatin1Char('0'));
}

QString Sub(int i)
{
    return QStringLiteral("Unterordner%1").arg(i, 3, 10, QLatin1Char('0'));
}

// The folders below Root by a plain mkdir loop, parents first.
void MakeWithMkdir(const QString &Root)
{
    MakeFolder(Root);
    for (int t = 0; t < TopFolders; ++t) {
        const QString top = Root + u'/' + Top(t);
        MakeFolder(top);
        for (int s = 0; s < SubFolders; ++s)
            MakeFolder(top + u'/' + Sub(s));
    }
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString source = run.Folder() + "/quelle";
    MakeWithMkdir(source);
    std::printf("tree: %d folders under %s\n", Folders, qPrintable(source));
    BenchMainWindow window(run.Folder());
    THauptForm &f = window.form;
    Arbeitsverzeichnis = run.Folder() + "/work/";
    fs::createFolders(Arbeitsverzeichnis);
    TTreeView *tree = f.OrdTreeView;

    const double read = BestSeconds(Rounds, [&] {
        tree->Clear();
        ReadFolderTreeRecursive(tree, source, false, nullptr);
        tree->AlphaSort();
    });
    if (tree->Nodes().size() != size_t(Folders))
        Fail("the tree read does not hold every folder");

    f.OrdEdit1->setText("Struktur");
    const double save = BestSeconds(Rounds, [&] { f.OrdStrukturSpeichern->click(); });
    const double load = BestSeconds(Rounds, [&] {
        f.OrdComboBox1->setCurrentText("Struktur.ord");
        f.OrdStrukturLaden->click();
    });
    if (tree->Nodes().size() != size_t(Folders))
        Fail("the tree loaded does not hold every folder");

    int round = 0;
    const double create = Best(Rounds, [&] {
        const QString target = run.Folder() + QStringLiteral("/ziel%1").arg(round++);
        MakeFolder(target);
        f.OrdnerZielverzeichnis->setText(target);
        return Seconds([&] { f.OrdnerStrukturErstellen->click(); });
    });
    if (fs::listFolder(run.Folder() + "/ziel0").size() != size_t(TopFolders)
        || fs::listFolder(run.Folder() + "/ziel0/" + Top(7)).size() != size_t(SubFolders))
        Fail("the structure was not created");
    const double mkdirs = Best(Rounds, [&] {
        const QString target = run.Folder() + QStringLiteral("/mkdir%1").arg(round++);
        return Seconds([&] { MakeWithMkdir(target); });
    });

    std::printf("read into the editor %.3f s (target < 1 s)\n", read);
    std::printf("saved %.3f s, loaded %.3f s (target < 1 s)\n", save, load);
    std::printf("created %.3f s, mkdir loop %.3f s, ratio %.2f (target <= 1.5)\n", create, mkdirs, create / mkdirs);
    return 0;
}
