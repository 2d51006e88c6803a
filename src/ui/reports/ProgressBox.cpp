#include "ui/reports/ProgressBox.h"

#include <QApplication>
#include <QProgressDialog>

namespace vorn {

ProgressBox::~ProgressBox()
{
    finish();
}

void ProgressBox::start(const QString& caption, const QString& text, int steps)
{
    finish();
    m_dialog = new QProgressDialog(text, QString(), 0, steps, m_parent);
    m_dialog->setWindowTitle(caption);
    m_dialog->setCancelButton(nullptr);
    m_dialog->setMinimumDuration(0);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setValue(0);
    QApplication::processEvents();
}

void ProgressBox::setText(const QString& text)
{
    if (m_dialog)
        m_dialog->setLabelText(text);
}

void ProgressBox::step()
{
    if (m_dialog && m_dialog->value() < m_dialog->maximum())
        m_dialog->setValue(m_dialog->value() + 1);
}

void ProgressBox::finish()
{
    delete m_dialog.data();
}

} // namespace vorn
