#include "ui/main/Background.h"

#include "shell/DealerLogo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace vorn {

BackgroundPanel::BackgroundPanel(const QString& programDir, const QString& versionSuffix,
                                 QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlLogoFirmy"));
    const DealerLogo logo = ReadDealerLogo(programDir);

    auto* product = new QLabel(QStringLiteral("VORN 2000"));
    QFont big = product->font();
    big.setPointSize(36);
    big.setBold(true);
    product->setFont(big);
    product->setStyleSheet(QStringLiteral("color: #000080;"));
    lblModul =
        new QLabel(QStringLiteral(" - Ewidencja i Amortyzacja Środków Trwałych") + versionSuffix);
    QFont medium = lblModul->font();
    medium.setPointSize(16);
    medium.setBold(true);
    lblModul->setFont(medium);
    auto* information = new QLabel(
        QStringLiteral("Ewidencja środków trwałych i wartości niematerialnych i prawnych,\n"
                       "amortyzacja księgowa i podatkowa, plany, dokumenty i zestawienia."));
    information->setAlignment(Qt::AlignCenter);

    auto* names = new QWidget;
    auto* column = new QVBoxLayout(names);
    column->addStretch();
    column->addWidget(product, 0, Qt::AlignCenter);
    column->addWidget(lblModul, 0, Qt::AlignCenter);
    column->addSpacing(24);
    column->addWidget(information, 0, Qt::AlignCenter);
    column->addStretch();

    imgDealer = new QLabel;
    QPixmap picture;
    const bool pictureLoads = picture.load(logo.pictureFile);
    if (pictureLoads)
        imgDealer->setPixmap(picture);
    imgDealer->setVisible(pictureLoads);
    // Without the dealer's picture the product name stands alone.
    names->setVisible(!pictureLoads || logo.showProductName);
    information->setVisible(pictureLoads && logo.showInformation);

    auto* row = new QHBoxLayout(this);
    row->addWidget(names, 1);
    row->addWidget(imgDealer, 0, Qt::AlignRight | Qt::AlignVCenter);
}

bool BackgroundPanel::dealerPictureShown() const
{
    return !imgDealer->isHidden();
}

} // namespace vorn
