// TfrmReadUnit, the unit holder: the program's unit record loaded with a worksheet's unit, the
// questions of a unit chosen in the unit selection window appended to it, and the worksheet
// taking the result. Made once at start-up and never shown.
#pragma once

#include <QObject>

namespace zelkon {

struct Program;
class SheetWindow;
class TfrmMenu;

class TfrmReadUnit : public QObject
{
    Q_OBJECT

public:
    /// `program` and `menu` must outlive the holder.
    TfrmReadUnit(Program &program, TfrmMenu &menu, QObject *parent);

    /// The add command on `sheet`: FillHolderFromSheet, AddChosenUnit and, only when a unit was
    /// read, CommitHolder and the sheet's take of the holder. True when the sheet took a unit.
    bool addUnit(SheetWindow &sheet);

    /// `FillHolderFromSheet`: the holder takes the sheet's titles, graph lists and question lines.
    void FillHolderFromSheet(SheetWindow &sheet);
    /// `AddChosenUnit`: refuses a holder with 15 graphs before anything is shown, lets the user
    /// choose a unit in the unit selection window's Add mode and reads it into the holder. True
    /// when the selection ended with OK and the unit was read; every refusal is shown.
    bool AddChosenUnit(SheetWindow &sheet);
    /// `CommitHolder`: the sheet no longer counts as opened from its master file and its window
    /// takes the holder's combined title as caption; its key in the open sheets stays.
    void CommitHolder(SheetWindow &sheet);

private:
    Program &m_program;
    TfrmMenu &m_menu;
};

} // namespace zelkon
