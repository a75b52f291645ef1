// POSIX systems write bytes as they are.
#include "standard_output.h"

namespace movra::replay {

void WriteStandardOutputAsBytes() {}

}  // namespace movra::replay
