// Owner drawing of the unit list: each row's paint goes to the window that knows its line.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace zelkon {

class UnitLineDelegate : public QStyledItemDelegate
{
public:
    /// Paints a row: the painter, the row's option (rectangle, state) and the row.
    using DrawItem = std::function<void(QPainter *, const QStyleOptionViewItem &, int row)>;

    /// Rows are `itemHeight` pixels high.
    UnitLineDelegate(DrawItem drawItem, int itemHeight, QObject *parent);

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DrawItem m_drawItem;
    int m_itemHeight;
};

} // namespace zelkon
