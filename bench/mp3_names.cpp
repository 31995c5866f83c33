// NameMp3FilesFromTags over 100,000 tagged files in 100 folders against a plain loop
// that opens each file and reads its last 128 bytes. Target: within 2 times the loop.
//
// Usage: bench_mp3_names [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "operations/fktMP3Tags.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/RadioGroup.h"

using namespace bench;

namespace {

constexpr int Rounds = 3;

// A file of 64 audio bytes and a tag with artist and title.
void MakeTaggedFile(const QByteArray &Path, int Number)
{
    QByteArray content(64, '\x55');
    QByteArray block(128, ' ');
    block.replace(0, 3, "TAG");
    const QByteArray title = "Title " + QByteArray::number(Number);
    block.replace(3, title.size(), title);
    block.replace(33, 4, "Band");
    block[127] = char(17);
    content += block;
    const int fd = open(Path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0 || write(fd, content.constData(), size_t(content.size())) != content.size())
        FailWithReason("tagged file");
    close(fd);
}

QStringList BuildTaggedTree(const QString &Root)
{
    QStringList files;
    MakeFolder(Root);
    for (int folder = 0; folder < TreeFolders; ++folder) {
        const QString path = Root + QStringLiteral("/d%1").arg(folder);
        MakeFolder(path);
        for (int i = 0; i < TreeFilesPerFolder; ++i) {
            files << path + QStringLiteral("/file%1.mp3").arg(i);
            MakeTaggedFile(fs::encodeName(files.back()), folder * TreeFilesPerFolder + i);
        }
    }
    std::printf("%lld tagged files in %d folders under %s\n", qlonglong(files.size()), TreeFolders, qPrintable(Root));
    return files;
}

// Opens each file, reads its last 128 bytes, checks for "TAG".
void PlainLoop(const std::vector<QByteArray> &Paths)
{
    char block[128];
    int tags = 0;
    for (const QByteArray &path : Paths) {
        const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            FailWithReason("open");
        struct stat info{};
        if (fstat(fd, &info) != 0 || pread(fd, block, sizeof block, info.st_size - 128) != 128)
            FailWithReason("read");
        tags += block[0] == 'T' && block[1] == 'A' && block[2] == 'G';
        close(fd);
    }
    if (tags != int(Paths.size()))
        Fail("the plain loop found no tag");
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QStringList files = BuildTaggedTree(run.Folder() + "/tree");
    std::vector<QByteArray> encoded;
    for (const QString &file : files)
        encoded.push_back(fs::encodeName(file));

    BenchMainWindow window(run.Folder());
    THauptForm &form = window.form;
    form.MP3RadioGroup1->setItemIndex(0);
    form.DatUmbRadioGroup01->setItemIndex(0);

    const double loop = BestSeconds(Rounds, [&] { PlainLoop(encoded); });
    const double names = BestSeconds(Rounds, [&] {
        form.AlteDateinamen = files;
        form.NeueDateinamen = files;
        NameMp3FilesFromTags();
    });
    const QString first = form.NeueDateinamen.value(0);
    if (!first.endsWith(QStringLiteral("/Band - Title 0.mp3")))
        Fail("the names were not built from the tags");
    std::printf("NameMp3FilesFromTags %.3f s, plain open-and-read loop %.3f s, ratio %.2f (target <= 2); "
                "first name %s\n",
                names, loop, names / loop, qPrintable(fs::nameOf(first)));
    return 0;
}
