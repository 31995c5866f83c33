// Typing into a rule field while the preview of 100,000 files selected in the left list
// is shown: each keystroke in the replacement field refreshes the whole preview, and the
// window repaints. Then keystrokes whose check fails (the text to replace deleted key by
// key down to empty): the grid empties and the message shows in its line, no box. Prints
// the median and the slowest keystroke of each kind. Target: under 0.25 s per keystroke.
//
// Usage: bench_rename_preview_typing [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"

#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <vector>

using namespace bench;

namespace {

constexpr int Files = 100000;

// One key typed into Field as the keyboard gives it, and the repaint that follows.
double Keystroke(QWidget *Field, Qt::Key Key, const QString &Text)
{
    return Seconds([&] {
        QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
        QKeyEvent release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
        QCoreApplication::sendEvent(Field, &press);
        QCoreApplication::sendEvent(Field, &release);
        QCoreApplication::processEvents();
    });
}

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
    form.DatUmbVorschau->click();
    QCoreApplication::processEvents();
    TStringGrid *grid = form.VorschauStringGrid01;
    if (grid->RowCount() != Files + 1)
        Fail("the preview does not show the batch");

    // The median and the slowest of a row of keystrokes.
    const auto report = [](const char *What, std::vector<double> Times) {
        std::sort(Times.begin(), Times.end());
        std::printf("%s: median %.3f s, slowest %.3f s per keystroke over %zu keys (target < 0.25 s)\n", What,
                    Times[Times.size() / 2], Times.back(), Times.size());
    };
    const QString typed = QStringLiteral("Reiseziel");
    std::vector<double> times;
    for (QChar c : typed)
        times.push_back(Keystroke(form.DatUmbEdit06, Qt::Key(c.toUpper().unicode()), QString(c)));
    if (grid->RowCount() != Files + 1 || !grid->Cells(1, 1).startsWith(typed))
        Fail("the preview does not follow the typed text");
    report("typing the replacement with the preview of 100,000 files shown", times);

    times.clear();
    form.DatUmbEdit05->setCursorPosition(int(form.DatUmbEdit05->text().size()));
    while (!form.DatUmbEdit05->text().isEmpty())
        times.push_back(Keystroke(form.DatUmbEdit05, Qt::Key_Backspace, QString()));
    if (grid->RowCount() != 1 || form.VorschauLabel01->isHidden())
        Fail("the failed check does not show in the preview's line");
    report("deleting the text to replace, down to the failed check", times);
    return 0;
}
