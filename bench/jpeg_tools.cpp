// The JPEG tools against plain loops: the defective-JPEG search over 10,000 files of
// 100 kB in 100 folders (1 % defective, copy mode) against a loop reading each file's
// last quarter in one read; IsJpegDefective on a 1 GiB sparse file without an end
// marker; the reduction of 1,000 files of 1 MB (an Adobe segment that stays, APP1 of
// 64 kB, a comment, 1 kB after the end marker, all three steps) against a loop
// rewriting each file once through a temporary file with the same flush and rename.
// Prints times and ratios.
//
// Usage: bench_jpeg_tools [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "localisation/rvDialogs.h"
#include "operations/fktJPEGs.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"

#include <QLabel>

#include <vector>

using namespace bench;

namespace {

constexpr int Rounds = 3;
constexpr int SearchFolders = 100, SearchFilesPerFolder = 100;
constexpr off_t SearchFileSize = 100 * 1000;
constexpr int ReduceFiles = 1000;

// A sparse file of Size bytes; sound ones end in FF D9.
void MakeSparseFile(const QByteArray &Path, off_t Size, bool Sound)
{
    const int fd = open(Path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ftruncate(fd, Size) != 0 || (Sound && pwrite(fd, "\xFF\xD9", 2, Size - 2) != 2))
        FailWithReason("sparse file");
    close(fd);
}

QByteArray Segment(unsigned char Code, int DataSize, char Fill)
{
    const int length = DataSize + 2;
    return QByteArray("\xFF", 1) + char(Code) + char(length >> 8) + char(length & 0xFF) + QByteArray(DataSize, Fill);
}

// About 1 MB: SOI, the Adobe segment (which stays), APP1 of 64 kB, a comment, APP3
// segments, a scan, EOI, 1 kB.
QByteArray FatJpeg()
{
    QByteArray bytes("\xFF\xD8\xFF\xEE\x00\x0E" "Adobe\x00\x64\x00\x00\x00\x00\x02", 18);
    bytes += Segment(0xE1, 65533, 'e') + Segment(0xFE, 64, 'c');
    for (int i = 0; i < 14; ++i)
        bytes += Segment(0xE3, 65533, 'k');
    bytes += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + QByteArray(40000, '\x55');
    bytes += QByteArray("\xFF\xD9", 2) + QByteArray(1024, 't');
    return bytes;
}

void WriteFile(const QByteArray &Path, const QByteArray &Content)
{
    const int fd = open(Path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, Content.constData(), size_t(Content.size())) != Content.size())
        FailWithReason("write");
    close(fd);
}

