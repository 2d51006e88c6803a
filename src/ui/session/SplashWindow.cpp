#include "ui/session/SplashWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vorn {

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    auto* product = new QLabel(QStringLiteral("VORN 2000"));
    QFont big = product->font();
    big.setPointSize(24);
    big.setBold(true);
    product->setFont(big);
    auto* title = new QLabel(QStringLiteral("EWIDENCJA I AMORTYZACJA ŚRODKÓW TRWAŁYCH"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(product, 0, Qt::AlignCenter);
    layout->addWidget(title, 0, Qt::AlignCenter);
    setStyleSheet(QStringLiteral("background: #f4f4f4; border: 1px solid #606060;"));
}

void TfrmSplash::show()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::show();
    QApplication::processEvents();
}

void TfrmSplash::close()
{
    QWidget::close();
}

} // namespace vorn
