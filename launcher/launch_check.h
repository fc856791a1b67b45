// What the launcher will start from a settings file, and why: the same
// reading and composing as the launcher's run, with each setting traced to
// its line and the near misses explained. Used by brindoka-check.
#ifndef BRINDOKA_LAUNCHER_LAUNCH_CHECK_H
#define BRINDOKA_LAUNCHER_LAUNCH_CHECK_H

#include <cstddef>
#include <string>
#include <vector>

#include "ini/settings_check.h"

namespace brindoka {

struct SettingReport {
  std::string key;
  std::string value;
  std::size_t line;  // 0: the default was taken
};

struct LaunchReport {
  std::string settingsPath;
  std::string folder;  // where the launcher would run: class paths start here
  bool found = false;  // whether the settings file could be read
  std::vector<SettingReport> settings;  // in the order they are read
  std::string program;
  std::string parameters;
  std::vector<std::string> arguments;  // as the Java runtime splits them
  std::vector<Warning> warnings;

  // 0: a complete command and nothing to warn about; 1: warnings; 2: no file.
  int ExitStatus() const;
};

LaunchReport CheckLaunch(const std::string& settingsPath, const std::string& folder);

}  // namespace brindoka

#endif
