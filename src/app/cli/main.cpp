#include "app/cli/Command.h"
#include "app/cli/PlanComputeCommand.h"
#include "app/cli/YearCommands.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    QList<vorn::cli::Command> commands{vorn::cli::PlanComputeCommand()};
    commands += vorn::cli::YearCommands();
    return vorn::cli::Dispatch(commands, app.arguments().mid(1), &in, &out, &err);
}
