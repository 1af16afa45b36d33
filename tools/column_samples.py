"""Example files of today's CD exports, written from the SP175 reference spectra.

Used by make_samples.py.  Each maker returns (bytes, points, dialog) where
points are (wavelength, value, ht or None) as floats in the file's order -
the numbers the program reads - and dialog says what the conversion dialog
is answered with (unit, path length, residue molar concentration; "-" for
"as offered").  expected_load() lays the points on the program's grid the way
the reader does: ascending, HT cut-off, first whole nanometre, conversion.
"""

import math
from decimal import Decimal

MRE_PER_DELTA_EPSILON = 3300
CRLF = "\r\n"


def ht_voltage(wavelength, base=150.0, rise=5000.0):
    """A photomultiplier voltage rising towards short wavelengths."""
    return base + rise / (float(wavelength) - 165.0)


def points_at(spectrum, step, low=175, high=240):
    """(wavelength as Decimal, delta epsilon as Decimal) from low to high at step; half
    nanometres are the mean of their two neighbours."""
    out = []
    w = Decimal(low)
    while w <= high:
        if w == w.to_integral_value():
            out.append((w, spectrum[int(w)]))
        else:
            below = int(w - Decimal("0.5"))
            out.append((w, (spectrum[below] + spectrum[below + 1]) / 2))
        w += step
    return out


def mdeg(de, path, concentration):
    """theta in millidegrees for delta epsilon: de * 3300 * 10 * path * c, exact."""
    return de * MRE_PER_DELTA_EPSILON * 10 * Decimal(path) * Decimal(concentration)


def text(value):
    return format(value.normalize(), "f") if value != 0 else "0"


def lines_bytes(lines):
    return (CRLF.join(lines) + CRLF).encode("latin-1")


# --- JASCO -------------------------------------------------------------------------------------

def jasco_header(title, sep, count, first, last, delta, channels=False):
    rows = [("TITLE", title), ("DATA TYPE", ""), ("ORIGIN", "JASCO"), ("OWNER", ""),
            ("DATE", "19/05/21"), ("TIME", "10:12:33"), ("SPECTROMETER/DATA SYSTEM", "J-1500"),
            ("DELTAX", delta), ("XUNITS", "NANOMETERS"), ("YUNITS", "CD [mdeg]"),
            ("Y2UNITS", "HT [V]"), ("FIRSTX", first), ("LASTX", last), ("NPOINTS", str(count)),
            ("FIRSTY", ""), ("MAXY", ""), ("MINY", "")]
    return [k + sep + v for k, v in rows] + ["XYDATA"]


JASCO_TRAILER = ["", "##### Extended Information", "[Comments]", "Sample name\tdemo",
                 "[Detailed Information]", "Measurement date\t19/05/21",
                 "Cell length\t1 mm", "Band width\t1.0 nm", "Response\t1 sec"]


def make_jasco_tab(spectra):
    path, conc = "0.1", "0.0005"
    pts = list(reversed(points_at(spectra["RIBA"], Decimal(1))))
    lines = jasco_header("Ribonuclease A", "\t", len(pts), "240.0000", "175.0000", "-1")
    points = []
    for w, de in pts:
        value, ht = mdeg(de, path, conc), round(ht_voltage(w), 2)
        lines.append(f"{float(w):.4f}\t{text(value)}\t{ht:.2f}")
        points.append((float(w), float(text(value)), ht))
    return lines_bytes(lines + JASCO_TRAILER), points, ("-", path, conc)


def make_jasco_semicolon(spectra):
    path, conc = "0.1", "0.0004"
    pts = points_at(spectra["OVAL"], Decimal(1))
    lines = jasco_header("Ovalbumin", ";", len(pts), "175,0000", "240,0000", "1")
    channel1, channel2, points = ["Channel 1"], ["Channel 2"], []
    for w, de in pts:
        value, ht = mdeg(de, path, conc), round(ht_voltage(w), 2)
        channel1.append(f"{w:.4f};{text(value)}".replace(".", ","))
        channel2.append(f"{w:.4f};{ht:.2f}".replace(".", ","))
        points.append((float(w), float(text(value)), ht))
    return lines_bytes(lines + channel1 + [""] + channel2), points, ("-", path, conc)


# --- Chirascan ProDataCSV -------------------------------------------------------------------------

