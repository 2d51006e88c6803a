#pragma once

#include <QDialog>
#include <QPointer>
#include <QToolButton>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vorn {

class TDBGridSel;
class TfrmSzukaj;
class UserMessages;

enum class TV2WinPosition
{
    wpTopRight,
    wpTopLeft,
    wpScreenCenter,
    wpBottomLeft,
    wpBottomRight
};

struct TV2SearchOptions
{
    bool soAfterEachChange = true;
    bool soCaseInsensitive = true;
    bool soPartialKey = true; // from the beginning of the cell
};

// Where the search dialog keeps its settings: the user's "Dlg" profile file, one section
// for every window.
struct TV2StoreOptions
{
    bool Active = false;
    QString IniFileName;
    QString IniSection = QStringLiteral("SZUKANIE");
};

// The tool button of the column search beside a grid.
class TGridSearch : public QToolButton
{
    Q_OBJECT

public:
    explicit TGridSearch(QWidget* parent = nullptr);

    void setGrid(TDBGridSel* grid) { m_grid = grid; }
    TDBGridSel* grid() const { return m_grid; }
    void setMessages(UserMessages* messages) { m_messages = messages; }
    UserMessages* messages() const { return m_messages; }

    TV2WinPosition WindowPosition = TV2WinPosition::wpTopRight;
    TV2SearchOptions SearchOptions;
    bool DefaultEOFQuestion = true;
    int HelpContext = 69;
    bool NewStyle = false;

    const TV2StoreOptions& storeOptions() const { return m_store; }
    // Points the store at a file and section and activates it; without either the store
    // stays inactive and the error box tells why.
    bool activateStore(const QString& iniFileName,
                       const QString& section = QStringLiteral("SZUKANIE"));
    void deactivateStore() { m_store.Active = false; }

    // Opens the search dialog for the grid's current column (nothing on an empty grid).
    void openSearch();
    // The dialog while it is shown.
    TfrmSzukaj* dialog() const { return m_dialog; }

private:
    QPointer<TDBGridSel> m_grid;
    UserMessages* m_messages = nullptr;
    TV2StoreOptions m_store;
    QPointer<TfrmSzukaj> m_dialog;
};

// The search dialog "ZNAJDŹ" of a grid column.
class TfrmSzukaj : public QDialog
{
    Q_OBJECT

public:
    TfrmSzukaj(TGridSearch& owner, QWidget* parent = nullptr);

    // "&Znajdź": from the first record; "&Następny" and F3: from the one after the current.
    void findFirst();
    void findNext();

    QLineEdit* edtSzukaj;
    QCheckBox* cbxOptions;
    QCheckBox* cbxOnChange;
    QCheckBox* cbxCaseInsensitive; // checked: case-sensitive
    QCheckBox* cbxPartialKey;
    QPushButton* btnZnajdz;
    QPushButton* btnNastepny;
    QPushButton* btnZamknij;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void search(int fromRow, bool next);
    void loadSettings();
    void saveSettings();
    void optionsToggled(bool on);
    void optionsChanged();
    int searchColumn() const;

    TGridSearch& m_owner;
};

} // namespace vorn
