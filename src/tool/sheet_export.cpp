// A unit opened into a worksheet as the open path does, and drawn as the page picture or as a
// printed page into PDF and PNG files.
#include "sheet_export.h"

#include "common/cp932.h"
#include "common/path.h"
#include "index/main_index.h"
#include "index/sub_index.h"
#include "master/open_unit.h"
#include "master/unit_reader.h"
#include "platform/printer_pages.h"
#include "platform/qt_canvas.h"
#include "sheet/graph_loading.h"
#include "sheet/layout_blocks.h"
#include "sheet/render_sheet.h"
#include "sheet/worksheet_document.h"

#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace zelkon::tool {

namespace {

// "NAME N はありません（1～COUNT）", as dump-index refuses a lesson.
std::string NoSuchMessage(std::string_view name, int number, int count)
{
    return Utf8ToCp932(name) + " " + std::to_string(number) + Utf8ToCp932(" はありません（1～")
           + std::to_string(count) + Utf8ToCp932("）");
}

void Append(Messages &messages, const Messages &more)
{
    messages.insert(messages.end(), more.begin(), more.end());
}

// What activating the sheet does before its first render: the spin boxes of the side and
// answer-field panels take the sheet's values within their ranges and write them back, and the
// paper dialog's boxes show the option flags.
void PrepareRenderContext(SheetPage &page, const ExportOptions &options)
{
    Worksheet &sheet = page.sheet;
    TakeFontSize(sheet, sheet.fontSize);
    TakeLineSpacing(sheet, sheet.lineSpacing);
    TakeLeftMargin(sheet, sheet.leftMargin);
    TakeRightMargin(sheet, sheet.rightMargin);

    RenderContext &context = page.context;
    context.sheetDrawingEnabled = true;
    context.mojiSize = sheet.fontSize;
    context.classFlagBox = (sheet.optionFlags & kClassFlagOption) != 0;
    context.dateLineBox = (sheet.optionFlags & kDateLineOption) != 0;
    context.printStampBox = (sheet.optionFlags & kPrintStampOption) != 0;
    context.now = options.now;
    const PaperSpec &picture = PaperEntryOf(page.paper).pageSize;
    context.pictureWidth = picture.width;
    context.pictureHeight = picture.height;
    // Kran lines that are no number were given their defaults when the block was taken.
    context.fieldWidthAllowance
        = ParseDecimalInt(sheet.kranValues[1]).value_or(context.fieldWidthAllowance);
    context.fieldHeightAllowance
        = ParseDecimalInt(sheet.kranValues[2]).value_or(context.fieldHeightAllowance);
}

// The render of the worksheet window: `picture` made a blank white page picture of the paper's
// size (reusing its memory when it has that size already), then drawn on at screen scale with
// the answer fields recorded. False when the render stopped at a table limit.
bool RenderOnPicture(SheetPage &page, QImage &picture, Messages &messages)
{
    const QSize size(page.context.pictureWidth, page.context.pictureHeight);
    if (picture.size() == size)
        picture.fill(Qt::white);
    else
        picture = NewPageImage(size.width(), size.height());
    QtCanvas canvas(picture);
    page.tables.collectAnswerFields = true;
    return RenderSheet(
        page.sheet, page.tables, canvas, /*toPrinter=*/false, page.context, messages);
}

} // namespace

bool OpenCourseLesson(std::string_view programFolder,
                      int lesson,
                      CourseLesson &course,
                      Messages &messages)
{
    course = CourseLesson{};
    course.programFolder = programFolder;
    course.lesson = lesson;
    if (ReadMainIndex(programFolder, course.index, messages) == MainIndexRead::missing)
        return false;
    const int lessons = static_cast<int>(course.index.lessonCaptions.size());
    if (lesson < 1 || lesson > lessons) {
        messages.push_back({NoSuchMessage("レッスン", lesson, lessons), 0});
        return false;
    }
    // A sub-index cut short keeps the sections read before the fault.
    return ReadSubIndex(programFolder, lesson, course.index, messages)
           || !course.index.sectionCaptions.empty();
}

std::vector<UnitLocator> LessonUnits(const CourseLesson &course)
{
    std::vector<UnitLocator> units;
    const int sections = static_cast<int>(course.index.sectionCaptions.size());
    for (int s = 1; s <= sections; ++s) {
        for (int u = 1; u <= UnitCount(course.index, s); ++u)
            units.push_back(UnitLocator{course.lesson, s, u, 0});
    }
    return units;
}

