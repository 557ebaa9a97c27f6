#include "base/TxTools.h"

#include <algorithm>
#include <limits>

#include "base/Exception.h"
#include "base/Object.h"
#include "base/StringList.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

unsigned char TxTools::DBLiterals = 0;

TMTextMeasure::~TMTextMeasure() = default;

namespace {

constexpr std::size_t kMaxPath = 260;

bool InSet(const std::string& set, char c) {
    return set.find(c) != std::string::npos;
}

// A position as an index into a text of the given size, or npos when it lies outside.
std::size_t Index(int pos, std::size_t size) {
    return pos >= 0 && static_cast<std::size_t>(pos) < size ? static_cast<std::size_t>(pos)
                                                            : std::string::npos;
}

std::size_t Start(int start) {
    return start < 0 ? 0 : static_cast<std::size_t>(start);
}

int Position(std::size_t found) {
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

std::string Cut(std::string s, std::size_t max) {
    if (s.size() > max) s.resize(max);
    return s;
}

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

} // namespace

char TxTools::Hex2Char(int value, bool upper) {
    return (upper ? "0123456789ABCDEF" : "0123456789abcdef")[value & 15];
}

int TxTools::Char2Hex(char c, bool& ok) {
    if (!ok) return 0;
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    ok = false;
    return 0;
}

std::string TxTools::FromHexN(unsigned value, int digits, bool upper) {
    digits = std::clamp(digits, 0, 8);
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = Hex2Char(int(value & 15), upper);
    return out;
}

unsigned TxTools::ToHexN(int digits, bool& ok) const {
    if (!ok || digits < 1) return 0;
    digits = std::min(digits, 8);
    if (text_.size() < static_cast<std::size_t>(digits)) {
        ok = false;
        return 0;
    }
    unsigned value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = Char2Hex(text_[static_cast<std::size_t>(i)], ok);
        if (!ok) return 0;
        value = (value << 4) | static_cast<unsigned>(d);
    }
    return value;
}

std::string TxTools::InsStr(int pos, const std::string& s) const {
    const std::size_t i = Index(pos, text_.size());
    if (i == std::string::npos) return text_ + s;
    std::string out = text_;
    return out.insert(i, s);
}

std::string TxTools::InsChar(int pos, char c) const {
    return InsStr(pos, std::string(1, c));
}

std::string TxTools::CharNo2Str(int pos, const std::string& s) const {
    const std::size_t i = Index(pos, text_.size());
    if (i == std::string::npos) return text_ + s;
    std::string out = text_;
    return out.replace(i, 1, s);
}

std::string TxTools::CharNo2Char(int pos, char c) const {
    return CharNo2Str(pos, std::string(1, c));
}

std::string TxTools::Chars2Str(char c, const std::string& s) const {
    return AnyChar2Str(std::string(1, c), s);
}

std::string TxTools::Chars2Char(char c, char replacement) const {
    std::string out = text_;
    std::replace(out.begin(), out.end(), c, replacement);
    return out;
}

std::string TxTools::AnyChar2Str(const std::string& set, const std::string& s) const {
    std::string out;
    out.reserve(text_.size());
    for (char c : text_) {
        if (InSet(set, c))
            out += s;
        else
            out += c;
    }
    return out;
}

std::string TxTools::AnyChar2Char(const std::string& set, char replacement) const {
    return AnyChar2Str(set, std::string(1, replacement));
}

std::string TxTools::Chars2Chars(const std::string& fromSet, const std::string& toSet) const {
    const std::string from = fromSet.substr(0, std::min(fromSet.size(), toSet.size()));
    std::string out = text_;
    for (char& c : out) {
        const std::size_t k = from.find(c);
        if (k != std::string::npos) c = toSet[k];
    }
    return out;
}

std::string TxTools::DelCharsFrom(int pos, int count) const {
    const std::size_t i = Index(pos, text_.size());
    if (i == std::string::npos || count <= 0) return text_;
    std::string out = text_;
    return out.erase(i, static_cast<std::size_t>(count));
}

std::string TxTools::DelChars(char c) const {
    return DelAnyChar(std::string(1, c));
}

std::string TxTools::DelCharNo(int pos) const {
    return DelCharsFrom(pos, 1);
}

std::string TxTools::DelAnyChar(const std::string& set) const {
    std::string out;
    for (char c : text_)
        if (!InSet(set, c)) out += c;
    return out;
}

std::string TxTools::DelAnyOtherChar(const std::string& set) const {
    std::string out;
    for (char c : text_)
        if (InSet(set, c)) out += c;
    return out;
}

