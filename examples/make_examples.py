#!/usr/bin/env python3
"""Writes the example data set of this folder in the program's file formats.

Every number comes from the tables below (see README.md for their sources); decade and daily
values are derived from the monthly values by the rules written here, so running this script
again gives the same files. Radiation and ETo are left missing (-99.9) in the Penman-Monteith
files: the program computes them when a file is opened.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
MONTH_LEN = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
DAYS_BEFORE = [sum(MONTH_LEN[:m]) for m in range(12)]
MISSING = -99.9

# Nairobi Dagoretti Corner, Kenya (WMO 63741), long-term monthly means.
NAIROBI = {
    "tmax": [24.5, 25.6, 25.6, 24.1, 22.6, 21.5, 20.6, 21.4, 23.7, 24.7, 23.1, 23.4],
    "tmin": [11.5, 11.6, 13.1, 14.0, 13.2, 11.0, 10.1, 10.2, 10.5, 12.5, 13.1, 12.6],
    "rh": [62, 57, 61, 72, 76, 74, 73, 71, 63, 61, 71, 69],
    "sun": [8.8, 9.2, 7.7, 6.5, 5.5, 4.9, 3.9, 4.2, 6.2, 6.8, 6.3, 7.3],
    # km/day at 2 m (2.0 to 2.8 m/s)
    "wind": [207, 216, 207, 190, 173, 190, 207, 216, 233, 242, 216, 199],
    "rain": [57.6, 45.7, 90.3, 183.0, 139.3, 33.0, 18.3, 23.4, 28.6, 54.4, 172.6, 82.2],
}

# Reference evapotranspiration zone 12 (Sacramento Valley, California), inches per month.
ETO_ZONE12_INCHES = [1.24, 1.96, 3.41, 5.10, 6.82, 7.80, 8.06, 7.13, 5.40, 3.72, 1.80, 0.93]


def crlf(lines):
    return "".join(line + "\r\n" for line in lines)


def write(name, lines):
    with open(os.path.join(HERE, name), "w", newline="", encoding="latin-1") as f:
        f.write(crlf(lines))


def mid_day(m):  # 0-based day of the year at the middle of month m (0..11)
    return DAYS_BEFORE[m] + MONTH_LEN[m] / 2.0


def interpolate(monthly, day):
    """Linear interpolation between the mid-month values, round the year."""
    for m in range(12):
        a, b = mid_day(m), mid_day((m + 1) % 12) + (365 if m == 11 else 0)
        d = day if day >= mid_day(0) else day + 365
        if a <= d <= b:
            return monthly[m] + (monthly[(m + 1) % 12] - monthly[m]) * (d - a) / (b - a)
    return monthly[0]


def decade_days(m, k):  # 0-based first day of the year and length of decade k (1..3)
    first = DAYS_BEFORE[m] + 10 * (k - 1)
    length = 10 if k < 3 else MONTH_LEN[m] - 20
    return first, length


def data_line(tmin, tmax, rh, wind, sun, rad=MISSING, eto=MISSING):
    return "%6.1f%6.1f%7.1f%7.1f%7.1f%6.1f%9.2f" % (tmin, tmax, rh, wind, sun, rad, eto)


def climate_header(kind, country, station, altitude, lat, lon):
    return ["VESKARO 8.0 Climate data", " 0 %3d" % kind, country, station, "%6.2f" % altitude,
            "%7.2f%8.2f" % (lat, lon)]


def climate_at(day):
    c = NAIROBI
    return (round(interpolate(c["tmin"], day), 1), round(interpolate(c["tmax"], day), 1),
            round(interpolate(c["rh"], day)), round(interpolate(c["wind"], day)),
            round(interpolate(c["sun"], day), 1))


def climate_files():
    c = NAIROBI
    head = lambda kind: climate_header(kind, "Kenya", "Nairobi Dagoretti", 1798, -1.30, 36.75)
    monthly = [data_line(c["tmin"][m], c["tmax"][m], c["rh"][m], c["wind"][m], c["sun"][m])
               for m in range(12)]
    write("NAIROBI.PEM", head(3) + monthly)

    lines = head(2)
    for m in range(12):
        for k in (1, 2, 3):
            first, length = decade_days(m, k)
            lines.append(data_line(*climate_at(first + (length - 1) / 2.0)))
        lines.append(monthly[m])
    write("NAIROBI.PEC", lines)

    lines = head(1)
    for m in range(12):
        lines.append("-999")
        for d in range(MONTH_LEN[m]):
            lines.append(data_line(*climate_at(DAYS_BEFORE[m] + d)))
        lines.append(monthly[m])
    write("NAIROBI.PED", lines)

    lines = climate_header(6, "United States", "ETo zone 12", 18, 38.54, -121.78)
    for m in range(12):
        eto = ETO_ZONE12_INCHES[m] * 25.4 / MONTH_LEN[m]
        lines.append(data_line(MISSING, MISSING, MISSING, MISSING, MISSING, MISSING, eto))
    write("ZONE12.PMM", lines)


def usda(p, n):
    if p <= 250.0 / n:
        return max(0.0, p * (125 - 0.2 * n * p) / 125)
    return max(0.0, 125.0 / n + 0.1 * p)


def daily_rain():
    """A year of rain days whose monthly totals are the monthly means."""
    weights = [1.6, 0.6, 1.0, 0.4, 1.4, 0.8, 1.2, 0.5, 1.1, 0.7]
    days = []
    for m in range(12):
        total = NAIROBI["rain"][m]
        count = max(1, min(MONTH_LEN[m] // 2, round(total / 9)))
        step = MONTH_LEN[m] / count
        rain = [0.0] * MONTH_LEN[m]
        w = [weights[i % len(weights)] for i in range(count)]
        for i in range(count):
            rain[int(i * step + (m % 3))] += round(total * w[i] / sum(w), 1)
        last = int((count - 1) * step + (m % 3))
        rain[last] = round(rain[last] + total - sum(rain), 1)
        days.append([round(x, 1) for x in rain])
    return days


def rain_files():
    station = "Nairobi Dagoretti"
    # Monthly rain, USDA Soil Conservation Service method.
    lines = ["VESKARO 8.0 Rain data", station, "  4  3", "  0" * 6]
    for p in NAIROBI["rain"]:
        lines.append("%9.1f%9.1f" % (MISSING, MISSING) * 3 + "%10.1f%10.1f" % (p, usda(p, 1)))
    write("NAIROBI.CRM", lines)

    days = daily_rain()
    decades = [[sum(days[m][10 * (k - 1):(10 * k if k < 3 else None)])
                for k in (1, 2, 3)] for m in range(12)]
    # Decade rain, fixed percentage of 80 %.
    lines = ["VESKARO 8.0 Rain data", station, "  1  2", "80" + "  0" * 5]
    for m in range(12):
        row = "".join("%9.1f%9.1f" % (d, 0.8 * round(d, 1)) for d in decades[m])
        total = sum(round(d, 1) for d in decades[m])
        lines.append(row + "%10.1f%10.1f" % (total, 0.8 * total))
    write("NAIROBI.CRC", lines)

    # Daily rain, USDA method on the decade sums.
    lines = ["VESKARO 8.0 Rain data", station, "  4  1", "  0" * 6, "-999"]
    for m in range(12):
        eff = [usda(round(d, 1), 3) for d in decades[m]]
        lines.append("".join("%9.1f" % e for e in eff) + "%10.1f" % sum(eff))
        lines.append("".join("%6.1f" % x for x in days[m] + [MISSING] * (31 - MONTH_LEN[m])))
    write("NAIROBI.CRD", lines)


def f62(*values):
    return "".join("%6.2f" % v for v in values)


def dry_crop(file, name, stages, kc, roots, depl, ky, height):
    write(file, ["VESKARO 8.0 Crop data", name.ljust(20)[:20], "".join("%d " % s for s in stages),
                 f62(*kc), f62(*roots), f62(*depl), f62(*ky), f62(height)])


def sci14(v):  # " 1.00000000000000E-0001"
    mant, exp = ("%.14E" % v).split("E")
    sign = "-" if v < 0 else " "
    return "%s%sE%s%04d" % (sign, mant.lstrip("-"), "-" if int(exp) < 0 else "+", abs(int(exp)))


def rice_crop(file, name, direct, stages, kc, kcdry, puddle, roots, depl, ky, nursery, height):
    write(file, ["VESKARO 8.0 Crop data", name.ljust(20)[:20] + "Rice", "1" if direct else "0",
                 "".join("%d " % s for s in stages), f62(*kc), f62(*kcdry), sci14(puddle),
                 f62(*roots), f62(*depl), f62(*ky), "%d" % nursery, f62(height)])


def crops():
    #        stages (ini, dev, mid, late), Kc ini/mid/end, root initial/max, p ini/mid/end,
    #        Ky A/B/C/D/season, height
    dry_crop("MAIZE.CRO", "Maize (grain)", [30, 50, 60, 40], [0.30, 1.20, 0.35], [0.30, 1.00],
             [0.55, 0.55, 0.80], [0.40, 0.40, 1.30, 0.20, 1.25], 2.00)
    dry_crop("BEANS.CRO", "Beans (dry)", [20, 30, 40, 20], [0.40, 1.15, 0.35], [0.25, 0.60],
             [0.45, 0.45, 0.60], [0.20, 0.20, 1.10, 0.20, 1.15], 0.40)
    dry_crop("TOMATO.CRO", "Tomato", [30, 40, 40, 25], [0.60, 1.15, 0.80], [0.25, 0.70],
             [0.40, 0.40, 0.50], [0.40, 0.40, 1.10, 0.40, 1.05], 0.60)
    dry_crop("POTATO.CRO", "Potato", [25, 30, 45, 30], [0.50, 1.15, 0.75], [0.25, 0.40],
             [0.35, 0.35, 0.50], [0.45, 0.45, 0.80, 0.20, 1.10], 0.60)
    # Stage lengths 1..4, nursery, land preparation, puddling.
    rice_crop("RICE.CRO", "Rice transplanted", False, [30, 30, 60, 30, 30, 20, 5],
              [1.05, 1.20, 0.75, 1.20, 1.05], [0.70, 1.05, 0.70, 0.70, 0.30], 0.20,
              [0.10, 0.60], [0.20, 0.20, 0.20, 0.20], [1.00, 1.00, 1.30, 0.50, 1.10], 10, 1.00)
    rice_crop("RICEDS.CRO", "Rice direct sown", True, [30, 30, 60, 30, -999, 15, 5],
              [1.05, 1.20, 0.75, MISSING, 1.05], [0.70, 1.05, 0.70, MISSING, 0.30], 0.20,
              [0.10, 0.60], [0.20, 0.20, 0.20, MISSING], [1.00, 1.00, 1.30, 0.50, 1.10], -999,
              1.00)


def sci2(v):  # " 1.4E+0002"
    mant, exp = ("%.1E" % v).split("E")
    return " %sE%s%04d" % (mant, "-" if int(exp) < 0 else "+", abs(int(exp)))


def soils():
    write("LOAM.SOI", ["VESKARO 8.0 Soil Data", "Loam", sci2(140), "40", "900", "0", "-999",
                       "%5.1f" % MISSING, "-999%3d" % 1, "-999"])
    write("CLAY.SOI", ["VESKARO 8.0 Soil Data", "Clay (paddy)", sci2(180), "30", "150", "0",
                       "8", "%5.1f" % 0.6, "50%3d" % 1, "100"])


def pattern():
    crops = [("MAIZE.CRO", "15/03", 40), ("BEANS.CRO", "01/04", 20), ("TOMATO.CRO", "01/06", 15),
             ("POTATO.CRO", "15/10", 10), ("RICE.CRO", "01/08", 10), ("RICEDS.CRO", "15/10", 5)]
    lines = ["VESKARO 8.0 Crop pattern data", str(len(crops)), "Nairobi scheme"]
    for name, date, area in crops:
        lines += [name, date + "/1994", str(area)]
    write("NAIROBI.PAT", lines)


OPTIONS = """[Climate/ETo options]
newetotype=3
estimateall=0
newtempnotaverage=1
humidityasperc=1
windaskmday=1
etoasmmday=1
sunshineunit=1

