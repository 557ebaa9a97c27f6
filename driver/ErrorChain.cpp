#include "driver/ErrorChain.h"

std::string DescribeCauses(const Exception& e) {
    return e.Message() + "\r\n";
}
