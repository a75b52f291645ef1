#include "core/cli/rain_seed.h"

#include "core/cli/messages.h"

namespace movra::cli {

bool ReadRainSeed(const Arguments& arguments, const std::string& program, std::optional<std::uint32_t>& seed,
                  std::string& err) {
    if (!arguments.IsSet("rain-seed")) return true;
    const std::optional<long long> value = WholeNumber(arguments.Value("rain-seed"), 0, 4294967295);
    if (!value) {
        err += UsageMessage(program, "--rain-seed must be a whole number from 0 to 4294967295.");
        return false;
    }
    seed = std::uint32_t(*value);
    return true;
}

}  // namespace movra::cli
