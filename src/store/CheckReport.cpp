#include "store/CheckReport.h"

#include "common/Dates.h"

#include <QFile>

namespace vorn {

namespace {

struct StyleLook
{
    int points;
    int colour; // index in the colour table
    bool bold;
    bool underline;
    int indentPoints;
};

StyleLook look(ReportStyle style)
{
    switch (style) {
    case ReportStyle::Title:
        return {12, 1, true, true, 0};
    case ReportStyle::Section:
        return {10, 1, true, true, 0};
    case ReportStyle::Header:
        return {8, 2, true, false, 10};
    case ReportStyle::Good:
        return {8, 3, false, false, 20};
    case ReportStyle::Fault:
        return {8, 4, false, false, 20};
    }
    return {8, 1, false, false, 0};
}

QString rtfEscape(const QString& text)
{
    QString out;
    for (const QChar ch : text) {
        const ushort u = ch.unicode();
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('{') || ch == QLatin1Char('}'))
            out += QLatin1Char('\\') + ch;
        else if (u == '\r' || u == '\n')
            out += QStringLiteral("\\line ");
        else if (u < 0x80)
            out += ch;
        else
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(u));
    }
    return out;
}

} // namespace

void CheckReport::add(const QString& text, ReportStyle style, int blankBefore, int blankAfter)
{
    lines.append({text, style, blankBefore, blankAfter});
}

void CheckReport::addHeader(const QString& titleText, const ReportHeader& header)
{
    title = titleText;
    add(titleText, ReportStyle::Title, 0, 1);
    add(header.mainCaption, ReportStyle::Header);
    add(QStringLiteral("Numer firmy: ") + QString::number(header.firmNumber), ReportStyle::Header);
    add(QStringLiteral("Data, godzina: ") + FormatDate(header.when.date()) + QStringLiteral(", ") +
            header.when.time().toString(QStringLiteral("HH:mm:ss")),
        ReportStyle::Header);
    add(QStringLiteral("Użytkownik: ") + header.userId, ReportStyle::Header, 0, 1);
}

void CheckReport::addSection(const QString& heading, const QStringList& items, ReportStyle style)
{
    add(heading, ReportStyle::Section, 1, 1);
    for (const QString& item : items)
        add(item, style);
}

QStringList CheckReport::texts() const
{
    QStringList out;
    for (const ReportLine& l : lines)
        out << l.text;
    return out;
}

QString CheckReport::toRtf() const
{
    QString out = QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;"
        "\\red255\\green0\\blue0;}\n"
        "{\\info{\\title ");
    out += rtfEscape(title) + QStringLiteral("}}\n");
    const QString blank = QStringLiteral("\\pard\\plain\\f0\\fs16\\par\n");
    for (const ReportLine& l : lines) {
        for (int i = 0; i < l.blankBefore; ++i)
            out += blank;
        const StyleLook s = look(l.style);
        out += QStringLiteral("\\pard\\plain\\li%1\\f0\\fs%2\\cf%3%4%5 ")
                   .arg(s.indentPoints * 20)
                   .arg(s.points * 2)
                   .arg(s.colour)
                   .arg(s.bold ? QStringLiteral("\\b") : QString())
                   .arg(s.underline ? QStringLiteral("\\ul") : QString());
        out += rtfEscape(l.text) + QStringLiteral("\\par\n");
        for (int i = 0; i < l.blankAfter; ++i)
            out += blank;
    }
    out += QStringLiteral("}\n");
    return out;
}

QString CheckReport::toHtml() const
{
    static const char* const colours[] = {"#000000", "#000000", "#000080", "#008000", "#ff0000"};
    QString out = QStringLiteral("<html><body style=\"font-family: Arial;\">\n");
    const QString blank = QStringLiteral("<p style=\"margin:0; font-size:8pt;\">&nbsp;</p>\n");
    for (const ReportLine& l : lines) {
        for (int i = 0; i < l.blankBefore; ++i)
            out += blank;
        const StyleLook s = look(l.style);
        QString text = l.text.toHtmlEscaped();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        text.remove(QLatin1Char('\r'));
        out += QStringLiteral(
                   "<p style=\"margin:0; margin-left:%1pt; font-size:%2pt; color:%3;%4%5\">")
                   .arg(s.indentPoints)
                   .arg(s.points)
                   .arg(QLatin1String(colours[s.colour]))
                   .arg(s.bold ? QStringLiteral(" font-weight:bold;") : QString())
                   .arg(s.underline ? QStringLiteral(" text-decoration:underline;") : QString());
        out += text + QStringLiteral("</p>\n");
        for (int i = 0; i < l.blankAfter; ++i)
            out += blank;
    }
    out += QStringLiteral("</body></html>\n");
    return out;
}

bool CheckReport::saveRtf(const QString& path) const
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = toRtf().toLatin1(); // pure ASCII: every other letter is escaped
    return f.write(data) == data.size();
}

} // namespace vorn
