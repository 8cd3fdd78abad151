// Small helpers every window of zelkon uses: Japanese captions from UTF-8 literals, filled
// backgrounds, and list rows that keep the CP932 bytes they were made from.
#pragma once

#include <QColor>
#include <QString>

#include <string>

class QListWidget;
class QListWidgetItem;
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

} // namespace zelkon