int TxTools::FindStr(const std::string& s, bool ignoreCase, int start) const {
    const std::size_t from = Start(start);
    if (from > text_.size()) return -1;
    if (!ignoreCase) return Position(text_.find(s, from));
    return Position(cp1250::UpperCase(text_).find(cp1250::UpperCase(s), from));
}

int TxTools::FindChar(char c, int start) const {
    return Position(text_.find(c, Start(start)));
}

int TxTools::FindAnyChar(const std::string& set, int start) const {
    for (std::size_t i = Start(start); i < text_.size(); ++i)
        if (InSet(set, text_[i])) return static_cast<int>(i);
    return -1;
}

int TxTools::FindAnyOtherChar(const std::string& set, int start) const {
    for (std::size_t i = Start(start); i < text_.size(); ++i)
        if (!InSet(set, text_[i])) return static_cast<int>(i);
    return -1;
}

std::string TxTools::Str2Str(const std::string& search, const std::string& replacement,
                             bool ignoreCase) const {
    if (search.empty()) return text_;
    const int pos = FindStr(search, ignoreCase, 0);
    if (pos < 0) return text_;
    std::string out = text_;
    return out.replace(static_cast<std::size_t>(pos), search.size(), replacement);
}

bool TxTools::ContainsStr(const std::string& s, bool ignoreCase, int start) const {
    return FindStr(s, ignoreCase, start) >= 0;
}
bool TxTools::ContainsChar(char c, int start) const {
    return FindChar(c, start) >= 0;
}
bool TxTools::ContainsAnyChar(const std::string& set, int start) const {
    return FindAnyChar(set, start) >= 0;
}
bool TxTools::ContainsAnyOtherChar(const std::string& set, int start) const {
    return FindAnyOtherChar(set, start) >= 0;
}

int TxTools::CountStr(const std::string& s, bool ignoreCase) const {
    if (s.empty()) return 0; // an empty text would be found everywhere
    const std::string hay = ignoreCase ? cp1250::UpperCase(text_) : text_;
    const std::string needle = ignoreCase ? cp1250::UpperCase(s) : s;
    int count = 0;
    for (std::size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + needle.size()))
        ++count;
    return count;
}

int TxTools::CountChar(char c) const {
    return static_cast<int>(std::count(text_.begin(), text_.end(), c));
}

int TxTools::CountAnyChar(const std::string& set) const {
    return static_cast<int>(std::count_if(text_.begin(), text_.end(), [&](char c) { return InSet(set, c); }));
}

int TxTools::CountAnyOtherChar(const std::string& set) const {
    return static_cast<int>(text_.size()) - CountAnyChar(set);
}

