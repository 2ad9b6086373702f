#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/basic_text.h"
#include "support/checked_number.h"
#include "support/round_half_even.h"

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(kw::N(0.5), 0);
  EXPECT_EQ(kw::N(1.5), 2);
  EXPECT_EQ(kw::N(2.5), 2);
  EXPECT_EQ(kw::N(-0.5), 0);
  EXPECT_EQ(kw::N(-1.5), -2);
  EXPECT_EQ(kw::N(0.49999), 0);
  EXPECT_EQ(kw::N16(32767.4), 32767);
  EXPECT_EQ(kw::N64(4294967296.5), 4294967296LL);
}

TEST(RoundHalfEven, OutOfRangeSaturatesAndNanIsZero) {
  EXPECT_EQ(kw::N16(40000.0), 32767);
  EXPECT_EQ(kw::N16(-40000.0), -32768);
  EXPECT_EQ(kw::N32(1e300), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(kw::N32(-std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(kw::N32(std::nan("")), 0);
}

TEST(DefaultText, SingleUsesSevenSignificantDigits) {
  EXPECT_EQ(kw::TextOfSingle(0.1f), "0.1");
  EXPECT_EQ(kw::TextOfSingle(1e8f), "1E+08");
  EXPECT_EQ(kw::TextOfSingle(-2.5e-5f), "-2.5E-05");
  EXPECT_EQ(kw::TextOfSingle(1234567.0f), "1234567");
  EXPECT_EQ(kw::TextOfSingle(12345678.0f), "1.234568E+07");
  EXPECT_EQ(kw::TextOfSingle(0.0001f), "0.0001");
  EXPECT_EQ(kw::TextOfSingle(16.66667f), "16.66667");
  EXPECT_EQ(kw::TextOfSingle(-0.0f), "0");
  EXPECT_EQ(kw::TextOfSingle(100.0f), "100");
}

TEST(DefaultText, DoubleUsesFifteenSignificantDigits) {
  EXPECT_EQ(kw::TextOfDouble(0.1), "0.1");
  EXPECT_EQ(kw::TextOfDouble(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(kw::TextOfDouble(1e15), "1E+15");
  EXPECT_EQ(kw::TextOfDouble(123456789012345.0), "123456789012345");
  EXPECT_EQ(kw::TextOfDouble(-12.5), "-12.5");
}

TEST(Val, ReadsTheLongestLeadingNumber) {
  EXPECT_DOUBLE_EQ(kw::Val("12.5mm"), 12.5);
  EXPECT_DOUBLE_EQ(kw::Val("  -3"), -3.0);
  EXPECT_DOUBLE_EQ(kw::Val("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(kw::Val("1E3x"), 1000.0);
  EXPECT_DOUBLE_EQ(kw::Val("2D2"), 200.0);
  EXPECT_DOUBLE_EQ(kw::Val("7e"), 7.0);      // an exponent without digits is not part of the number
  EXPECT_DOUBLE_EQ(kw::Val("1,5"), 1.0);     // only "." is a decimal point
  EXPECT_DOUBLE_EQ(kw::Val("abc"), 0.0);
  EXPECT_DOUBLE_EQ(kw::Val(""), 0.0);
  EXPECT_DOUBLE_EQ(kw::Val("."), 0.0);
  EXPECT_DOUBLE_EQ(kw::Val("-"), 0.0);
}

TEST(Val, OverflowAndUnderflowAreDefined) {
  EXPECT_TRUE(std::isinf(kw::Val("1e999")));
  EXPECT_LT(kw::Val("-1e999"), 0.0);
  EXPECT_DOUBLE_EQ(kw::Val("1e-999"), 0.0);
}

TEST(CheckedNumber, TheWholeTextIsOneDecimalNumberThatFits) {
  EXPECT_EQ(kw::CheckedNumber<double>("-2.5e-1"), -0.25);
  EXPECT_EQ(kw::CheckedNumber<int16_t>("010"), 10);  // decimal, never octal
  EXPECT_EQ(kw::CheckedNumber<int16_t>("-32768"), -32768);
  for (const char* junk : {"4abc", "", " 5", "5 ", "0x10", "1,5", "inf", "nan", "1e400"}) {
    EXPECT_FALSE(kw::CheckedNumber<double>(junk)) << junk;
  }
  EXPECT_FALSE(kw::CheckedNumber<int16_t>("32768"));
  EXPECT_FALSE(kw::CheckedNumber<int16_t>("1.0"));
  EXPECT_FALSE(kw::CheckedNumber<uint16_t>("-1"));
  EXPECT_FALSE(kw::CheckedNumber<float>("1e39"));
  EXPECT_TRUE(kw::CheckedNumber<double>("1e39"));
}

TEST(CheckedNumber, ProblemsNameWhatIsWrong) {
  EXPECT_EQ(kw::NumberProblem<int16_t>("7", 0, 9), "");
  EXPECT_EQ(kw::NumberProblem<int16_t>("7x", 0, 9), "\"7x\" is not a number");
  EXPECT_EQ(kw::NumberProblem<int16_t>("2.5", 0, 9), "\"2.5\" is not a whole number");
  EXPECT_EQ(kw::NumberProblem<int16_t>("12", 0, 9), "12 is out of range (0..9)");
  EXPECT_EQ(kw::NumberProblem<int16_t>("1e9", 0, 9), "1e9 is out of range (0..9)");
  EXPECT_EQ(kw::NumberProblem<double>("0.5", 1, 10000), "0.5 is out of range (1..10000)");
}

}  // namespace
