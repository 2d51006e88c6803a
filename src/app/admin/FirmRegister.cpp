#include "FirmRegister.h"

#include "Installation.h"
#include "TableRows.h"
#include "common/Errors.h"
#include "shell/Modules.h"
#include "store/Database.h"
#include "store/TableDef.h"

namespace vorn::admin {

namespace {

const QString kFirms = QStringLiteral("D00002AD");
constexpr int kModulesLength = 20;

} // namespace

QString FirmRegister::ModulesMask(int module)
{
    QString mask(kModulesLength, QLatin1Char('0'));
    mask[module - 1] = QLatin1Char('1');
    return mask;
}

std::optional<Row> FirmRegister::byNumber(int number)
{
    return m_db.firstRow(QStringLiteral("SELECT * FROM D00002AD WHERE Numer=:n"),
                         {{QStringLiteral("n"), number}}, FindTable(kFirms));
}

Row FirmRegister::require(int number)
{
    const auto firm = byNumber(number);
    if (!firm)
        throw ValidationError(QStringLiteral("Nie znaleziono firmy o numerze %1.").arg(number));
    return *firm;
}

QList<Row> FirmRegister::firmsOfModule()
{
    QString like(kModulesLength, QLatin1Char('_'));
    like[ModuleST - 1] = QLatin1Char('1');
    return m_db.rows(QStringLiteral("SELECT * FROM D00002AD WHERE MODULY LIKE :mask ORDER BY "
                                    "Numer"),
                     {{QStringLiteral("mask"), like}}, FindTable(kFirms));
}

int FirmRegister::add(const NewFirm& firm)
{
    if (firm.number < 1 || firm.number > 99999)
        throw ValidationError(QStringLiteral("Numer firmy musi być liczbą od 1 do 99999."));
    const QString fullName = firm.fullName.trimmed();
    const QString shortName =
        firm.shortName.trimmed().isEmpty() ? fullName.left(100) : firm.shortName.trimmed();
    if (fullName.isEmpty())
        throw ValidationError(QStringLiteral("Należy podać nazwę firmy."));
    if (fullName.size() > 120)
        throw ValidationError(QStringLiteral("Nazwa pełna firmy może mieć najwyżej 120 znaków."));
    if (shortName.size() > 100)
        throw ValidationError(
            QStringLiteral("Nazwa skrócona firmy może mieć najwyżej 100 znaków."));
    if (byNumber(firm.number))
        throw ValidationError(QStringLiteral("Firma o numerze %1 już istnieje.").arg(firm.number));

    // The tables first: a firm the program can choose must have them.
    m_installation.openFirm(firm.number, true);

    const int id = NextFreeId(m_db, kFirms);
    InsertRow(m_db, kFirms,
              {{QStringLiteral("ID"), id},
               {QStringLiteral("Numer"), firm.number},
               {QStringLiteral("NazwaPelna"), fullName},
               {QStringLiteral("NazwaSkrocona"), shortName},
               {QStringLiteral("MODULY"), ModulesMask(ModuleST)}});
    return id;
}

} // namespace vorn::admin
