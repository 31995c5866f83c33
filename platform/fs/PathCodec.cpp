#include "platform/fs/PathCodec.h"

namespace fs {

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t ReplacementCharacter = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at `at`, 0 when it is not valid
// (overlong forms, encoded surrogates and code points above U+10FFFF are not).
int validSequenceLength(const unsigned char *at, qsizetype left)
{
    const unsigned char lead = at[0];
    int length = 0;
    unsigned char secondMin = 0x80, secondMax = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0; // overlong below U+0800
        else if (lead == 0xED)
            secondMax = 0x9F; // U+D800..U+DFFF
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90; // overlong below U+10000
        else if (lead == 0xF4)
            secondMax = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (left < length || at[1] < secondMin || at[1] > secondMax)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(at[i]))
            return 0;
    }
    return length;
}

char32_t decodeSequence(const unsigned char *at, int length)
{
    switch (length) {
    case 1:
        return at[0];
    case 2:
        return (char32_t(at[0] & 0x1F) << 6) | (at[1] & 0x3F);
    case 3:
        return (char32_t(at[0] & 0x0F) << 12) | (char32_t(at[1] & 0x3F) << 6) | (at[2] & 0x3F);
    default:
        return (char32_t(at[0] & 0x07) << 18) | (char32_t(at[1] & 0x3F) << 12)
            | (char32_t(at[2] & 0x3F) << 6) | (at[3] & 0x3F);
    }
}

void appendUtf8(QByteArray &out, char32_t code)
{
    if (code < 0x80) {
        out.append(char(code));
    } else if (code < 0x800) {
        out.append(char(0xC0 | (code >> 6)));
        out.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(char(0xE0 | (code >> 12)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    } else {
        out.append(char(0xF0 | (code >> 18)));
        out.append(char(0x80 | ((code >> 12) & 0x3F)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    }
}

} // namespace

QString decodeName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    appendDecodedName(name, bytes);
    return name;
}

void appendDecodedName(QString &name, QByteArrayView bytes)
{
    // Most names are plain ASCII. The test has no early exit, so that it runs in vector steps.
    unsigned char any = 0;
    for (const char c : bytes)
        any |= (unsigned char)c;
    if (any < 0x80) {
        name.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = validSequenceLength(data + i, size - i);
        if (length == 0) {
            // Only bytes 0x80..0xFF can be invalid, so escapes stay within U+DC80..U+DCFF.
            name.append(QChar(char16_t(EscapeBase + data[i])));
            ++i;
            continue;
        }
        const char32_t code = decodeSequence(data + i, length);
        if (code >= 0x10000) {
            name.append(QChar(QChar::highSurrogate(code)));
            name.append(QChar(QChar::lowSurrogate(code)));
        } else {
            name.append(QChar(char16_t(code)));
        }
        i += length;
    }
}

void appendEncodedName(QByteArray &bytes, QStringView name)
{
    // Plain ASCII is copied in one pass without an early exit (so it runs in vector
    // steps); otherwise the rest is encoded again from the first other unit on.
    const qsizetype size = name.size(), start = bytes.size();
    bytes.resize(start + size);
    char *out = bytes.data() + start;
    const char16_t *units = name.utf16();
    char16_t any = 0;
    for (qsizetype k = 0; k < size; ++k) {
        any |= units[k];
        out[k] = char(units[k]);
    }
    if (any < 0x80)
        return;
    qsizetype i = 0;
    while (units[i] < 0x80)
        ++i;
    bytes.resize(start + i);
    for (; i < size; ++i) {
        const char16_t unit = units[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, units[i + 1]));
            ++i;
        } else if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes.append(char(unit - EscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(bytes, ReplacementCharacter);
        } else {
            appendUtf8(bytes, unit);
        }
    }
}

QByteArray encodeName(const QString &name)
{
    QByteArray bytes;
    appendEncodedName(bytes, name);
    return bytes;
}

} // namespace fs
