#pragma once

#include "shell/LoginInterfaces.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vorn {

// "Wybór firmy": the firms the user may choose from; "Wy&bierz" only while there are any.
class TfrmBrFirm : public QDialog, public FirmPicker
{
    Q_OBJECT
public:
    explicit TfrmBrFirm(QWidget* parent = nullptr);

    std::optional<qint64> pick(const QList<FirmListEntry>& firms, bool onlyPermitted,
                               const QString& moduleCode, qint64 currentFirm) override;

    // Fills the dialog as pick shows it.
    void fill(const QList<FirmListEntry>& firms, bool onlyPermitted, const QString& moduleCode,
              qint64 currentFirm);
    std::optional<qint64> currentFirm() const;
    QTreeWidget* list() const { return lstFirmy; }
    QPushButton* chooseButton() const { return btnWybierz; }
    QLabel* note() const { return lblUwaga; }

private:
    QTreeWidget* lstFirmy;
    QLabel* lblUwaga;
    QPushButton* btnWybierz;
    QPushButton* btnAnuluj;
};

} // namespace vorn
