#pragma once

#include <zlib.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "output/table_text.h"
#include "output/text_buffer.h"

namespace kolvenar {

// The compressed content of one file of a zip archive, fed piece by piece and kept in memory
// until the archive takes it. Compressed at zlib's fastest level: a workbook's sheet is
// a hundred megabytes of very repetitive XML, which the fastest level shrinks almost as well
// as the default one at a third of the time.
class DeflatedFile {
public:
    // `expectedSize` is a guess of the compressed size, to reserve room; more text still fits.
    explicit DeflatedFile(std::size_t expectedSize = 0);
    ~DeflatedFile();
    DeflatedFile(const DeflatedFile&) = delete;
    DeflatedFile& operator=(const DeflatedFile&) = delete;

    // False when zlib could not be set up or failed; the file is then unusable.
    bool Feed(std::string_view piece);
    bool Finish();

    std::string_view Compressed() const { return compressed_.View(); }
    std::uint32_t Crc() const { return crc_; }
    std::uint64_t Size() const { return size_; }

private:
    bool Deflate(std::string_view piece, int flush);

    z_stream stream_{};
    bool ready_ = false;
    TextBuffer compressed_;
    std::uint32_t crc_ = 0;
    std::uint64_t size_ = 0;
};

// Writes a zip archive to a sink: each file's header and data as the file is added, the
// directory when the archive is finished. Without zip64, so no file or archive may exceed
// 4 GiB; a file that would is refused.
class ZipWriter {
public:
    // Every file is dated `modified`, in local time as zip wants it.
    ZipWriter(const TextSink& sink, std::time_t modified);

    bool Add(std::string_view name, const DeflatedFile& file);
    // A small file given whole.
    bool Add(std::string_view name, std::string_view content);
    // Writes the directory; nothing may be added after it.
    bool Finish();

private:
    struct Entry {
        std::string name;
        std::uint32_t crc = 0;
        std::uint32_t compressedSize = 0;
        std::uint32_t size = 0;
        std::uint32_t offset = 0;
    };

    bool Write(std::string_view bytes);

    TextSink sink_;
    std::uint16_t dosTime_ = 0;
    std::uint16_t dosDate_ = 0;
    std::uint64_t written_ = 0;
    std::vector<Entry> entries_;
};

}  // namespace kolvenar
