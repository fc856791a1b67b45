#include "launcher/launch_check.h"

#include <sys/stat.h>

#include <algorithm>

#include "launcher/launch_sequence.h"
#include "launcher/argument_list.h"

namespace brindoka {
namespace {

bool IsClassPathEntry(Setting setting) {
  return static_cast<std::size_t>(setting) <= static_cast<std::size_t>(Setting::Activation);
}

// A blank between words: blanks at either end only widen the gaps between
// the command's words.
bool HoldsInnerBlank(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  std::size_t last = text.find_last_not_of(" \t");
  return first != std::string::npos &&
         text.substr(first, last - first + 1).find_first_of(" \t") != std::string::npos;
}

bool IsAbsolute(const std::string& path) {
  bool drive = path.size() >= 2 && path[1] == ':';
  return drive || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}

// Whether a class-path entry names something that exists, taken as the
// launcher's Java runtime would: relative to the folder it starts in.
bool EntryExists(const std::string& entry, const std::string& folder) {
  std::string path = IsAbsolute(entry) ? entry : folder + "/" + entry;
#ifndef _WIN32
  if (entry.size() >= 2 && entry[1] == ':') return true;  // a Windows drive: not checkable here
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// Settings the section does not set take their defaults: empty, but for
// javaw, whose default is the one most files rely on.
void CheckMissing(const LaunchReport& report, std::size_t headerLine,
                  std::vector<Warning>* out) {
  std::string missing;
  std::size_t count = 0;
  for (const SettingReport& s : report.settings) {
    if (s.line == 0 && s.key != kSettingKeys.back().key) {
      missing += (missing.empty() ? "\"" : ", \"") + s.key + "\"";
      ++count;
    }
  }
  if (count == 0) return;
  out->push_back({headerLine,
                  missing + (count == 1 ? " is" : " are") + " not set in [Config], so " +
                      (count == 1 ? "it is" : "they are") + " empty",
                  "add a line key=value under [Config] for each"});
}

void CheckSettings(const LaunchReport& report, std::size_t headerLine,
                   std::vector<Warning>* out) {
  CheckMissing(report, headerLine, out);
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const SettingReport& s = report.settings[i];
    auto setting = static_cast<Setting>(i);
    bool set = s.line != 0;
    if (s.value.find('"') != std::string::npos) {
      out->push_back({s.line, "the value of \"" + s.key + "\" holds a double quote, which changes "
                      "how the command's words are grouped",
                      "remove the double quote"});
    }
    bool wordSetting = setting == Setting::MainClass || setting == Setting::Router ||
                       setting == Setting::Conf;
    if (wordSetting && HoldsInnerBlank(s.value)) {
      out->push_back({s.line, "the value of \"" + s.key + "\" holds a blank, so the Java runtime "
                      "receives it as several arguments",
                      "remove the blanks, or give the class one word and the rest elsewhere"});
    }
    if (set && s.value.empty() && (setting == Setting::MainClass || setting == Setting::Javaw)) {
      out->push_back({s.line, setting == Setting::Javaw
                                  ? "\"javaw\" is empty, so no program is started"
                                  : "\"mainclass\" is empty, so the Java runtime has no class to run",
                      setting == Setting::Javaw ? "delete the line to start javaw, or name the program"
                                                : "name the class to run"});
    }
    if (IsClassPathEntry(setting) && !s.value.empty() && !EntryExists(s.value, report.folder)) {
      out->push_back({s.line, "class-path entry \"" + s.key + "\" names " + s.value +
                      ", which is not there in " + report.folder,
                      "correct the path; it is taken relative to the folder the launcher starts in"});
    }
  }
}

}  // namespace

int LaunchReport::ExitStatus() const {
  if (!found) return 2;
  return warnings.empty() ? 0 : 1;
}

LaunchReport CheckLaunch(const std::string& settingsPath, const std::string& folder) {
  LaunchReport report;
  report.settingsPath = settingsPath;
  report.folder = folder;
  CheckedSettingsFile file;
  report.found = file.Read(settingsPath);

  LaunchCommand command;  // the launcher's own reading and composing
  ComposeLaunchCommand(settingsPath.c_str(), &command);
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    EntryLocation location;
    bool found = file.Document().FindEntry(kSettingsSection, kSettingKeys[i].key, &location);
    report.settings.push_back({kSettingKeys[i].key, command.settings[i].CStr(),
                               found ? file.LineOf(location.entryLine) : 0});
  }
  report.program = command.Program();
  report.parameters = command.parameters.CStr();
  report.arguments = SplitArguments(report.parameters);
  if (!report.found) return report;

  std::vector<std::string> keys;
  for (const SettingKey& setting : kSettingKeys) keys.push_back(setting.key);
  report.warnings = file.NearMisses(kSettingsSection, keys);
  const IniLine* header = file.Document().FindSection(kSettingsSection);
  if (header != nullptr) CheckSettings(report, file.LineOf(header), &report.warnings);
  std::stable_sort(report.warnings.begin(), report.warnings.end(),
                   [](const Warning& a, const Warning& b) { return a.line < b.line; });
  return report;
}

}  // namespace brindoka
