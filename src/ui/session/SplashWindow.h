#pragma once

#include "shell/Session.h"

#include <QWidget>

namespace vorn {

// Borderless, on top and centred while the session opens.
class TfrmSplash : public QWidget, public SplashScreen
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
    void show() override;
    void close() override;
};

} // namespace vorn
