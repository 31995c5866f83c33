#include "platform/picture/Picture.h"

#include "platform/fs/RegularFile.h"
#include "platform/jpeg/JpegDecoder.h"

#include <QImageReader>

namespace {

bool isJpegSignature(const QByteArray &head)
{
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF;
}

} // namespace

QImage LoadPicture(const QString &path, QSize box, QSize *naturalSize)
{
    if (naturalSize)
        *naturalSize = QSize();
    const std::unique_ptr<QFile> file = fs::openRegularFile(path);
    if (!file)
        return {};
    if (isJpegSignature(file->peek(3))) {
        if (file->size() > MaxJpegFileSize)
            return {};
        return DecodeJpegData(file->readAll(), box, true, naturalSize);
    }
    QImageReader reader(file.get());
    reader.setAutoTransform(false);
    QImage image;
    if (!reader.read(&image))
        return {};
    if (naturalSize)
        *naturalSize = image.size();
    return image;
}
