#include "bridge/RequestFile.h"

#include <gtest/gtest.h>

#include "platform/Cp1250.h"
#include "support/TempDir.h"
#include "support/XmlEventTrace.h"

namespace {

using bridge::RequestFile;
using testing_support::WholeDocumentTrace;
using testing_support::XmlEventTrace;

struct DocumentCase {
    const char* Name;
    std::string Bytes;
};

void PrintTo(const DocumentCase& c, std::ostream* os) {
    *os << c.Name;
}

std::string Goods(const char* eol) {
    std::string goods;
    for (int i = 1; i <= 3; ++i)
        goods += std::string("<TOWAR>") + eol + " <KP>" + std::to_string(i) + "</KP>" + eol + " <NA>" +
                 std::string("Ser żółty &amp; gouda"_pl) + "</NA>" + eol + " <CE>4.2" + std::to_string(i) +
                 "</CE>" + eol + " <W\xB3>" + std::string("Łódź"_pl) + "</W\xB3>" + eol + "</TOWAR>" + eol;
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>" + std::string(eol) +
           "<DANE OPERACJA=\"PRZESY\xB3" + "ANIETOWAR\xF3W\">" + eol + goods + "</DANE>" + eol;
}

const std::string kUtf8Goods = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<DANE OPERACJA=\"Przesyłanie\">"
                               "<TOWAR><NA>Żółć € ąę</NA><Wł>Łódź</Wł></TOWAR></DANE>\r\n";

// The piece the reader takes from the file must not change what the scan reports: an item, a
// reference, a multi-byte letter or the declaration cut between two pieces reads as a whole.
class RequestPieces : public testing::TestWithParam<DocumentCase> {};

TEST_P(RequestPieces, ReportTheEventsOfTheWholeDocument) {
    testing_support::TempDir dir;
    dir.Write("ster_uni.xml", GetParam().Bytes);
    std::string expected = WholeDocumentTrace(GetParam().Bytes);
    for (std::size_t piece : {1, 2, 3, 4, 5, 7, 13, 64, 4096}) {
        RequestFile file(piece);
        ASSERT_TRUE(file.Open(dir.File("ster_uni.xml"))) << piece;
        XmlEventTrace trace;
        EXPECT_TRUE(bridge::ScanRequest(file, trace)) << piece;
        EXPECT_EQ(trace.Events, expected) << "piece " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RequestPieces,
    testing::Values(
        DocumentCase{"GoodsCrLf", Goods("\r\n")}, DocumentCase{"GoodsLf", Goods("\n")},
        DocumentCase{"Utf8Letters", kUtf8Goods},
        DocumentCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBF" + kUtf8Goods},
        DocumentCase{"NoDeclarationFourByteLetter", "<a>x\xF0\x9F\x98\x80y \xE2\x82\xAC</a>"},
        // Only the last byte shows the document is not UTF-8: it is taken as it stands.
        DocumentCase{"DeclaredUtf8ButCp1250AtTheEnd",
                     "<?xml version=\"1.0\" encoding=\"utf-8\"?><a>\xC5\x82" + std::string(300, 'x') +
                         "</a>\xB3"},
        DocumentCase{"Utf8CutAtTheEnd", "<a>\xC5\x82</a>\xC5"},
        // A sequence cut short by an ASCII byte, or written too long, makes the whole text not UTF-8.
        DocumentCase{"Utf8SequenceCutByAscii", "<a>\xC5\x82 \xE2"
                                               "A</a>"},
        DocumentCase{"Utf8Overlong", "<a>\xC5\x82 \xC0\xAF</a>"},
        DocumentCase{
            "ReferencesSectionsAndDeclarations",
            "<!DOCTYPE a [<!ENTITY e \"x>\">]><!-- <b> --><?pi x?><a v=\"&quot;&#x142;\">&amp;&#322;&lt;"
            "<![CDATA[ x < y ]]>&nbsp;</a>"},
        // The declaration ends beyond the first pieces; its bytes that form UTF-8 stay Windows-1250.
        DocumentCase{"LongDeclaration", "<?xml version=\"1.0\"" + std::string(40, ' ') +
                                            "encoding=\"windows-1250\"?><a>\xC5\x82</a>"},
        DocumentCase{"UnclosedDeclaration", "<?xml encoding='windows-1250' <a>\xC5\x82</a>"},
        DocumentCase{"UnterminatedComment", "<a>x</a><!-- y"},
        DocumentCase{"UnterminatedTag", "<a>x</a><b v=\"1"}, DocumentCase{"LoneAngle", "<a/>< b/><c/>"},
        DocumentCase{"TextAfterTheLastTag", "<a/> tail \r\n text"}, DocumentCase{"Empty", ""},
        DocumentCase{"ItemLongerThanManyPieces", "<a>" + std::string(5000, 'z') + " &amp; </a><!--" +
                                                     std::string(3000, '-') + "--><b/>"}));

TEST(RequestFileOpen, MissingFileFails) {
    testing_support::TempDir dir;
    RequestFile file;
    EXPECT_FALSE(file.Open(dir.File("ster_uni.xml")));
}

} // namespace
