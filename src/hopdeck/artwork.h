// The launcher's pictures, drawn in code: the large picture, the small one and its icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zelkon::hopdeck {

/// The large picture behind the title buttons: islands in a bay under a morning sky, with
/// Mount Fuji far off; drawn at `size`.
QPixmap LargePicture(const QSize &size);

/// The small picture of the side panel: a globe on its stand; drawn at `size`.
QPixmap SmallPicture(const QSize &size);

/// The launcher's own icon: a deck of three title cards with a start mark.
QIcon LauncherIcon();

} // namespace zelkon::hopdeck
