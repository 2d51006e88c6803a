#include "ui/grid/FocusLabels.h"

#include <QApplication>
#include <QLabel>

namespace vorn {

QLabel* MarkFieldLabel(const QWidget* field, const QWidget* dialog)
{
    if (!field || !dialog || field->objectName().size() <= 3)
        return nullptr;
    const QString name = QStringLiteral("lbl") + field->objectName().mid(3);
    auto* label = dialog->findChild<QLabel*>(name);
    if (!label)
        return nullptr;
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    return label;
}

void UnmarkFieldLabel(QLabel* label)
{
    if (!label)
        return;
    QFont f = label->font();
    f.setUnderline(false);
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    label->setFont(f);
}

TV2EditPanel::TV2EditPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    connect(qApp, &QApplication::focusChanged, this, &TV2EditPanel::focusChanged);
}

void TV2EditPanel::setActiveFont(const QFont& font)
{
    m_activeFont = font;
    m_activeFontSet = true;
}

void TV2EditPanel::focusChanged(QWidget*, QWidget* now)
{
    if (m_marked)
        m_marked->setFont(m_markedOwnFont);
    m_marked = nullptr;
    if (!now || !isAncestorOf(now))
        return;
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels)
        if (label->buddy() == now) {
            m_marked = label;
            m_markedOwnFont = label->font();
            QFont active = m_activeFont;
            if (!m_activeFontSet) {
                active = font();
                active.setUnderline(true);
            }
            label->setFont(active);
            return;
        }
}

} // namespace vorn
