// RunHopdeck: the launcher program from its arguments to the end of its event loop.
#pragma once

namespace zelkon::hopdeck {

/// Runs the launcher in the working folder; returns the program's exit code.
int RunHopdeck(int argc, char **argv);

} // namespace zelkon::hopdeck
