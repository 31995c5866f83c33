// A change of language with the rename preview on over 100,000 selected files: the
// whole main window relabelled, its option groups reset to their first item, and the
// preview refreshed once at the end. Target: under one second.
//
// Usage: bench_language_change [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "localisation/fktSprache.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QStackedWidget>

using namespace bench;

namespace {

constexpr int Files = 100000;
constexpr int Rounds = 3;

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString folder = run.Folder() + "/files";
    MakeFolderOfFiles(folder, Files, [](int i) { return QStringLiteral("file%1.txt").arg(i); });

    BenchMainWindow window(folder);
    THauptForm &form = window.form;
    form.ShellListView01->SelectAll();
    if (form.ShellListView01->SelCount() != Files)
        Fail("the list does not hold the files selected");
    form.DatUmbEdit01->setText(QStringLiteral("Bild"));
    form.UpDownStellenanzahl01->setPosition(6);
    form.DatUmbRadioGroup02->setItemIndex(5);
    form.DatUmbVorschau->setDown(true);
    form.Explorer02->setCurrentWidget(form.VorschauStringGrid01->parentWidget());
    form.show();
    QCoreApplication::processEvents();

    TStringGrid *grid = form.VorschauStringGrid01;
    int language = 0;
    const double change = Best(Rounds, [&] {
        grid->setRowCount(2);
        form.DatUmbRadioGroup02->setItemIndex(5);
        language = language == 0 ? 10000 : 0;
        Sprache = language;
        const double s = Seconds([] {
            ApplyLanguageCaptions();
            QCoreApplication::processEvents(); // the relabelled window and grid repaint
        });
        if (grid->RowCount() != Files + 1 || form.DatUmbRadioGroup02->ItemIndex() != 0 ||
            grid->Cells(0, 0) != LoadLangString(8993))
            Fail("the language change did not refresh the preview");
        return s;
    });
    std::printf("language change with the preview on over %d selected files: %.3f s; first row %s -> %s "
                "(target < 1 s)\n",
                Files, change, qPrintable(grid->Cells(0, 1)), qPrintable(grid->Cells(1, 1)));

    return 0;
}
