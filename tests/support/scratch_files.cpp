#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

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

}  // namespace brindoka::testing
