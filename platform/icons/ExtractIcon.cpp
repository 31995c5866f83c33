#include "platform/icons/ExtractIcon.h"

#include "platform/fs/RegularFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr int MaxEdge = 1024;                  // larger images are not decoded
constexpr qint64 MaxImageBytes = 8 << 20;      // nor images stored in more bytes
constexpr int MaxImagesPerIcon = 256;          // images of an icon looked at
constexpr int MaxSections = 256;               // sections of a PE file looked at
constexpr quint32 RtIcon = 3, RtGroupIcon = 14;
constexpr quint32 SubdirectoryBit = 0x80000000u;

quint16 U16(const char *At)
{
    return qFromLittleEndian<quint16>(At);
}
quint32 U32(const char *At)
{
    return qFromLittleEndian<quint32>(At);
}

// Reads of the device, each checked against its size.
class Bytes {
public:
    explicit Bytes(QIODevice &Device) : device_(Device), size_(Device.size()) {}

    bool Holds(qint64 At, qint64 Count) const
    {
        return At >= 0 && Count >= 0 && At <= size_ && Count <= size_ - At;
    }
    // Count bytes at At, or nothing when they do not all lie in the device.
    std::optional<QByteArray> Read(qint64 At, qint64 Count) const
    {
        if (!Holds(At, Count) || !device_.seek(At))
            return std::nullopt;
        QByteArray data = device_.read(Count);
        if (data.size() != Count)
            return std::nullopt;
        return data;
    }

private:
    QIODevice &device_;
    qint64 size_;
};

// Where an image of an icon lies in the file, and what its directory entry says of it.
struct ImageEntry {
    qint64 Offset = 0, Length = 0;
    int Width = 0, Height = 0, Bits = 0;
};

// Width, height, colours and bit count of an entry of an ICO or group directory.
ImageEntry Described(const char *Entry)
{
    ImageEntry e;
    e.Width = quint8(Entry[0]) ? quint8(Entry[0]) : 256;
    e.Height = quint8(Entry[1]) ? quint8(Entry[1]) : 256;
    e.Bits = U16(Entry + 6);
    const int colours = quint8(Entry[2]);
    if (e.Bits == 0) { // some writers give the colours only; 0 colours: 256 or more
        e.Bits = colours == 0 ? 8 : 0;
        while ((1 << e.Bits) < colours)
            ++e.Bits;
    }
    return e;
}

// The image to take: 32 x 32 with the most bits, else the nearest size, the larger on
// a tie, then the most bits.
const ImageEntry *Best(const std::vector<ImageEntry> &Images)
{
    const auto key = [](const ImageEntry &e) {
        return std::array<int, 3>{-(std::abs(e.Width - IconEdge) + std::abs(e.Height - IconEdge)),
                                  e.Width * e.Height, e.Bits};
    };
    const auto best = std::max_element(Images.begin(), Images.end(),
                                       [&](const ImageEntry &a, const ImageEntry &b) { return key(a) < key(b); });
    return best == Images.end() ? nullptr : &*best;
}

// ---- Decoding one image ----

