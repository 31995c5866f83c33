// The rename preview over 100,000 files in 100 folders, collected recursively from the
// left tree, with the rename-function language ("<N:ZSA4:SZU:LVG>") and with the sample
// plug-in (rule 10). Target: under one second for each preview.
//
// Usage: bench_rename_functions [folder in which to build the tree]

#include "bench/BenchSupport.h"

#include "operations/fktUmbenennen.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QComboBox>
#include <QStackedWidget>

using namespace bench;

namespace {

constexpr int Files = TreeFolders * TreeFilesPerFolder;
constexpr int Rounds = 3;

void Measure(THauptForm &form, const char *what, const QString &firstNew)
{
    const double preview = BestSeconds(Rounds, [] {
        ShowRenamePreview();
        QCoreApplication::processEvents(); // the shown grid lays out and repaints
    });
    TStringGrid *grid = form.VorschauStringGrid01;
    if (grid->RowCount() != Files + 1 || grid->Cells(1, 1) != firstNew)
        Fail("the preview does not show the renamed batch");
    std::printf("%-18s preview %.3f s; first row %s -> %s (target < 1 s)\n", what, preview,
                qPrintable(grid->Cells(0, 1)), qPrintable(grid->Cells(1, 1)));
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder() + "/tree";
    BuildTree(root);

    BenchMainWindow window(root);
    THauptForm &form = window.form;
    form.Explorer02->setCurrentWidget(form.VorschauStringGrid01->parentWidget());
    form.Explorer02->show();
    form.show();

    form.DatUmbSpeedButton02->click();
    form.UmbenennungsFunktion->setText(QStringLiteral("<N:ZSA4:SZU:LVG>"));
    form.DatUmbRekursiv->setChecked(true);
    form.DatUmbVorschau->setDown(true);
    QCoreApplication::processEvents();
    Measure(form, "rename functions:", QStringLiteral("file0000.txt"));

    form.DatUmbSpeedButton01->click();
    form.DatUmbRadioGroup02->setItemIndex(10);
    form.DatUmbComboBox03->setEditText(QCoreApplication::applicationDirPath() + QStringLiteral("/../Unterstriche.so"));
    form.DatUmbRekursiv->setChecked(true);
    form.DatUmbVorschau->setDown(true);
    Measure(form, "sample plug-in:", QStringLiteral("file0.txt"));
    return 0;
}
