#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>

namespace brindoka::testing {
namespace fs = std::filesystem;

namespace {

std::string TestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
  fs::path path = fs::current_path() / "scratch" / TestName();
  fs::remove_all(path);
  fs::create_directories(path);
  path_ = path.string();
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ScratchDirectory::File(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

std::string ScratchDirectory::Write(const std::string& name,
                                    const std::string& bytes) const {
  std::string path = File(name);
  std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
  return path;
}

bool FileIsOpen(const std::string& path) {
#ifdef _WIN32
  std::string moved = path + ".moved";
  if (!MoveFileA(path.c_str(), moved.c_str())) return true;
  MoveFileA(moved.c_str(), path.c_str());
  return false;
#else
  fs::path target = fs::canonical(path);
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    if (fs::read_symlink(entry.path(), ignored) == target) return true;
  }
  return false;
#endif
}

}  // namespace brindoka::testing
