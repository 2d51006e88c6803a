#pragma once

#include "common/FiscalYear.h"
#include "shell/UserAndFirm.h"

#include <QDate>
#include <QString>

namespace vorn {

inline const QString kNoneLabel = QStringLiteral("BRAK");

// What the running program works on: the logged-in user, the firm and the working fiscal
// year, with the two labels the main window shows ("BRAK" while nothing is open; "BRAK" in
// the year label is the program-wide sign that no year is open).
struct SessionState
{
    TV2User user;
    TV2Firm firm;
    FiscalYearContext year;
    QString firmLabel = kNoneLabel;
    QString yearLabel = kNoneLabel;
    // The asset browser lists assets acquired by data1 and not gone before data2.
    QDate browserData1;
    QDate browserData2;
    // The date last accepted in an operation dialog; later dialogs propose it.
    QDate lastOperationDate;
    // Set when the program is to end (no fiscal year chosen, failed change of user).
    bool terminateRequested = false;

    bool yearOpen() const { return yearLabel != kNoneLabel && !yearLabel.isEmpty(); }
};

} // namespace vorn
