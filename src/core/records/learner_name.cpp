// Learner names end up in file names, so path syntax and control characters are kept out.
#include "records/learner_name.h"

#include "common/cp932.h"
#include "common/sjis_text.h"

namespace zelkon {

std::string LearnerNameProblem(std::string_view name)
{
    if (TrimAnswer(name).empty())
        return Utf8ToCp932("氏名を入力してください");
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t n = CharLengthAt(name, i);
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (n == 1 && (c < 0x20 || c == 0x7F))
            return Utf8ToCp932("氏名に制御文字は使えません");
        if (n == 1 && (c == '\\' || c == '/'))
            return Utf8ToCp932("氏名に \\ や / は使えません");
        i += n;
    }
    if (name.find("..") != std::string_view::npos)
        return Utf8ToCp932("氏名に .. は使えません");
    return {};
}

std::string RefusedNameFileMessage()
{
    return Utf8ToCp932("この氏名では記録ファイルを使えません");
}

} // namespace zelkon
