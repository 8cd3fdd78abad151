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

} // namespace zelkon
