#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/text_sink.h"

// zlib's stream, known only inside the writer.
struct z_stream_s;

namespace kolvenar {

// Why writing an archive stopped although its sink took every byte; kNone when it was the sink.
enum class ZipFailure { kNone, kTooLarge, kCompressionNotStarted, kCompressionBroken };

// A piece of a file compressed apart from its neighbours: raw deflate blocks that end on a
// whole byte and refer to nothing before the piece, none of them the last, so that pieces
// joined in order are one deflate stream (as parallel gzip tools make them); with the size and
// check sum of its text.
struct DeflatedPiece {
    std::string bytes;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    bool failed = false;
};

// One file of a zip archive being compressed, fed piece by piece; the compressed bytes go to
// the archive as they come. Compressed at zlib's fastest level: a workbook's sheet is a hundred
// megabytes of very repetitive XML, which the fastest level shrinks almost as well as the
// default one in a third of the time.
class DeflateStream {
public:
    explicit DeflateStream(const TextSink& out);
    ~DeflateStream();
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    // False when zlib could not be set up or the archive could not take the bytes.
    bool Feed(std::string_view piece);
    // Appends a piece compressed on its own (PieceDeflater) after what was fed so far.
    bool FeedDeflated(const DeflatedPiece& piece);
    bool Finish();

    ZipFailure Failure() const { return failure_; }
    std::uint32_t Crc() const { return crc_; }
    std::uint64_t Size() const { return size_; }
    std::uint64_t CompressedSize() const { return compressedSize_; }

private:
    bool Deflate(std::string_view piece, int flush);

    TextSink out_;
    // Whether text was fed since the stream last ended on a byte with no history kept.
    bool fedSinceFlush_ = false;
    std::unique_ptr<z_stream_s> stream_;
    bool initialized_ = false;
    bool refused_ = false;
    ZipFailure failure_ = ZipFailure::kNone;
    std::uint32_t crc_ = 0;
    std::uint64_t size_ = 0;
    std::uint64_t compressedSize_ = 0;
};

// Compresses pieces one after another, reusing its zlib stream.
class PieceDeflater {
public:
    PieceDeflater();
    ~PieceDeflater();
    PieceDeflater(const PieceDeflater&) = delete;
    PieceDeflater& operator=(const PieceDeflater&) = delete;

    // Replaces `piece` with `text` compressed; `piece.failed` when zlib failed.
    void Deflate(std::string_view text, DeflatedPiece& piece);

private:
    std::unique_ptr<z_stream_s> stream_;
    bool initialized_ = false;
};

// Feeds `count` pieces of a file into `stream` in order, each made by `make(i, text)` (into an
// empty text) and compressed on one of `workers` threads; `make` runs on several threads at
// once. The bytes are the same for any number of workers. At most workers + 2 pieces are held
// at a time. False as soon as the stream refuses a piece or compressing fails.
bool FeedPieces(DeflateStream& stream, std::size_t count,
                const std::function<void(std::size_t, std::string&)>& make, unsigned workers);

// The largest file and archive a zip without zip64 holds: 4 GiB less a byte.
inline constexpr std::uint64_t kLargestZip = 0xFFFFFFFF;

// Writes a zip archive to a sink, front to back: each file's header, its data as it is
// compressed and its sizes after it, then the directory. Without zip64, so no file or archive
// may reach 4 GiB; one that would is refused.
class ZipWriter {
public:
    // Every file is dated `modified`, in local time as zip wants it. No file nor the archive may
    // pass `largest` bytes, less than kLargestZip only to test the refusal.
    ZipWriter(const TextSink& sink, std::time_t modified, std::uint64_t largest = kLargestZip);

    // Adds the file `name` with what `fill` feeds into it.
    bool Add(std::string_view name, const std::function<bool(DeflateStream&)>& fill);
    bool Add(std::string_view name, std::string_view content);
    // Writes the directory; nothing may be added after it.
    bool Finish();
    ZipFailure Failure() const { return failure_; }

private:
    struct Entry {
        std::string name;
        std::uint32_t crc = 0;
        std::uint32_t compressedSize = 0;
        std::uint32_t size = 0;
        std::uint32_t offset = 0;
    };

    bool Write(std::string_view bytes);
    bool RefuseAsTooLarge();

    bool Fits(std::uint64_t value) const { return value <= largest_; }

    TextSink sink_;
    std::uint64_t largest_;
    std::uint16_t dosTime_ = 0;
    std::uint16_t dosDate_ = 0;
    std::uint64_t written_ = 0;
    std::vector<Entry> entries_;
    ZipFailure failure_ = ZipFailure::kNone;
};

}  // namespace kolvenar
