// The shell's pictures: button glyphs, the lock, the answer lamps and the program icon.
#pragma once

#include <QIcon>

namespace zelkon {

/// The picture `name` ("open", "lock_closed", "lamp_on", "zelkon", …) of the shell's images.
QIcon Glyph(const char *name);

} // namespace zelkon
