#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("EWIDENCJA I AMORTYZACJA ŚRODKÓW TRWAŁYCH"));
    w.show();
    return app.exec();
}
