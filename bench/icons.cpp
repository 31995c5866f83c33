// Icon extraction into tiles: 1,000 PE files with 4 icon groups each (a 16 x 16 8-bit
// and a 32 x 32 32-bit image per group), taken recursively from one folder, 4,000 tiles
// in the window offscreen. Prints the best of three runs (target: under 1.5 s), and the
// reading of the same icons alone.
//
// Usage: bench_icons [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "operations/fktIcons.h"
#include "platform/icons/ExtractIcon.h"
#include "platform/toolkit/Buttons.h"
#include "tests/support/IconFiles.h"

#include <QFile>
#include <QTabWidget>

using namespace bench;
using namespace iconfiles;

namespace {

constexpr int Rounds = 3;
constexpr int Files = 1000, IconsPerFile = 4;

QByteArray Program(int Seed)
{
    std::vector<Group> groups;
    for (int i = 0; i < IconsPerFile; ++i) {
        const QRgb colour = qRgb((Seed * 37 + i * 60) % 256, (Seed * 11) % 256, (i * 90) % 256);
        groups.push_back({{Dib(Picture(16, 16, colour), 8), Dib(Picture(32, 32, colour), 32)}, std::nullopt,
                          quint16(i + 1)});
    }
    return Pe(groups, Seed % 2 == 1);
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder();
    const QString folder = root + "/programs";
    MakeFolder(folder);
    for (int i = 0; i < Files; ++i) {
        QFile file(folder + QStringLiteral("/prog%1.exe").arg(i, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(Program(i)) < 0)
            Fail("cannot write a program file");
    }
    BenchMainWindow window(folder);
    THauptForm &form = window.form;
    Arbeitsverzeichnis = root + "/work/";
    form.GrafikRekursiv->setChecked(true);
    form.show(); // the tiles are shown and painted as they come
    form.PageControl->setCurrentWidget(form.TabSheet05);
    form.GrafikSB01->click();
    const double seconds = BestSeconds(Rounds, [&] {
        ExtractIconsOfFiles();
        if (IconTiles().size() != Files * IconsPerFile)
            Fail("not every icon became a tile");
    });
    const QStringList files = form.AlteDateinamen;
    const double reading = BestSeconds(Rounds, [&] {
        int icons = 0;
        for (const QString &file : files)
            for (int j = 0, n = ExtractIconCount(file); j < n; ++j)
                icons += ExtractIconA(file, j).isNull() ? 0 : 1;
        if (icons != Files * IconsPerFile)
            Fail("not every icon was read");
    });
    std::printf("icons: %d files, %d tiles: %.3f s (target < 1.5); reading alone %.3f s\n", Files,
                Files * IconsPerFile, seconds, reading);
    return 0;
}
