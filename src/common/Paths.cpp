#include "common/Paths.h"

#include <QDir>

namespace vorn {

QString JoinPath(const QStringList& parts)
{
    QString out;
    for (QString part : parts) {
        if (part.isEmpty())
            continue;
        if (out.isEmpty()) {
            out = part;
            continue;
        }
        while (out.size() > 1 &&
               (out.endsWith(QLatin1Char('/')) || out.endsWith(QLatin1Char('\\'))))
            out.chop(1);
        while (part.startsWith(QLatin1Char('/')) || part.startsWith(QLatin1Char('\\')))
            part.remove(0, 1);
        out += QLatin1Char('/') + part;
    }
    return QDir::toNativeSeparators(out);
}

} // namespace vorn
