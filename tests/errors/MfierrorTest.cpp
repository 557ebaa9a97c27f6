#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>

#include "ErrorTestSupport.h"
#include "base/Mfierror.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {
using namespace errors_test;

// ---------------------------------------------------------------------------------------------
// Texts by code (UTF-8 here); an empty text means the code has none.

struct CodeCase {
    std::int32_t code;
    std::string polish, english;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.code;
}

struct Renderer {
    const char* name;
    std::string (*describe)(std::int32_t code);
};

std::string FileText(std::int32_t code) {
    return EMFileError(nullptr, code).GetDescription();
}
std::string DdeText(std::int32_t code) {
    return EMDDEError(true, code, 0).GetDescription();
}
std::string PortText(std::int32_t code) {
    return EMPortError(code, "").GetDescription();
}
std::string ThreadText(std::int32_t code) {
    return EMThreadError(code).GetDescription();
}
std::string FolderText(std::int32_t code) {
    return EMFolderDlgError(code).GetDescription();
}

class CodeTexts : public LanguageTestWithParam<std::tuple<Renderer, CodeCase>> {};

TEST_P(CodeTexts, InBothLanguages) {
    const auto& [renderer, c] = GetParam();
    EMException::Language = 0;
    EXPECT_EQ(U(renderer.describe(c.code)), c.polish);
    EMException::Language = 2;
    EXPECT_EQ(U(renderer.describe(c.code)), c.polish);
    EMException::Language = 1;
    EXPECT_EQ(U(renderer.describe(c.code)), c.english);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Renderer, CodeCase>>& info) {
    const auto code = std::get<1>(info.param).code;
    return std::string(std::get<0>(info.param).name) + "_" + (code < 0 ? "minus" : "") +
           std::to_string(std::abs(code));
}

const CodeCase kFileCases[] = {
    {100, "", ""},
    {101, "Plik nie jest otwarty. Operacja niemożliwa w tym stanie.",
     "File is not open. Operation impossible in current state."},
    {102, "Plik jest otwarty tylko do odczytu. Operacja niemożliwa w tym stanie.",
     "File is open for reading only. Operation impossible in current state."},
    {103, "Plik jest otwarty. Operacja niemożliwa w tym stanie.",
     "File is open. Operation impossible in current state."},
    {104, "Błąd otwarcia pliku.", "File opening error."},
    {105, "Nie można było zmienić ścieżki pliku.", "File path could not be set."},
    {106, "Nie można było zmienić własności Tylko Do Odczytu",
     "Read-Only file property could not be changed."},
    {107, "Nie można było zmienić własności Plik Swobodnego Dostępu.",
     "Random Access file property could not be changed."},
    {108, "Nie można było przesunąć wskaźnika pliku.", "File pointer could not be set."},
    {109, "Błąd zapisu do pliku.", "File write error."},
    {110, "Niepełny zapis do pliku.", "File write could not be completed."},
    {111, "Błąd odczytu z pliku.", "File read error."},
    {112, "Błąd czyszczenia bufora wyjściowego pliku.", "File output buffer flush error."},
    {113, "Nie można było przesunąć znacznika końca pliku.", "End-Of-File could not be set"},
    {114, "", ""},
    {201, "Błąd kodowania rekordu pliku", "File record encode error"},
    {210, "", ""},
    {211, "Błąd dekodowania rekordu pliku", "File record decode error"},
    {212, "Błąd dekodowania rekordu pliku", "File record decode error"},
    {215, "Błąd dekodowania rekordu pliku", "File record decode error"},
    {216, "", ""},
    {250, "", ""},
    {251, "Indeks rekordu pliku poza zakresem", "File record index out of range"},
    {252, "Indeks rekordu pliku poza zakresem", "File record index out of range"},
    {253, "Błąd odczytu rekordu pliku", "File record read error"},
    {255, "Błąd odczytu rekordu pliku", "File record read error"},
    {256, "", ""},
    {-104, "", ""},
};

