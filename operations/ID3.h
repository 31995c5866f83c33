#pragma once
// The ID3v1 tag block at the end of an MP3 file and the genre names of its genre byte.

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// The last 128 bytes of the file. Texts are Windows-1252, one byte per character.
// In an ID3v1.1 block Comment[28] is 0 and Comment[29] the track number (1 to 255).
struct Id3v1TagBlock {
    char Identifier[3]; // "TAG"
    char Title[30];
    char Artist[30];
    char Album[30];
    char Year[4];
    char Comment[30];
    std::uint8_t Genre; // index into Id3GenreNames; 255 for none or unknown
};
static_assert(sizeof(Id3v1TagBlock) == 128);

// Index = genre byte, 0 "Blues" to 125 "Dance Hall".
extern const std::array<QStringView, 126> Id3GenreNames;
// The name of a genre byte outside the table, or of a file without a tag.
inline constexpr QStringView UnknownGenre = u"Unknown";

// The index of Name in Id3GenreNames, compared without regard to case; 255 when it is
// not there.
std::uint8_t GenreIndexOf(const QString &Name);
