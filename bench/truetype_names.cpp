// TrueType names: the rule of the TrueType view over 100,000 small fonts in 100 folders
// against a plain loop that opens each file and reads 1 KiB (target: within 2 times),
// and ReadTrueTypeNames on a 256 MiB file without the tag (target: under 0.5 s).
//
// Usage: bench_truetype_names [folder in which to build the fonts]

#include "bench/BenchSupport.h"

#include "operations/fktUmbenennen.h"
#include "operations/rvTTF.h"
#include "platform/fs/RegularFile.h"
#include "tests/support/FontFiles.h"

using namespace bench;

namespace {

constexpr int Folders = 100;
constexpr int FontsPerFolder = 1000;
constexpr int Rounds = 3;

void WriteNewFile(const QString &Path, const QByteArray &Bytes)
{
    const int fd = open(fs::encodeName(Path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        FailWithReason("open");
    if (write(fd, Bytes.constData(), size_t(Bytes.size())) != Bytes.size())
        FailWithReason("write");
    close(fd);
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    QStringList fonts;
    for (int d = 0; d < Folders; ++d) {
        const QString folder = run.Folder() + QStringLiteral("/f%1").arg(d);
        MakeFolder(folder);
        for (int i = 0; i < FontsPerFolder; ++i) {
            const QString name = QStringLiteral("Font %1 %2").arg(d).arg(i);
            fonts << folder + QStringLiteral("/x%1.ttf").arg(i);
            WriteNewFile(fonts.back(), fontfiles::MakeFont(QStringLiteral("(c) Corvex"), QStringLiteral("Font"),
                                                           QStringLiteral("Regular"), name));
        }
    }
    std::printf("fonts: %lld in %d folders\n", qlonglong(fonts.size()), Folders);

    BenchMainWindow window(run.Folder());
    THauptForm &form = window.form;
    const double loop = BestSeconds(Rounds, [&] {
        for (const QString &font : std::as_const(fonts)) {
            const std::unique_ptr<QFile> file = fs::openRegularFile(font);
            if (!file || file->read(1024).isEmpty())
                Fail("the loop cannot read a font");
        }
    });
    const double rule = BestSeconds(Rounds, [&] {
        form.NeueDateinamen = fonts;
        RenameByFontName();
    });
    if (!form.NeueDateinamen.back().endsWith(QStringLiteral("/Font 99 999.ttf")))
        Fail("the rule did not rename the fonts");
    std::printf("TrueType rule %.3f s, plain loop (open, read 1 KiB) %.3f s: %.2f times (target <= 2)\n", rule, loop,
                rule / loop);

    const QString large = run.Folder() + QStringLiteral("/large.ttf");
    WriteNewFile(large, QByteArray(256 << 20, 'x'));
    const double search = BestSeconds(Rounds, [&] { ReadTrueTypeNames(large); });
    if (!FontFullName.isEmpty())
        Fail("names from a file without the tag");
    std::printf("ReadTrueTypeNames on 256 MiB without the tag: %.3f s (target < 0.5 s)\n", search);
    return 0;
}
