// The least a launcher can do: start javaw from PATH with the worked
// example's arguments, written in, and end without waiting. The yardstick for
// the launcher's own overhead.
#include <spawn.h>

extern char** environ;

int main() {
  char* argv[] = {const_cast<char*>("javaw"), const_cast<char*>("-classpath"),
                  const_cast<char*>("a.jar;b.jar;c.jar;d.jar;e.jar;f.jar"),
                  const_cast<char*>("Main"), const_cast<char*>("Rt"),
                  const_cast<char*>("Cf"), nullptr};
  pid_t child;
  posix_spawnp(&child, "javaw", nullptr, nullptr, argv, environ);
  return 0;
}
