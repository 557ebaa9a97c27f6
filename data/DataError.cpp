#include "data/DataError.h"

#include <string_view>
#include <utility>

#include "base/MacErrorText.h"
#include "platform/Cp1250.h"

namespace {

// "{}" marks where the detail goes.
struct DataErrorText {
    int first, last;
    std::string_view english, polish;
};

const DataErrorText kTexts[] = {
    {301, 322, "Field '{}' type conversion error", "Błąd konwersji typu pola '{}'"_pl},
    {331, 331, "Null DataSet for field", "Pole nie przypisane do obiektu DataSet"_pl},
    {332, 332, "Field name '{}' contains illegal characters",
     "Nazwa pola '{}' zawiera niedozwolone znaki"_pl},
    {333, 333, "Field name '{}' begins with illegal character",
     "Nazwa pola '{}' rozpoczyna się od niedozwolonego znaku"_pl},
    {334, 334, "Field name '{}' already used in this field list",
     "Nazwa pola '{}' już została użyta w tej liście pól"_pl},
    {335, 335, "Field was not added to field list", "Pole nie zostało dodane do listy"_pl},
    {336, 336, "Field index {} out of bounds", "Indeks pola {} znajduje się poza zakresem listy pól"_pl},
    {337, 337, "Field with name '{}' was not found", "Nie znaleziono pola o nazwie {}"_pl},
    {338, 338, "Field with internal index {} was not found",
     "Nie znaleziono pola o wewnętrznym indeksie {}"_pl},
    {341, 341, "Data set is not active. Illegal operation",
     "DataSet nie jest aktywny. Operacja niedozwolona w tym stanie"_pl},
    {342, 342, "Data set is active. Illegal operation",
     "DataSet jest aktywny. Operacja niedozwolona w tym stanie"_pl},
    {343, 343, "Data set is empty. Illegal operation",
     "DataSet jest pusty. Operacja niedozwolona w tym stanie"_pl},
    {344, 344, "Data set is read-only. Illegal operation",
     "DataSet przeznaczony tylko do odczytu. Operacja niedozwolona w tym stanie"_pl},
    {345, 345, "Data set is in updating mode. Illegal operation",
     "DataSet jest w trybie aktualizacji. Operacja niedozwolona w tym stanie"_pl},
    {346, 346, "Custom data storage not implemented in class '{}'",
     "Dane użytkownika nie mogą być przechowywane w klasie '{}'"_pl},
    {347, 347, "Events required for sorting not assigned (OnCacheCurrentValue and OnCompareCurrentValue)",
     "Nie przypisano procedur obsługi potrzebnych do sortowania (OnCacheCurrentValue i OnCompareCurrentValue)"_pl},
    {348, 348, "Event required for searching not assigned (OnCompareCurrentValue)",
     "Nie przypisano procedury obsługi potrzebnej do wyszukiwania (OnCompareCurrentValue)"_pl},
    {351, 372, "Parameter '{}' type conversion error", "Błąd konwersji typu parametru '{}'"_pl},
    {381, 381, "Parameter name '{}' contains illegal characters",
     "Nazwa parametru '{}' zawiera niedozwolone znaki"_pl},
    {382, 382, "Parameter name '{}' begins with illegal character",
     "Nazwa parametru '{}' rozpoczyna się od niedozwolonego znaku"_pl},
    {383, 383, "Parameter name '{}' already used in this parameter list",
     "Nazwa parametru '{}' już została użyta w tej liście parametrów"_pl},
    {384, 384, "Parameter was not added to parameter list", "Parametr nie został dodany do listy"_pl},
    {385, 385, "Parameter index {} out of bounds",
     "Indeks parametru {} znajduje się poza zakresem listy parametrów"_pl},
    {386, 386, "Parameter with name '{}' was not found", "Nie znaleziono parametru o nazwie '{}'"_pl},
    {387, 387, "Parameters are not supported", "Parametery nie są obsługiwane"_pl},
    {391, 391, "Database link not established. Illegal operation for this state",
     "Brak połączenia z bazą danych. Operacja niedozwolona w tym stanie"_pl},
    {392, 392, "Already in a database transaction",
     "Trwa transakcja. Nie można otworzyć kolejnej transakcji"_pl},
    {393, 393, "Not in a database transaction",
     "Transakcja nie została rozpoczęta. Nie można zamknąć transakcji"_pl},
    {396, 397, "Database link not assigned or not connected",
     "Połączenie do bazy danych nie zostało przypisane lub nie jest otwarte"_pl},
    {398, 398, "Parameterized update not implemented by used link",
     "Używany link nie implementuje parametryzowanych poleceń"_pl},
    {1301, 1301, "Backup sequence error", "Błąd sekwencji backupu"_pl},
    {1302, 1302, "Backup file unknown format", "Nieznany format pliku backup"_pl},
    {1303, 1303, "No place in backup block for field definitions",
     "Brak miejsca w bloku backupu na definicje pól"_pl},
    {1304, 1304, "No place in backup block for field values",
     "Brak miejsca w bloku backupu na wartości pól"_pl},
    {1305, 1305, "Backup block header error", "Błąd nagłówka bloku backupu"_pl},
    {1306, 1306, "Backup block data error", "Błąd danych bloku backupu"_pl},
    {1307, 1307, "Backup block data unreadable", "Danych bloku backupu nie można odczytać"_pl},
};

} // namespace

EMDataError::EMDataError(int code, std::string detail, const std::exception* inner)
    : EMException(inner), code_(code), detail_(std::move(detail)) {
    FixMessage();
}

EMDataError::~EMDataError() = default;

TMacIcon EMDataError::MacIcon() const {
    return micError;
}

std::string EMDataError::MacCode() const {
    return "DT/" + std::to_string(code_);
}

std::string EMDataError::MacMessage() const {
    return macerror_text::Choose("Błąd operacji na danych"_pl, "Data management error");
}

std::string EMDataError::MacDescription() const {
    for (const DataErrorText& row : kTexts) {
        if (code_ < row.first || code_ > row.last) continue;
        std::string text = macerror_text::Choose(row.polish, row.english);
        if (std::size_t at = text.find("{}"); at != std::string::npos) text.replace(at, 2, detail_);
        return text;
    }
    return {};
}

std::unique_ptr<EMException> EMDataError::Clone() const {
    return std::make_unique<EMDataError>(code_, detail_);
}

void EMDataError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMDataError"))
        if (const auto* same = dynamic_cast<const EMDataError*>(source)) {
            code_ = same->code_;
            detail_ = same->detail_;
        }
    EMException::Assign(source);
}
