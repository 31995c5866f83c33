// The JPEG tools' byte layout and single files: the end-of-image test, the marker chain,
// the three reduction steps, and a reduced file's replacement.

#include "operations/fktJPEGs.h"
#include "operations/fktJPEGs_Segmente.h"

#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "support/FolderNames.h"
#include "support/JpegFixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

JpegReadAt Reader(const QByteArray &Bytes)
{
    return [&Bytes](std::int64_t Position, char *Buffer, std::int64_t Count) {
        if (Position < 0 || Count < 0 || Position + Count > Bytes.size())
            return false;
        std::memcpy(Buffer, Bytes.constData() + Position, std::size_t(Count));
        return true;
    };
}

QByteArray Segment(unsigned char Code, const QByteArray &Data)
{
    const int length = int(Data.size()) + 2;
    return QByteArray("\xFF", 1) + char(Code) + char(length >> 8) + char(length & 0xFF) + Data;
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N> QByteArray B(const char (&Literal)[N])
{
    return QByteArray(Literal, N - 1);
}

const QByteArray Soi = B("\xFF\xD8");

// A small real image: libjpeg's APP0, tables, frame, scan and EOI.
const QByteArray &Image()
{
    static const QByteArray image = OneColourJpeg(16, 16, JCS_RGB, {200, 100, 50});
    return image;
}

// The image's segments after SOI.
QByteArray Body()
{
    return Image().mid(2);
}

// A segment no step removes, to give a file the size its bounds need.
QByteArray Filler(int Size)
{
    return Segment(0xE3, QByteArray(Size, '\x11'));
}

struct Steps {
    bool app = true, com = true, cut = true;
};

QByteArray Reduced(const QByteArray &In, Steps S, std::int64_t *Removed = nullptr)
{
    TJpegWork work(Reader(In), In.size());
    if (S.app)
        StripApplicationSegments(work);
    if (S.com)
        StripCommentSegment(work);
    if (S.cut)
        CutAfterEoi(work);
    QByteArray out;
    for (const auto &[start, length] : work.KeptRanges())
        out += In.mid(start, length);
    EXPECT_EQ(out.size(), In.size() - work.BytesRemoved());
    if (Removed)
        *Removed = work.BytesRemoved();
    return out;
}

QByteArray Pair(int Size, int At)
{
    QByteArray b(Size, '\x00');
    b[At] = '\xFF';
    b[At + 1] = '\xD9';
    return b;
}

TEST(JpegDefect, EndMarkerInTheLastQuarter)
{
    const struct {
        const char *name;
        QByteArray bytes;
        bool defective;
    } cases[] = {
        {"25 bytes, even with FF D9 at the end", Pair(25, 23), true},
        {"26 bytes, FF D9 at 21", Pair(26, 21), false},
        {"26 bytes, FF D9 at 20", Pair(26, 20), true},
        {"30 bytes, FF D9 at 23", Pair(30, 23), false},
        {"30 bytes, FF D9 at 22", Pair(30, 22), true},
        {"ends in FF D9", Pair(1000, 998), false},
        {"no FF D9", QByteArray(1000, '\xFF'), true},
        {"complete image, then three times its size", Image() + QByteArray(3 * Image().size(), 'x'), true},
        {"complete image", Image(), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsJpegDefective(Reader(c.bytes), c.bytes.size()), c.defective) << c.name;
}

TEST(JpegDefect, BoundsRoundHalvesToEven)
{
    const std::pair<std::int64_t, std::int64_t> cases[] = {{26, 20}, {30, 22}, {25, 19}, {27, 20}, {28, 21}, {34, 26},
                                                          {(std::int64_t(1) << 40) + 2, 3 * (std::int64_t(1) << 38) + 2}};
    for (const auto &[size, bound] : cases)
        EXPECT_EQ(ThreeQuarterBound(size), bound) << size;
}

TEST(JpegDefect, EndMarkerAcrossTheReadBlocks)
{
    const std::int64_t block = 1 << 20;
    QByteArray bytes(3 * block, '\x00');
    const qsizetype at = bytes.size() - block - 1; // FF ends one block, D9 begins the next
    bytes[at] = '\xFF';
    bytes[at + 1] = '\xD9';
    EXPECT_EQ(FindLastEoi(Reader(bytes), bytes.size(), 0), at);
    EXPECT_EQ(FindLastEoi(Reader(bytes), bytes.size(), at + 1), -1);
    EXPECT_EQ(FindLastEoi(Reader(bytes), bytes.size(), at), at);
}

TEST(JpegReduction, StepsOnTheMarkerChain)
{
    const QByteArray app1 = Segment(0xE1, QByteArray(0x1000 - 2, 'a'));
    const QByteArray app13 = Segment(0xED, QByteArray(0x100, 'b'));
    const QByteArray padding(60000 - 2 - app1.size() - app13.size() - Body().size(), '\x22');
    // Before the first removal APP13 lies beyond 5 %; then it comes within it.
    const QByteArray twoRounds = Soi + app1 + app13 + Body() + padding;
    ASSERT_GE(2 + app1.size(), twoRounds.size() / 20);

    const QByteArray big = Filler(4000); // the cut needs the end marker in the last quarter
    const QByteArray inTables = Segment(0xE0, B("JFIF\0thumb\xFF\xE1\x00\x10 and \xFF\xFE\x00\x04 end")) +
                                Segment(0xDB, B("\x00\xFF\xE1\x00\x08\xFF\xFE\x00\x06\xFF\xD9"));
    const QByteArray headerEoi = Soi + Segment(0xE0, QByteArray(38, '\x00') + "\xFF\xD9") +
                                 B("\xFF\xDA\x00\x08\x01\x01\x00\x00");
    ASSERT_EQ(headerEoi.size(), 54); // bound 40: the pair at 44 lies in the last quarter
    const QByteArray adobe = B("Adobe\0\x64\0\0\0\0\x02"); // version 100, transform YCCK

    const struct {
        const char *name;
        QByteArray in;
        Steps steps;
        QByteArray out;
    } cases[] = {
        {"APP1 of 0x1000 at 2, then APP13 in the next round", twoRounds, {true, false, false}, Soi + Body() + padding},
        {"every APP kind, COM kept without its step", Soi + Segment(0xE2, "x") + Segment(0xFE, "c") +
             Segment(0xEC, "y") + Segment(0xEE, "z") + Segment(0xE1, "w") + Filler(3000) + Body(),
         {true, false, false}, Soi + Segment(0xFE, "c") + Filler(3000) + Body()},
        {"two comments: one per run", Soi + Segment(0xFE, "first") + Segment(0xFE, "second") + Filler(500) + Body(),
         {false, true, false}, Soi + Segment(0xFE, "second") + Filler(500) + Body()},
        {"fewer than 20 bytes", Soi + Segment(0xE1, "ab") + B("\xFF\xD9\x00\x00\x00\x00\x00\x00\x00"),
         {true, true, false}, Soi + Segment(0xE1, "ab") + B("\xFF\xD9\x00\x00\x00\x00\x00\x00\x00")},
        {"300 bytes after the end marker", Soi + big + Body() + QByteArray(300, '\x33'), {false, false, true},
         Soi + big + Body()},
        {"ends in the end marker", Soi + big + Body(), {true, true, true}, Soi + big + Body()},
        {"FF E1 and FF FE inside APP0 and a table", Soi + inTables + big + Body(), {true, true, true},
         Soi + inTables + big + Body()},
        {"a ZIP holding such bytes", B("PK\x03\x04") + inTables + big + Body() + QByteArray(300, 'z'),
         {true, true, true}, B("PK\x03\x04") + inTables + big + Body() + QByteArray(300, 'z')},
        {"FF D9 before the first SOS", headerEoi, {false, false, true}, headerEoi},
        {"fill bytes before a marker", Soi + B("\xFF\xFF") + Segment(0xE1, "exif") + Filler(400) + Body(),
         {true, false, false}, Soi + B("\xFF\xFF") + Filler(400) + Body()},
        {"a segment running past the end ends the chain", Soi + B("\xFF\xE1\x7F\xFF") + Filler(400) + Body() + "tail",
         {true, true, true}, Soi + B("\xFF\xE1\x7F\xFF") + Filler(400) + Body() + "tail"},
        {"a length below 2 ends the chain", Soi + B("\xFF\xE0\x00\x01") + Segment(0xE1, "x") + Filler(400),
         {true, true, true}, Soi + B("\xFF\xE0\x00\x01") + Segment(0xE1, "x") + Filler(400)},
        {"the Adobe segment stays in place; a shorter one and another APP14 go",
         Soi + Segment(0xE1, "x") + Segment(0xEE, adobe) + Segment(0xEE, B("Adobe\0d\0\0\0")) +
             Segment(0xEE, "Ducky and more") + Filler(3000) + Body(),
         {true, false, false}, Soi + Segment(0xEE, adobe) + Filler(3000) + Body()},
        {"APP1 beyond 5 % stays", Soi + Filler(400) + Segment(0xE1, "late") + Body(), {true, true, true},
         Soi + Filler(400) + Segment(0xE1, "late") + Body()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Reduced(c.in, c.steps).toHex().toStdString(), c.out.toHex().toStdString()) << c.name;

    std::int64_t removed = 0;
    Reduced(twoRounds, {true, false, false}, &removed);
    EXPECT_EQ(removed, 0x1002 + 0x104);
}

// ---- Files ----

class JpegFiles : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        BytesRemoved = 0;
    }
    QByteArray Content(const QString &Path) { return fs::readFile(Path).value_or(QByteArray("<missing>")); }
    static struct stat Stat(const QString &Path)
    {
        struct stat info{};
        EXPECT_EQ(lstat(fs::encodeName(Path).constData(), &info), 0);
        return info;
    }

    QTemporaryDir dir_;
    QString Root;
    // APP1 of 64 kB, a comment and 1 kB after the end marker around the image.
    const QByteArray Fat = Soi + Segment(0xE1, QByteArray(65533, 'e')) + Segment(0xFE, "made by hand") + Filler(6000) +
                           Body() + QByteArray(1024, '\x44');
    const QByteArray Lean = Soi + Filler(6000) + Body();
};

TEST_F(JpegFiles, ReplacedOnceKeepingModeOwnerAttributesAndCreationTime)
{
    const QString path = MakeTestFileBelow(Root, "a.jpg", Fat);
    const QByteArray native = fs::encodeName(path);
    ASSERT_EQ(chmod(native.constData(), 0640), 0);
    ASSERT_EQ(chown(native.constData(), 1234, 2345), 0) << "the test runs as root";
    ASSERT_TRUE(SetFileAttributesA(path, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    fs::FileTimes before{};
    ASSERT_TRUE(fs::readTimes(path, before));
    before.created = 36526.5; // 2000-01-01 noon
    before.written = 36527.25;
    ASSERT_TRUE(fs::writeTimes(path, before));
    const ino_t oldInode = Stat(path).st_ino;

    ReduceJpegFile(path, true, true, true);

    EXPECT_EQ(Content(path), Lean);
    EXPECT_EQ(BytesRemoved, Fat.size() - Lean.size());
    const struct stat info = Stat(path);
    EXPECT_NE(info.st_ino, oldInode) << "replaced through a new file";
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 2345u);
    EXPECT_EQ(GetFileAttributesA(path) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
              FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    fs::FileTimes after{};
    ASSERT_TRUE(fs::readTimes(path, after));
    EXPECT_NEAR(after.created, before.created, 1e-6);
    EXPECT_GT(after.written, before.written + 1000) << "last write is now";
    EXPECT_EQ(SortedNames(Root), QStringList{"a.jpg"}) << "no scratch or temporary file is left";
}

// Pixels of noise, so that any change of the colour transform shows.
std::vector<unsigned char> Noise(int Width, int Height, int Components)
{
    std::vector<unsigned char> pixels(std::size_t(Width * Height * Components));
    unsigned state = 12345;
    for (unsigned char &p : pixels) {
        state = state * 1103515245u + 12345u;
        p = static_cast<unsigned char>(state >> 16);
    }
    return pixels;
}

// A picture written by libjpeg from Input pixels, stored as Stored, with the extra
// segments after libjpeg's own header segments. ComponentIds, when given, replace the
// ones libjpeg chose.
QByteArray WrittenJpeg(J_COLOR_SPACE Input, J_COLOR_SPACE Stored, const std::vector<std::pair<int, QByteArray>> &Extra,
                       std::vector<int> ComponentIds = {})
{
    constexpr int width = 96, height = 96;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = Input == JCS_CMYK ? 4 : 3;
    cinfo.in_color_space = Input;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, Stored);
    jpeg_set_quality(&cinfo, 90, TRUE);
    for (std::size_t i = 0; i < ComponentIds.size(); ++i)
        cinfo.comp_info[i].component_id = ComponentIds[i];
    jpeg_start_compress(&cinfo, TRUE);
    for (const auto &[code, data] : Extra)
        jpeg_write_marker(&cinfo, code, reinterpret_cast<const JOCTET *>(data.constData()), unsigned(data.size()));
    const std::vector<unsigned char> pixels = Noise(width, height, cinfo.input_components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char *>(&pixels[cinfo.next_scanline * width * cinfo.input_components]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}

// What libjpeg decodes: the output colour space and the raw samples; empty on an error.
struct RawPicture {
    int space = -1;
    std::vector<unsigned char> samples;
    bool operator==(const RawPicture &) const = default;
};

struct RawErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

RawPicture DecodedRaw(const QByteArray &Bytes)
{
    RawPicture picture;
    jpeg_decompress_struct cinfo{};
    RawErrors errors{};
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<RawErrors *>(c->err)->jump, 1); };
    jpeg_create_decompress(&cinfo);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(Bytes.constData()), static_cast<unsigned long>(Bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = std::size_t(cinfo.output_width) * std::size_t(cinfo.output_components);
    picture.space = cinfo.out_color_space;
    picture.samples.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &picture.samples[cinfo.output_scanline * stride];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return picture;
}

// The reduction removes metadata only: the Adobe segment of a YCCK file and of an RGB
// file (whose component ids alone would read as YCbCr) stays, so every picture decodes
// to the same samples; every other segment the steps name is gone.
TEST_F(JpegFiles, PicturesDecodeToTheSameSamplesAfterTheReduction)
{
    const QByteArray exif = B("Exif\0\0MM\0*\0\0\0\x08\0\0");
    const QByteArray xmp = "http://ns.adobe.com/xap/1.0/" + B("\0") + "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>";
    const QByteArray icc = B("ICC_PROFILE\0\x01\x01") + QByteArray(128, '\x07');
    const QByteArray iptc = B("Photoshop 3.0\08BIM\x04\x04\0\0\0\0\0\x05\x1c\x02\x05\0\x01z");
    const QByteArray ducky = B("Ducky\0\x01\0\x04\0\0\0\x50");
    const QByteArray comment = "made by a camera";
    const std::vector<std::pair<int, QByteArray>> metadata = {{JPEG_APP0 + 1, exif}, {JPEG_APP0 + 1, xmp},
                                                              {JPEG_APP0 + 2, icc},  {JPEG_APP0 + 12, ducky},
                                                              {JPEG_APP0 + 13, iptc}, {JPEG_COM, comment}};
    const struct {
        const char *name;
        QByteArray original;
    } cases[] = {
        {"ycck", WrittenJpeg(JCS_CMYK, JCS_YCCK, metadata)},
        {"rgb", WrittenJpeg(JCS_RGB, JCS_RGB, metadata, {1, 2, 3})},
        {"ycbcr", WrittenJpeg(JCS_RGB, JCS_YCbCr, metadata)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = MakeTestFileBelow(Root, QString::fromLatin1(c.name) + ".jpg", c.original);
        BytesRemoved = 0;
        ReduceJpegFile(path, true, true, true);

        QByteArray lean = c.original;
        for (const auto &[code, data] : metadata) {
            const QByteArray segment = Segment(static_cast<unsigned char>(code), data);
            ASSERT_EQ(lean.count(segment), 1);
            lean.replace(segment, "");
        }
        const QByteArray reduced = Content(path);
        EXPECT_EQ(reduced.toHex().left(200).toStdString(), lean.toHex().left(200).toStdString());
        EXPECT_EQ(reduced, lean);
        EXPECT_EQ(BytesRemoved, c.original.size() - lean.size());
        const RawPicture before = DecodedRaw(c.original);
        ASSERT_FALSE(before.samples.empty());
        EXPECT_TRUE(DecodedRaw(reduced) == before);
    }
}

TEST_F(JpegFiles, FilesThatMustNotBeReplacedStay)
{
    const QString readOnly = MakeTestFileBelow(Root, "readonly.jpg", Fat);
    ASSERT_EQ(chmod(fs::encodeName(readOnly).constData(), 0444), 0);
    const QString linked = MakeTestFileBelow(Root, "linked.jpg", Fat);
    ASSERT_EQ(link(fs::encodeName(linked).constData(), fs::encodeName(Root + "second name.jpg").constData()), 0);
    const QString target = MakeTestFileBelow(Root, "target.jpg", Fat);
    const QString symlinkPath = Root + "symlink.jpg";
    ASSERT_EQ(symlink("target.jpg", fs::encodeName(symlinkPath).constData()), 0);
    const QString fifo = Root + "fifo.jpg";
    ASSERT_EQ(mkfifo(fs::encodeName(fifo).constData(), 0644), 0);
    const QString notJpeg = MakeTestFileBelow(Root, "archive.jpg", B("PK\x03\x04") + Fat.mid(2));

    for (const QString &path : {readOnly, linked, symlinkPath, fifo, notJpeg}) {
        const ino_t inode = Stat(path).st_ino;
        ReduceJpegFile(path, true, true, true);
        EXPECT_EQ(Stat(path).st_ino, inode) << path.toStdString();
    }
    EXPECT_EQ(Content(readOnly), Fat);
    EXPECT_EQ(Content(linked), Fat);
    EXPECT_EQ(Content(target), Fat);
    EXPECT_EQ(Content(notJpeg), B("PK\x03\x04") + Fat.mid(2));
    EXPECT_EQ(BytesRemoved, 0);
}

TEST_F(JpegFiles, OnlyRegularFilesAreJudged)
{
    const QString sound = MakeTestFileBelow(Root, "sound.jpg", Image());
    const QString defective = MakeTestFileBelow(Root, "cut.jpg", Image().left(Image().size() - 2));
    ASSERT_EQ(symlink("cut.jpg", fs::encodeName(Root + "link.jpg").constData()), 0);
    ASSERT_EQ(mkfifo(fs::encodeName(Root + "fifo.jpg").constData(), 0644), 0);
    EXPECT_FALSE(IsJpegDefective(sound));
    EXPECT_TRUE(IsJpegDefective(defective));
    EXPECT_FALSE(IsJpegDefective(Root + "link.jpg"));
    EXPECT_FALSE(IsJpegDefective(Root + "fifo.jpg")) << "and it did not wait for a writer";
    EXPECT_FALSE(IsJpegDefective(Root + "missing.jpg"));
}

} // namespace
