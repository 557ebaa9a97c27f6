#pragma once
// The bytes pondero writes into Raport.xml for a type ("OK" or "C") and an optional message, as
// the host expects them: Windows-1250, CR LF, the operation attribute always "Konfiguracja".
#include <string>

#include "platform/Cp1250.h"

namespace testing_support {

inline std::string ExpectedReport(const std::string& type, const std::string& message = {}) {
    std::string r = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
                    "<Raport operacja=\"Konfiguracja\" xmlns=\"http://www.insert.com.pl/UF/Raport.xsd\">\r\n"
                    " <Status>\r\n <Typ>" +
                    type + "</Typ>\r\n";
    if (!message.empty()) r += std::string(" <Treść>"_pl) + message + std::string("</Treść>\r\n"_pl);
    return r + " </Status>\r\n</Raport>\r\n<!-- vi: set encoding=utf-8 ts=4: -->\r\n";
}

} // namespace testing_support
