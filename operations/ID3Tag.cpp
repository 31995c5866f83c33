#include "operations/ID3Tag.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein_Fehler.h"
#include "operations/TextLines.h"
#include "platform/fs/RegularFile.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr std::int64_t BlockSize = sizeof(Id3v1TagBlock);

bool IsTagIdentifier(const char *Bytes)
{
    return std::memcmp(Bytes, "TAG", 3) == 0;
}

// Where a block goes in a file of Size bytes: over the block at its end, else
// appended; nothing when the end cannot be read.
std::optional<std::int64_t> BlockPosition(fs::RegularFileHandle &File, std::int64_t Size)
{
    if (Size < BlockSize)
        return Size;
    char identifier[3];
    const std::optional<std::int64_t> read = File.readAt(Size - BlockSize, identifier, 3);
    if (!read)
        return std::nullopt;
    return *read == 3 && IsTagIdentifier(identifier) ? Size - BlockSize : Size;
}

// The track of a V1.1 block: a decimal number taken modulo 256.
std::optional<std::uint8_t> TrackByte(const QString &Track)
{
    bool ok = false;
    const qlonglong number = Track.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::uint8_t(((number % 256) + 256) % 256);
}

void ShowTagWarning(const QString &FileName)
{
    MessageDlg(LoadLangString(9117) + QLatin1Char('\r') + FileName, mtWarning, mbOKOnly, 0, LanguageName());
}

} // namespace

std::uint8_t GenreToByte(const QString &Name)
{
    return GenreIndexOf(Name);
}

QString ReadTagField(const char *Field, int Width)
{
    int length = 0;
    while (length < Width && Field[length] != '\0')
        ++length;
    while (length > 0 && static_cast<unsigned char>(Field[length - 1]) <= ' ')
        --length;
    return TextLines::decodeWindows1252(QByteArrayView(Field, length));
}

void WriteTagField(char *Field, int Width, const QString &Text)
{
    const QByteArray bytes = TextLines::encodeWindows1252(Text).left(Width);
    std::memset(Field, ' ', size_t(Width));
    std::memcpy(Field, bytes.constData(), size_t(bytes.size()));
}

TID3Tag::TID3Tag(QObject *parent) : QObject(parent) {}

void TID3Tag::SetText(QString &Field, const QString &Value)
{
    if (Field != Value) {
        Field = Value;
        Modified = true;
    }
}

void TID3Tag::setTitle(const QString &Value) { SetText(title_, Value); }
void TID3Tag::setArtist(const QString &Value) { SetText(artist_, Value); }
void TID3Tag::setAlbum(const QString &Value) { SetText(album_, Value); }
void TID3Tag::setYear(const QString &Value) { SetText(year_, Value); }
void TID3Tag::setComment(const QString &Value) { SetText(comment_, Value); }
void TID3Tag::setTrack(const QString &Value) { SetText(track_, Value); }

void TID3Tag::setGenre(const QString &Value)
{
    if (genre_ == Value)
        return;
    const std::uint8_t index = GenreIndexOf(Value);
    genre_ = index < Id3GenreNames.size() ? Value : UnknownGenre.toString();
    Modified = true;
}

void TID3Tag::setNoTrack(bool Value)
{
    noTrack_ = Value;
    Modified = true;
}

void TID3Tag::setFileName(const QString &Value)
{
    fileName_ = Value;
    if (!fileName_.isEmpty())
        ReadTag();
}

void TID3Tag::ClearProperties()
{
    title_.clear();
    artist_.clear();
    album_.clear();
    year_.clear();
    comment_.clear();
    track_ = QStringLiteral("0");
    genre_ = UnknownGenre.toString();
    noTrack_ = false;
}

void TID3Tag::ReadBlock(const Id3v1TagBlock &Block)
{
    title_ = ReadTagField(Block.Title, 30);
    artist_ = ReadTagField(Block.Artist, 30);
    album_ = ReadTagField(Block.Album, 30);
    year_ = ReadTagField(Block.Year, 4);
    comment_ = ReadTagField(Block.Comment, 30);
    const auto track = static_cast<unsigned char>(Block.Comment[29]);
    noTrack_ = !(Block.Comment[28] == '\0' && track != 0);
    track_ = QString::number(noTrack_ ? 0 : track);
    genre_ = Block.Genre < Id3GenreNames.size() ? Id3GenreNames[Block.Genre].toString() : UnknownGenre.toString();
}

