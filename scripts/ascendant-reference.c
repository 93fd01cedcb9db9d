/* Reference ascendants for tests/core/test_ascendant.cpp, by another method
 * than the program's: ERFA's IAU 2006/2000A apparent sidereal time and true
 * obliquity, and the eastern horizon found by bisection on the altitude of
 * the ecliptic point instead of the closed formula.
 *
 *   cc -O2 scripts/ascendant-reference.c -lerfa -lm -o /tmp/asc-ref && /tmp/asc-ref
 *
 * UT is taken for UT1 and TT alike (the program does the same); the
 * difference moves the result by far less than a milliarcsecond. */
#include <erfa.h>
#include <erfam.h>
#include <math.h>
#include <stdio.h>

static double altitude(double lambda, double eps, double last, double phi, double *sinH)
{
    double ra, dec;
    /* ecliptic (λ, 0) of date to equator of date */
    ra = atan2(sin(lambda) * cos(eps), cos(lambda));
    dec = asin(sin(eps) * sin(lambda));
    double H = last - ra;
    *sinH = sin(H);
    return asin(sin(phi) * sin(dec) + cos(phi) * cos(dec) * cos(H));
}

int main(void)
{
    /* Julian day (UT), east longitude, north latitude, all in degrees */
    static const double rows[][3] = {
        {2451545.0, 0.0, 51.4667},          {2451545.25, -74.0, 40.7},        {2415385.5 + 0.3125, 77.2, 28.6},
        {2440587.5 + 0.7, 151.2, -33.87},   {2469807.5 + 0.95, -58.38, -34.6}, {2433282.5 + 0.1, 18.42, -33.92},
        {2445700.5 + 0.55, -122.3, 47.6},   {2460000.5 + 0.02, 30.3, 59.9},    {2437000.5 + 0.4, 139.7, 35.7},
        {2455197.5 + 0.81, -43.2, -22.9},   {2428000.5 + 0.66, 72.8, 19.0},    {2449000.5 + 0.2, -21.9, 64.1},
        {2466000.5 + 0.45, 174.8, -41.3},   {2420000.5 + 0.9, -149.9, 61.2},   {2458849.5 + 0.6, 0.0, 0.0},
    };
    for (unsigned i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        const double jd = rows[i][0], lon = rows[i][1] * ERFA_DD2R, phi = rows[i][2] * ERFA_DD2R;
        double dpsi, deps;
        eraNut06a(jd, 0.0, &dpsi, &deps);
        const double eps = eraObl06(jd, 0.0) + deps;
        const double last = eraAnp(eraGst06a(jd, 0.0, jd, 0.0) + lon);
        /* scan for an altitude that changes sign while the point rises, then bisect */
        double best = -1;
        for (int k = 0; k < 3600 && best < 0; ++k) {
            double a = k * ERFA_DPI / 1800, b = (k + 1) * ERFA_DPI / 1800, sa, sb;
            double ha = altitude(a, eps, last, phi, &sa), hb = altitude(b, eps, last, phi, &sb);
            if ((ha < 0) == (hb < 0) || sa >= 0 || sb >= 0)
                continue;
            for (int n = 0; n < 80; ++n) {
                double m = 0.5 * (a + b), sm, hm = altitude(m, eps, last, phi, &sm);
                if ((hm < 0) == (ha < 0)) { a = m; ha = hm; } else { b = m; }
            }
            best = 0.5 * (a + b);
        }
        printf("    {%.6f, %.4f, %.4f, %.6f, %.6f},\n", jd, rows[i][1], rows[i][2],
               eraAnp(last) * ERFA_DR2D, best * ERFA_DR2D);
    }
    return 0;
}