// A DIB as stored in icons: a BITMAPINFOHEADER (or a later one) whose height counts the
// colour rows and the AND mask, the palette, the colour rows and the mask, bottom-up.
QImage DecodeDib(const QByteArray &Data)
{
    const qint64 size = Data.size();
    if (size < 40)
        return {};
    const char *d = Data.constData();
    const qint64 headerSize = U32(d);
    const qint32 width = qint32(U32(d + 4)), doubled = qint32(U32(d + 8));
    const int bits = U16(d + 14);
    const quint32 compression = U32(d + 16);
    const quint32 used = U32(d + 32);
    const int height = doubled / 2;
    if (headerSize < 40 || headerSize > size || width < 1 || width > MaxEdge || height < 1 || height > MaxEdge ||
        compression != 0)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return {};
    const qint64 paletteSize = bits <= 8 ? (used == 0 || used > (1u << bits) ? (1 << bits) : qint64(used)) : 0;
    const qint64 palette = headerSize;
    const qint64 colours = palette + 4 * paletteSize;
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    const qint64 maskStride = (qint64(width) + 31) / 32 * 4;
    const qint64 mask = colours + stride * height;
    if (mask > size)
        return {};
    const bool hasMask = mask + maskStride * height <= size;

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const char *row = d + colours + stride * (height - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb pixel = 0;
            if (bits <= 8) {
                const int perByte = 8 / bits;
                const int index = (quint8(row[x / perByte]) >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
                if (index < paletteSize) {
                    const char *c = d + palette + 4 * index;
                    pixel = qRgb(quint8(c[2]), quint8(c[1]), quint8(c[0]));
                } else {
                    pixel = qRgb(0, 0, 0);
                }
            } else if (bits == 16) {
                const quint16 v = U16(row + 2 * x); // 5-5-5
                const auto five = [](int c) { return (c << 3) | (c >> 2); };
                pixel = qRgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
            } else {
                const char *c = row + (bits / 8) * x;
                const int alpha = bits == 32 ? quint8(c[3]) : 255;
                anyAlpha = anyAlpha || (bits == 32 && alpha != 0);
                pixel = qRgba(quint8(c[2]), quint8(c[1]), quint8(c[0]), alpha);
            }
            out[x] = pixel;
        }
    }
    // A 32-bit image whose alpha is all zero is masked like the others.
    if (bits == 32 && anyAlpha)
        return image;
    for (int y = 0; y < height; ++y) {
        const char *row = hasMask ? d + mask + maskStride * (height - 1 - y) : nullptr;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool transparent = row && (quint8(row[x / 8]) >> (7 - x % 8)) & 1;
            out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xFF000000u);
        }
    }
    return image;
}

bool IsPng(const QByteArray &Data)
{
    return Data.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1a\n"));
}

// A PNG image, when its header gives a size the program decodes.
QImage DecodePng(const QByteArray &Data)
{
    if (Data.size() < 24 || Data.mid(12, 4) != "IHDR")
        return {};
    const quint32 width = qFromBigEndian<quint32>(Data.constData() + 16);
    const quint32 height = qFromBigEndian<quint32>(Data.constData() + 20);
    if (width < 1 || width > MaxEdge || height < 1 || height > MaxEdge)
        return {};
    return QImage::fromData(Data, "PNG");
}

