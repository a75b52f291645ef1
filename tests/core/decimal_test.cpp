// The script's own decimals: read and written exactly as the C library does
// in the "C" locale, which serves here as the reference.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/script/decimal.h"

namespace movra::script {
namespace {

std::string Printed(double value, int digits) {
    std::string text(2000, '\0');
    text.resize(std::size_t(std::snprintf(text.data(), text.size(), "%.*f", digits, value)));
    return text;
}

// Bit for bit, so that -0 and 0 differ.
template <typename Float>
bool Same(Float a, Float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectReadsAsTheLibrary(const std::string& text) {
    EXPECT_TRUE(Same(ReadFloat(text), std::strtof(text.c_str(), nullptr))) << text;
    EXPECT_TRUE(Same(ReadDouble(text), std::strtod(text.c_str(), nullptr))) << text;
}

// Where some C libraries round twice (through a double) and miss: the float
// is given, the double still the library's.
void ExpectReadsAs(const std::string& text, float expected) {
    EXPECT_TRUE(Same(ReadFloat(text), expected)) << text;
    EXPECT_TRUE(Same(ReadDouble(text), std::strtod(text.c_str(), nullptr))) << text;
}

TEST(Decimal, ReadsTheEdgesAsTheLibrary) {
    const float tiny = std::numeric_limits<float>::denorm_min(), top = std::numeric_limits<float>::max();
    for (const std::string text :
         {"0", "-0", "0.0", "-.0", "000", "1", "1.5", "-2.25", ".5", "5.", "0.1", "1799.9999", "1785",
          "7.0000000000000000001", "1.00000000000000011", "9007199254740993", "9007199254740993.0000001",
          "16777217", "16777219", "33554435", "0.30000000000000004", "1000000", "99999999999999999999"})
        ExpectReadsAsTheLibrary(text);
    // The smallest and largest floats, the halfway points beside them, and past them.
    // Halfway points go to the even neighbour.
    ExpectReadsAs(Printed(tiny / 2.0, 1100), 0);
    ExpectReadsAs(Printed(tiny * 1.5, 1100), 2 * tiny);
    ExpectReadsAs(Printed(tiny / 2.0 * 1.0000001, 1100), tiny);
    for (const double value : {double(tiny), double(top),
                               double(top) + std::ldexp(1.0, 103), double(top) + std::ldexp(0.999, 103),
                               std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()})
        ExpectReadsAsTheLibrary(Printed(value, 1100));
    ExpectReadsAsTheLibrary("1" + std::string(400, '0'));
    ExpectReadsAsTheLibrary("0." + std::string(400, '0') + "1");
    // Five times the smallest float, cut short after 61 digits: a hair below it, far
    // nearer it than the halfway point below, so it reads as it.
    const std::string half = "0." + std::string(44, '0') + "7006492321624085354618647916449580656401309709382578858785341";
    ExpectReadsAs(half + std::string(300, '0') + "1", 5 * tiny);
}

TEST(Decimal, ReadsFloatsAndTheirHalfwayPointsAsTheLibrary) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::uint32_t> pattern(0, 0x7f7fffff);
    for (int i = 0; i < 3000; ++i) {
        float value;
        const std::uint32_t bits = pattern(random);
        std::memcpy(&value, &bits, sizeof value);
        const double halfway = (double(value) + double(std::nextafter(value, 2 * value + 1))) / 2;
        ExpectReadsAsTheLibrary(Printed(value, int(random() % 12)));
        ExpectReadsAsTheLibrary(Printed(-halfway, 200));  // exact: ties go to the even float
    }
}

TEST(Decimal, ReadsRandomDigitsAsTheLibrary) {
    std::mt19937 random(54321);
    for (int i = 0; i < 3000; ++i) {
        std::string digits;
        for (int length = int(random() % 30) + 1; length > 0; --length) digits += char('0' + random() % 10);
        digits.insert(digits.begin() + std::ptrdiff_t(random() % (digits.size() + 1)), '.');
        ExpectReadsAsTheLibrary((random() % 2 ? "-" : "") + digits);
    }
}

TEST(Decimal, WritesFixedDigitsAsPrintf) {
    for (const double value : {0.0, -0.0, 0.5, 1.5, 2.5, -0.5, 0.125, 0.375, 9.5, 99.5, 999.9999, 1e300, -1e-300,
                               std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()})
        for (const int digits : {0, 1, 2, 3, 10, 150})
            EXPECT_EQ(WriteFixed(value, digits), Printed(value, digits)) << value << " " << digits;
    std::mt19937 random(999);
    std::uniform_int_distribution<std::uint64_t> pattern(0, 0x7fefffffffffffff);
    std::uniform_real_distribution<double> twips(-1800, 1800);
    for (int i = 0; i < 3000; ++i) {
        const int digits = int(random() % 20);
        double value;
        const std::uint64_t bits = pattern(random);
        std::memcpy(&value, &bits, sizeof value);
        EXPECT_EQ(WriteFixed(value, digits), Printed(value, digits)) << bits << " " << digits;
        const double near = double(float(twips(random)));
        EXPECT_EQ(WriteFixed(near, digits), Printed(near, digits)) << near << " " << digits;
    }
}

}  // namespace
}  // namespace movra::script