// Rewrites each file once: read it, write it to a temporary file in its folder, flush
// it, rename it over the file, flush the folder.
double PlainRewriteSeconds(const std::vector<QByteArray> &Files, const QByteArray &Folder)
{
    QByteArray buffer;
    return Seconds([&] {
        for (const QByteArray &path : Files) {
            const int in = open(path.constData(), O_RDONLY);
            struct stat info{};
            if (in < 0 || fstat(in, &info) != 0)
                FailWithReason("open");
            buffer.resize(qsizetype(info.st_size));
            if (read(in, buffer.data(), size_t(buffer.size())) != buffer.size())
                FailWithReason("read");
            close(in);
            const QByteArray temporary = path + ".tmp";
            const int out = open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (out < 0 || write(out, buffer.constData(), size_t(buffer.size() - 1024)) != buffer.size() - 1024 ||
                fsync(out) != 0 || close(out) != 0 || rename(temporary.constData(), path.constData()) != 0)
                FailWithReason("rewrite");
            const int folder = open(Folder.constData(), O_RDONLY | O_DIRECTORY);
            fsync(folder);
            close(folder);
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    const WindowBench run(argc, argv);
    const QString root = run.Folder();
    BenchMainWindow window(root);
    THauptForm &form = window.form;
    Arbeitsverzeichnis = root + "/work/";
    int messages = 0;
    ModalSeam::setHandler([&](QDialog &, const ModalRecord &) {
        ++messages;
        return int(mrOk);
    });

    // ---- Search ----
    const QString searchRoot = root + "/search";
    MakeFolder(searchRoot);
    std::vector<QByteArray> searchFiles;
    for (int folder = 0; folder < SearchFolders; ++folder) {
        const QString f = searchRoot + QStringLiteral("/d%1").arg(folder);
        MakeFolder(f);
        for (int i = 0; i < SearchFilesPerFolder; ++i) {
            searchFiles.push_back(fs::encodeName(f + QStringLiteral("/IMG_%1.jpg").arg(i)));
            MakeSparseFile(searchFiles.back(), SearchFileSize, i != 0);
        }
    }
    const double plainSearch = BestSeconds(Rounds, [&] {
        std::vector<char> buffer(SearchFileSize);
        int defective = 0;
        for (const QByteArray &path : searchFiles) {
            const int fd = open(path.constData(), O_RDONLY);
            struct stat info{};
            if (fd < 0 || fstat(fd, &info) != 0)
                FailWithReason("open");
            const off_t from = info.st_size * 3 / 4;
            const ssize_t got = pread(fd, buffer.data(), size_t(info.st_size - from), from);
            close(fd);
            if (got < 2)
                FailWithReason("pread");
            defective += !(buffer[got - 2] == '\xFF' && buffer[got - 1] == '\xD9');
        }
        if (defective != SearchFolders)
            Fail("the plain loop found another number of defective files");
    });
    form.ShellTreeView01->setPath(searchRoot);
    form.GrafikRekursiv->setChecked(true);
    form.RadioGroup_DDS01->setItemIndex(0);
    int round = 0;
    const double search = BestSeconds(Rounds, [&] {
        form.GrafikZielverzeichnis->setText(root + QStringLiteral("/found%1").arg(round++));
        SearchDefectiveJpegs();
    });
    if (form.Label_DDS02->text() != QString::number(SearchFolders))
        Fail("the search found another number of defective files");

    // ---- One large file ----
    const QByteArray large = fs::encodeName(root + "/large.jpg");
    MakeSparseFile(large, off_t(1) << 30, false);
    bool defective = false;
    const double largeTest = BestSeconds(Rounds, [&] { defective = IsJpegDefective(root + "/large.jpg"); });
    if (!defective)
        Fail("the large file was not found defective");

    // ---- Reduction ----
    const QString reduceRoot = root + "/reduce";
    MakeFolder(reduceRoot);
    const QByteArray fat = FatJpeg();
    std::vector<QByteArray> reduceFiles;
    for (int i = 0; i < ReduceFiles; ++i)
        reduceFiles.push_back(fs::encodeName(reduceRoot + QStringLiteral("/IMG_%1.jpg").arg(i)));
    const auto remake = [&] {
        for (const QByteArray &path : reduceFiles)
            WriteFile(path, fat);
        sync();
    };
    for (TCheckBox *box : {form.CheckBox_DV02, form.CheckBox_DV03, form.CheckBox_DV04})
        box->setChecked(true);
    form.RadioGroup_DV01->setItemIndex(0);
    form.ShellTreeView01->setPath(reduceRoot);
    double reduce = 1e30, plainReduce = 1e30;
    for (int i = 0; i < Rounds; ++i) {
        remake();
        reduce = std::min(reduce, Seconds([] { ReduceJpegFiles(); }));
        if (BytesRemoved != std::int64_t(ReduceFiles) * (65537 + 68 + 1024))
            Fail("the reduction removed another number of bytes");
        remake();
        plainReduce = std::min(plainReduce, PlainRewriteSeconds(reduceFiles, fs::encodeName(reduceRoot)));
    }

    std::printf("search:    SearchDefectiveJpegs %.3f s, last-quarter loop %.3f s, ratio %.2f (target <= 2)\n", search,
                plainSearch, search / plainSearch);
    std::printf("large:     IsJpegDefective on 1 GiB %.3f s (target < 1)\n", largeTest);
    std::printf("reduction: ReduceJpegFiles %.3f s, rewrite loop %.3f s, ratio %.2f (target <= 1.5)\n", reduce,
                plainReduce, reduce / plainReduce);
    std::printf("(%d messages answered)\n", messages);
    ModalSeam::setHandler({});
    return 0;
}
