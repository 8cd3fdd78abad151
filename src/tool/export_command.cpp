// export: a unit, or every unit of a lesson, as printed pages in a PDF or as the page picture
// in a PNG.
#include "commands.h"

#include "index/course_index.h"
#include "master/open_unit.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_picture.h"
#include "sheet_export.h"
#include "tool_output.h"

#include <QDateTime>

#include <cstdio>
#include <unistd.h>

namespace zelkon::tool {

namespace {

// Messages and the progress line on standard error; a message clears the progress line first
// so that it stands on a line of its own, and the next unit draws the progress line anew.
class ExportReporter
{
public:
    explicit ExportReporter(bool showProgress)
        : m_showProgress(showProgress)
    {}

    void line(const QString &text)
    {
        clearProgress();
        const QByteArray utf8 = text.toUtf8();
        std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
        std::fputc('\n', stderr);
    }

    void messages(const Messages &messages, const QString &prefix = {})
    {
        for (const Message &m : messages)
            line(prefix + ToQString(m.text));
    }

    void progress(int done, int total, const QString &unit)
    {
        if (!m_showProgress)
            return;
        const QByteArray text
            = QStringLiteral("\r\033[K%1/%2 %3").arg(done).arg(total).arg(unit).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
        std::fflush(stderr);
        m_progressShown = true;
    }

    void clearProgress()
    {
        if (!m_progressShown)
            return;
        std::fputs("\r\033[K", stderr);
        m_progressShown = false;
    }

private:
    bool m_showProgress;
    bool m_progressShown = false;
};

QString WriteFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル %1 に書き込めません（%2）").arg(path, reason);
}

LocalTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return LocalTime{now.date().year(),
                     now.date().month(),
                     now.date().day(),
                     now.time().hour(),
                     now.time().minute()};
}

int ExportUnit(const CourseLesson &course,
               const ExportRequest &request,
               const ExportOptions &options,
               ExportReporter &reporter)
{
    QtPictureLoader loader;
    Messages messages;
    SheetPage page;
    const UnitLocator locator{request.lesson, request.section, request.unit, request.variant};
    const bool opened = OpenSheetPage(course, locator, options, loader, page, messages);
    reporter.messages(messages);
    if (!opened)
        return 1;

    messages.clear();
    QString error;
    bool written = false;
    if (request.out.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        const QImage image = RenderPageImage(page, messages);
        reporter.messages(messages);
        if (image.isNull())
            return 1;
        written = WritePng(image, request.out, error);
    } else {
        PdfExport pdf(request.out, ToQString(page.sheet.unitCaption));
        const bool added = pdf.addPage(page, messages);
        reporter.messages(messages);
        if (!added && !pdf.writeFailed())
            return 1;
        written = pdf.finish(error);
    }
    if (!written) {
        reporter.line(WriteFailure(request.out, error));
        return 1;
    }
    return 0;
}

int ExportLesson(const CourseLesson &course,
                 const ExportRequest &request,
                 const ExportOptions &options,
                 ExportReporter &reporter)
{
    const std::vector<UnitLocator> units = LessonUnits(course);
    if (units.empty()) {
        reporter.line(QStringLiteral("レッスン %1 には単元がありません").arg(request.lesson));
        return 1;
    }
    QtPictureLoader loader;
    PdfExport pdf(request.out, ToQString(LessonCaption(course.index, request.lesson)));
    int failed = 0;
    for (std::size_t i = 0; i < units.size() && !pdf.writeFailed(); ++i) {
        const QString tag
            = ToQString(MasterSheetNamesFor(course.programFolder, course.index, units[i]).printTag);
        reporter.progress(static_cast<int>(i) + 1, static_cast<int>(units.size()), tag);
        Messages messages;
        SheetPage page;
        const bool added = OpenSheetPage(course, units[i], options, loader, page, messages)
                           && pdf.addPage(page, messages);
        // In a run over many units a message must say which unit it is about.
        reporter.messages(messages, tag + QStringLiteral(": "));
        if (!added && !pdf.writeFailed())
            ++failed;
    }
    reporter.clearProgress();
    if (pdf.pageCount() == 0 && !pdf.writeFailed()) {
        reporter.line(QStringLiteral("書き出せる単元がありません"));
        return 1;
    }
    QString error;
    if (!pdf.finish(error)) {
        reporter.line(WriteFailure(request.out, error));
        return 1;
    }
    if (failed > 0) {
        reporter.line(QStringLiteral("%1 単元のうち %2 単元を書き出せませんでした")
                          .arg(units.size())
                          .arg(failed));
        return 1;
    }
    return 0;
}

} // namespace

int Export(const ExportRequest &request)
{
    // The progress line is for a person watching; a script reading standard error gets only
    // the messages.
    ExportReporter reporter(request.all && ::isatty(STDERR_FILENO) == 1);
    Messages messages;
    CourseLesson course;
    const bool opened
        = OpenCourseLesson(ComposedFolder(request.folder), request.lesson, course, messages);
    reporter.messages(messages);
    if (!opened)
        return 1;

    ExportOptions options;
    options.answersShown = request.answers;
    options.paper = request.paper;
    options.now = Now();
    return request.all ? ExportLesson(course, request, options, reporter)
                       : ExportUnit(course, request, options, reporter);
}

} // namespace zelkon::tool
