// Standard output as a stream of bytes: the trace is the same file on every system.
#pragma once

namespace movra::replay {

// Where the C runtime turns "\n" into "\r\n" on the way out (Windows), stops it.
void WriteStandardOutputAsBytes();

}  // namespace movra::replay
