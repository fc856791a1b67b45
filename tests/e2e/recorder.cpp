// Stands in for the Java runtime's launcher in the end-to-end tests. It
// records how it was started into "recorded.txt" in its current directory
// (written whole, then renamed, so a reader never sees half of it): on
// Windows its raw command line and the show state it was given, everywhere
// its current directory and its arguments as its C runtime split them.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#define getcwd _getcwd
#else
#include <unistd.h>
#endif

namespace {

// One field: its name, its length, a line feed, its bytes, a line feed.
void Field(std::string* record, const char* name, const std::string& value) {
  *record += std::string(name) + " " + std::to_string(value.size()) + "\n" +
             value + "\n";
}

std::string CurrentDirectory() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "?";
}

}  // namespace

int main(int argc, char** argv) {
  std::string record;
#ifdef _WIN32
  Field(&record, "commandline", GetCommandLineA());
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  bool given = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
  Field(&record, "show", given ? std::to_string(startup.wShowWindow) : "none");
#endif
  Field(&record, "cwd", CurrentDirectory());
  for (int i = 1; i < argc; ++i) Field(&record, "arg", argv[i]);

  std::FILE* out = std::fopen("recorded.tmp", "wb");
  if (out == nullptr) return 1;
  std::fwrite(record.data(), 1, record.size(), out);
  std::fclose(out);
  return std::rename("recorded.tmp", "recorded.txt") == 0 ? 0 : 1;
}
