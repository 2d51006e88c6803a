#pragma once

#include "depreciation/AssetEvents.h"

#include <QString>
#include <QVariant>

namespace vorn {

// Highest event type; 9 is not used, 0 stands for any type in filters.
constexpr int LastEventType = 15;

// The name of a type in lists and filters; index 0 is the filter entry for all types, an
// unused or unknown type has an empty name.
QString EventTypeName(int type);

// The KOMENTARZ written for a type; `year` fills the texts of plans and corrections. Empty
// for type 11 (built from the places) and for unknown types.
QString EventComment(int type, int year);

// Codes of the float slots: method L 0, D 1, J 2 and frequency M 0, K 1, R 2, decided by
// the field's first character; a null QVariant for anything else.
QVariant MethodCode(const QString& method);
QVariant FrequencyCode(const QString& frequency);

} // namespace vorn
