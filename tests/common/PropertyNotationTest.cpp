#include "common/PropertyNotation.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(PropertyNotation, Keys)
{
    EXPECT_EQ(PropertyKey("pnlDrzewo", "Width"), QStringLiteral("pnlDrzewo.Width"));
    EXPECT_EQ(CollectionItemKey("grdSrodki", "Columns", 0, "FieldName"),
              QStringLiteral("grdSrodki.Columns<item(0)>.FieldName"));
    EXPECT_EQ(CollectionItemKey("grdSrodki", "Columns", 12, "Width"),
              QStringLiteral("grdSrodki.Columns<item(12)>.Width"));
}

TEST(PropertyNotation, ValuesRoundTrip)
{
    struct Case
    {
        QVariant value;
        QString stored;
    };
    const Case cases[] = {
        {QVariant(true), "True"},
        {QVariant(false), "False"},
        {QVariant(250), "250"},
        {QVariant(-3), "-3"},
        {QVariant(QStringLiteral("Nazwa środka")), "\"'Nazwa środka'\""},
        {QVariant(QStringLiteral("'w cudzysłowie' i ''dalej")),
         "\"'''w cudzysłowie'' i ''''dalej'\""},
        {QVariant(QString()), "\"''\""},
        {QVariant(QStringLiteral("250")), "\"'250'\""},
        {QVariant(QStringLiteral("True")), "\"'True'\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodePropertyValue(c.value), c.stored) << c.value.toString().toStdString();
        EXPECT_EQ(DecodePropertyValue(c.stored), c.value) << c.stored.toStdString();
    }
    // What an INI reader that strips one pair of quotes hands back still decodes.
    EXPECT_EQ(DecodePropertyValue("'Nazwa'"), QVariant(QStringLiteral("Nazwa")));
    EXPECT_EQ(DecodePropertyValue("2.5"), QVariant(2.5));
    EXPECT_EQ(DecodePropertyValue("taLeftJustify"), QVariant(QStringLiteral("taLeftJustify")));
}

} // namespace
