// Settings files of a chosen number of lines for the benchmarks: the
// launcher's [Config] block at the top or at the bottom, the rest sections of
// ordinary entries that it has to walk past.
#ifndef BRINDOKA_BENCH_SETTINGS_FIXTURE_H
#define BRINDOKA_BENCH_SETTINGS_FIXTURE_H

#include <cstddef>
#include <string>

namespace brindoka::bench {

enum class ConfigAt { Top, Bottom };

// A CR LF file of exactly `lines` lines (at least the 11 of [Config]).
std::string MakeSettingsFile(std::size_t lines, ConfigAt where);

// Writes it to path; returns false when it cannot.
bool WriteSettingsFile(const std::string& path, std::size_t lines, ConfigAt where);

}  // namespace brindoka::bench

#endif
