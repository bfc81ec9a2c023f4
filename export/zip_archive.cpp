#include "export/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kolvenar {

namespace {

constexpr std::size_t kOutputPiece = 64 * 1024;
constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t kSizesSignature = 0x08074b50;
constexpr std::uint32_t kDirectoryHeaderSignature = 0x02014b50;
constexpr std::uint32_t kDirectoryEndSignature = 0x06054b50;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kSizesAfterData = 1 << 3;

// Zip's numbers are little-endian whatever the machine.
class LittleEndian {
public:
    LittleEndian& U16(std::uint16_t value) {
        bytes_ += static_cast<char>(value & 0xFF);
        bytes_ += static_cast<char>(value >> 8);
        return *this;
    }
    LittleEndian& U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value & 0xFFFF));
        return U16(static_cast<std::uint16_t>(value >> 16));
    }
    LittleEndian& Text(std::string_view text) {
        bytes_ += text;
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// MS-DOS time: years 1980 to 2107, in two-second steps.
struct DosStamp {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};
constexpr DosStamp kFirstDosStamp{1980, 1, 1, 0, 0, 0};
constexpr DosStamp kLastDosStamp{2107, 12, 31, 23, 59, 58};

// A time outside the years MS-DOS holds, or one the C library cannot read, is dated at the
// nearest end of them.
DosStamp LocalDosStamp(std::time_t time) {
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        return time < 0 ? kFirstDosStamp : kLastDosStamp;
    }
    if (local.tm_year < kFirstDosStamp.year - 1900) {
        return kFirstDosStamp;
    }
    if (local.tm_year > kLastDosStamp.year - 1900) {
        return kLastDosStamp;
    }
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

DeflateStream::DeflateStream(const TextSink& out)
    : out_(out),
      stream_(std::make_unique<z_stream_s>()),
      crc_(static_cast<std::uint32_t>(crc32(0, nullptr, 0))) {
    // Raw deflate (negative window bits): the zip headers carry the check sum themselves.
    initialized_ = deflateInit2(stream_.get(), Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8,
                                Z_DEFAULT_STRATEGY) == Z_OK;
    if (!initialized_) {
        failure_ = ZipFailure::kCompressionNotStarted;
    }
}

DeflateStream::~DeflateStream() {
    if (initialized_) {
        deflateEnd(stream_.get());
    }
}

bool DeflateStream::Feed(std::string_view piece) {
    fedSinceFlush_ = fedSinceFlush_ || !piece.empty();
    return Deflate(piece, Z_NO_FLUSH);
}

bool DeflateStream::FeedDeflated(const DeflatedPiece& piece) {
    if (refused_ || failure_ != ZipFailure::kNone) {
        return false;
    }
    if (piece.failed) {
        failure_ = ZipFailure::kCompressionBroken;
        return false;
    }
    // What this stream compressed itself ends on a whole byte first, and what it compresses
    // later refers to nothing before the piece.
    if (fedSinceFlush_) {
        if (!Deflate({}, Z_FULL_FLUSH)) {
            return false;
        }
        fedSinceFlush_ = false;
    }
    crc_ = static_cast<std::uint32_t>(
        crc32_combine(crc_, piece.crc, static_cast<z_off_t>(piece.size)));
    size_ += piece.size;
    compressedSize_ += piece.bytes.size();
    if (!piece.bytes.empty() && !out_(piece.bytes)) {
        refused_ = true;
        return false;
    }
    return true;
}

bool DeflateStream::Finish() {
    return Deflate({}, Z_FINISH);
}

bool DeflateStream::Deflate(std::string_view piece, int flush) {
    if (refused_ || failure_ != ZipFailure::kNone) {
        return false;
    }
    size_ += piece.size();
    std::array<char, kOutputPiece> out;
    // zlib counts in 32 bits; a long piece goes in several turns.
    while (true) {
        const std::size_t turn = std::min<std::size_t>(piece.size(), 1u << 30);
        const auto* input = reinterpret_cast<const Bytef*>(piece.data());
        if (turn > 0) {  // zlib restarts the sum when given no text
            crc_ = static_cast<std::uint32_t>(crc32(crc_, input, static_cast<uInt>(turn)));
        }
        stream_->next_in = const_cast<Bytef*>(input);
        stream_->avail_in = static_cast<uInt>(turn);
        piece.remove_prefix(turn);
        const int turnFlush = piece.empty() ? flush : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            stream_->next_out = reinterpret_cast<Bytef*>(out.data());
            stream_->avail_out = static_cast<uInt>(out.size());
            result = deflate(stream_.get(), turnFlush);
            const std::size_t made = out.size() - stream_->avail_out;
            compressedSize_ += made;
            if (result == Z_STREAM_ERROR) {
                failure_ = ZipFailure::kCompressionBroken;
                return false;
            }
            if (made > 0 && !out_({out.data(), made})) {
                refused_ = true;
                return false;
            }
        } while (stream_->avail_out == 0 || (turnFlush == Z_FINISH && result != Z_STREAM_END));
        if (piece.empty()) {
            return true;
        }
    }
}

