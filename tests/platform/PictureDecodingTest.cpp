// Decoding pictures: the libjpeg wrapper (scaled and fast decoding, grey and CMYK
// pictures, failures that return instead of ending the program) and the picture
// loader in front of it (content decides the decoder; only regular files are read).

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/jpeg/JpegDecoder.h"
#include "platform/picture/Picture.h"
#include "support/JpegFixtures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A picture of four coloured quarters, as JPEG bytes (Qt's JPEG writer).
QByteArray QuartersJpeg(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height / 2, Qt::red);
    p.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    p.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::white);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.convertToFormat(format).save(&buffer, "JPG", 95));
    return bytes;
}

QByteArray CmykJpeg(int width, int height, const unsigned char (&stored)[4])
{
    return OneColourJpeg(width, height, JCS_CMYK, {stored[0], stored[1], stored[2], stored[3]});
}

QByteArray ProgressiveJpeg(int width, int height, QColor colour)
{
    return OneColourJpeg(width, height, JCS_RGB,
                         {(unsigned char)colour.red(), (unsigned char)colour.green(), (unsigned char)colour.blue()}, true);
}

// The file with its first scan (marker, header and entropy data) repeated.
QByteArray WithFirstScanRepeated(const QByteArray &jpeg, int times)
{
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    qsizetype end = sos + 2;
    while (end + 1 < jpeg.size()) {
        const unsigned char next = (unsigned char)jpeg[end + 1];
        if ((unsigned char)jpeg[end] == 0xFF && next != 0 && (next < 0xD0 || next > 0xD7))
            break; // a marker that is not a restart
        ++end;
    }
    return jpeg.left(sos) + jpeg.mid(sos, end - sos).repeated(times) + jpeg.mid(end);
}

::testing::AssertionResult Near(QRgb actual, QColor expected)
{
    const int d = std::max({std::abs(qRed(actual) - expected.red()), std::abs(qGreen(actual) - expected.green()),
                            std::abs(qBlue(actual) - expected.blue())});
    if (d <= 24)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << QColor(actual).name().toStdString() << " is not near "
                                         << expected.name().toStdString();
}

class PictureDecoding : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir_.path() + "/" + name;
        EXPECT_TRUE(fs::writeFileAtomic(path, bytes));
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(PictureDecoding, JpegDecodesColoursAndSize)
{
    QSize natural;
    const QImage image = DecodeJpegData(QuartersJpeg(64, 48), {}, true, &natural);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(64, 48));
    EXPECT_EQ(natural, QSize(64, 48));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(8, 8), Qt::red));
    EXPECT_TRUE(Near(image.pixel(56, 8), Qt::green));
    EXPECT_TRUE(Near(image.pixel(8, 40), Qt::blue));
    EXPECT_TRUE(Near(image.pixel(56, 40), Qt::white));

    // The careful decode gives the same picture.
    const QImage careful = DecodeJpegData(QuartersJpeg(64, 48), {}, false);
    EXPECT_TRUE(Near(careful.pixel(8, 40), Qt::blue));
}

TEST_F(PictureDecoding, JpegIsReducedOnlyWhileItStillFillsTheBox)
{
    struct Case {
        QSize picture, box, decoded;
    } cases[] = {
        {{1600, 1200}, {150, 150}, {200, 150}}, // 1/8 still covers 150 x 113
        {{300, 150}, {150, 150}, {150, 75}},    // 1/2 gives exactly 150 x 75
        {{298, 150}, {150, 150}, {298, 150}},   // 1/2 (149 wide) would need enlarging
        {{100, 100}, {150, 150}, {100, 100}},   // smaller than the box
        {{1600, 1200}, {}, {1600, 1200}},       // no box: full size
        {{1000, 10}, {150, 150}, {250, 3}},     // 1/4: 250 x 3 covers 150 x 2
    };
    for (const Case &c : cases) {
        QSize natural;
        const QImage image = DecodeJpegData(QuartersJpeg(c.picture.width(), c.picture.height()), c.box, true, &natural);
        EXPECT_EQ(image.size(), c.decoded) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(natural, c.picture);
    }
}

TEST_F(PictureDecoding, GreyAndCmykJpegsBecomeRgb)
{
    const QImage grey = DecodeJpegData(QuartersJpeg(32, 32, QImage::Format_Grayscale8));
    ASSERT_FALSE(grey.isNull());
    EXPECT_TRUE(Near(grey.pixel(28, 28), Qt::white));
    EXPECT_EQ(qRed(grey.pixel(4, 28)), qBlue(grey.pixel(4, 28)));

    const unsigned char red[4] = {255, 0, 0, 255}; // no cyan, full magenta and yellow, no black
    const QImage cmyk = DecodeJpegData(CmykJpeg(16, 16, red));
    ASSERT_FALSE(cmyk.isNull());
    EXPECT_TRUE(Near(cmyk.pixel(8, 8), Qt::red));
}

