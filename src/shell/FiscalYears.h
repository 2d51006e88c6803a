#pragma once

#include "common/FiscalYear.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace vorn {

class Database;
class UserMessages;
struct SessionState;

// Where the user's last fiscal year is kept.
class LastYearStore
{
public:
    virtual ~LastYearStore() = default;
    virtual int lastYear() = 0; // -1: none
    virtual void saveLastYear(int rok) = 0;
};

// The year chooser "WYBÓR ROKU ": the ROK of the row it is left on when closed with
// "Wy&bierz", nothing otherwise. It may create and delete years through the service.
class YearChooser
{
public:
    virtual ~YearChooser() = default;
    virtual std::optional<int> choose(int currentRok) = 0;
};

// A new fiscal year as typed in "ZAŁÓŻ ROK".
struct NewYearInput
{
    std::optional<int> rok;
    QDate start;
    QDate end;
};

struct NewYearProposal
{
    NewYearInput input;
    bool startEditable = true;
};

enum class YearField
{
    Rok,
    Start,
    End
};

// A refused new year: the message, whether it is an error box (else information), and the
// field that gets the focus back.
struct YearRefusal
{
    QString message;
    bool error = false;
    YearField field = YearField::Rok;
};

// Firm rights for fiscal years.
constexpr int kRightNewYear = 81;
constexpr int kRightDeleteYear = 82;

// The firm's fiscal years: choosing the working year, creating and deleting years.
class FiscalYearService
{
public:
    FiscalYearService(Database& firmDb, SessionState& session, UserMessages& messages,
                      LastYearStore& lastYear);

    // Makes a year the working year (see the chooser and the last year). False when no year
    // was taken; with no year open before, the program is then to end.
    bool ChooseYear(bool useLast, bool alwaysAsk, YearChooser& chooser);
    void ApplyYear(const FiscalYearRow& row);
    // After the chooser closed without a choice: the label turns "BRAK" when its year is gone.
    void ChooserCancelled();

    QList<FiscalYearRow> years() const;
    NewYearProposal ProposeNewYear(const QDate& today = QDate::currentDate()) const;
    std::optional<YearRefusal> ValidateNewYear(const NewYearInput& input) const;
    // Validates and stores; the refusal when refused. Throws DataError "Błąd podczas zapisu
    // danych." when storing fails.
    std::optional<YearRefusal> CreateYear(const NewYearInput& input);
    // Deletes the firm's last year after its checks and the question; othersWorking tells
    // whether another user works on the firm in this module now.
    bool DeleteYear(int rok, bool othersWorking);

    // Opens what the working year needs; false refuses the year. By default nothing.
    void setYearOpener(std::function<bool(const FiscalYearRow&)> opener)
    {
        m_opener = std::move(opener);
    }

private:
    std::optional<FiscalYearRow> find(int rok) const;

    Database& m_db;
    SessionState& m_session;
    UserMessages& m_messages;
    LastYearStore& m_lastYear;
    std::function<bool(const FiscalYearRow&)> m_opener;
};

} // namespace vorn
