// brindoka-check: tells what Brindoka.exe would start from a settings file,
// and why, so that a broken file can be mended without guessing. The
// launcher itself stays silent; this is its voice.
//   brindoka-check [--json] [FOLDER | SETTINGS-FILE]
// Exit status: 0 a complete command and nothing to warn about, 1 warnings,
// 2 no settings file found.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/launch_check.h"
#include "launcher/launch_sequence.h"

namespace {

using brindoka::LaunchReport;

constexpr int kUsageError = 3;

bool IsDirectory(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == S_IFDIR;
}

std::string ParentOf(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// A value between double quotes, with tabs and other control bytes spelled
// out and blanks at either end counted, so that nothing hides.
std::string Shown(const std::string& value) {
  std::string out = "\"";
  for (unsigned char c : value) {
    if (c == '\t') {
      out += "<TAB>";
    } else if (c < 0x20 || c == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "<0x%02X>", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += "\"";
  std::size_t leading = 0, trailing = 0;
  while (leading < value.size() && value[leading] == ' ') ++leading;
  while (trailing < value.size() - leading && value[value.size() - 1 - trailing] == ' ') {
    ++trailing;
  }
  if (leading > 0 || trailing > 0) {
    out += " (" + std::to_string(leading) + " blank(s) before, " +
           std::to_string(trailing) + " after)";
  }
  return out;
}

void PrintText(const LaunchReport& report) {
  if (report.found) {
    std::printf("Settings file: %s\n", report.settingsPath.c_str());
  } else {
    std::printf("No settings file: %s cannot be read, so every setting takes its default.\n",
                report.settingsPath.c_str());
  }
  std::printf("\nSettings in [Config]:\n");
  for (const brindoka::SettingReport& s : report.settings) {
    std::string from = s.line != 0 ? "line " + std::to_string(s.line) : "default";
    std::printf("  %-10s  %-8s  %s\n", s.key.c_str(), from.c_str(), Shown(s.value).c_str());
  }
  std::printf("\nThe launcher asks the shell to start: %s\n", Shown(report.program).c_str());
  std::printf("with the parameters: %s\n", report.parameters.c_str());
  std::printf("\nThe Java runtime receives %zu arguments:\n", report.arguments.size());
  for (std::size_t i = 0; i < report.arguments.size(); ++i) {
    std::printf("  %2zu  %s\n", i + 1, Shown(report.arguments[i]).c_str());
  }
  if (report.warnings.empty()) {
    std::printf("\n%s\n", report.found ? "No warnings." : "");
    return;
  }
  std::printf("\nWarnings:\n");
  for (const brindoka::Warning& w : report.warnings) {
    std::string where = w.line != 0 ? "line " + std::to_string(w.line) : "file";
    std::printf("  %s: %s\n  %*s  fix: %s\n", where.c_str(), w.message.c_str(),
                static_cast<int>(where.size()), "", w.fix.c_str());
  }
}

// JSON text: bytes from 0x80 up are written as the characters of the same
// number, so the output is always valid, whatever the file's code page.
std::string Json(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

void PrintJson(const LaunchReport& report) {
  std::printf("{\n  \"settingsFile\": %s,\n  \"found\": %s,\n  \"folder\": %s,\n",
              Json(report.settingsPath).c_str(), report.found ? "true" : "false",
              Json(report.folder).c_str());
  std::printf("  \"settings\": [");
  for (std::size_t i = 0; i < report.settings.size(); ++i) {
    const brindoka::SettingReport& s = report.settings[i];
    std::printf("%s\n    {\"key\": %s, \"value\": %s, \"line\": %zu, \"default\": %s}",
                i ? "," : "", Json(s.key).c_str(), Json(s.value).c_str(), s.line,
                s.line == 0 ? "true" : "false");
  }
  std::printf("\n  ],\n  \"program\": %s,\n  \"parameters\": %s,\n  \"arguments\": [",
              Json(report.program).c_str(), Json(report.parameters).c_str());
  for (std::size_t i = 0; i < report.arguments.size(); ++i) {
    std::printf("%s%s", i ? ", " : "", Json(report.arguments[i]).c_str());
  }
  std::printf("],\n  \"warnings\": [");
  for (std::size_t i = 0; i < report.warnings.size(); ++i) {
    const brindoka::Warning& w = report.warnings[i];
    std::printf("%s\n    {\"line\": %zu, \"message\": %s, \"fix\": %s}", i ? "," : "", w.line,
                Json(w.message).c_str(), Json(w.fix).c_str());
  }
  std::printf("%s],\n  \"status\": %d\n}\n", report.warnings.empty() ? "" : "\n  ",
              report.ExitStatus());
}

int Usage() {
  std::fprintf(stderr,
               "usage: brindoka-check [--json] [FOLDER | SETTINGS-FILE]\n"
               "Shows what Brindoka.exe would start from the settings file in FOLDER\n"
               "(default: the current folder) or from SETTINGS-FILE, and warns about\n"
               "lines that do not mean what they seem to.\n"
               "Exit status: 0 all well, 1 warnings, 2 no settings file, 3 usage.\n");
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  std::string target;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 ||
               std::strcmp(argv[i], "/?") == 0 || !target.empty()) {
      return Usage();
    } else {
      target = argv[i];
    }
  }
  if (target.empty()) target = ".";
  // A folder means its Brindoka.Ini, as the launcher started there reads it.
  bool folder = IsDirectory(target);
  std::string path = folder ? target + "/" + brindoka::kSettingsFileName : target;
  LaunchReport report = brindoka::CheckLaunch(path, folder ? target : ParentOf(target));
  if (json) {
    PrintJson(report);
  } else {
    PrintText(report);
  }
  return report.ExitStatus();
}
