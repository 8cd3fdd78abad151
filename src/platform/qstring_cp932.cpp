// QString to and from CP932 through the core's UTF-8 conversion.
#include "platform/qstring_cp932.h"

namespace zelkon {

QString ToQString(std::string_view cp932)
{
    const std::string utf8 = Cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Cp932Conversion ToCp932(const QString &text)
{
    // toUtf8() writes "?" for a lone surrogate; U+FFFD instead is refused by the conversion and
    // named in the message.
    QString whole = text;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (whole[i].isHighSurrogate() && i + 1 < whole.size() && whole[i + 1].isLowSurrogate())
            ++i;
        else if (whole[i].isSurrogate())
            whole[i] = QChar::ReplacementCharacter;
    }
    const QByteArray utf8 = whole.toUtf8();
    return ConvertUtf8ToCp932(std::string_view(utf8.constData(), utf8.size()));
}

QString RefusedCharacterMessage(const Cp932Conversion &failed)
{
    return QString::fromStdString(RefusedCharacterMessageUtf8(failed.badCharacter));
}

} // namespace zelkon
