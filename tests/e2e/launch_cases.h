// The end-to-end cases, shared by the run under Wine and the run of the POSIX
// stand-in: both must give the started program exactly these arguments.
#ifndef BRINDOKA_TESTS_E2E_LAUNCH_CASES_H
#define BRINDOKA_TESTS_E2E_LAUNCH_CASES_H

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brindoka::testing {

struct LaunchCase {
  std::string name;
  std::optional<std::string> settings;  // "Brindoka.Ini" in the current
                                        // directory; none: no file
  // Where the recording stand-in for the Java runtime is put, relative to the
  // current directory; empty: where a bare "javaw" is found.
  std::string customProgram;
  bool started;             // whether any program is started at all
  std::string parameters;   // the exact parameter text
  std::vector<std::string> arguments;  // as the started program splits them
};

void PrintTo(const LaunchCase& launchCase, std::ostream* out);

// customProgram is the platform's relative path for the custom-javaw case,
// written into that case's settings as it stands.
std::vector<LaunchCase> LaunchCases(const std::string& customProgram);

// Arguments given to the launcher itself; they must change nothing.
const std::vector<std::string>& IgnoredLauncherArguments();

}  // namespace brindoka::testing

#endif
