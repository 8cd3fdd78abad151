// A series of titles on disk for the launcher's window tests: the launcher's start folder with
// its title list, title folders with small programs, and the main window over them with a
// scripted prompter, recorded desktop actions and a PDF printer.
#pragma once

#include "hopdeck/main.h"
#include "hopdeck/system_actions.h"
#include "platform/print_target.h"
#include "support/pdf_print_target.h"
#include "support/scripted_prompter.h"

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace zelkon::test {

/// Starts programs for real and records them; opens no document, only records it.
class RecordingActions : public hopdeck::DesktopActions
{
public:
    bool startProgram(const QString &program, const QString &folder) override;
    bool openDocument(const QString &file) override;

    QStringList programs; ///< program paths, in order
    QStringList folders;  ///< their working folders
    QStringList documents;
    bool documentsOpen = true; ///< what openDocument answers
};

/// The program every title folder gets: it writes its working folder into "started.txt" there.
inline constexpr const char *kStartedFile = "started.txt";

class SeriesFixture
{
public:
    SeriesFixture();
    ~SeriesFixture();

    /// root/hopdeck/ as a filesystem path, and as the launcher composes it.
    QString startPath() const { return m_root.filePath("hopdeck"); }
    std::string startFolder() const;
    /// root/NAME as a filesystem path.
    QString path(const QString &name) const { return m_root.filePath(name); }
    QString rootPath() const { return m_root.path(); }

    /// Writes ZKLindex.txt in the start folder: the UTF-8 lines in CP932 with CR LF.
    void writeIndex(const std::vector<std::string> &utf8Lines);
    /// The title list with a caption, a last-update line and these title lines.
    void writeTitles(const std::vector<std::string> &utf8TitleLines);
    /// Puts the writing program at root/folder/file (folder relative to root, may be nested).
    void addProgram(const QString &folder, const QString &file);
    /// Writes a file with these bytes at root/relative.
    void addFile(const QString &relative, const QByteArray &bytes);

    /// Creates and starts the main window, started from the start folder (on a CD-ROM or not).
    hopdeck::TfrmMain &open(bool onCdRom = false);
    hopdeck::TfrmMain &main() { return *m_main; }

    ScriptedPrompter prompter;
    RecordingActions actions;
    std::unique_ptr<PdfPrintTarget> printTarget;

private:
    QTemporaryDir m_root;
    std::unique_ptr<hopdeck::TfrmMain> m_main;
};

/// The texts of a PDF file by pdftotext, with the page layout kept; empty when it fails.
QString PdfText(const QString &file);
/// The number of pages of a PDF file by pdfinfo; 0 when it fails.
int PdfPages(const QString &file);

/// The UTF-8 literal as a QString.
inline QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace zelkon::test
