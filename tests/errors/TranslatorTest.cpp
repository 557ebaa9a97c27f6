#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "ErrorTestSupport.h"
#include "base/Macerror.h"
#include "base/Mfierror.h"

// A platform exception derived from EAbort but not named so.
class EQuietAbort : public EAbort {
    VX_CLASS(EQuietAbort, EAbort)
public:
    using EAbort::EAbort;
};

// Same name as the platform's, other letter case: the abort test ignores case.
class Eabort : public Exception {
    VX_CLASS(Eabort, Exception)
public:
    using Exception::Exception;
};

namespace {
using namespace errors_test;

// The registry is process-wide: every test leaves it as the library set it up.
class Translation : public LanguageTest {
protected:
    void SetUp() override {
        LanguageTest::SetUp();
        EMException::Language = 0;
    }
    void TearDown() override {
        EMException::UnregisterAllExceptionTranslators();
        EMException::RegisterExceptionTranslator(&DefaultTranslator);
        LanguageTest::TearDown();
    }
};

TEST_F(Translation, NothingGivenIsAnUnknownException) {
    std::unique_ptr<EMException> e = EMException::ToEMException(nullptr);
    EXPECT_STREQ(e->ClassName(), "EMException");
    EXPECT_FALSE(e->Aborted);
    EXPECT_EQ(U(e->Message()), "Nieznany wyjątek");
    EXPECT_EQ(e->GetTopicCount(), 1);
}

TEST_F(Translation, AnAbortKeepsItsMessageAndIsMarked) {
    EAbort abort("przerwano");
    std::unique_ptr<EMException> e = EMException::ToEMException(&abort);
    EXPECT_STREQ(e->ClassName(), "EMException");
    EXPECT_TRUE(e->Aborted);
    EXPECT_EQ(U(e->Message()), "Nieznany wyjątek\r\nprzerwano");
    EXPECT_EQ(U(e->MacMessage()), "Operacja została przerwana");

    // Other letter case: the default translator (byte for byte) wraps it, but once no translator
    // takes it the abort test ignores case.
    Eabort otherCase("inna");
    EXPECT_STREQ(EMException::ToEMException(&otherCase)->ClassName(), "EMClassicException");
    EMException::UnregisterAllExceptionTranslators();
    EXPECT_TRUE(EMException::ToEMException(&otherCase)->Aborted);
}

TEST_F(Translation, ADescendantOfAbortIsNotMarked) {
    EMException::Language = 1;
    EQuietAbort quiet("quiet");
    std::unique_ptr<EMException> e = EMException::ToEMException(&quiet);
    EXPECT_STREQ(e->ClassName(), "EMException");
    EXPECT_FALSE(e->Aborted);
    EXPECT_EQ(e->Message(), "Unknown exception\r\nquiet");
}

TEST_F(Translation, PlatformExceptionsByClass) {
    EDBEditError edit("maska");
    std::unique_ptr<EMException> mask = EMException::ToEMException(&edit);
    EXPECT_STREQ(mask->ClassName(), "EMMaskEditError");

    ERegistryException registry("HKLM\\Software");
    std::unique_ptr<EMException> reg = EMException::ToEMException(&registry);
    ASSERT_STREQ(reg->ClassName(), "EMRegistryError");
    EXPECT_EQ(static_cast<EMRegistryError&>(*reg).Detail(), "HKLM\\Software");

    EAccessViolation av("odczyt adresu 0");
    std::unique_ptr<EMException> classic = EMException::ToEMException(&av);
    ASSERT_STREQ(classic->ClassName(), "EMClassicException");
    EXPECT_EQ(classic->GetCode(), "EAccessViolation");
    EXPECT_EQ(U(classic->Message()), "[EAccessViolation] Błąd aplikacji\r\nodczyt adresu 0");
    EXPECT_EQ(classic->GetDescription(), "odczyt adresu 0");
}

TEST_F(Translation, AnotherCppExceptionIsWrappedUnderItsTypeName) {
    std::out_of_range range("index 7");
    std::unique_ptr<EMException> e = EMException::ToEMException(&range);
    ASSERT_STREQ(e->ClassName(), "EMClassicException");
    EXPECT_EQ(e->GetCode(), "std::out_of_range");
    EXPECT_EQ(e->GetDescription(), "index 7");
    EXPECT_EQ(ExceptionClassName(range), "std::out_of_range");
    EXPECT_EQ(ExceptionMessage(range), "index 7");
}

TEST_F(Translation, AClassicExceptionWrapsAnotherByCopy) {
    Exception inner("boom");
    EMClassicException first(&inner);
    EMClassicException second(&first);
    EXPECT_EQ(second.GetCode(), "Exception");
    EXPECT_EQ(second.GetDescription(), "boom");
    EXPECT_EQ(second.Message(), first.Message());
}

TEST_F(Translation, AChainIsCopiedLinkByLink) {
    EMFolderDlgError innermost(602);
    EMToolsError middle(2, "narzędzie", &innermost);
    EMPortError outer(403, "COM1", &middle);
    outer.Aborted = true;

    std::unique_ptr<EMException> copy = EMException::ToEMException(&outer);
    ASSERT_EQ(copy->GetTopicCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const EMException* a = copy->GetTopics(i);
        const EMException* b = outer.GetTopics(i);
        EXPECT_NE(a, b) << i;
        EXPECT_STREQ(a->ClassName(), b->ClassName()) << i;
        EXPECT_EQ(a->Message(), b->Message()) << i;
        EXPECT_EQ(a->GetCode(), b->GetCode()) << i;
        EXPECT_EQ(a->GetDescription(), b->GetDescription()) << i;
    }
    EXPECT_TRUE(copy->Aborted);
    EXPECT_EQ(static_cast<const EMToolsError*>(copy->GetTopics(1))->Text(), "narzędzie");
}

// ---------------------------------------------------------------------------------------------
// The registry

std::unique_ptr<EMException> ToTools1(const std::exception&) {
    return std::make_unique<EMToolsError>(1, "");
}
std::unique_ptr<EMException> ToTools2(const std::exception&) {
    return std::make_unique<EMToolsError>(2, "");
}
std::unique_ptr<EMException> NeverKnows(const std::exception&) {
    return nullptr;
}

std::string TranslatedCode() {
    std::logic_error e("x");
    return EMException::ToEMException(&e)->GetCode();
}

TEST_F(Translation, TheNewestTranslatorIsAskedFirstAndNoneIsPassedOver) {
    EXPECT_EQ(TranslatedCode(), "std::logic_error");
    EMException::RegisterExceptionTranslator(&ToTools1);
    EXPECT_EQ(TranslatedCode(), "TOOLS/1");
    EMException::RegisterExceptionTranslator(&ToTools2);
    EXPECT_EQ(TranslatedCode(), "TOOLS/2");
    EMException::RegisterExceptionTranslator(&NeverKnows);
    EXPECT_EQ(TranslatedCode(), "TOOLS/2");
    EMException::UnregisterExceptionTranslator(&ToTools2);
    EXPECT_EQ(TranslatedCode(), "TOOLS/1");
}

TEST_F(Translation, RegisteringTwiceKeepsOneEntry) {
    EMException::RegisterExceptionTranslator(&ToTools1);
    EMException::RegisterExceptionTranslator(&ToTools2);
    EMException::RegisterExceptionTranslator(&ToTools1); // stays behind ToTools2
    EXPECT_EQ(TranslatedCode(), "TOOLS/2");
    EMException::UnregisterExceptionTranslator(&ToTools2);
    EXPECT_EQ(TranslatedCode(), "TOOLS/1");
    EMException::UnregisterExceptionTranslator(&ToTools1);
    EXPECT_EQ(TranslatedCode(), "std::logic_error") << "one unregistration removes it entirely";
    EMException::RegisterExceptionTranslator(nullptr);
    EXPECT_EQ(TranslatedCode(), "std::logic_error");
}

TEST_F(Translation, WithoutTranslatorsForeignExceptionsBecomeUnknown) {
    EMException::UnregisterAllExceptionTranslators();
    EConvertError convert("abc");
    std::unique_ptr<EMException> e = EMException::ToEMException(&convert);
    EXPECT_STREQ(e->ClassName(), "EMException");
    EXPECT_EQ(U(e->Message()), "Nieznany wyjątek\r\nabc");
    // Our own exceptions still copy themselves.
    EMToolsError tools(4, "");
    EXPECT_STREQ(EMException::ToEMException(&tools)->ClassName(), "EMToolsError");
}

} // namespace
