// What the launcher asks of the desktop: starting programs and opening documents.
#pragma once

#include <QString>

namespace zelkon::hopdeck {

class SystemActions
{
public:
    virtual ~SystemActions() = default;

    /// Starts `program` (filesystem path) as a process of its own in `folder`, with no
    /// arguments, and does not wait for it; false when it could not be started.
    virtual bool startProgram(const QString &program, const QString &folder) = 0;
    /// Opens the document (filesystem path) with the desktop's program for it, a web page in
    /// the user's browser; false when no program took it.
    virtual bool openDocument(const QString &file) = 0;
};

/// The desktop's own: QProcess for programs, QDesktopServices for documents.
class DesktopActions : public SystemActions
{
public:
    bool startProgram(const QString &program, const QString &folder) override;
    bool openDocument(const QString &file) override;
};

} // namespace zelkon::hopdeck
