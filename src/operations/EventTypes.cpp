#include "operations/EventTypes.h"

namespace vorn {

QString EventTypeName(int type)
{
    switch (type) {
    case EventType::Any:
        return QStringLiteral("Wszystkie wydarzenia");
    case EventType::Acceptance:
        return QStringLiteral("Przyjęcie środka");
    case EventType::BookPlan:
        return QStringLiteral("Wyznaczenie planu amortyzacji księgowej");
    case EventType::TaxPlan:
        return QStringLiteral("Wyznaczenie planu amortyzacji podatkowej");
    case EventType::BookWriteOff:
        return QStringLiteral("Odpis amortyzacji księgowej");
    case EventType::TaxWriteOff:
        return QStringLiteral("Odpis amortyzacji podatkowej");
    case EventType::Revaluation:
        return QStringLiteral("Aktualizacja wartości");
    case EventType::InitialValueChange:
        return QStringLiteral("Zmiana wartości początkowej");
    case EventType::Liquidation:
        return QStringLiteral("Likwidacja środka");
    case EventType::Sale:
        return QStringLiteral("Sprzedaż środka");
    case EventType::PlaceChange:
        return QStringLiteral("Zmiana miejsca użytkowania");
    case EventType::TaxPlanCorrection:
        return QStringLiteral("Korekta planu amortyzacji podatkowej");
    case EventType::BookPlanCorrection:
        return QStringLiteral("Korekta planu amortyzacji księgowej");
    case EventType::WriteDown:
        return QStringLiteral("Odpis aktualizujący");
    case EventType::WriteDownReversal:
        return QStringLiteral("Storno odpisu");
    default:
        return {};
    }
}

QString EventComment(int type, int year)
{
    switch (type) {
    case EventType::Acceptance:
        return QStringLiteral("Przyjęcie środka trwałego do programu");
    case EventType::BookPlan:
        return QStringLiteral("Wyznaczenie planu księgowej amortyzacji na %1 rok").arg(year);
    case EventType::TaxPlan:
        return QStringLiteral("Wyznaczenie planu podatkowej amortyzacji na %1 rok").arg(year);
    case EventType::BookWriteOff:
        return QStringLiteral("Księgowe umorzenie miesięczne środka trwałego");
    case EventType::TaxWriteOff:
        return QStringLiteral("Podatkowe umorzenie miesięczne środka trwałego");
    case EventType::Revaluation:
        return QStringLiteral("Aktualizacja wartości środka trwałego");
    case EventType::InitialValueChange:
        return QStringLiteral("Zmiana wartości początkowej");
    case EventType::Liquidation:
        return QStringLiteral("Likwidacja środka trwałego");
    case EventType::Sale:
        return QStringLiteral("Sprzedaż środka trwałego");
    case EventType::TaxPlanCorrection:
        return QStringLiteral("Korekta planu amortyzacji podatkowej na rok ") +
               QString::number(year);
    case EventType::BookPlanCorrection:
        return QStringLiteral("Korekta planu amortyzacji księgowej na rok ") +
               QString::number(year);
    case EventType::WriteDown:
        return QStringLiteral("Odpis aktualizujący");
    case EventType::WriteDownReversal:
        return QStringLiteral("Storno odpisu");
    default:
        return {};
    }
}

QVariant MethodCode(const QString& method)
{
    switch (method.isEmpty() ? 0 : method.at(0).unicode()) {
    case 'L':
        return 0.0;
    case 'D':
        return 1.0;
    case 'J':
        return 2.0;
    default:
        return {};
    }
}

QVariant FrequencyCode(const QString& frequency)
{
    switch (frequency.isEmpty() ? 0 : frequency.at(0).unicode()) {
    case 'M':
        return 0.0;
    case 'K':
        return 1.0;
    case 'R':
        return 2.0;
    default:
        return {};
    }
}

} // namespace vorn
