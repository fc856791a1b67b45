// The launcher's whole run, as portable code: read the settings file, take the
// ten settings, compose the Java command's parameters, and hand the program
// name and parameter text to a platform's start operation. Nothing here
// touches the operating system beyond reading the settings file.
#ifndef BRINDOKA_LAUNCHER_LAUNCH_SEQUENCE_H
#define BRINDOKA_LAUNCHER_LAUNCH_SEQUENCE_H

#include <array>
#include <cstddef>

#include "launcher/growable_text.h"

namespace brindoka {

// Read from the process's current directory, not the executable's.
constexpr const char* kSettingsFileName = "Brindoka.Ini";
constexpr const char* kSettingsSection = "Config";

// The settings, in the order they are read.
enum class Setting : std::size_t {
  Client, Lib, Soap, Xerces, Mail, Activation,  // the class path, in order
  Conf, MainClass, Router,
  Javaw,  // the program to start
};
constexpr std::size_t kSettingCount = 10;

struct SettingKey {
  const char* key;
  const char* defaultValue;  // never none: a none default skips the lookup
};
extern const std::array<SettingKey, kSettingCount> kSettingKeys;

struct LaunchCommand {
  std::array<GrowableText, kSettingCount> settings;  // as read
  GrowableText parameters;

  const GrowableText& Get(Setting setting) const {
    return settings[static_cast<std::size_t>(setting)];
  }
  const char* Program() const { return Get(Setting::Javaw).CStr(); }
};

// Reads the settings file at path (missing or unreadable: every setting takes
// its default), takes the settings and composes the parameter text:
//   -classpath "client;lib;soap;xerces;mail;activation" mainclass router conf
// by plain concatenation, values unchanged. Returns false, with nothing to
// start, when memory ran out on the way. The command must be fresh.
bool ComposeLaunchCommand(const char* settingsPath, LaunchCommand* command);

// The platform's way of starting a program; its result is not looked at.
using StartProgram = void (*)(const char* program, const char* parameters);

// The launcher's run in the current directory: composes the command from
// "Brindoka.Ini" and starts it, unless memory ran out. Always returns 0.
int RunLaunchSequence(StartProgram start);

}  // namespace brindoka

#endif  // BRINDOKA_LAUNCHER_LAUNCH_SEQUENCE_H
