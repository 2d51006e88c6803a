#pragma once

#include "store/CheckReport.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace vorn {

// The progress box of long checks and operations, without a cancel button: a started check
// runs to its end.
class ProgressBox : public ProgressSink
{
public:
    explicit ProgressBox(QWidget* parent) : m_parent(parent) {}
    ~ProgressBox() override;
    void start(const QString& caption, const QString& text, int steps) override;
    void setText(const QString& text) override;
    void step() override;
    void finish() override;

private:
    QWidget* m_parent;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace vorn