def make_chirascan(spectra):
    conc = "0.0006"
    pts = list(reversed(points_at(spectra["INS"], Decimal("0.5"))))
    offsets = [Decimal("0.05"), Decimal(0), Decimal("-0.05")]
    lines = ["ProDataCSV,,,", "#Cell1 Pathlength: 1 mm,,,", "", "Data:,,,", "",
             "CircularDichroism,,,", "Cell:,1,,", "Wavelength:,,,", "Wavelength,Repeat,,",
             ",1,2,3"]
    points = []
    for w, de in pts:
        value = mdeg(de, "0.1", conc)
        repeats = [text(value + o) for o in offsets]
        lines.append(f"{w},{','.join(repeats)}")
        mean = sum(float(r) for r in repeats) / 3
        points.append((float(w), mean, None))
    lines += ["", "HV,,,", "Cell:,1,,", "Wavelength:,,,", "Wavelength,Repeat,,", "WL,1,2,3"]
    for i, (w, _) in enumerate(pts):
        ht = round(ht_voltage(w), 1)
        lines.append(f"{w},{ht},{ht},{ht},")
        points[i] = (points[i][0], points[i][1], (ht + ht + ht) / 3)
    lines += ["", "Absorbance,,,", "Cell:,1,,", "Wavelength:,,,", "Wavelength,Repeat,,",
              ",1,,"]
    lines += [f"{w},0.5," for w, _ in pts]
    return lines_bytes(lines), points, ("-", "-", conc)


# --- Aviv .dat ---------------------------------------------------------------------------------

def make_aviv(spectra):
    path, conc = "0.1", "0.0005"
    pts = list(reversed(points_at(spectra["TPI"], Decimal(1))))
    lines = ["$SUMMARY", "Model 435 CD spectrometer", "Sample: triose phosphate isomerase",
             "Bandwidth 1.000 nm", "$ENDSUMMARY", "$DATA"]
    sums = [0.0] * len(pts)
    dynode = [round(ht_voltage(w, 120.0, 4000.0), 3) for w, _ in pts]
    for scan, shift in ((1, Decimal("0.02")), (2, Decimal("-0.02"))):
        lines += [f"$MDCNAME:scan {scan}", f"$MDCDATA:{len(pts)} 7",
                  "X  CD_Signal  CD_Error  CD_Current_(Abs)  CD_Delta_Absorbance  CD_Dynode  "
                  "Jacket_Temp."]
        for i, (w, de) in enumerate(pts):
            value = text(mdeg(de, path, conc) + shift)
            lines.append(f"{w}.000  {value}  0.012  0.4321  0.000031  {dynode[i]:.3f}  25.00")
            sums[i] += float(value)
    lines += ["$ENDDATA", "$CONFIGURATION", "Cell path 1 mm", "$ENDCONFIGURATION"]
    points = [(float(w), sums[i] / 2, (0.0 + dynode[i] + dynode[i]) / 2)
              for i, (w, _) in enumerate(pts)]
    return lines_bytes(lines), points, ("-", path, conc)


# --- PCDDB ----------------------------------------------------------------------------------------

def make_pcddb_gen(spectra):
    pts = list(reversed(points_at(spectra["SOD"], Decimal(1))))
    lines = ["Generic\tCD\tPCDDB export", "Protein name\tsuperoxide dismutase",
             "Pathlength (cm)\t0.01", "M.R.W. (Da)\t\t108.9", "Temperature (C)\tabout 25",
             "Concentration (mg/ml)\tn/a",
             "Wavelength\tFinal\tHT\tSmoothed\tSample average\tBaseline average"]
    points = []
    for w, de in pts:
        ht = round(ht_voltage(w), 1)
        lines.append(f"{w}.0\t{de}\t{ht}\t{de}\t{de}\t0.001")
        points.append((float(w), float(de), ht))
    return lines_bytes(lines), points, ("-", "-", "-")


def pcd_line(key, value):
    return f"{key:<60}{value}"


def make_pcddb_pcd(spectra):
    pts = list(reversed(points_at(spectra["CAT"], Decimal(1))))
    lines = [pcd_line("PCDDB ID", "CD0000000"), pcd_line("Protein name", "catalase"),
             pcd_line("Pathlength (cm)", "0.01"), pcd_line("Concentration (mg/ml)", "1.2"),
             pcd_line("M.R.W. (Da)", "114.2"), pcd_line("Units", "delta epsilon"),
             "DATA", "wavelength  final  HT  smoothed  sample_average  baseline_average"]
    points = []
    for w, de in pts:
        ht = round(ht_voltage(w), 1)
        lines.append(f"{w}.0  {de}  {ht}  {de}  {de}  0.001")
        points.append((float(w), float(de), ht))
    return lines_bytes(lines), points, ("-", "-", "-")


