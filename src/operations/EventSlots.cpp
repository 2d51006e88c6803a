#include "operations/EventSlots.h"

#include "common/Errors.h"
#include "common/Money.h"
#include "depreciation/DepreciationRules.h"
#include "depreciation/EventSums.h"
#include "operations/EventTypes.h"
#include "store/BitSelect.h"

namespace vorn {

namespace {

QString col(const char* name)
{
    return QString::fromLatin1(name);
}

void put(Row& event, const char* slot, const QVariant& value)
{
    event.set(col(slot), value);
}

double num(const Row& row, const char* column)
{
    return row.num(col(column));
}

// Copies asset columns into consecutive slots: {"KWOTA1", "WART_ZAKT"}, ...
void copy(Row& event, const Row& asset,
          std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    for (const auto& [slot, column] : pairs)
        event.set(col(slot), asset.value(col(column)));
}

double yearWriteOffs(const SlotContext& c, Kind kind)
{
    return YearWriteOffs(kind, c.events, c.year.fiscalYears, c.year.context.Year);
}

// Sum of KWOTA1 of the asset's events of `type` dated in the month (or the calendar year)
// of the operation date; nothing when there is no such event.
std::optional<double> sumOfType(const SlotContext& c, int type, bool wholeYear)
{
    const QDate& d = c.dialog.operationDate;
    std::optional<double> sum;
    long double s = 0.0L;
    for (const AssetEvent& e : c.events.all()) {
        if (e.type != type || e.data1.year() != d.year())
            continue;
        if (!wholeYear && e.data1.month() != d.month())
            continue;
        s += e.kwota1;
        sum = static_cast<double>(s);
    }
    return sum;
}

bool hasTax(const SlotContext& c)
{
    return HasTaxDepreciation(c.newAsset);
}

void fillAcceptance(SlotContext& c, Row& e)
{
    const Row& a = c.newAsset;
    put(e, "DATA1", c.dialog.operationDate);
    put(e, "DATA2", a.value(col("DATA_PRZYJ")));
    put(e, "LONG3", c.year.context.Year);
    put(e, "LONG4",
        c.dialog.acceptanceDocument ? QVariant(*c.dialog.acceptanceDocument) : QVariant());
    copy(e, a,
         {{"KWOTA1", "WARTOSC_POCZ"},
          {"KWOTA2", "WART_ZAKT"},
          {"KWOTA3", "DOTYCHCZAS_UMORZ"},
          {"KWOTA4", "ZAKTUAL_UMORZ"},
          {"KWOTA5", "STAWKA"},
          {"KWOTA6", "WSPOLCZYNNIK"}});
    put(e, "KWOTA13", MethodCode(a.str(col("METODA_AMORT"))));
    if (!hasTax(c))
        return;
    copy(e, a,
         {{"KWOTA7", "POD_WARTOSC_POCZ"},
          {"KWOTA8", "POD_WARTOSC_ZAKT"},
          {"KWOTA9", "POD_DOT_UMORZ"},
          {"KWOTA10", "POD_ZAKTUAL_UMORZ"},
          {"KWOTA11", "POD_STAWKA"},
          {"KWOTA12", "POD_WSPOLCZYNNIK"}});
    put(e, "KWOTA14", MethodCode(a.str(col("POD_METODA_AMORT"))));
}

int periodOf(const FiscalYearContext& c, const QDate& d)
{
    return (d.year() * 12 + d.month()) - (c.StartYear * 12 + c.StartMonth) + 1;
}

double planAmount(SlotContext& c, Kind kind)
{
    const int period = periodOf(c.year.context, c.dialog.operationDate);
    if (period < 1 || period > c.year.context.MonthCount || period > c.sources.planRows.size())
        throw ValidationError(
            QStringLiteral("Brak planu amortyzacji %1 środka na okres %2 roku %3.")
                .arg(kind == Kind::Book ? QStringLiteral("księgowej")
                                        : QStringLiteral("podatkowej"))
                .arg(period)
                .arg(c.year.context.Year));
    const Row& planRow = c.sources.planRows.at(period - 1);
    if (c.selections.writtenOff)
        c.selections.writtenOff->Set(static_cast<int>(planRow.integer(col("ID"))), 1);
    return RoundAmount(2, planRow.num(col("KWOTA")));
}

void fillWriteOff(SlotContext& c, Row& e, Kind kind)
{
    const bool book = kind == Kind::Book;
    const Row& a = c.newAsset;
    const char* dot = book ? "DOTYCHCZAS_UMORZ" : "POD_DOT_UMORZ";
    const char* zakt = book ? "ZAKTUAL_UMORZ" : "POD_ZAKTUAL_UMORZ";
    double amount;
    if (c.dialog.wholeRest) {
        // Everything that is left: the accumulated depreciation is part of what is gone.
        amount = RemainingToDepreciate(KindParameters::fromRow(a, kind));
    } else {
        amount = planAmount(c, kind);
    }
    const double newDot = num(a, dot) + amount;
    const double newZakt = num(a, zakt) + amount;
    c.assetChanges.set(col(dot), newDot);
    c.assetChanges.set(col(zakt), newZakt);
    put(e, "DATA1", c.dialog.operationDate);
    put(e, "KWOTA1", amount);
    put(e, "KWOTA2", book ? 1.0 : 0.0);
    put(e, "KWOTA3", newDot);
    put(e, "KWOTA4", newZakt);
    put(e, book ? "KWOTA5" : "KWOTA6",
        static_cast<double>(static_cast<long double>(yearWriteOffs(c, kind)) + amount));
}

// New / old value: the revaluation index. A value of 0 has no index; it scales nothing.
double revaluationIndex(double newValue, double oldValue)
{
    return oldValue == 0.0 ? 1.0
                           : static_cast<double>(static_cast<long double>(newValue) / oldValue);
}

void fillRevaluation(SlotContext& c, Row& e)
{
    const Row& o = c.oldAsset;
    const Row& n = c.newAsset;
    put(e, "DATA1", c.dialog.operationDate);
    put(e, "DATA2", c.dialog.revaluationDate);
    const double wNew = num(n, "WART_ZAKT"), wOld = num(o, "WART_ZAKT");
    const double zNew = num(n, "ZAKTUAL_UMORZ"), zOld = num(o, "ZAKTUAL_UMORZ");
    const double index = revaluationIndex(wNew, wOld);
    const double yw = yearWriteOffs(c, Kind::Book);
    put(e, "KWOTA1", wNew);
    put(e, "KWOTA2", wOld);
    put(e, "KWOTA3", zNew);
    put(e, "KWOTA4", zOld);
    put(e, "KWOTA5", index);
    put(e, "KWOTA6", RoundAmount(2, static_cast<long double>(zOld) - yw));
    put(e, "KWOTA17", RoundAmount(2, static_cast<long double>(index) * yw));
    put(e, "KWOTA20", wNew - zNew);
    if (!c.dialog.taxRevalued || !hasTax(c))
        return;
    const double pwNew = num(n, "POD_WARTOSC_ZAKT"), pwOld = num(o, "POD_WARTOSC_ZAKT");
    const double pzNew = num(n, "POD_ZAKTUAL_UMORZ"), pzOld = num(o, "POD_ZAKTUAL_UMORZ");
    const double taxIndex = revaluationIndex(pwNew, pwOld);
    const double pyw = yearWriteOffs(c, Kind::Tax);
    put(e, "KWOTA7", pwNew);
    put(e, "KWOTA8", pwOld);
    put(e, "KWOTA9", pzNew);
    put(e, "KWOTA10", pzOld);
    put(e, "KWOTA11", taxIndex);
    put(e, "KWOTA12", RoundAmount(2, static_cast<long double>(pzOld) - pyw));
    put(e, "KWOTA18", RoundAmount(2, static_cast<long double>(taxIndex) * pyw));
    put(e, "KWOTA19", pwNew - pzNew);
}

// The first day from which a change of initial value acts for one kind, and whether it is
// the next month.
std::pair<int, QDate> changeStart(const SlotContext& c, bool chosen, int writeOffType,
                                  const char* startColumn)
{
    const QDate& d = c.dialog.operationDate;
    const bool nextMonth = chosen || sumOfType(c, writeOffType, false).has_value();
    QDate from = nextMonth ? QDate(d.year(), d.month(), 1).addMonths(1) : d;
    const QDate start = c.newAsset.date(col(startColumn));
    if (start.isValid() && from < start)
        from = start;
    if (from > c.year.context.EndDate)
        from = c.year.context.EndDate;
    return {nextMonth ? 1 : 0, from};
}

// Write-offs of the operation's month that the change leaves in place; not for a one-off
// method (code 2).
double monthWriteOffs(const SlotContext& c, int writeOffType, const QVariant& methodCode)
{
    const auto m = sumOfType(c, writeOffType, false);
    if (!m || (methodCode.isValid() && methodCode.toDouble() == 2.0))
        return 0.0;
    return *m;
}

void fillValueChange(SlotContext& c, Row& e)
{
    const Row& o = c.oldAsset;
    const Row& n = c.newAsset;
    const QDate& d = c.dialog.operationDate;
    put(e, "DATA1", d);
    put(e, "DATA2", d);
    const auto [bookNext, bookFrom] =
        changeStart(c, c.dialog.bookFromNextMonth, EventType::BookWriteOff, "POCZ_AMORTYZACJI");
    put(e, "LONG1", bookNext);
    put(e, "DATA3", bookFrom);
    put(e, "LONG4", c.dialog.changeEffect ? 4 : 0);
    const double yw = yearWriteOffs(c, Kind::Book);
    const QVariant method = MethodCode(o.str(col("METODA_AMORT")));
    put(e, "KWOTA1", RoundAmount(2, static_cast<long double>(num(o, "ZAKTUAL_UMORZ")) - yw));
    put(e, "KWOTA2", num(o, "WART_ZAKT"));
    put(e, "KWOTA21", num(o, "WARTOSC_POCZ"));
    put(e, "KWOTA3", c.dialog.bookChange);
    put(e, "KWOTA4", num(o, "STAWKA"));
    put(e, "KWOTA5", num(n, "STAWKA"));
    put(e, "KWOTA6", num(o, "WSPOLCZYNNIK"));
    put(e, "KWOTA7", num(n, "WSPOLCZYNNIK"));
    put(e, "KWOTA15", num(n, "ZAKTUAL_UMORZ"));
    put(e, "KWOTA17", yw);
    put(e, "KWOTA23", method);
    put(e, "KWOTA20",
        num(o, "WART_ZAKT") + c.dialog.bookChange - num(n, "ZAKTUAL_UMORZ") +
            monthWriteOffs(c, EventType::BookWriteOff, method));
    if (!hasTax(c))
        return;
    const auto [taxNext, taxFrom] =
        changeStart(c, c.dialog.taxFromNextMonth, EventType::TaxWriteOff, "POD_POCZ_AMORT");
    put(e, "LONG3", taxNext);
    put(e, "DATA4", taxFrom);
    const double pyw = yearWriteOffs(c, Kind::Tax);
    const QVariant taxMethod = MethodCode(o.str(col("POD_METODA_AMORT")));
    put(e, "KWOTA8", RoundAmount(2, static_cast<long double>(num(o, "POD_ZAKTUAL_UMORZ")) - pyw));
    put(e, "KWOTA18", pyw);
    put(e, "KWOTA9", num(o, "POD_WARTOSC_ZAKT"));
    put(e, "KWOTA22", num(o, "POD_WARTOSC_POCZ"));
    put(e, "KWOTA10", c.dialog.taxChange);
    put(e, "KWOTA11", num(o, "POD_STAWKA"));
    put(e, "KWOTA12", num(n, "POD_STAWKA"));
    put(e, "KWOTA13", num(o, "POD_WSPOLCZYNNIK"));
    put(e, "KWOTA14", num(n, "POD_WSPOLCZYNNIK"));
    put(e, "KWOTA16", num(n, "POD_ZAKTUAL_UMORZ"));
    put(e, "KWOTA24", taxMethod);
    put(e, "KWOTA19",
        num(o, "POD_WARTOSC_ZAKT") + c.dialog.taxChange - num(n, "POD_ZAKTUAL_UMORZ") +
            monthWriteOffs(c, EventType::TaxWriteOff, taxMethod));
}

void fillDisposal(SlotContext& c, Row& e, int type)
{
    const Row& a = c.newAsset;
    put(e, "DATA1", c.dialog.operationDate);
    put(e, "DOKUMENT", c.dialog.document);
    if (type == EventType::Liquidation)
        put(e, "LONG4",
            c.dialog.liquidationDocument ? QVariant(*c.dialog.liquidationDocument) : QVariant());
    copy(e, a, {{"KWOTA1", "WART_ZAKT"}, {"KWOTA2", "ZAKTUAL_UMORZ"}, {"KWOTA5", "WARTOSC_POCZ"}});
    if (hasTax(c))
        copy(e, a,
             {{"KWOTA3", "POD_WARTOSC_ZAKT"},
              {"KWOTA4", "POD_ZAKTUAL_UMORZ"},
              {"KWOTA6", "POD_WARTOSC_POCZ"}});
}

const Row* placeById(const QList<Row>& places, qint64 id)
{
    for (const Row& p : places) {
        if (!p.isNull(col("ID")) && p.integer(col("ID")) == id)
            return &p;
    }
    return nullptr;
}

// Left-aligned in exactly 16 characters: the posting templates read the analytic numbers
// from fixed positions.
QString analytic(const Row* place)
{
    return (place ? place->str(col("NRANALIT")) : QString())
        .leftJustified(16, QLatin1Char(' '), true);
}

void fillPlaceChange(SlotContext& c, Row& e)
{
    const Row& a = c.newAsset;
    put(e, "DATA1", c.dialog.operationDate);
    copy(e, a, {{"KWOTA1", "WART_ZAKT"}, {"KWOTA2", "ZAKTUAL_UMORZ"}});
    put(e, "LONG1", c.oldAsset.value(col("IDUZYT")));
    put(e, "LONG3", c.dialog.newPlace);
    const Row* oldPlace = c.oldAsset.isNull(col("IDUZYT"))
                              ? nullptr
                              : placeById(c.sources.places, c.oldAsset.integer(col("IDUZYT")));
    if (!oldPlace) {
        put(e, "KOMENTARZ", QString());
        return;
    }
    const Row* newPlace = placeById(c.sources.places, c.dialog.newPlace);
    put(e, "KOMENTARZ",
        analytic(oldPlace) + analytic(newPlace) + QStringLiteral("Zmiana miejsca użytkowania z ") +
            oldPlace->str(col("NAZWA")) + QStringLiteral(" na ") +
            (newPlace ? newPlace->str(col("NAZWA")) : QString()));
}

// One kind's slots of a write-down (sign -1) or its reversal (+1).
struct WriteDownSlots
{
    const char* gross;
    const char* accumulated;
    const char* writeDowns;
    const char* frequency;
    int writeOffType;
    const char* amountSlot;
    const char* grossSlot;
    const char* netSlot; // type 14 only
    const char* yearSlot;
    const char* monthSlot;
    const char* frequencySlot;
};

void fillWriteDownKind(SlotContext& c, Row& e, const WriteDownSlots& s, double amount, int sign)
{
    const Row& a = c.oldAsset;
    const double w = num(a, s.gross), z = num(a, s.accumulated), o = num(a, s.writeDowns);
    const double y = sumOfType(c, s.writeOffType, true).value_or(0.0);
    const double m = sumOfType(c, s.writeOffType, false).value_or(0.0);
    put(e, s.amountSlot, amount);
    put(e, s.grossSlot, w);
    if (sign < 0) {
        const double net =
            static_cast<double>(static_cast<long double>(RoundAmount(2, w)) - RoundAmount(2, z) -
                                RoundAmount(2, amount) - RoundAmount(2, o));
        put(e, s.netSlot, net);
        put(e, s.yearSlot, net + y);
        put(e, s.monthSlot, w - z + m - amount - o);
    } else {
        put(e, s.yearSlot, w - z + amount - o + y);
        put(e, s.monthSlot, w - z + m + amount - o);
    }
    const QVariant code = FrequencyCode(a.str(col(s.frequency)));
    const bool zeroWhenNull = sign > 0 && s.writeOffType == EventType::TaxWriteOff;
    put(e, s.frequencySlot, code.isValid() || !zeroWhenNull ? code : QVariant(0.0));
    c.assetChanges.set(col(s.writeDowns), o - sign * amount);
}

void fillWriteDown(SlotContext& c, Row& e, int type)
{
    static const WriteDownSlots book{
        "WART_ZAKT", "ZAKTUAL_UMORZ", "ODPISY_AKT", "CZESTOTL_ODPISOW", EventType::BookWriteOff,
        "KWOTA1",    "KWOTA2",        "KWOTA7",     "KWOTA3",           "KWOTA5",
        "KWOTA4"};
    static const WriteDownSlots tax{"POD_WARTOSC_ZAKT",
                                    "POD_ZAKTUAL_UMORZ",
                                    "POD_ODPISY_AKT",
                                    "POD_CZEST_ODPISOW",
                                    EventType::TaxWriteOff,
                                    "KWOTA13",
                                    "KWOTA14",
                                    "KWOTA19",
                                    "KWOTA15",
                                    "KWOTA17",
                                    "KWOTA16"};
    const int sign = type == EventType::WriteDown ? -1 : 1;
    put(e, "DATA1", c.dialog.operationDate);
    put(e, "LONG1", c.year.context.Year);
    fillWriteDownKind(c, e, book, c.dialog.bookAmount, sign);
    if (c.dialog.taxAmount && hasTax(c))
        fillWriteDownKind(c, e, tax, *c.dialog.taxAmount, sign);
}

} // namespace

void FillSlots(int type, SlotContext& c, Row& event)
{
    switch (type) {
    case EventType::Acceptance:
        fillAcceptance(c, event);
        break;
    case EventType::BookWriteOff:
        fillWriteOff(c, event, Kind::Book);
        break;
    case EventType::TaxWriteOff:
        fillWriteOff(c, event, Kind::Tax);
        break;
    case EventType::Revaluation:
        fillRevaluation(c, event);
        break;
    case EventType::InitialValueChange:
        fillValueChange(c, event);
        break;
    case EventType::Liquidation:
    case EventType::Sale:
        fillDisposal(c, event, type);
        break;
    case EventType::PlaceChange:
        fillPlaceChange(c, event);
        break;
    case EventType::WriteDown:
    case EventType::WriteDownReversal:
        fillWriteDown(c, event, type);
        break;
    default:
        break;
    }
}

} // namespace vorn
