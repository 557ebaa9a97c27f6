#include <gtest/gtest.h>

#include <filesystem>

#include "base/Exception.h"
#include "base/StringList.h"
#include "driver/LTools.h"
#include "platform/Cp1250.h"
#include "support/TempDir.h"

namespace {

using testing_support::TempDir;

TEST(LTools, PlstringConvertsBetweenCodeSets) {
    TLTools t;
    std::string word = std::string("Łódź"_pl);
    EXPECT_EQ(t.plstring(word), std::string("Łódź"_pl)) << "rows 2 and 2 change nothing";
    t.codePageTo = 6;
    EXPECT_EQ(t.plstring(word), "Lodz");
    EXPECT_EQ(word, "Lodz") << "converted in place";
    std::string all = std::string("ĄĆĘŁŃÓŚŻŹąćęłńóśżź"_pl);
    t.codePageTo = 0;
    t.plstring(all);
    EXPECT_EQ(static_cast<unsigned char>(all[0]), 0xA4);
    EXPECT_EQ(static_cast<unsigned char>(all[17]), 0xAB);
    t.codePageFrom = 0;
    t.codePageTo = 2;
    t.plstring(all);
    EXPECT_EQ(all, std::string("ĄĆĘŁŃÓŚŻŹąćęłńóśżź"_pl)) << "852 and back";
    t.codePageTo = 99;
    std::string same = "abc";
    EXPECT_EQ(t.plstring(same), "abc");
}

TEST(LTools, VatCodes) {
    TLTools t;
    EXPECT_EQ(t.Vat2Str(-1), "zw");
    EXPECT_EQ(t.Vat2Str(23), "23");
    EXPECT_EQ(t.Str2Vat("zw"), -1);
    EXPECT_EQ(t.Str2Vat("8"), 8);
    EXPECT_THROW(t.Str2Vat("ZW"), EConvertError);
    EXPECT_THROW(t.Str2Vat(""), EConvertError);
}

TEST(LTools, CopyTillStopsAtAnyStopCharacter) {
    TLTools t;
    std::string out = "old";
    EXPECT_EQ(t.CopyTill("ab;cd,ef", out, ";,", 1), "ab");
    EXPECT_EQ(out, "ab");
    EXPECT_EQ(t.CopyTill("ab;cd,ef", out, ",", 4), "cd");
    EXPECT_EQ(t.CopyTill("abc", out, ";", 10), "");
}

TEST(LTools, HexAndPackedDecimal) {
    TLTools t;
    const std::uint8_t bytes[] = {0x00, 0x1A, 0xFF};
    char hex[6];
    t.Bin2Hex(bytes, hex, 3);
    EXPECT_EQ(std::string(hex, 6), "001AFF");
    std::uint8_t back[3];
    t.Hex2Bin(hex, back, 3);
    EXPECT_EQ(std::vector<std::uint8_t>(back, back + 3), std::vector<std::uint8_t>(bytes, bytes + 3));
    EXPECT_NE(t.Hex2BinDigit('f', 'f'), 0xFF) << "only upper-case digits count";
    char dec[2];
    t.Bin2Dec(bytes + 1, dec, 1);
    EXPECT_EQ(std::string(dec, 2), "1:");
    EXPECT_EQ(t.Dec2BinDigit('4', '2'), 0x42);
    std::uint8_t packed[2];
    t.Dec2Bin("1234", packed, 2);
    EXPECT_EQ(packed[0], 0x12);
    EXPECT_EQ(packed[1], 0x34);
}

TEST(LTools, StrMax) {
    TLTools t;
    std::string word = "abcdefgh";
    EXPECT_EQ(t.StrMax(word, 6, true), "abc...");
    EXPECT_EQ(t.StrMax(word, 3, true), "abc");
    EXPECT_EQ(t.StrMax(word, 10, true), "abcdefgh");
    EXPECT_EQ(t.StrMax(word, 6, false), "abcdef");
    EXPECT_EQ(word, "abcdefgh");
}

TEST(LTools, StrSize) {
    TLTools t;
    struct Row {
        std::string in;
        int size;
        TLTools::e_just pad, cut;
        std::string out;
    } rows[] = {{"7", 3, TLTools::jLeft, TLTools::jRight, "007"},
                {"7", 3, TLTools::jRight, TLTools::jRight, "700"},
                {"12345", 3, TLTools::jLeft, TLTools::jLeft, "345"},
                {"12345", 3, TLTools::jLeft, TLTools::jRight, "123"},
                {"123", 3, TLTools::jLeft, TLTools::jLeft, "123"}};
    for (Row& r : rows) {
        EXPECT_EQ(t.StrSize(r.in, r.size, '0', r.pad, r.cut), r.out);
        EXPECT_EQ(r.in, r.out) << "changed in place";
    }
}

TEST(LTools, Ean13CheckDigit) {
    TLTools t;
    struct Row {
        std::string in, out;
    } rows[] = {{"000000000000", "0000000000000"},  {"1", "1000000000009"},
                {"12 34", "1234000000008"},         {"5901234123457", "5901234123457"},
                {"5901234123450", "5901234123457"}, {"", "0000000000000"},
                {"ab590123412345", "5901234123457"}};
    for (Row& r : rows) {
        std::string code = r.in;
        t.KorygujCyfreKontrolnaEAN13(code);
        EXPECT_EQ(code, r.out) << r.in;
    }
}

TEST(LTools, Str2IntScalesAndRounds) {
    TLTools t;
    EXPECT_EQ(t.Str2Int("12,345", 2), 1235);
    EXPECT_EQ(t.Str2Int("12.344", 2), 1234);
    EXPECT_EQ(t.Str2Int("7", 0), 7);
    EXPECT_EQ(t.Str2Int("0.5", 0), 1) << "halves round away from zero";
    EXPECT_ANY_THROW(t.Str2Int("abc", 2));
    EXPECT_ANY_THROW(t.Str2Int("-1", 2)) << "negative amounts are refused";
}

class LToolsFiles : public testing::Test {
protected:
    TLTools t;
    TempDir dir;
};

TEST_F(LToolsFiles, WholeFileWritesAndAppends) {
    std::string f = dir.File("a.txt");
    t.BufToFile("first longer text", f);
    t.BufToFile("second", f);
    EXPECT_EQ(dir.Read("a.txt"), "second");
    t.BufToAppendFile("+more", f);
    EXPECT_EQ(dir.Read("a.txt"), "second+more");
    t.BufToAppendFile("new", dir.File("b.txt"));
    EXPECT_EQ(dir.Read("b.txt"), "new");
    EXPECT_ANY_THROW(t.BufToFile("x", dir.File("missing/c.txt")));
}

TEST_F(LToolsFiles, BufToFileExLeavesOnlyCompleteFiles) {
    std::string f = dir.File("t.txt"), tmp = dir.File("t.tmp");
    t.BufToFileEx("one", f, tmp, true);
    EXPECT_EQ(dir.Read("t.txt"), "one");
    t.BufToFileEx("two", f, tmp, true);
    EXPECT_EQ(dir.Read("t.txt"), "onetwo");
    t.BufToFileEx("three", f, tmp, false);
    EXPECT_EQ(dir.Read("t.txt"), "three");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "t.tmp"));
}

