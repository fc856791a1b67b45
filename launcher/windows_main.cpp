// The Windows entry point: a GUI-subsystem program with no window. All it
// does is hand the composed command to the shell and end without waiting.
#include <windows.h>
#include <shellapi.h>

#include "launcher/launch_sequence.h"

namespace {

// No owner window, the shell's default verb, no directory (the program starts
// in the launcher's current directory), always shown normally. A failure is
// not reported: the launcher has no way to show one.
void StartWithShell(const char* program, const char* parameters) {
  ShellExecuteA(nullptr, nullptr, program, parameters, nullptr, SW_SHOWNORMAL);
}

}  // namespace

// The arguments, the show state included, are deliberately ignored.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return brindoka::RunLaunchSequence(&StartWithShell);
}
