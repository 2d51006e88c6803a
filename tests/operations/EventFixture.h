#pragma once

#include "operations/EventWriter.h"
#include "store/BitSelect.h"
#include "store/RowSet.h"

namespace vorn::test {

// One operation on asset 7 in calendar fiscal year 2024, with the data module's selection
// sets and the operation's unit of work (event and asset row sets).
class EventFixture
{
public:
    explicit EventFixture(bool withTax = true);

    // The stored asset: book and (unless withTax is false) tax values.
    Row stored;
    EventDialog dialog;
    EventSources sources;
    TBitSelect toPost{0};
    TBitSelect writtenOff{0};
    TBitSelect handOver{0};
    TBitSelect marked{0};
    RowSet events{QStringLiteral("F00007ST")};
    RowSet assets{QStringLiteral("F00004ST")};
    qint64 nextId = 500;

    // Edits the asset as the operation leaves it.
    void edit(const char* column, const QVariant& value);
    // Adds a stored event of the asset.
    void history(qint64 id, int type, const QDate& data1, double kwota1,
                 std::initializer_list<std::pair<const char*, QVariant>> more = {});

    EventWriter writer();
    // Writes the event and returns its row as it stands in the event row set.
    Row add(int type);
    Row asset() const { return assets.at(0); }
};

} // namespace vorn::test
