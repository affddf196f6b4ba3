#include "OvsimCommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    OvsimCommands commands(out, err);
    return commands.run(application.arguments().mid(1));
}
