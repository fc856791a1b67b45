// The POSIX stand-in for the Windows entry point: the same launch sequence,
// with a start operation that does what the Windows shell would do for a
// bare program name: find it on PATH and start it without waiting, its
// arguments split from the parameter text as a Windows program would split
// them.
#include <spawn.h>

#include <new>
#include <string>
#include <vector>

#include "launcher/launch_sequence.h"
#include "launcher/windows_command_line.h"

extern char** environ;

namespace {

void StartWithSpawn(const char* program, const char* parameters) {
  try {
    std::vector<std::string> arguments = 
        brindoka::SplitWindowsArguments(parameters);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program));
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    pid_t child;
    // Like the shell's, a failure to start is not reported.
    posix_spawnp(&child, program, nullptr, nullptr, argv.data(), environ);
  } catch (const std::bad_alloc&) {
    // Out of memory: start nothing rather than a half-built command.
  }
}

}  // namespace

// Arguments are ignored, as on Windows.
int main() { return brindoka::RunLaunchSequence(&StartWithSpawn); }
