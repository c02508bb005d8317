#!/usr/bin/env bash
# Prints the coefficients of FrameCorrection in services/sun_series.cpp, in
# two parts, from the whole VSOP87 series of the Earth in the MIT-licensed npm
# package astronomia 4.2.0:
#  - precession: VSOP87B's heliocentric longitude (ecliptic and equinox of
#    J2000) carried to the ecliptic and equinox of date by the long-term
#    precession of Vondrak, Capitaine & Wallace (2011) (ERFA's eraLtecm),
#    minus VSOP87D's, every century from -3000 to 3000, fitted by least
#    squares as T (c1 + T (c2 + T (c3 + T c4))) arcseconds, T in Julian
#    centuries from J2000;
#  - frame and mean motion: the longitude of ERFA's eraEpv00 (a fit to the
#    JPL ephemeris DE405, ICRS axes turned to the ecliptic of J2000) minus
#    VSOP87B's (a fit to DE200), every 1.3 days from 1600 to 2100 (where
#    eraEpv00 agrees with Swiss Ephemeris within 0.1"), fitted as
#    a0 + a1 T.
# Run by hand, with node, npm, g++ and liberfa-dev.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm install --silent --no-audit --no-fund astronomia@4.2.0 >/dev/null)
cat > "$work/dump.cjs" <<'JS'
for (const v of ['B', 'D']) {
  const data = require(__dirname + '/node_modules/astronomia/data/vsop87' + v + 'earth.js');
  const earth = data.default || data;
  const lines = [];
  for (const name of ['L', 'B', 'R'])
    for (const k of Object.keys(earth[name]))
      for (const t of earth[name][k]) lines.push(`${name} ${k} ${t.join(' ')}`);
  require('fs').writeFileSync(__dirname + '/vsop87' + v + '.txt', lines.join('\n') + '\n');
}
JS
node "$work/dump.cjs"
cat > "$work/fit.cpp" <<'CPP'
#include <erfa.h>
#include <erfam.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

struct Term { char name; int power; double a, b, c; };

std::vector<Term> Load(const std::string& file) {
    std::ifstream in(file);
    std::vector<Term> terms;
    std::string name;
    Term t{};
    while (in >> name >> t.power >> t.a >> t.b >> t.c) {
        t.name = name[0];
        terms.push_back(t);
    }
    return terms;
}

double Series(const std::vector<Term>& terms, char name, double tau) {
    double s[6] = {};
    for (const Term& t : terms)
        if (t.name == name) s[t.power] += t.a * std::cos(t.b + t.c * tau);
    double v = 0.0;
    for (int k = 5; k >= 0; --k) v = v * tau + s[k];
    return v;
}

int main(int, char** argv) {
    const std::string dir = argv[1];
    const auto b = Load(dir + "/vsop87B.txt"), d = Load(dir + "/vsop87D.txt");
    double ecliptic2000[3][3];
    eraEcm06(ERFA_DJ00, 0.0, ecliptic2000);
    constexpr int kCoefficients = 4;
    double normal[kCoefficients][kCoefficients + 1] = {};
    std::vector<double> Ts, diffs;
    for (int century = -50; century <= 10; ++century) {
        const double T = century, tau = T / 10.0, jd = ERFA_DJ00 + T * 36525.0;
        const double L = Series(b, 'L', tau), B = Series(b, 'B', tau), R = Series(b, 'R', tau);
        double p[3] = {R * std::cos(B) * std::cos(L), R * std::cos(B) * std::sin(L), R * std::sin(B)}, icrs[3], ofDate[3];
        eraTrxp(ecliptic2000, p, icrs);
        double m[3][3];
        eraLtecm(2000.0 + T * 100.0, m);
        eraRxp(m, icrs, ofDate);
        double diff = std::atan2(ofDate[1], ofDate[0]) - Series(d, 'L', tau);
        diff = (diff - 2 * ERFA_DPI * std::floor((diff + ERFA_DPI) / (2 * ERFA_DPI))) * ERFA_DR2AS;
        Ts.push_back(T);
        diffs.push_back(diff);
        double phi[kCoefficients];
        for (int j = 0; j < kCoefficients; ++j) phi[j] = std::pow(T, j + 1);
        for (int r = 0; r < kCoefficients; ++r) {
            for (int c = 0; c < kCoefficients; ++c) normal[r][c] += phi[r] * phi[c];
            normal[r][kCoefficients] += phi[r] * diff;
        }
    }
    for (int r = 0; r < kCoefficients; ++r)
        for (int r2 = 0; r2 < kCoefficients; ++r2)
            if (r2 != r) {
                const double f = normal[r2][r] / normal[r][r];
                for (int c = 0; c <= kCoefficients; ++c) normal[r2][c] -= f * normal[r][c];
            }
    double coefficient[kCoefficients], worst = 0.0;
    for (int r = 0; r < kCoefficients; ++r) coefficient[r] = normal[r][kCoefficients] / normal[r][r];
    for (size_t i = 0; i < Ts.size(); ++i) {
        double v = 0.0;
        for (int j = kCoefficients - 1; j >= 0; --j) v = (v + coefficient[j]) * Ts[i];
        worst = std::fmax(worst, std::fabs(v - diffs[i]));
    }
    for (int j = 0; j < kCoefficients; ++j) std::printf("c%d = %.6e\n", j + 1, coefficient[j]);
    std::printf("largest residual %.3f\"\n", worst);

    // a0 + a1 T by least squares.
    double n = 0, st = 0, stt = 0, sd = 0, std_ = 0;
    for (double jd = 2305447.5; jd <= 2488070.5; jd += 1.3) {
        const double T = (jd - ERFA_DJ00) / 36525.0, tau = T / 10.0;
        double pvh[2][3], pvb[2][3], ecl[3];
        eraEpv00(jd, 0.0, pvh, pvb);
        eraRxp(ecliptic2000, pvh[0], ecl);
        double diff = std::atan2(ecl[1], ecl[0]) - Series(b, 'L', tau);
        diff = (diff - 2 * ERFA_DPI * std::floor((diff + ERFA_DPI) / (2 * ERFA_DPI))) * ERFA_DR2AS;
        n += 1;
        st += T;
        stt += T * T;
        sd += diff;
        std_ += T * diff;
    }
    const double a1 = (n * std_ - st * sd) / (n * stt - st * st), a0 = (sd - a1 * st) / n;
    std::printf("a0 = %.6f\na1 = %.6f\n", a0, a1);
}
CPP
g++ -O2 -o "$work/fit" "$work/fit.cpp" -lerfa
"$work/fit" "$work"
