// The part of each layer's seepage figure that lies at or below the bottom of the
// seepage path of one method. Below that bottom the flow no longer loads the soil, so
// the slice weights take the seepage-corrected unit weight only above it.
#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

void BuildSeepageZoneGeometry(int Side, int Method) {
  using namespace wedge;
  const int nl = NumSoilLayers(Side);
  for (int L = 1; L <= nl; ++L) WedgeSeepZoneFlag(Side, L) = 0;
  if (WaterDataType != "E") return;
  if (SeepageGradient(Method) <= 0.0001) return;
  const double Sb = SeepageBottomElev(Method);

  Guarded([&] {
    for (int L = 1; L <= nl - 1; ++L) {
      const int sc = WedgeSubmergedCode(Side, L);
      if (sc == 0) continue;
      const WedgeFigure& layer = WedgeLayerTop(Side, L);
      const WedgeFigure& src = WedgeSubmerged(Side, L);
      WedgeFigure& zone = WedgeSeepZone(Side, L);
      const int n = layer.Count();
      const double lo = MinOf(layer.Y(n), layer.Y(n - 1));
      const double hi = MaxOf(layer.Y(n), layer.Y(n - 1));
      const double B = LayerBottomElev(Side, L);
      const double b = LayerBottomSlope(Side, L);
      if (Sb - lo <= 0) continue;
      if (Sb >= hi) {
        WedgeSeepZoneFlag(Side, L) = 1;
        WalkBottomBelow(src, Sb, B, zone);
      } else if (b < 0) {
        WedgeSeepZoneFlag(Side, L) = 3;
        const int c = src.Count();
        WalkFallingClosed(src, Sb, (Sb - B) / b, sc == 3 ? c - 2 : c - 1, zone);
      } else {
        WedgeSeepZoneFlag(Side, L) = 2;
        WalkRisingBottom(src, Sb, (Sb - B) / b, B, zone);
      }
    }
    // The last layer always has a zone; its seepage figure is open like its top.
    if (WedgeSubmerged(Side, nl).Count() > 0) {
      WedgeSeepZoneFlag(Side, nl) = 1;
      WalkLastLayer(WedgeSubmerged(Side, nl), Sb, WedgeSeepZone(Side, nl));
    }
    for (int L = 1; L <= nl; ++L) {
      if (WedgeSeepZoneFlag(Side, L) != 0) WedgeSeepZone(Side, L).MaxX = WedgeSeepZone(Side, L).LargestX();
    }
  });
}
