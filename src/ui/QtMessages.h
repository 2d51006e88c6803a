#pragma once

#include "common/Messages.h"

class QWidget;

namespace vorn {

// The message boxes of the desktop program. The arrow cursor is shown while a box is up.
class QtMessages : public UserMessages
{
public:
    explicit QtMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void error(const QString& text, const QString& code = {}) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes,
                  QuestionIcon icon = QuestionIcon::Question) override;
    void infoWindow(const InfoWindowRequest& request) override;
    bool captionedQuestion(const QString& caption, const QString& text,
                           DefaultAnswer defaultAnswer = DefaultAnswer::Yes) override;
    using UserMessages::error;

private:
    QWidget* m_parent;
};

} // namespace vorn
