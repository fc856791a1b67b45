#include "tests/e2e/launch_record.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace brindoka::testing {

std::optional<LaunchRecord> ReadLaunchRecord(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)),
                    std::istreambuf_iterator<char>());
  LaunchRecord record;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t lineEnd = bytes.find('\n', pos);
    std::istringstream header(bytes.substr(pos, lineEnd - pos));
    std::string name;
    std::size_t length = 0;
    header >> name >> length;
    std::string value = bytes.substr(lineEnd + 1, length);
    pos = lineEnd + 1 + length + 1;
    if (name == "arg") {
      record.arguments.push_back(value);
    } else {
      record.fields[name] = value;
    }
  }
  return record;
}

std::optional<std::string> ParametersOf(const std::string& commandLine) {
  if (commandLine.empty() || commandLine[0] != '"') return std::nullopt;
  std::size_t closing = commandLine.find('"', 1);
  if (closing == std::string::npos || closing + 1 >= commandLine.size() ||
      commandLine[closing + 1] != ' ') {
    return std::nullopt;
  }
  return commandLine.substr(closing + 2);
}

}  // namespace brindoka::testing