[Rain options]
newraintype=3
ermethod=4
erfixperc=80
raina=0.5
rainb=-5
rainc=0.7
raind=20
rainx=50

[Crop options]
newcropnotrice=1

[Crop scheduling options]
timopt=2
applopt=2
deplram=80
timfixint1=10
timfixint2=10
timfixint3=10
timfixint4=10
timdepl=40
useretred1=10
useretred2=10
useretred3=10
useretred4=10
yielddefi=10
fixirridept=40
fieldcapcorr=100
appleff=70

[Rice scheduling options]
ricetimopt=2
riceapplopt=2
ricetwd=5
ricetdesat=100
ricetdepl=100
ricetfixedany01=0
ricetfixedany11=0
ricetfixedany21=0
ricetfixedany31=0
ricetfixedany41=0
ricetfixedany02=1
ricetfixedany12=1
ricetfixedany22=1
ricetfixedany32=1
ricetfixedany42=1
ricetfixedint0=10
ricetfixedint1=10
ricetfixedint2=10
ricetfixedint3=10
ricetfixedint4=10
ricetetred0=10
ricetetred1=10
ricetetred2=10
ricetetred3=10
ricetetred4=10
ricetyieldred=10
ricecontinuous=9
riceawd=100
riceasat=100
riceafc=100
riceafixedany01=100
riceafixedany11=100
riceafixedany21=100
riceafixedany31=100
riceafixedany41=100
riceafixedany02=1
riceafixedany12=1
riceafixedany22=1
riceafixedany32=1
riceafixedany42=1
riceafixeddepth=40
riceappleff=70

