#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace vorn {

// The identification dialog: both fields empty each time it is shown; an empty identifier
// is refused inside the dialog itself. False when the user cancelled.
class LoginPrompt
{
public:
    virtual ~LoginPrompt() = default;
    virtual bool ask(QString* identifier, QString* password) = 0;
};

struct FirmListEntry
{
    qint64 id = 0;
    QString nazwaPelna;
    QString nazwaSkrocona;
    int numer = 0;
};

// The firm chooser "Wybór firmy": the list starts on the current firm when it is listed.
// Nothing when the user cancelled.
class FirmPicker
{
public:
    virtual ~FirmPicker() = default;
    virtual std::optional<qint64> pick(const QList<FirmListEntry>& firms, bool onlyPermitted,
                                       const QString& moduleCode, qint64 currentFirm) = 0;
};

// What a workstation is called on the network.
class Workstation
{
public:
    virtual ~Workstation() = default;
    virtual QString computerName() const = 0;
    virtual QString ipAddress() const = 0;
};

class FixedWorkstation : public Workstation
{
public:
    FixedWorkstation(QString name, QString ip) : m_name(std::move(name)), m_ip(std::move(ip)) {}
    QString computerName() const override { return m_name; }
    QString ipAddress() const override { return m_ip; }

private:
    QString m_name;
    QString m_ip;
};

} // namespace vorn
