#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace vorn::test {

void ScriptedMessages::error(const QString& text, const QString& code)
{
    m_messages.append({Kind::Error, kCaptionError, ErrorText(text, code), code, {}});
}

void ScriptedMessages::warning(const QString& text)
{
    m_messages.append({Kind::Warning, kCaptionWarning, text, {}, {}});
}

void ScriptedMessages::information(const QString& text)
{
    m_messages.append({Kind::Information, kCaptionInformation, text, {}, {}});
}

bool ScriptedMessages::captionedQuestion(const QString& caption, const QString& text,
                                         DefaultAnswer defaultAnswer)
{
    const bool yes = question(text, defaultAnswer);
    m_messages.last().caption = caption;
    return yes;
}

QStringList ScriptedMessages::questions() const
{
    QStringList out;
    for (const Message& m : m_messages)
        if (m.kind == Kind::Question)
            out << m.text;
    return out;
}

bool ScriptedMessages::question(const QString& text, DefaultAnswer defaultAnswer, QuestionIcon icon)
{
    m_messages.append({Kind::Question, kCaptionQuestion, text, {}, {}, defaultAnswer, icon});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

void ScriptedMessages::infoWindow(const InfoWindowRequest& request)
{
    m_messages.append({Kind::InfoWindow, request.caption, request.text, {}, request});
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Message& m : m_messages)
        out << m.text;
    return out;
}

QList<ScriptedMessages::Message> ScriptedMessages::ofKind(Kind kind) const
{
    QList<Message> out;
    for (const Message& m : m_messages)
        if (m.kind == kind)
            out << m;
    return out;
}

} // namespace vorn::test
