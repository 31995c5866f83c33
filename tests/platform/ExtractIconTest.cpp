// The icon reader on ICO and PE files the tests build: which image of an icon is taken,
// the DIB forms and PNG, the order of a program's icon groups, files that hold none,
// and hostile offsets, sizes and counts.

#include "platform/icons/ExtractIcon.h"

#include "support/FolderNames.h"
#include "support/IconFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace iconfiles;

namespace {

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255), White = qRgb(255, 255, 255),
           Yellow = qRgb(255, 255, 0), Cyan = qRgb(0, 255, 255), Transparent = qRgba(0, 0, 0, 0);

int Count(const QByteArray &File)
{
    QByteArray bytes = File;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return IconCount(buffer);
}

QImage Icon(const QByteArray &File, int Index)
{
    QByteArray bytes = File;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return IconAt(buffer, Index);
}

// The colour in the middle of an icon: what image was taken.
QRgb Middle(const QImage &Icon)
{
    return Icon.pixel(16, 16);
}

std::string Hex(QRgb Colour)
{
    return QString::number(Colour, 16).toStdString();
}

TEST(ExtractIcon, AnIcoFileHoldsOneIconOfItsBestImage)
{
    struct Case {
        const char *What;
        std::vector<Image> Images;
        QRgb Expected;
    };
    const std::vector<Case> cases = {
        {"the 32-bit 32 x 32 of 16, 32 (4 bits), 32 (32 bits), 48",
         {Dib(Picture(16, 16, Red), 32), Dib(Picture(32, 32, Green), 4), Dib(Picture(32, 32, Blue), 32),
          Dib(Picture(48, 48, Yellow), 32)},
         Blue},
        {"the nearest size, the larger on a tie", {Dib(Picture(16, 16, Red), 32), Dib(Picture(48, 48, Green), 32)}, Green},
        {"the nearest size", {Dib(Picture(64, 64, Red), 32), Dib(Picture(24, 24, Green), 8)}, Green},
        {"bits from the colour count when the bit count is 0", {Dib(Picture(32, 32, Red), 4), Dib(Picture(32, 32, Green), 8)}, Green},
        {"the first of equals", {Dib(Picture(32, 32, Red), 8), Dib(Picture(32, 32, Green), 8)}, Red},
        {"a PNG image", {Png(Picture(256, 256, Cyan))}, Cyan},
    };
    for (const Case &c : cases) {
        QByteArray file = Ico(c.Images);
        if (std::string(c.What).find("colour count") != std::string::npos)
            for (qsizetype i = 0; i < qsizetype(c.Images.size()); ++i)
                Put16(file, 6 + 16 * i + 6, 0); // the colours only: 16 for 4 bits, 0 for 8
        EXPECT_EQ(Count(file), 1) << c.What;
        const QImage icon = Icon(file, 0);
        ASSERT_EQ(icon.size(), QSize(32, 32)) << c.What;
        EXPECT_EQ(icon.format(), QImage::Format_ARGB32) << c.What;
        EXPECT_EQ(Hex(Middle(icon)), Hex(c.Expected)) << c.What;
        EXPECT_TRUE(Icon(file, 1).isNull()) << c.What;
        EXPECT_TRUE(Icon(file, -1).isNull()) << c.What;
    }
}

// Every DIB form: colours, the palette, the AND mask, and alpha in 32 bits.
TEST(ExtractIcon, DibFormsKeepTheirPixelsAndTransparency)
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const QRgb mark = bits == 1 ? White : Red; // two colours: black and white
        const QImage picture = Picture(32, 32, White, mark);
        const QImage icon = Icon(Ico({Dib(picture, bits)}), 0);
        ASSERT_FALSE(icon.isNull()) << bits << " bits";
        EXPECT_EQ(Hex(icon.pixel(0, 0)), Hex(Transparent)) << bits << " bits: the masked pixel";
        EXPECT_EQ(Hex(icon.pixel(1, 0)), Hex(mark)) << bits << " bits";
        EXPECT_EQ(Hex(icon.pixel(31, 31)), Hex(White)) << bits << " bits";
    }
    // 32 bits: partial alpha is kept; with all alpha 0 the mask decides.
    QImage soft = Picture(32, 32, qRgba(0, 0, 255, 128));
    EXPECT_EQ(Hex(Icon(Ico({Dib(soft, 32)}), 0).pixel(5, 5)), Hex(qRgba(0, 0, 255, 128)));
    Image noAlpha = Dib(Picture(32, 32, Green), 32);
    for (qsizetype at = 40; at < 40 + 32 * 32 * 4; at += 4)
        noAlpha.Data[at + 3] = 0;
    const QImage masked = Icon(Ico({noAlpha}), 0);
    EXPECT_EQ(Hex(masked.pixel(0, 0)), Hex(Transparent));
    EXPECT_EQ(Hex(masked.pixel(5, 5)), Hex(Green));
    // Without a mask every pixel shows.
    EXPECT_EQ(qAlpha(Icon(Ico({Dib(Picture(32, 32, Green), 24, false)}), 0).pixel(0, 0)), 255);
}

