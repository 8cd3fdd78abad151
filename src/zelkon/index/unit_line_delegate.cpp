// Owner drawing of the unit list.
#include "index/unit_line_delegate.h"

namespace zelkon {

UnitLineDelegate::UnitLineDelegate(DrawItem drawItem, int itemHeight, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_drawItem(std::move(drawItem))
    , m_itemHeight(itemHeight)
{}

void UnitLineDelegate::paint(QPainter *painter,
                             const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    m_drawItem(painter, option, index.row());
}

QSize UnitLineDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_itemHeight};
}

} // namespace zelkon
