#include "StoreTestEnv.h"

#include "store/Counters.h"
#include "store/KeyCheck.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

qint64 storedCounter(Database& db, int counter)
{
    return db
        .scalar(QStringLiteral("SELECT NUMER FROM F00013ST WHERE ID = :id"),
                {{QStringLiteral("id"), counter}})
        .toLongLong();
}

TEST(NextNumber, FirstNumberOfANewCounterIsOneAndTheRowStays)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("counter"));
    db->exec(QStringLiteral("DELETE FROM F00013ST WHERE ID = 2"));
    EXPECT_EQ(NextNumber(*db, 2), 1);
    EXPECT_EQ(storedCounter(*db, 2), 1);
    EXPECT_EQ(NextNumber(*db, 2), 2);
    EXPECT_EQ(NextNumber(*db, 40), 1); // a counter no table uses works the same
    EXPECT_EQ(storedCounter(*db, 2), 2);
}

TEST(NextNumber, ErrorsOfTheCountersTable)
{
    const QString folder = FreshDir(QStringLiteral("counter-busy"));
    auto db = OpenScope(Scope::Firm, folder, TestOptions(true));
    OpenOptions quick = TestOptions(false);
    quick.busyTimeoutMs = 1;
    auto mine = OpenScope(Scope::Firm, folder, quick);

    // Another workstation holds the database for writing through all 21 attempts.
    db->beginWrite();
    db->exec(QStringLiteral("UPDATE F00013ST SET NUMER = NUMER"));
    try {
        NextNumber(*mine, 1);
        FAIL() << "drew a number from a held counter";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "Problem z dostępem do bazy numerów. (Zajęte pole)");
    }
    db->rollback();
    EXPECT_EQ(NextNumber(*mine, 1), 1);

    db->exec(QStringLiteral("DROP TABLE F00013ST"));
    try {
        NextNumber(*mine, 1);
        FAIL() << "drew a number without a counters table";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "Problem z dostępem do bazy numerów. (Otworzenie bazy)");
    }

    db->exec(QStringLiteral("CREATE TABLE F00013ST (ID INTEGER PRIMARY KEY, NUMER INTEGER, "
                            "CHECK (NUMER > 1 OR ID < 100))"));
    try {
        NextNumber(*mine, 100);
        FAIL() << "a refused first row was reported as a number";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "Problem przy wstawianiu rekordu do bazy numerów.");
    }
}

QStringList runDrawers(const QString& folder, int counter, int each)
{
    QList<QProcess*> procs;
    for (int i = 0; i < 2; ++i) {
        auto* p = new QProcess;
        p->start(QStringLiteral(VORN_COUNTER_DRAWER),
                 {folder, QString::number(counter), QString::number(each)});
        procs << p;
    }
    QStringList lines;
    for (QProcess* p : procs) {
        EXPECT_TRUE(p->waitForFinished(-1));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        lines << QString::fromUtf8(p->readAllStandardOutput())
                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        delete p;
    }
    return lines;
}

TEST(NextNumber, TwoProcessesNeverDrawTheSameNumber)
{
    const QString folder = FreshDir(QStringLiteral("counter-race"));
    OpenScope(Scope::Firm, folder, TestOptions(true));
    const int each = 10000;
    const QStringList lines = runDrawers(folder, 5, each);
    ASSERT_EQ(lines.size(), 2 * each);

    QSet<qint64> seen;
    int refused = 0;
    qint64 highest = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("REFUSED "))) {
            EXPECT_EQ(line.mid(8), "Problem z dostępem do bazy numerów. (Zajęte pole)");
            ++refused;
            continue;
        }
        const qint64 n = line.toLongLong();
        EXPECT_FALSE(seen.contains(n)) << "drawn twice: " << n;
        seen.insert(n);
        highest = std::max(highest, n);
    }
    // A refused draw takes no number, so the numbers given run from 1 without a gap.
    EXPECT_EQ(seen.size(), 2 * each - refused);
    EXPECT_EQ(highest, seen.size());
    auto db = OpenScope(Scope::Firm, folder, TestOptions(false));
    EXPECT_EQ(storedCounter(*db, 5), highest);
}

