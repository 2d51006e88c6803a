#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace vorn {

// The progress window of long operations on the user-interface thread.
class TfrmProgress : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget* parent = nullptr);
    QLabel* lblInfo;
    QProgressBar* pbrPostep;
};

// An operation sets Caption, Info and Max, then steps once per item; each show lets
// pending window messages run so that the progress stays visible.
class TProgressBox : public QObject
{
    Q_OBJECT

public:
    explicit TProgressBox(QObject* parent = nullptr) : QObject(parent) {}
    ~TProgressBox() override;

    QString Caption;
    QString Info;
    int Min = 0;
    int Max = 100;
    int Done = 0;
    bool CanCancel = false; // no operation offers a cancel button

    void show();
    void step();
    void hide();
    TfrmProgress* window() const { return m_window; }

private:
    QPointer<TfrmProgress> m_window;
};

} // namespace vorn
