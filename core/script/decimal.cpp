#include "core/script/decimal.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

namespace movra::script {
namespace {

// A non-negative number, exactly: 0.digits times 10^point, without leading
// or trailing zeros (zero has no digits).
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal Normal(std::string digits, int point) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    digits.erase(digits.find_last_not_of('0') + 1);
    digits.erase(0, first);
    return {digits, point - int(first)};
}

// The sign of a - b.
int Compare(const Decimal& a, const Decimal& b) {
    if (a.digits.empty() || b.digits.empty()) return int(!a.digits.empty()) - int(!b.digits.empty());
    if (a.point != b.point) return a.point < b.point ? -1 : 1;
    return a.digits.compare(b.digits);
}

// significand (not zero) times 2^exponent, doubled or halved up to 32 times a pass.
Decimal Exact(std::uint64_t significand, int exponent) {
    std::string digits = std::to_string(significand);
    int point = int(digits.size());
    for (; exponent > 0; exponent -= std::min(exponent, 32)) {
        const int shift = std::min(exponent, 32);
        std::uint64_t carry = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            carry += std::uint64_t(*digit - '0') << shift;
            *digit = char('0' + carry % 10);
            carry /= 10;
        }
        for (; carry > 0; carry /= 10, ++point) digits.insert(digits.begin(), char('0' + carry % 10));
    }
    for (; exponent < 0; exponent += std::min(-exponent, 32)) {
        const int shift = std::min(-exponent, 32);
        const std::uint64_t mask = (std::uint64_t(1) << shift) - 1;
        std::uint64_t rest = 0;
        for (char& digit : digits) {
            rest = rest * 10 + std::uint64_t(digit - '0');
            digit = char('0' + (rest >> shift));
            rest &= mask;
        }
        for (; rest > 0; rest &= mask) digits += char('0' + ((rest *= 10) >> shift));
        const std::size_t zeros = digits.find_first_not_of('0');
        digits.erase(0, zeros);
        point -= int(zeros);
    }
    return Normal(digits, point);
}

template <typename Float>
using BitsOf = std::conditional_t<sizeof(Float) == 4, std::uint32_t, std::uint64_t>;

template <typename Float>
constexpr int FractionBits = std::numeric_limits<Float>::digits - 1;

template <typename Float>
constexpr BitsOf<Float> Infinity = BitsOf<Float>(2 * std::numeric_limits<Float>::max_exponent - 1)
                                   << FractionBits<Float>;

// The value of a non-negative finite pattern: significand times 2^exponent.
struct Parts {
    std::uint64_t significand;
    int exponent;
};

template <typename Float>
Parts Split(BitsOf<Float> bits) {
    const int biased = int(bits >> FractionBits<Float>);
    const std::uint64_t fraction = bits & ((BitsOf<Float>(1) << FractionBits<Float>) - 1);
    return {biased > 0 ? fraction | (std::uint64_t(1) << FractionBits<Float>) : fraction,
            std::max(biased, 1) - (std::numeric_limits<Float>::max_exponent - 1) - FractionBits<Float>};
}

template <typename To, typename From>
To Cast(From from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// A pattern near target, from its first digits in double arithmetic; only
// where the exact search starts.
template <typename Float>
BitsOf<Float> Guess(const Decimal& target) {
    const int used = std::min(int(target.digits.size()), 17);
    double guess = 0;
    for (int i = 0; i < used; ++i) guess = guess * 10 + (target.digits[i] - '0');
    const int scale = target.point - used;
    for (int i = 0; i < scale && guess <= std::numeric_limits<double>::max(); ++i) guess *= 10;
    for (int i = 0; i > scale && guess > 0; --i) guess /= 10;
    if (!(guess < std::numeric_limits<Float>::max())) return Infinity<Float>;
    return Cast<BitsOf<Float>>(Float(guess));
}

template <typename Float>
Float Read(std::string_view text) {
    using Bits = BitsOf<Float>;
    const bool negative = !text.empty() && text[0] == '-';
    text.remove_prefix(negative);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view after = text.substr(std::min(point + 1, text.size()));
    const Decimal target = Normal(std::string(text.substr(0, point)).append(after), int(point));
    // Whether target rounds to bits or to less: it lies below the midpoint
    // between bits and the next pattern, or on it when bits is even.
    const auto roundsDown = [&](Bits bits) {
        const Parts parts = Split<Float>(bits);
        const int order = Compare(target, Exact(2 * parts.significand + 1, parts.exponent - 1));
        return order < 0 || (order == 0 && bits % 2 == 0);
    };
    // The nearest is the least pattern that target rounds down to.
    Bits bits = Guess<Float>(target);
    while (bits < Infinity<Float> && !roundsDown(bits)) ++bits;
    while (bits > 0 && roundsDown(bits - 1)) --bits;
    const Float value = Cast<Float>(bits);
    return negative ? -value : value;
}

}  // namespace

float ReadFloat(std::string_view text) { return Read<float>(text); }
double ReadDouble(std::string_view text) { return Read<double>(text); }

std::string WriteFixed(double value, int digits) {
    const auto bits = Cast<std::uint64_t>(value);
    const Parts parts = Split<double>(bits & (Infinity<double> | ((std::uint64_t(1) << FractionBits<double>) - 1)));
    const Decimal exact = parts.significand > 0 ? Exact(parts.significand, parts.exponent) : Decimal{};
    // The value in units of the last digit kept, rounded.
    const int kept = exact.point + digits, length = int(exact.digits.size());
    std::string units = exact.digits.substr(0, std::size_t(std::clamp(kept, 0, length)));
    if (kept > length) units.append(std::size_t(kept - length), '0');
    const char next = kept >= 0 && kept < length ? exact.digits[std::size_t(kept)] : '0';
    const bool odd = !units.empty() && (units.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (kept + 1 < length || odd))) {
        std::size_t carry = units.find_last_not_of('9');
        if (carry == std::string::npos) {
            units.insert(units.begin(), '0');
            carry = 0;
        }
        ++units[carry];
        std::fill(units.begin() + std::ptrdiff_t(carry) + 1, units.end(), '0');
    }
    if (int(units.size()) <= digits) units.insert(0, std::size_t(digits + 1) - units.size(), '0');
    if (digits > 0) units.insert(units.end() - digits, '.');
    return (bits >> 63 ? "-" : "") + units;
}

}  // namespace movra::script