TEST(ExtractIcon, ProgramsHoldOneIconPerGroupInDirectoryOrder)
{
    const std::vector<Group> groups = {
        {{Dib(Picture(16, 16, Yellow), 8), Dib(Picture(32, 32, Red), 32)}, QStringLiteral("MAINICON")},
        {{Dib(Picture(32, 32, Green), 24)}, std::nullopt, 1},
        {{Png(Picture(48, 48, Blue))}, std::nullopt, 7},
    };
    for (bool plus : {false, true}) {
        const QByteArray file = Pe(groups, plus);
        ASSERT_EQ(Count(file), 3) << (plus ? "PE32+" : "PE32");
        const std::vector<QRgb> expected = {Red, Green, Blue};
        for (int i = 0; i < 3; ++i) {
            const QImage icon = Icon(file, i);
            ASSERT_EQ(icon.size(), QSize(32, 32)) << i;
            EXPECT_EQ(Hex(Middle(icon)), Hex(expected[std::size_t(i)])) << (plus ? "PE32+ " : "PE32 ") << i;
        }
        EXPECT_TRUE(Icon(file, 3).isNull());
    }
}

TEST(ExtractIcon, FilesWithoutIconsHoldNone)
{
    const QByteArray ne = [] {
        QByteArray f(0x100, '\0');
        f[0] = 'M', f[1] = 'Z', f[0x3C] = char(0x80), f[0x80] = 'N', f[0x81] = 'E';
        return f;
    }();
    const QByteArray noResources = [] {
        QByteArray f = Pe({});
        return f;
    }();
    for (const auto &[what, file] : std::vector<std::pair<const char *, QByteArray>>{
             {"ELF", QByteArray("\x7F" "ELF\x02\x01\x01", 7) + QByteArray(200, '\0')},
             {"NE", ne},
             {"PE without icon groups", noResources},
             {"empty", QByteArray()},
             {"text", QByteArray("MZ is how this text begins")},
             {"cursor file", [] { QByteArray c = Ico({Dib(Picture(32, 32, Red), 32)}); c[2] = 2; return c; }()},
         }) {
        EXPECT_EQ(Count(file), 0) << what;
        EXPECT_TRUE(Icon(file, 0).isNull()) << what;
    }
}

// Offsets, sizes and counts that point outside the file or the data: no icon (a group
// count beyond its data reads the entries there are), and no read outside the file.
TEST(ExtractIcon, HostileFilesGiveNoIcon)
{
    const QByteArray ico = Ico({Dib(Picture(32, 32, Red), 32)});
    const QByteArray pe = Pe({{{Dib(Picture(32, 32, Red), 32)}}});
    const auto patched = [](QByteArray File, qsizetype At, quint32 Value) {
        Put32(File, At, Value);
        return File;
    };
    const qsizetype rsrc = SectionFileOffset; // root directory of the resources
    // Root: 2 id entries; RT_ICON directory at 32 with 1 entry; RT_GROUP_ICON at 56 with
    // 1; language directories at 80 and 104; data entries at 128 and 144.
    const qsizetype group = qFromLittleEndian<quint32>(pe.constData() + rsrc + 144) - SectionAddress + rsrc;
    struct Case {
        const char *What;
        QByteArray File;
        int Count;
        bool Read = false; // the icon is read all the same
    };
    const std::vector<Case> cases = {
        {"image beyond the file", patched(ico, 18, 0x7FFFFFF0), 1},
        {"image longer than the file", patched(ico, 14, 0x10000), 1},
        {"directory longer than the file", [&] { QByteArray f = ico; Put16(f, 4, 5000); return f; }(), 0},
        {"truncated image", ico.left(ico.size() - 3000), 1},
        {"huge DIB width", patched(ico, 22 + 4, 100000), 1},
        {"negative DIB height", patched(ico, 22 + 8, 0xFFFFFFC0), 1},
        {"DIB header size beyond the image", patched(ico, 22, 1 << 20), 1},
        {"compressed DIB", patched(ico, 22 + 16, 1), 1},
        {"PE header beyond the file", patched(pe, 0x3C, 0xFFFFFFF0), 0},
        {"resources outside every section", patched(pe, 0x58 + 92 + 4 + 16, 0x90000), 0},
        {"section data beyond the file", patched(pe, 0x58 + 224 + 20, 0x7FFFFF00), 0},
        {"group data beyond its section", patched(pe, rsrc + 144, 0x80000), 1},
        {"group data size beyond its section", patched(pe, rsrc + 148, 0x80000), 1},
        {"group count beyond its data", [&] { QByteArray f = pe; Put16(f, group + 4, 60000); return f; }(), 1, true},
        {"group naming a missing icon", [&] { QByteArray f = pe; Put16(f, group + 6 + 12, 9); return f; }(), 1},
        {"language entry pointing back to the root", patched(pe, rsrc + 104 + 20, 0x80000000), 1},
        {"type directory claiming more entries than the file holds", [&] { QByteArray f = pe; Put16(f, rsrc + 56 + 14, 0xFFFF); return f; }(), 0},
        {"truncated in the resources", pe.left(rsrc + 100), 1},
        {"truncated in the type directory", pe.left(rsrc + 60), 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Count(c.File), c.Count) << c.What;
        for (int i = 0; i < std::min(c.Count, 3); ++i)
            EXPECT_EQ(Icon(c.File, i).isNull(), !c.Read) << c.What;
    }
}

TEST(ExtractIcon, FilesAreOpenedOnlyWhenRegular)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ico = MakeTestFileBelow(dir.path(), "a.ico", Ico({Dib(Picture(32, 32, Red), 32)}));
    EXPECT_EQ(ExtractIconCount(ico), 1);
    EXPECT_EQ(Hex(Middle(ExtractIconA(ico, 0))), Hex(Red));
    const QString fifo = dir.path() + "/fifo.ico";
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ExtractIconCount(fifo), 0) << "a fifo is not waited for";
    EXPECT_TRUE(ExtractIconA(fifo, 0).isNull());
    EXPECT_EQ(ExtractIconCount(dir.path()), 0);
    EXPECT_EQ(ExtractIconCount(dir.path() + "/missing.exe"), 0);
}

} // namespace
