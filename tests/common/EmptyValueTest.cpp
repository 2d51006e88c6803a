#include "common/EmptyValue.h"

#include <QDate>
#include <QSqlField>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(IsEmptyValue, ByTypeCode)
{
    struct
    {
        const char* name;
        QVariant value;
        char type;
        bool zeroIsEmpty;
        bool expected;
    } cases[] = {
        {"null", QVariant(), 'S', false, true},
        {"empty string kept", QString(""), 'S', false, false},
        {"empty string zero", QString(""), 'S', true, true},
        {"text", QString("x"), 'S', true, false},
        {"float zero kept", 0.0, 'F', false, false},
        {"float zero empty", 0.0, 'F', true, true},
        {"float value", 1.5, 'F', true, false},
        {"int zero empty", 0, 'I', true, true},
        {"int value", 7, 'I', true, false},
        {"date set", QDate(2010, 1, 1), 'D', true, false},
        {"date unset", QDate(), 'D', true, true},
        {"other code", 5, 'X', false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsEmptyValue(c.value, QChar(c.type), c.zeroIsEmpty), c.expected) << c.name;
}

TEST(IsEmptyValue, RecordAndEmptyDataset)
{
    EXPECT_TRUE(IsEmptyValue(nullptr, QStringLiteral("NAZWA"), QChar('S'), false));
    QSqlRecord rec;
    rec.append(QSqlField(QStringLiteral("NAZWA"), QMetaType(QMetaType::QString)));
    rec.setValue(0, QString(""));
    EXPECT_FALSE(IsEmptyValue(&rec, QStringLiteral("NAZWA"), QChar('S'), false));
    rec.setNull(0);
    EXPECT_TRUE(IsEmptyValue(&rec, QStringLiteral("NAZWA"), QChar('S'), false));
}

} // namespace
