#ifndef RLAY_IMAGES_H
#define RLAY_IMAGES_H

// The program's own icons are compiled into the library under ":/images/".
// A static library's resources must be registered explicitly; anything that
// loads an icon calls this first (it is cheap after the first call).
void initImages();

#endif
