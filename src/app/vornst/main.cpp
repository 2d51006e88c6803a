// The desktop program: one copy per workstation, the suite's registry read, then the
// multiple-document frame.
#include "common/Dates.h"
#include "shell/ConfigStore.h"
#include "shell/Registry.h"
#include "shell/SingleInstance.h"
#include "ui/QtMessages.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QVBoxLayout>

namespace {

QString versionSuffix()
{
    return QStringLiteral(" - %1.%2").arg(PROJECT_VERSION_MAJOR).arg(PROJECT_VERSION_MINOR);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vornst"));
    vorn::InstallPolishTranslations(app);
    vorn::QtMessages messages;

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption registryOption(QStringLiteral("registry"),
                                      QStringLiteral("Folder konfiguracji (rejestru) systemu."),
                                      QStringLiteral("katalog"));
    parser.addOption(registryOption);
    parser.process(app);

    vorn::SingleInstance instance(QStringLiteral("VornST"));
    if (!instance.tryAcquire()) {
        messages.error(QStringLiteral("Program VORN 2000 Ewidencja i Amortyzacja Srodków "
                                      "Trwałych\r\njest już uruchomiony na tym stanowisku."));
        return 1;
    }

    auto store = vorn::OpenConfigStore(parser.value(registryOption));
    vorn::TV2Registry registry(*store, messages);
    registry.SetMode(1, 0);
    if (!registry.Load())
        return 1;

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("VORN 2000 - AMORTYZACJA ŚRODKÓW TRWAŁYCH") +
                         versionSuffix());
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    auto* background = new QWidget;
    auto* layout = new QVBoxLayout(background);
    auto* product = new QLabel(QStringLiteral("VORN 2000"));
    QFont big = product->font();
    big.setPointSize(28);
    big.setBold(true);
    product->setFont(big);
    auto* module =
        new QLabel(QStringLiteral(" - Ewidencja i Amortyzacja Środków Trwałych") + versionSuffix());
    layout->addStretch();
    layout->addWidget(product, 0, Qt::AlignCenter);
    layout->addWidget(module, 0, Qt::AlignCenter);
    layout->addStretch();
    area->setViewMode(QMdiArea::SubWindowView);
    area->setBackground(frame.palette().window());
    background->setParent(area->viewport());
    background->resize(1024, 600);
    frame.resize(1024, 700);
    frame.showMaximized();
    messages.setParent(&frame);
    return app.exec();
}
