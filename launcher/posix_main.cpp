// The POSIX stand-in for the Windows entry point: the same launch sequence,
// with a start operation that does what the Windows shell would do for a
// bare program name: find it on PATH and start it without waiting, its
// arguments split from the parameter text as a Windows program would split
// them. Like the Windows build it does without the C++ runtime's heavier
// parts, so that it starts about as fast as a program can.
#include <spawn.h>

#include "ini/memory.h"
#include "launcher/launch_sequence.h"
#include "launcher/windows_command_line.h"

extern char** environ;

namespace {

// Out of memory: nothing is started rather than a half-built command. Like
// the shell's, a failure to start is not reported.
void StartWithSpawn(const char* program, const char* parameters) {
  brindoka::GrowableText arguments;
  std::size_t count = brindoka::SplitWindowsArguments(parameters, &arguments);
  if (arguments.Failed()) return;
  auto** argv = static_cast<char**>(
      brindoka::AllocateMemory((count + 2) * sizeof(char*)));
  if (argv == nullptr) return;
  argv[0] = const_cast<char*>(program);
  const char* next = arguments.CStr();
  for (std::size_t i = 1; i <= count; ++i) {
    argv[i] = const_cast<char*>(next);
    while (*next != '\0') ++next;
    ++next;
  }
  argv[count + 1] = nullptr;
  pid_t child;
  posix_spawnp(&child, program, nullptr, nullptr, argv, environ);
  brindoka::ReleaseMemory(argv);
}

}  // namespace

// Arguments are ignored, as on Windows.
int main() { return brindoka::RunLaunchSequence(&StartWithSpawn); }