const CodeCase kDdeCases[] = {
    {300, "", ""},
    {301, "Błąd inicjalizacji biblioteki DDEML", "DDEML library initialization failed"},
    {302, "Błąd wywołania funkcji DdeConnect", "DdeConnect function call failure"},
    {303, "Jest połączenie - operacja zabroniona", "Client connected - invalid operation"},
    {304, "Brak połączenia - operacja zabroniona", "Client not connected - invalid operation"},
    {305, "Błąd transakcji XTYP_REQUEST", "XTYP_REQUEST transaction failure"},
    {306, "Błąd transakcji XTYP_EXECUTE", "XTYP_EXECUTE transaction failure"},
    {307, "Błąd transakcji XTYP_POKE", "XTYP_POKE transaction failure"},
    {308, "Błąd transakcji XTYP_ADVSTART", "XTYP_ADVSTART transaction failure"},
    {309, "Błąd transakcji XTYP_ADVSTOP", "XTYP_ADVSTOP transaction failure"},
    {310, "", ""},
    {321, "Zarejestrowano już wcześniej inny serwer", "Another server already registered"},
    {322, "Bład wywołania funkcji DdeNameService", "DdeNameService function call failure"},
    {323, "Serwer zarejestrowany - operacja zabroniona", "Server registered - invalid operation"},
    {324, "Serwer nie zarejestrowany - operacja zabroniona", "Server not registered - invalid operation"},
    {325, "Bład wywołania funkcji DdePostAdvise", "DdePostAdvise function call failure"},
    {326, "", ""},
};

const CodeCase kPortCases[] = {
    {400, "", ""},
    {401, "Port jest otwarty - operacja zabroniona", "Port is open - invalid operation"},
    {402, "Port jest zamknięty - operacja zabroniona", "Port is closed - invalid operation"},
    {403, "Błąd otwarcia portu", "Port opening error"},
    {404, "Błąd pobierania liczby odebranych bajtów", "Error while retrieving received bytes count"},
    {405, "Błąd podczas modyfikacji struktury DCB", "DCB structure modification error"},
    {406, "Błąd podczas modyfikacji timeoutów", "Timeouts modification error"},
    {407, "Błąd podczas modyfikacji długości buforów", "Buffer lengths modification error"},
    {408, "Błąd odczytu przysłanej informacji", "Error while reading received data"},
    {409, "Błąd zapisu informacji do wysłania", "Error while writing data for transition"},
    {410, "Błąd podczas czyszczenia bufora wejściowego", "Error while clearing input buffer"},
    {411, "Błąd podczas pobierania stanu modemu", "Error while checking modem status"},
    {412, "Błąd pobierania liczby niewysłanych bajtów",
     "Error while retrieving count of bytes awaiting transmission"},
    {413, "", ""},
};

const CodeCase kThreadCases[] = {
    {500, "", ""},
    {501, "W trakcie wykonywania operacji wystąpił błąd", "An error occured while processing"},
    {502, "Błąd wywołania funkcji CreateThread", "CreateThread function call failure"},
    {503, "", ""},
};

const CodeCase kFolderCases[] = {
    {600, "", ""},
    {601, "Błąd inicjalizacji biblioteki shell", "Shell library initialization error"},
    {602, "Błąd inicjalizacji interfejsu pamięci shell", "Shell memory interface initialization error"},
    {603, "", ""},
};

