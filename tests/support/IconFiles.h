#pragma once
// Icon files and Windows programs as the tests make them: DIB and PNG images of icons,
// ICO files, and PE32 / PE32+ files whose resources hold icon groups. Header only, for
// the tests, the benchmarks and the fuzz seeds.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtEndian>

#include <algorithm>

#include <optional>
#include <vector>

namespace iconfiles {

inline void Put16(QByteArray &Bytes, qsizetype At, quint16 Value)
{
    qToLittleEndian(Value, Bytes.data() + At);
}
inline void Put32(QByteArray &Bytes, qsizetype At, quint32 Value)
{
    qToLittleEndian(Value, Bytes.data() + At);
}

// One image of an icon: its stored bytes and what its directory entry says of it.
struct Image {
    int Width = 0, Height = 0, Bits = 0;
    QByteArray Data;
};

// A picture of Width x Height in Colour, with a transparent pixel at (0, 0) and a
// mark colour at (1, 0), so that scaling and masks show.
inline QImage Picture(int Width, int Height, QRgb Colour, QRgb Mark = qRgb(255, 0, 0))
{
    QImage image(Width, Height, QImage::Format_ARGB32);
    image.fill(Colour);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    if (Width > 1)
        image.setPixel(1, 0, Mark);
    return image;
}

// The picture as an icon's DIB of Bits bits per pixel (1, 4, 8, 16, 24 or 32): a pixel
// with alpha below 128 is set in the AND mask; 32-bit images keep their alpha; the
// palette holds the picture's colours in order of first use (at most 2^Bits).
inline Image Dib(const QImage &Source, int Bits, bool WithMask = true)
{
    const QImage picture = Source.convertToFormat(QImage::Format_ARGB32);
    const int w = picture.width(), h = picture.height();
    std::vector<QRgb> palette;
    if (Bits <= 8)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = picture.pixel(x, y) | 0xFF000000u;
                if (std::find(palette.begin(), palette.end(), c) == palette.end() && palette.size() < (1u << Bits))
                    palette.push_back(c);
            }
    const int stride = (w * Bits + 31) / 32 * 4, maskStride = (w + 31) / 32 * 4;
    const int paletteBytes = Bits <= 8 ? 4 * (1 << Bits) : 0;
    QByteArray d(40 + paletteBytes + stride * h + (WithMask ? maskStride * h : 0), '\0');
    Put32(d, 0, 40);
    Put32(d, 4, quint32(w));
    Put32(d, 8, quint32(2 * h));
    Put16(d, 12, 1);
    Put16(d, 14, quint16(Bits));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        d[40 + 4 * i] = char(qBlue(palette[i]));
        d[41 + 4 * i] = char(qGreen(palette[i]));
        d[42 + 4 * i] = char(qRed(palette[i]));
    }
    for (int y = 0; y < h; ++y) {
        char *row = d.data() + 40 + paletteBytes + stride * (h - 1 - y);
        char *mask = d.data() + 40 + paletteBytes + stride * h + maskStride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = picture.pixel(x, y);
            if (Bits <= 8) {
                const auto found = std::find(palette.begin(), palette.end(), c | 0xFF000000u);
                const int index = found == palette.end() ? 0 : int(found - palette.begin());
                const int perByte = 8 / Bits;
                row[x / perByte] = char(quint8(row[x / perByte]) | (index << ((perByte - 1 - x % perByte) * Bits)));
            } else if (Bits == 16) {
                Put16(d, row - d.data() + 2 * x,
                      quint16(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)));
            } else {
                char *p = row + (Bits / 8) * x;
                p[0] = char(qBlue(c));
                p[1] = char(qGreen(c));
                p[2] = char(qRed(c));
                if (Bits == 32)
                    p[3] = char(qAlpha(c));
            }
            if (WithMask && qAlpha(c) < 128)
                mask[x / 8] = char(quint8(mask[x / 8]) | (0x80 >> (x % 8)));
        }
    }
    return {w, h, Bits, d};
}

inline Image Png(const QImage &Picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Picture.save(&buffer, "PNG");
    return {Picture.width(), Picture.height(), 32, bytes};
}

// The 16 bytes of an ICO directory entry, or the first 12 of a group entry.
inline QByteArray Described(const Image &I)
{
    QByteArray e(12, '\0');
    e[0] = char(I.Width >= 256 ? 0 : I.Width);
    e[1] = char(I.Height >= 256 ? 0 : I.Height);
    e[2] = char(I.Bits < 8 ? 1 << I.Bits : 0);
    Put16(e, 4, 1);
    Put16(e, 6, quint16(I.Bits));
    Put32(e, 8, quint32(I.Data.size()));
    return e;
}

inline QByteArray Ico(const std::vector<Image> &Images)
{
    QByteArray file(6, '\0');
    Put16(file, 2, 1);
    Put16(file, 4, quint16(Images.size()));
    qsizetype at = 6 + 16 * qsizetype(Images.size());
    for (const Image &i : Images) {
        QByteArray entry = Described(i) + QByteArray(4, '\0');
        Put32(entry, 12, quint32(at));
        file += entry;
        at += i.Data.size();
    }
    for (const Image &i : Images)
        file += i.Data;
    return file;
}

