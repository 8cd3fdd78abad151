// TfrmPrintM: the mouse over the page: dragging a graph to a new place, marking a graph or a
// region of the page for the copy area's "コピー".
#include "sheet/printm.h"

#include "sheet/graph_drag.h"
#include "sheet/mark_outline.h"
#include "shell/copy_area.h"
#include "shell/main.h"
#include "shell/program.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace zelkon {

namespace {

QRect ToQRect(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

Rect FrameOf(const QLabel *figure, QPoint offset = {})
{
    return GraphFrame(
        figure->x() + offset.x(), figure->y() + offset.y(), figure->width(), figure->height());
}

} // namespace

bool TfrmPrintM::eventFilter(QObject *watched, QEvent *event)
{
    const auto figure = std::find(imgFig.begin() + 1, imgFig.end(), watched);
    const bool onPage = watched == Image1 || figure != imgFig.end();
    if (!onPage)
        return QMdiSubWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_drag != Drag::none)
            return true;
        if (figure != imgFig.end())
            imgFigMouseDown(static_cast<int>(figure - imgFig.begin()), mouse);
        else
            Image1MouseDown(mouse);
        return true;
    }
    case QEvent::MouseMove:
        if (m_drag == Drag::none)
            return false;
        Image1DragOver(pagePosition(watched, static_cast<QMouseEvent *>(event)));
        return true;
    case QEvent::MouseButtonRelease:
        if (m_drag == Drag::none)
            return false;
        Image1EndDrag(pagePosition(watched, static_cast<QMouseEvent *>(event)));
        return true;
    default:
        return false;
    }
}

QPoint TfrmPrintM::pagePosition(QObject *watched, const QMouseEvent *event) const
{
    const QPoint at = event->position().toPoint();
    if (watched == Image1)
        return at;
    return static_cast<QWidget *>(watched)->mapTo(Image1, at);
}

void TfrmPrintM::activateThisSheet()
{
    if (m_program.state.activeWorksheet != m_id)
        m_main.mdiArea()->setActiveSubWindow(this);
}

void TfrmPrintM::dropMarkedRegion()
{
    if (m_main.copyButtonsEnabled())
        m_main.btnCopyCancelClick();
    removeSelectionMark();
}

void TfrmPrintM::removeSelectionMark()
{
    m_selection = {};
    shpMark->hide();
}

void TfrmPrintM::imgFigMouseDown(int k, QMouseEvent *event)
{
    activateThisSheet();
    QLabel *figure = imgFig[k];
    const Rect frame = FrameOf(figure);
    if (event->button() == Qt::RightButton) {
        // The graph with one pixel around it, ready for "コピー".
        m_selection = {QPoint(frame.left, frame.top), QPoint(frame.right, frame.bottom)};
        shpMark->showRect(ToQRect(frame));
        m_main.setCopyButtonsEnabled(true);
        return;
    }
    dropMarkedRegion();
    m_drag = Drag::graph;
    m_dragGraph = k;
    m_dragStarted = false;
    m_dragStart = pagePosition(figure, event);
    // The hidden picture cannot keep the mouse, so the page takes it for the whole drag.
    figure->hide();
    Image1->grabMouse();
    shpMark->showRect(ToQRect(frame));
}

void TfrmPrintM::Image1MouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    activateThisSheet();
    dropMarkedRegion();
    const QPoint at = event->position().toPoint();
    m_drag = Drag::region;
    m_selection = {at, at};
}

void TfrmPrintM::Image1DragOver(QPoint position)
{
    if (m_drag == Drag::region) {
        m_selection.second = position;
        shpMark->showRect(QRect(m_selection.first, m_selection.second).normalized());
        return;
    }
    const QPoint offset = position - m_dragStart;
    // A hand that shakes while clicking must not move the graph by a pixel or two.
    if (!m_dragStarted && offset.manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragStarted = true;
    shpMark->showRect(ToQRect(FrameOf(imgFig[m_dragGraph], offset)));
}

void TfrmPrintM::Image1EndDrag(QPoint position)
{
    const Drag drag = std::exchange(m_drag, Drag::none);
    if (drag == Drag::region) {
        m_selection.second = position;
        // A click marks nothing: an empty region would only enable a copy of nothing.
        if (CopyAreaOf(m_selection.first, m_selection.second).isEmpty()) {
            removeSelectionMark();
            return;
        }
        shpMark->showRect(QRect(m_selection.first, m_selection.second).normalized());
        m_main.setCopyButtonsEnabled(true);
        return;
    }
    Image1DragOver(position);
    Image1->releaseMouse();
    shpMark->hide();
    imgFig[m_dragGraph]->show();
    if (!m_dragStarted)
        return;
    const QPoint offset = position - m_dragStart;
    if (DropGraph(m_sheet, m_dragGraph, offset.x(), offset.y()))
        redrawSheet();
}

} // namespace zelkon
