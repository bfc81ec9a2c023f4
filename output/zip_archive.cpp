#include "output/zip_archive.h"

#include <algorithm>
#include <array>
#include <limits>

namespace kolvenar {

namespace {

constexpr std::size_t kOutputPiece = 64 * 1024;
constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t kDirectoryHeaderSignature = 0x02014b50;
constexpr std::uint32_t kDirectoryEndSignature = 0x06054b50;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate
constexpr std::uint16_t kDeflated = 8;

bool Fits32(std::uint64_t value) {
    return value <= std::numeric_limits<std::uint32_t>::max();
}

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

}  // namespace

DeflatedFile::DeflatedFile(std::size_t expectedSize)
    : compressed_(std::max<std::size_t>(expectedSize, 4096)),
      crc_(static_cast<std::uint32_t>(crc32(0, nullptr, 0))) {
    // Raw deflate (negative window bits): the zip headers carry the check sum themselves.
    ready_ =
        deflateInit2(&stream_, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
}

DeflatedFile::~DeflatedFile() {
    if (ready_) {
        deflateEnd(&stream_);
    }
}

bool DeflatedFile::Feed(std::string_view piece) {
    return Deflate(piece, Z_NO_FLUSH);
}

bool DeflatedFile::Finish() {
    return Deflate({}, Z_FINISH);
}

bool DeflatedFile::Deflate(std::string_view piece, int flush) {
    if (!ready_) {
        return false;
    }
    size_ += piece.size();
    std::array<unsigned char, kOutputPiece> out;
    // zlib counts in 32 bits; a long piece goes in several turns.
    while (true) {
        const std::size_t turn = std::min<std::size_t>(piece.size(), 1u << 30);
        const auto* input = reinterpret_cast<const Bytef*>(piece.data());
        if (turn > 0) {  // zlib restarts the sum when given no text
            crc_ = static_cast<std::uint32_t>(crc32(crc_, input, static_cast<uInt>(turn)));
        }
        stream_.next_in = const_cast<Bytef*>(input);
        stream_.avail_in = static_cast<uInt>(turn);
        piece.remove_prefix(turn);
        const int turnFlush = piece.empty() ? flush : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            stream_.next_out = out.data();
            stream_.avail_out = static_cast<uInt>(out.size());
            result = deflate(&stream_, turnFlush);
            if (result == Z_STREAM_ERROR) {
                ready_ = false;
                return false;
            }
            compressed_.append(reinterpret_cast<const char*>(out.data()),
                               out.size() - stream_.avail_out);
        } while (stream_.avail_out == 0 || (turnFlush == Z_FINISH && result != Z_STREAM_END));
        if (piece.empty()) {
            return true;
        }
    }
}

ZipWriter::ZipWriter(const TextSink& sink, std::time_t modified) : sink_(sink) {
    std::tm local{};
    localtime_r(&modified, &local);
    // MS-DOS time: two-second steps, and no date before 1980.
    const int year = std::max(local.tm_year + 1900, 1980);
    dosTime_ = static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) |
                                          (local.tm_sec / 2));
    dosDate_ = static_cast<std::uint16_t>(((year - 1980) << 9) | ((local.tm_mon + 1) << 5) |
                                          local.tm_mday);
}

bool ZipWriter::Write(std::string_view bytes) {
    written_ += bytes.size();
    return sink_(bytes);
}

bool ZipWriter::Add(std::string_view name, const DeflatedFile& file) {
    const std::string_view data = file.Compressed();
    if (!Fits32(file.Size()) || !Fits32(data.size()) || !Fits32(written_)) {
        return false;
    }
    Entry entry{std::string(name), file.Crc(), static_cast<std::uint32_t>(data.size()),
                static_cast<std::uint32_t>(file.Size()), static_cast<std::uint32_t>(written_)};
    LittleEndian header;
    header.U32(kLocalHeaderSignature).U16(kVersion).U16(0).U16(kDeflated);
    header.U16(dosTime_).U16(dosDate_);
    header.U32(entry.crc).U32(entry.compressedSize).U32(entry.size);
    header.U16(static_cast<std::uint16_t>(name.size())).U16(0).Text(name);
    entries_.push_back(std::move(entry));
    return Write(header.Bytes()) && Write(data);
}

bool ZipWriter::Add(std::string_view name, std::string_view content) {
    DeflatedFile file(content.size());
    return file.Feed(content) && file.Finish() && Add(name, file);
}

bool ZipWriter::Finish() {
    const std::uint64_t directoryStart = written_;
    LittleEndian directory;
    for (const Entry& entry : entries_) {
        directory.U32(kDirectoryHeaderSignature).U16(kVersion).U16(kVersion).U16(0);
        directory.U16(kDeflated).U16(dosTime_).U16(dosDate_);
        directory.U32(entry.crc).U32(entry.compressedSize).U32(entry.size);
        directory.U16(static_cast<std::uint16_t>(entry.name.size())).U16(0).U16(0);
        directory.U16(0).U16(0).U32(0).U32(entry.offset).Text(entry.name);
    }
    const std::uint64_t directorySize = directory.Bytes().size();
    if (!Fits32(directoryStart) || !Fits32(directoryStart + directorySize)) {
        return false;
    }
    const auto count = static_cast<std::uint16_t>(entries_.size());
    LittleEndian end;
    end.U32(kDirectoryEndSignature).U16(0).U16(0).U16(count).U16(count);
    end.U32(static_cast<std::uint32_t>(directorySize));
    end.U32(static_cast<std::uint32_t>(directoryStart)).U16(0);
    return Write(directory.Bytes()) && Write(end.Bytes());
}

}  // namespace kolvenar
