#include "common/Money.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct RoundCase
{
    const char* name;
    long double value;
    double expected;
};

void PrintTo(const RoundCase& c, std::ostream* os)
{
    *os << c.name;
}

class RoundAmountTest : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(RoundAmountTest, HalfAwayFromZeroWithTolerance)
{
    EXPECT_DOUBLE_EQ(RoundAmount(2, GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundAmountTest,
    ::testing::Values(RoundCase{"half_up", 2.345L, 2.35},
                      RoundCase{"half_negative", -2.345L, -2.35},
                      RoundCase{"within_tolerance", 2.34499999995L, 2.35},
                      RoundCase{"below_tolerance", 2.3449999L, 2.34},
                      RoundCase{"half_grosz", 0.005L, 0.01},
                      RoundCase{"half_grosz_negative", -0.005L, -0.01},
                      RoundCase{"zero", 0.0L, 0.0}, RoundCase{"already_round", 120.0L, 120.0},
                      RoundCase{"monthly_share", 10000.0L * 0.07L / 12.0L, 58.33},
                      RoundCase{"float_noise_half", 1.005, 1.01},
                      RoundCase{"float_noise_negative", -1.115, -1.12},
                      RoundCase{"large", 123456789.125L, 123456789.13}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundAmount, DecimalsUseTheirAbsoluteValue)
{
    EXPECT_DOUBLE_EQ(RoundAmount(-2, 2.345L), 2.35);
    EXPECT_DOUBLE_EQ(RoundAmount(0, 2.5L), 3.0);
    EXPECT_DOUBLE_EQ(RoundAmount(0, -2.5L), -3.0);
    EXPECT_DOUBLE_EQ(RoundAmount(0, 2.4L), 2.0);
}

TEST(AmountFormat, DisplayAndEditForms)
{
    struct
    {
        double value;
        const char* display;
        const char* edit;
    } cases[] = {
        {12345.67, "12 345,67", "12345,67"},
        {0.0, "0,00", "0,00"},
        {5.0, "5,00", "5,00"},
        {-0.5, "-0,50", "-0,50"},
        {-0.004, "0,00", "0,00"},
        {999.995, "1 000,00", "1000,00"},
        {1234567890.1, "1 234 567 890,10", "1234567890,10"},
        {100000.0, "100 000,00", "100000,00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatAmount(c.value), QString::fromUtf8(c.display)) << c.value;
        EXPECT_EQ(FormatAmountEdit(c.value), QString::fromUtf8(c.edit)) << c.value;
    }
}

TEST(AmountParse, AcceptsUserFormsAndRefusesTheRest)
{
    struct
    {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12 345,67", true, 12345.67},
        {"12345.67", true, 12345.67},
        {"-5", true, -5.0},
        {"  7,5 ", true, 7.5},
        {"1\xC2\xA0"
         "000,00",
         true, 1000.0},
        {"", false, 0},
        {"abc", false, 0},
        {"1,2,3", false, 0},
        {"-", false, 0},
        {",", false, 0},
        {"1e5", false, 0},
    };
    for (const auto& c : cases) {
        double v = -1;
        EXPECT_EQ(ParseAmount(QString::fromUtf8(c.text), &v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
}

} // namespace
