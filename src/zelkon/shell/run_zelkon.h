// The whole run of a zelkon edition, shared by the three edition programs.
#pragma once

#include "settings/edition_constants.h"

namespace zelkon {

/// Runs the program for `edition` in the current directory, the program folder. Options:
/// "--exit-after-startup" ends once start-up is done; "--screenshot FILE" saves a picture of
/// the main window after start-up (as PNG) and ends; "--open-unit L,S,U[,V]" opens that unit
/// through the unit selection window after start-up (before the picture). Returns 0, or 1 when
/// start-up ended the program (no main index), 2 when the picture could not be saved, 3 when
/// the unit to open was malformed or did not open.
int RunZelkon(Edition edition, int argc, char **argv);

} // namespace zelkon
