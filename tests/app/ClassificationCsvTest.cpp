#include "ClassificationCsv.h"
#include "RightsString.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::admin;

namespace {

TEST(ClassificationCsv, EachBadLineIsNamedWithItsReason)
{
    struct
    {
        const char* line;
        const char* reason; // nullptr: accepted
    } cases[] = {
        {"80;NARZĘDZIA;0;20", nullptr},
        {"9;INWENTARZ ŻYWY;0;", nullptr}, // no rate in the law
        {"10;BUDYNKI;0;2,5", nullptr},    // decimal comma
        {"10;BUDYNKI;0", "oczekiwano 4 pól"},
        {";BEZ SYMBOLU;0;1", "brak symbolu"},
        {"10 1;X;0;1", "zawiera odstęp"},
        {"01234;X;0;1", "więcej niż 4 znaki"},
        {"10;;0;1", "brak nazwy grupy"},
        {"10;X;-1;1", "ujemna stawka minimalna"},
        {"10;X;0;-1", "ujemna stawka maksymalna"},
        {"10;X;5;1", "stawka minimalna przekracza maksymalną"},
        {"10;X;0;dużo", "stawka maksymalna \"dużo\" nie jest liczbą"},
    };
    for (const auto& c : cases) {
        const ClassificationFile f = ParseClassificationCsv(QByteArray(c.line));
        if (!c.reason) {
            EXPECT_TRUE(f.errors.isEmpty()) << c.line << ": " << f.errors.join(' ').toStdString();
            EXPECT_EQ(f.entries.size(), 1) << c.line;
        } else {
            ASSERT_EQ(f.errors.size(), 1) << c.line;
            EXPECT_TRUE(f.errors.first().startsWith(QStringLiteral("wiersz 1: ")));
            EXPECT_TRUE(f.errors.first().contains(QString::fromUtf8(c.reason)))
                << c.line << ": " << f.errors.first().toStdString();
        }
    }
    const ClassificationFile rates = ParseClassificationCsv("10;BUDYNKI;0;2,5\n9;ŻYWY;;\n");
    ASSERT_EQ(rates.entries.size(), 2);
    EXPECT_DOUBLE_EQ(*rates.entries[0].maxRate, 2.5);
    EXPECT_FALSE(rates.entries[1].minRate);
    EXPECT_FALSE(rates.entries[1].maxRate);
}

TEST(ClassificationCsv, NotUtf8IsRefused)
{
    const ClassificationFile f = ParseClassificationCsv("10;BUDYNKI \xB3\xB9;0;1\n"); // cp1250
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_TRUE(f.errors.first().contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(f.entries.isEmpty());
}

TEST(RightsString, ListsBecomeStringsOf255AndBack)
{
    EXPECT_EQ(RightsString::FromList(QStringLiteral("all")), QString(255, QLatin1Char('1')));
    EXPECT_EQ(RightsString::FromList(QStringLiteral("none")), QString(255, QLatin1Char('0')));
    const QString some = RightsString::FromList(QStringLiteral("41, 1-3,255"));
    EXPECT_EQ(some.size(), 255);
    EXPECT_EQ(RightsString::ToList(some), QStringLiteral("1-3,41,255"));
    EXPECT_EQ(RightsString::FromDigits(QStringLiteral("01")).left(3), QStringLiteral("010"));
    for (const char* bad : {"0", "256", "3-1", "1-2-3", "a", ""})
        EXPECT_THROW(RightsString::FromList(QString::fromLatin1(bad)), ValidationError) << bad;
    EXPECT_THROW(RightsString::FromDigits(QStringLiteral("012")), ValidationError);
    EXPECT_THROW(RightsString::FromDigits(QString(256, QLatin1Char('1'))), ValidationError);
}

} // namespace