TEST_F(LToolsFiles, RenFileReplacesTheTargetOrSaysWhy) {
    dir.Write("old", "O");
    dir.Write("new", "N");
    t.RenFile(dir.File("old"), dir.File("new"));
    EXPECT_EQ(dir.Read("new"), "O");
    try {
        t.RenFile(dir.File("gone"), dir.File("x"));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), std::string("Błąd zmiany nazwy pliku"_pl) + dir.File("x"));
    }
}

TEST_F(LToolsFiles, IsFileSeesPlainFilesOnly) {
    dir.Write("kasa.exp", "");
    std::filesystem::create_directory(dir.Path() / "folder.exp");
    EXPECT_TRUE(t.IsFile(dir.File("*.exp")));
    EXPECT_TRUE(t.IsFile(dir.File("kasa.ex?")));
    EXPECT_FALSE(t.IsFile(dir.File("folder.*")));
    EXPECT_FALSE(t.IsFile(dir.File("*.txt")));
}

TEST_F(LToolsFiles, ArchiveFileAppendsAHeaderAndTheLines) {
    t.ArchiveFile(dir.File("none"), dir.File("ARCH2.EXP"), true, 2, true, "");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "ARCH2.EXP"));
    dir.Write("kasa.exp", "L1\r\nL2\r\nL3");
    t.ArchiveFile(dir.File("kasa.exp"), dir.File("ARCH2.EXP"), true, 3, true, "uwaga");
    t.ArchiveFile(dir.File("kasa.exp"), dir.File("ARCH2.EXP"), false, 0, true, "");
    t.ArchiveFile(dir.File("kasa.exp"), dir.File("ARCH2.EXP"), true, 9, false, "");
    std::string a = dir.Read("ARCH2.EXP");
    TStringList lines;
    lines.SetText(a);
    ASSERT_EQ(lines.Count(), 15) << a;
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind("----------- [EKSPORT WYKONANY DNIA: ", 0), 0u);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 14), "] ------------");
    EXPECT_EQ(lines[2], "ZMIANA LISTY");
    EXPECT_EQ(lines[3], "uwaga");
    EXPECT_EQ(lines[4], "L1");
    EXPECT_EQ(lines[6], "L3");
    EXPECT_EQ(lines[8].rfind("------------ [IMPORT WYKONANY DNIA: ", 0), 0u);
    EXPECT_EQ(lines[9], "L1");
    EXPECT_EQ(lines[12], "L1") << "without header only the lines";
    EXPECT_EQ(a.substr(a.size() - 4), "L3\r\n");
}