// An icon group of a program: by name (a resource name) or by id.
struct Group {
    std::vector<Image> Images;
    std::optional<QString> Name = {};
    quint16 Id = 0;
};

constexpr quint32 SectionAddress = 0x1000;
constexpr quint32 SectionFileOffset = 0x200;

// A PE32 (or PE32+) file with one section ".rsrc" holding the groups in the order given
// (the builder does not sort them: named groups come first) and their images as RT_ICON
// resources 1, 2, ...
inline QByteArray Pe(const std::vector<Group> &Groups, bool Plus = false)
{
    std::vector<const Image *> icons;
    for (const Group &g : Groups)
        for (const Image &i : g.Images)
            icons.push_back(&i);
    const qsizetype nIcons = qsizetype(icons.size()), nGroups = qsizetype(Groups.size());
    // Layout: root, the two type directories, a language directory per resource, the
    // data entries, the names, then the data.
    const qsizetype root = 0, iconType = 16 + 2 * 8, groupType = iconType + 16 + 8 * nIcons;
    const qsizetype languages = groupType + 16 + 8 * nGroups;
    const qsizetype dataEntries = languages + 24 * (nIcons + nGroups);
    qsizetype names = dataEntries + 16 * (nIcons + nGroups);
    QByteArray section(names, '\0');
    std::vector<qsizetype> nameAt;
    for (const Group &g : Groups) {
        nameAt.push_back(section.size());
        if (g.Name) {
            QByteArray n(2, '\0');
            Put16(n, 0, quint16(g.Name->size()));
            for (QChar c : *g.Name) {
                n += char(c.unicode() & 0xFF);
                n += char(c.unicode() >> 8);
            }
            section += n;
        }
    }
    const auto align = [&section] {
        while (section.size() % 4)
            section += '\0';
    };
    const auto directory = [&section](qsizetype At, int Named, int Ids) {
        Put16(section, At + 12, quint16(Named));
        Put16(section, At + 14, quint16(Ids));
    };
    const auto entry = [&section](qsizetype Directory, qsizetype Index, quint32 Name, quint32 Target) {
        Put32(section, Directory + 16 + 8 * Index, Name);
        Put32(section, Directory + 20 + 8 * Index, Target);
    };
    // Resource k (icons first, then groups): its language directory and data entry.
    const auto resource = [&](qsizetype k, const QByteArray &Data) {
        const qsizetype language = languages + 24 * k, data = dataEntries + 16 * k;
        directory(language, 0, 1);
        entry(language, 0, 0x409, quint32(data));
        align();
        Put32(section, data, quint32(SectionAddress + section.size()));
        Put32(section, data + 4, quint32(Data.size()));
        section += Data;
        return quint32(language) | 0x80000000u;
    };
    directory(root, 0, 2);
    entry(root, 0, 3, quint32(iconType) | 0x80000000u);
    entry(root, 1, 14, quint32(groupType) | 0x80000000u);
    directory(iconType, 0, int(nIcons));
    for (qsizetype k = 0; k < nIcons; ++k)
        entry(iconType, k, quint32(k + 1), resource(k, icons[std::size_t(k)]->Data));
    int named = 0;
    for (const Group &g : Groups)
        named += g.Name ? 1 : 0;
    directory(groupType, named, int(nGroups) - named);
    quint16 nextIcon = 1;
    for (qsizetype k = 0; k < nGroups; ++k) {
        const Group &g = Groups[std::size_t(k)];
        QByteArray dir(6, '\0');
        Put16(dir, 2, 1);
        Put16(dir, 4, quint16(g.Images.size()));
        for (const Image &i : g.Images) {
            QByteArray e = Described(i) + QByteArray(2, '\0');
            Put16(e, 12, nextIcon++);
            dir += e;
        }
        const quint32 name = g.Name ? quint32(nameAt[std::size_t(k)]) | 0x80000000u : g.Id ? g.Id : quint32(k + 1);
        entry(groupType, k, name, resource(nIcons + k, dir));
    }
    align();

    const qsizetype optionalSize = Plus ? 240 : 224;
    const qsizetype sections = 0x40 + 24 + optionalSize;
    QByteArray file(SectionFileOffset, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    Put32(file, 0x3C, 0x40);
    file.replace(0x40, 4, QByteArray("PE\0\0", 4));
    Put16(file, 0x44, Plus ? 0x8664 : 0x14C);
    Put16(file, 0x46, 1);
    Put16(file, 0x54, quint16(optionalSize));
    Put16(file, 0x56, 0x2102);
    const qsizetype optional = 0x58;
    Put16(file, optional, Plus ? 0x20B : 0x10B);
    const qsizetype count = optional + (Plus ? 108 : 92);
    Put32(file, count, 16);
    Put32(file, count + 4 + 16, SectionAddress);
    Put32(file, count + 4 + 20, quint32(section.size()));
    file.replace(sections, 5, QByteArray(".rsrc", 5));
    Put32(file, sections + 8, quint32(section.size()));
    Put32(file, sections + 12, SectionAddress);
    Put32(file, sections + 16, quint32(section.size()));
    Put32(file, sections + 20, SectionFileOffset);
    return file + section;
}

} // namespace iconfiles
