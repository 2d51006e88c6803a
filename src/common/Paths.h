#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

// Joins path parts with the platform's separator, dropping empty parts and doubled
// separators at the joints; a leading separator or drive of the first part is kept.
QString JoinPath(const QStringList& parts);

} // namespace vorn
