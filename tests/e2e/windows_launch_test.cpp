// Brindoka.exe end to end under Wine: the real executable, started the ways a
// user starts it, with a recording stand-in for the Java runtime.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/launch_cases.h"
#include "tests/e2e/launch_record.h"
#include "tests/support/scratch_files.h"

namespace brindoka::testing {
namespace {

enum class StartMode { Plain, WithArguments, StartMinimised };

const char* ModeName(StartMode mode) {
  switch (mode) {
    case StartMode::Plain: return "Plain";
    case StartMode::WithArguments: return "WithArguments";
    case StartMode::StartMinimised: return "StartMinimised";
  }
  return "?";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return std::string(buffer, length);
}

// Runs command line in directory inside a job, so that the program the
// launcher starts is waited for too. Returns the first process's exit code.
DWORD RunAndWaitForAll(std::string commandLine, const std::string& directory,
                       WORD show) {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  EXPECT_NE(job, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process = {};
  BOOL created = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr,
                                FALSE, CREATE_SUSPENDED, nullptr,
                                directory.c_str(), &startup, &process);
  EXPECT_TRUE(created) << commandLine;
  if (!created) return 255;
  AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  WaitForSingleObject(process.hProcess, 30000);
  DWORD exitCode = 255;
  GetExitCodeProcess(process.hProcess, &exitCode);

  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
  for (int waited = 0; waited < 30000; waited += 20) {
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation,
                              &accounting, sizeof accounting, nullptr);
    if (accounting.ActiveProcesses == 0) break;
    Sleep(20);
  }
  EXPECT_EQ(accounting.ActiveProcesses, 0u) << "still running: " << commandLine;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(job);
  return exitCode;
}

class WindowsLaunch : public ::testing::TestWithParam<std::tuple<LaunchCase, StartMode>> {};

TEST_P(WindowsLaunch, StartsExactlyTheComposedCommand) {
  const auto& [c, mode] = GetParam();
  ScratchDirectory scratch;
  // The launcher lives apart from its current directory, with a decoy
  // settings file beside it that must not be read.
  std::string bin = scratch.File("bin");
  std::string run = scratch.File("run");
  CreateDirectoryA(bin.c_str(), nullptr);
  CreateDirectoryA(run.c_str(), nullptr);
  std::string launcher = FullPath(bin + "\\Brindoka.exe");
  ASSERT_TRUE(CopyFileA(BRINDOKA_EXE, launcher.c_str(), FALSE));
  scratch.Write("bin\\Brindoka.Ini", "[Config]\nmainclass=Decoy\njavaw=decoy\n");
  if (c.settings) scratch.Write("run\\Brindoka.Ini", *c.settings);

  std::string program = c.customProgram.empty() ? "javaw.exe" : c.customProgram;
  std::filesystem::path programPath = std::filesystem::path(run) / program;
  std::filesystem::create_directories(programPath.parent_path());
  ASSERT_TRUE(CopyFileA(RECORDER_EXE, programPath.string().c_str(), FALSE));

  DWORD exitCode = 255;
  switch (mode) {
    case StartMode::Plain:
      exitCode = RunAndWaitForAll(Quoted(launcher), run, SW_SHOWNORMAL);
      break;
    case StartMode::WithArguments: {
      std::string commandLine = Quoted(launcher);
      for (const std::string& argument : IgnoredLauncherArguments()) {
        commandLine += " " + Quoted(argument);
      }
      exitCode = RunAndWaitForAll(commandLine, run, SW_SHOWMINNOACTIVE);
      break;
    }
    case StartMode::StartMinimised:
      // What "wine start /min Brindoka.exe" does.
      exitCode = RunAndWaitForAll("start.exe /min /wait " + Quoted(launcher), run,
                                  SW_SHOWNORMAL);
      break;
  }
  EXPECT_EQ(exitCode, 0u);

  std::optional<LaunchRecord> record = ReadLaunchRecord(run + "\\recorded.txt");
  ASSERT_EQ(record.has_value(), c.started);
  if (!c.started) return;
  EXPECT_EQ(ParametersOf(record->fields["commandline"]), c.parameters)
      << record->fields["commandline"];
  EXPECT_EQ(record->arguments, c.arguments);
  EXPECT_EQ(record->fields["cwd"], FullPath(run));
  EXPECT_EQ(record->fields["show"], "1");  // SW_SHOWNORMAL, whatever was given
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsLaunch,
    ::testing::Combine(::testing::ValuesIn(LaunchCases("tools\\jre\\runner.exe")),
                       ::testing::Values(StartMode::Plain, StartMode::WithArguments,
                                         StartMode::StartMinimised)),
    [](const auto& info) {
      return std::get<0>(info.param).name + "_" + ModeName(std::get<1>(info.param));
    });

}  // namespace
}  // namespace brindoka::testing
