#include "bridge/GoodsDocument.h"

#include <gtest/gtest.h>

#include "platform/Cp1250.h"
#include "platform/Locale.h"

namespace {

using bridge::GoodsDocument;
using bridge::ScaleSettings;

const std::string kHeaderLines = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
                                 " <CAS_POLSKA> <Komunikacja>\r\n"
                                 " <Typ>TCPIP</Typ>\r\n"
                                 " <Adres>10.0.0.7</Adres>\r\n"
                                 " <Port>20304</Port>\r\n"
                                 " <Interval>5000</Interval>\r\n"
                                 " <Retry>3</Retry>\r\n"
                                 " <TYPWAGI>LP</TYPWAGI>\r\n"
                                 " <RODZAJWAGI>@</RODZAJWAGI>\r\n"
                                 " <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n"
                                 " <DEBUGMESS>1</DEBUGMESS>\r\n"
                                 " <AKCJA>WYSYLKA</AKCJA>\r\n"
                                 " <TYPDANYCH>PLU</TYPDANYCH>\r\n"
                                 " </Komunikacja>\r\n"
                                 " <DEFAULT DEPARTMENT=\"1\" PLUTYPE=\"1\" />\r\n"
                                 " <DANE> \r\n";

std::string Header(const std::string& rodzaj) {
    std::string h = kHeaderLines;
    h.replace(h.find('@'), 1, rodzaj);
    return h;
}

TEST(GoodsHeader, ModelGivesScaleKindOnlyTypeStaysLp) {
    struct Row {
        const char* Model;
        const char* Kind;
    };
    for (Row r : {Row{"LP 1.6", "LP16"}, Row{"CL5000", "CL5000"}, Row{"POSSCALE", "POSSCALE"},
                  Row{"CL5000JR", "CL5000JR"}, Row{"LP 1.6 ", "LP 1.6 "}}) {
        ScaleSettings s;
        s.IpAddress = "10.0.0.7";
        s.Model = r.Model;
        GoodsDocument d;
        d.BuildHeader(s);
        EXPECT_EQ(d.Text(), Header(r.Kind)) << r.Model;
    }
}

TEST(GoodsHeader, FieldTextsAreEscaped) {
    ScaleSettings s;
    s.IpAddress = "a&b<c\"d";
    GoodsDocument d;
    d.BuildHeader(s);
    EXPECT_NE(d.Text().find(" <Adres>a&amp;b&lt;c\"d</Adres>\r\n"), std::string::npos);
}

// Feeds the goods handlers as the request scan does: names and text upper-cased already.
struct Feed {
    GoodsDocument& d;
    Feed& Item(std::initializer_list<std::pair<const char*, const char*>> elements) {
        d.StartTag("TOWAR");
        for (auto [name, text] : elements) {
            d.StartTag(name);
            if (*text) d.Content(text);
            d.EndTag(name);
        }
        d.EndTag("TOWAR");
        return *this;
    }
};

TEST(GoodsRecords, OneLinePerItemInTheOrderElementsEnd) {
    platform::ScopedLocale pl(platform::LocaleSettings{});
    GoodsDocument d;
    d.BuildHeader(ScaleSettings{});
    std::string header = d.Text();
    Feed{d}
        .Item({{"KP", "1"}, {"NA", "SER"}, {"CE", "4.20"}})
        .Item({{"NA", "A&B \"X\""},
               {"NA", ""},
               {"OP", "X"},
               {"Wł"_pl.data(), "ŁÓDź"_pl.data()},
               {"GR", "2"},
               {"KK", "77"},
               {"DK", "5900"},
               {"UW", "Y"}});
    d.EndTag("DANE");
    EXPECT_EQ(d.Text(), header +
                            "<REKORD  PLU=\"1\" NAZWA01=\"SER\" UNITPRICE=\"420\"/>\r\n"
                            "<REKORD  NAZWA01=\"A&amp;B &quot;X&quot;\" NAZWA01=\"\" NAZWA02=\"" +
                            std::string("ŁÓDź"_pl) +
                            "\" GROUP=\"2\" ITEMCODE=\"77\" BARCODE1=\"5900\"/>\r\n"
                            " </DANE> \r\n</CAS_POLSKA>");
}

TEST(GoodsRecords, UpperCaseLWithStrokeIsNotTheSecondName) {
    GoodsDocument d;
    d.StartTag("TOWAR");
    d.StartTag("WŁ"_pl.data());
    d.Content("X");
    d.EndTag("WŁ"_pl.data());
    d.EndTag("TOWAR");
    EXPECT_EQ(d.Text(), "<REKORD />\r\n");
}

TEST(GoodsRecords, NoGoodsGiveHeaderAndClosingLines) {
    GoodsDocument d;
    d.BuildHeader(ScaleSettings{});
    std::string header = d.Text();
    d.StartTag("DANE");
    d.EndTag("DANE");
    EXPECT_EQ(d.Text(), header + " </DANE> \r\n</CAS_POLSKA>");
}

TEST(GoodsDelete, HeaderWithDeleteActionAndRecordWhateverFollowed) {
    ScaleSettings s;
    s.IpAddress = "10.0.0.7";
    GoodsDocument d;
    d.BuildHeader(s);
    Feed{d}.Item({{"KP", "1"}});
    d.EndTag("DANE");
    std::string expected = Header("CL5000");
    expected.replace(expected.find("WYSYLKA"), 7, "KASOWANIE");
    expected += "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>";
    EXPECT_EQ(d.DeleteDocument(), expected);
}

struct PriceCase {
    const char* Text;
    char Separator;
    const char* Expected;
};

void PrintTo(const PriceCase& c, std::ostream* os) {
    *os << "'" << c.Text << "' sep " << c.Separator;
}

class ConvertPriceTable : public testing::TestWithParam<PriceCase> {};

TEST_P(ConvertPriceTable, HundredthsInTheLocaleForm) {
    platform::LocaleSettings settings;
    settings.DecimalSeparator = GetParam().Separator;
    platform::ScopedLocale scoped(settings);
    EXPECT_EQ(GoodsDocument::ConvertPrice(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Prices, ConvertPriceTable,
    testing::Values(PriceCase{"12.50", ',', "1250"}, PriceCase{"3", ',', "300"}, PriceCase{"0.99", ',', "99"},
                    PriceCase{"12.345", ',', "1234,5"}, PriceCase{"12.345", '.', "1234.5"},
                    PriceCase{"12,5", ',', "1250"}, PriceCase{"12,5", '.', "0"},
                    PriceCase{" \t4.20\r\n", ',', "420"}, PriceCase{"-1.5", ',', "-150"},
                    PriceCase{"1e2", ',', "10000"}, PriceCase{"", ',', "0"}, PriceCase{"abc", ',', "0"},
                    PriceCase{"1.2.3", ',', "0"}, PriceCase{"1e", ',', "0"}, PriceCase{"1e99999", ',', "0"},
                    PriceCase{"0.1", ',', "10"}, PriceCase{"123456789012.34", ',', "12345678901234"},
                    // Around the whole-number forms written without a
                    // general number conversion.
                    PriceCase{"+5", ',', "500"}, PriceCase{".5", ',', "50"}, PriceCase{"5.", ',', "500"},
                    PriceCase{"007.10", ',', "710"}, PriceCase{"-0.00", ',', "0"},
                    PriceCase{"9999999999999.99", ',', "999999999999999"},
                    PriceCase{"99999999999999.99", ',', "1e+16"}));

} // namespace
