#pragma once
// TrueType fonts as the tests make them: an offset table with one table directory
// entry "name" and the naming table behind it. Header only, for the tests, the
// benchmarks and the fuzz seeds.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace fontfiles {

struct NameRecord {
    quint16 Platform = 3, Encoding = 1, Language = 0x409, NameId = 0;
    QByteArray Bytes;
    // Where the string lies (from the string storage) and its length field, when not
    // where the builder puts it.
    std::optional<quint16> Offset = {};
    std::optional<quint16> Length = {};
};

// A Windows record: the text as UTF-16, big-endian.
inline NameRecord WindowsName(quint16 Id, const QString &Text)
{
    QByteArray bytes;
    for (QChar c : Text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return {3, 1, 0x409, Id, bytes};
}

// A Macintosh record: the text as single bytes.
inline NameRecord MacName(quint16 Id, const QByteArray &Bytes)
{
    return {1, 0, 0, Id, Bytes};
}

inline void AppendBigEndian(QByteArray &Out, quint32 Value, int Bytes)
{
    for (int i = Bytes - 1; i >= 0; --i)
        Out.append(char((Value >> (8 * i)) & 0xFF));
}

// The font file: Prefix (junk before the offset table, e.g. to move the tag), the
// offset table, the directory entry "name", then the naming table with Records.
inline QByteArray MakeFont(const std::vector<NameRecord> &Records, const QByteArray &Prefix = {})
{
    QByteArray font = Prefix;
    AppendBigEndian(font, 0x00010000, 4); // version
    AppendBigEndian(font, 1, 2);          // one table
    AppendBigEndian(font, 16, 2);
    AppendBigEndian(font, 0, 2);
    AppendBigEndian(font, 0, 2);
    const quint32 tableOffset = quint32(font.size()) + 16;
    QByteArray strings;
    QByteArray records;
    for (const NameRecord &r : Records) {
        AppendBigEndian(records, r.Platform, 2);
        AppendBigEndian(records, r.Encoding, 2);
        AppendBigEndian(records, r.Language, 2);
        AppendBigEndian(records, r.NameId, 2);
        AppendBigEndian(records, r.Length.value_or(quint16(r.Bytes.size())), 2);
        AppendBigEndian(records, r.Offset.value_or(quint16(strings.size())), 2);
        if (!r.Offset)
            strings += r.Bytes;
    }
    QByteArray table;
    AppendBigEndian(table, 0, 2);
    AppendBigEndian(table, quint32(Records.size()), 2);
    AppendBigEndian(table, 6 + 12 * quint32(Records.size()), 2);
    table += records + strings;
    font += "name";
    AppendBigEndian(font, 0, 4); // checksum
    AppendBigEndian(font, tableOffset, 4);
    AppendBigEndian(font, quint32(table.size()), 4);
    return font + table;
}

// A font with the four names as Windows records.
inline QByteArray MakeFont(const QString &Notice, const QString &Family, const QString &Style, const QString &FullName)
{
    return MakeFont({WindowsName(0, Notice), WindowsName(1, Family), WindowsName(2, Style), WindowsName(4, FullName)});
}

} // namespace fontfiles
