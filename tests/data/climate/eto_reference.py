#!/usr/bin/env python3
"""Expected Penman-Monteith values for the climate tests, computed from the FAO-56 style
formulas independently of the C++ code. Run: python3 eto_reference.py"""
import math

MONTH_LEN = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


def e0(t):
    return 0.6108 * math.exp(17.27 * t / (t + 237.3))


def daylength_ra(lat_deg, south, j):
    phi = math.radians(lat_deg) * (-1 if south else 1)
    phi = lat_deg * 0.0174532925 * (-1 if south else 1)
    w = 2 * math.pi / 365
    dec = 0.4093 * math.sin(w * j - 1.39)
    dr = 1 + 0.033 * math.cos(w * j)
    x = 1 - math.tan(phi) ** 2 * math.tan(dec) ** 2
    if x <= 0:
        x = 0.00001
    ws = math.pi / 2 - math.atan(-math.tan(phi) * math.tan(dec) / math.sqrt(x))
    n_hours = 7.6394 * ws
    ra = 37.586 * dr * (ws * math.sin(phi) * math.sin(dec) + math.cos(phi) * math.cos(dec) * math.sin(ws))
    if n_hours < 0.01:
        ra = 0.0
    return n_hours, ra


def pm_day(st, p, j, g_delta=None, rh_percent=True, wind_kmday=True, sun_unit=0):
    """st: dict alt, lat, south. p: dict tmin, tmax, hum, wind, sun (None = estimate).
    g_delta: Tnext - Tprev for monthly data, else None. Returns (eto, rs, stored_sun)."""
    tmin, tmax = p["tmin"], p["tmax"]
    tmean = (tmin + tmax) / 2
    emax, emin, emean = e0(tmax), e0(tmin), e0(tmean)
    es = (emax + emin) / 2
    N, Ra = daylength_ra(st["lat"], st["south"], j)
    polar = N < 0.01
    rh = p["hum"] if rh_percent else p["hum"] / es * 100
    if rh > 100:
        return None, None, p["sun"]
    stored = p["sun"]
    if p["sun"] is not None:
        n = [p["sun"], p["sun"] * N / 100, p["sun"] * N][sun_unit]
        ratio = 0.0 if polar else n / N
        rs = (0.25 + 0.5 * ratio) * Ra
    else:
        rs = 0.17 * math.sqrt(max(0.0, tmax - tmin)) * Ra
        if polar:
            ratio, stored = 0.0, 0.0
        else:
            n = (rs / Ra - 0.25) / 0.5 * N
            ratio = n / N
            nc = max(0.0, n)
            stored = [nc, nc * 100 / N, nc / N][sun_unit]
    rns = 0.77 * rs
    ea = rh / 100 * emean
    rso_ratio = (0.25 + 0.5 * ratio) / (0.75 + 2e-5 * st["alt"])
    rnl = 4.903e-9 * ((tmax + 273.16) ** 4 + (tmin + 273.16) ** 4) / 2 * (0.34 - 0.14 * math.sqrt(ea)) * (rso_ratio * 1.35 - 0.35)
    rn = rns - rnl
    if g_delta is not None:
        rn -= 0.07 * g_delta
    rn = max(rn, 0.0)
    slope = 4098 * emax / (tmax + 237.3) ** 2 / 2 + 4098 * emin / (tmin + 237.3) ** 2 / 2
    pres = 101.3 * ((293 - 0.0065 * st["alt"]) / 293) ** 5.26
    gamma = 0.000665 * pres
    u2 = p["wind"] / 86.4 if wind_kmday else p["wind"]
    den = slope + gamma * (1 + 0.34 * u2)
    eto = 0.408 * rn * slope / den + 900 / (tmean + 273) * u2 * (es - ea) * gamma / den
    return (eto if eto >= 0 else 0.0001), rns / 0.77, stored


def period(st, p, first_day, days, **kw):
    """Every day of a period with the same values; a missing sunshine is estimated on the
    first day and then read as given."""
    p = dict(p)
    tot_e = tot_r = 0.0
    for i in range(days):
        e, r, s = pm_day(st, p, first_day + i, **kw)
        p["sun"] = s
        tot_e += e
        tot_r += r
    return tot_e / days, tot_r / days, p["sun"]


def show(name, values):
    print(name, " ".join("%.12g" % v for v in values))


# Monthly data, July, northern tropics; June and August give the soil heat flux.
st = dict(alt=200.0, lat=13.5, south=False)
july = dict(tmin=22.1, tmax=31.5, hum=78.0, wind=172.8, sun=6.2)
june_mean = (23.0 + 33.4) / 2
aug_mean = (21.8 + 30.6) / 2
show("month_july", period(st, july, 182, 31, g_delta=aug_mean - june_mean))
show("month_july_as_decade_data_day182", pm_day(st, july, 182)[:2])

# Decade data, third decade of January (days 21..31), southern hemisphere.
st_s = dict(alt=40.0, lat=33.9, south=True)
jan3 = dict(tmin=16.4, tmax=27.9, hum=62.0, wind=250.0, sun=10.1)
show("decade_south_jan3", period(st_s, jan3, 21, 11))
# The same decade with sunshine estimated from the temperature range.
show("decade_south_jan3_estimated", period(st_s, dict(jan3, sun=None), 21, 11))

# Daily data above the polar circle: midsummer (polar day) and midwinter (polar night).
st_n = dict(alt=300.0, lat=67.8, south=False)
show("day_polar_summer_j172", pm_day(st_n, dict(tmin=8.2, tmax=17.6, hum=71.0, wind=190.0, sun=14.5), 172))
show("day_polar_winter_j349", pm_day(st_n, dict(tmin=-14.0, tmax=-6.5, hum=85.0, wind=120.0, sun=None), 349))
show("daylength_polar_summer", daylength_ra(67.8, False, 172))
show("daylength_polar_winter", daylength_ra(67.8, False, 349))

# Daily data in other units: humidity as vapour pressure (kPa), wind m/s, sunshine in %.
st_d = dict(alt=1208.5, lat=39.4575, south=False)
day = dict(tmin=11.3, tmax=29.8, hum=1.05, wind=2.4, sun=83.0)
show("day_kpa_ms_percent_j200", pm_day(st_d, day, 200, rh_percent=False, wind_kmday=False, sun_unit=1))

# Polar night proper (day length below 0.01 h): n/N and Ra count as 0.
st_p = dict(alt=30.0, lat=85.0, south=False)
show("daylength_polar_night_j349", daylength_ra(85.0, False, 349))
show("day_polar_night_j349_estimated", pm_day(st_p, dict(tmin=-18.0, tmax=-11.0, hum=80.0, wind=300.0, sun=None), 349))
show("day_polar_night_j349_given", pm_day(st_p, dict(tmin=-18.0, tmax=-11.0, hum=80.0, wind=300.0, sun=0.0), 349))
