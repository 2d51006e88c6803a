#pragma once

#include <QColor>
#include <QLineEdit>

namespace vorn {

// The number field of amounts: shows "### ### ### ##0.00" while it has no focus and
// "###########0.00" while it is edited. An empty field is the value 0 and stays empty;
// a text that is not a number keeps the previous value; Esc discards what was typed.
class TFloatEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)

public:
    explicit TFloatEdit(QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    bool isEmptyValue() const { return m_empty; }

    // false: negative values are made positive and "-" cannot be typed.
    bool Signed = false;
    QColor ColorDisabled;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void readText();
    void showValue(bool editing);

    double m_value = 0.0;
    bool m_empty = true;
};

} // namespace vorn