[Land preparation options]
userdefpuddlepercrate=3
soakbelowpuddledepth=10
prepuddletdesat=100
prepuddletdepl=20
prepuddleafixeddepth=50
prepuddleasat=100
puddletwd=0
puddletdesat=20
puddleawd=50
puddleasat=100
puddleafixeddepth=50
prepuddlingtimopt=2
prepuddlingapplopt=2
puddlingtimopt=1
puddlingapplopt=1
changeinpercopt=1
maxpercopt=1"""


def session(file, crop, soil, planting, pattern="untitled"):
    files = [("Climate/ETo file", "NAIROBI.PEM"), ("Rain file", "NAIROBI.CRM"),
             ("Crop file", crop), ("Soil file", soil), ("Cropping pattern file", pattern),
             ("Scheduling file", "untitled")]
    lines = ["[Session files]"]
    lines += ["%s=%s" % (key, "examples/" + name if name != "untitled" else name)
              for key, name in files]
    lines += ["Planting date=%s/1994" % planting, ""]
    write(file, lines + OPTIONS.split("\n"))


if __name__ == "__main__":
    climate_files()
    rain_files()
    crops()
    soils()
    pattern()
    session("MAIZE.SES", "MAIZE.CRO", "LOAM.SOI", "15/03")
    session("RICE.SES", "RICE.CRO", "CLAY.SOI", "01/08")
    session("SCHEME.SES", "untitled", "CLAY.SOI", "01/01", "NAIROBI.PAT")
