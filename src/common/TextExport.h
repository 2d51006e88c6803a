#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace vorn {

// Text in the single-byte Polish code page (Windows-1250); a character the code page lacks
// becomes "?".
QByteArray EncodeWindows1250(const QString& text);
QString DecodeWindows1250(const QByteArray& bytes);

// A list as exported to a text file: the title line, then one line per row, every value
// followed by a tab, lines ended by CR LF, in Windows-1250.
QByteArray TabSeparatedText(const QStringList& titles, const QList<QStringList>& rows);

} // namespace vorn
