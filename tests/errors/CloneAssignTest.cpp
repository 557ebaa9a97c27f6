#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ErrorTestSupport.h"
#include "base/Macerror.h"
#include "base/Mfierror.h"
#include "data/DataError.h"

namespace {
using namespace errors_test;

// Every class, made with a cause chain of two links behind it.
struct CopyCase {
    const char* name;
    std::unique_ptr<EMException> (*make)(const std::exception* cause);
    // Everything that defines the object, hidden fields included.
    std::string (*fields)(const EMException& e);
    // Clone keeps what defines the object (false where Clone starts empty and Assign completes it).
    bool cloneKeepsFields;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Shown(const EMException& e) {
    return std::string(e.ClassName()) + "|" + e.GetCode() + "|" + e.GetDescription();
}

const TMTestFile kFile("Plik", "/tmp/a.txt");

const CopyCase kCopyCases[] = {
    {"Root", [](const std::exception* c) { return std::make_unique<EMException>(c); }, Shown, true},
    {"Win32LastError",
     [](const std::exception*) -> std::unique_ptr<EMException> {
         return std::make_unique<EMWin32LastError>(5, "ReadFile");
     },
     Shown, true},
    {"MaskEdit",
     [](const std::exception*) -> std::unique_ptr<EMException> {
         return std::make_unique<EMMaskEditError>();
     },
     Shown, true},
    {"Registry",
     [](const std::exception*) -> std::unique_ptr<EMException> {
         return std::make_unique<EMRegistryError>("klucz");
     },
     Shown, true},
    {"Classic",
     [](const std::exception*) -> std::unique_ptr<EMException> {
         EConvertError wrapped("zła data");
         return std::make_unique<EMClassicException>(&wrapped);
     },
     Shown, false},
    {"Tools",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMToolsError>(9, "ukryty", c);
     },
     [](const EMException& e) { return Shown(e) + "|" + static_cast<const EMToolsError&>(e).Text(); }, true},
    {"File",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMFileError>(&kFile, 104, c);
     },
     Shown, false},
    {"DDE",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMDDEError>(false, 305, 0x4001, c);
     },
     Shown, true},
    {"Port",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMPortError>(402, "COM4", c);
     },
     Shown, true},
    {"Thread",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMThreadError>(501, c);
     },
     Shown, true},
    {"FolderDlg",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMFolderDlgError>(602, c);
     },
     Shown, true},
    {"Data",
     [](const std::exception* c) -> std::unique_ptr<EMException> {
         return std::make_unique<EMDataError>(337, "Cena", c);
     },
     [](const EMException& e) {
         const auto& d = static_cast<const EMDataError&>(e);
         return Shown(e) + "|" + std::to_string(d.Code()) + "|" + d.Detail();
     },
     true},
};

class CloneAndAssign : public LanguageTestWithParam<CopyCase> {
protected:
    std::unique_ptr<EMException> MakeWithChain() {
        EMException::Language = 0;
        EMFolderDlgError innermost(601);
        EMThreadError middle(501, &innermost);
        std::unique_ptr<EMException> e = GetParam().make(&middle);
        // Classes without a cause argument get the same chain put in place.
        if (!e->Inner) e->Inner = EMException::ToEMException(&middle);
        e->Aborted = true;
        return e;
    }
};

TEST_P(CloneAndAssign, CloneIsTheSameClassWithoutCauseAndANewMessage) {
    std::unique_ptr<EMException> original = MakeWithChain();
    EMException::Language = 1;
    std::unique_ptr<EMException> clone = original->Clone();
    EXPECT_STREQ(clone->ClassName(), original->ClassName());
    EXPECT_EQ(clone->Inner, nullptr);
    EXPECT_FALSE(clone->Aborted);
    if (GetParam().cloneKeepsFields) {
        EXPECT_EQ(GetParam().fields(*clone), GetParam().fields(*original));
        EXPECT_NE(clone->Message(), original->Message()) << "computed anew, in the language now in force";
    }
}

TEST_P(CloneAndAssign, CloneThenAssignIsAnIndependentDeepCopy) {
    std::unique_ptr<EMException> original = MakeWithChain();
    EMException::Language = 1;
    std::unique_ptr<EMException> copy = original->Clone();
    copy->Assign(original.get());
    EXPECT_EQ(GetParam().fields(*copy), GetParam().fields(*original));
    EXPECT_EQ(copy->Message(), original->Message());
    EXPECT_TRUE(copy->Aborted);
    ASSERT_EQ(copy->GetTopicCount(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_NE(copy->GetTopics(i), original->GetTopics(i));
        EXPECT_EQ(Shown(*copy->GetTopics(i)), Shown(*original->GetTopics(i)));
        EXPECT_EQ(copy->GetTopics(i)->Message(), original->GetTopics(i)->Message());
    }
    original.reset(); // the copy owns its own chain
    EXPECT_EQ(copy->GetTopics(2)->GetCode(), "FDLG/601");
}

TEST_P(CloneAndAssign, AssignFromAnotherClassCopiesOnlyTheRootPart) {
    std::unique_ptr<EMException> target = GetParam().make(nullptr);
    const std::string before = GetParam().fields(*target);
    EMRegistryError other("inny");
    EMException source(&other);
    source.SetMessage("obcy");
    target->Assign(&source);
    EXPECT_EQ(GetParam().fields(*target), before);
    EXPECT_EQ(target->Message(), "obcy");
    EXPECT_FALSE(target->Aborted);
    ASSERT_EQ(target->GetTopicCount(), 2);
    EXPECT_STREQ(target->GetTopics(1)->ClassName(), "EMRegistryError");
}

TEST_P(CloneAndAssign, AssignFromItsOwnCauseIsSafe) {
    std::unique_ptr<EMException> e = MakeWithChain();
    const std::string causeMessage = e->Inner->Message();
    e->Assign(e->Inner.get());
    EXPECT_EQ(e->Message(), causeMessage);
    ASSERT_EQ(e->GetTopicCount(), 2);
    EXPECT_EQ(e->GetTopics(1)->GetCode(), "FDLG/601");
    e->Assign(e.get()); // itself: nothing changes
    EXPECT_EQ(e->Message(), causeMessage);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, CloneAndAssign, ::testing::ValuesIn(kCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