TEST_F(LToolsFiles, SaveListToFileSwallowsErrors) {
    TStringList list;
    list.Add("a");
    list.Add("b");
    dir.Write("l.txt", "old old old");
    t.SaveListToFile(&list, dir.File("l.txt"));
    EXPECT_EQ(dir.Read("l.txt"), "a\r\nb\r\n");
    t.SaveListToFile(nullptr, dir.File("l.txt"));
    t.SaveListToFile(&list, dir.File("missing/l.txt"));
}

TEST_F(LToolsFiles, DebugLog) {
    t.DebugIt("a", "b");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "debug.log")) << "nothing before InitDebug";
    t.InitDebug(dir.File("missing/debug.log"));
    EXPECT_FALSE(t.debugOn);
    t.InitDebug(dir.File("debug.log"));
    ASSERT_TRUE(t.debugOn);
    t.DebugIt("pierwszy", "drugi");
    std::uint8_t bytes[20];
    for (int i = 0; i < 20; ++i) bytes[i] = static_cast<std::uint8_t>(i * 5);
    t.DebugItHex(bytes, 20);
    t.DebugItHex(bytes, 0);
    TStringList lines;
    lines.SetText(dir.Read("debug.log"));
    ASSERT_EQ(lines.Count(), 6);
    EXPECT_EQ(lines[1].rfind("--- [KOMUNIKACJA Z DNIA: ", 0), 0u);
    EXPECT_EQ(lines[2].substr(12), " pierwszy drugi");
    EXPECT_EQ(lines[2][2], ':');
    EXPECT_EQ(lines[2][8], '.');
    std::string first(lines[3]), second(lines[4]);
    EXPECT_EQ(first.size(), 12u + 3 + 48 + 2 + 16);
    EXPECT_EQ(first.substr(15, 6), "00 05 ");
    EXPECT_EQ(first.substr(12 + 3 + 48 + 2, 4), "....") << "bytes below 32 show as dots";
    EXPECT_EQ(second.substr(0, 15), std::string(15, ' '));
    EXPECT_EQ(second.substr(15, 12), "50 55 5A 5F ");
    EXPECT_EQ(second.substr(12 + 3 + 48 + 2), "PUZ_            ") << second;
    EXPECT_EQ(lines[5].size(), 12u + 3 + 48 + 2 + 16) << "a count of 0 still writes one line";
}

} // namespace