std::optional<Id3v1TagBlock> TID3Tag::BuildBlock() const
{
    Id3v1TagBlock block;
    std::memcpy(block.Identifier, "TAG", 3);
    WriteTagField(block.Title, 30, title_);
    WriteTagField(block.Artist, 30, artist_);
    WriteTagField(block.Album, 30, album_);
    WriteTagField(block.Year, 4, year_);
    WriteTagField(block.Comment, 30, comment_);
    if (!noTrack_) {
        const std::optional<std::uint8_t> track = TrackByte(track_);
        if (!track)
            return std::nullopt;
        block.Comment[28] = '\0';
        block.Comment[29] = char(*track);
    }
    block.Genre = GenreToByte(genre_);
    return block;
}

void TID3Tag::ReadTag()
{
    ClearProperties();
    TagPresent = false;
    TagPosition = 0;
    Modified = false;
    fs::RegularFileHandle file;
    if (fileName_.isEmpty() || !file.open(fileName_, false))
        return;
    const std::optional<std::int64_t> size = file.size();
    if (!size)
        return;
    TagPosition = *size;
    Id3v1TagBlock block;
    if (*size < BlockSize ||
        file.readAt(*size - BlockSize, reinterpret_cast<char *>(&block), BlockSize) != BlockSize ||
        !IsTagIdentifier(block.Identifier))
        return;
    TagPosition = *size - BlockSize;
    TagPresent = true;
    ReadBlock(block);
}

bool TID3Tag::SaveTag()
{
    if (WriteBlock() == 0)
        return true;
    ShowTagWarning(fileName_);
    return false;
}

bool TID3Tag::SaveTagInBatch(TFailedFiles &Failures)
{
    const int error = WriteBlock();
    if (error != 0)
        Failures.Add(fileName_, error);
    return error == 0;
}

int TID3Tag::WriteBlock()
{
    if (!Modified)
        return 0;
    const std::optional<Id3v1TagBlock> block = BuildBlock();
    if (!block || fileName_.isEmpty())
        return EINVAL;
    fs::RegularFileHandle file;
    const auto failed = [&file] { return file.error() != 0 ? file.error() : EIO; };
    if (!file.open(fileName_, true))
        return failed();
    const std::optional<std::int64_t> size = file.size();
    const std::optional<std::int64_t> position = size ? BlockPosition(file, *size) : std::nullopt;
    if (!position)
        return failed();
    if (!file.writeAt(*position, QByteArray(reinterpret_cast<const char *>(&*block), BlockSize))) {
        const int error = failed();
        if (*position == *size)
            file.setSize(*size); // an appended block cut short is taken off again
        return error;
    }
    if (!file.close())
        return failed();
    TagPosition = *position;
    TagPresent = true;
    Modified = false;
    return 0;
}

bool TID3Tag::RemoveTag(const QString &FileName)
{
    if (CutBlock(FileName) == 0)
        return true;
    ShowTagWarning(FileName);
    return false;
}

bool TID3Tag::RemoveTagInBatch(const QString &FileName, TFailedFiles &Failures)
{
    const int error = CutBlock(FileName);
    if (error != 0)
        Failures.Add(FileName, error);
    return error == 0;
}

int TID3Tag::CutBlock(const QString &FileName)
{
    if (FileName.isEmpty())
        return EINVAL;
    fs::RegularFileHandle file;
    const auto failed = [&file] { return file.error() != 0 ? file.error() : EIO; };
    if (!file.open(FileName, true))
        return failed();
    const std::optional<std::int64_t> size = file.size();
    const std::optional<std::int64_t> position = size ? BlockPosition(file, *size) : std::nullopt;
    const bool cut = position && (*position == *size || file.setSize(*position));
    const int error = cut ? 0 : failed();
    if (!file.close() && error == 0)
        return failed();
    return error;
}
