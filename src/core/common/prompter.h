// The modal questions and messages of the program, behind an interface: message boxes in the
// program, a scripted prompter in tests, so every path with a question can be tested.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelkon {

enum class PromptAnswer { Yes, No, Cancel };

/// Texts are CP932; paths are composed CP932 paths.
class Prompter
{
public:
    virtual ~Prompter() = default;

    /// A message with an OK button.
    virtual void message(std::string_view text) = 0;
    /// A question with Yes and No; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    /// A question with Yes, No and Cancel.
    virtual PromptAnswer askYesNoCancel(std::string_view text) = 0;
    /// The file-open dialog: a file chosen in `folder` matching `filter` ("*.prp"); none when
    /// cancelled.
    virtual std::optional<std::string>
    chooseOpenFile(std::string_view title, std::string_view folder, std::string_view filter) = 0;
    /// The file-save dialog, starting in `folder` with `fileName` ("*.prp"); none when cancelled.
    virtual std::optional<std::string>
    chooseSaveFile(std::string_view title, std::string_view folder, std::string_view fileName) = 0;
};

} // namespace zelkon
