#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ErrorTestSupport.h"
#include "base/ExceptionHandler.h"
#include "base/Macerror.h"
#include "base/Mfierror.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {
using namespace errors_test;

// ---------------------------------------------------------------------------------------------
// What each class shows, in both languages (texts here are UTF-8).

struct TextCase {
    std::string name;
    std::function<std::unique_ptr<EMException>()> make;
    std::int32_t language;
    TMacIcon icon;
    std::string title, code, message, description;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

std::unique_ptr<EMException> Aborted() {
    auto e = std::make_unique<EMException>();
    e->Aborted = true;
    return e;
}

const std::string kRegistryPolish =
    "Błąd operacji na rejestrze systemu.\r\n"
    "Przyczyną może być brak uprawnień do modyfikacji części rejestru "
    "lub typ danych inny niż aplikacja zakłada podczas odczytu. "
    "Sprawdź czy zalogowany użytkownik systemu Windows posiada uprawnienia administratora.\r\n";

const TextCase kTextCases[] = {
    {"RootPolish", [] { return std::make_unique<EMException>(); }, 0, micError, "Wystąpił błąd", "",
     "Nieznany wyjątek", ""},
    {"RootLanguage2IsPolish", [] { return std::make_unique<EMException>(); }, 2, micError, "Wystąpił błąd",
     "", "Nieznany wyjątek", ""},
    {"RootEnglish", [] { return std::make_unique<EMException>(); }, 1, micError, "Error", "",
     "Unknown exception", ""},
    {"RootAbortedPolish", Aborted, 0, micError, "Wystąpił błąd", "", "Nieznany wyjątek", ""},
    {"MaskPolish", [] { return std::make_unique<EMMaskEditError>(); }, 0, micWarning, "Uwaga", "Mask",
     "[Mask] Błąd wprowadzania tekstu", "Wprowadzony tekst jest niezgodny z wymaganym formatem"},
    {"MaskEnglish", [] { return std::make_unique<EMMaskEditError>(); }, 1, micWarning, "Warning", "Mask",
     "[Mask] Text input error", "Text is incompatible with used format"},
    {"RegistryPolishWithDetail", [] { return std::make_unique<EMRegistryError>("klucz"); }, 0, micWarning,
     "Uwaga", "Reg", "[Reg] Błąd zapisu lub odczytu rejestru",
     kRegistryPolish + "Więcej szczegółów:\r\nklucz"},
    {"RegistryPolishBlankDetail", [] { return std::make_unique<EMRegistryError>(" \t"); }, 0, micWarning,
     "Uwaga", "Reg", "[Reg] Błąd zapisu lub odczytu rejestru", kRegistryPolish + " \t"},
    {"RegistryEnglishWithDetail", [] { return std::make_unique<EMRegistryError>("key"); }, 1, micWarning,
     "Warning", "Reg", "[Reg] Registry read or write error",
     "Registry operation error.\r\nMore details:\r\nkey"},
    {"RegistryEnglishNoDetail", [] { return std::make_unique<EMRegistryError>(""); }, 1, micWarning,
     "Warning", "Reg", "[Reg] Registry read or write error", "Registry operation error.\r\n"},
    {"ClassicPolish",
     [] {
         EConvertError c(std::string("zła liczba"_pl));
         return std::make_unique<EMClassicException>(&c);
     },
     0, micError, "Wystąpił błąd", "EConvertError", "[EConvertError] Błąd aplikacji\r\nzła liczba",
     "zła liczba"},
    {"ClassicEnglish",
     [] {
         Exception c("boom");
         return std::make_unique<EMClassicException>(&c);
     },
     1, micError, "Error", "Exception", "[Exception] Application error\r\nboom", "boom"},
    {"ClassicOfNothing", [] { return std::make_unique<EMClassicException>(nullptr); }, 0, micError,
     "Wystąpił błąd", "", "Błąd aplikacji\r\n", ""},
    {"ToolsPolish", [] { return std::make_unique<EMToolsError>(7, "niewidoczny"); }, 0, micWarning, "Uwaga",
     "TOOLS/7", "[TOOLS/7] Błąd narzędzi podstawowych", ""},
    {"ToolsEnglish", [] { return std::make_unique<EMToolsError>(-3, "hidden"); }, 1, micWarning, "Warning",
     "TOOLS/-3", "[TOOLS/-3] Basic tools error", ""},
};

class ExceptionTexts : public LanguageTestWithParam<TextCase> {};

TEST_P(ExceptionTexts, IconTitleCodeMessageDescription) {
    const TextCase& c = GetParam();
    EMException::Language = c.language;
    std::unique_ptr<EMException> e = c.make();
    EXPECT_EQ(e->MacIcon(), c.icon);
    EXPECT_EQ(U(e->GetTitle()), c.title);
    EXPECT_EQ(U(e->GetCode()), c.code);
    EXPECT_EQ(U(e->Message()), c.message);
    EXPECT_EQ(std::string(e->what()), e->Message());
    EXPECT_EQ(U(e->GetDescription()), c.description);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, ExceptionTexts, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return info.param.name; });

