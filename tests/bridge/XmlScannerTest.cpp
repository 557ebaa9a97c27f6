#include "bridge/XmlScanner.h"

#include <gtest/gtest.h>

#include "platform/Cp1250.h"

namespace {

// Every event as one line: "<name a=v>" start, "<name/>" empty, "</name>" end, "'text'" text.
std::string Trace(std::string_view doc, bool* complete = nullptr) {
    std::string out;
    XmlScanner s;
    auto attrs = [](const XmlAttributes& a) {
        std::string t;
        for (const auto& x : a) t += " " + x.Name + "=" + x.Value;
        return t;
    };
    s.OnStartTag = [&](const std::string& n, const XmlAttributes& a) { out += "<" + n + attrs(a) + ">"; };
    s.OnEmptyTag = [&](const std::string& n, const XmlAttributes& a) { out += "<" + n + attrs(a) + "/>"; };
    s.OnEndTag = [&](const std::string& n) { out += "</" + n + ">"; };
    s.OnContent = [&](const std::string& t) { out += "'" + t + "'"; };
    bool ok = s.Scan(doc);
    if (complete) *complete = ok;
    return out;
}

struct ScanCase {
    const char* Name;
    std::string Document;
    std::string Events;
    bool Complete = true;
};

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << c.Name;
}

class XmlScanTable : public testing::TestWithParam<ScanCase> {};

TEST_P(XmlScanTable, ReportsEventsInDocumentOrder) {
    bool complete = false;
    EXPECT_EQ(Trace(GetParam().Document, &complete), GetParam().Events);
    EXPECT_EQ(complete, GetParam().Complete);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlScanTable,
    testing::Values(
        ScanCase{"Tags", "<a x=\"1\" y='2'><b/><c z=\"3\" /></a>", "<a x=1 y=2><b/><c z=3/></a>"},
        ScanCase{"WhiteSpaceNormalised", "<a>\r\n  Ser \t\n  żółty  </a><b> \r\n </b>",
                 std::string("<a>'Ser żółty'</a><b></b>"_pl)},
        ScanCase{"CdataIsText", "<a><![CDATA[ x < y && z ]]></a>", "<a>'x < y && z'</a>"},
        ScanCase{"SkipsCommentsPiDoctype",
                 "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY e \"x>\">]><!-- <b> --><?pi x?><a/>", "<a/>"},
        ScanCase{"PredefinedEntitiesAndReferences",
                 "<a v=\"&quot;&amp;&lt;&gt;&apos;\">&#65;&#x42;&#322;&amp;amp;</a>",
                 "<a v=\"&<>'>'AB\xB3&amp;'</a>"},
        ScanCase{"OtherEntitiesStayAsWritten", "<a>&nbsp; &x &#zz; &#0;</a>", "<a>'&nbsp; &x &#zz; ?'</a>"},
        ScanCase{"ReferenceWithoutCp1250FormIsQuestionMark", "<a>&#x4E2D;</a>", "<a>'?'</a>"},
        ScanCase{"AttributeBlanksBecomeSpaces", "<a v=\"x\ty\nz\"/>", "<a v=x y z/>"},
        ScanCase{"UnterminatedTagStops", "<a>text</a><b x=\"1", "<a>'text'</a>", false},
        ScanCase{"UnquotedAttributeStops", "<a><b x=1></b></a>", "<a>", false},
        ScanCase{"UnterminatedCommentStops", "<a/><!-- x", "<a/>", false},
        ScanCase{"LoneAngleStops", "<a/>< b/>", "<a/>", false},
        ScanCase{"EndTagsNotMatched", "</x><a></b>", "</x><a></b>"}));

TEST(XmlScannerEncoding, Utf8DocumentIsNarrowedToCp1250) {
    EXPECT_EQ(Trace("<?xml version=\"1.0\" encoding=\"utf-8\"?><a v=\"ł\">Żółw</a>"),
              std::string("<a v=ł>'Żółw'</a>"_pl));
    EXPECT_EQ(Trace("<a>Łódź</a>"), std::string("<a>'Łódź'</a>"_pl)); // no declaration: UTF-8
}

TEST(XmlScannerEncoding, Cp1250DocumentIsTakenAsItIs) {
    std::string doc =
        std::string("<?xml version=\"1.0\" encoding=\"windows-1250\"?><a>") + std::string("Łódź"_pl) + "</a>";
    EXPECT_EQ(Trace(doc), std::string("<a>'Łódź'</a>"_pl));
    // Bytes that happen to form UTF-8 (Ĺ‚ is C5 82) stay what the declaration says they are.
    doc = std::string("<?xml version=\"1.0\" encoding=\"WINDOWS-1250\"?><a>\xC5\x82</a>");
    EXPECT_EQ(Trace(doc), "<a>'\xC5\x82'</a>");
}

TEST(XmlScannerEncoding, DeclaredUtf8ButCp1250BytesReadAsCp1250) {
    std::string doc =
        std::string("<?xml version=\"1.0\" encoding=\"utf-8\" ?><a v=\"") + std::string("Łąka"_pl) + "\"/>";
    EXPECT_EQ(Trace(doc), std::string("<a v=Łąka/>"_pl));
}

TEST(XmlScannerMalformed, ArbitraryCutsNeverCrash) {
    std::string doc =
        "<?xml version=\"1.0\"?><!DOCTYPE d [<!ELEMENT d ANY>]><DANE OPERACJA=\"x\"><TOWAR><KP>1</KP>"
        "<NA><![CDATA[a]]>&amp;&#1;</NA><!-- c --></TOWAR></DANE>";
    for (std::size_t cut = 0; cut <= doc.size(); ++cut) Trace(doc.substr(0, cut));
    for (std::size_t i = 0; i < doc.size(); ++i) {
        std::string broken = doc;
        broken[i] = '<';
        Trace(broken);
    }
    SUCCEED();
}

} // namespace
