// QSettings behind the core's SettingsStore, one QSettings object per call.
#include "platform/qt_settings_store.h"

#include "common/path.h"
#include "platform/qstring_cp932.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace zelkon {

namespace {

// Runs `work` on the QSettings of `key`, opened for this call only: nothing is held open or
// cached between calls.
template<typename Work>
auto InKey(std::string_view key, Work work)
{
    const QtSettingsLocation at = SettingsLocationForKey(key);
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, at.organization, at.application);
    return work(settings);
}

// The integer a text spells as an INI file writes it: an optional "-" and decimal digits
// within 32 bits; nothing else (no spaces, no "+", no hex).
std::optional<std::int32_t> SpelledInteger(const QString &text)
{
    const qsizetype digitsFrom = text.startsWith(u'-') ? 1 : 0;
    if (text.size() == digitsFrom)
        return std::nullopt;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

StoredValue Read(QSettings &settings, const QString &name)
{
    // A file that cannot be read is not taken for an empty one: writing defaults over it would
    // lose every value in it. A damaged file is taken as far as QSettings understands it; its
    // FormatError shows only on the first access of a process (later ones get the cached
    // reading), so it cannot be a reliable refusal.
    if (settings.status() == QSettings::AccessError)
        return {StoredKind::Unreadable, 0, {}};
    if (!settings.contains(name))
        return {};
    const QVariant value = settings.value(name);
    switch (value.typeId()) {
    case QMetaType::Int:
        return {StoredKind::Integer, value.toInt(), {}};
    case QMetaType::UInt:
        // A registry DWORD above 2^31 reads as the signed 32-bit value, as Windows programs do.
        return {StoredKind::Integer, static_cast<std::int32_t>(value.toUInt()), {}};
    case QMetaType::QString:
        break;
    default:
        return {StoredKind::Other, 0, {}};
    }
    const QString text = value.toString();
    Cp932Conversion cp932 = ToCp932(text);
    if (!cp932.ok)
        return {StoredKind::Unreadable, 0, {}};
#ifndef Q_OS_WIN
    // The registry keeps types; the .conf file does not, so digits count as an integer there.
    if (const auto integer = SpelledInteger(text))
        return {StoredKind::UntypedInteger, *integer, std::move(cp932.bytes)};
#endif
    return {StoredKind::Text, 0, std::move(cp932.bytes)};
}

// Stores one value. A FormatError left from reading a damaged file is no write failure: the
// file is written back whole, in its repaired form.
bool Store(QSettings &settings, const QString &name, const QVariant &value)
{
    if (settings.status() == QSettings::AccessError)
        return false;
    settings.setValue(name, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

} // namespace

QtSettingsLocation SettingsLocationForKey(std::string_view key)
{
    QStringList parts = ToQString(key).split(u'\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(u"Software", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    const QString organization = parts.takeFirst();
    return {organization, parts.join(u'/')};
}

StoredValue QtSettingsStore::get(std::string_view key, std::string_view name) const
{
    return InKey(key, [name](QSettings &settings) { return Read(settings, ToQString(name)); });
}

bool QtSettingsStore::setInteger(std::string_view key, std::string_view name, std::int32_t value)
{
    return InKey(key, [&](QSettings &settings) {
        return Store(settings, ToQString(name), static_cast<int>(value));
    });
}

bool QtSettingsStore::setText(std::string_view key, std::string_view name, std::string_view value)
{
    return InKey(key, [&](QSettings &settings) {
        return Store(settings, ToQString(name), ToQString(value));
    });
}

std::string DefaultRecordDrive()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QByteArray utf8 = (folder + u'/').toUtf8();
    return FromFsPath(std::string_view(utf8.constData(), utf8.size()));
}

} // namespace zelkon
