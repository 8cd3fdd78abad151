// The shell's pictures, compiled in as resources.
#include "shell/glyphs.h"

#include <QString>

// The resources live in a static library, so they are registered explicitly; the macro must
// be used outside any namespace.
static void InitShellResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    (void)done;
}

namespace zelkon {

QIcon Glyph(const char *name)
{
    InitShellResources();
    return QIcon(QStringLiteral(":/shell/images/%1.png").arg(QLatin1String(name)));
}

} // namespace zelkon
