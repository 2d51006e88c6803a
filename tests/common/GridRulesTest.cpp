#include "common/GridRules.h"

#include <QAbstractTableModel>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Rows of texts under titles; the first column also names its field.
class TextTable : public QAbstractTableModel
{
public:
    TextTable(QStringList titles, QList<QStringList> rows, QString firstField = {})
        : m_titles(std::move(titles)), m_rows(std::move(rows)), m_firstField(std::move(firstField))
    {
    }
    int rowCount(const QModelIndex& = {}) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return int(m_titles.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(m_rows[index.row()][index.column()]) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override
    {
        if (role == kColumnNameRole && section == 0 && !m_firstField.isEmpty())
            return m_firstField;
        return role == Qt::DisplayRole ? QVariant(m_titles[section]) : QVariant();
    }

private:
    QStringList m_titles;
    QList<QStringList> m_rows;
    QString m_firstField;
};

struct MatchCase
{
    const char* cell;
    const char* text;
    bool fromBeginning;
    bool caseSensitive;
    bool matches;
};

TEST(SearchMatches, BeginningAnywhereAndCase)
{
    const MatchCase cases[] = {
        {"Komputer", "kom", true, false, true},
        {"Stacja komputerowa", "kom", true, false, false},
        {"Stacja komputerowa", "kom", false, false, true},
        {"Komputer", "kom", false, false, true},
        {"Komputer", "kom", true, true, false},
        {"Komputer", "Kom", true, true, true},
        {"Stacja Komputerowa", "kom", false, true, false},
        {"Stacja komputerowa", "kom", false, true, true},
        {"Żuraw łańcuchowy", "żURAW Ł", true, false, true},
        {"Żuraw łańcuchowy", "ŁAŃCUCH", false, false, true},
        {"Ko", "Kom", true, false, false},
        {"Komputer", "", true, false, false},
        {"Komputer", "", false, false, false},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(SearchMatches(QString::fromUtf8(c.cell), QString::fromUtf8(c.text),
                                {c.fromBeginning, c.caseSensitive}),
                  c.matches)
            << c.cell << " / " << c.text << " begin=" << c.fromBeginning
            << " case=" << c.caseSensitive;
}

TEST(FindMatchingRow, StartsAtTheGivenRowAndReportsNone)
{
    const TextTable model({"Nazwa"},
                          {{"Stacja komputerowa"}, {"Komputer"}, {"Biurko"}, {"Komoda"}});
    EXPECT_EQ(FindMatchingRow(model, 0, 0, QStringLiteral("kom"), {true, false}), 1);
    EXPECT_EQ(FindMatchingRow(model, 0, 0, QStringLiteral("kom"), {false, false}), 0);
    EXPECT_EQ(FindMatchingRow(model, 0, 2, QStringLiteral("kom"), {true, false}), 3);
    EXPECT_EQ(FindMatchingRow(model, 0, 4, QStringLiteral("kom"), {true, false}), -1);
    EXPECT_EQ(FindMatchingRow(model, 0, 0, QStringLiteral("szafa"), {false, false}), -1);
    EXPECT_EQ(FindMatchingRow(model, 5, 0, QStringLiteral("kom"), {false, false}), -1);
}

TEST(ColumnFieldName, HeaderRoleBeforeTitle)
{
    const TextTable model({QStringLiteral("Nazwa środka"), "Id"}, {}, "nazwa");
    EXPECT_EQ(ColumnFieldName(model, 0), QStringLiteral("NAZWA"));
    EXPECT_EQ(ColumnFieldName(model, 1), QStringLiteral("ID"));
    EXPECT_EQ(ColumnOfField(model, QStringLiteral("Nazwa")), 0);
    EXPECT_EQ(ColumnOfField(model, QStringLiteral("WART_ZAKT")), -1);
}

TEST(SortFields, WholeEntriesInCapitals)
{
    const QString valid = QStringLiteral("NR_INWENT;Nazwa;DATA_NABYCIA");
    EXPECT_TRUE(IsValidSortField(valid, QStringLiteral("NAZWA")));
    EXPECT_TRUE(IsValidSortField(valid, QStringLiteral("nr_inwent")));
    EXPECT_FALSE(IsValidSortField(valid, QStringLiteral("NR")));
    EXPECT_FALSE(IsValidSortField(valid, QStringLiteral("DATA")));
    EXPECT_FALSE(IsValidSortField(valid, QStringLiteral("WART_ZAKT")));
    EXPECT_FALSE(IsValidSortField(valid, QString()));
    EXPECT_FALSE(IsValidSortField(QString(), QStringLiteral("NAZWA")));

    // The mark follows the table's own order only to a single valid field.
    EXPECT_EQ(FollowedSortField("NAZWA", "DATA_NABYCIA", valid), QStringLiteral("DATA_NABYCIA"));
    EXPECT_EQ(FollowedSortField("NAZWA", "WART_ZAKT", valid), QStringLiteral("NAZWA"));
    EXPECT_EQ(FollowedSortField("NAZWA", "NAZWA;ID", valid), QStringLiteral("NAZWA"));
    EXPECT_EQ(FollowedSortField("NAZWA", "", valid), QStringLiteral("NAZWA"));
}

TEST(WithMissingDefaultColumns, NewDefaultsAppendedHiddenAtTheEnd)
{
    const QList<GridColumnLayoutEntry> defaults = {
        {"NR_INWENT", "Nr inwentarzowy", true, 80},
        {"NAZWA", "Nazwa", true, 200},
        {"KRST", "Symbol KŚT", true, 60},
    };
    // A stored layout of an older version: reordered, one hidden, the KŚT column unknown,
    // and one column renamed by its user.
    const QList<GridColumnLayoutEntry> stored = {
        {"NAZWA", "Nazwa", true, 250},
        {"NR_INWENT", "Numer", false, 80},
    };
    const QList<GridColumnLayoutEntry> merged = WithMissingDefaultColumns(stored, defaults);
    ASSERT_EQ(merged.size(), 4);
    EXPECT_EQ(merged[0], stored[0]);
    EXPECT_EQ(merged[1], stored[1]);
    EXPECT_EQ(merged[2].title, QStringLiteral("Nr inwentarzowy"));
    EXPECT_FALSE(merged[2].visible);
    EXPECT_EQ(merged[3].field, QStringLiteral("KRST"));
    EXPECT_FALSE(merged[3].visible);
    EXPECT_EQ(merged[3].width, 60);

    EXPECT_EQ(WithMissingDefaultColumns(defaults, defaults), defaults);
}

} // namespace
