// The page layout: header, question lines split at "#", answers, fields and graphs.
#include "sheet/render_sheet.h"

#include "common/cp932.h"
#include "common/format.h"
#include "common/sjis_text.h"
#include "sheet/answer_fields.h"
#include "sheet/graph_placement.h"
#include "sheet/marked_text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

namespace {

// The page's fixed texts in CP932, converted once.
struct PageTexts
{
    std::string numberMark = Utf8ToCp932("№ ");
    std::string dateLine = Utf8ToCp932("実施日　　月　　日");
    std::string section = Utf8ToCp932("§");
    std::string twoBlanks = Utf8ToCp932("　　");
    std::string nameLabel = Utf8ToCp932("　　氏名");
    std::string bareNameLabel = Utf8ToCp932("　　　　　　　　氏名");
    std::string publicName = Utf8ToCp932("公開");
    std::string commonName = Utf8ToCp932("共通");
    std::string points = Utf8ToCp932("点");
    std::string tooManyAnswers = Utf8ToCp932("解答欄が多すぎます。問題の");
    std::string tooManyAnswersTail = Utf8ToCp932("行目で80個を超えたため、描画を中止しました");
    std::string tooManyPieces = Utf8ToCp932("文字列の区切りが多すぎます。問題の");
    std::string tooManyPiecesTail = Utf8ToCp932("行目で240個を超えたため、描画を中止しました");
};

const PageTexts &Texts()
{
    static const PageTexts texts;
    return texts;
}

// A file's margins and line spacing may hold any integer. The page positions they give are held
// within ±2^24 pixels, far beyond any page at any resolution, so that adding the widths of a
// line's text to them never leaves the int range.
constexpr double kPageLimit = 1 << 24;

int PagePosition(double value)
{
    return RoundHalfEven(std::clamp(value, -kPageLimit, kPageLimit));
}

// Splits at every `mark` byte into `parts`, reusing its storage from line to line.
void SplitInto(std::string_view text, char mark, std::vector<std::string_view> &parts)
{
    parts.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(mark, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

class SheetRenderer
{
public:
    SheetRenderer(Worksheet &sheet,
                  RenderTables &tables,
                  Canvas &canvas,
                  bool toPrinter,
                  const RenderContext &context,
                  Messages &messages)
        : m_sheet(sheet)
        , m_tables(tables)
        , m_canvas(canvas)
        , m_toPrinter(toPrinter)
        , m_context(context)
        , m_messages(messages)
    {}

    bool run()
    {
        m_tables.markupSizeOffset = 0;
        computeQuantities();
        drawHeader();
        if (!drawQuestionLines())
            return false;
        PlaceGraphs(m_sheet, m_tables, m_messages);
        DrawAnswerFields(m_canvas, m_sheet, m_tables, fieldLayout());
        stampPictures();
        return true;
    }

private:
    void computeQuantities()
    {
        const int pictureWidth = m_context.pictureWidth > 0 ? m_context.pictureWidth : 630;
        m_W = m_toPrinter ? m_canvas.width() : pictureWidth;
        m_H = m_toPrinter ? m_canvas.height() : m_context.pictureHeight;
        m_s = m_toPrinter ? m_W / 630.0 : 1.0;
        m_r = m_toPrinter ? static_cast<double>(m_W) / pictureWidth : 1.0;
        m_d = m_toPrinter ? 3 : 0;
        m_base = m_context.mojiSize + m_d;
        if (m_base < 1)
            m_base = 10;
        m_L = PagePosition(m_sheet.leftMargin * 10.0 * m_s);
        m_Rm = PagePosition(m_sheet.rightMargin * 10.0 * m_s);
        m_rightEdge = m_W - m_Rm;
        m_lineAdvance = m_sheet.lineSpacing * m_s * 0.7875;

        m_markup.baseSize = m_base;
        m_markup.k = m_toPrinter ? 1.1 : 1.0;
        m_markup.textDrop = RoundHalfEven(6.732 * m_s);
        m_markup.currentSize = m_base;
        m_markup.runCount = 0;
    }

    FieldLayout fieldLayout() const
    {
        FieldLayout layout;
        layout.s = m_s;
        layout.toPrinter = m_toPrinter;
        layout.widthAllowance = m_context.fieldWidthAllowance;
        layout.heightAllowance = m_context.fieldHeightAllowance;
        layout.boxHeight = m_context.inputBoxHeight ? m_context.inputBoxHeight(m_context.mojiSize)
                                                    : DefaultInputBoxHeight(m_context.mojiSize);
        return layout;
    }

    int scaled(double screenLength) const { return RoundHalfEven(screenLength * m_s); }
    int placed(double pagePosition) const { return RoundHalfEven(pagePosition * m_r); }

    void setFontSize(int points)
    {
        if (m_canvas.fontSize() != points)
            m_canvas.setFontSize(points);
    }

    void setFontColor(Rgb colour)
    {
        if (m_canvas.fontColor() != colour)
            m_canvas.setFontColor(colour);
    }

    void drawHeader()
    {
        const PageTexts &texts = Texts();
        setFontSize(m_base);
        m_canvas.setFontName(m_sheet.sheetFontName);
        if (m_canvas.fontStyle() != kPlain)
            m_canvas.setFontStyle(kPlain);
        setFontColor(kBlack);
        m_canvas.setTextTransparent(false);
        // A drag outline may have left the page canvas dotted or inverting.
        m_canvas.setPenStyle(PenStyle::Solid);
        m_canvas.setPenMode(PenMode::Copy);
        m_canvas.setPenColor(kBlack);
        m_canvas.setPenWidth(std::max(1, scaled(2)));

        m_canvas.line({m_L, placed(30)}, {m_rightEdge, placed(30)});
        m_canvas.line({m_L, placed(90)}, {m_rightEdge, placed(90)});

        if (m_sheet.kranValues[3] == "2") {
            const int xm = (m_W - m_Rm + m_base + m_L) / 2 - scaled(10);
            m_canvas.line({xm, placed(90)}, {xm, RoundHalfEven(m_H * 0.97)});
        }

        setFontSize(m_d + 10);
        const int stampY = placed(15);
        if (m_context.printStampBox) {
            std::string stamp;
            if (m_context.numberSheets)
                stamp = texts.numberMark + std::to_string(m_context.sheetNumber);
            const LocalTime &now = m_context.now;
            stamp += "  " + DottedDate(now.year, now.month, now.day) + "-"
                     + TimeOfDay(now.hour, now.minute) + std::string(kFullWidthSpace);
            const std::string &tag = m_sheet.printTag;
            stamp += tag.size() <= 40 ? std::string_view(tag) : std::string_view(tag).substr(40);
            m_canvas.textOut({m_L, stampY}, stamp);
        }
        if (m_context.dateLineBox)
            m_canvas.textOut({RoundHalfEven(m_W - m_Rm - 120 * m_s), stampY}, texts.dateLine);

        drawTitle();
        drawNameLine();

        m_Y = 65 * m_r + placed(20);
        m_canvas.setPenWidth(1);
        drawScore();
    }

    void drawTitle()
    {
        const PageTexts &texts = Texts();
        setFontSize(m_d + 12);
        int x = m_L;
        if (m_context.classFlagBox)
            x += scaled(kClassFlagSize + 5);
        const std::string_view caption = m_sheet.unitCaption;
        if (caption.size() <= 60) {
            if (!caption.empty())
                m_canvas.textOut({x, placed(35)}, caption);
            return;
        }
        // The second line starts at the "§", found character by character so the second byte
        // of a two-byte character is never taken for it.
        const std::size_t at = FindCharacter(caption, texts.section);
        const std::string_view first
            = at == std::string_view::npos ? std::string_view() : caption.substr(0, at);
        const std::string_view rest = at == std::string_view::npos ? caption : caption.substr(at);
        if (!first.empty())
            m_canvas.textOut({x, placed(35)}, first);
        m_canvas.textOut({x, placed(48)}, texts.twoBlanks + std::string(rest));
    }

    void drawNameLine()
    {
        const PageTexts &texts = Texts();
        setFontColor(kBlack);
        setFontSize(m_d + 16);
        std::string line = m_context.schoolName.empty() ? texts.bareNameLabel
                                                        : m_context.schoolName + texts.nameLabel;
        const std::string &learner = m_context.learnerName;
        if (m_sheet.learnerNameShown && learner != "noname" && learner != texts.publicName
            && learner != texts.commonName)
            line += " " + learner;
        m_canvas.textOut({RoundHalfEven(150 * m_s + m_L), placed(65)}, line);
    }

    void drawScore()
    {
        if (!m_sheet.scoreShown || m_tables.answerFieldCount == 0)
            return;
        setFontColor(kRed);
        setFontSize(m_d + 36);
        m_canvas.setTextTransparent(true);
        m_canvas.textOut({RoundHalfEven(m_W - m_Rm - 75 * m_s), placed(35)},
                         std::to_string(m_context.practiceScore));
        setFontSize(m_d + 22);
        const Point pen = m_canvas.penPosition();
        m_canvas.textOut({pen.x, pen.y + scaled(15)}, Texts().points);
        m_canvas.setTextTransparent(false);
        m_canvas.setPenWidth(1);
    }

    bool drawQuestionLines()
    {
        m_Y += RoundHalfEven(17 * 0.7875 * m_r);
        int y = PagePosition(m_Y);
        setFontColor(kBlack);
        if (m_tables.collectAnswerFields)
            m_tables.answerFieldCount = 0;
        m_learnerIndex = 0;
        m_sheet.answerList.assign(1, "start");
        m_sheet.answerCursor = 0;

        for (std::size_t i = 0; i < m_sheet.questionLines.size(); ++i) {
            m_lineNumber = static_cast<int>(i) + 1;
            const std::string_view line = m_sheet.questionLines[i];
            if (!line.empty() && !drawQuestionLine(line, y))
                return false;
            m_Y += m_lineAdvance;
            y = PagePosition(m_Y);
        }
        return true;
    }

    bool drawQuestionLine(std::string_view line, int y)
    {
        SplitInto(line, '#', m_pieces);
        const std::size_t answers = (m_pieces.size() - 1) / 2;
        Point p{m_L, y};
        for (std::size_t m = 0; m < answers; ++m) {
            if (!drawAnswer(m_pieces[2 * m], m_pieces[2 * m + 1], y, p))
                return false;
        }
        // With an odd number of "#" the piece after the last one is not drawn.
        setFontColor(kBlack);
        return drawPiece(m_pieces[2 * answers], {p.x, y}, Ink::Draw, p);
    }

    // Draws one question piece and the answer after it; `p` is the pen point of the line.
    bool drawAnswer(std::string_view question, std::string_view answer, int y, Point &p)
    {
        setFontColor(kBlack);
        if (m_sheet.answerCursor >= kMaxAnswerFields)
            return stop(Texts().tooManyAnswers, Texts().tooManyAnswersTail);
        ++m_sheet.answerCursor;
        int x = p.x;
        if (m_tables.showLearnerAnswers)
            x = scaled(m_tables.pieceXTable[m_sheet.answerCursor]);
        else
            m_tables.pieceXTable[m_sheet.answerCursor] = p.x;
        if (!drawPiece(question, {x, y}, Ink::Draw, p))
            return false;

        m_sheet.answerList.emplace_back(answer);
        const int xs = p.x;
        // A hidden answer keeps its width on the line but leaves no ink at all: white text
        // would still be in a PDF for anyone to select.
        const Ink ink = m_sheet.answersShown ? Ink::Draw : Ink::Measure;
        if (ink == Ink::Draw)
            setFontColor(kBlue);

        SplitInto(answer, ';', m_alternatives);
        std::string learnerText;
        std::string_view text = m_alternatives[0];
        if (m_tables.showLearnerAnswers) {
            ++m_learnerIndex;
            const std::string &given = m_tables.learnerAnswers[m_learnerIndex];
            const std::size_t width = m_tables.answerFieldTable[m_learnerIndex].answerText.size();
            learnerText = given.size() < width ? PadToWidth(given, width) : given;
            text = learnerText;
        }
        if (!drawPiece(text, {xs, y}, ink, p))
            return false;

        if (m_alternatives.size() >= 2 && m_context.showAlternatives)
            drawAlternatives(xs, y, ink);

        if (m_tables.collectAnswerFields) {
            AnswerField &field = m_tables.answerFieldTable[++m_tables.answerFieldCount];
            field.x = xs;
            field.y = y;
            field.answerText = answer;
            field.fontSize = m_canvas.fontSize();
            field.width = p.x - xs;
        }
        return true;
    }

    void drawAlternatives(int xs, int y, Ink ink)
    {
        if (ink == Ink::Draw)
            setFontColor(kGrey);
        setFontSize(m_base);
        Point at{xs, y + scaled(24)};
        for (std::size_t a = 1; a < m_alternatives.size(); ++a) {
            at = DrawCharacters(m_canvas, kFullWidthSpace, at, ink);
            at = DrawCharacters(m_canvas, m_alternatives[a], at, ink);
        }
    }

    bool drawPiece(std::string_view text, Point at, Ink ink, Point &end)
    {
        const std::optional<Point> drawn
            = DrawMarkedText(m_canvas, m_tables, m_markup, text, at, ink);
        if (!drawn)
            return stop(Texts().tooManyPieces, Texts().tooManyPiecesTail);
        end = *drawn;
        return true;
    }

    bool stop(const std::string &head, const std::string &tail)
    {
        m_messages.push_back({head + std::to_string(m_lineNumber) + tail, 0});
        return false;
    }

    void stampPictures()
    {
        if (m_toPrinter) {
            StampImages(m_canvas, m_sheet, m_context.classFlagBox, m_s);
            return;
        }
        SheetGraphs &graphs = m_sheet.graphs;
        graphs.classFlagLeft = m_L;
        graphs.classFlagTop = RoundHalfEven(30 * m_s + (60 * m_s - kClassFlagSize) * 0.5);
        StampImages(m_canvas, m_sheet, m_context.classFlagBox, 1.0);
    }

    Worksheet &m_sheet;
    RenderTables &m_tables;
    Canvas &m_canvas;
    const bool m_toPrinter;
    const RenderContext &m_context;
    Messages &m_messages;

    int m_W = 0;
    int m_H = 0;
    double m_s = 1.0;
    double m_r = 1.0;
    int m_d = 0;
    int m_base = 10;
    int m_L = 0;
    int m_Rm = 0;
    int m_rightEdge = 0;
    double m_lineAdvance = 0;
    double m_Y = 0; ///< running page position
    MarkupState m_markup;
    int m_learnerIndex = 0; ///< j: learner answers drawn so far
    int m_lineNumber = 0;   ///< the question line being drawn, from 1
    std::vector<std::string_view> m_pieces;
    std::vector<std::string_view> m_alternatives;
};

} // namespace

bool RenderSheet(Worksheet &sheet,
                 RenderTables &tables,
                 Canvas &canvas,
                 bool toPrinter,
                 const RenderContext &context,
                 Messages &messages)
{
    tables.renderingToPrinter = toPrinter;
    if (!context.sheetDrawingEnabled)
        return true;
    return SheetRenderer(sheet, tables, canvas, toPrinter, context, messages).run();
}

} // namespace zelkon
