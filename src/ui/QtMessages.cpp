#include "ui/QtMessages.h"
#include "common/Messages.h"

#include "ui/InfoWindow.h"

#include <QApplication>
#include <QMessageBox>

namespace vorn {

namespace {

// Keeps the arrow cursor up while a box is shown, whatever a long operation set.
class ArrowCursor
{
public:
    ArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
};

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    ArrowCursor arrow;
    QMessageBox box(icon, caption, PlainLineBreaks(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtMessages::error(const QString& text, const QString& code)
{
    showBox(m_parent, QMessageBox::Critical, kCaptionError, ErrorText(text, code), QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtMessages::warning(const QString& text)
{
    showBox(m_parent, QMessageBox::Warning, kCaptionWarning, text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtMessages::information(const QString& text)
{
    showBox(m_parent, QMessageBox::Information, kCaptionInformation, text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool QtMessages::question(const QString& text, DefaultAnswer defaultAnswer, QuestionIcon icon)
{
    const auto answer = showBox(
        m_parent, icon == QuestionIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Question,
        kCaptionQuestion, text, QMessageBox::Yes | QMessageBox::No,
        defaultAnswer == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

bool QtMessages::captionedQuestion(const QString& caption, const QString& text,
                                   DefaultAnswer defaultAnswer)
{
    return showBox(m_parent, QMessageBox::Question, caption, text,
                   QMessageBox::Yes | QMessageBox::No,
                   defaultAnswer == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void QtMessages::infoWindow(const InfoWindowRequest& request)
{
    ArrowCursor arrow;
    TV2InfoWindow window;
    window.apply(request);
    window.Execute(m_parent);
}

} // namespace vorn
