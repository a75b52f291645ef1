// POSIX systems write bytes as they are.
#include "frontends/replay/standard_output.h"

namespace movra::replay {

void WriteStandardOutputAsBytes() {}

}  // namespace movra::replay
