// Feeds arbitrary bytes to the launcher as its settings file, through the
// same reader and sequence the launcher uses, and checks what must always
// hold whatever the file says.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ini/ini_document.h"
#include "launcher/launch_sequence.h"

namespace {

using namespace brindoka;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

const std::string& FilePath() {
  static const std::string path =
      "/tmp/brindoka-fuzz-" + std::to_string(getpid()) + ".ini";
  return path;
}

void WriteFile(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(FilePath().c_str(), "wb");
  Require(file != nullptr, "the input can be written");
  std::fwrite(data, 1, size, file);
  std::fclose(file);
}

void CheckLinks(const IniDocument& document) {
  const IniLine* previous = nullptr;
  for (const IniLine* line = document.FirstLine(); line; line = line->next) {
    Require(line->previous == previous, "previous links back");
    Require(line->text != nullptr, "every line has a text");
    Require(std::strlen(line->text) <= kPieceLength, "pieces are bounded");
    Require(std::strchr(line->text, '\n') == nullptr, "no line feed is stored");
    Require(line->kind == ClassifyLine(line->text), "kinds are as classified");
    previous = line;
  }
  Require(document.LastLine() == previous, "the last line is the end");
}

// Either the caller's default pointer, or the document's own value buffer:
// one address inside the document, the same for every hit.
void CheckLookup(IniDocument& document, const char* section, const char* key,
                 const char** valueBuffer) {
  static const char kDefault[] = "<default>";
  const char* result = document.GetString(section, key, kDefault);
  if (result == kDefault) return;
  const char* begin = reinterpret_cast<const char*>(&document);
  Require(result >= begin && result < begin + sizeof document,
          "a value comes from the document's value buffer");
  Require(*valueBuffer == nullptr || *valueBuffer == result,
          "there is one value buffer");
  *valueBuffer = result;
  Require(std::strpbrk(result, ";\n") == nullptr, "a value has no ; or line feed");
}

// Sections and keys written in the file itself, as found and as near misses.
void CheckLookupsFromTheFile(IniDocument& document) {
  const char* valueBuffer = nullptr;
  std::string section;
  int checked = 0;
  for (const IniLine* line = document.FirstLine(); line && checked < 64;
       line = line->next, ++checked) {
    std::string text = line->text;
    if (line->kind == LineKind::Header && text.size() >= 2) {
      section = text.substr(1, text.size() - 2);
      if (text.front() == '[' && text.back() == ']') {
        Require(document.FindSection(section.c_str()) != nullptr,
                "a header's own name finds a header");
      }
    } else if (line->kind == LineKind::Entry) {
      std::string key = text.substr(0, text.find('='));
      CheckLookup(document, section.c_str(), key.c_str(), &valueBuffer);
    }
  }
}

void CheckParameters(const LaunchCommand& command) {
  std::string parameters = command.parameters.CStr();
  const std::string start = "-classpath \"";
  Require(parameters.compare(0, start.size(), start) == 0, "the option leads");
  bool anyQuote = false;
  for (const GrowableText& setting : command.settings) {
    Require(std::strpbrk(setting.CStr(), ";\n") == nullptr,
            "a setting has no ; or line feed");
    anyQuote = anyQuote || std::strchr(setting.CStr(), '"') != nullptr;
  }
  if (anyQuote) return;
  std::size_t end = parameters.find('"', start.size());
  Require(end != std::string::npos, "the class path is closed");
  std::string classPath = parameters.substr(start.size(), end - start.size());
  Require(std::count(classPath.begin(), classPath.end(), ';') == 5,
          "the class path has six entries");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFile(data, size);
  {
    IniDocument document;
    Require(document.Read(FilePath().c_str()) == 1, "an existing file reads");
    Require(!document.HasOpenFile(), "the file is closed after reading");
    CheckLinks(document);
    CheckLookupsFromTheFile(document);
  }
  LaunchCommand command;
  Require(ComposeLaunchCommand(FilePath().c_str(), &command), "the command composes");
  CheckParameters(command);
  return 0;
}
