#pragma once
// Reads the request file piece by piece as Windows-1250 bytes, decoded as
// XmlScanner::DecodeDocument decodes a whole document, so that a request of many goods is never
// held whole in memory. A document that asks for UTF-8 is read twice: once to learn whether it
// is UTF-8 at all, once to narrow it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "bridge/XmlScanner.h"
#include "platform/Files.h"

namespace bridge {

class RequestFile {
public:
    static constexpr std::size_t kPieceSize = 64 * 1024;

    explicit RequestFile(std::size_t pieceSize = kPieceSize) : pieceSize_(pieceSize ? pieceSize : 1) {}
    ~RequestFile();
    RequestFile(const RequestFile&) = delete;
    RequestFile& operator=(const RequestFile&) = delete;

    // False when the file cannot be opened or read; the reason is in platform::LastError().
    bool Open(const std::string& path);
    // The size of the file in bytes, an upper bound of the text it gives.
    std::int64_t Size() const { return size_; }
    std::size_t PieceSize() const { return pieceSize_; }
    // Appends the next piece of the text to out. False at the end, with nothing appended, or on
    // a read failure (then Failed() tells so and the reason is in platform::LastError()).
    bool ReadPiece(std::string& out);
    bool Failed() const { return failed_; }

private:
    bool ReadRaw(std::string& out);
    bool CheckUtf8(std::string_view head, bool& decode);
    bool Rewind();

    std::size_t pieceSize_;
    platform::FileHandle file_ = platform::kInvalidFile;
    std::int64_t size_ = 0;
    std::size_t bomSize_ = 0;
    bool decode_ = false;
    bool ended_ = false;
    bool failed_ = false;
    std::string head_;    // the bytes read to learn the encoding, handed out first
    std::string carried_; // the start of a UTF-8 sequence the last piece cut
    std::string raw_;
};

// Scans the text of an open request file with the handler, holding only the piece at hand and
// the item it cuts. False on a read failure (the reason is in platform::LastError()); malformed
// input ends the scan quietly, as XmlScanner does.
bool ScanRequest(RequestFile& file, XmlHandler& handler);

} // namespace bridge
