#include "bridge/RequestFile.h"

#include <cstring>

#include "platform/Cp1250.h"

namespace bridge {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence a byte starts, as the decoder judges it (1 for a byte that
// starts none).
std::size_t SequenceLength(unsigned char b) {
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

// How many bytes at the end of text begin a UTF-8 sequence that runs on past it.
std::size_t CutSequence(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        unsigned char b = static_cast<unsigned char>(text[text.size() - back]);
        if ((b & 0xC0) == 0x80) continue;
        return SequenceLength(b) > back ? back : 0;
    }
    return 0;
}

// Where the run of ASCII bytes from i ends; eight bytes at a time, since requests are mostly
// ASCII.
std::size_t AsciiEnd(std::string_view text, std::size_t i) {
    for (std::uint64_t word; i + 8 <= text.size(); i += 8) {
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
    return i;
}

std::size_t HighEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80) ++i;
    return i;
}

// cp1250::IsValidUtf8 run by run: an ASCII byte always starts a sequence, so the text is UTF-8
// exactly when each run of other bytes is. high: such a run was seen.
bool IsValidUtf8(std::string_view text, bool& high) {
    for (std::size_t i = 0; (i = AsciiEnd(text, i)) < text.size();) {
        std::size_t end = HighEnd(text, i);
        high = true;
        if (!cp1250::IsValidUtf8(text.substr(i, end - i))) return false;
        i = end;
    }
    return true;
}

// cp1250::FromUtf8 of UTF-8 text appended to out, with the ASCII runs copied as they are.
void AppendNarrowed(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t ascii = AsciiEnd(text, i);
        out.append(text.substr(i, ascii - i));
        std::size_t end = HighEnd(text, ascii);
        if (end > ascii) out += cp1250::FromUtf8(text.substr(ascii, end - ascii));
        i = end;
    }
}

} // namespace

RequestFile::~RequestFile() {
    if (file_ != platform::kInvalidFile) platform::CloseFile(file_);
}

bool RequestFile::ReadRaw(std::string& out) {
    std::size_t old = out.size();
    out.resize(old + pieceSize_);
    std::size_t got = 0;
    bool ok = platform::ReadFile(file_, out.data() + old, pieceSize_, got);
    out.resize(old + (ok ? got : 0));
    if (!ok) failed_ = true;
    return ok && got > 0;
}

bool RequestFile::Rewind() {
    std::int64_t position = 0;
    if (platform::SeekFile(file_, static_cast<std::int64_t>(bomSize_), platform::SeekOrigin::Begin, position))
        return true;
    failed_ = true;
    return false;
}

// Reads the whole file once: decode when it is UTF-8 throughout and not plain ASCII.
bool RequestFile::CheckUtf8(std::string_view head, bool& decode) {
    bool valid = true, high = false;
    std::string piece(head);
    for (bool more = true; more && valid;) {
        more = ReadRaw(piece);
        if (failed_) return false;
        std::size_t cut = more ? CutSequence(piece) : 0;
        std::string_view whole(piece.data(), piece.size() - cut);
        valid = IsValidUtf8(whole, high);
        piece.erase(0, whole.size());
    }
    decode = valid && high;
    return true;
}

bool RequestFile::Open(const std::string& path) {
    file_ = platform::OpenFile(path, platform::FileAccess::Read, platform::FileDisposition::OpenExisting,
                               platform::FileShare{true, true, false});
    if (file_ == platform::kInvalidFile || !platform::FileSize(file_, size_)) return false;
    // Enough of the start to see the byte order mark and the whole declaration.
    while (head_.size() < 8 && ReadRaw(head_)) {
    }
    if (head_.compare(0, kBom.size(), kBom) == 0) bomSize_ = kBom.size();
    head_.erase(0, bomSize_);
    if (head_.compare(0, 5, "<?xml") == 0)
        while (head_.find("?>") == std::string::npos && ReadRaw(head_)) {
        }
    if (failed_) return false;
    if (XmlScanner::IsUtf8Name(XmlScanner::DeclaredEncoding(head_))) {
        // Read again from the start after the check rather than keep the head apart.
        if (!CheckUtf8(head_, decode_) || !Rewind()) return false;
        head_.clear();
    }
    return true;
}

bool RequestFile::ReadPiece(std::string& out) {
    if (ended_ || failed_) return false;
    if (!head_.empty()) {
        out += head_;
        head_.clear();
        head_.shrink_to_fit();
        return true;
    }
    if (!decode_) {
        if (!ReadRaw(out)) ended_ = true;
        return !ended_;
    }
    raw_.assign(carried_);
    carried_.clear();
    bool more = ReadRaw(raw_);
    if (failed_) return false;
    std::size_t cut = more ? CutSequence(raw_) : 0;
    std::string_view whole(raw_.data(), raw_.size() - cut);
    AppendNarrowed(out, whole);
    carried_.assign(raw_, whole.size());
    if (!more && raw_.empty()) ended_ = true;
    return !ended_;
}

bool ScanRequest(RequestFile& file, XmlHandler& handler) {
    XmlPartScanner scanner(handler);
    std::string buffer;
    buffer.reserve(file.PieceSize() + 4096); // a piece and the item the last one cut, as a rule
    std::size_t consumed = 0;
    for (bool last = false; !last;) {
        buffer.erase(0, consumed);
        // An item longer than the text at hand: read on until the text doubles, so that the item
        // is not scanned again from its start for every piece.
        std::size_t wanted = consumed == 0 ? buffer.size() * 2 : 0;
        do {
            last = !file.ReadPiece(buffer);
        } while (!last && buffer.size() < wanted);
        if (file.Failed()) return false;
        if (scanner.Scan(buffer, last, consumed) != XmlPartScanner::Progress::NeedMore) break;
    }
    return true;
}

} // namespace bridge
