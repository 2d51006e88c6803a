#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace vorn {

class UserMessages;

// Keeps named properties of a window's components in one section of a profile file: loaded
// when the store is activated (as the window is shown), saved when the window closes and,
// failing that, when the store goes with its window. A grid's "Columns" is a collection:
// the stored columns replace the grid's columns whole. "Width" and "Height" resize a
// component; any other name is the component's property of that name in any case
// ("Checked", "Text", "Enabled").
class TAutoPropertiesStore : public QObject
{
    Q_OBJECT

public:
    TAutoPropertiesStore(QWidget* window, const QString& iniSection);
    ~TAutoPropertiesStore() override;

    void setMessages(UserMessages* messages) { m_messages = messages; }
    // Components are keyed by their object names.
    void addItem(QObject* component, const QStringList& properties);

    QString iniSection() const { return m_section; }
    QString iniFileName() const { return m_file; }
    bool isActive() const { return m_active; }
    // Points the store at its file and applies the stored values at once.
    void activate(const QString& iniFileName);
    // Points the store at its file; the values are applied when the window is shown.
    void activateOnShow(const QString& iniFileName);

    void load();
    // Erases the section and writes every item; false (and the error box) when the file
    // cannot be written.
    bool save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item
    {
        QPointer<QObject> component;
        QStringList properties;
    };

    QPointer<QWidget> m_window;
    QString m_section;
    QString m_file;
    QList<Item> m_items;
    UserMessages* m_messages = nullptr;
    bool m_active = false;
    bool m_savedSinceLoad = false;
    bool m_loadOnShow = false;
};

} // namespace vorn