using ExceptionBasics = LanguageTest;

TEST_F(ExceptionBasics, TextsAreWindows1250Bytes) {
    EMException e;
    EXPECT_EQ(e.Message(), "Nieznany wyjątek"_pl);
    EXPECT_EQ(e.GetTitle(), "Wystąpił błąd"_pl);
}

TEST_F(ExceptionBasics, MessageIsFixedAtConstructionTheRestFollowsTheLanguage) {
    EMException::Language = 0;
    EMMaskEditError e;
    EMException::Language = 1;
    EXPECT_EQ(U(e.Message()), "[Mask] Błąd wprowadzania tekstu");
    EXPECT_EQ(e.GetTitle(), "Warning");
    EXPECT_EQ(e.GetDescription(), "Text is incompatible with used format");
}

TEST_F(ExceptionBasics, TitleFollowsTheIcon) {
    struct Icon : EMException {
        explicit Icon(TMacIcon icon) : icon_(icon) { FixMessage(); }
        TMacIcon MacIcon() const override { return icon_; }
        TMacIcon icon_;
    };
    const struct {
        TMacIcon icon;
        const char *polish, *english;
    } rows[] = {{micError, "Wystąpił błąd", "Error"},
                {micWarning, "Uwaga", "Warning"},
                {micInformation, "Informacja", "Information"},
                {micQuestion, "Uwaga", "Warning"},
                {static_cast<TMacIcon>(9), "Wystąpił błąd", "Error"}};
    for (const auto& row : rows) {
        Icon e(row.icon);
        EMException::Language = 0;
        EXPECT_EQ(U(e.GetTitle()), row.polish) << int(row.icon);
        EMException::Language = 1;
        EXPECT_EQ(e.GetTitle(), row.english) << int(row.icon);
    }
}

TEST_F(ExceptionBasics, TheMostDerivedClassFixesTheMessage) {
    // A descendant of a descendant: its own code and message win over its parent's.
    struct Deeper : EMToolsError {
        Deeper() : EMToolsError(1, "") { FixMessage(); }
        std::string MacCode() const override { return "DEEP"; }
        std::string MacMessage() const override { return "deeper"; }
    };
    Deeper e;
    EXPECT_EQ(e.Message(), "[DEEP] deeper");
}

TEST_F(ExceptionBasics, BelongsToItsClassesByName) {
    EMToolsError e(1, "");
    EXPECT_TRUE(e.InheritsFromName("EMToolsError"));
    EXPECT_TRUE(e.InheritsFromName("EMException"));
    EXPECT_TRUE(e.InheritsFromName("Exception"));
    EXPECT_FALSE(e.InheritsFromName("EMFileError"));
    EXPECT_FALSE(e.InheritsFromName("emtoolserror"));
    EXPECT_STREQ(e.ClassName(), "EMToolsError");
}

// ---------------------------------------------------------------------------------------------
// EMWin32LastError

TEST_F(ExceptionBasics, Win32LastErrorCodeAndDescription) {
    EMException::Language = 0;
    EMWin32LastError e(5, "CreateFile");
    EXPECT_EQ(U(e.Message()), "[L/5] Błąd wywołania funkcji API Win32");
    EXPECT_EQ(e.GetDescription(),
              "Error: 0x00000005\r\nAPI Function: CreateFile\r\nMessage: " + platform::SystemErrorMessage(5));
    EMException::Language = 1;
    EMWin32LastError english(5, "CreateFile");
    EXPECT_EQ(english.Message(), "[L/5] Win32 API function call error");
    EXPECT_EQ(english.GetDescription(), e.GetDescription());
}

TEST_F(ExceptionBasics, Win32LastErrorWithoutApiNameAndWithAHighCode) {
    EMWin32LastError blank(0x1AB, "  \t ");
    EXPECT_EQ(blank.GetDescription(), "Error: 0x000001AB\r\nMessage: " + platform::SystemErrorMessage(0x1AB));
    EMWin32LastError high(-2147024891, ""); // 0x80070005 as a 32-bit signed code
    EXPECT_EQ(high.GetDescription().substr(0, 19), "Error: 0x80070005\r\n");
    EXPECT_EQ(high.GetCode(), "L/-2147024891");
}

TEST_F(ExceptionBasics, Win32LastErrorGenerateReadsTheFailedCall) {
    testing_support::TempDir dir;
    ASSERT_EQ(platform::OpenFile(dir.File("nie-ma"), platform::FileAccess::Read,
                                 platform::FileDisposition::OpenExisting),
              platform::kInvalidFile);
    const std::uint32_t expected = platform::LastError();
    try {
        EMWin32LastError::Generate("CreateFile");
        FAIL() << "Generate returned";
    } catch (const EMWin32LastError& e) {
        EXPECT_EQ(static_cast<std::uint32_t>(e.Code()), expected);
        EXPECT_EQ(e.ApiName(), "CreateFile");
        EXPECT_EQ(e.GetCode(), "L/" + std::to_string(expected));
        EXPECT_NE(e.GetDescription().find("Message: " + platform::SystemErrorMessage(expected)),
                  std::string::npos);
    }
}

