// The attribute batch of kind 4 (attributes, date and time) over 100,000 files selected
// in the left list, Yes answered through the dialog seam, against a plain loop of the
// same platform calls per file. Prints both times and their ratio. Target: within 1.5.
//
// Usage: bench_attribute_batch [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "operations/fktAttribute.h"
#include "platform/fs/Attributes.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"

#include <QTabWidget>

using namespace bench;

namespace {

constexpr int Files = 100000;
constexpr int Rounds = 3;

// What the batch asks of the platform for one file of kind 4.
void PlainCalls(const QString &Path, std::uint32_t Word, TDateTime Year)
{
    fs::FileTimes old;
    if (!fs::readTimes(Path, old))
        Fail("cannot read the stamps");
    const std::uint32_t remembered = GetFileAttributesA(Path);
    SetFileAttributesA(Path, FILE_ATTRIBUTE_NORMAL);
    fs::writeTimes(Path, {Year, old.accessed, old.written});
    SetFileAttributesA(Path, remembered);
    GetFileAttributesA(Path);
    SetFileAttributesA(Path, 0);
    SetFileAttributesA(Path, Word);
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    IsolateProgram(run.Folder().toUtf8() + "/program");
    const QString folder = run.Folder() + "/files";
    MakeFolderOfFiles(folder, Files, [](int i) { return QStringLiteral("Datei %1.txt").arg(i); });
    std::printf("%d files in %s\n", Files, qPrintable(folder));
    QStringList paths;
    for (int i = 0; i < Files; ++i)
        paths << folder + QStringLiteral("/Datei %1.txt").arg(i);

    BenchMainWindow window(folder);
    THauptForm &form = window.form;
    form.PageControl->setCurrentWidget(form.TabSheet02);
    form.AttrRadioGroup1->setItemIndex(4);
    ModalSeam::setHandler([](QDialog &, const ModalRecord &) { return int(mrYes); });

    // Each round flips the hidden bit and the creation year, so that every file changes.
    int round = 0;
    const double batch = Best(Rounds, [&] {
        const bool hidden = ++round % 2 == 1;
        form.AttrCheckBox3->setChecked(hidden);
        form.AJUpDown01->setPosition(hidden ? 2001 : 2002);
        form.ShellListView01->SelectAll(); // the batch's refresh of the lists ends a selection
        if (form.ShellListView01->SelCount() != Files)
            Fail("the left list does not hold the files");
        const double s = Seconds([] { HMenuAktionenAttrAendernClick(); });
        if (form.ProtokollListBox.size() != 1 + 5 * Files
            || (GetFileAttributesA(paths.last()) == FILE_ATTRIBUTE_HIDDEN) != hidden)
            Fail("the batch did not change every file");
        return s;
    });
    const TDateTime year2003 = *fs::joinDateTime({2003, 1, 1, 0, 0, 0, 0});
    const TDateTime year2004 = *fs::joinDateTime({2004, 1, 1, 0, 0, 0, 0});
    const double loop = Best(Rounds, [&] {
        const bool hidden = ++round % 2 == 1;
        return Seconds([&] {
            for (const QString &path : std::as_const(paths))
                PlainCalls(path, hidden ? FILE_ATTRIBUTE_HIDDEN : 0, hidden ? year2003 : year2004);
        });
    });
    std::printf("kind 4 over %d files: batch %.3f s, plain loop %.3f s, ratio %.2f (target <= 1.5)\n", Files, batch,
                loop, batch / loop);
    return 0;
}
