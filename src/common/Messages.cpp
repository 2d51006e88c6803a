#include "common/Messages.h"

#include "common/Errors.h"

#include <QTextStream>
#include <cstdio>

namespace vorn {

void UserMessages::error(const VornError& failure)
{
    error(failure.message(), failure.code());
}

QString ErrorText(const QString& text, const QString& code)
{
    if (code.isEmpty())
        return text;
    return QStringLiteral("BŁĄD NR %1.\n\r\n\r").arg(code) + text;
}

QString PlainLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.remove(QLatin1Char('\r'));
    return text;
}

namespace {

void writeErr(const QString& caption, const QString& text)
{
    QTextStream err(stderr);
    err << caption << ": " << PlainLineBreaks(text) << Qt::endl;
}

} // namespace

void ConsoleMessages::error(const QString& text, const QString& code)
{
    writeErr(kCaptionError, ErrorText(text, code));
}

void ConsoleMessages::warning(const QString& text)
{
    writeErr(kCaptionWarning, text);
}

void ConsoleMessages::information(const QString& text)
{
    writeErr(kCaptionInformation, text);
}

bool ConsoleMessages::question(const QString& text, DefaultAnswer defaultAnswer, QuestionIcon)
{
    const bool yes = m_answers == ConsoleAnswers::Yes ||
                     (m_answers == ConsoleAnswers::Default && defaultAnswer == DefaultAnswer::Yes);
    writeErr(kCaptionQuestion, text + (yes ? QStringLiteral(" [Tak]") : QStringLiteral(" [Nie]")));
    return yes;
}

void ConsoleMessages::infoWindow(const InfoWindowRequest& request)
{
    QString text = request.text;
    for (const QString& line : request.info)
        text += QStringLiteral("\n  ") + line;
    writeErr(request.caption.isEmpty() ? QStringLiteral("Informacja") : request.caption, text);
}

} // namespace vorn
