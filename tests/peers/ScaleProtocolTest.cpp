// Records on the wire: every byte of a text survives, and bad lines are refused, not guessed.
#include <gtest/gtest.h>

#include "common/ScaleProtocol.h"
#include "platform/Cp1250.h"

using peers::DecodeRecord;
using peers::EncodeRecord;
using peers::PluRecord;

TEST(ScaleProtocol, EveryTextSurvivesTheRoundTrip) {
    std::string allBytes;
    for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
    const PluRecord records[] = {
        {1, "", "", 0, "", "", "", "", ""},
        {999999, std::string("SER żółty"_pl), "a;b;c", 999999999, "100%", "%41", "\r\n", "1", "2"},
        {42, allBytes, std::string(";;"), 5, " ", "\t", "", "", ""},
    };
    for (const auto& r : records) {
        std::string line = EncodeRecord(r);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        PluRecord back;
        std::string error;
        ASSERT_TRUE(DecodeRecord(line, back, error)) << error << " in " << line;
        EXPECT_EQ(back, r) << line;
    }
}

TEST(ScaleProtocol, MissingTrailingFieldsAreEmpty) {
    PluRecord r;
    std::string error;
    ASSERT_TRUE(DecodeRecord("12;SER", r, error)) << error;
    EXPECT_EQ(r, (PluRecord{12, "SER", "", 0, "", "", "", "", ""}));
}

TEST(ScaleProtocol, RefusesMalformedRecords) {
    const char* lines[] = {"",
                           "0;X",
                           "1000000;X",
                           "x;X",
                           "12;X;;-1",
                           "12;X;;1.50",
                           "12;X;;1000000000",
                           "12;%4",
                           "12;%G1",
                           "12;a;b;1;g;i;b;d;t;extra"};
    for (const char* line : lines) {
        PluRecord r;
        std::string error;
        EXPECT_FALSE(DecodeRecord(line, r, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(ScaleProtocol, SplitsARequestIntoAnUpperCasedVerbAndTheRest) {
    std::string verb, rest;
    peers::SplitRequest("set 12;Ser Gouda", verb, rest);
    EXPECT_EQ(verb, "SET");
    EXPECT_EQ(rest, "12;Ser Gouda");
    peers::SplitRequest("PING", verb, rest);
    EXPECT_EQ(verb, "PING");
    EXPECT_EQ(rest, "");
}
