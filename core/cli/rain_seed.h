// --rain-seed, alike for every program that lets drops fall by themselves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/cli/option_parser.h"

namespace movra::cli {

inline const Option RainSeedOption{
    {"rain-seed"}, "N", "Rain from the random sequence N (0 to 4294967295), the same every run."};

// The seed given, or none; false, the reason added to err, when the value is no seed.
bool ReadRainSeed(const Arguments& arguments, const std::string& program, std::optional<std::uint32_t>& seed,
                  std::string& err);

}  // namespace movra::cli