bool OpenSheetPage(const CourseLesson &course,
                   const UnitLocator &locator,
                   const ExportOptions &options,
                   PictureLoader &loader,
                   SheetPage &page,
                   Messages &messages)
{
    const CourseIndex &index = course.index;
    const int sections = static_cast<int>(index.sectionCaptions.size());
    if (locator.section < 1 || locator.section > sections) {
        messages.push_back({NoSuchMessage("セクション", locator.section, sections), 0});
        return false;
    }
    const int units = UnitCount(index, locator.section);
    if (locator.unit < 1 || locator.unit > units) {
        messages.push_back({NoSuchMessage("単元", locator.unit, units), 0});
        return false;
    }

    const MasterSheetNames names = MasterSheetNamesFor(course.programFolder, index, locator);
    if (!FileExists(names.masterPath)) {
        messages.push_back({MissingFileMessage(names.masterPath), 0});
        return false;
    }
    SheetCreationContext creation;
    creation.answersShown = options.answersShown;
    creation.currentLocator = locator;
    creation.lessonName = LessonCaption(index, locator.lesson);
    creation.sectionName = SectionCaption(index, locator.section);
    creation.unitName = UnitCaption(index, locator.section, locator.unit);
    creation.sheetKey = names.sheetKey;
    creation.printTag = names.printTag;

    const std::string header = SheetHeaderLine(locator, ReadMode::Master);
    const ReadContext readContext{
        creation.lessonName, creation.sectionName, creation.unitName, nullptr};
    ReaderState readerState;
    UnitRecord record;
    const std::size_t before = messages.size();
    if (!readUnit(names.masterPath,
                  header,
                  locator.unit,
                  locator.section,
                  ReadMode::Master,
                  readContext,
                  readerState,
                  record,
                  messages)) {
        // The program offers to create a unit it does not find; here it is simply not there.
        if (messages.size() == before)
            messages.push_back({FromFsPath(ToFsPath(names.masterPath)) + Utf8ToCp932(" に ")
                                    + header + Utf8ToCp932(" がありません"),
                                0});
        return false;
    }

    page = SheetPage{};
    ResetRenderTablesForNewSheet(page.tables);
    Worksheet &sheet = page.sheet;
    Append(messages, LoadClassFlag(sheet.graphs, course.programFolder, loader));
    TakeUnitRecord(sheet, record, creation, messages);
    ApplyWorksheetOrigin(sheet, MasterSheetOrigin(names.masterPath, locator));

    page.paper = options.paper.value_or(PaperChoiceForWidth(sheet.paper.width));
    if (options.paper)
        sheet.paper = PaperEntryOf(*options.paper).pageSize;

    // The program reads a graph name without a graph folder from its current folder, which is
    // the program folder.
    std::string folder = graphFolder(course.programFolder, index, locator.lesson);
    if (folder.empty())
        folder = course.programFolder;
    Append(messages, LoadQuestionGraphs(sheet, folder, loader));
    Append(messages, LoadAnswerGraphs(sheet, folder, loader));

    PrepareRenderContext(page, options);
    return true;
}

QImage RenderPageImage(SheetPage &page, Messages &messages)
{
    QImage image;
    return RenderOnPicture(page, image, messages) ? image : QImage();
}

bool WritePng(const QImage &image, const QString &path, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        error = file.error() != QFileDevice::NoError ? file.errorString()
                                                     : QStringLiteral("PNG encoding failed");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

PdfExport::PdfExport(const QString &path, const QString &title)
    : m_path(path)
    , m_title(title)
{}

// The canvas ends its painting before the writer goes, and the writer before the file, which
// then discards what was written unless finish() committed it.
PdfExport::~PdfExport() = default;

bool PdfExport::begin(const SheetPage &page)
{
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_error = m_file->errorString();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(kPdfDpi);
    m_writer->setCreator(QStringLiteral("Zelkon++"));
    m_writer->setTitle(m_title);
    m_writer->setPageLayout(PrinterPageLayout(page.paper));
    m_canvas = std::make_unique<QtCanvas>(*m_writer);
    if (!m_canvas->isActive()) {
        m_error = m_file->error() != QFileDevice::NoError ? m_file->errorString()
                                                          : QStringLiteral("PDF output failed");
        return false;
    }
    return true;
}

bool PdfExport::addPage(SheetPage &page, Messages &messages)
{
    if (!m_error.isEmpty())
        return false;
    // Printing draws the answer fields the last on-screen render recorded, in screen pixels
    // that it scales itself; a printer render does not record them.
    if (!RenderOnPicture(page, m_scratch, messages))
        return false;
    page.tables.collectAnswerFields = false;

    if (!m_canvas) {
        if (!begin(page))
            return false;
    } else {
        m_writer->setPageLayout(PrinterPageLayout(page.paper));
        if (!m_writer->newPage()) {
            m_error = QStringLiteral("PDF output failed");
            return false;
        }
    }
    // The screen render got through, so the printer render of the same lines does too.
    RenderSheet(page.sheet, page.tables, *m_canvas, /*toPrinter=*/true, page.context, messages);
    ++m_pages;
    return true;
}

bool PdfExport::finish(QString &error)
{
    if (m_error.isEmpty() && m_pages == 0)
        m_error = QStringLiteral("no page to write");
    if (!m_error.isEmpty()) {
        error = m_error;
        return false;
    }
    m_canvas.reset();
    m_writer.reset();
    if (!m_file->commit()) {
        m_error = m_file->errorString();
        error = m_error;
        return false;
    }
    return true;
}

} // namespace zelkon::tool
