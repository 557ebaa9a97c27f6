// Reading the goods file: the document the bridge writes, its variants, and prices.
#include <gtest/gtest.h>

#include "cascale/Plufeed.h"
#include "cascale/XmlScanner.h"
#include "platform/Cp1250.h"

using peers::Plufeed;
using peers::ReadPlufeed;

namespace {
std::string Header(const std::string& action = "WYSYLKA") {
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n <CAS_POLSKA> <Komunikacja>\r\n "
           "<Typ>TCPIP</Typ>\r\n"
           " <Adres>127.0.0.1</Adres>\r\n <Port>5001</Port>\r\n <Interval>700</Interval>\r\n "
           "<Retry>2</Retry>\r\n"
           " <TYPWAGI>LP</TYPWAGI>\r\n <RODZAJWAGI>LP16</RODZAJWAGI>\r\n <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n"
           " <DEBUGMESS>1</DEBUGMESS>\r\n <AKCJA>" +
           action +
           "</AKCJA>\r\n <TYPDANYCH>PLU</TYPDANYCH>\r\n"
           " </Komunikacja>\r\n <DEFAULT DEPARTMENT=\"4\" PLUTYPE=\"2\" />\r\n <DANE> \r\n";
}
} // namespace

TEST(Plufeed, ReadsTheCommunicationBlockAndTheRecords) {
    std::string doc =
        Header() +
        std::string("<REKORD  PLU=\"1\" NAZWA01=\"SER &lt;ŁÓDŹ&gt; &#65;&#x42;\" UNITPRICE=\"420\" "
                    "NAZWA02=\"b\" GROUP=\"3\" ITEMCODE=\"11\" BARCODE1=\"2000011\"/>\r\n"_pl) +
        "<REKORD  PLU=\"2\"/>\r\n </DANE> \r\n</CAS_POLSKA>\r\n";
    Plufeed feed;
    std::string error;
    ASSERT_TRUE(ReadPlufeed(doc, feed, error)) << error;
    EXPECT_EQ(feed.address, "127.0.0.1");
    EXPECT_EQ(feed.port, 5001);
    EXPECT_EQ(feed.intervalMs, 700);
    EXPECT_EQ(feed.retry, 2);
    EXPECT_EQ(feed.scaleKind, "LP16");
    EXPECT_EQ(feed.action, Plufeed::Action::Send);
    ASSERT_EQ(feed.records.size(), 2u);
    EXPECT_EQ(feed.records[0], (peers::PluRecord{1, std::string("SER <ŁÓDŹ> AB"_pl), "b", 420, "3", "11",
                                                 "2000011", "4", "2"}));
    EXPECT_EQ(feed.records[1], (peers::PluRecord{2, "", "", 0, "", "", "", "4", "2"}));
}

TEST(Plufeed, ReadsAUtf8DocumentIntoWindows1250) {
    std::string doc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CAS_POLSKA><Adres>127.0.0.1</Adres><Port>1</Port>"
        "<AKCJA>WYSYLKA</AKCJA><DANE><REKORD PLU=\"1\" NAZWA01=\"żółw\"/></DANE></CAS_POLSKA>";
    Plufeed feed;
    std::string error;
    ASSERT_TRUE(ReadPlufeed(doc, feed, error)) << error;
    ASSERT_EQ(feed.records.size(), 1u);
    EXPECT_EQ(feed.records[0].name1, std::string("żółw"_pl));
}

TEST(Plufeed, ReadsDeleteRangesWhereverTheyStand) {
    const std::string tail = "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>\r\n";
    for (const std::string& doc :
         {Header("KASOWANIE") + tail, Header("KASOWANIE") + " </DANE> \r\n</CAS_POLSKA>" + tail}) {
        Plufeed feed;
        std::string error;
        ASSERT_TRUE(ReadPlufeed(doc, feed, error)) << error;
        EXPECT_EQ(feed.action, Plufeed::Action::Delete);
        ASSERT_EQ(feed.ranges.size(), 1u);
        EXPECT_EQ(feed.ranges[0].from, 1);
        EXPECT_EQ(feed.ranges[0].to, 9999);
    }
}

TEST(Plufeed, RefusesDocumentsItCannotCarryOut) {
    struct Case {
        std::string doc;
        std::string error;
    };
    const std::string body = "<REKORD  PLU=\"1\"/>\r\n </DANE> \r\n</CAS_POLSKA>\r\n";
    auto replace = [&](std::string from, std::string to) {
        std::string doc = Header() + body;
        doc.replace(doc.find(from), from.size(), to);
        return doc;
    };
    const Case cases[] = {
        {Header() + "<REKORD PLU=\"1\"", "Błędny format pliku Plufeed.XML: unterminated tag"},
        {Header() + "<REKORD PLU=1/>",
         "Błędny format pliku Plufeed.XML: attribute PLU without a quoted value"},
        {Header() + "<REKORD PLU=\"&nbsp;\"/>", "Błędny format pliku Plufeed.XML: unknown entity &nbsp;"},
        {Header() + "<!-- open", "Błędny format pliku Plufeed.XML: unterminated comment"},
        {replace("<Typ>TCPIP", "<Typ>RS232"), "Nieobsługiwany typ połączenia: RS232"},
        {replace("127.0.0.1", ""), "Brak adresu wagi w pliku Plufeed.XML"},
        {replace("<Port>5001", "<Port>70000"), "Nieprawidłowa wartość parametru Port: 70000"},
        {replace("<Retry>2", "<Retry>-1"), "Nieprawidłowa wartość parametru Retry: -1"},
        {replace(" <AKCJA>WYSYLKA</AKCJA>", ""), "Brak akcji w pliku Plufeed.XML"},
        {replace("<TYPDANYCH>PLU", "<TYPDANYCH>KLAWISZE"), "Nieobsługiwany typ danych: KLAWISZE"},
        {replace("PLU=\"1\"", "PLU=\"0\""), "Nieprawidłowy numer PLU w rekordzie: 0"},
        {replace("PLU=\"1\"", "NAZWA01=\"X\""), "Nieprawidłowy numer PLU w rekordzie: brak"},
        {Header("KASOWANIE") + "<Record PLUSTART=\"10\" PLUKONIEC=\"9\" />",
         "Nieprawidłowy zakres PLU do usunięcia: 10 - 9"},
    };
    for (const auto& c : cases) {
        Plufeed feed;
        std::string error;
        EXPECT_FALSE(ReadPlufeed(c.doc, feed, error)) << c.error;
        EXPECT_EQ(cp1250::ToUtf8(error), c.error);
    }
}

TEST(Plufeed, ReadsUnitPricesInHundredths) {
    struct Case {
        const char* text;
        bool ok;
        std::int64_t hundredths;
    };
    const Case cases[] = {{"1250", true, 1250}, {"1234,5", true, 1235}, {"99.4", true, 99},
                          {"", true, 0},        {"0", true, 0},         {",5", true, 1},
                          {"-5", false, 0},     {"1,2,3", false, 0},    {"12 zł", false, 0},
                          {",", false, 0},      {"1e3", false, 0},      {"9999999999", false, 0}};
    for (const auto& c : cases) {
        std::int64_t value = -1;
        EXPECT_EQ(peers::ParseUnitPrice(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.hundredths) << c.text;
        }
    }
}
