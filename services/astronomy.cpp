#include "services/astronomy.h"

#include <erfa.h>
#include <erfam.h>

#include "services/calendar_conversion.h"

#include <cmath>
#include <mutex>
#include <unordered_map>

namespace orbel {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kDegree = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;
// Light time for one astronomical unit, in days.
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// Wraps an angle into [-pi, pi).
double WrapPi(double a) { return a - kTwoPi * std::floor((a + kPi) / kTwoPi); }
double Wrap2Pi(double a) { return a - kTwoPi * std::floor(a / kTwoPi); }

// A direction and its rate of change, both in the ICRS axes.
struct Motion {
    double p[3];  // position, au
    double v[3];  // velocity, au/day
};

// Rotation from the ICRS to the mean ecliptic and equinox of date, using the
// long-term precession model of Vondrak, Capitaine & Wallace (2011), which
// stays valid over the whole range of the program (+-3000 years and beyond)
// where the IAU 2006 polynomials drift.
struct EclipticOfDate {
    double rm[3][3];
    explicit EclipticOfDate(double jdTT) { eraLtecm(2000.0 + (jdTT - kJ2000) / 365.25, rm); }

    // Ecliptic longitude of the date (radians) and its rate (radians/day).
    void Longitude(const Motion& m, double& lon, double& rate) const {
        double q[3], w[3];
        eraRxp(const_cast<double(*)[3]>(rm), const_cast<double*>(m.p), q);
        eraRxp(const_cast<double(*)[3]>(rm), const_cast<double*>(m.v), w);
        lon = std::atan2(q[1], q[0]);
        rate = (q[0] * w[1] - q[1] * w[0]) / (q[0] * q[0] + q[1] * q[1]);
    }
};

// Earth/Moon mass ratio (IAU 2009 system of constants).
constexpr double kEarthMoonMassRatio = 81.30056;

// Heliocentric position (au) and velocity (au/day) of the Earth, ICRS axes.
//
// eraEpv00 (a fit to VSOP2000 over 1900-2100) is the most accurate source
// near the present but drifts by tens of arcseconds three thousand years
// back. Simon et al. (1994) mean elements with periodic terms (eraPlan94, for
// the Earth-Moon barycentre) stay within about 15 arcseconds over the whole
// range; the Earth is the barycentre less the Moon's share. Compared with
// Swiss Ephemeris, eraEpv00 is the better of the two from about 750 BC on, so
// they are blended linearly over -1250 to -500 (astronomical years) so that no
// moment sees a jump.
void EarthHeliocentric(double jdTT, double p[3], double v[3]) {
    constexpr double kBlendStart = 1264495.5;  // -1250-01-01 (Julian)
    constexpr double kBlendEnd = 1538432.5;    // -500-01-01 (Julian)
    double pvh[2][3], pvb[2][3];
    double wModern = 1.0;
    if (jdTT < kBlendEnd) wModern = jdTT <= kBlendStart ? 0.0 : (jdTT - kBlendStart) / (kBlendEnd - kBlendStart);
    if (wModern > 0.0) eraEpv00(jdTT, 0.0, pvh, pvb);
    if (wModern < 1.0) {
        double emb[2][3], moon[2][3];
        eraPlan94(jdTT, 0.0, 3, emb);  // status 1 (outside 1000 BC - 3000 AD) only warns
        eraMoon98(jdTT, 0.0, moon);
        for (int i = 0; i < 3; ++i) {
            const double ep = emb[0][i] - moon[0][i] / (1.0 + kEarthMoonMassRatio);
            const double ev = emb[1][i] - moon[1][i] / (1.0 + kEarthMoonMassRatio);
            pvh[0][i] = wModern > 0.0 ? wModern * pvh[0][i] + (1.0 - wModern) * ep : ep;
            pvh[1][i] = wModern > 0.0 ? wModern * pvh[1][i] + (1.0 - wModern) * ev : ev;
        }
    }
    for (int i = 0; i < 3; ++i) {
        p[i] = pvh[0][i];
        v[i] = pvh[1][i];
    }
}

// Apparent geocentric direction of the Sun at a TDT moment, in the ICRS axes:
// the Earth's heliocentric position reversed, then annual aberration from the
// Earth's velocity. The Sun's own barycentric motion (during the 8.3 minutes
// of light time, and in the aberration) changes the result by about 0.01
// arcsecond and is left out.
Motion SunApparent(double jdTT) {
    double earthP[3], earthV[3];
    EarthHeliocentric(jdTT, earthP, earthV);
    Motion m{};
    double pn[3], v[3], r;
    double geo[3] = {-earthP[0], -earthP[1], -earthP[2]};
    eraPn(geo, &r, pn);
    for (int i = 0; i < 3; ++i) v[i] = earthV[i] * kLightDaysPerAu;  // in units of c
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    eraAb(pn, v, r, std::sqrt(1.0 - v2), m.p);
    for (int i = 0; i < 3; ++i) m.v[i] = -earthV[i] / r;  // rate of the unit direction, to first order
    return m;
}

// A cheaper Sun for the first iterations of the solvers: the Earth-Moon
// barycentre of eraPlan94 stands for the Earth (good to about 10 arcseconds
// here), with the same aberration. The solvers finish with the full Sun.
Motion SunApparentCoarse(double jdTT) {
    double emb[2][3];
    eraPlan94(jdTT, 0.0, 3, emb);
    Motion m{};
    double pn[3], v[3], r;
    double geo[3] = {-emb[0][0], -emb[0][1], -emb[0][2]};
    eraPn(geo, &r, pn);
    for (int i = 0; i < 3; ++i) v[i] = emb[1][i] * kLightDaysPerAu;
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    eraAb(pn, v, r, std::sqrt(1.0 - v2), m.p);
    for (int i = 0; i < 3; ++i) m.v[i] = -emb[1][i] / r;
    return m;
}

// Apparent geocentric position of the Moon at a TDT moment, in the ICRS axes:
// eraMoon98 (the ELP-2000/82 series as simplified by Meeus) taken at the time
// the light left it. The annual aberration is shared by the Earth and the
// Moon and cancels against the common light-time displacement.
Motion MoonApparent(double jdTT) {
    double pv[2][3];
    eraMoon98(jdTT, 0.0, pv);
    const double tau = eraPm(pv[0]) * kLightDaysPerAu;  // days
    Motion m{};
    for (int i = 0; i < 3; ++i) {
        m.p[i] = pv[0][i] - pv[1][i] * tau;
        m.v[i] = pv[1][i];
    }
    return m;
}

// Nutation in longitude (radians), IAU 2000B.
double NutationInLongitude(double jdTT) {
    double dpsi, deps;
    eraNut00b(jdTT, 0.0, &dpsi, &deps);
    return dpsi;
}

// Moon minus Sun apparent longitude (radians, unwrapped) and its rate, with
// the full or the coarse Sun.
template <Motion (*Sun)(double)>
void Elongation(double jdTT, double& e, double& rate) {
    const EclipticOfDate frame(jdTT);
    double ls, rs, lm, rmn;
    frame.Longitude(Sun(jdTT), ls, rs);
    frame.Longitude(MoonApparent(jdTT), lm, rmn);
    e = lm - ls;  // nutation moves both longitudes alike
    rate = rmn - rs;
}

// Apparent longitude of the Sun (radians) and its rate.
template <Motion (*Sun)(double)>
void SunLongitudeAndRate(double jdTT, double& a, double& rate) {
    const EclipticOfDate frame(jdTT);
    frame.Longitude(Sun(jdTT), a, rate);
    a += NutationInLongitude(jdTT);
}

// Newton's method on f(t) = wrap(angle(t) - target) with the analytic rate;
// the starting guesses are within a day or so, where f is monotonic. The
// coarse model brings t within a few tens of seconds; since Newton's method
// converges quadratically, one or two steps with the full model then leave
// an error far below a millisecond.
template <class Coarse, class Fine>
double SolveForAngle(double t, double target, Coarse coarse, Fine fine) {
    for (int i = 0; i < 30; ++i) {
        double a, rate;
        coarse(t, a, rate);
        const double dt = WrapPi(a - target) / rate;
        t -= dt;
        if (std::fabs(dt) < 1e-4) break;
    }
    for (int i = 0; i < 3; ++i) {
        double a, rate;
        fine(t, a, rate);
        const double dt = WrapPi(a - target) / rate;
        t -= dt;
        // After a step of dt the error is about (f''/2f') dt^2: below 1e-7 day
        // for the Moon and 1e-9 day for the Sun once dt < 1e-3 day.
        if (std::fabs(dt) < 1e-3) break;
    }
    return t;
}

// Phase moments and solar-term moments are pure functions of their integer
// arguments; a bounded memo makes repeated calendar computations cheap.
template <class Key>
class Memo {
public:
    template <class Compute>
    double Get(Key key, Compute compute) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto it = map_.find(key);
            if (it != map_.end()) return it->second;
        }
        const double value = compute();
        std::lock_guard<std::mutex> lock(mutex_);
        if (map_.size() >= kCapacity) map_.clear();
        map_.emplace(key, value);
        return value;
    }

    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        map_.clear();
    }

