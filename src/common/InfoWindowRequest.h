#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

// Icon beside the message of the information window, in this order.
enum class IconType
{
    itError,
    itWarning,
    itInformation
};

// What the information window shows: a message and, on demand, a list of detail lines
// (typically one line per refused asset: its name followed directly by "- reason").
struct InfoWindowRequest
{
    bool newStyle = false;
    int minWidth = 0;
    QString caption;
    QString text;
    QStringList info;
    bool showInfo = false;
    IconType iconType = IconType::itError;
    QString infoFontFamily; // empty: the default font
    int infoFontPointSize = 0;
};

} // namespace vorn
