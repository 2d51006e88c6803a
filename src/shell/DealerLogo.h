#pragma once

#include <QString>

namespace vorn {

// What the background of the main window shows, from Dealer.Ini in the program folder.
struct DealerLogo
{
    QString pictureFile;
    bool showProductName = true;
    bool showInformation = false;
};

// Reads section "DEALER_LOGO" of programDir/Dealer.Ini, creating the file or writing its
// defaults where keys are empty: PLIK = programDir/Rysunki/Logo/Dealer.iv2, TQW_LOGO = "T",
// TQW_ADRES = "N".
DealerLogo ReadDealerLogo(const QString& programDir);

} // namespace vorn
