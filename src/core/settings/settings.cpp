// The settings operations and their messages.
#include "settings/settings.h"

#include "common/cp932.h"

namespace zelkon {

namespace {

// "設定値「NAME」" + what went wrong + "（KEY）", so the user learns which value and where.
std::string Problem(std::string_view key, std::string_view name, std::string_view whatUtf8)
{
    return Utf8ToCp932("設定値「") + std::string(name) + Utf8ToCp932("」") + Utf8ToCp932(whatUtf8)
           + Utf8ToCp932("（") + std::string(key) + Utf8ToCp932("）");
}

std::string UnreadableMessage(std::string_view key, std::string_view name)
{
    return Problem(key, name, "を読み取れません");
}

std::string WriteFailedMessage(std::string_view key, std::string_view name)
{
    return Problem(key, name, "を書き込めません");
}

} // namespace

Settings::Settings(SettingsStore &store, const EditionConstants &edition)
    : m_store(store)
    , m_editionKey(edition.registryKey)
{}

SettingRead<bool> Settings::readFlag(const FlagSetting &setting)
{
    const SettingRead<std::int32_t> number = readNumber(setting.name, setting.defaultValue ? 1 : 0);
    return {number.ok, number.value != 0, number.error};
}

SettingRead<std::int32_t> Settings::readInteger(const IntegerSetting &setting)
{
    return readNumber(setting.name, setting.defaultValue);
}

SettingRead<std::string> Settings::readText(const TextSetting &setting)
{
    return readString(m_editionKey, setting.name, setting.defaultValue);
}

SettingRead<std::string> Settings::readSharedText(std::string_view name,
                                                  std::string_view defaultValue)
{
    return readString(kSharedRegistryKey, name, defaultValue);
}

SettingWrite Settings::writeFlag(const FlagSetting &setting, bool value)
{
    return putNumber(setting.name, value ? 1 : 0);
}

SettingWrite Settings::writeInteger(const IntegerSetting &setting, std::int32_t value)
{
    return putNumber(setting.name, value);
}

SettingWrite Settings::writeText(const TextSetting &setting, std::string_view value)
{
    return putString(m_editionKey, setting.name, value);
}

SettingRead<std::int32_t> Settings::readNumber(std::string_view name, std::int32_t defaultValue)
{
    const StoredValue stored = m_store.get(m_editionKey, name);
    switch (stored.kind) {
    case StoredKind::Integer:
    case StoredKind::UntypedInteger:
        return {true, stored.integer, {}};
    case StoredKind::Missing: {
        const SettingWrite written = putNumber(name, defaultValue);
        return {written.ok, defaultValue, written.error};
    }
    case StoredKind::Unreadable:
        return {false, defaultValue, UnreadableMessage(m_editionKey, name)};
    case StoredKind::Text:
    case StoredKind::Other:
        break;
    }
    return {false, defaultValue, Problem(m_editionKey, name, "が整数ではありません")};
}

SettingRead<std::string>
Settings::readString(std::string_view key, std::string_view name, std::string_view defaultValue)
{
    StoredValue stored = m_store.get(key, name);
    switch (stored.kind) {
    case StoredKind::Text:
    case StoredKind::UntypedInteger:
        return {true, std::move(stored.text), {}};
    case StoredKind::Missing: {
        const SettingWrite written = putString(key, name, defaultValue);
        return {written.ok, std::string(defaultValue), written.error};
    }
    case StoredKind::Unreadable:
        return {false, std::string(defaultValue), UnreadableMessage(key, name)};
    case StoredKind::Integer:
    case StoredKind::Other:
        break;
    }
    return {false, std::string(defaultValue), Problem(key, name, "が文字列ではありません")};
}

SettingWrite Settings::putNumber(std::string_view name, std::int32_t value)
{
    if (m_store.setInteger(m_editionKey, name, value))
        return {true, {}};
    return {false, WriteFailedMessage(m_editionKey, name)};
}

SettingWrite
Settings::putString(std::string_view key, std::string_view name, std::string_view value)
{
    if (m_store.setText(key, name, value))
        return {true, {}};
    return {false, WriteFailedMessage(key, name)};
}

} // namespace zelkon
