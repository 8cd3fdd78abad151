// The series fixture of the launcher's window tests.
#include "series_fixture.h"

#include "common/cp932.h"
#include "common/path.h"
#include "launcher/program_files.h"
#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace zelkon::test {

bool RecordingActions::startProgram(const QString &program, const QString &folder)
{
    programs << program;
    folders << folder;
    return DesktopActions::startProgram(program, folder);
}

bool RecordingActions::openDocument(const QString &file)
{
    documents << file;
    return documentsOpen;
}

SeriesFixture::SeriesFixture()
{
    // As the program does at start: the Windows face names resolve to the IPA fonts.
    InstallFontSubstitutions();
    QDir(m_root.path()).mkpath(QStringLiteral("hopdeck"));
    printTarget = std::make_unique<PdfPrintTarget>(m_root.filePath("detail.pdf"), 300);
}

SeriesFixture::~SeriesFixture() = default;

std::string SeriesFixture::startFolder() const
{
    return WithTrailingSeparator(FromFsPath(startPath().toStdString()));
}

void SeriesFixture::writeIndex(const std::vector<std::string> &utf8Lines)
{
    QByteArray bytes;
    for (const std::string &line : utf8Lines)
        bytes += QByteArray::fromStdString(Utf8ToCp932(line)) + "\r\n";
    addFile(QStringLiteral("hopdeck/ZKLindex.txt"), bytes);
}

void SeriesFixture::writeTitles(const std::vector<std::string> &utf8TitleLines)
{
    std::vector<std::string> lines = {"テスト シリーズ", "2005.11.15 更新"};
    lines.insert(lines.end(), utf8TitleLines.begin(), utf8TitleLines.end());
    writeIndex(lines);
}

void SeriesFixture::addProgram(const QString &folder, const QString &file)
{
    const QString relative = folder + '/' + file;
    addFile(relative,
            QByteArray("#!/bin/sh\npwd > ") + kStartedFile + ".part && mv " + kStartedFile
                + ".part " + kStartedFile + "\n");
    QFile(m_root.filePath(relative))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void SeriesFixture::addFile(const QString &relative, const QByteArray &bytes)
{
    const QString file = m_root.filePath(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
}

hopdeck::TfrmMain &SeriesFixture::open(bool onCdRom)
{
    m_main = std::make_unique<hopdeck::TfrmMain>(
        hopdeck::StartPlace{startFolder(), onCdRom}, prompter, actions, *printTarget);
    m_main->start();
    m_main->show();
    return *m_main;
}

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString PdfText(const QString &file)
{
    return Run(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", file, "-"});
}

int PdfPages(const QString &file)
{
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(Run(QStringLiteral("pdfinfo"), {file}));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

} // namespace zelkon::test