PieceDeflater::PieceDeflater() : stream_(std::make_unique<z_stream_s>()) {
    // As DeflateStream compresses, so that the pieces are alike.
    initialized_ = deflateInit2(stream_.get(), Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8,
                                Z_DEFAULT_STRATEGY) == Z_OK;
}

PieceDeflater::~PieceDeflater() {
    if (initialized_) {
        deflateEnd(stream_.get());
    }
}

void PieceDeflater::Deflate(std::string_view text, DeflatedPiece& piece) {
    piece.size = text.size();
    piece.crc = static_cast<std::uint32_t>(crc32(0, nullptr, 0));
    piece.failed = !initialized_ || deflateReset(stream_.get()) != Z_OK;
    if (piece.failed) {
        return;
    }
    // Room for what very repetitive text compresses to, doubled where it does not suffice.
    piece.bytes.resize(text.size() / 8 + 64);
    std::size_t made = 0;
    // zlib counts in 32 bits; a long text goes in several turns. A sync flush ends the piece
    // on a whole byte without marking its last block as the stream's last.
    do {
        const std::size_t turn = std::min<std::size_t>(text.size(), 1u << 30);
        const auto* input = reinterpret_cast<const Bytef*>(text.data());
        if (turn > 0) {
            piece.crc =
                static_cast<std::uint32_t>(crc32(piece.crc, input, static_cast<uInt>(turn)));
        }
        stream_->next_in = const_cast<Bytef*>(input);
        stream_->avail_in = static_cast<uInt>(turn);
        text.remove_prefix(turn);
        const int flush = text.empty() ? Z_SYNC_FLUSH : Z_NO_FLUSH;
        do {
            if (made == piece.bytes.size()) {
                piece.bytes.resize(piece.bytes.size() * 2);
            }
            const std::size_t room = std::min<std::size_t>(piece.bytes.size() - made, 1u << 30);
            stream_->next_out = reinterpret_cast<Bytef*>(piece.bytes.data() + made);
            stream_->avail_out = static_cast<uInt>(room);
            if (deflate(stream_.get(), flush) == Z_STREAM_ERROR) {
                piece.failed = true;
                return;
            }
            made += room - stream_->avail_out;
        } while (stream_->avail_out == 0);
    } while (!text.empty());
    piece.bytes.resize(made);
}

bool FeedPieces(DeflateStream& stream, std::size_t count,
                const std::function<void(std::size_t, std::string&)>& make, unsigned workers) {
    workers = std::max(workers, 1u);
    struct Slot {
        DeflatedPiece piece;
        bool ready = false;
    };
    // Piece i waits in slot i % slots until it is fed; a worker takes a piece only when its
    // slot is free, which bounds the memory.
    std::vector<Slot> slots(workers + 2);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;
    std::size_t fed = 0;
    bool stop = false;
    const auto work = [&] {
        PieceDeflater deflater;
        std::string text;
        std::unique_lock lock(mutex);
        while (true) {
            changed.wait(lock, [&] { return stop || next >= count || next < fed + slots.size(); });
            if (stop || next >= count) {
                return;
            }
            const std::size_t index = next++;
            Slot& slot = slots[index % slots.size()];
            lock.unlock();
            text.clear();
            make(index, text);
            deflater.Deflate(text, slot.piece);
            lock.lock();
            slot.ready = true;
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back(work);
    }
    bool whole = true;
    for (std::size_t index = 0; index < count && whole; ++index) {
        Slot& slot = slots[index % slots.size()];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slot.ready; });
        }
        whole = stream.FeedDeflated(slot.piece);
        const std::lock_guard lock(mutex);
        slot.ready = false;
        fed = index + 1;
        changed.notify_all();
    }
    {
        const std::lock_guard lock(mutex);
        stop = true;
        changed.notify_all();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    return whole;
}

