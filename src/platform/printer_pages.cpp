// Page sizes and layouts of the four papers.
#include "platform/printer_pages.h"

#include <QMarginsF>

namespace zelkon {

QPageSize PrinterPageSize(Paper paper)
{
    switch (paper) {
    case Paper::B5:
        return QPageSize(QPageSize::JisB5);
    case Paper::A4:
        return QPageSize(QPageSize::A4);
    case Paper::B4:
        return QPageSize(QPageSize::JisB4);
    case Paper::A3:
        return QPageSize(QPageSize::A3);
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout PrinterPageLayout(Paper paper)
{
    constexpr double kUnprintablePoints = 12;
    return QPageLayout(
        PrinterPageSize(paper),
        QPageLayout::Portrait,
        QMarginsF(kUnprintablePoints, kUnprintablePoints, kUnprintablePoints, kUnprintablePoints),
        QPageLayout::Point);
}

} // namespace zelkon
