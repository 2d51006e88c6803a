#pragma once

#include <QString>

namespace vorn {

// Money policy: amounts are doubles in zloty. Every amount that is stored, compared for
// equality or shown goes through RoundAmount(2, x) first, at the places the rules name, and
// nowhere else. Rounding is half away from zero with a tolerance of 1e-8 on the scaled
// fraction, never the processor's round-to-even.
double RoundAmount(int decimals, long double value);

// Display form "### ### ### ##0.00": groups of three digits separated by a plain space,
// decimal comma, e.g. "12 345,67", "-0,50". Whatever the system's locale.
QString FormatAmount(double value);

// Edit form "###########0.00" with the decimal comma: "12345,67".
QString FormatAmountEdit(double value);

// Parses an amount typed by a user: optional sign, digits with optional spaces (plain or
// no-break) between groups, one decimal comma or dot.
// Returns false for anything else (empty text included); the value is not rounded.
bool ParseAmount(const QString& text, double* value);

} // namespace vorn
