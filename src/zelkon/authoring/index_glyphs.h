// The index editor's pictures: the tree's icons by depth and the expand button's glyphs.
#pragma once

#include <QIcon>

namespace zelkon {

/// The tree's icon for a node: 1 a section (folder), 2 a unit (page), 3 the root (book).
QIcon IndexTreeIcon(int icon);

/// The expand button's glyph: arrows apart to open every section, together to close them.
QIcon ExpandGlyph(bool collapse);

} // namespace zelkon
