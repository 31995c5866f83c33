#include "platform/jpeg/JpegDecoder.h"

#include "platform/fs/RegularFile.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps back to
// the setjmp of the step that is running. Only C frames of libjpeg lie between the
// two, so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

// Warnings (level -1) are corrupt-data notes; the end of the data before the picture
// is complete (truncated file) is treated as an error. Nothing is printed.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        errorExit(cinfo);
    if (level < 0)
        ++cinfo->err->num_warnings;
}

void outputMessage(j_common_ptr) {}

// A progressive file may hold any number of scans; a hostile one with thousands of
// tiny scans keeps the decoder busy for minutes. Real pictures have a dozen or so.
constexpr int MaxScans = 300;

void limitScans(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MaxScans)
        errorExit(cinfo);
}

// Decompressor with its error manager; destroyed whatever step failed.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager error{};
    jpeg_progress_mgr progress{};

    Decoder()
    {
        cinfo.err = jpeg_std_error(&error.pub);
        error.pub.error_exit = errorExit;
        error.pub.emit_message = emitMessage;
        error.pub.output_message = outputMessage;
    }
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;
};

// libjpeg's internal buffers (progressive coefficients, ...) stay below this; asking
// for more fails the decode (there is no backing store).
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;

// The largest reduction (8, 4, 2) whose picture still covers the picture fitted into
// the box; 1 when there is no box or no reduction fits.
unsigned scaleDenominator(unsigned width, unsigned height, QSize box)
{
    if (!box.isValid() || box.isEmpty() || width == 0 || height == 0)
        return 1;
    QSize target{int(width), int(height)};
    if (target.width() > box.width() || target.height() > box.height())
        target = target.scaled(box, Qt::KeepAspectRatio);
    for (unsigned d : {8u, 4u, 2u}) {
        const unsigned w = (width + d - 1) / d, h = (height + d - 1) / d;
        if (int(w) >= target.width() && int(h) >= target.height())
            return d;
    }
    return 1;
}

// Step 1: header and output parameters. False on any error.
bool startDecode(Decoder &dec, const QByteArray &data, QSize box, bool fastest, QSize *naturalSize)
{
    jpeg_decompress_struct &cinfo = dec.cinfo;
    if (setjmp(dec.error.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    dec.progress.progress_monitor = limitScans;
    cinfo.progress = &dec.progress;
    cinfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()), (unsigned long)data.size());
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (naturalSize)
        *naturalSize = QSize(int(cinfo.image_width), int(cinfo.image_height));
    cinfo.scale_num = 1;
    cinfo.scale_denom = scaleDenominator(cinfo.image_width, cinfo.image_height, box);
    if (fastest) {
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
        cinfo.do_block_smoothing = FALSE;
    }
    // Four bytes per pixel straight into the picture's rows: B, G, R, X is
    // QImage::Format_RGB32 in memory; CMYK pictures are converted row by row.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB);
    jpeg_calc_output_dimensions(&cinfo);
    return cinfo.output_width > 0 && cinfo.output_height > 0 && cinfo.output_components == 4 &&
           qint64(cinfo.output_width) * qint64(cinfo.output_height) <= MaxJpegPixels;
}

// CMYK as Adobe writes it (inverted) or plain, to RGB32 in place.
void convertCmykRow(unsigned char *row, unsigned width, bool inverted)
{
    auto *out = reinterpret_cast<QRgb *>(row);
    for (unsigned x = 0; x < width; ++x) {
        unsigned c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(int(c * k / 255), int(m * k / 255), int(y * k / 255));
    }
}

// Step 2: every scan line into the picture's buffer. False on any error, a truncated
// file included.
bool readPixels(Decoder &dec, uchar *bits, qsizetype bytesPerLine)
{
    jpeg_decompress_struct &cinfo = dec.cinfo;
    if (setjmp(dec.error.jump))
        return false;
    if (!jpeg_start_decompress(&cinfo))
        return false;
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    while (cinfo.output_scanline < cinfo.output_height) {
        unsigned char *row = bits + qsizetype(cinfo.output_scanline) * bytesPerLine;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (cmyk)
            convertCmykRow(row, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

QImage DecodeJpegData(const QByteArray &data, QSize atLeast, bool fastest, QSize *naturalSize)
{
    if (naturalSize)
        *naturalSize = QSize();
    Decoder dec;
    if (!startDecode(dec, data, atLeast, fastest, naturalSize))
        return {};
    QImage image(int(dec.cinfo.output_width), int(dec.cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull() || !readPixels(dec, image.bits(), image.bytesPerLine()))
        return {};
    return image;
}

QImage DecodeJpeg(const QString &path, QSize atLeast, bool fastest, QSize *naturalSize)
{
    if (naturalSize)
        *naturalSize = QSize();
    const std::unique_ptr<QFile> file = fs::openRegularFile(path);
    if (!file || file->size() > MaxJpegFileSize)
        return {};
    return DecodeJpegData(file->readAll(), atLeast, fastest, naturalSize);
}
