// The TrueType name reader over any bytes: a font file in, four names out. The full
// name must stay a name: at most 80 characters, no "/" and no "\".

#include "operations/rvTTF.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    ReadTrueTypeNames(file);
    if (FontFullName.size() > 80 || FontFullName.contains(u'/') || FontFullName.contains(u'\\'))
        std::abort();
    return 0;
}
