#include "ui/grid/TAutoPropertiesStore.h"

#include "common/Messages.h"
#include "common/PropertyNotation.h"
#include "ui/grid/TDBGridSel.h"

#include <QEvent>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSettings>
#include <QWidget>
#include <map>

namespace vorn {

namespace {

const QString kColumns = QStringLiteral("Columns");
const QStringList kColumnProperties = {QStringLiteral("FieldName"), QStringLiteral("Title"),
                                       QStringLiteral("Visible"), QStringLiteral("Width")};

QMetaProperty findProperty(const QObject* object, const QString& name)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (QString::fromLatin1(meta->property(i).name()).compare(name, Qt::CaseInsensitive) == 0)
            return meta->property(i);
    return {};
}

QVariant readProperty(const QObject* object, const QString& name)
{
    if (const auto* w = qobject_cast<const QWidget*>(object)) {
        if (name.compare(QLatin1String("Width"), Qt::CaseInsensitive) == 0)
            return w->width();
        if (name.compare(QLatin1String("Height"), Qt::CaseInsensitive) == 0)
            return w->height();
    }
    const QMetaProperty p = findProperty(object, name);
    return p.isValid() ? p.read(object) : QVariant();
}

void writeProperty(QObject* object, const QString& name, const QVariant& value)
{
    if (auto* w = qobject_cast<QWidget*>(object)) {
        if (name.compare(QLatin1String("Width"), Qt::CaseInsensitive) == 0) {
            w->resize(value.toInt(), w->height());
            return;
        }
        if (name.compare(QLatin1String("Height"), Qt::CaseInsensitive) == 0) {
            w->resize(w->width(), value.toInt());
            return;
        }
    }
    const QMetaProperty p = findProperty(object, name);
    if (p.isValid() && p.isWritable())
        p.write(object, value);
}

bool isColumns(const QObject* component, const QString& property)
{
    return qobject_cast<const TDBGridSel*>(component) &&
           property.compare(kColumns, Qt::CaseInsensitive) == 0;
}

} // namespace

TAutoPropertiesStore::TAutoPropertiesStore(QWidget* window, const QString& iniSection)
    : QObject(window), m_window(window), m_section(iniSection)
{
    if (window)
        window->installEventFilter(this);
}

TAutoPropertiesStore::~TAutoPropertiesStore()
{
    // Saved only while every component is still there: a partly destroyed window would
    // erase the layouts of the components already gone.
    if (!m_active || m_savedSinceLoad)
        return;
    for (const Item& item : m_items)
        if (!item.component)
            return;
    save();
}

void TAutoPropertiesStore::addItem(QObject* component, const QStringList& properties)
{
    if (component)
        m_items.append({component, properties});
}

void TAutoPropertiesStore::activate(const QString& iniFileName)
{
    m_file = iniFileName;
    m_active = !m_file.isEmpty() && !m_section.isEmpty();
    if (m_active)
        load();
}

void TAutoPropertiesStore::activateOnShow(const QString& iniFileName)
{
    m_file = iniFileName;
    m_loadOnShow = !m_file.isEmpty() && !m_section.isEmpty();
    if (m_window && m_window->isVisible())
        activate(iniFileName);
}

void TAutoPropertiesStore::load()
{
    if (!m_active)
        return;
    QSettings ini(m_file, QSettings::IniFormat);
    ini.beginGroup(m_section);
    const QStringList keys = ini.childKeys();
    for (const Item& item : m_items) {
        if (!item.component)
            continue;
        const QString name = item.component->objectName();
        for (const QString& property : item.properties) {
            if (isColumns(item.component, property)) {
                static const QRegularExpression itemKey(
                    QStringLiteral("^(.*)<item\\((\\d+)\\)>\\.(.*)$"));
                std::map<int, GridColumnLayoutEntry> columns;
                bool any = false;
                for (const QString& key : keys) {
                    const auto m = itemKey.match(key);
                    if (!m.hasMatch() || m.captured(1) != PropertyKey(name, property))
                        continue;
                    any = true;
                    GridColumnLayoutEntry& c = columns[m.captured(2).toInt()];
                    const QVariant v = DecodePropertyValue(ini.value(key).toString());
                    const QString p = m.captured(3);
                    if (p == QLatin1String("FieldName"))
                        c.field = v.toString().toUpper();
                    else if (p == QLatin1String("Title"))
                        c.title = v.toString();
                    else if (p == QLatin1String("Visible"))
                        c.visible = v.toBool();
                    else if (p == QLatin1String("Width"))
                        c.width = v.toInt();
                }
                if (any) {
                    QList<GridColumnLayoutEntry> layout;
                    for (const auto& [n, c] : columns)
                        layout.append(c);
                    static_cast<TDBGridSel*>(item.component.data())->applyColumnLayout(layout);
                }
                continue;
            }
            const QString key = PropertyKey(name, property);
            if (keys.contains(key))
                writeProperty(item.component, property,
                              DecodePropertyValue(ini.value(key).toString()));
        }
    }
    m_savedSinceLoad = false;
}

bool TAutoPropertiesStore::save()
{
    if (!m_active)
        return false;
    QSettings ini(m_file, QSettings::IniFormat);
    ini.remove(m_section);
    ini.beginGroup(m_section);
    for (const Item& item : m_items) {
        if (!item.component)
            continue;
        const QString name = item.component->objectName();
        for (const QString& property : item.properties) {
            if (isColumns(item.component, property)) {
                const auto* grid = static_cast<const TDBGridSel*>(item.component.data());
                const QList<GridColumnLayoutEntry> layout = grid->columnLayout();
                for (int n = 0; n < layout.size(); ++n) {
                    const GridColumnLayoutEntry& c = layout[n];
                    const QVariant values[] = {c.field, c.title, c.visible, c.width};
                    for (int p = 0; p < kColumnProperties.size(); ++p)
                        ini.setValue(CollectionItemKey(name, property, n, kColumnProperties[p]),
                                     EncodePropertyValue(values[p]));
                }
                continue;
            }
            const QVariant value = readProperty(item.component, property);
            if (value.isValid())
                ini.setValue(PropertyKey(name, property), EncodePropertyValue(value));
        }
    }
    ini.endGroup();
    ini.sync();
    m_savedSinceLoad = true;
    if (ini.status() != QSettings::NoError) {
        if (m_messages)
            m_messages->error(
                QStringLiteral("Błąd zapisu ustawień okna do zbioru \"%1\".").arg(m_file));
        return false;
    }
    return true;
}

bool TAutoPropertiesStore::eventFilter(QObject* watched, QEvent* event)
{
    // A window that closes hides; saving at every hide of the window also covers dialogs,
    // which close by hiding.
    if (watched == m_window && event->type() == QEvent::Show && m_loadOnShow) {
        m_loadOnShow = false;
        activate(m_file);
    }
    if (watched == m_window && event->type() == QEvent::Hide && !event->spontaneous() && m_active)
        save();
    return false;
}

} // namespace vorn
