#pragma once
// The maker's pictures, drawn at run time: the logo (Image1), a second badge (Image2),
// the sine wave (imgSine) and the program icons.

#include <QIcon>
#include <QPixmap>

namespace vib::shell {

QPixmap LogoPixmap(QSize size);
QPixmap BadgePixmap(QSize size);
QPixmap SinePixmap(QSize size);
// `shock` selects the shock pulse icon instead of the random-noise one.
QIcon ProgramIcon(bool shock);

}  // namespace vib::shell
