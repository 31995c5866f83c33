// The icon reader over arbitrary bytes, as an ICO or PE file. Every icon given out is
// 32 x 32 ARGB32; an index outside the count gives none; the sanitizers watch every read.

#include "platform/icons/ExtractIcon.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char *What)
{
    std::fprintf(stderr, "ExtractIconFuzz: %s\n", What);
    std::abort();
}

void CheckIcon(const QImage &Icon)
{
    if (!Icon.isNull() && (Icon.size() != QSize(IconEdge, IconEdge) || Icon.format() != QImage::Format_ARGB32))
        Fail("an icon that is not 32 x 32 ARGB32");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(Data), qsizetype(Size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const int count = IconCount(file);
    if (count < 0 || (bytes.startsWith(QByteArrayLiteral("\0\0\1\0")) && count > 1))
        Fail("a count below 0, or more than one icon in an ICO file");
    // The first icons and the last: a hostile count may be large.
    for (int i = 0; i < std::min(count, 8); ++i)
        CheckIcon(IconAt(file, i));
    if (count > 8)
        CheckIcon(IconAt(file, count - 1));
    if (!IconAt(file, count).isNull() || !IconAt(file, -1).isNull())
        Fail("an icon outside the count");
    return 0;
}
