// Splits a Windows parameter text into arguments the way the Microsoft C
// runtime (msvcrt.dll) splits a program's command line after its name, so
// that a program started here receives what a Windows program would:
//   - blanks and tabs outside double quotes separate arguments;
//   - a double quote opens or closes a quoted part and is dropped; inside a
//     quoted part, two double quotes give one literal quote and the part
//     stays open;
//   - 2n backslashes before a double quote give n backslashes (the quote then
//     acts as above); 2n+1 give n backslashes and a literal quote;
//   - backslashes anywhere else are literal.
#ifndef BRINDOKA_LAUNCHER_WINDOWS_COMMAND_LINE_H
#define BRINDOKA_LAUNCHER_WINDOWS_COMMAND_LINE_H

#include <string>
#include <vector>

namespace brindoka {

std::vector<std::string> SplitWindowsArguments(const std::string& parameters);

}  // namespace brindoka

#endif
