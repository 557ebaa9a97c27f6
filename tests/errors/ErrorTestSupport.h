#pragma once
// Shared pieces of the exception tests: the language switch put back after each test, a file
// object with a name and a path, and readable texts for failure messages.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/MFile.h"
#include "base/Macerror.h"
#include "platform/Cp1250.h"

namespace errors_test {

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = EMException::Language; }
    void TearDown() override { EMException::Language = saved_; }

private:
    std::int32_t saved_ = 0;
};

template <typename Param>
class LanguageTestWithParam : public LanguageTest, public ::testing::WithParamInterface<Param> {};

class TMTestFile : public TMCustomFile {
    VX_CLASS(TMTestFile, TMCustomFile)
public:
    TMTestFile(std::string name, std::string path) {
        SetName(std::move(name));
        fileName_ = std::move(path);
    }
};

// Windows-1250 text as UTF-8, for readable failure output.
inline std::string U(const std::string& text) {
    return cp1250::ToUtf8(text);
}

} // namespace errors_test
