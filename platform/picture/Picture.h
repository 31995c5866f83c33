#pragma once
// Loading a picture file for display: JPEG (recognised by its content) through the
// libjpeg wrapper, every other format Qt reads through QImageReader. Only regular
// files are opened (a fifo or device never blocks the caller); anything that cannot
// be decoded gives a null image.

#include <QImage>
#include <QSize>
#include <QString>

// box: as atLeast of DecodeJpeg (JPEG only; other formats are read at full size).
// JPEG files above MaxJpegFileSize are not read.
// naturalSize, when given, receives the picture's full size, or an invalid size.
QImage LoadPicture(const QString &path, QSize box = {}, QSize *naturalSize = nullptr);
