#pragma once
// Texts at the edge of the stand-in programs: command-line arguments and the terminal.
#include <cstdio>
#include <string>
#include <string_view>

namespace peers {

// A command-line argument as Windows-1250 text (UTF-8 on POSIX is converted; Windows hands the
// programs their arguments in the ANSI code page already).
std::string ArgToCp1250(const char* arg);
// Writes a Windows-1250 line to a terminal stream in its encoding, then flushes.
void PrintLine(std::FILE* stream, std::string_view cp1250Text);

} // namespace peers
