// Windows's C runtime opens standard output in text mode, which writes "\n" as "\r\n".
#include "frontends/replay/standard_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace movra::replay {

void WriteStandardOutputAsBytes() { _setmode(_fileno(stdout), _O_BINARY); }

}  // namespace movra::replay
