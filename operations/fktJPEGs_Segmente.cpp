#include "operations/fktJPEGs_Segmente.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int64_t ScanBlock = 1 << 20; // bytes read at once from the end
constexpr std::int64_t CacheBlock = 1 << 16;
constexpr std::int64_t SmallestSound = 26;

constexpr std::uint8_t Marker = 0xFF, Soi = 0xD8, Eoi = 0xD9, Sos = 0xDA, Com = 0xFE;

constexpr std::uint8_t App14 = 0xEE;
constexpr std::int64_t AdobeDataSize = 12; // "Adobe", version, two flag words, transform

// An APP14 segment that records the colour transform: decoders read the pixels through
// it, so it is part of the picture, not metadata.
bool IsAdobeSegment(const TJpegWork &Work, const JpegSegment &S)
{
    char identifier[5];
    return S.Code == App14 && S.Length - 2 >= AdobeDataSize && Work.ReadAt(S.Marker + 4, identifier, 5) &&
           std::memcmp(identifier, "Adobe", 5) == 0;
}

bool IsApplicationSegment(const TJpegWork &Work, const JpegSegment &S)
{
    return S.Code == 0xE1 || S.Code == 0xE2 || S.Code == 0xEC || S.Code == 0xED ||
           (S.Code == App14 && !IsAdobeSegment(Work, S));
}

// A code that stands alone or is no marker: the chain ends there.
bool EndsChain(std::uint8_t Code)
{
    return Code == 0x00 || Code == 0x01 || (Code >= 0xD0 && Code <= Eoi);
}

// Removes the walk's first segment of the kinds Wanted whose marker lies below Size / 20.
template <typename Wanted> bool StripFirst(TJpegWork &Work, Wanted wanted)
{
    const std::int64_t bound = Work.Size() / 20;
    JpegSegment found;
    bool any = false;
    Work.WalkChain([&](const JpegSegment &s) {
        if (s.Marker >= bound)
            return false;
        if (wanted(Work, s)) {
            found = s;
            any = true;
            return false;
        }
        return true;
    });
    if (any)
        Work.Remove(found.Marker, found.Length + 2);
    return any;
}

} // namespace

std::int64_t ThreeQuarterBound(std::int64_t Size)
{
    const std::int64_t whole = Size / 4 * 3, rest = Size % 4 * 3; // 3 x Size = 4 x whole + rest
    const std::int64_t quotient = whole + rest / 4;
    switch (rest % 4) {
    case 2: return quotient % 2 == 0 ? quotient : quotient + 1;
    case 3: return quotient + 1;
    default: return quotient;
    }
}

std::int64_t FindLastEoi(const JpegReadAt &Read, std::int64_t Size, std::int64_t Lowest)
{
    Lowest = std::max<std::int64_t>(Lowest, 0);
    if (Size - Lowest < 2)
        return -1;
    std::vector<char> buffer(std::size_t(std::min(ScanBlock, Size - Lowest)));
    // Pairs beginning in [start, end - 2]; the next block ends one byte into this one.
    for (std::int64_t end = Size; end - Lowest >= 2;) {
        const std::int64_t start = std::max(Lowest, end - ScanBlock);
        const std::int64_t count = end - start;
        if (!Read(start, buffer.data(), count))
            return -1;
        const auto *bytes = reinterpret_cast<const unsigned char *>(buffer.data());
        for (std::int64_t i = count - 1; i >= 1; --i)
            if (bytes[i] == Eoi && bytes[i - 1] == Marker)
                return start + i - 1;
        end = start + 1;
    }
    return -1;
}

bool IsJpegDefective(const JpegReadAt &Read, std::int64_t Size)
{
    return Size < SmallestSound || FindLastEoi(Read, Size, ThreeQuarterBound(Size) + 1) < 0;
}

// ---- The file as the steps leave it ----

TJpegWork::TJpegWork(JpegReadAt Read, std::int64_t Size)
    : read_(std::move(Read)), original_(std::max<std::int64_t>(Size, 0)), size_(original_)
{
}

std::int64_t TJpegWork::Original(std::int64_t Position) const
{
    for (const auto &[start, length] : removed_) {
        if (start > Position)
            break;
        Position += length;
    }
    return Position;
}

bool TJpegWork::ReadAt(std::int64_t Position, char *Buffer, std::int64_t Count) const
{
    if (Position < 0 || Count < 0 || Count > size_ - Position)
        return false;
    while (Count > 0) {
        const std::int64_t from = Original(Position);
        // The run of original bytes up to the next removed range.
        std::int64_t run = original_ - from;
        for (const auto &[start, length] : removed_)
            if (start > from) {
                run = start - from;
                break;
            }
        const std::int64_t take = std::min(run, Count);
        if (!read_(from, Buffer, take))
            return false;
        Buffer += take;
        Position += take;
        Count -= take;
    }
    return true;
}

