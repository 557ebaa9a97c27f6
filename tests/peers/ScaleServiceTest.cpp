// The simulator's answers, request by request, and its table file.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "scalesim/PluTable.h"
#include "scalesim/ScaleService.h"
#include "support/TempDir.h"

using peers::PluTable;
using peers::ScaleService;

namespace {
struct Step {
    const char* request;
    const char* reply;
};
} // namespace

TEST(ScaleService, AnswersARequestSequence) {
    const Step steps[] = {
        {"PING", "OK PONG\n"},
        {"COUNT", "OK 0\n"},
        {"SET 12;SER;;1250;3;12;2000012;1;1", "OK ADDED\n"},
        {"SET 12;SER GOUDA;;1300", "OK UPDATED\n"},
        {"set 5;MLEKO", "OK ADDED\n"},
        {"SET 7000;X", "OK ADDED\n"},
        {"GET 12", "OK 12;SER GOUDA;;1300;;;;;\n"},
        {"GET 13", "ERR no PLU 13\n"},
        {"DUMP", "OK 3\n5;MLEKO;;0;;;;;\n12;SER GOUDA;;1300;;;;;\n7000;X;;0;;;;;\n"},
        {"DEL 99", "OK 0\n"},
        {"DEL 5", "OK 1\n"},
        {"DEL x", "ERR bad PLU number 'x'\n"},
        {"DELRANGE 1 6999", "OK 1\n"},
        {"DELRANGE 9 1", "ERR empty range 9 1\n"},
        {"DELRANGE 1", "ERR usage: DELRANGE <from> <to>\n"},
        {"CLEAR", "OK 1\n"},
        {"CLEAR", "OK 0\n"},
        {"SET 0;ZERO", "ERR bad PLU number '0'\n"},
        {"HELLO", "ERR unknown request 'HELLO'\n"},
        {"", "ERR unknown request ''\n"},
    };
    PluTable table;
    ScaleService service(table);
    for (const auto& step : steps) {
        auto reply = service.Handle(step.request);
        EXPECT_EQ(reply.text, step.reply) << step.request;
        EXPECT_EQ(reply.after, ScaleService::After::Continue) << step.request;
    }
    EXPECT_EQ(service.Handle("QUIT").after, ScaleService::After::CloseConnection);
    EXPECT_EQ(service.Handle("shutdown").after, ScaleService::After::Shutdown);
}

TEST(PluTable, SavesAfterEachChangeAndLoadsItBack) {
    testing_support::TempDir dir;
    std::string path = dir.File("plu.db");
    {
        PluTable table(path);
        std::string error;
        ASSERT_TRUE(table.Load(error)) << error; // no file yet: an empty table
        ScaleService service(table);
        service.Handle("SET 3;A");
        service.Handle("SET 1;B");
        service.Handle("SET 2;C");
        service.Handle("DEL 2");
    }
    PluTable again(path);
    std::string error;
    ASSERT_TRUE(again.Load(error)) << error;
    ASSERT_EQ(again.Records().size(), 2u);
    EXPECT_EQ(again.Records().at(1).name1, "B");
    EXPECT_EQ(again.Records().at(3).name1, "A");
}

TEST(PluTable, NamesTheBrokenLineOfItsFile) {
    testing_support::TempDir dir;
    dir.Write("plu.db", "# header\n1;A\n\n2;B;;cheap\n");
    PluTable table(dir.File("plu.db"));
    std::string error;
    EXPECT_FALSE(table.Load(error));
    EXPECT_NE(error.find("line 4"), std::string::npos) << error;
    EXPECT_TRUE(table.Records().empty());
}

TEST(PluTable, ReportsATableItCannotWrite) {
    testing_support::TempDir dir;
    PluTable table(dir.File("missing-folder/plu.db"));
    ScaleService service(table);
    auto reply = service.Handle("SET 1;A");
    EXPECT_EQ(reply.text.substr(0, 4), "ERR ") << reply.text;
}
