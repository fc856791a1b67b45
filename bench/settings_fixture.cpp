#include "bench/settings_fixture.h"

#include <cstdio>

namespace brindoka::bench {
namespace {

const char kConfig[] =
    "[Config]\r\n"
    "client=lib\\client.jar\r\nlib=lib\\common.jar\r\nsoap=lib\\soap.jar\r\n"
    "xerces=lib\\xercesImpl.jar\r\nmail=lib\\mail.jar\r\n"
    "activation=lib\\activation.jar\r\nmainclass=com.example.client.Main\r\n"
    "router=router.example.com:7000\r\nconf=conf\\client.properties\r\n"
    "javaw=javaw\r\n";
constexpr std::size_t kConfigLines = 11;

// Ten-line sections of ordinary entries, cut to the count asked for.
std::string Filler(std::size_t lines) {
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    std::size_t section = i / 10;
    if (i % 10 == 0) {
      text += "[Section" + std::to_string(section) + "]\r\n";
    } else {
      text += "key" + std::to_string(i % 10) + "=value " + std::to_string(i) +
              " of section " + std::to_string(section) + "\r\n";
    }
  }
  return text;
}

}  // namespace

std::string MakeSettingsFile(std::size_t lines, ConfigAt where) {
  std::string filler = Filler(lines > kConfigLines ? lines - kConfigLines : 0);
  return where == ConfigAt::Top ? kConfig + filler : filler + kConfig;
}

bool WriteSettingsFile(const std::string& path, std::size_t lines, ConfigAt where) {
  std::string text = MakeSettingsFile(lines, where);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace brindoka::bench