int TJpegWork::ByteAt(std::int64_t Position) const
{
    const std::int64_t from = Original(Position);
    if (cacheStart_ < 0 || from < cacheStart_ || from >= cacheStart_ + std::int64_t(cache_.size())) {
        const std::int64_t start = from / CacheBlock * CacheBlock;
        cache_.resize(std::size_t(std::min(CacheBlock, original_ - start)));
        cacheStart_ = -1;
        if (!read_(start, cache_.data(), std::int64_t(cache_.size())))
            return -1;
        cacheStart_ = start;
    }
    return static_cast<unsigned char>(cache_[std::size_t(from - cacheStart_)]);
}

void TJpegWork::Remove(std::int64_t Position, std::int64_t Count)
{
    if (Position < 0 || Count <= 0 || Count > size_ - Position)
        return;
    removals_.emplace_back(Position, Count);
    // Split into the runs of original bytes it covers, each merged into the removed set.
    while (Count > 0) {
        const std::int64_t from = Original(Position);
        std::int64_t run = original_ - from;
        auto next = std::find_if(removed_.begin(), removed_.end(), [&](const auto &r) { return r.first > from; });
        if (next != removed_.end())
            run = next->first - from;
        const std::int64_t take = std::min(run, Count);
        removed_.insert(next, {from, take});
        Count -= take;
        size_ -= take;
    }
    // Join neighbours, so that the set stays short.
    std::vector<std::pair<std::int64_t, std::int64_t>> joined;
    for (const auto &r : removed_) {
        if (!joined.empty() && joined.back().first + joined.back().second == r.first)
            joined.back().second += r.second;
        else
            joined.push_back(r);
    }
    removed_ = std::move(joined);
}

std::vector<std::pair<std::int64_t, std::int64_t>> TJpegWork::KeptRanges() const
{
    std::vector<std::pair<std::int64_t, std::int64_t>> kept;
    std::int64_t at = 0;
    for (const auto &[start, length] : removed_) {
        if (start > at)
            kept.emplace_back(at, start - at);
        at = start + length;
    }
    if (original_ > at)
        kept.emplace_back(at, original_ - at);
    return kept;
}

std::int64_t TJpegWork::WalkChain(const std::function<bool(const JpegSegment &)> &Visit) const
{
    if (size_ < 4 || ByteAt(0) != Marker || ByteAt(1) != Soi)
        return -1;
    std::int64_t p = 2;
    while (p + 1 < size_) {
        if (ByteAt(p) != Marker)
            return -1;
        while (p + 1 < size_ && ByteAt(p + 1) == Marker)
            ++p; // fill bytes: the marker is the last FF before the code
        if (p + 1 >= size_)
            return -1;
        const int code = ByteAt(p + 1);
        if (code < 0 || EndsChain(std::uint8_t(code)))
            return -1;
        if (code == Sos)
            return p;
        if (p + 3 >= size_)
            return -1;
        const int high = ByteAt(p + 2), low = ByteAt(p + 3);
        if (high < 0 || low < 0)
            return -1;
        const std::int64_t length = high << 8 | low;
        if (length < 2 || length > size_ - p - 2)
            return -1;
        if (!Visit({p, std::uint8_t(code), length}))
            return -1;
        p += 2 + length;
    }
    return -1;
}

// ---- Reduction steps ----

void StripApplicationSegments(TJpegWork &Work)
{
    while (StripFirst(Work, IsApplicationSegment)) {
    }
}

void StripCommentSegment(TJpegWork &Work)
{
    StripFirst(Work, [](const TJpegWork &, const JpegSegment &S) { return S.Code == Com; });
}

void CutAfterEoi(TJpegWork &Work)
{
    const std::int64_t size = Work.Size();
    if (size < SmallestSound)
        return;
    const std::int64_t sos = Work.WalkChain([](const JpegSegment &) { return true; });
    if (sos < 0)
        return;
    const std::int64_t eoi =
        FindLastEoi([&Work](std::int64_t At, char *Buffer, std::int64_t Count) { return Work.ReadAt(At, Buffer, Count); },
                    size, std::max(ThreeQuarterBound(size), sos + 2));
    if (eoi >= 0 && eoi + 2 < size)
        Work.Remove(eoi + 2, size - eoi - 2);
}
