#include "ui/InfoWindow.h"
#include "support/TestEnv.h"
#include "ui/DetailsOutput.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace vorn;

namespace {

struct RecordingOutput : DetailsOutput
{
    void print(QWidget*, const QStringList& lines, const QFont&) override { printed << lines; }
    void exportToFile(QWidget*, const QStringList& lines) override { exported << lines; }
    QList<QStringList> printed, exported;
};

struct Shown
{
    std::unique_ptr<TfrmInfoWindow> form;
    QCheckBox* check;
    QPlainTextEdit* memo;
    QToolButton* print;
    QToolButton* exportButton;
};

Shown show(TV2InfoWindow& w)
{
    Shown s{std::unique_ptr<TfrmInfoWindow>(w.createWindow()), nullptr, nullptr, nullptr, nullptr};
    s.form->show();
    s.form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    s.check = s.form->findChild<QCheckBox*>(QStringLiteral("cbxInfo"));
    s.memo = s.form->findChild<QPlainTextEdit*>(QStringLiteral("memInfo"));
    s.print = s.form->findChild<QToolButton*>(QStringLiteral("sbnDrukuj"));
    s.exportButton = s.form->findChild<QToolButton*>(QStringLiteral("sbnEksportTXT"));
    return s;
}

TEST(InfoWindow, EmptyInfoShowsNeitherCheckBoxNorDetails)
{
    RecordingOutput out;
    TV2InfoWindow w;
    w.setOutput(&out);
    w.setText(QStringLiteral("Operacja zakończona."));
    w.setShowInfo(true);
    auto s = show(w);
    EXPECT_FALSE(s.check->isVisible());
    EXPECT_FALSE(s.memo->isVisible());
    EXPECT_FALSE(s.form->detailsShown());
    EXPECT_EQ(s.form->height(), TfrmInfoWindow::kClientHeight);
    EXPECT_EQ(s.form->width(), TfrmInfoWindow::kMinWidth); // a short message
}

TEST(InfoWindow, ShowInfoExpandsAndTogglingResizesBy150)
{
    RecordingOutput out;
    TV2InfoWindow w;
    w.setOutput(&out);
    w.setCaption(QStringLiteral("Umorzenie"));
    w.setText(QStringLiteral("Nie wszystkie środki spełniają warunki."));
    w.setInfo(
        {QStringLiteral("Komputer- środek zablokowany"), QStringLiteral("Biurko- brak planu")});
    w.setShowInfo(true);
    auto s = show(w);
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("Umorzenie"));
    ASSERT_TRUE(s.check->isVisible());
    EXPECT_TRUE(s.check->isChecked());
    EXPECT_TRUE(s.memo->isVisible());
    EXPECT_EQ(s.memo->height(), 150);
    EXPECT_TRUE(s.print->isVisible());
    const int expanded = s.form->height();
    EXPECT_EQ(expanded, TfrmInfoWindow::kClientHeight + 150);

    s.check->setChecked(false);
    EXPECT_EQ(s.form->height(), expanded - 150);
    EXPECT_FALSE(s.memo->isVisible());
    EXPECT_FALSE(s.print->isVisible());
    EXPECT_FALSE(s.exportButton->isVisible());

    QTest::keyClick(s.form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(s.check->isChecked());
    EXPECT_EQ(s.form->height(), expanded);
    EXPECT_EQ(s.form->detailLines(), QStringList({QStringLiteral("Komputer- środek zablokowany"),
                                                  QStringLiteral("Biurko- brak planu")}));
}

TEST(InfoWindow, PrintAndExportKeysWorkOnlyWhileDetailsShown)
{
    RecordingOutput out;
    TV2InfoWindow w;
    w.setOutput(&out);
    w.setText(QStringLiteral("Tekst"));
    w.setInfo({QStringLiteral("linia")});
    auto s = show(w);
    ASSERT_TRUE(s.check->isVisible());
    EXPECT_FALSE(s.check->isChecked());
    QTest::keyClick(s.form.get(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(s.form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(out.printed.isEmpty());
    EXPECT_TRUE(out.exported.isEmpty());

    s.check->setChecked(true);
    QTest::keyClick(s.form.get(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(s.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(out.printed.size(), 1);
    ASSERT_EQ(out.exported.size(), 1);
    EXPECT_EQ(out.exported[0], QStringList{QStringLiteral("linia")});
}

TEST(InfoWindow, ManyLinesMakeItTallerNeverNarrowerThanMinWidth)
{
    TV2InfoWindow w;
    QStringList lines;
    for (int i = 0; i < 8; ++i)
        lines << QStringLiteral("Wiersz komunikatu numer %1").arg(i);
    w.setText(lines.join(QStringLiteral("\r\n")));
    w.setMinWidth(600);
    auto s = show(w);
    auto* label = s.form->findChild<QLabel*>(QStringLiteral("lblError"));
    ASSERT_GT(label->height(), 50);
    EXPECT_EQ(s.form->height(), TfrmInfoWindow::kClientHeight + label->height() - 34);
    EXPECT_EQ(s.form->width(), 600);
}

TEST(InfoWindow, WidthFollowsTheMessageWithinBounds)
{
    TV2InfoWindow w;
    w.setText(QString(300, QLatin1Char('x')) + QStringLiteral(" koniec"));
    auto s = show(w);
    EXPECT_EQ(s.form->width(), TfrmInfoWindow::kMaxWidth);
    // Changing the text of an open window re-runs the size rule.
    w.setText(QStringLiteral("Krótko"));
    EXPECT_EQ(s.form->width(), TfrmInfoWindow::kMinWidth);
}

TEST(DetailsOutput, ExportWritesCrLfLines)
{
    const QString file =
        vorn::test::FreshDir(QStringLiteral("export")) + QStringLiteral("/Blad.txt");
    QString error;
    ASSERT_TRUE(WriteTextLines(file, {QStringLiteral("Środek 1- zablokowany"), QStringLiteral("b")},
                               &error));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("Środek 1- zablokowany\r\nb\r\n"));
    EXPECT_FALSE(WriteTextLines(QStringLiteral("/nonexistent/dir/x.txt"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
