#include "ui/QtMessages.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Runs `inspect` on the box once it is up, then presses `press` on it.
void whenBoxShown(std::function<void(QMessageBox*)> inspect, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(box);
        box->button(press)->click();
    });
}

TEST(QtMessages, PolishButtonsAndQuestionDefaults)
{
    ASSERT_TRUE(InstallPolishTranslations(*QCoreApplication::instance()));
    QtMessages messages;
    whenBoxShown(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Potwierdzenie"));
            EXPECT_EQ(box->text(), QStringLiteral("Usunąć?\nNa pewno"));
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Tak"));
            EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("&Nie"));
        },
        QMessageBox::Yes);
    EXPECT_TRUE(messages.question(QStringLiteral("Usunąć?\n\rNa pewno"), DefaultAnswer::No));

    whenBoxShown(
        [](QMessageBox* box) { EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes)); },
        QMessageBox::No);
    EXPECT_FALSE(messages.question(QStringLiteral("Kontynuować?")));
}

TEST(QtMessages, ErrorBoxCarriesCaptionAndCode)
{
    QtMessages messages;
    whenBoxShown(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Błąd"));
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_EQ(box->text(), QStringLiteral("BŁĄD NR AD_0010.\n\nbrak wpisów"));
        },
        QMessageBox::Ok);
    messages.error(QStringLiteral("brak wpisów"), QStringLiteral("AD_0010"));

    whenBoxShown(
        [](QMessageBox* box) { EXPECT_EQ(box->windowTitle(), QStringLiteral("Ostrzeżenie")); },
        QMessageBox::Ok);
    messages.warning(QStringLiteral("uwaga"));
    whenBoxShown(
        [](QMessageBox* box) { EXPECT_EQ(box->windowTitle(), QStringLiteral("Komunikat")); },
        QMessageBox::Ok);
    messages.information(QStringLiteral("gotowe"));
}

} // namespace
