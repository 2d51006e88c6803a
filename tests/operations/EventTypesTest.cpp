#include "operations/EventTypes.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(EventTypes, NamesAndCommentsOfTheTypes)
{
    EXPECT_EQ(EventTypeName(0), QStringLiteral("Wszystkie wydarzenia"));
    EXPECT_EQ(EventTypeName(2), QStringLiteral("Wyznaczenie planu amortyzacji księgowej"));
    EXPECT_EQ(EventTypeName(11), QStringLiteral("Zmiana miejsca użytkowania"));
    EXPECT_EQ(EventTypeName(15), QStringLiteral("Storno odpisu"));
    EXPECT_TRUE(EventTypeName(9).isEmpty());
    EXPECT_TRUE(EventTypeName(16).isEmpty());

    EXPECT_EQ(EventComment(3, 2024),
              QStringLiteral("Wyznaczenie planu podatkowej amortyzacji na 2024 rok"));
    EXPECT_EQ(EventComment(13, 2024),
              QStringLiteral("Korekta planu amortyzacji księgowej na rok 2024"));
    EXPECT_EQ(EventComment(4, 2024),
              QStringLiteral("Księgowe umorzenie miesięczne środka trwałego"));
    EXPECT_TRUE(EventComment(11, 2024).isEmpty());
}

TEST(EventTypes, MethodAndFrequencyCodesByFirstCharacter)
{
    EXPECT_EQ(MethodCode(QStringLiteral("L")), QVariant(0.0));
    EXPECT_EQ(MethodCode(QStringLiteral("Degresywna")), QVariant(1.0));
    EXPECT_EQ(MethodCode(QStringLiteral("J")), QVariant(2.0));
    EXPECT_FALSE(MethodCode(QStringLiteral("X")).isValid());
    EXPECT_FALSE(MethodCode(QString()).isValid());
    EXPECT_EQ(FrequencyCode(QStringLiteral("M")), QVariant(0.0));
    EXPECT_EQ(FrequencyCode(QStringLiteral("K")), QVariant(1.0));
    EXPECT_EQ(FrequencyCode(QStringLiteral("R")), QVariant(2.0));
    EXPECT_FALSE(FrequencyCode(QStringLiteral("m")).isValid());
}

} // namespace
