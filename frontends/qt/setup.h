// Application-wide settings made once, before any window exists.
#pragma once

namespace movra::qt {

// Names the program, sets its icon, and maps the Windows font names the
// windows ask for to the Japanese faces installed here.
void SetUpApplication();

}  // namespace movra::qt
