// Windows speaks UTF-16; the core and the maker's texts are UTF-8.
#pragma once

#include <string>

namespace movra::win32 {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

}  // namespace movra::win32
