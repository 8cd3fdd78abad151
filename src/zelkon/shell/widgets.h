// Small helpers every window of zelkon uses: Japanese captions from UTF-8 literals, filled
// backgrounds, and list rows that keep the CP932 bytes they were made from.
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <string>

class QListWidget;
class QListWidgetItem;
class QObject;
class QWidget;

namespace zelkon {

/// A caption from a UTF-8 literal of the source.
inline QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

/// Fills the widget's background with `colour`.
void Colour(QWidget *widget, const QColor &colour);

/// Adds a row showing `cp932` and keeping its bytes, so that paths and keys are composed from
/// the very bytes of the file the row came from, never from a round trip through Unicode.
void AddCp932Item(QListWidget *list, const std::string &cp932);

/// The CP932 bytes a row was made from.
std::string Cp932Of(const QListWidgetItem *item);

/// Calls `choose` with the new row whenever the current row of `list` changes, and again when
/// the row that was current before the mouse press (`rowBeforePress`, kept by the window) is
/// clicked: a click moves nothing then, yet the window reads that row's files afresh.
void ConnectChoice(QObject *context,
                   QListWidget *list,
                   const int &rowBeforePress,
                   std::function<void(int row)> choose);

} // namespace zelkon
