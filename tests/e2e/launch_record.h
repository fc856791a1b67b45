// Reads what the recording stand-in for the Java runtime wrote.
#ifndef BRINDOKA_TESTS_E2E_LAUNCH_RECORD_H
#define BRINDOKA_TESTS_E2E_LAUNCH_RECORD_H

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brindoka::testing {

struct LaunchRecord {
  std::map<std::string, std::string> fields;  // commandline, show, cwd
  std::vector<std::string> arguments;
};

// The record in the file at path; none when there is none.
std::optional<LaunchRecord> ReadLaunchRecord(const std::string& path);

// The text after the quoted program name and one blank, as the shell built
// the command line; none when it is not of that form.
std::optional<std::string> ParametersOf(const std::string& commandLine);

}  // namespace brindoka::testing

#endif
