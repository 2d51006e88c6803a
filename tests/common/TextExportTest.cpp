#include "common/TextExport.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(TextExport, PolishLettersInTheSingleByteCodePage)
{
    const QString polish = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");
    const QByteArray bytes = EncodeWindows1250(polish);
    EXPECT_EQ(
        bytes,
        QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
    EXPECT_EQ(DecodeWindows1250(bytes), polish);
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("€ 中")), QByteArray("\x80 ?"));
}

TEST(TextExport, TabAfterEveryValueAndCrLfLines)
{
    const QByteArray text = TabSeparatedText(
        {QStringLiteral("NUMER ROKU"), QStringLiteral("POCZĄTEK ROKU")},
        {{QStringLiteral("2010"), QStringLiteral("01-01-2010")}, {QString(), QString()}});
    EXPECT_EQ(text, QByteArray("NUMER ROKU\tPOCZ\xA5TEK ROKU\t\r\n2010\t01-01-2010\t\r\n\t\t\r\n"));
}

} // namespace
