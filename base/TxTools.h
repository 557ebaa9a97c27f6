#pragma once
// Everyday handling of one Windows-1250 text: replacing, deleting, finding and counting characters,
// words and fields, hexadecimal and fixed-width numbers, database quoting, the OEM code page,
// paths and word wrapping. Positions count from 0; almost every operation returns a new text.
#include <string>

#include "platform/Export.h"

class TObject;
class TStringList;

// The width of a text as a canvas would draw it, in pixels.
class VXLUMO_API TMTextMeasure {
public:
    virtual ~TMTextMeasure();
    virtual int TextWidth(const std::string& text) const = 0;
};

// Every character equally wide: for wrapping without a canvas.
class VXLUMO_API TMFixedWidthMeasure : public TMTextMeasure {
public:
    explicit TMFixedWidthMeasure(int charWidth) : charWidth_(charWidth) {}
    int TextWidth(const std::string& text) const override {
        return static_cast<int>(text.size()) * charWidth_;
    }

private:
    int charWidth_;
};

class VXLUMO_API TxTools {
public:
    // The quoting style of ToDBField: 1 concatenation of quoted runs and char(n), else escapes.
    static unsigned char DBLiterals;

    TxTools() = default;
    explicit TxTools(std::string text) : text_(std::move(text)) {}
    const std::string& Value() const { return text_; }

    // Hexadecimal digits.
    static char Hex2Char(int value, bool upper);
    static int Char2Hex(char c, bool& ok);
    static std::string FromHexN(unsigned value, int digits, bool upper);
    unsigned ToHexN(int digits, bool& ok) const;

    // Insertion and replacement; a position outside the text appends.
    std::string InsStr(int pos, const std::string& s) const;
    std::string InsChar(int pos, char c) const;
    std::string CharNo2Str(int pos, const std::string& s) const;
    std::string CharNo2Char(int pos, char c) const;
    std::string Chars2Str(char c, const std::string& s) const;
    std::string Chars2Char(char c, char replacement) const;
    std::string AnyChar2Str(const std::string& set, const std::string& s) const;
    std::string AnyChar2Char(const std::string& set, char replacement) const;
    std::string Chars2Chars(const std::string& fromSet, const std::string& toSet) const;

    // Deletion.
    std::string DelCharsFrom(int pos, int count) const;
    std::string DelChars(char c) const;
    std::string DelCharNo(int pos) const;
    std::string DelAnyChar(const std::string& set) const;
    std::string DelAnyOtherChar(const std::string& set) const;

    // Searching: a position or -1.
    int FindStr(const std::string& s, bool ignoreCase = false, int start = 0) const;
    int FindChar(char c, int start = 0) const;
    int FindAnyChar(const std::string& set, int start = 0) const;
    int FindAnyOtherChar(const std::string& set, int start = 0) const;
    std::string Str2Str(const std::string& search, const std::string& replacement,
                        bool ignoreCase = false) const;
    bool ContainsStr(const std::string& s, bool ignoreCase = false, int start = 0) const;
    bool ContainsChar(char c, int start = 0) const;
    bool ContainsAnyChar(const std::string& set, int start = 0) const;
    bool ContainsAnyOtherChar(const std::string& set, int start = 0) const;

    // Counting.
    int CountStr(const std::string& s, bool ignoreCase = false) const;
    int CountChar(char c) const;
    int CountAnyChar(const std::string& set) const;
    int CountAnyOtherChar(const std::string& set) const;

    // Byte-wise comparison: negative, 0 or positive; ignoring case compares both upper-cased.
    int Compare(const std::string& s, bool ignoreCase = false) const;
    int NCompare(const std::string& s, int length, bool ignoreCase = false) const;

    // Words are runs of non-delimiters; index from 0; empty past the last word.
    std::string SelectWord(int index, const std::string& delimiters) const;
    // Fields between delimiters: a doubled delimiter leaves an empty field, two different ones in a
    // row separate once. pastEnd tells that the text ended before the field.
    std::string SelectWordEx(int index, bool& pastEnd, const std::string& delimiters) const;
    // Fills the list with the fields between separators; a trailing separator adds no empty field.
    int ParseLineFields(TStringList& list, char separator) const;

    // Polish letters as plain ones.
    std::string NoPl() const;
    // The smallest byte 1..255 that the text does not hold.
    bool FindCharNotContained(char& c) const;

    std::string PadLeft(char fill, int minimum, int maximum) const;
    std::string PadRight(char fill, int minimum, int maximum) const;

    // Fixed-width decimal numbers inside a text.
    static bool DecodeSubStringToUnsignedInt(unsigned& result, int start, int count, const char* chars,
                                             int length);
    static bool EncodeUnsignedIntToSubString(int start, int count, std::string& chars, unsigned value);
    unsigned SubStringToUnsignedInt(int start, int count) const; // throws Exception

    std::string ToOEM() const;
    std::string FromOEM() const;

    // Database statements.
    static bool DBPrintableChar(char c);
    std::string ToDBField(int maximum = -1) const;
    std::string ToASEParam() const;

    // Paths, by Windows rules ('\' or '/' between folders, "C:" drives).
    static std::string MakePath(const std::string& drive, const std::string& directory,
                                const std::string& name, const std::string& extension);
    std::string Drive() const;
    std::string Directory() const;
    std::string FileName() const;
    std::string FileExtension() const;
    bool IsFileMask() const;
    static std::string SystemDirectory();
    static std::string WindowsDirectory();
    static std::string TempDirectory();
    static std::string CurrentDirectory();
    static bool SetCurrentDirectoryA(const std::string& directory);

    // Word wrapping to a width in pixels (as a label would show the text when ampersand is set) or
    // to a number of characters; lines end with CR LF, the last one without.
    std::string AutoBreak(const TMTextMeasure& canvas, int width, int tabSize, bool ampersand) const;
    std::string AutoBreakText(int maximum, int tabSize) const;

private:
    std::string text_;
};

// True when the object's class (only with includeOwnClass) or one of its ancestors has the name.
VXLUMO_API bool IsNameOfObjectParentClass(const TObject* object, const std::string& className,
                                          bool includeOwnClass);
