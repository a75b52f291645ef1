// The exit statuses that the programs share.
#pragma once

namespace movra::cli {

inline constexpr int Success = 0;
inline constexpr int UsageStatus = 2;  // a bad option, argument or file: nothing was started

}  // namespace movra::cli
