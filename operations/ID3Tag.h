#pragma once
// TID3Tag: reads, writes and removes the ID3v1 (and ID3v1.1) block at the end of an
// MP3 file (layout and genre names in operations/ID3.h). The block is changed in place
// (one 128-byte write) or cut off; nothing else of the file is touched.

#include "operations/ID3.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

class TFailedFiles;

class TID3Tag : public QObject {
    Q_OBJECT
public:
    explicit TID3Tag(QObject *parent = nullptr);

    // Each setter assigns a value that differs (case-sensitively) and sets Modified.
    const QString &Title() const { return title_; }
    void setTitle(const QString &Value);
    const QString &Artist() const { return artist_; }
    void setArtist(const QString &Value);
    const QString &Album() const { return album_; }
    void setAlbum(const QString &Value);
    const QString &Year() const { return year_; }
    void setYear(const QString &Value);
    const QString &Comment() const { return comment_; }
    void setComment(const QString &Value);
    const QString &Track() const { return track_; }
    void setTrack(const QString &Value);
    // A name of Id3GenreNames (any case), else "Unknown".
    const QString &Genre() const { return genre_; }
    void setGenre(const QString &Value);
    // True: an ID3v1.0 block, without track. Always sets Modified.
    bool NoTrack() const { return noTrack_; }
    void setNoTrack(bool Value);
    // Setting a non-empty name reads its tag (ReadTag), the same name again too.
    const QString &FileName() const { return fileName_; }
    void setFileName(const QString &Value);

    std::int64_t TagPosition = 0; // offset of the block: size - 128, or size when there is none
    bool TagPresent = false;      // the last read found a block
    bool Modified = false;        // changed since the last read or save

    // Reads the block of FileName into the properties; a file that cannot be read
    // counts as one without a tag. Clears Modified.
    virtual void ReadTag();
    // When Modified: writes the properties as a block over the block found at the end
    // of FileName just now, or appends one. A failure (no such regular file, no
    // permission, disk full, a V1.1 track that is no decimal number) shows the warning
    // 9117 with the path and leaves the file as it was. True when nothing failed.
    virtual bool SaveTag();
    void RefreshTag() { ReadTag(); }
    bool SaveTagNow() { return SaveTag(); }
    // SaveTag within a batch: a failure is noted in Failures with its cause, in place
    // of the warning.
    bool SaveTagInBatch(TFailedFiles &Failures);
    // Cuts the block off FileName (a file without one stays as it is); a failure shows
    // the warning 9117. True when nothing failed.
    bool RemoveTag(const QString &FileName);
    // RemoveTag within a batch: a failure is noted in Failures in place of the warning.
    bool RemoveTagInBatch(const QString &FileName, TFailedFiles &Failures);

    // The properties of Block; Modified stays as it is.
    void ReadBlock(const Id3v1TagBlock &Block);
    // The block of the properties; nothing when a V1.1 block's Track is no decimal number.
    std::optional<Id3v1TagBlock> BuildBlock() const;

private:
    int WriteBlock();                      // the errno of a failure, 0 when written or not modified
    int CutBlock(const QString &FileName); // the same for cutting the block off
    void SetText(QString &Field, const QString &Value);
    void ClearProperties();

    QString title_, artist_, album_, year_, comment_;
    QString track_ = QStringLiteral("0");
    QString genre_ = UnknownGenre.toString();
    bool noTrack_ = false;
    QString fileName_;
};

// The genre byte a name is saved as: GenreIndexOf.
std::uint8_t GenreToByte(const QString &Name);
// A text field of Width bytes: cut before the first NUL byte, then the trailing blanks
// and control characters removed.
QString ReadTagField(const char *Field, int Width);
// Text as Windows-1252 into a field of Width bytes: cut to the width, padded with blanks.
void WriteTagField(char *Field, int Width, const QString &Text);
