#pragma once

#include "common/InfoWindowRequest.h"

#include <QDialog>
#include <QFont>
#include <QPointer>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vorn {

class DetailsOutput;

// The information window: a message beside an icon and, on demand, the detail lines,
// which can be printed (Ctrl+D) and exported (Ctrl+E) while they are shown.
class TfrmInfoWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 381;
    static constexpr int kClientHeight = 94;
    static constexpr int kMinWidth = 350;
    static constexpr int kMaxWidth = 800;
    static constexpr int kMinHeight = 120;
    static constexpr int kMaxHeight = 600;
    static constexpr int kDetailsHeight = 150;

    explicit TfrmInfoWindow(DetailsOutput& output, QWidget* parent = nullptr);

    void setNewStyle(bool newStyle);
    void setMessage(const QString& text, int minWidth);
    void setInfo(const QStringList& lines, bool showInfo);
    void setInfoFont(const QFont& font);
    void setIconType(IconType type);

    bool detailsShown() const;
    QStringList detailLines() const;

private:
    void toggleDetails(bool shown);
    void applySize();
    void layoutChildren();
    void printDetails();
    void exportDetails();

    DetailsOutput& m_output;
    QLabel* m_icon;
    QLabel* lblError;
    QCheckBox* cbxInfo;
    QPushButton* btnOk;
    QToolButton* sbnDrukuj;
    QToolButton* sbnEksportTXT;
    QPlainTextEdit* memInfo;
    int m_minWidth = 0;
    int m_baseHeight = kClientHeight;
    int m_memoHeight = 0;
};

// The component callers fill and execute; setting a property while the window is open
// updates it at once.
class TV2InfoWindow : public QObject
{
    Q_OBJECT
public:
    explicit TV2InfoWindow(QObject* owner = nullptr);
    ~TV2InfoWindow() override;

    void apply(const InfoWindowRequest& request);
    void setCaption(const QString& caption);
    void setText(const QString& text);
    void setInfo(const QStringList& info);
    void setShowInfo(bool show);
    void setMinWidth(int width);
    void setInfoFont(const QFont& font);
    void setNewStyle(bool newStyle) { m_newStyle = newStyle; }
    void setIconType(IconType type) { m_iconType = type; }
    void setOutput(DetailsOutput* output) { m_output = output; }

    // Builds the window, shows it modally and frees it when it closes.
    void Execute(QWidget* parent = nullptr);
    // The window built as Execute builds it, not shown; the caller owns it.
    TfrmInfoWindow* createWindow(QWidget* parent = nullptr);

private:
    bool m_newStyle = false;
    int m_minWidth = 0;
    QString m_caption;
    QString m_text;
    QStringList m_info;
    bool m_showInfo = false;
    IconType m_iconType = IconType::itError;
    QFont m_infoFont;
    DetailsOutput* m_output = nullptr;
    QPointer<TfrmInfoWindow> m_open;
};

} // namespace vorn