// The image the entry describes, as an icon of IconEdge x IconEdge.
QImage Decoded(const Bytes &File, const ImageEntry *Entry)
{
    if (!Entry || Entry->Length > MaxImageBytes)
        return {};
    const std::optional<QByteArray> data = File.Read(Entry->Offset, Entry->Length);
    if (!data)
        return {};
    QImage image = IsPng(*data) ? DecodePng(*data) : DecodeDib(*data);
    if (image.isNull())
        return {};
    if (image.width() != IconEdge || image.height() != IconEdge)
        image = image.scaled(IconEdge, IconEdge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---- ICO files ----

std::optional<int> IcoImageCount(const Bytes &File)
{
    const std::optional<QByteArray> header = File.Read(0, 6);
    if (!header || U16(header->constData()) != 0 || U16(header->constData() + 2) != 1)
        return std::nullopt;
    const int count = U16(header->constData() + 4);
    if (count == 0 || !File.Holds(6, qint64(count) * 16))
        return std::nullopt;
    return count;
}

QImage IcoIcon(const Bytes &File, int Count)
{
    const int looked = std::min(Count, MaxImagesPerIcon);
    const std::optional<QByteArray> directory = File.Read(6, qint64(looked) * 16);
    if (!directory)
        return {};
    std::vector<ImageEntry> images;
    for (int i = 0; i < looked; ++i) {
        const char *entry = directory->constData() + 16 * i;
        ImageEntry e = Described(entry);
        e.Length = U32(entry + 8);
        e.Offset = U32(entry + 12);
        images.push_back(e);
    }
    return Decoded(File, Best(images));
}

// ---- PE files ----

// The resource tree of a PE32 or PE32+ file, found through its section table.
class PeResources {
public:
    explicit PeResources(const Bytes &File) : file_(File)
    {
        const std::optional<QByteArray> dos = File.Read(0, 64);
        if (!dos || !dos->startsWith("MZ"))
            return;
        const qint64 pe = U32(dos->constData() + 0x3C);
        const std::optional<QByteArray> coff = File.Read(pe, 24);
        if (!coff || !coff->startsWith(QByteArrayLiteral("PE\0\0")))
            return;
        const int sections = std::min<int>(U16(coff->constData() + 6), MaxSections);
        const qint64 optionalSize = U16(coff->constData() + 20);
        const qint64 optional = pe + 24;
        const std::optional<QByteArray> header = File.Read(optional, optionalSize);
        if (!header || optionalSize < 2)
            return;
        const quint16 magic = U16(header->constData());
        const qint64 countAt = magic == 0x10b ? 92 : magic == 0x20b ? 108 : -1;
        if (countAt < 0 || countAt + 4 > optionalSize)
            return;
        const qint64 resourceEntry = countAt + 4 + 2 * 8; // data directory 2
        if (U32(header->constData() + countAt) < 3 || resourceEntry + 8 > optionalSize)
            return;
        root_ = U32(header->constData() + resourceEntry);
        const std::optional<QByteArray> table = File.Read(optional + optionalSize, qint64(sections) * 40);
        if (!table || root_ == 0)
            return;
        for (int i = 0; i < sections; ++i) {
            const char *s = table->constData() + 40 * i;
            sections_.push_back({U32(s + 12), U32(s + 16), U32(s + 20)});
        }
        valid_ = true;
    }

    bool Valid() const { return valid_; }

    // The entries of the directory at Directory (from the start of the resources): the
    // number of named entries and of id entries.
    std::optional<std::pair<int, int>> Counts(quint32 Directory) const
    {
        const std::optional<QByteArray> header = Read(qint64(Directory), 16);
        if (!header)
            return std::nullopt;
        return std::pair{int(U16(header->constData() + 12)), int(U16(header->constData() + 14))};
    }

    // The number of entries of the directory at Directory, when they all lie in the file.
    int EntryCount(quint32 Directory) const
    {
        const auto counts = Counts(Directory);
        if (!counts)
            return 0;
        const int total = counts->first + counts->second;
        const std::optional<qint64> at = FileOffset(quint32(root_ + Directory), 16 + 8 * qint64(total));
        return at && file_.Holds(*at, 16 + 8 * qint64(total)) ? total : 0;
    }

    // Entry Index of a directory: its name or id, and its target.
    std::optional<std::pair<quint32, quint32>> Entry(quint32 Directory, int Index) const
    {
        const std::optional<QByteArray> entry = Read(qint64(Directory) + 16 + 8 * qint64(Index), 8);
        if (!entry)
            return std::nullopt;
        return std::pair{U32(entry->constData()), U32(entry->constData() + 4)};
    }

    // The target of the entry with id Id among the directory's id entries, which are
    // sorted ascending (the loader searches them the same way).
    std::optional<quint32> FindId(quint32 Directory, quint32 Id) const
    {
        const auto counts = Counts(Directory);
        if (!counts)
            return std::nullopt;
        int low = counts->first, high = counts->first + counts->second;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            const auto entry = Entry(Directory, middle);
            if (!entry)
                return std::nullopt;
            if (entry->first == Id)
                return entry->second;
            if (entry->first < Id)
                low = middle + 1;
            else
                high = middle;
        }
        return std::nullopt;
    }

    // The sub-directory an entry's target names.
    static std::optional<quint32> Subdirectory(quint32 Target)
    {
        if (!(Target & SubdirectoryBit))
            return std::nullopt;
        return Target & ~SubdirectoryBit;
    }

    // The type directory of resources of kind Type.
    std::optional<quint32> TypeDirectory(quint32 Type) const
    {
        const std::optional<quint32> target = FindId(0, Type);
        return target ? Subdirectory(*target) : std::nullopt;
    }

    // The data of a resource's first language, from its name entry's target.
    std::optional<std::pair<qint64, qint64>> FirstLanguage(quint32 Target) const
    {
        const std::optional<quint32> languages = Subdirectory(Target);
        const auto counts = languages ? Counts(*languages) : std::nullopt;
        if (!counts || counts->first + counts->second == 0)
            return std::nullopt;
        const auto first = Entry(*languages, 0);
        if (!first || (first->second & SubdirectoryBit))
            return std::nullopt;
        const std::optional<QByteArray> data = Read(first->second, 8);
        if (!data)
            return std::nullopt;
        const quint32 size = U32(data->constData() + 4);
        const std::optional<qint64> offset = FileOffset(U32(data->constData()), size);
        if (!offset)
            return std::nullopt;
        return std::pair{*offset, qint64(size)};
    }

    // The file offset of Length bytes at the address Rva, when they lie in one section's
    // data in the file.
    std::optional<qint64> FileOffset(quint32 Rva, qint64 Length) const
    {
        for (const Section &s : sections_) {
            if (Rva < s.Address)
                continue;
            const qint64 within = qint64(Rva) - s.Address;
            if (within < s.RawSize && Length <= s.RawSize - within)
                return qint64(s.RawOffset) + within;
        }
        return std::nullopt;
    }

private:
    struct Section {
        quint32 Address, RawSize, RawOffset;
    };

    // Count bytes at Offset from the start of the resources.
    std::optional<QByteArray> Read(qint64 Offset, qint64 Count) const
    {
        if (Offset < 0 || qint64(root_) + Offset > 0xFFFFFFFFll)
            return std::nullopt;
        const std::optional<qint64> at = FileOffset(quint32(root_ + Offset), Count);
        return at ? file_.Read(*at, Count) : std::nullopt;
    }

    const Bytes &file_;
    quint32 root_ = 0;
    std::vector<Section> sections_;
    bool valid_ = false;
};

int PeIconCount(const PeResources &Resources)
{
    const std::optional<quint32> groups = Resources.TypeDirectory(RtGroupIcon);
    return groups ? Resources.EntryCount(*groups) : 0;
}

QImage PeIcon(const Bytes &File, const PeResources &Resources, int Index)
{
    if (Index >= PeIconCount(Resources))
        return {};
    const std::optional<quint32> groups = Resources.TypeDirectory(RtGroupIcon);
    const std::optional<quint32> icons = Resources.TypeDirectory(RtIcon);
    const auto group = groups ? Resources.Entry(*groups, Index) : std::nullopt;
    const auto groupData = group && icons ? Resources.FirstLanguage(group->second) : std::nullopt;
    if (!groupData || groupData->second < 6)
        return {};
    const std::optional<QByteArray> header = File.Read(groupData->first, 6);
    if (!header || U16(header->constData() + 2) != 1)
        return {};
    const qint64 looked = std::min<qint64>({U16(header->constData() + 4), MaxImagesPerIcon,
                                            (groupData->second - 6) / 14});
    const std::optional<QByteArray> directory = File.Read(groupData->first + 6, looked * 14);
    if (!directory)
        return {};
    std::vector<ImageEntry> images;
    std::vector<quint16> ids;
    for (qint64 i = 0; i < looked; ++i) {
        const char *entry = directory->constData() + 14 * i;
        images.push_back(Described(entry));
        ids.push_back(U16(entry + 12));
    }
    const ImageEntry *best = Best(images);
    if (!best)
        return {};
    const std::optional<quint32> icon = Resources.FindId(*icons, ids[std::size_t(best - images.data())]);
    const auto data = icon ? Resources.FirstLanguage(*icon) : std::nullopt;
    if (!data)
        return {};
    ImageEntry located = *best;
    located.Offset = data->first;
    located.Length = data->second;
    return Decoded(File, &located);
}

} // namespace

