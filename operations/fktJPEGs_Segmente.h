#pragma once
// The byte layout the JPEG tools read: the end-of-image test, the marker chain of the
// file's header, and the reduction steps on a file as the previous steps left it. Pure
// logic over a reader of the file's bytes; fktJPEGs opens and writes the files.

#include <cstdint>
#include <functional>
#include <vector>

// Reads exactly Count bytes at Position of the original file into Buffer; false when it cannot.
using JpegReadAt = std::function<bool(std::int64_t Position, char *Buffer, std::int64_t Count)>;

// Size x 0.75 rounded to the nearest integer, halves to the even neighbour (26 gives 20,
// 30 gives 22).
std::int64_t ThreeQuarterBound(std::int64_t Size);

// The position P of the last pair FF D9 with Lowest <= P <= Size - 2, read from the end in
// large blocks; -1 when there is none or a read fails.
std::int64_t FindLastEoi(const JpegReadAt &Read, std::int64_t Size, std::int64_t Lowest);

// No end-of-image pair begins in Bound + 1 .. Size - 2; a file of at most 25 bytes is
// defective.
bool IsJpegDefective(const JpegReadAt &Read, std::int64_t Size);

// A segment of the marker chain: its marker FF at Marker (after any fill bytes), its
// code, and its length field (two length bytes and the data).
struct JpegSegment {
    std::int64_t Marker = 0;
    std::uint8_t Code = 0;
    std::int64_t Length = 0;
};

// A JPEG file as the reduction steps leave it: the original minus the bytes removed so
// far, read on demand through the reader. Positions are those of the file as it is now.
class TJpegWork {
public:
    TJpegWork(JpegReadAt Read, std::int64_t Size);

    std::int64_t Size() const { return size_; }
    // Count bytes at Position of the file as it is now; false when they cannot be read.
    bool ReadAt(std::int64_t Position, char *Buffer, std::int64_t Count) const;
    // Removes Count bytes at Position (both within the file as it is now).
    void Remove(std::int64_t Position, std::int64_t Count);

    // What the steps removed so far, in order; each in the positions of the file as the
    // removals before it left it.
    const std::vector<std::pair<std::int64_t, std::int64_t>> &Removals() const { return removals_; }
    std::int64_t BytesRemoved() const { return original_ - size_; }
    // The bytes of the original file that stay, as [start, start + length) runs in order.
    std::vector<std::pair<std::int64_t, std::int64_t>> KeptRanges() const;

    // Walks the chain from position 2 of a file beginning FF D8: each segment is FF (fill
    // bytes allowed), a code and a big-endian length of at least 2 ending inside the file.
    // Visit returns false to stop. Ends at the first SOS (its marker position is returned),
    // at EOI, at anything else where a marker belongs, or at a segment running past the
    // end (-1 then, as when Visit stopped the walk or the file is no JPEG).
    std::int64_t WalkChain(const std::function<bool(const JpegSegment &)> &Visit) const;

private:
    int ByteAt(std::int64_t Position) const; // -1 when it cannot be read
    std::int64_t Original(std::int64_t Position) const;

    JpegReadAt read_;
    std::int64_t original_;
    std::int64_t size_;
    std::vector<std::pair<std::int64_t, std::int64_t>> removed_; // original positions, sorted
    std::vector<std::pair<std::int64_t, std::int64_t>> removals_;
    mutable std::vector<char> cache_; // a block of the original file
    mutable std::int64_t cacheStart_ = -1;
};

// The first segment APP1, APP2, APP12, APP13 or APP14 of the chain whose marker lies
// below Size / 20 is removed, round after round until none is left. An APP14 segment
// "Adobe" with its 12 bytes of data stays: its colour transform decides the pixels.
void StripApplicationSegments(TJpegWork &Work);
// The same, once, for the comment segment (COM).
void StripCommentSegment(TJpegWork &Work);
// The bytes after the last FF D9 at or above Bound (and after the chain's first SOS) are
// cut off; a file of at most 25 bytes or not beginning FF D8 stays.
void CutAfterEoi(TJpegWork &Work);
