#pragma once
// The blocks of an error report for an exception of the library's hierarchy: one block per link
// of its chain of causes, "[" code "] " title CR LF description CR LF.
#include <string>

#include "base/Exception.h"

std::string DescribeCauses(const Exception& e);