private:
    static constexpr size_t kCapacity = 1 << 16;
    std::mutex mutex_;
    std::unordered_map<Key, double> map_;
};

Memo<int64_t>& PhaseMemo() {
    static Memo<int64_t> memo;
    return memo;
}
Memo<int64_t>& TermMemo() {
    static Memo<int64_t> memo;
    return memo;
}

double PhaseMomentUncached(int32_t lunation, int32_t phase) {
    // Mean phase (Meeus, Astronomical Algorithms, ch. 49) as the first guess.
    const double k = lunation + phase / 4.0;
    const double T = k / 1236.85;
    const double guess = 2451550.09766 + 29.530588861 * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
    return SolveForAngle(guess, phase * (kPi / 2.0), Elongation<SunApparentCoarse>, Elongation<SunApparent>);
}

// Mean length of one fifteenth-degree step of the Sun, days.
constexpr double kTermDays = 365.2421897 / 24.0;
// Mean moment of the March equinox of 2000 (TDT), from which terms are counted.
constexpr double kEquinox2000 = 2451623.80984;

double SolarTermUncached(int64_t n) {
    const double guess = kEquinox2000 + static_cast<double>(n) * kTermDays;
    const double target = WrapPi(static_cast<double>(n % 24) * 15.0 * kDegree);
    // Nutation changes by well under an arcsecond in a day: the coarse steps
    // take it once, from the first guess.
    const double nutation = NutationInLongitude(guess);
    const auto coarse = [nutation](double t, double& a, double& rate) {
        const EclipticOfDate frame(t);
        frame.Longitude(SunApparentCoarse(t), a, rate);
        a += nutation;
    };
    return SolveForAngle(guess, target, coarse, SunLongitudeAndRate<SunApparent>);
}