ZipWriter::ZipWriter(const TextSink& sink, std::time_t modified, std::uint64_t largest)
    : sink_(sink), largest_(std::min(largest, kLargestZip)) {
    const DosStamp stamp = LocalDosStamp(modified);
    dosTime_ =
        static_cast<std::uint16_t>((stamp.hour << 11) | (stamp.minute << 5) | (stamp.second / 2));
    dosDate_ =
        static_cast<std::uint16_t>(((stamp.year - 1980) << 9) | (stamp.month << 5) | stamp.day);
}

bool ZipWriter::Write(std::string_view bytes) {
    written_ += bytes.size();
    return sink_(bytes);
}

bool ZipWriter::RefuseAsTooLarge() {
    failure_ = ZipFailure::kTooLarge;
    return false;
}

bool ZipWriter::Add(std::string_view name, const std::function<bool(DeflateStream&)>& fill) {
    if (!Fits(written_)) {
        return RefuseAsTooLarge();
    }
    Entry entry{std::string(name), 0, 0, 0, static_cast<std::uint32_t>(written_)};
    // The sizes and the check sum are known only at the end: they follow the data, and the
    // header says so.
    LittleEndian header;
    header.U32(kLocalHeaderSignature).U16(kVersion).U16(kSizesAfterData).U16(kDeflated);
    header.U16(dosTime_).U16(dosDate_).U32(0).U32(0).U32(0);
    header.U16(static_cast<std::uint16_t>(name.size())).U16(0).Text(name);
    if (!Write(header.Bytes())) {
        return false;
    }
    DeflateStream stream([this](std::string_view bytes) { return Write(bytes); });
    if (!fill(stream) || !stream.Finish()) {
        failure_ = stream.Failure();
        return false;
    }
    if (!Fits(stream.Size()) || !Fits(stream.CompressedSize())) {
        return RefuseAsTooLarge();
    }
    entry.crc = stream.Crc();
    entry.compressedSize = static_cast<std::uint32_t>(stream.CompressedSize());
    entry.size = static_cast<std::uint32_t>(stream.Size());
    LittleEndian sizes;
    sizes.U32(kSizesSignature).U32(entry.crc).U32(entry.compressedSize).U32(entry.size);
    entries_.push_back(std::move(entry));
    return Write(sizes.Bytes());
}

bool ZipWriter::Add(std::string_view name, std::string_view content) {
    return Add(name, [content](DeflateStream& stream) { return stream.Feed(content); });
}

bool ZipWriter::Finish() {
    const std::uint64_t directoryStart = written_;
    LittleEndian directory;
    for (const Entry& entry : entries_) {
        directory.U32(kDirectoryHeaderSignature).U16(kVersion).U16(kVersion).U16(kSizesAfterData);
        directory.U16(kDeflated).U16(dosTime_).U16(dosDate_);
        directory.U32(entry.crc).U32(entry.compressedSize).U32(entry.size);
        directory.U16(static_cast<std::uint16_t>(entry.name.size())).U16(0).U16(0);
        directory.U16(0).U16(0).U32(0).U32(entry.offset).Text(entry.name);
    }
    const std::uint64_t directorySize = directory.Bytes().size();
    if (!Fits(directoryStart) || !Fits(directoryStart + directorySize)) {
        return RefuseAsTooLarge();
    }
    const auto count = static_cast<std::uint16_t>(entries_.size());
    LittleEndian end;
    end.U32(kDirectoryEndSignature).U16(0).U16(0).U16(count).U16(count);
    end.U32(static_cast<std::uint32_t>(directorySize));
    end.U32(static_cast<std::uint32_t>(directoryStart)).U16(0);
    return Write(directory.Bytes()) && Write(end.Bytes());
}

}  // namespace kolvenar
