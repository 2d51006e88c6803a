#pragma once

#include <QString>

namespace vorn {

// The firm's choice of the classification table with rates, kept in KST.Ini of the firm
// folder, section "WYBOR_KST".
class KstIni
{
public:
    static inline const QString kSection = QStringLiteral("WYBOR_KST");
    static inline const QString kTableKey = QStringLiteral("TabelaKST");
    static inline const QString kNoticeKey = QStringLiteral("KomunikatBrak");
    static inline const QString kTable2000 = QStringLiteral("Tabela 2000");
    static inline const QString kTable2002 = QStringLiteral("Tabela 2002");

    // rootPath is the RootPath of this program's module.
    KstIni(const QString& rootPath, int firm);

    QString fileName() const { return m_file; }
    // "Tabela 2000", "Tabela 2002" or whatever else is written (empty when nothing).
    QString tableChoice() const;
    // D00005ST for "Tabela 2002"; D00001ST for anything else.
    QString tableName() const;
    void setTableChoice(const QString& choice);
    // "KomunikatBrak": the state of the notice's check box "Nie pokazuj więcej tego
    // komunikatu", "1" when checked, "0" when not; empty while never written.
    QString noticeFlag() const;
    bool noticeSuppressed() const { return noticeFlag() == QStringLiteral("1"); }
    void setNoticeSuppressed(bool suppressed);

private:
    QString m_file;
};

} // namespace vorn
