// Program-wide state of the wedge method: the plane figures of each wedge side (ground
// polyline, layer polygons and the parts of them under water, under seepage and below
// the bottom of the seepage path), and the forces the wedge searches leave for the
// pressure driver.
//
// Coordinates of every figure: X is the horizontal distance (ft) from the wall into the
// soil of the side (0 at the wall on both sides), Y the elevation (ft). Closed figures
// run outward along their upper edge and back along their lower edge to the wall; the
// area sums of the wedge weight depend on that turning sense.
#pragma once

#include <vector>

#include "pressures/pressure_data.h"

// A figure of points 1 .. Count(). It grows as points are appended, so a long uneven
// surface with many water crossings never runs out of room. Reading a point that was
// never stored is a fault of the caller (WedgeFigureOverrun).
class WedgeFigure {
 public:
  int Count() const { return count_; }
  double X(int point) const;
  double Y(int point) const;
  // Stores point j (1 <= j <= Count() + 1) without changing the count.
  void Put(int point, double x, double y);
  void Append(double x, double y) { Put(count_ + 1, x, y), ++count_; }
  // Uses points 1 .. n; n may not exceed the points stored.
  void SetCount(int n);
  void Clear() { count_ = 0; }
  // Largest of 0 and the X of points 2 .. Count().
  double LargestX() const;

  // The largest distance of the figure, as the readers use it (set by the builders).
  double MaxX = 0;

 private:
  std::vector<double> x_, y_;  // index 0 is point 1
  int count_ = 0;
};

// Thrown by WedgeFigure when a point past the figure's last one is read; the wedge
// procedures turn it into a calculation error.
struct WedgeFigureOverrun {};

// ---- figures per side (1 right, 2 left) ----
inline platform::Array<WedgeFigure, 2> WedgeSurface;            // ground surface, to a far point
inline platform::Array<WedgeFigure, 2, 11> WedgeLayerTop;       // layer polygons (last layer: its top)
// 0 no water figure; 1 layer bottom wholly at or below the water; 2 water cuts a bottom
// rising away from the wall; 3 water cuts a bottom falling away from the wall.
inline platform::Array<int, 2, 11> WedgeWaterLineCode;
inline platform::Array<WedgeFigure, 2, 11> WedgeWaterLine;
// The same codes for the part of the water-line figure where seepage acts.
inline platform::Array<int, 2, 11> WedgeSubmergedCode;
inline platform::Array<WedgeFigure, 2, 11> WedgeSubmerged;
// The part of the submerged figure at or below the bottom of the seepage path of the
// method last built; 0 no zone, otherwise as the codes above.
inline platform::Array<int, 2, 11> WedgeSeepZoneFlag;
inline platform::Array<WedgeFigure, 2, 11> WedgeSeepZone;

// The Parts' names for the counts and points of the figures.
inline int NumWedgeSurfacePoints(int side) { return WedgeSurface(side).Count(); }
inline double WedgeSurfaceX(int side, int p) { return WedgeSurface(side).X(p); }
inline double WedgeSurfaceY(int side, int p) { return WedgeSurface(side).Y(p); }
inline int NumWedgeLayerTopPoints(int side, int layer) { return WedgeLayerTop(side, layer).Count(); }
inline double WedgeLayerTopX(int side, int layer, int p) { return WedgeLayerTop(side, layer).X(p); }
inline double WedgeLayerTopY(int side, int layer, int p) { return WedgeLayerTop(side, layer).Y(p); }

// ---- forces of the wedge searches, lb per ft of wall, horizontal ----
// (point, side): force of the soil above a wedge tip at GridElev(point).
inline platform::Array<double, 301, 2> WedgeActiveForce;
inline platform::Array<double, 301, 2> WedgePassiveForce;
// Fixed surface: (q, 1) active and (q, 2) passive force for a tip halfway between grid
// points q and q + 1.
inline platform::Array<double, 301, 2> WedgeMidpointForce;
