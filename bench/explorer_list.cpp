// Opening a folder of 20,000 files in the left explorer of the main window (shown
// offscreen in view mode 1): the tree selects the folder, the list reads it through
// its add-item filter and its handlers run; then the list is painted once, in the list
// style and in the report style. Prints the best of a few rounds (target < 0.5 s).
//
// Usage: bench_explorer_list [folder in which to build the test folders]

#include "bench/BenchSupport.h"

#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QToolButton>

using namespace bench;

namespace {

constexpr int Files = 20000;
constexpr int Rounds = 5;

// Picture and document names of a camera folder, all of one length.
void BuildFolder(const QString &folder)
{
    MakeFolder(folder);
    const char *extensions[] = {".jpg", ".JPG", ".txt", ".html"};
    for (int i = 0; i < Files; ++i) {
        const QString name = QStringLiteral("/IMG_%1%2").arg(i, 5, 10, QLatin1Char('0')).arg(QLatin1String(extensions[i % 4]));
        CreateEmptyFile(fs::encodeName(folder + name));
    }
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString first = run.Folder() + "/eins", second = run.Folder() + "/zwei";
    BuildFolder(first);
    BuildFolder(second);
    std::printf("two folders of %d files under %s\n", Files, qPrintable(run.Folder()));

    THauptForm form;
    form.resize(1280, 800);
    form.show();
    QCoreApplication::processEvents();
    TShellListView *list = form.ShellListView01;

    // Each round opens the folder not shown: the tree's change reads the list.
    auto measure = [&](const char *filter, int expected) {
        const int index = form.FilterComboBox01->findData(QString::fromLatin1(filter));
        if (index < 0)
            Fail("no such filter");
        form.FilterComboBox01->setCurrentIndex(index);
        double best = 1e30;
        for (int round = 0; round < Rounds; ++round) {
            const QString folder = list->Root() == first ? second : first;
            const double seconds = Seconds([&] {
                if (!form.ShellTreeView01->setPath(folder))
                    Fail("the tree cannot show the folder");
                list->currentView()->viewport()->repaint();
            });
            if (list->Count() != expected)
                Fail("the list does not hold the files of the filter");
            best = std::min(best, seconds);
            QCoreApplication::processEvents();
        }
        std::printf("open a folder of %d files, filter %-13s %5d shown (fill and first paint): %.3f s (target < 0.5 s)\n",
                    Files, filter, expected, best);
    };
    measure("*.*", Files);
    measure("*.jpg;*.jpeg", Files / 2);
    form.TB01Report->click(); // the report view fits its name column to every folder
    measure("*.*", Files);
    return 0;
}
