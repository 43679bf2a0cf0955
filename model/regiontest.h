#pragma once

#include "geokit/geokit.h"

#include <vector>

// Whether any pixel of a rectangle lies in an area, the way a region test
// answers it: a pixel belongs to an area when its centre lies inside.
// Rectangles have exclusive right and bottom edges and are normalised.
namespace model::region {

[[nodiscard]] bool rectTouchesEllipse(const geokit::Rect &test, const geokit::Rect &bounds);
// A rounded rectangle whose corners are quarter ellipses cornerW x cornerH.
[[nodiscard]] bool rectTouchesRoundRect(const geokit::Rect &test, const geokit::Rect &bounds,
                                        int cornerW, int cornerH);
// A polygon filled with the alternate (even-odd) rule.
[[nodiscard]] bool rectTouchesPolygon(const geokit::Rect &test,
                                      const std::vector<geokit::PointF> &polygon);

} // namespace model::region
