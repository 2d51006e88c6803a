// Takes and releases the lock of one asset over and over, as a second workstation would:
//   store_lock_contender <firm folder> <user> <rounds>
// Prints "taken=N overlaps=M": how often the lock was taken, and how often another user's
// lock stood beside it right after taking it (which must never happen).
#include "store/OperationLocks.h"
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
    try {
        auto db = vorn::OpenScope(vorn::Scope::Firm, args[1], options);
        vorn::OperationLocks locks(*db, {args[2], args[2]});
        int taken = 0, overlaps = 0;
        for (int i = 0, rounds = args[3].toInt(); i < rounds; ++i) {
            if (!locks.TryLock(1, QLatin1Char('U')).free())
                continue;
            ++taken;
            if (db->scalar(QStringLiteral("SELECT COUNT(*) FROM F00012ST WHERE IDSRODKA = 1 AND "
                                          "IDUZK <> :me"),
                           {{QStringLiteral("me"), args[2]}})
                    .toInt() > 0)
                ++overlaps;
            locks.ReleaseLocks(1, QLatin1Char('U'));
        }
        QTextStream(stdout) << "taken=" << taken << " overlaps=" << overlaps << '\n';
    } catch (const vorn::VornError& e) {
        std::fprintf(stderr, "%s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
