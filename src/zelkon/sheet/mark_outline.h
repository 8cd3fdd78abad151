// The dotted rectangle laid over the page while a graph is dragged or a region is marked; it is
// never part of the page picture, so copying and printing the page take none of it.
#pragma once

#include <QRect>
#include <QWidget>

namespace zelkon {

class MarkOutline : public QWidget
{
public:
    /// An outline over the whole of `page`, hidden until a rectangle is shown; mouse events
    /// pass through it to the page and the graphs.
    explicit MarkOutline(QWidget *page);

    /// Shows the outline on the border pixels of `rect` (page pixels) above everything on the
    /// page.
    void showRect(const QRect &rect);
    /// The rectangle shown; empty while hidden.
    QRect shownRect() const { return isVisible() ? m_rect : QRect(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect m_rect;
};

} // namespace zelkon
