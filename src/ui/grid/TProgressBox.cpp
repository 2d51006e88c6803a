#include "ui/grid/TProgressBox.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace vorn {

TfrmProgress::TfrmProgress(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    lblInfo = new QLabel(this);
    pbrPostep = new QProgressBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addWidget(pbrPostep);
    resize(398, 48);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TProgressBox::~TProgressBox()
{
    hide();
}

void TProgressBox::show()
{
    if (!m_window)
        m_window = new TfrmProgress(nullptr);
    m_window->setWindowTitle(Caption);
    m_window->lblInfo->setText(Info);
    m_window->pbrPostep->setRange(Min, Max);
    m_window->pbrPostep->setValue(Done);
    m_window->show();
    m_window->raise();
    m_window->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressBox::step()
{
    if (Done < Max)
        ++Done;
    show();
}

void TProgressBox::hide()
{
    delete m_window.data();
}

} // namespace vorn
