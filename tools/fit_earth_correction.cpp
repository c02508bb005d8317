// Fits the correction that carries eraEpv00's Earth back to -3000.
//
// eraEpv00 is a fit to VSOP2000 over 1900-2100; three thousand years back its
// heliocentric longitude of the Earth is off by over a minute of arc, mostly
// as a slow change of the orbit's mean longitude and eccentricity vector.
// The mean elements of Simon et al. (1994), behind eraPlan94, are built for
// long spans but lack the shorter planetary perturbations. This program fits,
// by least squares over -3000 to 1500, the difference in ecliptic (J2000)
// longitude between the two, plan94 minus epv00, as
//     sum over h in {1, sin L, cos L, sin 2L, cos 2L} and k in {2, 3, 4}
//     of c(h, k) h u^k,   u = T + 5,
// where L is epv00's heliocentric longitude and T Julian centuries from J2000,
// so that the correction and its slope vanish at 1500. The planetary terms of
// epv00 stay; its mean orbit is replaced by that of plan94.
//
// Build and run (prints the coefficients used in services/astronomy.cpp):
//   g++ -O2 tools/fit_earth_correction.cpp -lerfa -lm && ./a.out
#include <erfa.h>

#include <cmath>
#include <cstdio>

namespace {
constexpr int kHarmonics = 5, kPowers = 3, kUnknowns = kHarmonics * kPowers;

void Basis(double T, double L, double* f) {
    const double u = T + 5.0;
    const double powers[kPowers] = {u * u, u * u * u, u * u * u * u};
    const double harmonics[kHarmonics] = {1.0, std::sin(L), std::cos(L), std::sin(2 * L), std::cos(2 * L)};
    for (int i = 0; i < kHarmonics; ++i)
        for (int j = 0; j < kPowers; ++j) f[i * kPowers + j] = harmonics[i] * powers[j];
}

double Longitude(double rm[3][3], double p[3]) {
    double q[3];
    eraRxp(rm, p, q);
    return std::atan2(q[1], q[0]);
}
}  // namespace

int main() {
    double rm[3][3];
    eraEcm06(2451545.0, 0.0, rm);  // ICRS to the ecliptic of J2000
    static double a[kUnknowns][kUnknowns], b[kUnknowns];
    for (double jd = 2451545.0 - 50 * 36525.0; jd < 2451545.0 - 5 * 36525.0; jd += 3.13) {
        double pvh[2][3], pvb[2][3], emb[2][3], moon[2][3], earth[3];
        eraEpv00(jd, 0.0, pvh, pvb);
        eraPlan94(jd, 0.0, 3, emb);
        eraMoon98(jd, 0.0, moon);
        for (int i = 0; i < 3; ++i) earth[i] = emb[0][i] - moon[0][i] / (1.0 + 81.30056);
        const double L = Longitude(rm, pvh[0]);
        const double d = std::remainder(Longitude(rm, earth) - L, 2 * M_PI) * 206264.806;  // arcsec
        double f[kUnknowns];
        Basis((jd - 2451545.0) / 36525.0, L, f);
        for (int i = 0; i < kUnknowns; ++i) {
            b[i] += f[i] * d;
            for (int j = 0; j < kUnknowns; ++j) a[i][j] += f[i] * f[j];
        }
    }
    for (int i = 0; i < kUnknowns; ++i)
        for (int j = i + 1; j < kUnknowns; ++j) {
            const double r = a[j][i] / a[i][i];
            for (int k = i; k < kUnknowns; ++k) a[j][k] -= r * a[i][k];
            b[j] -= r * b[i];
        }
    double c[kUnknowns];
    for (int i = kUnknowns - 1; i >= 0; --i) {
        double s = b[i];
        for (int k = i + 1; k < kUnknowns; ++k) s -= a[i][k] * c[k];
        c[i] = s / a[i][i];
    }
    for (int i = 0; i < kUnknowns; ++i) std::printf("%.12g%s", c[i], i % kPowers == kPowers - 1 ? ",\n" : ", ");
    return 0;
}
