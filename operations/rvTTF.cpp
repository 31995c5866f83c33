#include "operations/rvTTF.h"

#include "localisation/fktSprache.h"
#include "operations/TextCharacters.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/fs/PathNames.h"
#include "platform/fs/RegularFile.h"
#include "platform/toolkit/Edits.h"
#include "shell/Haupt.h"

#include <QByteArrayMatcher>
#include <QLabel>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

QString FontNotice;
QString FontFamilyName;
QString FontStyleName;
QString FontFullName;

namespace {

constexpr qint64 HeadSize = 64 * 1024;    // the first read; small fonts fit whole
constexpr qint64 SearchBlock = 1 << 20;   // later blocks of the tag search
constexpr int Records = 5;                // the records read, whatever the count says

quint32 BigEndian(QByteArrayView Bytes, qsizetype At, int Count)
{
    quint32 value = 0;
    for (int i = 0; i < Count; ++i)
        value = value << 8 | quint8(Bytes[At + i]);
    return value;
}

// Reads of a font: only the bytes that exist; the head of the file is read once.
class FontReader {
public:
    explicit FontReader(QIODevice &File) : file_(File), size_(quint64(std::max<qint64>(File.size(), 0)))
    {
        head_ = Read(0, HeadSize, false);
    }

    // Count bytes at Offset, fewer where the file ends.
    QByteArray Read(quint64 Offset, qint64 Count, bool FromHead = true)
    {
        if (Offset >= size_ || Count <= 0)
            return {};
        const qint64 count = qint64(std::min<quint64>(quint64(Count), size_ - Offset));
        if (FromHead && Offset + quint64(count) <= quint64(head_.size()))
            return head_.mid(qsizetype(Offset), count);
        if (!file_.seek(qint64(Offset)))
            return {};
        return file_.read(count);
    }

    // The first position of the tag "name" (a whole tag before the end), or nothing.
    std::optional<quint64> FindTag()
    {
        static const QByteArrayMatcher Tag(QByteArrayLiteral("name"));
        qsizetype at = Tag.indexIn(head_);
        if (at >= 0)
            return quint64(at);
        // Later blocks overlap by three bytes, so a tag across two blocks is found.
        quint64 from = quint64(std::max<qsizetype>(head_.size() - 3, 0));
        QByteArray block;
        while (quint64(head_.size()) < size_ && from + 3 < size_) {
            block = Read(from, SearchBlock, false);
            if (block.size() < 4)
                return std::nullopt;
            at = Tag.indexIn(block);
            if (at >= 0)
                return from + quint64(at);
            from += quint64(block.size()) - 3;
        }
        return std::nullopt;
    }

private:
    QIODevice &file_;
    quint64 size_;
    QByteArray head_;
};

// Mode 2: the bytes that may stand in a file name.
bool FileNameSafe(quint8 B)
{
    switch (B) {
    case 0x22: case 0x2A: case 0x2F: case 0x3A: case 0x3B: case 0x3C: case 0x3D: case 0x3E: case 0x3F:
    case 0x5B: case 0x5C: case 0x5D: case 0x5E: case 0x7C:
        return false;
    default:
        return (B >= 0x20 && B <= 0x7E) || B >= 0xA0;
    }
}

bool Printable(quint8 B)
{
    return (B >= 0x20 && B <= 0x7E) || B >= 0xA0;
}

void ClearFontNames()
{
    FontNotice.clear();
    FontFamilyName.clear();
    FontStyleName.clear();
    FontFullName.clear();
}

} // namespace

QString FilterFontNameBytes(QByteArrayView Bytes, int Mode)
{
    QByteArray kept;
    kept.reserve(Bytes.size());
    for (const char c : Bytes) {
        const quint8 b = quint8(c);
        if (Mode == 2 ? FileNameSafe(b) : Printable(b))
            kept.append(c);
    }
    if (Mode == 2)
        kept.truncate(80);
    return TextLines::decodeWindows1252(kept);
}

QString FontNameBytesToText(QByteArrayView Bytes)
{
    const qsizetype nul = Bytes.indexOf('\0');
    QByteArrayView text = nul >= 0 ? Bytes.first(nul) : Bytes;
    while (!text.isEmpty() && quint8(text.back()) <= 0x20)
        text.chop(1);
    return TextLines::decodeWindows1252(text.toByteArray());
}

void ReadTrueTypeNames(const QString &FileName)
{
    ClearFontNames();
    if (const std::unique_ptr<QFile> file = fs::openRegularFile(FileName))
        ReadTrueTypeNames(*file);
}

void ReadTrueTypeNames(QIODevice &File)
{
    ClearFontNames();
    FontReader font(File);
    const std::optional<quint64> tag = font.FindTag();
    if (!tag)
        return;
    // Table directory entry: tag, checksum, offset of the table.
    const QByteArray entry = font.Read(*tag + 4, 12);
    if (entry.size() < 8)
        return;
    const quint64 table = BigEndian(entry, 4, 4);
    // Naming table: format, count, offset of the string storage.
    const QByteArray header = font.Read(table, 6);
    if (header.size() < 6)
        return;
    const quint64 storage = table + BigEndian(header, 4, 2);
    for (int k = 0; k < Records; ++k) {
        const QByteArray record = font.Read(table + 6 + 12 * quint64(k), 12);
        if (record.size() < 12)
            return;
        const quint32 nameId = BigEndian(record, 6, 2);
        const int length = quint8(record[9]);
        const quint64 offset = storage + BigEndian(record, 10, 2);
        if (nameId > 4 || nameId == 3)
            continue;
        const QByteArray bytes = font.Read(offset, length);
        switch (nameId) {
        case 0:
            FontNotice = FontNameBytesToText(bytes);
            break;
        case 1:
            FontFamilyName = FilterFontNameBytes(bytes, 1);
            break;
        case 2:
            FontStyleName = FilterFontNameBytes(bytes, 1);
            break;
        case 4:
            FontFullName = FilterFontNameBytes(bytes, 2);
            break;
        }
    }
}

void ShowFontInfo(const QString &FileName)
{
    THauptForm *f = HauptForm;
    const std::array<QLabel *, 4> labels = {f->TTFLabel6, f->TTFLabel7, f->TTFLabel8, f->TTFLabel9};
    if (AsciiLower(fs::extensionOf(FileName)) != u".ttf") {
        for (QLabel *label : labels)
            label->clear();
        return;
    }
    ReadTrueTypeNames(FileName);
    const std::array<const QString *, 4> names = {&FontNotice, &FontFamilyName, &FontStyleName, &FontFullName};
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(*names[i]);
}

void RenameByFontName()
{
    THauptForm *f = HauptForm;
    QStringList &entries = f->NeueDateinamen;
    if (entries.isEmpty()) {
        ShowInformation(LoadLangString(9052));
        return;
    }
    const bool toTarget = RenameEntry::TargetMode() != 0;
    QString target;
    if (toTarget) {
        if (f->DatUmbZielverzeichnis->Text().isEmpty()) {
            ShowInformation(LoadLangString(9003));
            return;
        }
        target = AddTrailingBackslash(f->DatUmbZielverzeichnis->Text());
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ReadTrueTypeNames(entries[i]);
        if (FontFullName.isEmpty())
            continue;
        const QString folder = toTarget ? target : fs::folderOf(entries[i]);
        RenameEntry::Store(entries, i, folder, FontFullName + QStringLiteral(".ttf"));
    }
}
