#include "operations/TextLines.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/LineFiles.h"
#include "platform/fs/PathCodec.h"

#include <QStringDecoder>

#include <cstring>

namespace TextLines {

namespace {

// Windows-1252 code points of the bytes 0x80 to 0x9F; the five bytes the code page
// leaves undefined map to the C1 control of the same value.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0) {
            lines.append(content.mid(start));
            break;
        }
        qsizetype stop = end;
        if (stop > start && content.at(stop - 1) == '\r')
            --stop;
        lines.append(content.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = char(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // a character beyond U+FFFF: one "?"
        } else {
            for (int k = 0; k < 32; ++k)
                if (HighControls[k] == u) {
                    b = char(0x80 + k);
                    break;
                }
        }
        bytes.append(b);
    }
    return bytes;
}

std::optional<QStringList> readLines(const QString &path)
{
    fs::LineReader reader;
    if (!reader.open(path, true))
        return std::nullopt;
    QStringList lines;
    while (const std::optional<QByteArrayView> line = reader.next())
        lines.append(fs::decodeName(*line));
    if (reader.failed())
        return std::nullopt;
    return lines;
}

QByteArrayView PackedLines::at(qsizetype i) const
{
    const qsizetype begin = i > 0 ? ends_[size_t(i - 1)] : 0;
    return QByteArrayView(bytes_).sliced(begin, ends_[size_t(i)] - begin);
}

std::optional<PackedLines> readPackedLines(const QString &path)
{
    fs::LineReader reader;
    if (!reader.open(path, true))
        return std::nullopt;
    PackedLines lines;
    while (const std::optional<QByteArrayView> line = reader.next()) {
        const qsizetype end = lines.bytes_.size();
        lines.bytes_.resize(end + line->size());
        std::memcpy(lines.bytes_.data() + end, line->data(), size_t(line->size()));
        lines.ends_.push_back(lines.bytes_.size());
    }
    if (reader.failed())
        return std::nullopt;
    return lines;
}

std::optional<QStringList> readTextLines(const QString &path, fs::Result *failure)
{
    std::optional<QByteArray> content = fs::readFile(path, failure);
    if (!content)
        return std::nullopt;
    return decodeTextLines(std::move(*content));
}

QStringList decodeTextLines(QByteArray content)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString whole = utf8.decode(content);
    const bool isUtf8 = !utf8.hasError();
    QStringList lines;
    for (const QByteArray &line : splitLines(content))
        lines.append(isUtf8 ? QString::fromUtf8(line) : decodeWindows1252(line));
    return lines;
}

fs::Result writeLinesAtomic(const QString &path, const QStringList &lines)
{
    QByteArray content;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    content.reserve(size);
    for (const QString &line : lines) {
        content.append(fs::encodeName(line));
        content.append("\r\n", 2);
    }
    return fs::writeFileAtomic(path, content);
}

} // namespace TextLines
