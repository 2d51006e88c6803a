#include "ui/main/WindowHelpers.h"

#include "common/Messages.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vorn {

namespace {

struct HourGlass
{
    HourGlass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourGlass() { QApplication::restoreOverrideCursor(); }
};

QMdiSubWindow* subWindowOf(QWidget* w)
{
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

} // namespace

bool WindowHelpers::OpenOnce(QPointer<QWidget>& reference, const std::function<QWidget*()>& create)
{
    if (reference) {
        if (QMdiSubWindow* sub = subWindowOf(reference)) {
            sub->showNormal();
            m_area.setActiveSubWindow(sub);
            sub->raise();
        } else {
            m_messages.warning(kWindowExistsText);
        }
        return false;
    }
    try {
        HourGlass wait;
        reference = create();
    } catch (...) {
        reference = nullptr;
        m_messages.information(kWindowCreateFailedText);
        return false;
    }
    return reference != nullptr;
}

int WindowHelpers::ShowModal(QPointer<QWidget>& reference,
                             const std::function<void()>& afterRefresh)
{
    auto* dialog = qobject_cast<QDialog*>(reference.data());
    if (!dialog)
        return QDialog::Rejected;
    dialog->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    const int result = dialog->exec();
    if (afterRefresh)
        afterRefresh();
    delete dialog;
    reference = nullptr;
    QApplication::processEvents();
    return result;
}

void WindowHelpers::ShowChild(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_area.addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(m_area.viewport()->size());
    sub->move(0, 0);
    sub->show();
    m_area.setActiveSubWindow(sub);
}

int WindowHelpers::ShowRecordEditor(QPointer<QWidget>& reference, const RecordEditor& editor,
                                    EditorMode mode, bool mixedCase)
{
    auto* dialog = qobject_cast<QDialog*>(reference.data());
    if (!dialog)
        return QDialog::Rejected;
    dialog->setProperty("tag", static_cast<int>(mode));
    Prepared prepared = Prepared::NotFound;
    {
        HourGlass wait;
        prepared = editor.prepare ? editor.prepare(mode) : Prepared::Ready;
    }
    int result = QDialog::Rejected;
    if (prepared == Prepared::HeldByOther)
        m_messages.information(kRecordHeldText);
    if (prepared == Prepared::Ready) {
        dialog->setWindowTitle(dialog->windowTitle() + EditorCaptionSuffix(mode, mixedCase));
        dialog->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
        result = dialog->exec();
    }
    if (editor.finish)
        editor.finish(result == QDialog::Accepted);
    delete dialog;
    reference = nullptr;
    QApplication::processEvents();
    return result;
}

void WindowHelpers::FitChildren()
{
    const QSize size = m_area.viewport()->size();
    for (QMdiSubWindow* sub : m_area.subWindowList())
        if (!sub->isMinimized() && !sub->isMaximized())
            sub->resize(size);
}

} // namespace vorn
