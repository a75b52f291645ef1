// The program's one kind of run-time error: a numbered, untrapped fault that ends the program.
#pragma once

#include <stdexcept>
#include <string>

namespace movra {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message);
    int number() const { return number_; }
    // The text the user is shown, UTF-8: "実行時エラー 'N':", a blank line, the message.
    std::string Report() const;

private:
    int number_;
};

// The two faults the model can raise, with the numbers and texts users of the
// original runtime know.
inline constexpr int OverflowError = 6;
inline constexpr int SubscriptOutOfRangeError = 9;

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseSubscriptOutOfRange();

}  // namespace movra
