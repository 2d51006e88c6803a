#pragma once

#include <QString>

namespace vorn::admin {

// Rights strings: 255 characters of "0" and "1", character n standing for right n.
namespace RightsString {

constexpr int kLength = 255;

QString None();
QString All();
// "all", "none" or a list of numbers and ranges such as "41,1-3,81-82".
QString FromList(const QString& list);
// A string of "0" and "1" of at most 255 characters, filled up with "0".
QString FromDigits(const QString& digits);
// The rights set in a string, as the shortest list ("1-3,41").
QString ToList(const QString& rights);

} // namespace RightsString

} // namespace vorn::admin
