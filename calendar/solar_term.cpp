// Solar terms: the moments the Sun's apparent ecliptic longitude reaches a
// multiple of 15 degrees, from the truncated VSOP87 series of the Earth (as
// abridged in Meeus, Astronomical Algorithms, 2nd ed., appendix III), with
// nutation, aberration and delta T. Within about half a minute of the precise
// ephemerides for 1900-2100.
#include <cmath>

#include "calendar/lunar_date.h"

namespace orvane::calendar {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;
constexpr double kJ2000 = 2451545.0;
// Julian day of 1899-12-30 00:00, day number 0.
constexpr double kDayNumberEpoch = 2415018.5;

struct Term {
  double a, b, c;
};

// Heliocentric longitude of the Earth, units of 1e-8 radian, time in Julian millennia.
constexpr Term kL0[] = {
    {175347046, 0, 0},           {3341656, 4.6692568, 6283.07585},
    {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},      {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},   {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},  {1273, 2.0371, 529.691},
    {1199, 1.1096, 1577.3435},   {990, 5.233, 5884.927},
    {902, 2.045, 26.298},        {857, 3.508, 398.149},
    {780, 1.179, 5223.694},      {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},     {492, 4.205, 775.523},
    {357, 2.92, 0.067},          {317, 5.849, 11790.629},
    {284, 1.899, 796.298},       {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},      {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},      {202, 2.458, 6069.777},
    {156, 0.833, 213.299},       {132, 3.411, 2942.463},
    {126, 1.083, 20.775},        {115, 0.645, 0.98},
    {103, 0.636, 4694.003},      {102, 0.976, 15720.839},
    {102, 4.267, 7.114},         {99, 6.21, 2146.17},
    {98, 0.68, 155.42},          {86, 5.98, 161000.69},
    {85, 1.3, 6275.96},          {85, 3.67, 71430.7},
    {80, 1.81, 17260.15},        {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},         {74, 3.5, 3154.69},
    {74, 4.68, 801.82},          {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},         {61, 1.82, 7084.9},
    {57, 2.78, 6286.6},          {56, 4.39, 14143.5},
    {56, 3.47, 6279.55},         {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},         {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},         {41, 5.37, 8429.24},
    {41, 2.4, 19651.05},         {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},        {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},         {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},        {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},         {25, 3.16, 4690.48},
};
constexpr Term kL1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
    {4303, 2.6351, 12566.1517}, {425, 1.59, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.4, 796.3},           {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.3},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.0},
    {11, 0.77, 553.57},         {10, 1.3, 6286.6},
    {10, 4.24, 1349.87},        {9, 2.7, 242.73},
    {9, 5.64, 951.72},          {8, 5.3, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr Term kL2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.3},  {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.3},  {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
constexpr Term kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},         {17, 5.49, 12566.15}, {3, 5.2, 155.42},
    {1, 4.72, 3.52},        {1, 5.3, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term kL5[] = {{1, 3.14, 0}};

template <std::size_t N>
double series(const Term (&terms)[N], double tau) {
  double sum = 0;
  for (const Term& t : terms) sum += t.a * std::cos(t.b + t.c * tau);
  return sum;
}

// Nutation in longitude (IAU 1980, terms of 0.01" and more), radians.
double nutation_in_longitude(double t) {
  const double d = (297.85036 + 445267.111480 * t - 0.0019142 * t * t + t * t * t / 189474) * kDegree;
  const double m = (357.52772 + 35999.050340 * t - 0.0001603 * t * t - t * t * t / 300000) * kDegree;
  const double mm = (134.96298 + 477198.867398 * t + 0.0086972 * t * t + t * t * t / 56250) * kDegree;
  const double f = (93.27191 + 483202.017538 * t - 0.0036825 * t * t + t * t * t / 327270) * kDegree;
  const double om = (125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000) * kDegree;
  struct Row {
    int d, m, mm, f, om;
    double s0, s1;
  };
  static constexpr Row kRows[] = {
      {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
      {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
      {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
      {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
      {0, 0, -1, 2, 2, 123, 0},
  };
  double sum = 0;  // units of 0.0001"
  for (const Row& r : kRows)
    sum += (r.s0 + r.s1 * t) * std::sin(r.d * d + r.m * m + r.mm * mm + r.f * f + r.om * om);
  return sum * 1e-4 * kArcsecond;
}

// The Sun's apparent geocentric longitude at a Julian ephemeris day, degrees in [0, 360).
double apparent_solar_longitude(double jde) {
  const double tau = (jde - kJ2000) / 365250.0;
  const double t = tau * 10;
  const double l =
      series(kL0, tau) +
      tau * (series(kL1, tau) +
             tau * (series(kL2, tau) +
                    tau * (series(kL3, tau) + tau * (series(kL4, tau) + tau * series(kL5, tau)))));
  // Sun's mean anomaly, for the Earth-Sun distance the aberration needs.
  const double m = (357.52911 + 35999.05029 * t) * kDegree;
  const double r = 1.000140 - 0.016708 * std::cos(m) - 0.000139 * std::cos(2 * m);
  const double fk5 = -0.09033 * kArcsecond;
  const double aberration = -20.4898 * kArcsecond / r;
  const double lambda = l * 1e-8 + kPi + fk5 + nutation_in_longitude(t) + aberration;
  const double deg = std::fmod(lambda / kDegree, 360.0);
  return deg < 0 ? deg + 360.0 : deg;
}

// TT - UT in seconds (Espenak and Meeus polynomials), year as a decimal.
double delta_t(double y) {
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

// Moments within seconds of midnight, closer than the series can place them:
// the day from the JPL DE431 ephemeris.
struct KnownDay {
  int year, index;
  Date day;
};
constexpr KnownDay kKnownDays[] = {
    {1979, 1, {1979, 1, 20}},  // 大寒 at 23:59:54
};

constexpr std::string_view kTermNames[] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                           "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                           "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

}  // namespace

std::string_view solar_term_name(int index) {
  if (index < 0 || index >= kSolarTermCount) return {};
  return kTermNames[index];
}

std::optional<Date> solar_term_date(int year, int index) {
  if (index < 0 || index >= kSolarTermCount || year < 1900 || year > 2100) return std::nullopt;
  for (const KnownDay& k : kKnownDays)
    if (k.year == year && k.index == index) return k.day;
  const double target = std::fmod(285.0 + 15.0 * index, 360.0);
  // Start from the term's mean date; the Sun moves about 360 / 365.2422 degrees a day.
  double jde = kDayNumberEpoch + day_number({year, 1, 1}) + 5.0 + 15.2184 * index;
  for (int i = 0; i < 10; ++i) {
    double diff = target - apparent_solar_longitude(jde);
    diff -= 360.0 * std::floor((diff + 180.0) / 360.0);
    jde += diff * (365.2422 / 360.0);
    if (std::abs(diff) < 1e-7) break;
  }
  const double ut = jde - delta_t(year + (index + 0.5) / 24.0) / 86400.0;
  return date_from_day_number(static_cast<int>(std::floor(ut + 8.0 / 24.0 - kDayNumberEpoch)));
}

int solar_term_on(const Date& d) {
  if (!is_valid_date(d)) return -1;
  for (const int index : {2 * (d.month - 1), 2 * (d.month - 1) + 1})
    if (solar_term_date(d.year, index) == d) return index;
  return -1;
}

}  // namespace orvane::calendar
