// The file operations of TLTools.
#include <cstdio>

#include "base/Exception.h"
#include "base/StringList.h"
#include "driver/DriverFile.h"
#include "driver/LTools.h"
#include "platform/Cp1250.h"
#include "platform/FileMask.h"
#include "platform/Files.h"

void TLTools::BufToFile(const std::string& text, const std::string& fileName) {
    DriverFile f(fileName, DriverFile::Mode::Truncate);
    f.Write(text);
    f.Close();
}

void TLTools::BufToAppendFile(const std::string& text, const std::string& fileName) {
    DriverFile f(fileName, DriverFile::Mode::Append);
    f.Write(text);
    f.Close();
}

void TLTools::BufToFileEx(const std::string& text, const std::string& fileName, const std::string& tempName,
                          bool append) {
    if (append && platform::FileExists(fileName)) {
        RenFile(fileName, tempName);
        BufToAppendFile(text, tempName);
    } else {
        BufToFile(text, tempName);
    }
    RenFile(tempName, fileName);
}

void TLTools::RenFile(const std::string& oldName, const std::string& newName) {
    if (platform::FileExists(newName) && !platform::DeleteFile(newName))
        throw Exception(std::string("Błąd usunięcia pliku "_pl) + newName);
    if (!platform::RenameFile(oldName, newName, false))
        throw Exception(std::string("Błąd zmiany nazwy pliku"_pl) + newName);
}

void TLTools::ArchiveFile(const std::string& sourceFile, const std::string& archiveFile, bool exportFlag,
                          int scope, bool header, const std::string& note) {
    if (!platform::FileExists(sourceFile)) return;
    DriverFile source(sourceFile, DriverFile::Mode::Read);
    DriverFile archive(archiveFile, DriverFile::Mode::Append);
    if (header) {
        std::string now = DriverFile::Now4YDateTime();
        if (exportFlag) {
            archive.Write("\r\n----------- [EKSPORT WYKONANY DNIA: " + now + "] ------------\r\n");
            static const char* const kScopes[] = {"OTWARTA ZM. FISK.", "ZAMKNIETA ZM. FISK.", "WSZYSTKIE",
                                                  "ZMIANA LISTY"};
            if (scope >= 0 && scope < 4) archive.Write(std::string(kScopes[scope]) + "\r\n");
        } else {
            archive.Write("\r\n------------ [IMPORT WYKONANY DNIA: " + now + "] ------------\r\n");
        }
    }
    if (!note.empty()) archive.Write(note + "\r\n");
    std::string line;
    while (source.ReadLine(line)) archive.Write(line + "\r\n");
    archive.Close();
    source.Close();
}

void TLTools::SaveListToFile(const TStringList* list, const std::string& fileName) {
    if (!list) return;
    try {
        if (platform::FileExists(fileName)) platform::DeleteFile(fileName);
        DriverFile f(fileName, DriverFile::Mode::Truncate);
        for (int i = 0; i < list->Count(); ++i) f.Write(std::string((*list)[i]) + "\r\n");
        f.Close();
    } catch (...) {
        // Saving a list is a convenience: a failure leaves the caller's work undisturbed.
    }
}

void TLTools::InitDebug(const std::string& fileName) {
    debugFile = fileName;
    try {
        DriverFile f(debugFile, DriverFile::Mode::Append);
        f.Write("\r\n--- [KOMUNIKACJA Z DNIA: " + DriverFile::Now4YDateTime() + "] ---\r\n");
        f.Close();
        debugOn = true;
    } catch (...) {
        // Without its log the communication still runs.
    }
}

void TLTools::DebugIt(const std::string& first, const std::string& second) {
    if (!debugOn) return;
    DriverFile f(debugFile, DriverFile::Mode::Append);
    f.Write(DriverFile::NowTimeHMSms() + " " + first + " " + second + "\r\n");
    f.Close();
}

void TLTools::DebugItHex(const std::uint8_t* bytes, int count) {
    if (!debugOn) return;
    DriverFile f(debugFile, DriverFile::Mode::Append);
    std::string time = DriverFile::NowTimeHMSms();
    int done = 0;
    do {
        int n = count - done < 16 ? count - done : 16;
        std::string hex, chars;
        for (int i = 0; i < n; ++i) {
            char part[4];
            std::snprintf(part, sizeof part, "%02X ", bytes[done + i]);
            hex += part;
            chars += bytes[done + i] < 32 ? '.' : static_cast<char>(bytes[done + i]);
        }
        hex.resize(48, ' ');
        chars.resize(16, ' ');
        std::string lead = done == 0 ? time : std::string(12, ' ');
        f.Write(lead + "   " + hex + "  " + chars + "\r\n");
        done += n;
    } while (done < count);
    f.Close();
}

bool TLTools::IsFile(const std::string& mask) {
    return platform::AnyFileMatches(mask);
}

bool TLTools::Is_Win_NT() const {
#if defined(_WIN32)
    return true; // every Windows this library runs on belongs to the NT family
#else
    return false;
#endif
}
