// Every window of another subsystem that the main window reaches, in one place: each entry is
// set by the code that builds that window (see Zelkon::wireWindows); until then it holds a
// placeholder that says the function is not available.
#pragma once

#include "master/unit_locator.h"

#include <QImage>

#include <functional>
#include <optional>
#include <string>

namespace zelkon {

class Prompter;
struct RenderContext;
class SheetWindow;

struct MainSeams
{
    // The shell's own windows.
    std::function<void()> showVersion;            ///< version dialog
    std::function<bool()> showSchoolName;         ///< school name dialog; true on OK
    std::function<void()> showTitlePicture;       ///< the title window's picture button
    std::function<void()> showHelpContents;       ///< contents of the help file
    std::function<void(int topic)> showHelpTopic; ///< a topic of the help file

    // Unit selection and the open path.
    /// Start-up: reads the main index into the unit selection window's lesson list; false when
    /// the main index is missing, which ends the program.
    std::function<bool()> readLessonList;
    std::function<bool()> openFromMenu; ///< `openFromMenu`; true when a sheet was opened
    std::function<bool()> openCopyFile; ///< `openCopyFile`; true when a sheet was opened
    /// `openMasterUnit`: 1 opened, 2 already open, 4 missing or unreadable.
    std::function<int(const UnitLocator &locator, bool replace)> openMasterUnit;
    /// The master file editor in its new-unit mode on `currentLocator`; true on OK.
    std::function<bool()> editNewUnit;
    /// The copy file browser: the composed path chosen at OK, none when cancelled.
    std::function<std::optional<std::string>()> browseCopyFile;

    // The worksheet's dialogs.
    std::function<void(SheetWindow &)> saveAsCopyFile; ///< save as a copy file
    /// The print dialog on the sheet, printing `picture` (the sheet's page image, or the
    /// practice window's picture of the learner's answers).
    std::function<void(SheetWindow &, const QImage &picture)> showPrintDialog;
    std::function<void()> showPaperDialog;                      ///< paper and options dialog
    std::function<void(SheetWindow &)> showAnswerFieldSettings; ///< `OpenAnswerFieldSettings`
    /// Copies the sheet's answer width (kran value 1) into the answer-field panel's width box.
    std::function<void(SheetWindow &)> takeAnswerWidth;
    /// The answer-field panel's width value; none while there is no panel.
    std::function<std::optional<int>()> answerFieldWidth;
    /// The print mode dialog.
    std::function<void()> showPrintModeDialog;
    /// Puts the print mode dialog's "№を付ける" and 開始番号, which every render prints in the
    /// stamp, into a render's context.
    std::function<void(RenderContext &)> applyPrintNumbering;
    /// A sheet being activated gives its values to the answer-field panel (margins and kran
    /// values), the print dialog (start number) and the paper dialog (option boxes).
    std::function<void(SheetWindow &)> takeSheetValues;

    // Authoring.
    /// Start-up: the index editor reads the main index and chooses its lesson.
    std::function<void()> readIndexEditor;
    std::function<void()> editIndex; ///< index editor
    /// The master file editor on the sheet's unit; true when it closed with OK.
    std::function<bool(SheetWindow &)> editMasterUnit;
    /// Writes the sheet's layout back into its unit of the master file; true when written.
    std::function<bool(SheetWindow &)> overwriteSave;

    // Copy files and the unit holder.
    /// Adds the questions of another unit to the sheet (unit holder, Add mode).
    std::function<void(SheetWindow &)> addUnit;

    // Practice and learners.
    std::function<void(SheetWindow &)> practise; ///< practice window, modal
    std::function<void()> logOn;                 ///< learner log-on dialog
    /// The record window, modal; true when a record was erased.
    std::function<bool()> showRecordWindow;
};

/// Seams whose every entry is a placeholder: the start-up reads succeed silently (there is no
/// window to fill yet), every command shows "「name」はまだ使えません" with its own name,
/// `answerFieldWidth` gives none and a sheet's values have no panel to go to.
MainSeams PlaceholderSeams(Prompter &prompter);

} // namespace zelkon
