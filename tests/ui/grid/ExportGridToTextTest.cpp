#include "ui/grid/ExportGridToText.h"
#include "GridFixture.h"
#include "common/TextExport.h"
#include "support/TestEnv.h"

#include <QFile>

using namespace vorn;
using namespace vorn::test;

namespace {

using ExportGrid = GridFixture;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(ExportGrid, ShownColumnsInScreenOrderAsTabSeparatedText)
{
    grid->applyColumnLayout(
        {{"NAZWA", "Nazwa", true, 0}, {"WART_ZAKT", "Wartość", true, 0}, {"ID", "Id", false, 0}});
    const QString path = FreshDir("export_grid") + "/Środki.txt";
    QString proposed;
    ASSERT_TRUE(ExportGridToText(*grid, "Srodki.TXT", messages, [&](const QString& p) {
        proposed = p;
        return path;
    }));
    EXPECT_EQ(proposed, QStringLiteral("Srodki.TXT"));
    const QByteArray expected =
        EncodeWindows1250(QStringLiteral("Nazwa\tWartość\t\r\n"
                                         "Stacja komputerowa\t5 400,00\t\r\n"
                                         "Komputer\t12 345,67\t\r\n"
                                         "Biurko\t800,00\t\r\n"
                                         "Żuraw\t250 000,00\t\r\n"));
    EXPECT_EQ(readAll(path), expected);
    EXPECT_TRUE(readAll(path).contains(char(0xAF))); // "Ż" in the single-byte code page
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Eksport do zbioru \"%1\" zakończony.").arg(path)});
}

TEST_F(ExportGrid, CancelWritesNothingAndAFailedWriteIsNoSuccess)
{
    EXPECT_FALSE(
        ExportGridToText(*grid, "Srodki.TXT", messages, [](const QString&) { return QString(); }));
    EXPECT_TRUE(messages.messages().isEmpty());

    const QString path = FreshDir("export_grid_fail") + "/brak/folderu/Srodki.txt";
    EXPECT_FALSE(
        ExportGridToText(*grid, "Srodki.TXT", messages, [&](const QString&) { return path; }));
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages().first().kind, ScriptedMessages::Kind::Error);
}

} // namespace
