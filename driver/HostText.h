#pragma once
// Texts crossing the host interface: 8-bit Windows-1250, in buffers of 301 bytes.
#include <string>
#include <string_view>

#include "platform/Export.h"

namespace hosttext {

// Removes the leading and trailing characters of code 32 or below.
VXLUMO_API std::string Trim(std::string_view text);

// Copies at most 300 characters into a host buffer of at least 301 bytes, fills the rest of the
// first 300 bytes with zeros and always puts a zero at index 300. A null buffer receives nothing.
VXLUMO_API void CopyToBuffer(char* buffer, std::string_view text);

// The text of a host buffer: up to its first zero, at most 300 characters. Empty for null.
VXLUMO_API std::string FromBuffer(const char* buffer);

// A whole decimal number with an optional sign, blanks around allowed; fallback otherwise.
VXLUMO_API int ToIntDef(std::string_view text, int fallback);

} // namespace hosttext
