// Running the zelkon-tool binary from a test, as a user runs it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zelkon::test {

/// What one run of the tool left: its exit code and its two output streams (UTF-8).
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

/// Runs zelkon-tool with the arguments and waits for it (at most a minute).
inline ToolRun RunTool(const QStringList &args)
{
    QProcess p;
    p.start(ZELKON_TOOL, args);
    p.waitForFinished(60000);
    return {p.exitCode(),
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace zelkon::test
