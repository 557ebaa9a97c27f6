#include <gtest/gtest.h>

#include <string>

#include "ErrorTestSupport.h"
#include "data/DataError.h"

namespace {
using namespace errors_test;

struct DataCase {
    int code;
    std::string detail, english, polish; // UTF-8
};

void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.code;
}

const DataCase kDataCases[] = {
    {300, "X", "", ""},
    {301, "Cena", "Field 'Cena' type conversion error", "Błąd konwersji typu pola 'Cena'"},
    {311, "Ilość", "Field 'Ilość' type conversion error", "Błąd konwersji typu pola 'Ilość'"},
    {322, "D", "Field 'D' type conversion error", "Błąd konwersji typu pola 'D'"},
    {323, "D", "", ""},
    {331, "", "Null DataSet for field", "Pole nie przypisane do obiektu DataSet"},
    {332, "a b", "Field name 'a b' contains illegal characters",
     "Nazwa pola 'a b' zawiera niedozwolone znaki"},
    {333, "1a", "Field name '1a' begins with illegal character",
     "Nazwa pola '1a' rozpoczyna się od niedozwolonego znaku"},
    {334, "KOD", "Field name 'KOD' already used in this field list",
     "Nazwa pola 'KOD' już została użyta w tej liście pól"},
    {335, "", "Field was not added to field list", "Pole nie zostało dodane do listy"},
    {336, "12", "Field index 12 out of bounds", "Indeks pola 12 znajduje się poza zakresem listy pól"},
    {337, "Name", "Field with name 'Name' was not found", "Nie znaleziono pola o nazwie Name"},
    {338, "4", "Field with internal index 4 was not found", "Nie znaleziono pola o wewnętrznym indeksie 4"},
    {341, "", "Data set is not active. Illegal operation",
     "DataSet nie jest aktywny. Operacja niedozwolona w tym stanie"},
    {342, "", "Data set is active. Illegal operation",
     "DataSet jest aktywny. Operacja niedozwolona w tym stanie"},
    {343, "", "Data set is empty. Illegal operation",
     "DataSet jest pusty. Operacja niedozwolona w tym stanie"},
    {344, "", "Data set is read-only. Illegal operation",
     "DataSet przeznaczony tylko do odczytu. Operacja niedozwolona w tym stanie"},
    {345, "", "Data set is in updating mode. Illegal operation",
     "DataSet jest w trybie aktualizacji. Operacja niedozwolona w tym stanie"},
    {346, "TMDataSet", "Custom data storage not implemented in class 'TMDataSet'",
     "Dane użytkownika nie mogą być przechowywane w klasie 'TMDataSet'"},
    {347, "", "Events required for sorting not assigned (OnCacheCurrentValue and OnCompareCurrentValue)",
     "Nie przypisano procedur obsługi potrzebnych do sortowania (OnCacheCurrentValue i "
     "OnCompareCurrentValue)"},
    {348, "", "Event required for searching not assigned (OnCompareCurrentValue)",
     "Nie przypisano procedury obsługi potrzebnej do wyszukiwania (OnCompareCurrentValue)"},
    {349, "", "", ""},
    {351, "P", "Parameter 'P' type conversion error", "Błąd konwersji typu parametru 'P'"},
    {372, "P", "Parameter 'P' type conversion error", "Błąd konwersji typu parametru 'P'"},
    {381, "P", "Parameter name 'P' contains illegal characters",
     "Nazwa parametru 'P' zawiera niedozwolone znaki"},
    {382, "P", "Parameter name 'P' begins with illegal character",
     "Nazwa parametru 'P' rozpoczyna się od niedozwolonego znaku"},
    {383, "P", "Parameter name 'P' already used in this parameter list",
     "Nazwa parametru 'P' już została użyta w tej liście parametrów"},
    {384, "", "Parameter was not added to parameter list", "Parametr nie został dodany do listy"},
    {385, "3", "Parameter index 3 out of bounds",
     "Indeks parametru 3 znajduje się poza zakresem listy parametrów"},
    {386, "P", "Parameter with name 'P' was not found", "Nie znaleziono parametru o nazwie 'P'"},
    {387, "", "Parameters are not supported", "Parametery nie są obsługiwane"},
    {391, "", "Database link not established. Illegal operation for this state",
     "Brak połączenia z bazą danych. Operacja niedozwolona w tym stanie"},
    {392, "", "Already in a database transaction", "Trwa transakcja. Nie można otworzyć kolejnej transakcji"},
    {393, "", "Not in a database transaction",
     "Transakcja nie została rozpoczęta. Nie można zamknąć transakcji"},
    {396, "", "Database link not assigned or not connected",
     "Połączenie do bazy danych nie zostało przypisane lub nie jest otwarte"},
    {397, "", "Database link not assigned or not connected",
     "Połączenie do bazy danych nie zostało przypisane lub nie jest otwarte"},
    {398, "", "Parameterized update not implemented by used link",
     "Używany link nie implementuje parametryzowanych poleceń"},
    {1301, "", "Backup sequence error", "Błąd sekwencji backupu"},
    {1302, "", "Backup file unknown format", "Nieznany format pliku backup"},
    {1303, "", "No place in backup block for field definitions",
     "Brak miejsca w bloku backupu na definicje pól"},
    {1304, "", "No place in backup block for field values", "Brak miejsca w bloku backupu na wartości pól"},
    {1305, "", "Backup block header error", "Błąd nagłówka bloku backupu"},
    {1306, "", "Backup block data error", "Błąd danych bloku backupu"},
    {1307, "", "Backup block data unreadable", "Danych bloku backupu nie można odczytać"},
    {1308, "", "", ""},
    {999, "x", "", ""},
};

