#pragma once

#include <QWidget>

class QLabel;

namespace vorn {

// What the frame shows while no child window is open: the product and module names and,
// when Dealer.Ini names a picture that loads, the dealer's picture on the right.
class BackgroundPanel : public QWidget
{
    Q_OBJECT
public:
    BackgroundPanel(const QString& programDir, const QString& versionSuffix,
                    QWidget* parent = nullptr);

    bool dealerPictureShown() const;
    QLabel* moduleLabel() const { return lblModul; }

private:
    QLabel* lblModul;
    QLabel* imgDealer;
};

} // namespace vorn