TEST(CheckPrimaryKeys, RaisesCountersBelowTheirTablesAndReportsThem)
{
    const QString folder = FreshDir(QStringLiteral("keys"));
    {
        auto db = OpenScope(Scope::Firm, folder, TestOptions(true));
        InsertRow(*db, QStringLiteral("F00004ST"), {{"ID", 41}});
        InsertRow(*db, QStringLiteral("F00007ST"), {{"ID", 9}});
        db->exec(QStringLiteral("UPDATE F00013ST SET NUMER = 40 WHERE ID = 1"));
        db->exec(QStringLiteral("UPDATE F00013ST SET NUMER = 12 WHERE ID = 2")); // above: kept
        db->exec(QStringLiteral("DELETE FROM F00013ST WHERE ID = 5"));
    }
    // Opening the counters repairs them without a word.
    auto db = OpenScope(Scope::Firm, folder, TestOptions(false));
    EXPECT_EQ(storedCounter(*db, 1), 41);
    EXPECT_EQ(storedCounter(*db, 2), 12);
    EXPECT_EQ(NextNumber(*db, 1), 42);
    EXPECT_EQ(NextNumber(*db, 5), 1);

    db->exec(QStringLiteral("UPDATE F00013ST SET NUMER = 3 WHERE ID = 1"));
    db->exec(QStringLiteral("DROP TABLE F00002ST")); // a failing table is passed over
    RecordingProgress progress;
    const ReportHeader header{QStringLiteral("VORN 2000 - Środki Trwałe"), 7,
                              QDateTime(QDate(2024, 5, 6), QTime(9, 5, 7)), QStringLiteral("ADAM")};
    const CheckReport report = CheckPrimaryKeys(*db, header, &progress);
    EXPECT_EQ(
        report.texts(),
        QStringList({"Poprawność kluczy głównych", "VORN 2000 - Środki Trwałe", "Numer firmy: 7",
                     "Data, godzina: 06-05-2024, 09:05:07", "Użytkownik: ADAM",
                     "Poprawione wartości kluczy głównych", "\"Środki trwałe\"    3 > 41"}));
    EXPECT_EQ(report.lines.last().style, ReportStyle::Fault);
    EXPECT_EQ(progress.steps, 14);
    EXPECT_EQ(progress.log.first(), "Kontrola poprawności danych 14");
    EXPECT_TRUE(progress.log.contains("Tabela F00017ST"));

    const CheckReport clean = CheckPrimaryKeys(*db, header);
    EXPECT_EQ(clean.texts().last(), "Wszystkie wartości kluczy głównych są poprawne.");
    EXPECT_EQ(clean.lines.last().style, ReportStyle::Good);
}

TEST(CheckReport, RtfCarriesStylesAndPolishLetters)
{
    CheckReport r;
    r.addHeader(QStringLiteral("Poprawność"), ReportHeader{});
    r.add(QStringLiteral("a{b}\\c"), ReportStyle::Fault);
    const QString rtf = r.toRtf();
    EXPECT_TRUE(rtf.startsWith(QLatin1String("{\\rtf1")));
    EXPECT_TRUE(rtf.contains(QLatin1String("Arial")));
    EXPECT_TRUE(rtf.contains(QLatin1String("\\fs24\\cf1\\b\\ul Poprawno\\u347?\\u263?\\par")));
    EXPECT_TRUE(rtf.contains(QLatin1String("\\li400\\f0\\fs16\\cf4 a\\{b\\}\\\\c\\par")));
    const QString path = FreshDir(QStringLiteral("rtf")) + QStringLiteral("/raport.rtf");
    ASSERT_TRUE(r.saveRtf(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()), rtf);
}

} // namespace
