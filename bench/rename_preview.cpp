// The rename preview over 100,000 files in 100 folders, collected recursively from the
// left tree: the number index and the replace rule. Each is timed as a whole (the
// collection, the copy to the new names, the rule, the grid fill and the repaint of
// the shown grid) and in its parts. Target: under one second for each preview.
//
// Usage: bench_rename_preview [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "operations/fktUmbenennen.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QStackedWidget>

using namespace bench;

namespace {

constexpr int Files = TreeFolders * TreeFilesPerFolder;
constexpr int Rounds = 3;

void Measure(THauptForm &form, const char *rule)
{
    const double preview = BestSeconds(Rounds, [] {
        ShowRenamePreview();
        QCoreApplication::processEvents(); // the shown grid lays out and repaints
    });
    TStringGrid *grid = form.VorschauStringGrid01;
    if (grid->RowCount() != Files + 1 || grid->Cells(0, 1) == grid->Cells(1, 1))
        Fail("the preview does not show the renamed batch");
    const double collect = BestSeconds(Rounds, [] { PrepareRenameLists(); });
    const QStringList collected = form.AlteDateinamen;
    const double ruleTime = BestSeconds(Rounds, [&] {
        form.NeueDateinamen = collected;
        if (form.DatUmbRadioGroup02->ItemIndex() == 0)
            SetUpIndexRule();
        else
            ReplaceCharacters();
    });
    std::printf("%-13s preview %.3f s (collection and copy %.3f s, rule %.3f s); first row %s -> %s (target < 1 s)\n",
                rule, preview, collect, ruleTime, qPrintable(grid->Cells(0, 1)), qPrintable(grid->Cells(1, 1)));
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    BuildTree(root);

    BenchMainWindow window(root);
    THauptForm &form = window.form;
    form.DatUmbRekursiv->setChecked(true);
    form.DatUmbVorschau->setDown(true);
    form.Explorer02->setCurrentWidget(form.VorschauStringGrid01->parentWidget());
    form.Explorer02->show();
    form.show();
    QCoreApplication::processEvents();

    form.DatUmbRadioGroup02->setItemIndex(0);
    form.DatUmbEdit01->setText(QStringLiteral("Bild"));
    form.UpDownStellenanzahl01->setPosition(6);
    form.DatUmbEdit03->setText(QStringLiteral("1"));
    Measure(form, "number index:");
    if (LastIndexValue != Files)
        Fail("the number index preview did not set LastIndexValue");

    form.DatUmbRadioGroup02->setItemIndex(3);
    form.DatUmbEdit05->setText(QStringLiteral("file"));
    form.DatUmbEdit06->setText(QStringLiteral("datei"));
    Measure(form, "replace:");

    return 0;
}
