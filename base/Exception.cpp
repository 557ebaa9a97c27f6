#include "base/Exception.h"

Exception::~Exception() = default;
