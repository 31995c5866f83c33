#include "platform/fs/PathCodec.h"

#include <gtest/gtest.h>

namespace {

QString escaped(std::initializer_list<unsigned char> bytes)
{
    QString text;
    for (unsigned char byte : bytes)
        text.append(QChar(char16_t(0xDC00 + byte)));
    return text;
}

struct CodecCase {
    const char *label;
    QByteArray bytes;
    QString decoded;
};

} // namespace

TEST(PathCodec, DecodesValidUtf8AndEscapesEveryOtherByteExactly)
{
    const CodecCase cases[] = {
        {"ascii", "abc.txt", "abc.txt"},
        {"two bytes", "caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
        {"four bytes", "\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
        {"largest code point", "\xF4\x8F\xBF\xBF", QString::fromUcs4(U"\U0010FFFF", 1)},
        {"last before surrogates", "\xED\x9F\xBF", QString(QChar(char16_t(0xD7FF)))},
        {"Latin-1 byte", "caf\xE9.txt", "caf" + escaped({0xE9}) + ".txt"},
        {"valid then invalid", "\xC3\xA9\xE9", QString::fromUtf8("\xC3\xA9") + escaped({0xE9})},
        {"overlong two bytes", "\xC0\xAF", escaped({0xC0, 0xAF})},
        {"overlong three bytes", "\xE0\x80\xAF", escaped({0xE0, 0x80, 0xAF})},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", escaped({0xF0, 0x8F, 0xBF, 0xBF})},
        {"encoded surrogate", "\xED\xA0\x80", escaped({0xED, 0xA0, 0x80})},
        {"above U+10FFFF", "\xF4\x90\x80\x80", escaped({0xF4, 0x90, 0x80, 0x80})},
        {"truncated before text", "\xE2\x82" "A", escaped({0xE2, 0x82}) + "A"},
        {"truncated at end", "x\xF0\x9F\x98", "x" + escaped({0xF0, 0x9F, 0x98})},
        {"stray continuation", "\x80", escaped({0x80})},
        {"never valid", "\xFF\xFE\xF5\xC1", escaped({0xFF, 0xFE, 0xF5, 0xC1})},
    };
    for (const CodecCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(fs::decodeName(c.bytes), c.decoded);
        EXPECT_EQ(fs::encodeName(fs::decodeName(c.bytes)), c.bytes);
    }
}

// Every string of four bytes from values around the UTF-8 boundaries: exact round trip,
// and where Qt's own decoder finds valid UTF-8 both decoders agree.
TEST(PathCodec, RoundTripsEveryShortByteString)
{
    const unsigned char values[] = {0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1,
                                    0xC2, 0xDF, 0xE0, 0xE1, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    int failures = 0;
    for (unsigned char a : values)
        for (unsigned char b : values)
            for (unsigned char c : values)
                for (unsigned char d : values) {
                    const char raw[] = {char(a), char(b), char(c), char(d)};
                    const QByteArray bytes(raw, 4);
                    const QString decoded = fs::decodeName(bytes);
                    const bool validUtf8 = QString::fromUtf8(bytes).toUtf8() == bytes;
                    const bool ok = fs::encodeName(decoded) == bytes
                        && (!validUtf8 || decoded == QString::fromUtf8(bytes));
                    if (!ok && ++failures <= 5)
                        ADD_FAILURE() << "bytes " << bytes.toHex().constData();
                }
    EXPECT_EQ(failures, 0);
}

TEST(PathCodec, SurrogatesThatNameNoByteEncodeAsReplacementCharacter)
{
    const QByteArray replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(fs::encodeName(QString(QChar(char16_t(0xD800)))), replacement);
    EXPECT_EQ(fs::encodeName(QString(QChar(char16_t(0xDC41))) + "a"), replacement + "a");
    EXPECT_EQ(fs::encodeName(QString(QChar(char16_t(0xDD00)))), replacement);
    // A high surrogate before an escape is a real pair, U+100E9.
    const QString pair = QString(QChar(char16_t(0xD800))) + QChar(char16_t(0xDCE9));
    EXPECT_EQ(fs::encodeName(pair), QByteArray("\xF0\x90\x83\xA9"));
}
