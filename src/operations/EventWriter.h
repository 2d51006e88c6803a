#pragma once

#include "common/Row.h"
#include "depreciation/PlanInputs.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace vorn {

class RowSet;
class TBitSelect;

// The logged-in user who does the operation.
struct EventUser
{
    QString id;   // ID_OPERATOR
    QString name; // NAZWAOP
};

// Selection sets of the data module that new events change; a null pointer is skipped.
struct EventSelections
{
    TBitSelect* toPost = nullptr;       // bstWydarzeniaPK: events not yet in an accounting order
    TBitSelect* writtenOff = nullptr;   // bstUmorzenia: plan rows written off in this run
    TBitSelect* handOver = nullptr;     // bstProtokolZO: events with a hand-over protocol due
    TBitSelect* markedEvents = nullptr; // bselWydarzenia: events marked in the events browser
};

// What the operation's dialog gives the writer, by event type.
struct EventDialog
{
    QDate operationDate; // DATA1 of every type

    std::optional<qint64> acceptanceDocument; // 1: F00010ST.ID when a document is issued

    bool wholeRest = false; // 4, 5: write off everything that is left

    QDate revaluationDate;    // 6: the date the index table applies to
    bool taxRevalued = false; // 6: the tax values are revalued too

    bool bookFromNextMonth = false; // 7: chosen and enabled for book depreciation
    bool taxFromNextMonth = false;  // 7: the same for tax depreciation
    bool changeEffect = false;      // 7: the dialog's change-effect flag
    double bookChange = 0;          // 7: typed change amounts
    double taxChange = 0;

    QString document;                          // 8, 10: document or invoice number
    std::optional<qint64> liquidationDocument; // 8: F00011ST.ID

    qint64 newPlace = 0; // 11: F00003ST.ID

    double bookAmount = 0;           // 14, 15
    std::optional<double> taxAmount; // 14, 15: nothing when the tax field is disabled
};

// What the writer reads besides the dialog and the edited asset.
struct EventSources
{
    Row storedAsset;        // the asset before the operation ("old")
    QList<Row> assetEvents; // the asset's stored events
    QList<Row> planRows;    // 4, 5: F00006ST rows of the asset, kind and working year, ID order
    QList<Row> places;      // 11: F00003ST rows
};

// Writes the one event of an operation into the operation's unit of work: the row goes
// into the event row set, its effects on the asset into the edited asset row; nothing is
// stored until the operation's save. The writer takes the working fiscal year, the user,
// the identifier counter (counter 2) and the clock from its owner.
class EventWriter
{
public:
    EventWriter(PlanYear year, EventUser user, std::function<qint64()> nextId,
                EventSelections selections,
                std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    // Appends the event of `type` for `asset` to `events` (F00007ST) and returns its ID; the
    // row stays in the row set for the caller to complete. `assets` (F00004ST) holds the
    // asset being edited, the "new" values. Throws DataError when the asset is not there,
    // ValidationError for a write-off month without a plan row.
    qint64 AddEvent(RowSet& events, RowSet& assets, qint64 asset, int type,
                    const EventDialog& dialog, const EventSources& sources);

    const PlanYear& year() const { return m_year; }

private:
    PlanYear m_year;
    EventUser m_user;
    std::function<qint64()> m_nextId;
    EventSelections m_selections;
    std::function<QDateTime()> m_clock;
};

// Whether the asset has tax depreciation: POD_METODA_AMORT is not empty.
bool HasTaxDepreciation(const Row& asset);

} // namespace vorn
