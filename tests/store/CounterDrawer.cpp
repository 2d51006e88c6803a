// Draws numbers from one counter of a firm database, as a second workstation would:
//   store_counter_drawer <firm folder> <counter> <how many>
// Prints each number on its own line; a refused draw prints "REFUSED <message>" instead.
#include "store/Counters.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    vorn::OpenOptions options;
    options.synchronousWrites = false;
    QTextStream out(stdout);
    try {
        auto db = vorn::OpenScope(vorn::Scope::Firm, args[1], options);
        const int counter = args[2].toInt();
        const int count = args[3].toInt();
        for (int i = 0; i < count; ++i) {
            try {
                out << vorn::NextNumber(*db, counter) << '\n';
            } catch (const vorn::DataError& e) {
                out << "REFUSED " << e.message() << '\n';
            }
        }
    } catch (const vorn::VornError& e) {
        std::fprintf(stderr, "%s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
