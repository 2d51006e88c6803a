#pragma once

class QCoreApplication;

namespace vorn {

// Loads Qt's own Polish texts (standard buttons "&Tak", "&Nie", "Anuluj" ...).
// False when the translation file is not installed.
bool InstallPolishTranslations(QCoreApplication& app);

} // namespace vorn
