#pragma once

#include "app/cli/Command.h"

#include <QByteArray>

namespace vorn::cli {

// "plan compute": one JSON object on stdin (fiscal years, working year, kind, operation
// date, asset, stored asset, events, opening adjustment), the year plan as JSON on stdout.
Command PlanComputeCommand();

// The computation behind the command, from input text to output text; throws
// ValidationError on bad input.
QByteArray ComputePlanJson(const QByteArray& input);

} // namespace vorn::cli
