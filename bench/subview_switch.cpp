// The rename page's sub-view switch: "TTF" and back to "Allgemein" with both explorer
// lists on folders of 20,000 files. Each switch sets the filter lists of both boxes and
// re-reads both lists. Target: under 0.25 s for the two switches.
//
// Usage: bench_subview_switch [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "platform/toolkit/Buttons.h"

#include <QStackedWidget>

using namespace bench;

namespace {

constexpr int Files = 20000;
constexpr int FontEvery = 10; // every tenth file is a font
constexpr int Rounds = 5;

// Folder with Files files, every FontEvery-th of them a ".ttf", the others in turn
// ".txt", ".jpg" and ".mp3".
void BuildFolder(const QString &Folder)
{
    static const char *const others[] = {"txt", "jpg", "mp3"};
    MakeFolder(Folder);
    for (int i = 0; i < Files; ++i) {
        const char *ext = i % FontEvery == 0 ? "ttf" : others[i % 3];
        CreateEmptyFile(fs::encodeName(Folder + QStringLiteral("/file%1.%2").arg(i).arg(QLatin1String(ext))));
    }
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString left = run.Folder() + "/left", right = run.Folder() + "/right";
    BuildFolder(left);
    BuildFolder(right);

    BenchMainWindow window(left);
    THauptForm &form = window.form;
    form.HMenuAnsichtDragDropClick(); // both lists shown
    if (!form.ShellTreeView02->setPath(right))
        Fail("the right tree cannot show the folder");
    form.show();
    QCoreApplication::processEvents();
    const auto expectCounts = [&](int Count, const char *What) {
        if (form.ShellListView01->Count() != Count || form.ShellListView02->Count() != Count)
            Fail(What);
    };
    expectCounts(Files, "the lists do not show every file");

    const double both = BestSeconds(Rounds, [&] {
        form.DatUmbSpeedButton03->click();
        QCoreApplication::processEvents(); // the lists repaint
        expectCounts(Files / FontEvery, "\"TTF\" does not show the fonts only");
        form.DatUmbSpeedButton01->click();
        QCoreApplication::processEvents();
        expectCounts(Files, "\"Allgemein\" does not show every file again");
    });
    if (form.DatUmb01->currentIndex() != 0)
        Fail("the rule list is not shown again");
    std::printf("sub-view \"TTF\" and back with %d files in each list: %.3f s (target < 0.25 s)\n", Files, both);
    return 0;
}
