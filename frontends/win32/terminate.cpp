// An exception that nothing catches ends a windowed program at once.
// libstdc++'s own handler would first write the exception's type, demangled,
// to a standard error that such a program does not have; its demangler alone
// is a sixth of the program's code. Defined here, the library's is not linked.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
