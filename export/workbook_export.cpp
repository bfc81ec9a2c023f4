#include "export/workbook_export.h"

#include <QDateTime>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "export/sheet_xml.h"
#include "export/workbook_package.h"
#include "export/zip_archive.h"

namespace kolvenar {

namespace {

// Hands pieces of text from one thread to another through a few buffers that are used over and
// over: fresh memory for each piece would cost a page fault every four kilobytes.
class PiecePipe {
public:
    explicit PiecePipe(std::size_t buffers) : buffers_(buffers) {
        for (std::string& buffer : buffers_) {
            empty_.push_back(&buffer);
        }
    }

    std::string* TakeEmpty() { return Take(empty_); }
    void PutFull(std::string* piece) { Put(full_, piece); }
    // Null once the writer has closed the pipe and every piece has been taken.
    std::string* TakeFull() { return Take(full_); }
    void PutEmpty(std::string* buffer) { Put(empty_, buffer); }

    void Close() {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

private:
    std::string* Take(std::deque<std::string*>& from) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !from.empty() || (&from == &full_ && closed_); });
        if (from.empty()) {
            return nullptr;
        }
        std::string* piece = from.front();
        from.pop_front();
        return piece;
    }

    void Put(std::deque<std::string*>& to, std::string* piece) {
        const std::lock_guard lock(mutex_);
        to.push_back(piece);
        changed_.notify_all();
    }

    std::vector<std::string> buffers_;
    std::deque<std::string*> empty_;
    std::deque<std::string*> full_;
    bool closed_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// The sheet, compressed. Compressing takes most of the time, so the rows are turned into XML
// on a second thread meanwhile.
bool CompressSheet(const SheetXml& sheet, DeflateStream& compressed) {
    constexpr int kRowsPerPiece = 1024;
    PiecePipe pipe(4);
    std::atomic<bool> failed = !compressed.Feed(sheet.Head());
    std::thread formatter([&] {
        for (int first = 0; first < sheet.RowCount() && !failed; first += kRowsPerPiece) {
            std::string* piece = pipe.TakeEmpty();
            piece->clear();
            sheet.AppendRows(first, std::min(first + kRowsPerPiece, sheet.RowCount()), *piece);
            pipe.PutFull(piece);
        }
        pipe.Close();
    });
    // After a failure the pieces still on their way are taken, so that the formatter can stop.
    while (std::string* piece = pipe.TakeFull()) {
        if (!failed && !compressed.Feed(*piece)) {
            failed = true;
        }
        pipe.PutEmpty(piece);
    }
    formatter.join();
    return !failed && compressed.Feed(SheetXml::Tail());
}

}  // namespace

std::optional<FileFailure> WriteWorkbook(const QString& path, const QStringList& headerLines,
                                         const ShownTable& table, std::uint64_t largest) {
    const SheetXml sheet(table, headerLines);
    const QDateTime now = QDateTime::currentDateTime();
    return WriteWholeFile(path, [&](const TextSink& write, std::optional<FileFailure>& failure) {
        ZipWriter zip(write, now.toSecsSinceEpoch(), largest);
        constexpr std::string_view kSheetName[] = {"Kolvenar"};
        const bool whole =
            WriteWorkbookParts(zip, kSheetName, now) &&
            zip.Add(SheetPartName(0),
                    [&](DeflateStream& stream) { return CompressSheet(sheet, stream); }) &&
            zip.Finish();
        failure = DescribeZipFailure(zip.Failure());
        return whole;
    });
}

}  // namespace kolvenar
