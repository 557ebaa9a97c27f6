#pragma once
// <windows.h> for the Win32 implementations only. Its A/W macros would rename our own functions
// of the same names (DeleteFile, CopyFile, LoadLibrary...), so they are taken back here; the
// implementations call the W functions by their full names.
#include <windows.h>
#include <shellapi.h>

#undef DeleteFile
#undef CopyFile
#undef CreateDirectory
#undef RemoveDirectory
#undef LoadLibrary
#undef SetCurrentDirectory
#undef GetCurrentDirectory
#undef MessageBox
#undef AnsiToOem
#undef OemToAnsi
#undef GetEnvironment
