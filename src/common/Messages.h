#pragma once

#include "common/InfoWindowRequest.h"

#include <QString>

namespace vorn {

class VornError;

// Captions of the program's boxes.
inline const QString kCaptionError = QStringLiteral("Błąd");
inline const QString kCaptionWarning = QStringLiteral("Ostrzeżenie");
inline const QString kCaptionInformation = QStringLiteral("Komunikat");
inline const QString kCaptionQuestion = QStringLiteral("Potwierdzenie");

enum class DefaultAnswer
{
    Yes,
    No // questions that delete, discard data, renumber, close a month or move a date
};

enum class QuestionIcon
{
    Question,
    Exclamation
};

// The one way a service talks to the user. The desktop program shows modal boxes, the
// command-line tool writes to stderr, tests record everything and answer from a script.
class UserMessages
{
public:
    virtual ~UserMessages() = default;
    // Error box "Błąd"; with a code ("AD_0010") the text is prefixed by ErrorText.
    virtual void error(const QString& text, const QString& code = {}) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    // Question "Potwierdzenie" with Yes and No; true for Yes.
    virtual bool question(const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes,
                          QuestionIcon icon = QuestionIcon::Question) = 0;
    virtual void infoWindow(const InfoWindowRequest& request) = 0;
    // A Yes/No question under a caption of its own ("Przypomnienie"); by default the
    // ordinary question.
    virtual bool captionedQuestion(const QString& caption, const QString& text,
                                   DefaultAnswer defaultAnswer = DefaultAnswer::Yes)
    {
        (void)caption;
        return question(text, defaultAnswer);
    }

    // Shows a caught failure as the error box, with its code when it has one.
    void error(const VornError& failure);
};

// Messages break lines with "\r\n" and "\n\r" pairs; on screen each is one line end.
QString PlainLineBreaks(QString text);

// Text of the error box: with a code, "BŁĄD NR <code>.\n\r\n\r" + text.
QString ErrorText(const QString& text, const QString& code);

// How a tool without a user answers questions.
enum class ConsoleAnswers
{
    Default, // each question's default answer
    No,      // never agree: nothing is retried, deleted or handed over unasked
    Yes      // agree to everything (the tool was told so)
};

// For the command-line tools: every box becomes lines on stderr; questions are answered by
// the policy and the answer is written beside them.
class ConsoleMessages : public UserMessages
{
public:
    explicit ConsoleMessages(ConsoleAnswers answers = ConsoleAnswers::Default) : m_answers(answers)
    {
    }
    void error(const QString& text, const QString& code = {}) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes,
                  QuestionIcon icon = QuestionIcon::Question) override;
    void infoWindow(const InfoWindowRequest& request) override;
    using UserMessages::error;

private:
    ConsoleAnswers m_answers;
};

} // namespace vorn
