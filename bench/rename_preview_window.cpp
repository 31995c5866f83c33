// Pressing "Vorschau" in the window with 100,000 files selected in the left list: the
// button's click switches to view 4 and fills the preview grid, and the window lays
// out and repaints. Target: under one second.
//
// Usage: bench_rename_preview_window [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

using namespace bench;

namespace {

constexpr int Files = 100000;
constexpr int Rounds = 3;

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString folder = run.Folder() + "/files";
    MakeFolderOfFiles(folder, Files, [](int i) { return QStringLiteral("Urlaub %1.jpg").arg(i); });
    std::printf("%d files in %s\n", Files, qPrintable(folder));

    BenchMainWindow window(folder);
    THauptForm &form = window.form;
    SelectAllForTheReplacement(form, Files);
    form.DatUmbEdit06->setText(QStringLiteral("Reise"));
    QCoreApplication::processEvents();

    TStringGrid *grid = form.VorschauStringGrid01;
    const double press = Best(Rounds, [&] {
        const double s = Seconds([&] {
            form.DatUmbVorschau->click();
            QCoreApplication::processEvents(); // the switched view lays out and repaints
        });
        if (!form.DatUmbVorschau->Down() || ViewMode != 4 || grid->RowCount() != Files + 1
            || !grid->Cells(1, 1).startsWith(QStringLiteral("Reise")))
            Fail("pressing the button does not show the preview of the batch");
        form.DatUmbVorschau->click(); // released again, untimed
        QCoreApplication::processEvents();
        return s;
    });
    std::printf("pressing \"Vorschau\" with %d files selected: %.3f s; first row %s -> %s (target < 1 s)\n", Files,
                press, qPrintable(grid->Cells(0, 1)), qPrintable(grid->Cells(1, 1)));
    return 0;
}
