#include "launcher/launch_sequence.h"

#include "ini/ini_document.h"

namespace brindoka {

const std::array<SettingKey, kSettingCount> kSettingKeys = {{
    {"client", ""},
    {"lib", ""},
    {"soap", ""},
    {"xerces", ""},
    {"mail", ""},
    {"activation", ""},
    {"conf", ""},
    {"mainclass", ""},
    {"router", ""},
    {"javaw", "javaw"},
}};

namespace {

// Each value is copied before the next lookup reuses the value buffer.
void TakeSettings(IniDocument& document, LaunchCommand* command) {
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    command->settings[i].Append(document.GetString(
        kSettingsSection, kSettingKeys[i].key, kSettingKeys[i].defaultValue));
  }
}

void ComposeParameters(const LaunchCommand& command, GrowableText* text) {
  text->Append("-classpath \"");
  text->Append(command.Get(Setting::Client));
  for (Setting entry : {Setting::Lib, Setting::Soap, Setting::Xerces,
                        Setting::Mail, Setting::Activation}) {
    text->Append(";");
    text->Append(command.Get(entry));
  }
  text->Append("\" ");
  text->Append(command.Get(Setting::MainClass));
  text->Append(" ");
  text->Append(command.Get(Setting::Router));
  text->Append(" ");
  text->Append(command.Get(Setting::Conf));
}

bool Complete(const LaunchCommand& command) {
  for (const GrowableText& setting : command.settings) {
    if (setting.Failed()) return false;
  }
  return !command.parameters.Failed();
}

}  // namespace

bool ComposeLaunchCommand(const char* settingsPath, LaunchCommand* command) {
  {
    IniDocument document;
    document.Read(settingsPath);  // a missing file leaves every default
    TakeSettings(document, command);
    document.Close();
  }
  ComposeParameters(*command, &command->parameters);
  return Complete(*command);
}

int RunLaunchSequence(StartProgram start) {
  LaunchCommand command;
  if (ComposeLaunchCommand(kSettingsFileName, &command)) {
    start(command.Program(), command.parameters.CStr());
  }
  return 0;
}

}  // namespace brindoka
