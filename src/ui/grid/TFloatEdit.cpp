#include "ui/grid/TFloatEdit.h"

#include "common/Money.h"

#include <QKeyEvent>
#include <QTimer>
#include <cmath>

namespace vorn {

TFloatEdit::TFloatEdit(QWidget* parent) : QLineEdit(parent)
{
    ColorDisabled = palette().color(QPalette::Button);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFloatEdit::setValue(double value)
{
    m_value = Signed ? value : std::fabs(value);
    m_empty = false;
    showValue(hasFocus());
}

void TFloatEdit::showValue(bool editing)
{
    if (m_empty)
        setText(QString());
    else
        setText(editing ? FormatAmountEdit(m_value) : FormatAmount(m_value));
    if (editing)
        selectAll();
}

void TFloatEdit::readText()
{
    const QString typed = text().trimmed();
    if (typed.isEmpty()) {
        m_value = 0.0;
        m_empty = true;
        return;
    }
    double parsed = 0.0;
    if (ParseAmount(typed, &parsed)) {
        m_value = Signed ? parsed : std::fabs(parsed);
        m_empty = false;
    }
}

void TFloatEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        readText();
        showValue(true);
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Escape) {
        showValue(true);
        event->ignore(); // the dialog still sees Esc
        return;
    }
    const QString t = event->text();
    const bool control = t.isEmpty() || t.at(0).category() == QChar::Other_Control ||
                         (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (control || key == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = t.at(0);
    // A comma, point or minus already typed once is refused (with the selected text it
    // would replace counted out).
    const QString kept = hasSelectedText()
                             ? QString(text()).remove(selectionStart(), selectedText().size())
                             : text();
    const bool separator = c == QLatin1Char(',') || c == QLatin1Char('.');
    const bool allowed = c.isDigit() || separator || (c == QLatin1Char('-') && Signed);
    if (!allowed || ((separator || c == QLatin1Char('-')) && kept.contains(c))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TFloatEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showValue(true);
    QTimer::singleShot(0, this, [this] { selectAll(); });
}

void TFloatEdit::focusOutEvent(QFocusEvent* event)
{
    readText();
    showValue(false);
    QLineEdit::focusOutEvent(event);
}

void TFloatEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        QPalette p = palette();
        p.setColor(QPalette::Disabled, QPalette::Text, ColorDisabled);
        setPalette(p);
    }
    QLineEdit::changeEvent(event);
}

} // namespace vorn
