#include "ui/InfoWindow.h"
#include "common/Messages.h"

#include "ui/DetailsOutput.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace vorn {

namespace {

constexpr int kLabelLeft = 56;
constexpr int kLabelTop = 12;

PrinterAndFileOutput& defaultOutput()
{
    static PrinterAndFileOutput output;
    return output;
}

} // namespace

TfrmInfoWindow::TfrmInfoWindow(DetailsOutput& output, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_output(output)
{
    setObjectName(QStringLiteral("frmInfoWindow"));
    setWindowTitle(QStringLiteral("Informacja"));
    setModal(true);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("imgIcon"));
    m_icon->setGeometry(12, 12, 32, 32);

    lblError = new QLabel(this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->move(kLabelLeft, kLabelTop);
    lblError->setTextFormat(Qt::PlainText);

    cbxInfo = new QCheckBox(QStringLiteral("Pokaż &szczegóły"), this);
    cbxInfo->setObjectName(QStringLiteral("cbxInfo"));
    connect(cbxInfo, &QCheckBox::toggled, this, &TfrmInfoWindow::toggleDetails);

    btnOk = new QPushButton(QStringLiteral("&Zamknij"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    QFont bold = btnOk->font();
    bold.setBold(true);
    btnOk->setFont(bold);
    btnOk->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::reject);

    sbnDrukuj = new QToolButton(this);
    sbnDrukuj->setObjectName(QStringLiteral("sbnDrukuj"));
    sbnDrukuj->setAutoRaise(true);
    sbnDrukuj->setText(QStringLiteral("D"));
    sbnDrukuj->setToolTip(QStringLiteral("Drukowanie (Ctrl+D)"));
    sbnDrukuj->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(sbnDrukuj, &QToolButton::clicked, this, &TfrmInfoWindow::printDetails);

    sbnEksportTXT = new QToolButton(this);
    sbnEksportTXT->setObjectName(QStringLiteral("sbnEksportTXT"));
    sbnEksportTXT->setAutoRaise(true);
    sbnEksportTXT->setText(QStringLiteral("E"));
    sbnEksportTXT->setToolTip(QStringLiteral("Eksport do pliku tekstowego (Ctrl+E)"));
    sbnEksportTXT->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(sbnEksportTXT, &QToolButton::clicked, this, &TfrmInfoWindow::exportDetails);

    memInfo = new QPlainTextEdit(this);
    memInfo->setObjectName(QStringLiteral("memInfo"));
    memInfo->setReadOnly(true);
    memInfo->setFrameShape(QFrame::NoFrame);
    memInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette white = memInfo->palette();
    white.setColor(QPalette::Base, Qt::white);
    memInfo->setPalette(white);

    // Alt+S toggles the details while the check box is there; one shortcut serves both
    // the underlined accelerator and the hidden key.
    cbxInfo->setShortcut(QKeySequence());
    auto* altS = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this);
    connect(altS, &QShortcut::activated, this, [this] {
        if (cbxInfo->isVisible())
            cbxInfo->toggle();
    });
    auto* ctrlD = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(ctrlD, &QShortcut::activated, this, [this] {
        if (detailsShown())
            printDetails();
    });
    auto* ctrlE = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(ctrlE, &QShortcut::activated, this, [this] {
        if (detailsShown())
            exportDetails();
    });

    setInfo({}, false);
    applySize();
}

void TfrmInfoWindow::setNewStyle(bool newStyle)
{
    if (!newStyle)
        return;
    QFont plain = btnOk->font();
    plain.setBold(false);
    btnOk->setFont(plain);
    btnOk->setIcon(QIcon());
}

void TfrmInfoWindow::setIconType(IconType type)
{
    const QStyle::StandardPixmap pixmap = type == IconType::itError ? QStyle::SP_MessageBoxCritical
                                          : type == IconType::itWarning
                                              ? QStyle::SP_MessageBoxWarning
                                              : QStyle::SP_MessageBoxInformation;
    m_icon->setPixmap(style()->standardIcon(pixmap).pixmap(32, 32));
}

void TfrmInfoWindow::setMessage(const QString& text, int minWidth)
{
    m_minWidth = minWidth;
    lblError->setWordWrap(false);
    lblError->setMinimumSize(0, 0);
    lblError->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    lblError->setText(PlainLineBreaks(text));
    lblError->adjustSize();
    // A message too wide for the window wraps within the widest window.
    const int widest = kMaxWidth - kLabelLeft - 16;
    if (lblError->width() > widest) {
        lblError->setWordWrap(true);
        lblError->setFixedWidth(widest);
        lblError->setFixedHeight(lblError->heightForWidth(widest));
    }
    applySize();
}

void TfrmInfoWindow::setInfo(const QStringList& lines, bool showInfo)
{
    memInfo->setPlainText(lines.join(QLatin1Char('\n')));
    const bool hasLines = !lines.isEmpty();
    cbxInfo->setVisible(hasLines);
    const bool shown = hasLines && showInfo;
    cbxInfo->blockSignals(true);
    cbxInfo->setChecked(shown);
    cbxInfo->blockSignals(false);
    toggleDetails(shown);
}

void TfrmInfoWindow::setInfoFont(const QFont& font)
{
    memInfo->setFont(font);
}

bool TfrmInfoWindow::detailsShown() const
{
    return m_memoHeight > 0;
}

QStringList TfrmInfoWindow::detailLines() const
{
    const QString text = memInfo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TfrmInfoWindow::toggleDetails(bool shown)
{
    m_memoHeight = shown ? kDetailsHeight : 0;
    memInfo->setVisible(shown);
    sbnDrukuj->setVisible(shown);
    sbnEksportTXT->setVisible(shown);
    memInfo->setFocusPolicy(shown ? Qt::StrongFocus : Qt::NoFocus);
    applySize();
}

void TfrmInfoWindow::applySize()
{
    int width = kLabelLeft + lblError->width() + 16;
    width = std::max(width, m_minWidth);
    width = std::clamp(width, kMinWidth, kMaxWidth);
    int height = kClientHeight;
    if (lblError->height() > 50)
        height += lblError->height() - 34;
    m_baseHeight = std::min(height, kMaxHeight - kDetailsHeight);
    setFixedSize(width, m_baseHeight + m_memoHeight);
    layoutChildren();
}

void TfrmInfoWindow::layoutChildren()
{
    const int w = width();
    const int barTop = m_baseHeight - 34;
    cbxInfo->setGeometry(12, barTop + 4, 130, 22);
    sbnDrukuj->setGeometry(146, barTop + 2, 25, 25);
    sbnEksportTXT->setGeometry(173, barTop + 2, 25, 25);
    btnOk->setGeometry(w - 100, barTop, 88, 27);
    memInfo->setGeometry(0, m_baseHeight, w, m_memoHeight);
}

void TfrmInfoWindow::printDetails()
{
    m_output.print(this, detailLines(), memInfo->font());
}

void TfrmInfoWindow::exportDetails()
{
    m_output.exportToFile(this, detailLines());
}

TV2InfoWindow::TV2InfoWindow(QObject* owner) : QObject(owner) {}

TV2InfoWindow::~TV2InfoWindow() = default;

void TV2InfoWindow::apply(const InfoWindowRequest& request)
{
    m_newStyle = request.newStyle;
    m_iconType = request.iconType;
    setCaption(request.caption);
    setText(request.text);
    setInfo(request.info);
    setShowInfo(request.showInfo);
    setMinWidth(request.minWidth);
    if (!request.infoFontFamily.isEmpty()) {
        QFont font(request.infoFontFamily);
        if (request.infoFontPointSize > 0)
            font.setPointSize(request.infoFontPointSize);
        setInfoFont(font);
    }
}

void TV2InfoWindow::setCaption(const QString& caption)
{
    m_caption = caption;
    if (m_open)
        m_open->setWindowTitle(caption);
}

void TV2InfoWindow::setText(const QString& text)
{
    m_text = text;
    if (m_open)
        m_open->setMessage(m_text, m_minWidth);
}

void TV2InfoWindow::setInfo(const QStringList& info)
{
    m_info = info;
    if (m_open)
        m_open->setInfo(m_info, m_showInfo);
}

void TV2InfoWindow::setShowInfo(bool show)
{
    m_showInfo = show;
    if (m_open)
        m_open->setInfo(m_info, m_showInfo);
}

void TV2InfoWindow::setMinWidth(int width)
{
    m_minWidth = width;
    if (m_open)
        m_open->setMessage(m_text, m_minWidth);
}

void TV2InfoWindow::setInfoFont(const QFont& font)
{
    m_infoFont = font;
    if (m_open)
        m_open->setInfoFont(font);
}

TfrmInfoWindow* TV2InfoWindow::createWindow(QWidget* parent)
{
    auto* form = new TfrmInfoWindow(m_output ? *m_output : defaultOutput(), parent);
    form->setNewStyle(m_newStyle);
    if (!m_caption.isEmpty())
        form->setWindowTitle(m_caption);
    form->setInfoFont(m_infoFont);
    form->setInfo(m_info, m_showInfo);
    form->setMessage(m_text, m_minWidth);
    form->setIconType(m_iconType);
    m_open = form;
    return form;
}

void TV2InfoWindow::Execute(QWidget* parent)
{
    std::unique_ptr<TfrmInfoWindow> form(createWindow(parent));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form->move(screen->availableGeometry().center() - form->rect().center());
    form->exec();
}

} // namespace vorn
