#pragma once

#include <QString>

namespace vorn::test {

// Pins time zone, locale and the headless platform, whatever the caller's environment.
void PinEnvironment();

// A fresh empty folder under the system's temporary folder, removed at process exit.
QString FreshDir(const QString& name);

} // namespace vorn::test
