// The rename preview over 100,000 files in 100 folders, collected recursively from the
// left tree: the number index and the replace rule. Each is timed as a whole (the
// collection, the copy to the new names, the rule, the grid fill and the repaint of
// the shown grid) and in its parts. Target: under one second for each preview.
//
// Usage: bench_rename_preview [folder in which to build the tree]

#include "localisation/rvDialogs.h"
#include "operations/fktUmbenennen.h"
#include "platform/Application.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int Folders = 100;
constexpr int FilesPerFolder = 1000;
constexpr int Files = Folders * FilesPerFolder;
constexpr int Rounds = 3;

double Seconds(const std::function<void()> &fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return double(t.nsecsElapsed()) / 1e9;
}

double Best(const std::function<void()> &fn)
{
    double best = 1e30;
    for (int i = 0; i < Rounds; ++i)
        best = std::min(best, Seconds(fn));
    return best;
}

void Fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// 10 folders below the root, each with 9 sub-folders: 100 folders, 1000 files each.
void BuildTree(const QString &root)
{
    for (int top = 0; top < 10; ++top) {
        const QString t = root + QStringLiteral("/d%1").arg(top);
        QStringList folders{t};
        for (int sub = 0; sub < 9; ++sub)
            folders << t + QStringLiteral("/s%1").arg(sub);
        for (const QString &folder : folders) {
            if (mkdir(fs::encodeName(folder).constData(), 0755) != 0)
                Fail("mkdir failed");
            for (int i = 0; i < FilesPerFolder; ++i) {
                const QByteArray path = fs::encodeName(folder + QStringLiteral("/file%1.txt").arg(i));
                const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                if (fd < 0)
                    Fail("open failed");
                close(fd);
            }
        }
    }
}

void Measure(THauptForm &form, const char *rule)
{
    const double preview = Best([] {
        ShowRenamePreview();
        QCoreApplication::processEvents(); // the shown grid lays out and repaints
    });
    TStringGrid *grid = form.VorschauStringGrid01;
    if (grid->RowCount() != Files + 1 || grid->Cells(0, 1) == grid->Cells(1, 1))
        Fail("the preview does not show the renamed batch");
    const double collect = Best([] { PrepareRenameLists(); });
    const QStringList collected = form.AlteDateinamen;
    const double ruleTime = Best([&] {
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/corvex-bench-XXXXXX" : QString());
    if (!dir.isValid())
        return 1;
    const QString root = dir.path() + "/tree";
    if (mkdir(fs::encodeName(root).constData(), 0755) != 0)
        Fail("mkdir failed");
    BuildTree(root);
    std::printf("tree: %d folders, %d files under %s\n", Folders, Files, qPrintable(root));

    THauptForm form;
    HauptForm = &form;
    ModalSeam::setHandler([](QDialog &, const ModalRecord &record) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(record.text));
        std::exit(1);
        return 0;
    });
    ActiveExplorer = 1;
    FilterMasksLeft = {QStringLiteral("*.*")};
    if (!form.ShellTreeView01->setPath(root))
        Fail("the tree cannot show the folder");
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

    ModalSeam::setHandler({});
    HauptForm = nullptr;
    return 0;
}
