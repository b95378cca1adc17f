#pragma once
// The command line run in-process: its status and both streams.

#include "cli/command_line.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct CliRun {
    int status = -1;
    QString out, err;
};

inline CliRun runCli(const QStringList &args)
{
    CliRun r;
    QTextStream out(&r.out), err(&r.err);
    r.status = orvane::runCommandLine(args, out, err);
    out.flush();
    err.flush();
    return r;
}
