// Opening a unit of a courseware folder as a worksheet and drawing it into a PDF or a PNG, as the
// program opens and prints it; zelkon-tool export and the export benchmarks share it.
#pragma once

#include "common/messages.h"
#include "index/course_index.h"
#include "master/unit_locator.h"
#include "sheet/paper.h"
#include "sheet/picture_loader.h"
#include "sheet/render_context.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPdfWriter;
class QSaveFile;

namespace zelkon {
class QtCanvas;
}

namespace zelkon::tool {

/// Resolution of the PDF pages, a common laser printer's.
inline constexpr int kPdfDpi = 600;

/// How the pages are drawn besides what the unit says.
struct ExportOptions
{
    bool answersShown = false;  ///< answers in blue; hidden answers leave their blanks
    std::optional<Paper> paper; ///< replaces the paper of the unit's value block
    LocalTime now;              ///< the date and time of the print stamp
};

/// A courseware folder with its main index and one lesson's sub-index read.
struct CourseLesson
{
    std::string programFolder; ///< composed, ending in "\"
    CourseIndex index;
    int lesson = 0;
};

/// Reads the main index of `programFolder` (composed, ending in "\") and the sub-index of
/// `lesson`. False with a message when the main index is missing, `lesson` is none of its
/// lessons, or the sub-index cannot be read; a sub-index cut short by a fault still opens, with
/// the reader's message.
bool OpenCourseLesson(std::string_view programFolder,
                      int lesson,
                      CourseLesson &course,
                      Messages &messages);

/// Every unit of the lesson, section by section in index order, without similar problems.
std::vector<UnitLocator> LessonUnits(const CourseLesson &course);

/// One unit opened as a worksheet, with the render tables and the values its renders read.
struct SheetPage
{
    Worksheet sheet;
    RenderTables tables;
    RenderContext context;
    Paper paper = Paper::A4; ///< the paper the page is printed on
};

/// Opens the unit at `locator` as the program does: its master file and header, readUnit in
/// Master mode with the lesson, section and unit captions, TakeUnitRecord, the graphs from the
/// lesson's graph folder and the class flag. The paper is `options.paper`, else that of the
/// value block (A4 for a width of no paper). False with a message when the section or unit is
/// not in the sub-index or the reader finds no unit or refuses it; missing pictures and faulty
/// block lines add their messages and the page still opens.
bool OpenSheetPage(const CourseLesson &course,
                   const UnitLocator &locator,
                   const ExportOptions &options,
                   PictureLoader &loader,
                   SheetPage &page,
                   Messages &messages);

/// Draws the page at screen scale onto a new white picture of its paper's size, recording its
/// answer fields as the worksheet window does; a null image (and the renderer's message) when
/// the render stopped at a table limit.
QImage RenderPageImage(SheetPage &page, Messages &messages);

/// Writes `image` as a PNG file, replacing `path` only when the whole file was written; false
/// with the reason in `error` otherwise.
bool WritePng(const QImage &image, const QString &path, QString &error);

/// A PDF being written at kPdfDpi, one page per sheet, each the size of its paper. The file
/// appears only when finish() succeeds: an export that fails leaves an older file as it was.
class PdfExport
{
public:
    explicit PdfExport(const QString &path, const QString &title = {});
    ~PdfExport();
    PdfExport(const PdfExport &) = delete;
    PdfExport &operator=(const PdfExport &) = delete;

    /// Adds the sheet as a page drawn at printer resolution, after a render at screen scale
    /// that records the answer fields, since printing draws the fields of the on-screen page.
    /// False with a message when the render stopped at a table limit: no page is added then.
    /// False without a message when the file cannot be written (finish() tells why).
    bool addPage(SheetPage &page, Messages &messages);

    /// Pages added so far.
    int pageCount() const { return m_pages; }

    /// The file could not be opened or written; no further page is added.
    bool writeFailed() const { return !m_error.isEmpty(); }

    /// Ends the document and puts the file in place; false with the reason in `error` when the
    /// file cannot be written or no page was added.
    bool finish(QString &error);

private:
    bool begin(const SheetPage &page);

    QString m_path;
    QString m_title;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QtCanvas> m_canvas;
    /// The page picture of the render that records the answer fields, kept from page to page:
    /// a fresh one for every page costs more than the whole printer render.
    QImage m_scratch;
    QString m_error;
    int m_pages = 0;
};

} // namespace zelkon::tool
