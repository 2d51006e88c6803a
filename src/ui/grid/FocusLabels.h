#pragma once

#include <QFont>
#include <QFrame>
#include <QPointer>

#include <QLabel>

namespace vorn {

// The label of the field that has the focus is underlined. A field's label is named "lbl"
// and the field's name without its three-letter prefix: dbeOkreslenie has lblOkreslenie.
// MarkFieldLabel underlines it and gives it back (none when the dialog has no such label);
// UnmarkFieldLabel clears its font style again.
QLabel* MarkFieldLabel(const QWidget* field, const QWidget* dialog);
void UnmarkFieldLabel(QLabel* label);

// A borderless panel of fields and their labels that marks the label of the focused field
// itself: the label whose buddy is the focused field takes ActiveFont, the label marked
// before gets its own font back.
class TV2EditPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TV2EditPanel(QWidget* parent = nullptr);

    QFont activeFont() const { return m_activeFont; }
    void setActiveFont(const QFont& font);
    QLabel* markedLabel() const { return m_marked; }

private:
    void focusChanged(QWidget* old, QWidget* now);

    QFont m_activeFont;
    bool m_activeFontSet = false;
    QPointer<QLabel> m_marked;
    QFont m_markedOwnFont;
};

} // namespace vorn
