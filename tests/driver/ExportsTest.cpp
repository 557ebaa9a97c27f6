// The entry points a host calls before and around its operations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeHost.h"
#include "driver/KSLibrary.h"
#include "driver/SKXDLL.h"
#include "platform/Cp1250.h"

namespace {

using driver_test::FakeHost;

struct Buffer {
    char data[kSkxTextBufferSize];
    Buffer() { std::fill(std::begin(data), std::end(data), 'x'); }
    std::string Text() const { return std::string(data, strnlen(data, sizeof data)); }
};

TEST(Exports, LibraryTypeIsTwo) {
    EXPECT_EQ(SKXDLLTypBiblioteki(), 2);
}

TEST(Exports, LibraryProperties) {
    struct Row {
        int number;
        std::string expected;
    } rows[] = {
        {1, "CAS (przez PCas.exe)"}, {2, "VX_Lumo"}, {102, "0"}, {103, "0"}, {4, ""}, {0, ""}, {-1, ""}};
    for (const Row& r : rows) {
        Buffer b;
        SKXDLLWlasciwosci(b.data, r.number);
        EXPECT_EQ(b.Text(), r.expected) << r.number;
        EXPECT_EQ(b.data[300], '\0');
    }
    Buffer description;
    SKXDLLWlasciwosci(description.data, 3);
    EXPECT_EQ(
        description.Text().rfind("Komunikacja z wagami CAS przez program PCas.exe.\r\nDokumentacja:\r\n", 0),
        0u);
    SKXDLLWlasciwosci(nullptr, 1); // a null buffer receives nothing
}

struct ParamRow {
    int group, index, type;
    std::string name, caption, def, min, max;
};

class ParameterTable : public testing::TestWithParam<ParamRow> {};

TEST_P(ParameterTable, FillsAllFiveBuffersAndClearsFlags) {
    const ParamRow& r = GetParam();
    Buffer name, caption, def, min, max;
    std::int32_t flags = 99;
    EXPECT_EQ(SKXDLLParametr(r.group, r.index, name.data, caption.data, def.data, min.data, max.data, &flags),
              r.type);
    EXPECT_EQ(name.Text(), r.name);
    EXPECT_EQ(caption.Text(), r.caption);
    EXPECT_EQ(def.Text(), r.def);
    EXPECT_EQ(min.Text(), r.min);
    EXPECT_EQ(max.Text(), r.max);
    EXPECT_EQ(flags, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, ParameterTable,
    testing::Values(
        ParamRow{101, 0, 3, "VxLumoCasScaleType", "Typ wagi", "CL5000", "", ""},
        ParamRow{101, 3, 4, "VxLumoIPPort", "(TCP/IP) Port IP", "20304", "1", "32767"},
        ParamRow{101, 5, 3, "VxLumoRS232Speed", std::string("(RS-232) Prędkość"_pl), "19200", "", ""},
        ParamRow{101, 11, 4, "VxLumoPrefix", std::string("Przedrostek ważony (kody krótkie)"_pl), "29", "21",
                 "99"},
        ParamRow{101, 13, 1, "VxLumoSubgroupNo", "Skojarzona podgrupa PLU", "", "", ""},
        ParamRow{102, 0, 6, "VxLumoDriverDir", "CAS (PCas.exe) - Katalog programu PCas.exe", "", "", ""},
        ParamRow{101, 14, 0, "", "", "", "", ""}, ParamRow{101, -1, 0, "", "", "", "", ""},
        ParamRow{102, 1, 0, "", "", "", "", ""}, ParamRow{103, 0, 0, "", "", "", "", ""}),
    [](const testing::TestParamInfo<ParamRow>& info) {
        return "Group" + std::to_string(info.param.group) + "Index" +
               (info.param.index < 0 ? std::string("Minus1") : std::to_string(info.param.index));
    });

TEST(Exports, ParameterAcceptsNullFlagsAndNullBuffers) {
    EXPECT_EQ(SKXDLLParametr(101, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 7);
}

TEST(Exports, EveryParameterOfGroup101HasANameAndCaption) {
    for (int index = 0; index < 14; ++index) {
        Buffer name, caption, def, min, max;
        EXPECT_NE(SKXDLLParametr(101, index, name.data, caption.data, def.data, min.data, max.data, nullptr),
                  0);
        EXPECT_FALSE(name.Text().empty());
        EXPECT_FALSE(caption.Text().empty());
    }
}

TEST(Exports, ListTexts) {
    struct Row {
        const char* name;
        int index;
        std::string expected;
    } rows[] = {
        {"VxLumoRS232Port", 8, "COM9"},
        {"VxLumoRS232Port", 9, ""},
        {"VxLumoRS232Port", -1, ""},
        {"VxLumoIPPort", 0, ""},
        {"  vxlumomedium ", 2, "Inne"},
        {"VxLumoCasScaleType", 3, "POSCALE"},
        {"VxLumoSubgroup", 1, "Tak"},
        {"VxLumoRS232Speed", 4, "115200"},
        {"VxLumoPluFrom", 1, "Numer towaru z kodu kreskowego"},
        {"VxLumoWeighedItems", 0, std::string("Krótkie (np. 123)"_pl)},
        {"VxLumoWeighedItems", 1, std::string("Długie (np.280123?\?\?\?\?\?\?)"_pl)},
        {"", 0, ""},
    };
    for (const Row& r : rows) {
        Buffer b;
        EXPECT_EQ(SKXDLLTekstListyParametru(r.name, r.index, b.data), r.expected.empty() ? 0 : 1) << r.name;
        EXPECT_EQ(b.Text(), r.expected) << r.name << " " << r.index;
    }
    EXPECT_EQ(SKXDLLTekstListyParametru(nullptr, 0, nullptr), 0);
}

TEST(Exports, WindowDescriptionIsEmpty) {
    Buffer b;
    EXPECT_EQ(SKXDLLSerKasOpisOkna(b.data, 5), 0);
    EXPECT_EQ(b.Text(), "");
}

TEST(Exports, CallbackTableAcceptsItsTypesOnly) {
    TKSLibrary* library = static_cast<TKSLibrary*>(SKXDLLRejestrujBiblioteke(1, 0, 0, nullptr));
    ASSERT_NE(library, nullptr);
    auto first = reinterpret_cast<TSKXCallback>(&SKXDLLTypBiblioteki);
    auto second = reinterpret_cast<TSKXCallback>(&SKXDLLZwolnijBiblioteke);
    SKXDLLRejestrujCallback(library, first, 7);
    SKXDLLRejestrujCallback(library, first, 26);
    for (int type = 0; type < 40; ++type) EXPECT_EQ(library->Callback(type), nullptr) << type;
    SKXDLLRejestrujCallback(library, first, 28);
    EXPECT_EQ(library->Callback(28), first);
    EXPECT_EQ(TKSLibrary::SlotOf(28), TKSLibrary::kCallbackSlots - 1);
    SKXDLLRejestrujCallback(library, first, 6);
    SKXDLLRejestrujCallback(library, second, 6);
    EXPECT_EQ(library->Callback(6), second);
    EXPECT_EQ(library->HostData(), 1);
    SKXDLLZwolnijBiblioteke(library);
    SKXDLLZwolnijBiblioteke(nullptr);
    SKXDLLRejestrujCallback(nullptr, first, 6);
}

TEST(Exports, DeviceCallsMakeAnActionThatAsksForItsEnvironment) {
    FakeHost host;
    Buffer name;
    SKXDLLSerKasNazwaZasobuDzielonego(host.Library(), 5, name.data);
    EXPECT_EQ(name.Text(), "vxlumo");
    SKXDLLSerKasNazwaZasobuDzielonego(host.Library(), -77, name.data);
    EXPECT_EQ(name.Text(), "vxlumo");

    Buffer property;
    SKXDLLWlasciwosciUrzadzenia(host.Library(), 6, property.data, 1101);
    EXPECT_EQ(property.Text(), "0");
    SKXDLLWlasciwosciUrzadzenia(host.Library(), 6, property.data, 1103);
    EXPECT_EQ(property.Text(), "") << "the scale driver answers 1103 with an empty text";

    EXPECT_EQ(SKXDLLSerKasJakSzukacParagonu(host.Library(), 8, 1, 2, 3), 0);
    EXPECT_EQ(SKXDLLSerKasPokazOkno(host.Library(), 9, 1, 1, 2, 3), 0);
    EXPECT_EQ(host.envActionIds, (std::vector<int>{5, -77, 6, 6, 8, 9}));
    EXPECT_TRUE(host.lines.empty());
}

TEST(Exports, NullLibraryOrBuffersNeverCrash) {
    Buffer b;
    SKXDLLSerKasNazwaZasobuDzielonego(nullptr, 1, b.data);
    EXPECT_EQ(b.Text(), "");
    SKXDLLWlasciwosciUrzadzenia(nullptr, 1, b.data, 1101);
    EXPECT_EQ(b.Text(), "");
    EXPECT_EQ(SKXDLLSerKasJakSzukacParagonu(nullptr, 1, 0, 0, 0), 0);
    EXPECT_EQ(SKXDLLSerKasPokazOkno(nullptr, 1, 0, 0, 0, 0), 0);
    SKXDLLSerKasPodtrzymajSesje(nullptr, nullptr, nullptr, 0, 0);

    FakeHost host;
    SKXDLLSerKasNazwaZasobuDzielonego(host.Library(), 1, nullptr);
    SKXDLLWlasciwosciUrzadzenia(host.Library(), 1, nullptr, 1101);
}

TEST(Exports, LibrariesKeepTheirOwnHostDataAndCallbacks) {
    FakeHost a, b;
    a.workDir = "A";
    b.workDir = "B";
    Buffer name;
    SKXDLLSerKasNazwaZasobuDzielonego(a.Library(), 1, name.data);
    SKXDLLSerKasNazwaZasobuDzielonego(b.Library(), 2, name.data);
    EXPECT_EQ(a.envActionIds, std::vector<int>{1});
    EXPECT_EQ(b.envActionIds, std::vector<int>{2});
}

} // namespace
