// Splits a Windows parameter text into arguments the way the Microsoft C
// runtime splits a program's command line after its name (as Wine's msvcrt
// does, and as Microsoft documents it), so that a program started here
// receives what a Windows program would:
//   - blanks and tabs outside double quotes separate arguments;
//   - a double quote opens or closes a quoted part and is dropped; inside a
//     quoted part, two double quotes give one literal quote and the part
//     stays open;
//   - 2n backslashes before a double quote give n backslashes (the quote then
//     acts as above); 2n+1 give n backslashes and a literal quote;
//   - backslashes anywhere else are literal.
#ifndef BRINDOKA_LAUNCHER_WINDOWS_COMMAND_LINE_H
#define BRINDOKA_LAUNCHER_WINDOWS_COMMAND_LINE_H

#include <cstddef>

#include "launcher/growable_text.h"

namespace brindoka {

// Appends each argument with its terminating NUL to `arguments` and returns
// how many there are. When memory runs out, `arguments` is marked failed.
std::size_t SplitWindowsArguments(const char* parameters,
                                  GrowableText* arguments);

}  // namespace brindoka

#endif
