#pragma once
// JPEG files for tests, written with libjpeg's compressor.

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

// A JPEG of one colour: `pixel` holds the stored components of the colour space (CMYK
// in the Adobe convention: 255 = no ink).
inline QByteArray OneColourJpeg(int width, int height, J_COLOR_SPACE space, std::vector<unsigned char> pixel,
                                bool progressive = false)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = int(pixel.size());
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), pixel.begin(), pixel.end());
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}
