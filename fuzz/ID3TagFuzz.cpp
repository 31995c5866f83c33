// The ID3v1 tag reader over any file content. For content with a tag, the block built
// from the properties read reads back to the same properties, and saving it over the
// file's own block changes neither the properties nor the file's size.

#include "operations/ID3Tag.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Properties {
    QString title, artist, album, year, comment, track, genre;
    bool noTrack;
    bool operator==(const Properties &) const = default;
};

Properties Of(const TID3Tag &Tag)
{
    return {Tag.Title(), Tag.Artist(), Tag.Album(), Tag.Year(), Tag.Comment(), Tag.Track(), Tag.Genre(), Tag.NoTrack()};
}

void Check(bool Holds, const char *What)
{
    if (!Holds) {
        std::fprintf(stderr, "ID3Tag fuzz: %s\n", What);
        std::abort();
    }
}

const QString &ScratchFile()
{
    static const QString path = QDir::tempPath() + QStringLiteral("/id3tag-fuzz-%1.mp3").arg(getpid());
    return path;
}

void WriteScratch(const std::uint8_t *Data, std::size_t Size)
{
    const QByteArray name = QFile::encodeName(ScratchFile());
    const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Check(fd >= 0, "cannot create the scratch file");
    std::size_t done = 0;
    while (done < Size) {
        const ssize_t n = write(fd, Data + done, Size - done);
        Check(n > 0, "cannot write the scratch file");
        done += std::size_t(n);
    }
    close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    WriteScratch(Data, Size);
    TID3Tag tag;
    tag.setFileName(ScratchFile());
    Check(!tag.Modified, "a read leaves Modified set");
    if (!tag.TagPresent) {
        Check(tag.TagPosition == std::int64_t(Size), "no tag, but the position is not the end");
        return 0;
    }
    Check(Size >= 128 && tag.TagPosition == std::int64_t(Size) - 128, "a tag away from the end");
    const Properties read = Of(tag);
    const std::optional<Id3v1TagBlock> block = tag.BuildBlock();
    Check(bool(block), "no block from properties read");
    TID3Tag rebuilt;
    rebuilt.ReadBlock(*block);
    Check(Of(rebuilt) == read, "the built block reads back differently");

    tag.Modified = true;
    Check(tag.SaveTag(), "saving over the tag failed");
    TID3Tag saved;
    saved.setFileName(ScratchFile());
    Check(saved.TagPresent && saved.TagPosition == std::int64_t(Size) - 128, "the saved tag moved");
    Check(Of(saved) == read, "the saved tag reads back differently");
    return 0;
}
