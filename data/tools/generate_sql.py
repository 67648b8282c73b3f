#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the SQL sources of the sample performance database into data/.

Run by hand after changing a figure here (python3 data/tools/generate_sql.py);
the build reads only the generated .sql files, which are committed.
The figures are sample data: plausible engineering values, not a maker's ratings.
"""
import math
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent

# Rated modules: (code, cooling kW, cooling power kW, chilled-water L/s, nominal drop kPa)
QTK = [("090", 310.1, 93.1, 14.91, 45.3), ("130", 459.2, 135.5, 22.07, 61.8),
       ("180", 625.2, 182.7, 30.05, 52.4), ("260", 914.5, 268.4, 43.96, 58.7)]
# QHK adds the heating capacity and power at 7 °C ambient, 40 -> 45 °C.
QHK = [("125", 419.0, 113.6, 20.0, 48.2, 418.0, 119.8), ("150", 507.0, 136.7, 24.17, 55.6, 500.0, 140.8),
       ("175", 608.0, 161.7, 29.17, 63.1, 593.0, 166.1)]
QSK = [("145", 360.0, 119.4, 17.0, 38.5), ("185", 467.0, 155.9, 22.0, 41.2), ("215", 538.0, 186.1, 26.0, 43.8),
       ("240", 599.0, 208.1, 29.0, 46.0), ("260", 649.0, 208.0, 31.0, 47.5), ("275", 684.0, 235.1, 33.0, 49.1),
       ("315", 790.0, 256.1, 38.0, 52.6), ("325", 800.0, 256.3, 38.0, 53.0), ("335", 834.0, 280.8, 40.0, 54.4),
       ("365", 908.0, 312.8, 43.0, 57.2), ("380", 947.6, 302.5, 45.0, 58.9), ("395", 984.0, 332.7, 47.0, 60.3)]

QTK_UNITS = [("090", "0"), ("130", "1"), ("180", "2"), ("260", "3"), ("220", "0+1"), ("310", "1+2"),
             ("350", "0+3"), ("390", "1+3"), ("440", "2+3")]
QHK_UNITS = [("125", "0"), ("150", "1"), ("175", "2"), ("245", "0+0"), ("266", "0+1"), ("291", "0+2"),
             ("300", "1+1"), ("355", "2+2")]
QSK_UNITS = [(m[0], str(i)) for i, m in enumerate(QSK)] + [
    ("620", "10+3"), ("630", "6+6"), ("670", "8+8"), ("730", "9+9"), ("760", "11+9")]

# The datasheet's standard rating of the single QTK090 unit at 35 °C, 12 -> 7 °C.
QTK090_RATED_POWER = 93.2


def r(value, digits):
    """Half-up rounding as an engineer writes the figure (7.455 -> 7.46)."""
    return float(Decimal(repr(value)).quantize(Decimal(1).scaleb(-digits), ROUND_HALF_UP))


def sql(value):
    if isinstance(value, str):
        return "'" + value.replace("'", "''") + "'"
    return str(value) if isinstance(value, int) else repr(value)


def create(name, columns):
    return 'CREATE TABLE "%s" (%s);\n' % (name, ", ".join('"%s" %s' % c if c[1] else '"%s"' % c[0] for c in columns))


def insert(name, row):
    return 'INSERT INTO "%s" VALUES (%s);\n' % (name, ", ".join(sql(v) for v in row))


def modules_of(connect):
    return [int(part) for part in connect.split("+")]


def joined(values):
    return "/".join("%g" % v for v in values)


def hot_water_flow(heat_kw):
    return r(heat_kw * 0.86 / 5 / 3.6, 2)


def unit_rows():
    """Rows of the three unit tables; one dict per unit, shared with the datasheet tables."""
    units = []
    for series, prefix, suffix, table, units_of in (("QTK", "QTK", "GN5", QTK, QTK_UNITS),
                                                     ("QHK", "QHK", "GP5", QHK, QHK_UNITS),
                                                     ("QSK", "QSK", "GV5", QSK, QSK_UNITS)):
        for code, connect in units_of:
            mods = [table[i] for i in modules_of(connect)]
            u = {"series": series, "name": "%s%s%s-LQE" % (prefix, code, suffix), "connect": connect,
                 "modules": mods, "capacity": r(sum(m[1] for m in mods), 1), "power": r(sum(m[2] for m in mods), 1),
                 "flow": r(sum(m[3] for m in mods), 2), "press": joined(m[4] for m in mods),
                 "flow_tow": joined(m[3] for m in mods)}
            # The permitted chilled-water flow: half to one and a half times the rated flow.
            u["range"] = "%.2f-%.2f" % (r(u["flow"] * 0.5, 2), r(u["flow"] * 1.5, 2))
            if series == "QHK":
                u["heat"] = r(sum(m[5] for m in mods), 1)
                u["heat_power"] = r(sum(m[6] for m in mods), 1)
                u["flow_h"] = r(sum(hot_water_flow(m[5]) for m in mods), 2)
            u["rated_power"] = QTK090_RATED_POWER if u["name"] == "QTK090GN5-LQE" else u["power"]
            units.append(u)
    return units


FILTERS = [("Type", "INTEGER"), ("Refrig", "INTEGER"), ("Version", "INTEGER"), ("Recycle", "INTEGER")]
TAIL = [("FlowRange_C", "TEXT"), ("WaterPress", "TEXT"), ("Flow_Tow", "TEXT")]


def unit_tables(units):
    # Every unit is a chiller (Type 0) or, for QHK, queried as Type 0; R134a is refrigerant 2;
    # standard version and no heat recovery. Centre 1 is the screw compressor.
    out = "-- The selectable units: one row per unit, Connect names its modules.\n\n"
    out += create("ALL_Model", FILTERS + [("ModelName", "TEXT"), ("Connect", "TEXT"), ("capacity", "REAL"),
                                          ("Power", "REAL"), ("Flow_7", "REAL")] + TAIL)
    for u in (u for u in units if u["series"] == "QTK"):
        out += insert("ALL_Model", [0, 2, 0, 0, u["name"], u["connect"], u["capacity"], u["power"], u["flow"],
                                    u["range"], u["press"], u["flow_tow"]])
    out += "\n" + create("ALL_Model_qhk", FILTERS + [
        ("ModelName", "TEXT"), ("Connect", "TEXT"), ("capacity", "REAL"), ("capacity7", "REAL"),
        ("Power7", "REAL"), ("Flow_7", "REAL"), ("Flow_7H", "REAL")] + TAIL)
    for u in (u for u in units if u["series"] == "QHK"):
        out += insert("ALL_Model_qhk", [0, 2, 0, 0, u["name"], u["connect"], u["capacity"], u["capacity"],
                                        u["power"], u["flow"], u["flow_h"], u["range"], u["press"], u["flow_tow"]])
    out += "\n" + create("ALL_Model_GV5", [("Centre", "INTEGER")] + FILTERS + [
        ("ModelName", "TEXT"), ("Connect", "TEXT"), ("capacity", "REAL"), ("capacity7", "REAL"),
        ("Power7", "REAL"), ("Flow_7", "REAL")] + TAIL)
    for u in (u for u in units if u["series"] == "QSK"):
        out += insert("ALL_Model_GV5", [1, 0, 2, 0, 0, u["name"], u["connect"], u["capacity"], u["capacity"],
                                        u["power"], u["flow"], u["range"], u["press"], u["flow_tow"]])
    return out


def cooling(cap_lwt, cap_oat, pow_oat, pow_lwt):
    """Capacity and power ratios of a chiller against (OAT, LWT), 1 at 35 °C / 7 °C."""
    def capacity(oat, lwt):
        return 1 + cap_lwt * (lwt - 7) - 0.0003 * (lwt - 7) ** 2 - cap_oat * (oat - 35) - 0.00005 * (oat - 35) ** 2

    def power(oat, lwt):
        return 1 + pow_oat * (oat - 35) + 0.00012 * (oat - 35) ** 2 - pow_lwt * (lwt - 7)
    return capacity, power


def heating_capacity(oat, lwt):
    return 1 + 0.022 * (oat - 7) - 0.0001 * (oat - 7) ** 2 - 0.006 * (lwt - 45)


def heating_power(oat, lwt):
    return 1 + 0.015 * (lwt - 45) + 0.0002 * (lwt - 45) ** 2 + 0.003 * (oat - 7)


def qtk_envelope_excludes(oat, lwt):
    """True when every lookup that reads the cell (oat, lwt) lies outside the QTK envelope:
    its ambient is above oat - 1 >= 40 and its leaving water below lwt + 1 <= 1.5 (oat - 1) - 56."""
    return oat - 1 >= 40 and lwt + 1 <= 1.5 * (oat - 1) - 56


def grid(name, ratio, oats, lwts, not_available=lambda oat, lwt: False):
    # Cells carry no declared type: data cells are REAL, a point without data is the text '0'.
    out = create(name, [("LWT", "REAL")] + [("%dOAT" % oat, "") for oat in oats])
    for lwt in lwts:
        out += insert(name, [lwt] + ["0" if not_available(oat, lwt) else r(ratio(oat, lwt), 4) for oat in oats])
    return out + "\n"


def grids_qtk():
    oats, lwts = range(-8, 45), range(4, 16)
    even_cap, even_pow = cooling(0.026, 0.0085, 0.0125, 0.0075)
    odd_cap, odd_pow = cooling(0.024, 0.0080, 0.0120, 0.0070)
    # The 090/180 grids mark the hot-ambient, cold-water corner as without data. The 130/260
    # capacity ratio sizes the candidate band, so those grids keep data everywhere.
    return ("-- Centrifugal chillers: ratios to the rated capacity and power input.\n\n"
            + grid("CapacityQTK090&180GN5", even_cap, oats, lwts, qtk_envelope_excludes)
            + grid("PowerQTK090&180GN5", even_pow, oats, lwts, qtk_envelope_excludes)
            + grid("CapcityQTK130&260GN5", odd_cap, oats, lwts) + grid("PowerQTK130&260GN5", odd_pow, oats, lwts))


def grids_qhk():
    cap, pw = cooling(0.025, 0.0090, 0.0130, 0.0060)
    return ("-- Screw heat pumps: cooling ratios (1 at 35 °C / 7 °C), heating ratios (1 at 7 °C / 45 °C).\n\n"
            + grid("CapacityQHK", cap, range(-8, 51), range(4, 36)) + grid("PowerQHK", pw, range(-8, 51), range(4, 36))
            + grid("CapacityQHK_H", heating_capacity, range(-15, 51), range(25, 56))
            + grid("PowerQHK_H", heating_power, range(-15, 51), range(25, 56)))


def grids_qsk():
    cap, pw = cooling(0.027, 0.0095, 0.0135, 0.0065)
    return ("-- Screw chillers GV5: ratios to the rated capacity and power input.\n\n"
            + grid("CapacityQSK_GV5", cap, range(5, 51), range(4, 36))
            + grid("PowerQSK_GV5", pw, range(5, 51), range(4, 36)))


def key_table(name, key, columns, keys):
    # No key index: rows come back in insertion order, which is ascending by key.
    out = create(name, [(key, "REAL")] + [(c, "REAL") for c, _ in columns])
    for k in keys:
        out += insert(name, [k] + [r(f(k), 4) for _, f in columns])
    return out + "\n"


def steps(first, last, step):
    return [r(first + i * step, 2) for i in range(round((last - first) / step) + 1)]


def correction_tables():
    def drop(exponent):
        return lambda flow: flow ** exponent
    return ("-- Correction factors, 1 at altitude 0, fouling 0.018 m2K/kW and plain water.\n\n"
            + key_table("High", "Highth", [("Capacity", lambda h: 1 - 0.0125 * h / 600),
                                           ("PowerC", lambda h: 1 + 0.005 * h / 600),
                                           ("HotCapacity", lambda h: 1 - 0.01 * h / 600),
                                           ("PowerH", lambda h: 1 + 0.004 * h / 600)], list(range(0, 1801, 300)))
            + key_table("Dirt", "Dirt", [("Capacity", lambda f: 1 - 0.26 * (f - 0.018)),
                                         ("PowerC", lambda f: 1 + 0.15 * (f - 0.018)),
                                         ("HotCapacity", lambda f: 1 - 0.22 * (f - 0.018)),
                                         ("PowerH", lambda f: 1 + 0.13 * (f - 0.018))],
                        [0, 0.018, 0.044, 0.086, 0.132])
            + key_table("Fluid", "Concertration", [("Capacity", lambda c: 1 - 0.0008 * c - 0.00002 * c * c),
                                                   ("PowerC", lambda c: 1 - 0.0002 * c - 0.000004 * c * c),
                                                   ("HotCapacity", lambda c: 1 - 0.0006 * c - 0.00002 * c * c),
                                                   ("PowerH", lambda c: 1 + 0.0004 * c),
                                                   ("WaterPD", lambda c: 1 + 0.008 * c + 0.00002 * c * c),
                                                   ("Flow", lambda c: 1 + 0.0014 * c + 0.00002 * c * c)],
                        list(range(0, 51, 5)))
            # Glycol below 4 °C: the grids are read at 7 °C, these carry the colder water.
            + key_table("waterTem", "waterout", [("Capacity", lambda t: 1 - 0.025 * (7 - t)),
                                                 ("Power", lambda t: 1 - 0.012 * (7 - t))], list(range(-8, 5)))
            + key_table("WaterPD", "Flow", [("Conference", drop(1.8))], steps(0.5, 1.3, 0.05))
            + key_table("WaterPD2", "Flow", [("Conference", drop(1.8))], steps(0.5, 1.3, 0.05))
            + key_table("WaterPD_GV5", "Flow", [("Conference", drop(1.8)), ("Conference2", drop(1.85))],
                        steps(0.3, 1.5, 0.05)))


def connection_inches(flow):
    """Smallest standard connection that keeps the water below about 2.2 m/s."""
    needed = math.sqrt(4 * flow / 1000 / (math.pi * 2.2)) / 0.0254
    return next(size for size in (3, 4, 5, 6, 8, 10) if size >= needed)


def module_sheet(series, module):
    """Physical and electrical data of one module."""
    code, cap, power, flow = module[0], module[1], module[2], module[3]
    air = r((cap + power) * 0.0298, 1)  # 10^4 m3/h for about 10 K air temperature rise
    fans = 2 * math.ceil(air / 2.1 / 2)
    screw = series != "QTK"
    weight = round(cap * (9.0 if screw else 8.2) + (900 if screw else 800), -1)
    current = (power + fans * 1.85) / (math.sqrt(3) * 0.38 * 0.88)
    return {"size": connection_inches(flow), "fans": fans, "air": air, "fan_power": r(fans * 1.85, 2),
            "compressor": ("KSC" if screw else "KTC") + code, "count": 2 if screw or code in ("180", "260") else 1,
            "weight": int(weight), "water": int(round(cap * 0.45, -1)), "length": fans // 2 * 1150 + 600,
            "noise": 72 + 10 * math.log10(fans), "current": current}


def datasheet_table(units):
    columns = [("ModelName", "TEXT"), ("Flow7", "REAL"), ("Std_capacity7", "REAL"), ("Std_Power7", "REAL"),
               ("WaterResistance", "TEXT"), ("Size", "TEXT"), ("FanNum", "INTEGER"), ("Fan", "REAL"),
               ("FanPower", "REAL"), ("CompressorType", "TEXT"), ("Num", "TEXT"), ("Quality", "TEXT"),
               ("OnQuality", "TEXT"), ("LengthWideHigh", "TEXT"), ("Noise", "TEXT"), ("PowerSupply", "TEXT"),
               ("RateCurrent", "TEXT"), ("SafeCurrent", "TEXT")]
    out = "-- Standard rating with water (35 °C, 12 -> 7 °C) and the unit's physical data.\n\n"
    out += create("EXCEL_NEW", columns)
    for u in units:
        sheets = [module_sheet(u["series"], m) for m in u["modules"]]
        height = 2480 if u["series"] == "QTK" else 2450
        noise = 10 * math.log10(sum(10 ** (s["noise"] / 10) for s in sheets))
        current = sum(s["current"] for s in sheets)
        out += insert("EXCEL_NEW", [
            u["name"], u["flow"], u["capacity"], u["rated_power"], u["press"],
            "/".join(str(s["size"]) for s in sheets), sum(s["fans"] for s in sheets),
            r(sum(s["air"] for s in sheets), 1), r(sum(s["fan_power"] for s in sheets), 2),
            "+".join(s["compressor"] for s in sheets), str(sum(s["count"] for s in sheets)),
            str(sum(s["weight"] for s in sheets)), str(sum(s["weight"] + s["water"] for s in sheets)),
            "%dx2250x%d" % (sum(s["length"] for s in sheets), height), "%d" % round(noise),
            "380V/3Ph/50Hz", "%d" % round(current), "%d" % round(current * 1.3)])
    return out


# Part-load points: (load, OAT) per standard, the leaving water, the IPLV weights, and the
# COP at each point relative to full load (a centrifugal unloads better than a screw).
STANDARDS = {
    "QSK_QHK_R134a_AHRI": ([(1, 35), (0.75, 26.7), (0.5, 18.3), (0.25, 12.8)], 6.7, (0.01, 0.42, 0.45, 0.12),
                           {"QTK": (1, 1.32, 1.60, 1.55), "screw": (1, 1.22, 1.42, 1.30)}),
    "QSK_QHK_R134a_GB": ([(1, 35), (0.75, 31.5), (0.5, 28), (0.25, 24.5)], 7, (0.023, 0.415, 0.461, 0.101),
                         {"QTK": (1, 1.18, 1.38, 1.42), "screw": (1, 1.10, 1.22, 1.18)}),
}


def part_load_tables(units):
    out = "-- Part-load points and the integrated part-load value of every unit.\n\n"
    for table, (points, lwt, weights, gains) in STANDARDS.items():
        out += create(table, [("ModelName", "TEXT")] + [(c, "REAL") for c in (
            "load", "capacity", "power", "COP", "OAT", "LWT", "flow", "IPLV")])
        for u in units:
            full_cop = u["capacity"] / u["rated_power"]
            rows = []
            for (load, oat), gain in zip(points, gains["QTK" if u["series"] == "QTK" else "screw"]):
                capacity = r(u["capacity"] * load, 1)
                power = r(capacity / (full_cop * gain), 1)
                rows.append([load, capacity, power, r(capacity / power, 2), oat, lwt, u["flow"]])
            iplv = r(sum(w * row[3] for w, row in zip(weights, rows)), 2)
            for row in rows:
                out += insert(table, [u["name"]] + row + [iplv])
        out += "\n"
    return out


def main():
    units = unit_rows()
    files = {"unit_tables.sql": unit_tables(units), "grids_qtk.sql": grids_qtk(), "grids_qhk.sql": grids_qhk(),
             "grids_qsk_gv5.sql": grids_qsk(), "correction_tables.sql": correction_tables(),
             "datasheet.sql": datasheet_table(units), "part_load.sql": part_load_tables(units)}
    for name, text in files.items():
        (DATA / name).write_text("-- Generated by data/tools/generate_sql.py; edit the generator, not this file.\n"
                                 + text)


if __name__ == "__main__":
    main()
