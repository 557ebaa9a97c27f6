#pragma once
// File and text tools shared by the driver and the exchange files: whole-file writes and archive
// copies, a safe rename, Polish code-set conversion, VAT codes, hexadecimal and packed-decimal
// conversion, a debug log, fixed-width text fitting and the EAN-13 check digit.
#include <cstdint>
#include <string>

#include "platform/Export.h"

class TStringList;

class VXLUMO_API TLTools {
public:
    // Where StrSize pads or cuts: 0 at the left end, any other value at the right end.
    enum e_just : int { jLeft = 0, jRight = 1 };

    // Rows of the letter table of plstring.
    static constexpr int kCodeSets = 14;
    static constexpr int kLetters = 18;
    static const std::uint8_t kPolishLetters[kCodeSets][kLetters];

    TLTools() = default;

    void BufToFile(const std::string& text, const std::string& fileName);
    void BufToAppendFile(const std::string& text, const std::string& fileName);
    void BufToFileEx(const std::string& text, const std::string& fileName, const std::string& tempName,
                     bool append);
    void RenFile(const std::string& oldName, const std::string& newName);
    bool IsFile(const std::string& mask);
    void ArchiveFile(const std::string& sourceFile, const std::string& archiveFile, bool exportFlag,
                     int scope, bool header, const std::string& note);
    void SaveListToFile(const TStringList* list, const std::string& fileName);

    std::string plstring(std::string& text) const;
    std::string Vat2Str(int vat) const;
    int Str2Vat(const std::string& text) const;
    std::string CopyTill(const std::string& source, std::string& destination, const std::string& stopChars,
                         int start) const;
    bool Is_Win_NT() const;

    void Bin2Hex(const std::uint8_t* bytes, char* out, int count) const;
    std::uint8_t Hex2BinDigit(char high, char low) const;
    void Hex2Bin(const char* chars, std::uint8_t* out, int count) const;
    std::uint8_t Dec2BinDigit(char high, char low) const;
    void Dec2Bin(const char* chars, std::uint8_t* out, int count) const;
    void Bin2Dec(const std::uint8_t* bytes, char* out, int count) const;

    void InitDebug(const std::string& fileName);
    void DebugIt(const std::string& first, const std::string& second);
    void DebugItHex(const std::uint8_t* bytes, int count);

    std::string StrMax(std::string& text, int maximum, bool dots) const;
    std::string StrSize(std::string& text, int size, char fill, e_just padding, e_just cutting) const;
    int Str2Int(const std::string& text, int decimals) const;
    void KorygujCyfreKontrolnaEAN13(std::string& code) const;

    int codePageFrom = 2;
    int codePageTo = 2;
    bool debugOn = false;
    std::string debugFile;
};
