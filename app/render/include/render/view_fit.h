// Fitting a rectangle of the drawing into a picture as the program's view
// does: centred, with a 20 % margin, the scale taken from the tighter axis.
#pragma once

namespace kw {

struct ViewRect {
  double left = 0, top = 0;      // mm, top-left corner of the view
  double width = 1, height = -1;  // mm; height negative as Y grows upwards
};

// x1 >= x2 and y1 >= y2; aspect = view width / view height. A rectangle
// without extent is widened to 1 mm so the scale stays finite.
ViewRect ZoomToRect(double x1, double y1, double x2, double y2, double aspect);

}  // namespace kw
