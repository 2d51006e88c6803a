#pragma once

#include "common/Messages.h"

#include <QList>
#include <QStringList>
#include <deque>

namespace vorn::test {

// Test double of the user: records every box and answers questions from a script.
// A question the script has no answer for fails the test and is answered No.
class ScriptedMessages : public UserMessages
{
public:
    enum class Kind
    {
        Error,
        Warning,
        Information,
        Question,
        InfoWindow
    };

    struct Message
    {
        Kind kind;
        QString caption;
        QString text; // as shown, with the error code prefix when there is one
        QString code;
        InfoWindowRequest window;
        DefaultAnswer defaultAnswer = DefaultAnswer::Yes;
        QuestionIcon icon = QuestionIcon::Question;
    };

    ScriptedMessages& answer(bool yes)
    {
        m_answers.push_back(yes);
        return *this;
    }
    ScriptedMessages& answers(std::initializer_list<bool> list)
    {
        for (bool a : list)
            m_answers.push_back(a);
        return *this;
    }

    void error(const QString& text, const QString& code = {}) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes,
                  QuestionIcon icon = QuestionIcon::Question) override;
    void infoWindow(const InfoWindowRequest& request) override;
    bool captionedQuestion(const QString& caption, const QString& text,
                           DefaultAnswer defaultAnswer = DefaultAnswer::Yes) override;
    using UserMessages::error;

    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    QList<Message> ofKind(Kind kind) const;
    // The texts of the questions asked, in order.
    QStringList questions() const;
    int unusedAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    std::deque<bool> m_answers;
};

} // namespace vorn::test
