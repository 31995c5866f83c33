#pragma once
// JPEG decoding through libjpeg (version 62 API). Errors never end the program: any
// failure gives a null QImage. A file that ends before its last scan (truncated)
// counts as a failure too: the result is null, never a picture padded with grey.
// Pictures whose decoded size would exceed MaxJpegPixels are refused.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

inline constexpr qint64 MaxJpegPixels = qint64(1) << 27; // 128 megapixels
// JPEG files larger than this are not read into memory.
inline constexpr qint64 MaxJpegFileSize = qint64(256) * 1024 * 1024;

// Decodes the JPEG file at path (a regular file, read through platform/fs, any name).
// atLeast: the box the picture will be shown in. When it is valid and not empty,
// the decode is reduced by 1/2, 1/4 or 1/8 as long as the reduced picture, fitted
// into the box with its aspect ratio, needs no enlargement. An empty box decodes
// at full size.
// fastest: the fast integer DCT and plain (not smoothed) chroma upsampling.
// naturalSize, when given, receives the picture's full size (also when decoding
// fails after the header was read; otherwise an invalid size).
// The result is QImage::Format_RGB32.
QImage DecodeJpeg(const QString &path, QSize atLeast = {}, bool fastest = true, QSize *naturalSize = nullptr);
// The same for JPEG data in memory.
QImage DecodeJpegData(const QByteArray &data, QSize atLeast = {}, bool fastest = true,
                      QSize *naturalSize = nullptr);