INSTANTIATE_TEST_SUITE_P(File, CodeTexts,
                         ::testing::Combine(::testing::Values(Renderer{"File", FileText}),
                                            ::testing::ValuesIn(kFileCases)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(DDE, CodeTexts,
                         ::testing::Combine(::testing::Values(Renderer{"DDE", DdeText}),
                                            ::testing::ValuesIn(kDdeCases)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Port, CodeTexts,
                         ::testing::Combine(::testing::Values(Renderer{"Port", PortText}),
                                            ::testing::ValuesIn(kPortCases)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Thread, CodeTexts,
                         ::testing::Combine(::testing::Values(Renderer{"Thread", ThreadText}),
                                            ::testing::ValuesIn(kThreadCases)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(FolderDlg, CodeTexts,
                         ::testing::Combine(::testing::Values(Renderer{"FolderDlg", FolderText}),
                                            ::testing::ValuesIn(kFolderCases)),
                         CaseName);

// ---------------------------------------------------------------------------------------------
// Code, message and icon of each class

struct HeadCase {
    const char* name;
    std::unique_ptr<EMException> (*make)();
    TMacIcon icon;
    std::string code, polish, english;
};

void PrintTo(const HeadCase& c, std::ostream* os) {
    *os << c.name;
}

const HeadCase kHeadCases[] = {
    {"File", [] { return std::unique_ptr<EMException>(new EMFileError(nullptr, 104)); }, micWarning, "F/104",
     "Błąd operacji we/wy na pliku", "File i/o operation error"},
    {"DdeServer", [] { return std::unique_ptr<EMException>(new EMDDEError(true, 302, 0x400A)); }, micWarning,
     "DDE/S/302/NO_CONV_ESTABLISHED", "Błąd serwera DDE", "DDE server error"},
    {"DdeServerNoDdeError", [] { return std::unique_ptr<EMException>(new EMDDEError(true, 302, 0)); },
     micWarning, "DDE/S/302", "Błąd serwera DDE", "DDE server error"},
    {"DdeClientFirstName", [] { return std::unique_ptr<EMException>(new EMDDEError(false, 304, 0x4000)); },
     micWarning, "DDE/C/304/ADVACKTIMEOUT", "Błąd klienta DDE", "DDE client error"},
    {"DdeClientLastName", [] { return std::unique_ptr<EMException>(new EMDDEError(false, 1, 0x4011)); },
     micWarning, "DDE/C/1/UNFOUND_QUEUE_ID", "Błąd klienta DDE", "DDE client error"},
    {"DdeClientPastTheNames", [] { return std::unique_ptr<EMException>(new EMDDEError(false, 1, 0x4012)); },
     micWarning, "DDE/C/1", "Błąd klienta DDE", "DDE client error"},
    {"DdeClientBelowTheNames", [] { return std::unique_ptr<EMException>(new EMDDEError(false, 1, 0x3FFF)); },
     micWarning, "DDE/C/1", "Błąd klienta DDE", "DDE client error"},
    {"Port", [] { return std::unique_ptr<EMException>(new EMPortError(403, "COM1")); }, micWarning, "COM/403",
     "Błąd operacji na porcie komunikacyjnym", "Communication port error"},
    {"Thread", [] { return std::unique_ptr<EMException>(new EMThreadError(502)); }, micWarning, "THR/502",
     "Wykonywanie operacji zostało przerwane", "Operation aborted"},
    {"FolderDlg", [] { return std::unique_ptr<EMException>(new EMFolderDlgError(601)); }, micError,
     "FDLG/601", "Błąd okna wyboru foldera", "Folder dialog error"},
};

class ErrorHeads : public LanguageTestWithParam<HeadCase> {};

TEST_P(ErrorHeads, CodeMessageAndIcon) {
    const HeadCase& c = GetParam();
    EMException::Language = 0;
    std::unique_ptr<EMException> polish = c.make();
    EXPECT_EQ(polish->MacIcon(), c.icon);
    EXPECT_EQ(polish->GetCode(), c.code);
    EXPECT_EQ(U(polish->Message()), "[" + c.code + "] " + c.polish);
    EMException::Language = 1;
    std::unique_ptr<EMException> english = c.make();
    EXPECT_EQ(english->Message(), "[" + c.code + "] " + c.english);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, ErrorHeads, ::testing::ValuesIn(kHeadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Descriptions that carry the object's own texts

using ErrorDescriptions = LanguageTest;

TEST_F(ErrorDescriptions, FileErrorNamesTheFile) {
    EMException::Language = 0;
    TMTestFile file("PlikEksportu", "C:\\dane\\kasa.exp");
    EMFileError e(&file, 104);
    EXPECT_EQ(U(e.Message()), "[F/104] Błąd operacji we/wy na pliku");
    EXPECT_EQ(U(e.GetDescription()),
              "Type: TMTestFile\r\nObject: PlikEksportu\r\nPath: C:\\dane\\kasa.exp\r\nBłąd otwarcia pliku.");
    EXPECT_EQ(e.TypeText(), "TMTestFile");

    EMFileError unknownCode(&file, 250);
    EXPECT_EQ(unknownCode.GetDescription(),
              "Type: TMTestFile\r\nObject: PlikEksportu\r\nPath: C:\\dane\\kasa.exp\r\n");

    TMTestFile unnamed(" ", "");
    EMException::Language = 1;
    EXPECT_EQ(EMFileError(&unnamed, 109).GetDescription(), "Type: TMTestFile\r\nFile write error.");
    EXPECT_EQ(EMFileError(nullptr, 109).GetDescription(), "File write error.");
}

TEST_F(ErrorDescriptions, PortErrorNamesThePort) {
    EMException::Language = 1;
    EXPECT_EQ(EMPortError(403, "COM1").GetDescription(), "Port: COM1\r\nPort opening error");
    EXPECT_EQ(EMPortError(403, "\t").GetDescription(), "Port opening error");
    EXPECT_EQ(EMPortError(499, "COM2").GetDescription(), "Port: COM2\r\n");
}

// ---------------------------------------------------------------------------------------------
// Generate: the failed system call rides along as the cause

class Generate : public LanguageTest {
protected:
    // Fails a real system call (opening a missing file) and gives its error code.
    std::uint32_t FailACall() {
        EXPECT_EQ(platform::OpenFile(dir_.File("nie-ma.txt"), platform::FileAccess::Read,
                                     platform::FileDisposition::OpenExisting),
                  platform::kInvalidFile);
        return platform::LastError();
    }
    testing_support::TempDir dir_;
};

void ExpectLastErrorCause(const EMException& e, std::uint32_t code, const std::string& api) {
    ASSERT_EQ(e.GetTopicCount(), 2);
    const EMException* cause = e.GetTopics(1);
    ASSERT_STREQ(cause->ClassName(), "EMWin32LastError");
    const auto& lastError = static_cast<const EMWin32LastError&>(*cause);
    EXPECT_EQ(static_cast<std::uint32_t>(lastError.Code()), code);
    EXPECT_EQ(lastError.ApiName(), api);
    EXPECT_NE(lastError.GetDescription().find("API Function: " + api + "\r\n"), std::string::npos);
    EXPECT_NE(lastError.GetDescription().find("Message: " + platform::SystemErrorMessage(code)),
              std::string::npos);
}

TEST_F(Generate, FileErrorCarriesTheSystemError) {
    const std::uint32_t code = FailACall();
    ASSERT_NE(code, 0u);
    TMTestFile file("Plik", dir_.File("nie-ma.txt"));
    try {
        EMFileError::Generate(&file, 104, "CreateFile");
        FAIL() << "Generate returned";
    } catch (const EMFileError& e) {
        EXPECT_EQ(e.Code(), 104);
        EXPECT_EQ(e.PathText(), dir_.File("nie-ma.txt"));
        ExpectLastErrorCause(e, code, "CreateFile");
    }
}

TEST_F(Generate, PortErrorCarriesTheSystemError) {
    const std::uint32_t code = FailACall();
    try {
        EMPortError::Generate(403, "COM1", "CreateFile");
        FAIL() << "Generate returned";
    } catch (const EMPortError& e) {
        EXPECT_EQ(e.PortText(), "COM1");
        ExpectLastErrorCause(e, code, "CreateFile");
    }
}

TEST_F(Generate, ThreadErrorCarriesTheSystemError) {
    const std::uint32_t code = FailACall();
    try {
        EMThreadError::Generate(502, "CreateThread");
        FAIL() << "Generate returned";
    } catch (const EMThreadError& e) {
        EXPECT_EQ(e.Code(), 502);
        ExpectLastErrorCause(e, code, "CreateThread");
    }
}

TEST_F(Generate, WithoutACallNameThereIsNoCause) {
    FailACall();
    EXPECT_THROW(
        {
            try {
                EMThreadError::Generate(502, "");
            } catch (const EMThreadError& e) {
                EXPECT_EQ(e.GetTopicCount(), 1);
                throw;
            }
        },
        EMThreadError);
    EXPECT_THROW(
        {
            try {
                EMFileError::Generate(nullptr, 109, " \t ");
            } catch (const EMFileError& e) {
                EXPECT_EQ(e.GetTopicCount(), 1);
                throw;
            }
        },
        EMFileError);
    EXPECT_THROW(
        {
            try {
                EMPortError::Generate(401, "COM3", "");
            } catch (const EMPortError& e) {
                EXPECT_EQ(e.Inner, nullptr);
                throw;
            }
        },
        EMPortError);
}

} // namespace