// ---------------------------------------------------------------------------------------------
// Chains of causes

TEST_F(ExceptionBasics, ACauseIsTranslatedIntoAnOwnedCopy) {
    EMFolderDlgError innermost(601);
    EMToolsError middle(2, "x", &innermost);
    EMThreadError outer(501, &middle);

    ASSERT_EQ(outer.GetTopicCount(), 3);
    EXPECT_EQ(outer.GetTopics(0), &outer);
    const EMException* second = outer.GetTopics(1);
    const EMException* third = outer.GetTopics(2);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_NE(second, &middle);
    EXPECT_NE(third, &innermost);
    EXPECT_NE(third, middle.Inner.get());
    EXPECT_STREQ(second->ClassName(), "EMToolsError");
    EXPECT_EQ(second->GetCode(), "TOOLS/2");
    EXPECT_STREQ(third->ClassName(), "EMFolderDlgError");
    EXPECT_EQ(third->GetCode(), "FDLG/601");
    EXPECT_EQ(outer.GetTopics(3), nullptr);
    EXPECT_EQ(outer.GetTopics(-1), nullptr);
    EXPECT_EQ(third->GetTopicCount(), 1);
}

TEST_F(ExceptionBasics, AForeignCauseIsTranslated) {
    std::runtime_error cause("disk full");
    EMThreadError e(501, &cause);
    ASSERT_EQ(e.GetTopicCount(), 2);
    EXPECT_STREQ(e.Inner->ClassName(), "EMClassicException");
    EXPECT_EQ(e.Inner->GetDescription(), "disk full");
}

TEST_F(ExceptionBasics, CopiesAreDeep) {
    EMToolsError middle(2, "x");
    EMThreadError original(501, &middle);
    original.Aborted = true;

    EMThreadError copy(original);
    ASSERT_EQ(copy.GetTopicCount(), 2);
    EXPECT_NE(copy.Inner.get(), original.Inner.get());
    EXPECT_EQ(copy.Inner->Message(), original.Inner->Message());
    EXPECT_TRUE(copy.Aborted);

    EMThreadError assigned(502);
    assigned = original;
    ASSERT_EQ(assigned.GetTopicCount(), 2);
    EXPECT_NE(assigned.Inner.get(), original.Inner.get());
    EXPECT_EQ(assigned.Code(), 501);

    // A thrown and caught exception keeps its chain.
    try {
        throw original;
    } catch (const EMException& caught) {
        EXPECT_EQ(caught.GetTopicCount(), 2);
        EXPECT_EQ(caught.Message(), original.Message());
    }
}

// ---------------------------------------------------------------------------------------------
// Showing

class ShowException : public LanguageTest {
protected:
    void TearDown() override {
        RemoveApplicationExceptionHandler();
        LanguageTest::TearDown();
    }
};

TEST_F(ShowException, TheInstalledHandlerGetsTheException) {
    std::vector<const std::exception*> seen;
    int owner = 0;
    InstallApplicationExceptionHandler([&](TObject*, const std::exception* e) { seen.push_back(e); }, &owner);
    EXPECT_TRUE(IsApplicationExceptionHandlerInstalled());
    EXPECT_EQ(ApplicationExceptionHandlerOwner(), &owner);

    EMToolsError e(1, "");
    e.ShowNow();
    EMException::ShowExceptionNow(nullptr); // nothing to hand over
    std::runtime_error foreign("x");
    EMException::ShowExceptionNow(&foreign);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], &e);
    EXPECT_EQ(seen[1], &foreign);

    RemoveApplicationExceptionHandler();
    EXPECT_FALSE(IsApplicationExceptionHandlerInstalled());
    EXPECT_EQ(ApplicationExceptionHandlerOwner(), nullptr);
}

TEST_F(ShowException, WithoutAHandlerTheTopicsGoToStandardError) {
    EMException::Language = 0;
    EMFolderDlgError cause(601);
    EMToolsError e(3, "", &cause);
    ::testing::internal::CaptureStderr();
    e.ShowNow();
    std::string out = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("[Uwaga]\n[TOOLS/3] Błąd narzędzi podstawowych\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[FDLG/601] Błąd okna wyboru foldera\nBłąd inicjalizacji biblioteki shell\n"),
              std::string::npos)
        << out;
}

TEST_F(ShowException, AnAbortIsNotShown) {
    EAbort abort("cicho");
    ::testing::internal::CaptureStderr();
    EMException::ShowExceptionNow(&abort);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