int TxTools::Compare(const std::string& s, bool ignoreCase) const {
    const int r = ignoreCase ? cp1250::UpperCase(text_).compare(cp1250::UpperCase(s)) : text_.compare(s);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int TxTools::NCompare(const std::string& s, int length, bool ignoreCase) const {
    if (length <= 0) return 0;
    const std::size_t n = static_cast<std::size_t>(length);
    return TxTools(text_.substr(0, n)).Compare(s.substr(0, n), ignoreCase);
}

std::string TxTools::SelectWord(int index, const std::string& delimiters) const {
    if (delimiters.empty()) return text_;
    int k = 0;
    std::size_t i = 0;
    const std::size_t n = text_.size();
    for (;;) {
        while (i < n && InSet(delimiters, text_[i])) ++i;
        if (i >= n) return {};
        const std::size_t begin = i;
        while (i < n && !InSet(delimiters, text_[i])) ++i;
        if (k++ == index) return text_.substr(begin, i - begin);
    }
}

std::string TxTools::SelectWordEx(int index, bool& pastEnd, const std::string& delimiters) const {
    pastEnd = false;
    int k = 0;
    std::string field;
    bool havePrev = false;
    char prev = 0;
    for (char c : text_) {
        if (InSet(delimiters, c)) {
            const bool prevDelimiter = havePrev && InSet(delimiters, prev);
            if (!havePrev || !prevDelimiter || prev == c) {
                if (k == index) return field;
                ++k;
                field.clear();
            }
        } else {
            field += c;
        }
        havePrev = true;
        prev = c;
    }
    if (k == index) return field;
    pastEnd = true;
    return {};
}

int TxTools::ParseLineFields(TStringList& list, char separator) const {
    list.Clear();
    std::string field;
    for (char c : text_) {
        if (c == separator) {
            list.Add(field);
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty()) list.Add(field);
    return list.Count();
}

std::string TxTools::NoPl() const {
    static const std::string kPolish("ĄąĆćĘęŁłŃńÓóŚśŹźŻż"_pl);
    return Chars2Chars(kPolish, "AaCcEeLlNnOoSsZzZz");
}

bool TxTools::FindCharNotContained(char& c) const {
    bool seen[256] = {};
    for (char ch : text_) seen[static_cast<unsigned char>(ch)] = true;
    for (int b = 1; b < 256; ++b) {
        if (!seen[b]) {
            c = static_cast<char>(b);
            return true;
        }
    }
    return false;
}

std::string TxTools::PadLeft(char fill, int minimum, int maximum) const {
    const std::size_t lo = static_cast<std::size_t>(std::max(minimum, 0));
    const std::size_t hi = std::max(lo, static_cast<std::size_t>(std::max(maximum, 0)));
    std::string out = text_.size() > hi ? text_.substr(text_.size() - hi) : text_;
    if (out.size() < lo) out.insert(0, lo - out.size(), fill);
    return out;
}

std::string TxTools::PadRight(char fill, int minimum, int maximum) const {
    const std::size_t lo = static_cast<std::size_t>(std::max(minimum, 0));
    const std::size_t hi = std::max(lo, static_cast<std::size_t>(std::max(maximum, 0)));
    std::string out = Cut(text_, hi);
    if (out.size() < lo) out.append(lo - out.size(), fill);
    return out;
}

bool TxTools::DecodeSubStringToUnsignedInt(unsigned& result, int start, int count, const char* chars,
                                           int length) {
    result = 0;
    if (start < 0 || count < 0 || length < 0 || static_cast<long long>(start) + count > length ||
        (count > 0 && chars == nullptr))
        return false;
    unsigned long long value = 0;
    for (int i = start; i < start + count; ++i) {
        if (chars[i] < '0' || chars[i] > '9') return false;
        value = value * 10 + static_cast<unsigned>(chars[i] - '0');
        // A number too big for the result is no number at all, not a wrapped-around one.
        if (value > std::numeric_limits<unsigned>::max()) return false;
    }
    result = static_cast<unsigned>(value);
    return true;
}

bool TxTools::EncodeUnsignedIntToSubString(int start, int count, std::string& chars, unsigned value) {
    if (start < 0 || count < 0 ||
        static_cast<long long>(start) + count > static_cast<long long>(chars.size()))
        return false;
    const std::string digits = std::to_string(value);
    if (digits.size() > static_cast<std::size_t>(count)) return false;
    const std::size_t s = static_cast<std::size_t>(start), c = static_cast<std::size_t>(count);
    chars.replace(s, c, std::string(c - digits.size(), '0') + digits);
    return true;
}

unsigned TxTools::SubStringToUnsignedInt(int start, int count) const {
    unsigned result = 0;
    if (!DecodeSubStringToUnsignedInt(result, start, count, text_.data(), static_cast<int>(text_.size())))
        throw Exception(std::string("[TxTools::SubStringToUnsignedInt] Zły format analizowanego tekstu"_pl));
    return result;
}

std::string TxTools::ToOEM() const {
    return platform::AnsiToOem(text_);
}

std::string TxTools::FromOEM() const {
    return platform::OemToAnsi(text_);
}

bool TxTools::DBPrintableChar(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 16 || b == 34 || b == 39 || b == 92) return false;
    switch (b) {
    case 140:
    case 143:
    case 156:
    case 159:
    case 163:
    case 165:
    case 175:
    case 179:
    case 185:
    case 191:
    case 198:
    case 202:
    case 209:
    case 211:
    case 230:
    case 234:
    case 241:
    case 243:
        return true;
    default:
        return b < 128;
    }
}

std::string TxTools::ToDBField(int maximum) const {
    const std::string text = maximum >= 0 && static_cast<std::size_t>(maximum) < text_.size()
                                 ? text_.substr(0, std::size_t(maximum))
                                 : text_;
    std::string out;
    if (DBLiterals == 1) {
        if (text.empty()) return "''";
        std::size_t i = 0;
        while (i < text.size()) {
            if (!out.empty()) out += " + ";
            if (DBPrintableChar(text[i])) {
                out += '\'';
                while (i < text.size() && DBPrintableChar(text[i])) out += text[i++];
                out += '\'';
            } else {
                out += "char(" + std::to_string(static_cast<unsigned char>(text[i++])) + ")";
            }
        }
        return out;
    }
    out += '\'';
    for (char c : text) {
        switch (c) {
        case '\'':
            out += "''";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\x0D";
            break;
        case '\n':
            out += "\\x0A";
            break;
        default:
            out += c;
        }
    }
    out += '\'';
    return out;
}

std::string TxTools::ToASEParam() const {
    std::size_t b = 0, e = text_.size();
    while (b < e && static_cast<unsigned char>(text_[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text_[e - 1]) <= ' ') --e;
    return b == e ? std::string(" ") : text_.substr(b, e - b);
}

std::string TxTools::MakePath(const std::string& drive, const std::string& directory, const std::string& name,
                              const std::string& extension) {
    std::string out;
    if (!drive.empty()) {
        out += drive;
        if (drive.back() != ':') out += ':';
    }
    if (!directory.empty()) {
        out += directory;
        if (!IsSlash(directory.back())) out += '\\';
    }
    out += name;
    if (!extension.empty()) {
        if (extension[0] != '.') out += '.';
        out += extension;
    }
    return Cut(out, kMaxPath);
}

namespace {

struct PathParts {
    std::string drive, directory, name, extension;
};

PathParts SplitPath(const std::string& path) {
    PathParts p;
    std::size_t i = 0;
    if (path.size() >= 2 && path[1] == ':') {
        p.drive = path.substr(0, 2);
        i = 2;
    }
    std::size_t lastSlash = std::string::npos;
    for (std::size_t k = i; k < path.size(); ++k)
        if (IsSlash(path[k])) lastSlash = k;
    std::size_t nameStart = i;
    if (lastSlash != std::string::npos) {
        p.directory = path.substr(i, lastSlash + 1 - i);
        nameStart = lastSlash + 1;
    }
    const std::string file = path.substr(nameStart);
    const std::size_t dot = file.rfind('.');
    if (dot == std::string::npos) {
        p.name = file;
    } else {
        p.name = file.substr(0, dot);
        p.extension = file.substr(dot);
    }
    return p;
}

} // namespace

std::string TxTools::Drive() const {
    return SplitPath(text_).drive;
}
std::string TxTools::Directory() const {
    return SplitPath(text_).directory;
}
std::string TxTools::FileName() const {
    return SplitPath(text_).name;
}
std::string TxTools::FileExtension() const {
    return SplitPath(text_).extension;
}
bool TxTools::IsFileMask() const {
    return ContainsAnyChar("*?");
}

std::string TxTools::SystemDirectory() {
    return Cut(platform::SystemDirectory(), kMaxPath);
}
std::string TxTools::WindowsDirectory() {
    return Cut(platform::WindowsDirectory(), kMaxPath);
}
std::string TxTools::TempDirectory() {
    return Cut(platform::TempDirectory(), kMaxPath);
}
std::string TxTools::CurrentDirectory() {
    return Cut(platform::CurrentDirectory(), kMaxPath);
}
bool TxTools::SetCurrentDirectoryA(const std::string& directory) {
    return platform::SetCurrentDirectory(directory);
}

namespace {

// The wrapping shared by both forms; tooLong tells whether a line no longer fits.
template <typename TooLong> std::string Wrap(const std::string& source, int tabSize, TooLong tooLong) {
    std::string text;
    text.reserve(source.size());
    for (char c : source) {
        if (c == '\t')
            text.append(static_cast<std::size_t>(std::max(tabSize, 0)), ' ');
        else
            text += c;
    }
    std::string out, line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\n' && i > 0 && text[i - 1] == '\r') continue;
            out += line;
            out += "\r\n";
            line.clear();
            continue;
        }
        line += c;
        if (!tooLong(line)) continue;
        const std::size_t blank = line.rfind(' ');
        if (blank != std::string::npos) {
            out.append(line, 0, blank);
            out += "\r\n";
            line.erase(0, blank + 1);
        } else if (line.size() > 1) {
            out.append(line, 0, line.size() - 1);
            out += "\r\n";
            line.erase(0, line.size() - 1);
        }
    }
    return out + line;
}

// The line as a label shows it: "&&" is one "&", a single "&" marks the next letter and is not drawn.
std::string AsLabel(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '&') {
            out += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

} // namespace

std::string TxTools::AutoBreak(const TMTextMeasure& canvas, int width, int tabSize, bool ampersand) const {
    char unused = 0;
    const bool asLabel = ampersand && FindCharNotContained(unused);
    return Wrap(text_, tabSize, [&](const std::string& line) {
        return canvas.TextWidth(asLabel ? AsLabel(line) : line) > width;
    });
}

std::string TxTools::AutoBreakText(int maximum, int tabSize) const {
    return Wrap(text_, tabSize, [&](const std::string& line) {
        return static_cast<long long>(line.size()) > static_cast<long long>(maximum);
    });
}

bool IsNameOfObjectParentClass(const TObject* object, const std::string& className, bool includeOwnClass) {
    if (!object) return false;
    const TClassInfo& own = object->ClassType();
    if (className == own.Name) return includeOwnClass;
    for (const TClassInfo* c = own.Parent; c; c = c->Parent)
        if (className == c->Name) return true;
    return false;
}
