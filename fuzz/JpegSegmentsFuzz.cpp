// The JPEG reduction's chain walk and cut over arbitrary bytes. The first byte chooses
// the steps (bit 0 application segments, bit 1 comment, bit 2 the cut); the rest is the
// file. Each removal is replayed on a copy and checked: only a whole segment of a chosen
// kind that the chain reaches below 5 % (never the Adobe segment), or the bytes after an
// end marker in the last quarter after the first SOS, may go; the kept ranges must give
// the replayed file.

#include "operations/fktJPEGs_Segmente.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

[[noreturn]] void Fail(const char *What)
{
    std::fprintf(stderr, "JpegSegmentsFuzz: %s\n", What);
    std::abort();
}

JpegReadAt ReaderOf(const Bytes &File)
{
    return [&File](std::int64_t At, char *Buffer, std::int64_t Count) {
        if (At < 0 || Count < 0 || At > std::int64_t(File.size()) || Count > std::int64_t(File.size()) - At)
            return false;
        if (Count > 0)
            std::memcpy(Buffer, File.data() + At, std::size_t(Count));
        return true;
    };
}

// The marker positions the chain of File reaches, in order, and its first SOS (-1: none).
struct Chain {
    std::vector<std::int64_t> markers;
    std::int64_t sos = -1;
};

Chain ChainOf(const Bytes &File)
{
    Chain chain;
    const std::int64_t n = std::int64_t(File.size());
    if (n < 4 || File[0] != 0xFF || File[1] != 0xD8)
        return chain;
    std::int64_t at = 2;
    for (;;) {
        if (at >= n || File[at] != 0xFF)
            return chain;
        while (at + 1 < n && File[at + 1] == 0xFF)
            ++at;
        if (at + 1 >= n)
            return chain;
        const std::uint8_t code = File[at + 1];
        if (code == 0xDA) {
            chain.sos = at;
            return chain;
        }
        if (code == 0x00 || code == 0x01 || (code >= 0xD0 && code <= 0xD9) || at + 3 >= n)
            return chain;
        const std::int64_t length = File[at + 2] * 256 + File[at + 3];
        if (length < 2 || at + 2 + length > n)
            return chain;
        chain.markers.push_back(at);
        at += 2 + length;
    }
}

bool IsApp(std::uint8_t Code)
{
    return Code == 0xE1 || Code == 0xE2 || Code == 0xEC || Code == 0xED || Code == 0xEE;
}

// The whole segment at At is an APP14 "Adobe" with its 12 bytes of data: its colour
// transform is part of the picture and never goes.
bool IsAdobe(const Bytes &File, std::int64_t At)
{
    const std::int64_t length = File[At + 2] * 256 + File[At + 3];
    return File[At + 1] == 0xEE && length - 2 >= 12 && std::memcmp(&File[At + 4], "Adobe", 5) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    if (Size == 0)
        return 0;
    const bool app = Data[0] & 1, com = Data[0] & 2, cut = Data[0] & 4;
    const Bytes file(Data + 1, Data + Size);
    const std::int64_t n = std::int64_t(file.size());

    // The end-marker search against a plain scan.
    const std::int64_t lowest = n > 0 ? Data[0] % (n + 1) : 0;
    std::int64_t expected = -1;
    for (std::int64_t p = n - 2; p >= lowest && expected < 0; --p)
        if (file[p] == 0xFF && file[p + 1] == 0xD9)
            expected = p;
    if (FindLastEoi(ReaderOf(file), n, lowest) != expected)
        Fail("FindLastEoi differs from a plain scan");
    IsJpegDefective(ReaderOf(file), n);

    TJpegWork work(ReaderOf(file), n);
    if (app)
        StripApplicationSegments(work);
    if (com)
        StripCommentSegment(work);
    if (cut)
        CutAfterEoi(work);

    Bytes now = file;
    bool cutDone = false;
    int comments = 0;
    for (const auto &[at, count] : work.Removals()) {
        if (cutDone)
            Fail("a removal after the cut");
        const std::int64_t size = std::int64_t(now.size());
        if (at < 0 || count <= 0 || at + count > size)
            Fail("a removal outside the file");
        const Chain chain = ChainOf(now);
        bool segment = false;
        for (std::int64_t marker : chain.markers)
            segment = segment || marker == at;
        if (segment && at < size / 20 && count == 2 + now[at + 2] * 256 + now[at + 3] &&
            ((app && IsApp(now[at + 1]) && !IsAdobe(now, at)) || (com && now[at + 1] == 0xFE && comments++ == 0))) {
            // a whole segment of a chosen kind
        } else if (cut && at + count == size && at >= 2 && now[at - 2] == 0xFF && now[at - 1] == 0xD9 &&
                   chain.sos >= 0 && at - 2 >= chain.sos + 2 && at - 2 >= ThreeQuarterBound(size) && size >= 26) {
            cutDone = true;
        } else {
            Fail("removed bytes that are neither a chosen segment nor after the end marker");
        }
        now.erase(now.begin() + at, now.begin() + at + count);
    }
    Bytes kept;
    for (const auto &[start, length] : work.KeptRanges())
        kept.insert(kept.end(), file.begin() + start, file.begin() + start + length);
    if (kept != now || std::int64_t(now.size()) != work.Size() || work.BytesRemoved() != n - work.Size())
        Fail("the kept ranges are not the file the removals leave");
    return 0;
}