TEST_F(PictureDecoding, BrokenDataGivesNoPicture)
{
    const QByteArray good = QuartersJpeg(200, 200);
    QSize natural;
    // Cut in the middle of the scan: no grey-padded half picture, but the header was read.
    EXPECT_TRUE(DecodeJpegData(good.left(good.size() / 2), {}, true, &natural).isNull());
    EXPECT_EQ(natural, QSize(200, 200));
    // Cut inside the header, no data, not a JPEG, a scan of noise.
    EXPECT_TRUE(DecodeJpegData(good.left(40), {}, true, &natural).isNull());
    EXPECT_FALSE(natural.isValid());
    EXPECT_TRUE(DecodeJpegData(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpegData(QByteArray("GIF89a not a jpeg at all")).isNull());
    QByteArray noise = good;
    for (qsizetype i = good.size() / 3; i < good.size() - 2; ++i)
        noise[i] = char((i * 7919) & 0xFF);
    DecodeJpegData(noise); // any result, but it returns
}

TEST_F(PictureDecoding, ProgressiveJpegWithEndlessScansIsRefused)
{
    const QByteArray progressive = ProgressiveJpeg(16, 16, Qt::red);
    const QImage image = DecodeJpegData(progressive);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(Near(image.pixel(8, 8), Qt::red));
    EXPECT_FALSE(DecodeJpegData(WithFirstScanRepeated(progressive, 10)).isNull());
    EXPECT_TRUE(DecodeJpegData(WithFirstScanRepeated(progressive, 2000)).isNull());
}

TEST_F(PictureDecoding, HugeDimensionsAreRefusedBeforeAllocating)
{
    QByteArray bytes = QuartersJpeg(16, 16);
    // Height and width of the frame header (SOF0: FF C0, length, precision, H, W).
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (int i : {5, 7}) { // 60000 x 60000
        bytes[sof + i] = char(0xEA);
        bytes[sof + i + 1] = char(0x60);
    }
    QSize natural;
    EXPECT_TRUE(DecodeJpegData(bytes, {}, true, &natural).isNull());
    EXPECT_EQ(natural, QSize(60000, 60000));
}

TEST_F(PictureDecoding, LoaderPicksTheDecoderByContent)
{
    const QString jpegAsPng = Write("really-a-jpeg.png", QuartersJpeg(40, 20));
    QSize natural;
    const QImage fromJpeg = LoadPicture(jpegAsPng, {10, 10}, &natural);
    EXPECT_EQ(natural, QSize(40, 20));
    EXPECT_EQ(fromJpeg.size(), QSize(10, 5)); // reduced through libjpeg

    QImage png(30, 60, QImage::Format_RGB32);
    png.fill(Qt::green);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(png.save(&buffer, "PNG"));
    const QImage fromPng = LoadPicture(Write("bild.jpg", pngBytes), {10, 10}, &natural);
    EXPECT_EQ(fromPng.size(), QSize(30, 60));
    EXPECT_EQ(natural, QSize(30, 60));

    EXPECT_TRUE(LoadPicture(Write("text.txt", "just some text"), {}, &natural).isNull());
    EXPECT_FALSE(natural.isValid());
    EXPECT_TRUE(LoadPicture(dir_.path()).isNull());
    EXPECT_TRUE(LoadPicture(dir_.path() + "/missing.jpg").isNull());
}

TEST_F(PictureDecoding, FilesAreReadByTheirExactNameAndNeverBlock)
{
    // A name that is not valid UTF-8.
    const QString odd = fs::decodeName(QFile::encodeName(dir_.path()) + "/bild\xE4.jpg");
    ASSERT_TRUE(fs::writeFileAtomic(odd, QuartersJpeg(24, 24)));
    EXPECT_EQ(DecodeJpeg(odd).size(), QSize(24, 24));
    EXPECT_EQ(LoadPicture(odd).size(), QSize(24, 24));
    EXPECT_TRUE(fs::removeFile(odd)); // QTemporaryDir cannot name it

    // A fifo with no writer: opening it must not wait.
    const QString fifo = dir_.path() + "/pipe.jpg";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(DecodeJpeg(fifo).isNull());
    EXPECT_TRUE(LoadPicture(fifo).isNull());
}

} // namespace
