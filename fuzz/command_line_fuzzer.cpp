// Splits arbitrary parameter text as the POSIX stand-in does, joins the
// arguments again by the same rules, and checks the round trip.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/argument_list.h"

namespace {

// Quotes one argument so that the Microsoft runtime's rules give it back:
// backslashes are doubled only where a quote follows them.
std::string Quote(const std::string& argument) {
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (text.find('\0') != std::string::npos) return 0;  // a C string ends there
  std::vector<std::string> arguments = brindoka::SplitArguments(text);
  std::string joined;
  for (const std::string& argument : arguments) {
    joined += (joined.empty() ? "" : " ") + Quote(argument);
  }
  if (brindoka::SplitArguments(joined) != arguments) {
    std::fprintf(stderr, "round trip broken for: %s\n", joined.c_str());
    std::abort();
  }
  return 0;
}
