// The worksheet window as the main window reaches it: the operations the side panel, the menus
// and the keys call on the active sheet. The worksheet window implements this interface.
#pragma once

#include "sheet/paper.h"
#include "sheet/render_context.h"
#include "sheet/worksheet.h"
#include "sheet/worksheet_document.h"

#include <QImage>
#include <QPoint>

#include <utility>

class QMdiSubWindow;

namespace zelkon {

class SheetWindow
{
public:
    virtual ~SheetWindow() = default;

    /// The MDI child window of the sheet; its caption is the sheet key.
    virtual QMdiSubWindow *subWindow() = 0;
    /// The document the window shows.
    virtual Worksheet &sheet() = 0;

    /// Draws the page again (`RedrawSheet`).
    virtual void redrawSheet() = 0;
    /// Stores the main line spacing and redraws (`TakeLineSpacing`).
    virtual void takeLineSpacing(int spacing) = 0;
    /// Stores the font size and redraws (`TakeFontSize`).
    virtual void takeFontSize(int size) = 0;
    /// Stores the main window's answer display state and redraws the answers
    /// (`TakeAnswerDisplay`).
    virtual void takeAnswerDisplay(bool shown) = 0;
    /// Gives the sheet a paper (`SetPaper`); a width that is none of the four changes nothing.
    virtual void setPaper(const PaperSpec &paper) = 0;
    /// Shows the reduced view when `reduced` is set, the full page otherwise.
    virtual void switchReducedView(bool reduced) = 0;
    /// Moves the window to 0,0 with the standard sheet size (`LargeWindow`).
    virtual void largeWindow() = 0;

    /// Vertical scroll position of the page, 0 at the top.
    virtual int scrollPosition() const = 0;
    virtual void setScrollPosition(int position) = 0;
    /// Height of the page image (`Image1`).
    virtual int pageImageHeight() const = 0;
    /// Height of the sheet's window.
    virtual int windowHeight() const = 0;

    /// The page image (`Image1`) as drawn on screen.
    virtual QImage pageImage() const = 0;
    /// The two corners of the rectangle marked for copying, in page image pixels, as marked.
    virtual std::pair<QPoint, QPoint> selectionCorners() const = 0;
    /// Removes the marked rectangle from the page.
    virtual void removeSelectionMark() = 0;
    /// What a render of this sheet reads from the other windows now (the page picture's size,
    /// the side panel's values, the school and learner, the clock).
    virtual RenderContext renderContext() const { return {}; }
    /// Hides the sheet's own teacher functions in student mode (`locked`) and shows them
    /// otherwise; a sheet without any has nothing to do.
    virtual void applyLock(bool locked) { static_cast<void>(locked); }
    /// Takes the unit record after a unit was added (`RetakeUnitRecord`) and lays the page out
    /// again; a sheet with graph pictures loads those of the record's graph lists.
    virtual void retakeUnitRecord(const UnitRecord &record)
    {
        RetakeUnitRecord(sheet(), record);
        redrawSheet();
    }
};

} // namespace zelkon
