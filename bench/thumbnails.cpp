// The thumbnail view against plain decoding: 200 JPEGs of 4000 x 3000 built at size 100
// against a loop of the same scaled decoding alone, and against a loop decoding them at
// full size. Prints times and ratios.
//
// Usage: bench_thumbnails [folder in which to build the files]

#include "bench/BenchSupport.h"

#include "platform/jpeg/JpegDecoder.h"
#include "platform/toolkit/Buttons.h"
#include "shell/fktThumbs.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollArea>

using namespace bench;

namespace {

constexpr int Rounds = 3;
constexpr int Pictures = 200;
constexpr int Size = 100;

// A camera-like picture: colour gradients with fine noise, so that the data is not
// trivially small.
QByteArray CameraJpeg()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(30, 90, 160));
    gradient.setColorAt(0.5, QColor(220, 180, 60));
    gradient.setColorAt(1, QColor(40, 140, 70));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QRandomGenerator random(19);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 85))
        Fail("cannot encode the picture");
    return bytes;
}

double DecodeSeconds(const QStringList &Files, QSize Box)
{
    return Seconds([&] {
        for (const QString &file : Files)
            if (DecodeJpeg(file, Box, true).isNull())
                Fail("a picture cannot be decoded");
    });
}

} // namespace

int main(int argc, char **argv)
{
    WindowBench bench(argc, argv);
    IsolateProgram(bench.Folder().toUtf8() + "/program");
    const QString folder = bench.Folder() + QStringLiteral("/bilder");
    MakeFolder(folder);
    const QByteArray picture = CameraJpeg();
    QStringList files;
    for (int i = 0; i < Pictures; ++i) {
        files << folder + QStringLiteral("/bild%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        if (!fs::writeFileAtomic(files.last(), picture))
            Fail("cannot write a picture");
    }
    std::printf("%d JPEGs of 4000 x 3000, %lld bytes each\n", Pictures, qlonglong(picture.size()));

    BenchMainWindow window(folder);
    THauptForm &f = window.form;
    f.resize(1200, 800);
    f.show();
    ViewMode = 10;
    f.SetViewMode(10);
    ThumbsBreite = ThumbsHoehe = Size;
    QCoreApplication::processEvents();

    const double scaled = BestSeconds(Rounds, [&] { DecodeSeconds(files, QSize(Size, Size)); });
    const double full = BestSeconds(Rounds, [&] { DecodeSeconds(files, QSize()); });
    const double build = BestSeconds(Rounds, [&] {
        BuildThumbnails();
        if (f.ThumbScrollBox->widget()->findChildren<TrvImage *>().size() != Pictures)
            Fail("not every picture got a tile");
    });
    std::printf("scaled decoding alone: %.3f s\nfull-size decoding:    %.3f s\nBuildThumbnails:       %.3f s\n", scaled,
                full, build);
    std::printf("build / scaled decoding: %.2f (target within 1.25)\nbuild / full decoding:   %.2f (target under 0.5)\n",
                build / scaled, build / full);
    return 0;
}
