#include "DemoInstallation.h"

#include "DemoFirmContent.h"
#include "FirmRegister.h"
#include "Installation.h"
#include "RightsString.h"
#include "UserRegister.h"
#include "common/Errors.h"
#include "shell/KstIni.h"
#include "shell/Modules.h"
#include "store/Database.h"

namespace vorn::admin {

QStringList DemoInstallation::create() const
{
    auto admin = m_installation.openAdmin();
    FirmRegister firms(m_installation, *admin);
    UserRegister users(*admin);
    if (firms.byNumber(kFirmNumber))
        throw ValidationError(QStringLiteral("Firma nr %1 już istnieje; dane demonstracyjne nie "
                                             "zostały dodane.")
                                  .arg(kFirmNumber));
    if (!users.users().isEmpty())
        throw ValidationError(QStringLiteral("W instalacji są już użytkownicy; dane "
                                             "demonstracyjne nie zostały dodane."));

    const int firmId = firms.add({kFirmNumber, QStringLiteral("Firma Demonstracyjna Sp. z o.o."),
                                  QStringLiteral("Firma Demonstracyjna")});
    const DemoFirmContent content(m_today);
    content.fill(*m_installation.openFirm(kFirmNumber));

    KstIni kst(m_installation.root(), kFirmNumber);
    kst.setTableChoice(KstIni::kTable2002);

    const int userId = users.addUser(
        {kUser, QStringLiteral("Administrator"), QString(), true, RightsString::All()});
    users.grantUser(kUser, ModuleST, firmId, RightsString::All());
    // The last firm and year, so that the program goes straight to them.
    admin->exec(QStringLiteral("INSERT INTO D00012AD (MODULID, UZYTKOWNIKID, LASTFIRMAID, LASTROK) "
                               "VALUES (:m, :u, :f, :r)"),
                {{QStringLiteral("m"), int(ModuleST)},
                 {QStringLiteral("u"), userId},
                 {QStringLiteral("f"), firmId},
                 {QStringLiteral("r"), content.year()}});

    return {QStringLiteral("Utworzono firmę demonstracyjną nr %1 (rok obrachunkowy %2, tabela "
                           "KŚT \"Tabela 2002\").")
                .arg(kFirmNumber)
                .arg(content.year()),
            QStringLiteral("Utworzono użytkownika %1 bez hasła, ze wszystkimi uprawnieniami.")
                .arg(kUser)};
}

} // namespace vorn::admin