int IconCount(QIODevice &File)
{
    const Bytes bytes(File);
    if (IcoImageCount(bytes))
        return 1;
    const PeResources resources(bytes);
    return resources.Valid() ? PeIconCount(resources) : 0;
}

QImage IconAt(QIODevice &File, int Index)
{
    if (Index < 0)
        return {};
    const Bytes bytes(File);
    if (const std::optional<int> images = IcoImageCount(bytes))
        return Index == 0 ? IcoIcon(bytes, *images) : QImage();
    const PeResources resources(bytes);
    return resources.Valid() ? PeIcon(bytes, resources, Index) : QImage();
}

namespace {

constexpr qint64 ReadWhole = 1 << 20; // smaller files are read at once

// Runs Fn on the file's content: a small file from memory (its many small reads would
// each fill the device's buffer), a larger one from the file.
template <typename Result, typename Fn> Result OnFile(const QString &FileName, Fn fn)
{
    const std::unique_ptr<QFile> file = fs::openRegularFile(FileName);
    if (!file)
        return Result();
    if (file->size() > ReadWhole)
        return fn(*file);
    QByteArray content = file->readAll();
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    return fn(buffer);
}

} // namespace

int ExtractIconCount(const QString &FileName)
{
    return OnFile<int>(FileName, [](QIODevice &File) { return IconCount(File); });
}

QImage ExtractIconA(const QString &FileName, int Index)
{
    return OnFile<QImage>(FileName, [Index](QIODevice &File) { return IconAt(File, Index); });
}
