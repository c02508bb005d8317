#include "engine/sol_eq.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <memory>

#include "dates/day_numbers.h"
#include "services/calendar_conversion.h"
#include "services/memo_cache.h"
#include "engine/quenta_module.h"
#include "services/delta_t.h"
#include "services/moment_solvers.h"

namespace orbel {
namespace {

constexpr double DegreesToRadians = 6.28318530717959 / 360.0;

// Mean quarter point JDE0 (TDT), J. Meeus, Astronomical Algorithms, 2nd ed.,
// tables 27.A (before year 1000) and 27.B; coefficients of Y^0..Y^4.
constexpr double MeanBefore1000[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
constexpr double MeanFrom1000[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

struct TermKey {
    int32_t sui = 0;
    int16_t method = 0;
    int32_t arcMinutes = 0;  // the reference meridian
    bool operator==(const TermKey&) const = default;
};

struct TermKeyHash {
    // Consecutive suis at one longitude and method take consecutive slots.
    std::size_t operator()(const TermKey& k) const {
        return static_cast<std::size_t>(static_cast<uint32_t>(k.sui) * 4u + static_cast<uint32_t>(k.method) * 2u +
                                        static_cast<uint32_t>(k.arcMinutes) * 97u);
    }
};

using TermCache = MemoCache<TermKey, std::shared_ptr<const SolarTerms>, TermKeyHash>;

TermCache& SolarTermCache() {
    static TermCache cache(1024);
    return cache;
}

// CJDC of the December solstice of `year` and so on (DS(y), ME(y), ... in the
// formulas below).
double DS(int32_t year, double longitude) { return ToReferenceCJD(DecemberSolstice(year), longitude); }
double ME(int32_t year, double longitude) { return ToReferenceCJD(MarchEquinox(year), longitude); }
double JS(int32_t year, double longitude) { return ToReferenceCJD(JuneSolstice(year), longitude); }
double SE(int32_t year, double longitude) { return ToReferenceCJD(SeptemberEquinox(year), longitude); }

void MeanSunTerms(int32_t y, double longitude, SolarTerms& st) {
    double* q = st.QuarterPoints;
    for (int i = 0; i < 5; ++i) q[i] = DS(y - 2 + i, longitude);
    // Each solar year, solstice to solstice, divided into 24 equal parts.
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 24 && 24 * i + j <= 78; ++j) st.TermMoments[24 * i + j] = q[i] + (q[i + 1] - q[i]) * j / 24.0;
}

void TrueSunTerms(int32_t y, double longitude, SolarTerms& st) {
    double* q = st.QuarterPoints;
    q[0] = DS(y - 2, longitude);
    for (int k = 0; k < 3; ++k) {
        const int32_t year = y - 1 + k;
        q[1 + 4 * k] = ME(year, longitude);
        q[2 + 4 * k] = JS(year, longitude);
        q[3 + 4 * k] = SE(year, longitude);
        q[4 + 4 * k] = DS(year, longitude);
    }
    q[13] = ME(y + 2, longitude);
    // The service wants TDT bounds; delta T of year y serves them all, as the
    // bounds only pick which multiple of 15 degrees comes first.
    const double dt = DeltaTMinutes(y) / 60.0 / 24.0;
    for (int i = 0; i <= 12; ++i) {
        const double a = FromReferenceCJD(q[i], longitude) + dt;
        const double b = FromReferenceCJD(q[i + 1], longitude) + dt;
        double six[6];
        solar_terms_true_sun(a, b, six);
        // Each term returns to GMT with the delta T of its own moment, as the
        // dark moons do. With delta T of year y instead, the same term came
        // out up to a minute apart in the data of neighbouring suis (delta T
        // changes by ~30 s a year in the far past), so a term near midnight
        // fell on different days and the suis disagreed about a leap month.
        for (int j = 0; j < 6; ++j)
            st.TermMoments[6 * i + j] = ToReferenceCJD(TtToGmt(six[j]), longitude);
    }
    st.TermMoments[78] = q[13];
}

SolarTerms Compute(int32_t y, int16_t method, double longitude) {
    SolarTerms st{};
    if (method == MeanSunMethod)
        MeanSunTerms(y, longitude, st);
    else
        TrueSunTerms(y, longitude, st);
    for (int i = 0; i < 79; ++i) st.TermDays[i] = static_cast<int32_t>(std::floor(st.TermMoments[i]));
    return st;
}

}  // namespace

double EquinoxSolsticeTDT(int16_t kind, int32_t year) {
    const int k = kind & 3;
    const double(&c)[5] = year < 1000 ? MeanBefore1000[k] : MeanFrom1000[k];
    const double y = year < 1000 ? year / 1000.0 : (year - 2000) / 1000.0;
    const double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = (35999.373 * t - 2.47) * DegreesToRadians;
    const double dLambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double s = 0.0;
    for (const EquinoxTerm& term : EquinoxTerms)
        s += term.A * std::cos(term.B * DegreesToRadians + term.C * DegreesToRadians * t);
    return jde0 + 0.00001 * s / dLambda;
}

double EquinoxSolsticeGMT(int16_t kind, int32_t year) {
    return TtToGmt(EquinoxSolsticeTDT(kind, year));
}

double MarchEquinox(int32_t year) { return EquinoxSolsticeGMT(MarchEquinoxKind, year); }
double JuneSolstice(int32_t year) { return EquinoxSolsticeGMT(JuneSolsticeKind, year); }
double SeptemberEquinox(int32_t year) { return EquinoxSolsticeGMT(SeptemberEquinoxKind, year); }
double DecemberSolstice(int32_t year) { return EquinoxSolsticeGMT(DecemberSolsticeKind, year); }

int32_t SuiOfDay(double cjdc, const CalendarSettings& settings) {
    if (!FitsDayArithmetic(cjdc)) return NoSui;
    const auto d = static_cast<int32_t>(std::floor(cjdc));
    const int32_t y = GregorianYearOfDay(d);
    // Day after day of one year ask for the same solstice: keep the last one
    // (per thread, so no lock), a pure value of (year, longitude).
    struct LastSolstice {
        int32_t year = INT32_MIN;
        int32_t arcMinutes = 0;
        double day = 0.0;
    };
    thread_local LastSolstice last;
    const int32_t arcMinutes = ReferenceMeridianArcMinutes(settings);
    if (last.year != y || last.arcMinutes != arcMinutes)
        last = {y, arcMinutes, std::floor(DS(y, ReferenceMeridian(settings)))};
    return d < last.day ? y : y + 1;
}

SolarTerms ComputeSolarTerms(double cjdc, int16_t method, const CalendarSettings& settings) {
    const double longitude = ReferenceMeridian(settings);
    const int16_t m = method == MeanSunMethod ? MeanSunMethod : TrueSunMethod;
    const int32_t y = SuiOfDay(cjdc, settings);
    if (y == NoSui) {
        SolarTerms none;
        std::fill(std::begin(none.QuarterPoints), std::end(none.QuarterPoints), std::nan(""));
        std::fill(std::begin(none.TermMoments), std::end(none.TermMoments), std::nan(""));
        std::fill(std::begin(none.TermDays), std::end(none.TermDays), NoTermDay);
        return none;
    }
    const auto terms = SolarTermCache().GetOrCompute(
        TermKey{y, m, ReferenceMeridianArcMinutes(settings)}, [&] { return std::make_shared<const SolarTerms>(Compute(y, m, longitude)); });
    return *terms;
}

void ClearSolarTermCache() { SolarTermCache().Clear(); }

}  // namespace orbel
