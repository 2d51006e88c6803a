#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace vorn {

// Styles of the lines of a check report (Arial throughout).
enum class ReportStyle
{
    Title = 0,   // 12 pt, black, bold, underlined
    Section = 2, // 10 pt, black, bold, underlined
    Header = 3,  // 8 pt, navy, bold, indent 10
    Good = 5,    // 8 pt, green, indent 20: nothing wrong; corrected plan rows and events
    Fault = 7    // 8 pt, red, indent 20: corrected counters; faults needing service
};

struct ReportLine
{
    QString text;
    ReportStyle style = ReportStyle::Good;
    int blankBefore = 0;
    int blankAfter = 0;
};

// Who ran a check and where: the lines under the report's title.
struct ReportHeader
{
    QString mainCaption; // the main window's caption
    int firmNumber = 0;
    QDateTime when;
    QString userId;
};

// The document a repair check produces. The report window shows and prints it and saves it
// as an RTF file; the logic here needs no window.
class CheckReport
{
public:
    QString title; // also the window's caption
    QList<ReportLine> lines;

    void add(const QString& text, ReportStyle style, int blankBefore = 0, int blankAfter = 0);
    // The title line, the four header lines and one blank line.
    void addHeader(const QString& titleText, const ReportHeader& header);
    void addSection(const QString& heading, const QStringList& items, ReportStyle style);

    QStringList texts() const;
    QString toRtf() const;
    // The same document for a rich-text view: one paragraph per line, styled like the RTF.
    QString toHtml() const;
    // Writes toRtf() to the file; false when the file cannot be written.
    bool saveRtf(const QString& path) const;
};

// Reports appear here; the desktop program shows the report window, tests keep them.
class ReportViewer
{
public:
    virtual ~ReportViewer() = default;
    virtual void show(const CheckReport& report) = 0;
};

// The progress box of a long check.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;
    virtual void start(const QString& caption, const QString& text, int steps) = 0;
    virtual void setText(const QString& text) = 0;
    virtual void step() = 0;
    virtual void finish() = 0;
};

} // namespace vorn