class DataErrorTexts : public LanguageTestWithParam<DataCase> {};

TEST_P(DataErrorTexts, DescriptionInBothLanguages) {
    const DataCase& c = GetParam();
    EMException::Language = 0;
    EMDataError e(c.code, cp1250::FromUtf8(c.detail));
    EXPECT_EQ(U(e.Message()), "[DT/" + std::to_string(c.code) + "] Błąd operacji na danych");
    EXPECT_EQ(U(e.GetDescription()), c.polish);
    EMException::Language = 1;
    EXPECT_EQ(U(e.GetDescription()), c.english) << "the description follows the language when asked";
    EXPECT_EQ(U(e.Message()), "[DT/" + std::to_string(c.code) + "] Błąd operacji na danych")
        << "the message stays as it was made";
    EXPECT_EQ(EMDataError(c.code, "").Message(), "[DT/" + std::to_string(c.code) + "] Data management error");
}

INSTANTIATE_TEST_SUITE_P(AllCodes, DataErrorTexts, ::testing::ValuesIn(kDataCases),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

using DataError = LanguageTest;

TEST_F(DataError, IconTitleAndCode) {
    EMException::Language = 1;
    EMDataError e(1301, "");
    EXPECT_EQ(e.MacIcon(), micError);
    EXPECT_EQ(e.GetTitle(), "Error");
    EXPECT_EQ(e.GetCode(), "DT/1301");
    EXPECT_TRUE(e.InheritsFromName("EMDataError"));
    EXPECT_TRUE(e.InheritsFromName("EMException"));
}

TEST_F(DataError, DetailIsInsertedAsItIs) {
    // A detail that looks like a placeholder or a format is not interpreted.
    EMException::Language = 1;
    EXPECT_EQ(EMDataError(332, "{}%s").GetDescription(), "Field name '{}%s' contains illegal characters");
}

TEST_F(DataError, CauseIsKept) {
    EMDataError inner(341, "");
    EMDataError outer(1306, "", &inner);
    ASSERT_EQ(outer.GetTopicCount(), 2);
    EXPECT_EQ(outer.GetTopics(1)->GetCode(), "DT/341");
}

} // namespace
