#pragma once

#include "shell/FiscalYears.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTableWidget;
class QToolButton;

namespace vorn {

class Session;
class UserMessages;

// "WYBÓR ROKU ": the firm's fiscal years; new and deleted here with rights 81 and 82.
class TfrmGetRok : public QDialog
{
    Q_OBJECT
public:
    TfrmGetRok(Session& session, UserMessages& messages, QWidget* parent = nullptr);

    // The ROK of the current row; nothing when the table is empty.
    std::optional<int> currentRok() const;
    void selectRok(int rok);
    void reload();
    void newYear();
    void deleteYear();
    void choose();

    QTableWidget* grid() const { return grdLata; }
    QPushButton* chooseButton() const { return btnWybierz; }
    QPushButton* newButton() const { return btnNowy; }
    QPushButton* deleteButton() const { return btnUsun; }
    QToolButton* exportButton() const { return sbnEksport; }

    // Export of the grid to a text file ("Rok.txt"), provided by the list tools.
    static inline std::function<void(QTableWidget*, const QString&)> exporter;

private:
    void updateButtons();

    Session& m_session;
    UserMessages& m_messages;
    QTableWidget* grdLata;
    QPushButton* btnWybierz;
    QPushButton* btnNowy;
    QPushButton* btnUsun;
    QPushButton* btnAnuluj;
    QToolButton* sbnEksport;
};

// The chooser as the year choice asks for it.
class QtYearChooser : public YearChooser
{
public:
    QtYearChooser(UserMessages& messages, QWidget* parent = nullptr)
        : m_messages(messages), m_parent(parent)
    {
    }
    void setSession(Session* session) { m_session = session; }
    std::optional<int> choose(int currentRok) override;

private:
    UserMessages& m_messages;
    QWidget* m_parent;
    Session* m_session = nullptr;
};

} // namespace vorn
