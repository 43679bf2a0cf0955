#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The seamless fill textures of the picture library. Each one is drawn by a
// recipe from deterministic noise and shapes laid out on a grid that repeats
// exactly at the tile's edges, so the tiles join without a visible seam.
namespace datagen {

// The file names (without extension) of every texture, in catalogue order.
[[nodiscard]] QStringList textureNames();

// The texture `name` as a `size` x `size` RGB image; a null image for an
// unknown name. `size` must be even.
[[nodiscard]] QImage makeTexture(const QString &name, int size);

} // namespace datagen
