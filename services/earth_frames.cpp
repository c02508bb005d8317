#include "services/earth_frames.h"

#include <erfa.h>

#include "services/delta_t.h"

namespace orbel {

double NutationInLongitude(double jdTT) {
    double dpsi, deps;
    eraNut00b(jdTT, 0.0, &dpsi, &deps);
    return dpsi;
}

double SunApparentLongitudeTT(double jdTT) {
    return Wrap2Pi(SunLongitudeMeanOfDate(jdTT) + NutationInLongitude(jdTT));
}

double sun_app(double ajdGmt, double* out) {
    const double lon = SunApparentLongitudeTT(GmtToTT(ajdGmt));
    if (out) *out = lon;
    return lon;
}

}  // namespace orbel
