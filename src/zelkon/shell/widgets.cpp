// Helpers shared by zelkon's windows.
#include "shell/widgets.h"

#include "platform/qstring_cp932.h"

#include <QByteArray>
#include <QListWidget>
#include <QPalette>

namespace zelkon {

namespace {

constexpr int kCp932Role = Qt::UserRole;

} // namespace

void Colour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void AddCp932Item(QListWidget *list, const std::string &cp932)
{
    auto *item = new QListWidgetItem(ToQString(cp932), list);
    item->setData(kCp932Role, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
}

std::string Cp932Of(const QListWidgetItem *item)
{
    return item->data(kCp932Role).toByteArray().toStdString();
}

void ConnectChoice(QObject *context,
                   QListWidget *list,
                   const int &rowBeforePress,
                   std::function<void(int row)> choose)
{
    QObject::connect(list, &QListWidget::currentRowChanged, context, [choose](int row) {
        if (row >= 0)
            choose(row);
    });
    QObject::connect(list,
                     &QListWidget::itemClicked,
                     context,
                     [list, &rowBeforePress, choose](QListWidgetItem *item) {
                         const int row = list->row(item);
                         if (row == rowBeforePress)
                             choose(row);
                     });
}

} // namespace zelkon