# --- Plain columns ------------------------------------------------------------------------------

def make_plain_csv(spectra):
    path, conc = "0.1", "0.0005"
    lines = ["wavelength (nm),CD (mdeg)"]
    points = []
    for w, de in points_at(spectra["CHYM"], Decimal(1)):
        value = text(mdeg(de, path, conc))
        lines.append(f"{w},{value}")
        points.append((float(w), float(value), None))
    return lines_bytes(lines), points, ("-", path, conc)


def make_plain_txt(spectra):
    lines = ["# pyruvate kinase, SP175 reference spectrum PK", "# exported by hand", ""]
    points = []
    for w, de in points_at(spectra["PK"], Decimal(1)):
        value = text(de * MRE_PER_DELTA_EPSILON)
        lines.append(f"{w}    {value}")
        points.append((float(w), float(value), None))
    return lines_bytes(lines), points, ("mre", "-", "-")


# --- What a correct load gives ------------------------------------------------------------------

def convert(value, unit, path, conc):
    """The program's conversion to mean residue ellipticity, in its order of operations."""
    if unit == "mdeg":
        return value / (10.0 * (path * conc))
    if unit == "delta-epsilon":
        return value * 3300.0
    return value


def expected_load(points, unit, path, conc, ht_max):
    ordered = sorted(points, key=lambda p: p[0])
    start = 0
    while ordered[start][2] is not None and ordered[start][2] > ht_max:
        start += 1
    kept = ordered[start:]
    step = (kept[-1][0] - kept[0][0]) / (len(kept) - 1)
    while abs(kept[0][0] - round(kept[0][0])) >= 1e-3:
        kept = kept[1:]
    first = round(kept[0][0])
    last = first + math.floor(kept[-1][0] - kept[0][0] + 1e-6)
    value = next(convert(v, unit, path, conc) for w, v, _ in kept if w == 222.0)
    return first, last, last - first + 1, value, step, start


# name, maker, kind, protein, SP175 code, unit in the file (program name), HT limit, notes
COLUMN_SAMPLES = [
    ("RIBA_JASCO.txt", make_jasco_tab, "JASCO (tab, decimal point, NPOINTS, HT)",
     "ribonuclease A", "RIBA", "mdeg", 600.0, "240 down to 175 nm, 1 nm"),
    ("OVAL_JASCO.csv", make_jasco_semicolon,
     "JASCO (\";\", decimal comma, Channel 1 CD and Channel 2 HT blocks)", "ovalbumin", "OVAL",
     "mdeg", 600.0, "175 to 240 nm, 1 nm"),
    ("INS_CHIRASCAN.csv", make_chirascan, "Chirascan ProDataCSV (3 repeats, HV block, 1 mm)",
     "insulin", "INS", "mdeg", 600.0, "240 down to 175 nm, 0.5 nm"),
    ("TPI_AVIV.dat", make_aviv, "Aviv .dat (2 scans, CD_Dynode)", "triose phosphate isomerase",
     "TPI", "mdeg", 500.0, "240 down to 175 nm, 1 nm"),
    ("SOD.gen", make_pcddb_gen, "PCDDB .gen (path 0.01 cm, MRW in the wrong cell)",
     "superoxide dismutase", "SOD", "delta-epsilon", 600.0, "240 down to 175 nm, 1 nm"),
    ("CAT.pcd", make_pcddb_pcd, "PCDDB .pcd (fixed-width header, DATA)", "catalase", "CAT",
     "delta-epsilon", 600.0, "240 down to 175 nm, 1 nm"),
    ("CHYM_PLAIN.csv", make_plain_csv, "plain columns (\",\", header names the unit)",
     "chymotrypsin", "CHYM", "mdeg", 600.0, "175 to 240 nm, 1 nm"),
    ("PK_PLAIN.txt", make_plain_txt, "plain columns (blanks, # comments, no unit stated)",
     "pyruvate kinase", "PK", "mre", 600.0, "175 to 240 nm, 1 nm"),
]
