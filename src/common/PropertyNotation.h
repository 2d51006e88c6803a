#pragma once

#include <QString>
#include <QVariant>

namespace vorn {

// Keys and values of the stored window properties, in the notation of the window
// descriptions: "grdSrodki.Columns<item(0)>.Title" = 'Nazwa', "pnlDrzewo.Width" = 250,
// "cbxAnalityka.Checked" = True.

// Key of a simple property: component, a point, the property.
QString PropertyKey(const QString& component, const QString& property);
// Key of a property of item n (from 0) of a component's collection.
QString CollectionItemKey(const QString& component, const QString& collection, int item,
                          const QString& property);

// Text in single quotes with inner quotes doubled, numbers bare, booleans True / False.
// A value that begins with a single quote is wrapped in one more pair of double quotes, so
// that an INI reader that strips one pair of quotes gives it back whole.
QString EncodePropertyValue(const QVariant& value);
// The value of the notation: a quoted text, True / False, an integer, a number, or else
// the bare identifier as text. An outer pair of double quotes is dropped first.
QVariant DecodePropertyValue(const QString& text);

} // namespace vorn
