#pragma once

#include "app/cli/Command.h"

namespace vorn::cli {

// year list | year add --rok N --start dd-mm-yyyy --end dd-mm-yyyy | year delete ROK
QList<Command> YearCommands();

} // namespace vorn::cli