// Espenak & Meeus (2006), "Five Millennium Canon of Solar Eclipses", NASA
// TP-2006-214141: polynomial expressions for delta T (seconds), y a decimal year.
double DeltaTSeconds(double y) {
    if (y < -500.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053 + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    if (y < 2150.0) return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
}

// Gregorian year of the civil day (GMT) containing a moment.
int32_t GregorianYearOfMoment(double ajd) {
    EuroDate date;
    date.letter = 'G';
    date.jdn = static_cast<int32_t>(std::floor(ajd + 0.5));
    jdn_to_euro_date(&date);
    return date.year;
}

double GmtToTT(double ajd) {
    return ajd + DeltaTSeconds(GregorianYearOfMoment(ajd) + 0.5) / 86400.0;
}

}  // namespace

double SunApparentLongitudeTT(double jdTT) {
    const EclipticOfDate frame(jdTT);
    double lon, rate;
    frame.Longitude(SunApparent(jdTT), lon, rate);
    return Wrap2Pi(lon + NutationInLongitude(jdTT));
}

double MoonApparentLongitudeTT(double jdTT) {
    const EclipticOfDate frame(jdTT);
    double lon, rate;
    frame.Longitude(MoonApparent(jdTT), lon, rate);
    return Wrap2Pi(lon + NutationInLongitude(jdTT));
}

void ClearAstronomyCaches() {
    PhaseMemo().Clear();
    TermMemo().Clear();
}

double SolarTermMomentTT(int64_t n) {
    return TermMemo().Get(n, [n] { return SolarTermUncached(n); });
}

double quenta(int32_t lunation, int32_t phase, int32_t* /*scratch*/) {
    const int64_t key = static_cast<int64_t>(lunation) * 4 + phase;
    return PhaseMemo().Get(key, [=] { return PhaseMomentUncached(lunation, phase); });
}

double deltat(double year, int32_t model) {
    if (model != 1915) return std::nan("");
    // The middle of the year stands for the whole year.
    return DeltaTSeconds(year + 0.5) / 60.0;
}

double moonpos(double t, double* /*unused1*/, double* /*unused2*/) {
    return MoonApparentLongitudeTT(GmtToTT(t + kJ2000));
}

double solar_terms_true_sun(double start, double /*end*/, double* six) {
    // Which multiple of 15 degrees is nearest the Sun at `start`, and which
    // term that is, counted from the March equinox of 2000.
    // `start` lies close to a multiple of 15 degrees, so the coarse Sun is
    // ample to tell which.
    double lon, rate;
    SunLongitudeAndRate<SunApparentCoarse>(start, lon, rate);
    lon = Wrap2Pi(lon) / kDegree;
    const int64_t m = static_cast<int64_t>(std::llround(lon / 15.0)) % 24;  // 0..23 from the equinox
    const double estimate = (start - kEquinox2000) / kTermDays;
    const int64_t n = m + 24 * static_cast<int64_t>(std::llround((estimate - static_cast<double>(m)) / 24.0));
    for (int j = 0; j < 6; ++j) six[j] = SolarTermMomentTT(n + j);
    return six[0];
}

double sun_app(double ajdGmt, double* out) {
    const double lon = SunApparentLongitudeTT(GmtToTT(ajdGmt));
    if (out) *out = lon;
    return lon;
}

}  // namespace orbel
