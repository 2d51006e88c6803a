#include "ui/reports/CheckReportWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

CheckReport sample()
{
    CheckReport report;
    report.addHeader(QStringLiteral("Poprawność kluczy głównych"),
                     ReportHeader{QStringLiteral("VORN 2000"), 1,
                                  QDateTime(QDate(2026, 3, 4), QTime(10, 0)),
                                  QStringLiteral("ADMIN")});
    report.addSection(QStringLiteral("Poprawione wartości kluczy głównych"),
                      {QStringLiteral("F00001ST: 3 -> 7 <ID>")}, ReportStyle::Fault);
    return report;
}

} // namespace

TEST(CheckReportWindow, ShowsTheReportAndSavesItAsRtf)
{
    ScriptedMessages messages;
    CheckReportWindow window(sample(), messages);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Poprawność kluczy głównych"));
    const QString shown = window.view()->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("Użytkownik: ADMIN")));
    EXPECT_TRUE(shown.contains(QStringLiteral("F00001ST: 3 -> 7 <ID>"))); // markup escaped
    EXPECT_TRUE(window.view()->toHtml().contains(QStringLiteral("#ff0000")));

    const QString dir = vorn::test::FreshDir(QStringLiteral("checkreport"));
    window.askFileName = [&dir] { return dir + QStringLiteral("/raport"); };
    ASSERT_TRUE(window.save());
    QFile file(dir + QStringLiteral("/raport.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()), sample().toRtf());

    window.askFileName = [] { return QString(); }; // the file dialog cancelled
    EXPECT_FALSE(window.save());
    window.askFileName = [] { return QStringLiteral("/no/such/folder/r.rtf"); };
    EXPECT_FALSE(window.save());
    EXPECT_EQ(messages.ofKind(ScriptedMessages::Kind::Error).size(), 1);
}
