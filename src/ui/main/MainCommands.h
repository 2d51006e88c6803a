#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace vorn {

class AdministratorLauncher;
class ReportViewer;
class Session;
class TfrmMainST;
class YearChooser;

inline const QString kClassificationChoiceQuestion =
    QStringLiteral("Przed użyciem tej funkcji upewnij się,\r\nże jesteś jedynym użytkownikiem "
                   "programu.\r\nCzy chcesz kontynuować ?");

// The commands the main window carries out itself: windows, help, end of program, the
// user's tools, firm/year/user changes, the hand-over to the administrator tool and the
// repair checks. Everything else is bound by the feature that builds it.
class MainCommands : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        Session* session = nullptr; // firm, year and user changes; the repair checks
        // (only tests leave it out)
        AdministratorLauncher* launcher = nullptr;
        YearChooser* years = nullptr;
        ReportViewer* reports = nullptr;
        QString fullVersion;
    };

    MainCommands(TfrmMainST& window, Services services);

    // Releases every operation lock the user holds (at start and after a change of user).
    void releaseOwnLocks();
    bool colourMarks() const { return m_colourMarks; }
    // The asset browser follows the option; it sets this when it is built.
    std::function<void(bool)> onColourMarksChanged;

    // "Wybór tabeli KŚT": the dialog of the classification tables, once it exists.
    void setClassificationTableDialog(std::function<void()> dialog);

private:
    TfrmMainST& m_window;
    Services m_services;
    bool m_colourMarks = true;

    void bindWindows();
    void bindHelp();
    void bindUserTools();
    void bindSessionChanges();
    void bindAdministrator();
    void bindChecks();
    void runFromBand(const QString& id);
    void changeFirm();
    void changeYear();
    void changeUser();
};

} // namespace vorn
