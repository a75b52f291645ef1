#include "core/model/runtime_error.h"

namespace movra {

RuntimeError::RuntimeError(int number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

std::string RuntimeError::Report() const {
    return "実行時エラー '" + std::to_string(number_) + "':\n\n" + what();
}

void RaiseOverflow() {
    throw RuntimeError(OverflowError, "オーバーフローしました。");
}

void RaiseSubscriptOutOfRange() {
    throw RuntimeError(SubscriptOutOfRangeError, "インデックスが有効範囲にありません。");
}

}  // namespace movra
