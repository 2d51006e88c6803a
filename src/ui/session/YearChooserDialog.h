#pragma once

#include "shell/FiscalYears.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QToolButton;

namespace vorn {

class RowListModel;
class Session;
class TAutoPropertiesStore;
class TDBGridSel;
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

    TDBGridSel* grid() const { return grdLata; }
    int rowCount() const;
    // The grid's layout is kept in this file (the user's "Br" profile by default).
    void keepLayoutIn(const QString& iniFile);
    QPushButton* chooseButton() const { return btnWybierz; }
    QPushButton* newButton() const { return btnNowy; }
    QPushButton* deleteButton() const { return btnUsun; }
    QToolButton* exportButton() const { return sbnEksport; }

private:
    void updateButtons();

    Session& m_session;
    UserMessages& m_messages;
    RowListModel* m_model;
    TDBGridSel* grdLata;
    TAutoPropertiesStore* m_layout;
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
