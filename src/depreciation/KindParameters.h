#pragma once

#include "common/Row.h"

#include <QDate>
#include <QString>

namespace vorn {

// Depreciation kind: 'B' book, 'P' tax.
enum class Kind : char
{
    Book = 'B',
    Tax = 'P'
};

// Column names of one kind's depreciation fields in the asset register.
struct KindColumns
{
    QString grossValue;
    QString accumulated;
    QString writeDowns;
    QString method;
    QString rate;
    QString coefficient;
    QString frequency;
    QString useMonths;
    QString start;
    QString oneOffAmount;
    QString oneOffMode;

    static const KindColumns& of(Kind kind);
};

// The values of one kind read once from an asset row, so that the computation itself
// works on plain numbers.
struct KindParameters
{
    double grossValue = 0;  // WART_ZAKT / POD_WARTOSC_ZAKT
    double accumulated = 0; // ZAKTUAL_UMORZ / POD_ZAKTUAL_UMORZ
    double writeDowns = 0;  // ODPISY_AKT / POD_ODPISY_AKT
    char method = 0;        // first character of METODA_AMORT: 'L', 'D', 'J' or other
    double rate = 0;        // per cent per year
    double coefficient = 0;
    char frequency = 0;      // 'M', 'K', 'R'
    int useMonths = 0;       // bit k-1 for calendar month k
    QDate start;             // POCZ_AMORTYZACJI / POD_POCZ_AMORT
    double oneOffAmount = 0; // ODPIS_JEDN / POD_ODPIS_JEDN
    int oneOffMode = 0;      // 0 none, 1 in one period, 2 spread over the first year

    static KindParameters fromRow(const Row& asset, Kind kind);
};

} // namespace vorn
