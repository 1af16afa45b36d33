#!/usr/bin/env python3
"""Write the example spectrum files of samples/ from the SP175 reference spectra.

Usage:  python3 tools/make_samples.py [REFDATA]

REFDATA is the folder of the SP175/IDP175 reference sets (the folder holding
SP175/A.txt; the SP175 folder itself is accepted too).  Default:
../shared/refdata/sp175-idp175 relative to the repository root.

Every spectrum file holds one real protein spectrum of the SP175 set
(Lees, Miles, Wien & Wallace 2006), written in one of the file kinds and units
that TAVRELION 2000 reads: CD6 ASCII (molar ellipticity, Delta A, theta in
degrees, Delta epsilon), CDMAX ASCII, the tab-separated JCD file and the
program's own TVR file, and today's exports (JASCO text/CSV, Chirascan
ProDataCSV, Aviv .dat, PCDDB .gen and .pcd, plain columns; see
column_samples.py).  The instrument headers (dates, operator, settings)
are invented; the numbers the program uses are consistent with the data.

Besides the spectrum files the script writes samples/README.md,
samples/EXPECTED.tsv (what a correct load gives, for the tests) and
samples/LICENSE-DATA.  EXPECTED.tsv is computed by reading the bytes just
written back with the reader's rules (line and item reading, number of a
text, 1-nm grid, unit conversion), so a wrong position in a file shows up
as a failed self-check here rather than as a puzzling test failure later.

Standard library only; the output is the same bytes on every run.
"""

import os
import re
import sys
from decimal import Decimal
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import column_samples  # noqa: E402

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_REFDATA = os.path.join("..", "shared", "refdata", "sp175-idp175")
SAMPLES_DIR = os.path.join(REPO_ROOT, "samples")

# Wavelength range of the SP175 spectra: A.txt row 1 is 240 nm, row 66 is 175 nm.
REF_HIGH = 240
REF_LOW = 175

MRE_PER_DELTA_EPSILON = 3300  # deg.cm2/dmol per M-1 cm-1, the program's constant

# Unit labels of line 22 of a CD6 file (Latin-1 bytes, compared byte for byte).
CD6_UNIT_MOLAR_ELLIPTICITY = b"[\xe9]"
CD6_UNIT_DELTA_A = b"\x7fA"
CD6_UNIT_THETA_DEG = b"\xe9 (deg)"
CD6_UNIT_DELTA_EPSILON = b"\x7f\xee"

UNIT_NONE, UNIT_MOLAR, UNIT_DELTA_A, UNIT_THETA, UNIT_DELTA_EPS, UNIT_TVR = 0, 1, 2, 3, 4, 100

CDMAX_BLOCK_MARKER = "Block #1 parameters"
CDMAX_DATA_MARKER = "Spectrum #1 : Region 1 : Bloc 1 data:"

CRLF = b"\r\n"


# ---------------------------------------------------------------------------
# Reference data
# ---------------------------------------------------------------------------

def load_sp175(refdata):
    """Return {protein code: {wavelength: delta epsilon as Decimal}} of SP175."""
    folder = refdata
    if not os.path.isfile(os.path.join(folder, "A.txt")):
        folder = os.path.join(refdata, "SP175")
    with open(os.path.join(folder, "lbl2.txt"), encoding="ascii") as f:
        codes = [c.strip() for c in f.read().split("\t")]
    with open(os.path.join(folder, "A.txt"), encoding="ascii") as f:
        rows = [line.split("\t") for line in f.read().splitlines() if line.strip()]
    if len(rows) != REF_HIGH - REF_LOW + 1 or any(len(r) != len(codes) for r in rows):
        raise SystemExit(f"{folder}: A.txt does not have 66 rows of {len(codes)} columns")
    spectra = {}
    for j, code in enumerate(codes):
        spectra[code] = {REF_HIGH - i: Decimal(row[j].strip()) for i, row in enumerate(rows)}
    return spectra


def reference_points(spectrum, step):
    """Delta epsilon from 175 nm upwards at the given step (Decimal, 0.5 or a whole number).

    Half-nanometre points lie between two reference points and get the mean of
    the two (linear interpolation).
    """
    points = []
    wavelength = Decimal(REF_LOW)
    while wavelength <= REF_HIGH:
        if wavelength == wavelength.to_integral_value():
            points.append((wavelength, spectrum[int(wavelength)]))
        else:
            below = int(wavelength - Decimal("0.5"))
            points.append((wavelength, (spectrum[below] + spectrum[below + 1]) / 2))
        wavelength += step
    return points


# ---------------------------------------------------------------------------
# Number formatting
# ---------------------------------------------------------------------------

def fixed(value, places):
    """value (Decimal) with exactly `places` decimals; refuses to round."""
    quantum = Decimal(1).scaleb(-places)
    rounded = value.quantize(quantum)
    if rounded != value:
        raise ValueError(f"{value} needs more than {places} decimals")
    return format(rounded, "f")


def encode_lines(lines):
    """Join text lines (str, or bytes for raw Latin-1 content) with CR LF."""
    out = bytearray()
    for line in lines:
        out += line if isinstance(line, bytes) else line.encode("latin-1")
        out += CRLF
    return bytes(out)


# ---------------------------------------------------------------------------
# Reading back with the program's rules
# ---------------------------------------------------------------------------

_NUMBER = re.compile(r"[+-]?(?:\d+\.?\d*|\.\d+)(?:[EeDd][+-]?\d+)?")


def number_of(text):
    """The number of a text: its longest leading decimal number, blanks, tabs
    and line feeds skipped anywhere; 0 if it does not start with a number."""
    squeezed = text.replace(" ", "").replace("\t", "").replace("\n", "")
    m = _NUMBER.match(squeezed)
    if not m:
        return 0.0
    return float(m.group(0).replace("D", "E").replace("d", "e"))


def whole_of(text):
    """The whole of a text: its number rounded half to even into 16 bits."""
    value = round(number_of(text))
    if not -32768 <= value <= 32767:
        raise OverflowError(text)
    return value


def mid(text, start, length):
    """Characters start .. start+length-1 (1-based) of text, cut at its end."""
    return text[start - 1:start - 1 + length]


def tab_field(line):
    """The number of the field between the first and the last TAB of a line."""
    first = line.index("\t") + 1
    after_last = line[line.rindex("\t") + 1:]
    return number_of(mid(line, first, len(line) - len(after_last) - first))


class TextReader:
    """Line and item reading of a single-byte text file with CR LF line ends."""

    def __init__(self, data):
        self.text = data.decode("latin-1")
        self.pos = 0

    def _line_end(self):
        end = self.text.find("\r\n", self.pos)
        if end < 0:
            if self.pos >= len(self.text):
                raise EOFError("reading past the end of the file")
            end = len(self.text)
        return end

    def line(self):
        end = self._line_end()
        result = self.text[self.pos:end]
        self.pos = end + 2
        return result

    def item(self):
        end = self._line_end()
        while self.pos < end and self.text[self.pos] == " ":
            self.pos += 1
        if self.pos < end and self.text[self.pos] == '"':
            close = self.text.index('"', self.pos + 1)
            result = self.text[self.pos + 1:close]
            comma = self.text.find(",", close, end)
            self.pos = comma + 1 if comma >= 0 else end + 2
            return result
        comma = self.text.find(",", self.pos, end)
        if comma >= 0:
            result = self.text[self.pos:comma]
            self.pos = comma + 1
        else:
            result = self.text[self.pos:end]
            self.pos = end + 2
        return result


def convert(value, unit, cell_width, concentration):
    """Conversion of one value to mean residue ellipticity, in the program's order."""
    if unit == UNIT_DELTA_A:
        return (value * 3300) / (cell_width * concentration)
    if unit == UNIT_THETA:
        return (value * 100) / (cell_width * concentration)
    if unit == UNIT_DELTA_EPS:
        return value * 3300
    return value


def one_nm_grid(first, last, step, raw, unit, cell_width, concentration):
    """{wavelength: value} of the 1-nm grid built from the raw values."""
    grid = {}
    for i in range(1, last - first + 2):
        k = round((i - 1) / step + 1)
        value = raw[k - 1] if k <= len(raw) else 0.0
        grid[first + i - 1] = convert(value, unit, cell_width, concentration)
    return grid


def cd6_unit(label):
    raw = label.encode("latin-1")
    if raw in (CD6_UNIT_MOLAR_ELLIPTICITY, b"[=E9]"):
        return UNIT_MOLAR
    return {CD6_UNIT_DELTA_A: UNIT_DELTA_A, CD6_UNIT_THETA_DEG: UNIT_THETA,
            CD6_UNIT_DELTA_EPSILON: UNIT_DELTA_EPS}.get(raw, UNIT_NONE)


def read_cd6(data):
    r = TextReader(data)
    lines = [r.line() for _ in range(21)]
    assert "CD6" in lines[0] and lines[1] != "RUBISDATA2"
    unit = cd6_unit(r.item())
    for _ in range(23, 105):
        r.line()
    concentration = number_of(r.item())
    r.line(); r.line()
    cell_width = number_of(r.line())
    for _ in range(109, 118):
        r.line()
    first = whole_of(r.item())
    count = whole_of(r.item())
    step = number_of(r.item())
    for _ in range(121, 157):
        r.item()
    raw = [number_of(r.item()) for _ in range(count)]
    last = first + int(step * (count - 1) // 1)
    return dict(first=first, last=last, step=step, raw=raw, unit=unit,
                cell_width=cell_width, concentration=concentration,
                needs_dialog=unit != UNIT_MOLAR)


def read_cdmax(data):
    r = TextReader(data)
    assert data.split(CRLF)[1] == b"RUBISDATA2"
    for _ in range(23):
        r.item()
    first = whole_of(r.item())
    r.item()
    step = number_of(r.item())
    count = whole_of(r.item())
    while CDMAX_BLOCK_MARKER not in r.line():
        pass
    code = number_of(r.item()[:4])
    assert code == 144, code
    while CDMAX_DATA_MARKER not in r.line():
        pass
    raw = []
    for _ in range(count):
        line = r.line().replace(",", ".")
        hash_pos = line.rfind("#") + 1
        if hash_pos >= 3:
            line = line[:hash_pos - 1]
        raw.append(number_of(line))
    last = first + int(step * (count - 1) // 1)
    return dict(first=first, last=last, step=step, raw=raw, unit=UNIT_MOLAR,
                cell_width=0.0, concentration=0.0, needs_dialog=False)


def read_jcd(data):
    r = TextReader(data)
    header = [r.line() for _ in range(23)]
    unit = UNIT_NONE
    for line in header:
        if "Mol. Ellip." in line and "Data mode" in line:
            unit = UNIT_MOLAR
        elif "CD" in line and "Data mode" in line:
            unit = UNIT_DELTA_EPS
    assert unit == UNIT_MOLAR
    last = whole_of(mid(header[13], 8, 4))
    first = whole_of(mid(header[14], 7, 4))
    step = number_of(mid(header[15], 15, 20))
    concentration = tab_field(header[4])
    cell_width = tab_field(header[3])
    # every point from the highest wavelength down to the lowest, both ends included
    count = round((last - first) / step) + 1
    raw = [0.0] * count
    for n in range(1, count + 1):
        raw[count - n] = tab_field(r.line())
    return dict(first=first, last=last, step=step, raw=raw, unit=UNIT_MOLAR,
                cell_width=cell_width, concentration=concentration, needs_dialog=False)


def read_tvr(data):
    r = TextReader(data)
    r.line()
    count = whole_of(r.item())
    r.item()
    pairs = [(whole_of(r.item()), number_of(r.item())) for _ in range(count)]
    return dict(first=pairs[0][0], last=pairs[-1][0], grid=dict(pairs), needs_dialog=False)


def expected_load(kind, data):
    """(first, last, point count, grid, needs dialog) that a correct load gives."""
    if kind == "TVR":
        loaded = read_tvr(data)
        return loaded["first"], loaded["last"], len(loaded["grid"]), loaded["grid"], False
    loaded = {"CD6": read_cd6, "CDMAX": read_cdmax, "JCD": read_jcd}[kind](data)
    grid = one_nm_grid(loaded["first"], loaded["last"], loaded["step"], loaded["raw"],
                       loaded["unit"], loaded["cell_width"], loaded["concentration"])
    return loaded["first"], loaded["last"], len(grid), grid, loaded["needs_dialog"]


# ---------------------------------------------------------------------------
# CD6 ASCII files
# ---------------------------------------------------------------------------

def cd6_file(sample, comment, unit_label, unit_text, concentration, cell_width,
             step, values, date, time):
    """A CD6 ASCII export: a 156-line header, then one value per line.

    `values` are the texts of the values in ascending wavelength order from
    175 nm; `concentration`, `cell_width` and `step` are texts.
    """
    header = {
        1: "CD6 Spectrodichrograph - ASCII export",
        2: f"Sample: {sample}",
        3: f"Comment: {comment}",
        4: f"Date: {date}",
        5: f"Time: {time}",
        6: "Operator: demo",
        7: "Instrument: CD6 no. 0417",
        8: "Acquisition software: 2.3",
        9: "Mode: CD",
        10: "Bandwidth (nm): 2",
        11: "Time constant (s): 1",
        12: "Scan speed (nm/min): 30",
        13: "Accumulations: 4",
        14: "Temperature (\xb0C): 20.0",
        15: "Sensitivity: auto",
        16: "Baseline: buffer subtracted",
        17: "Smoothing: none",
        18: "Lamp: Xe 150 W",
        19: "Nitrogen flow (l/min): 3",
        20: "Calibration: camphorsulfonic acid 290.5 nm",
        21: f"Y unit: {unit_text}",
        22: unit_label,
        23: "[Acquisition]",
        24: "Scan direction: descending",
        25: "PM high voltage: auto",
        26: "Modulator: 50 kHz",
        27: "Slit program: constant bandwidth",
        28: "Data interval (nm): " + step,
        29: "Dead time (s): 0",
        30: "Lamp hours: 1286",
        31: "[Sample]",
        32: "Buffer: 10 mM sodium phosphate pH 7.0",
        33: "Cell holder: thermostatted",
        101: "[Quantities]",
        102: "Concentration unit: mol/l of residues",
        103: "Concentration method: absorbance at 280 nm",
        104: "Residue concentration (M):",
        105: concentration,
        106: "Cell: quartz Suprasil",
        107: "Cell width (cm):",
        108: cell_width,
        109: "[Processing]",
        110: "Baseline file: BUFFER",
        111: "Zero offset: none",
        112: "Noise reduction: none",
        113: "[Spectrum]",
        114: "Spectra in file: 1",
        115: "Data order: ascending wavelength",
        116: "One value per line after the header",
        117: "First wavelength (nm) - number of points - step (nm):",
        118: str(REF_LOW),
        119: str(len(values)),
        120: step,
        121: "Last wavelength (nm): " + format(REF_LOW + (len(values) - 1) * Decimal(step), "f"),
        122: "Y scale: auto",
        156: "Data:",
    }
    lines = []
    for number in range(1, 157):
        if number in header:
            lines.append(header[number])
        else:
            lines.append(f"Parameter {number:03d}: not used")
    for number in list(range(1, 22)) + list(range(23, 157)):
        assert "," not in lines[number - 1] and '"' not in lines[number - 1], number
    return encode_lines(lines + values)


def make_lyso_asc(spectra):
    points = reference_points(spectra["LYS"], Decimal(1))
    values = [fixed(de * MRE_PER_DELTA_EPSILON, 2) for _, de in points]
    return cd6_file("Lysozyme", "SP175 reference spectrum LYS", CD6_UNIT_MOLAR_ELLIPTICITY,
                    "molar ellipticity (deg.cm2/dmol)", "0.0008", "0.1", "1", values,
                    "12/03/1999", "10:42:17")


def make_myog_da(spectra):
    concentration, cell_width = Decimal("0.0005"), Decimal("0.1")
    points = reference_points(spectra["MBH"], Decimal(1))
    values = [fixed(de * cell_width * concentration, 8) for _, de in points]
    return cd6_file("Myoglobin", "SP175 reference spectrum MBH", CD6_UNIT_DELTA_A,
                    "Delta A", str(concentration), str(cell_width), "1", values,
                    "15/03/1999", "09:05:48")


def make_cona_th(spectra):
    concentration, cell_width = Decimal("0.002"), Decimal("0.05")
    points = reference_points(spectra["CONA"], Decimal("0.5"))
    factor = Decimal(MRE_PER_DELTA_EPSILON) / 100 * cell_width * concentration
    values = [fixed(de * factor, 8) for _, de in points]
    return cd6_file("Concanavalin A", "SP175 reference spectrum CONA", CD6_UNIT_THETA_DEG,
                    "theta (deg)", str(concentration), str(cell_width), "0.5", values,
                    "16/03/1999", "16:20:03")


def make_hsa_de(spectra):
    points = reference_points(spectra["HSA"], Decimal(2))
    values = [fixed(de, 3) for _, de in points]
    return cd6_file("Human serum albumin", "SP175 reference spectrum HSA",
                    CD6_UNIT_DELTA_EPSILON, "Delta epsilon (M-1 cm-1)", "0.0007", "0.1", "2",
                    values, "17/03/1999", "11:37:52")


# ---------------------------------------------------------------------------
# CDMAX ASCII file
# ---------------------------------------------------------------------------

# Header of the CDMAX file: one entry per line, each a list of (item, meaning).
CDMAX_HEADER = [
    [("CDMAX spectrum file", "file title")],
    [("RUBISDATA2", "format tag")],
    [("UBIQ", "sample name")],
    [("Ubiquitin in 10 mM phosphate pH 7.0", "comment")],
    [("18/03/1999", "date"), ("14:05:33", "time")],
    [("demo", "operator")],
    [("CD6", "instrument")],
    [("CD", "measurement mode")],
    [("2.0", "bandwidth (nm)"), ("1.0", "time constant (s)"), ("30", "scan speed (nm/min)"),
     ("4", "accumulations")],
    [("20.0", "temperature (C)"), ("0.1", "cell width (cm)"),
     ("0.0006", "residue concentration (M)")],
    [("76", "residues"), ("8565", "molecular mass (Da)")],
    [("buffer subtracted", "baseline")],
    [("0", "smoothing points")],
    [("1", "blocks"), ("1", "regions"), ("1", "spectra")],
    [(str(REF_LOW), "first wavelength (nm)"), (str(REF_HIGH), "last wavelength (nm)"),
     ("1", "step (nm)"), (str(REF_HIGH - REF_LOW + 1), "number of points")],
]

CDMAX_TRAILER = [
    "Region 1 : 175 - 240 nm",
    CDMAX_BLOCK_MARKER,
    "144,Molar ellipticity (deg.cm2/dmol)",
    "Block #1 : 66 points",
    CDMAX_DATA_MARKER,
]

# Data lines written with a decimal comma, or with a trailing comment.
CDMAX_DECIMAL_COMMA = {190, 191, 192, 193, 194, 210}
CDMAX_COMMENTS = {175: "HT above 600 V", 176: "HT above 600 V", 177: "HT above 600 V",
                  210: "re-measured"}


def make_ubiq_cdmax(spectra):
    items = [item for line in CDMAX_HEADER for item, _ in line]
    assert len(items) == 27 and items[1] == "RUBISDATA2"
    lines = [",".join(item for item, _ in line) for line in CDMAX_HEADER] + CDMAX_TRAILER
    for wavelength, de in reference_points(spectra["UBIQ"], Decimal(1)):
        text = fixed(de * MRE_PER_DELTA_EPSILON, 2)
        if int(wavelength) in CDMAX_DECIMAL_COMMA:
            text = text.replace(".", ",")
        if int(wavelength) in CDMAX_COMMENTS:
            text += " # " + CDMAX_COMMENTS[int(wavelength)]
        lines.append(text)
    return encode_lines(lines)


# ---------------------------------------------------------------------------
# JCD file
# ---------------------------------------------------------------------------

def ht_voltage(wavelength):
    """A plausible photomultiplier voltage, rising towards short wavelengths."""
    return Fraction(150) + Fraction(5000) / (Fraction(wavelength) - 165)


def make_cytc_jcd(spectra):
    points = reference_points(spectra["CYTC"], Decimal(1))
    mre = {int(w): de * MRE_PER_DELTA_EPSILON for w, de in points}
    header = [
        "TITLE\tCytochrome c",
        "DATA TYPE\tCIRCULAR DICHROISM",
        "ORIGIN\tdemo",
        "PATH LENGTH\t0.1\tcm",
        "CONCENTRATION\t0.0006\tmol/l",
        "DATE\t99/03/19",
        "TIME\t15:12:40",
        "SAMPLE\tSP175 reference spectrum CYTC",
        "Data mode\tMol. Ellip.",
        "RESOLUTION\t",
        "XUNITS\tNANOMETERS",
        "YUNITS\tMol. Ellip. (deg cm2 dmol-1)",
        "Y2UNITS\tHT [V]",
        f"FIRSTX\t{REF_HIGH:.3f}",
        f"LASTX\t{REF_LOW:.3f}",
        "DATA INTERVAL\t1.000000",
        f"NPOINTS\t{len(points)}",
        f"FIRSTY\t{fixed(mre[REF_HIGH], 4)}",
        f"MAXY\t{fixed(max(mre.values()), 4)}",
        f"MINY\t{fixed(min(mre.values()), 4)}",
        "BANDWIDTH\t1.0\tnm",
        "ACCUMULATIONS\t4",
        "XYDATA",
    ]
    assert len(header) == 23
    # Positions the reader takes its header values from.
    assert mid(header[13], 8, 4) == "240." and mid(header[14], 7, 4) == "175."
    assert mid(header[15], 15, 20) == "1.000000"
    data = []
    for wavelength in range(REF_HIGH, REF_LOW - 1, -1):
        ht = float(ht_voltage(wavelength))
        data.append(f"{wavelength:.1f}\t{fixed(mre[wavelength], 4)}\t{ht:.1f}")
    return encode_lines(header + data)


# ---------------------------------------------------------------------------
# TVR file
# ---------------------------------------------------------------------------

def make_lyso_tvr(spectra):
    points = reference_points(spectra["LYS"], Decimal(1))
    lines = ["Lysozyme - SP175 reference spectrum LYS",
             f"{len(points)},Molar ellipticity"]
    lines += [f"{int(w)},{fixed(de * MRE_PER_DELTA_EPSILON, 1)}" for w, de in points]
    return encode_lines(lines)


# ---------------------------------------------------------------------------
# The set of samples, README, EXPECTED.tsv, LICENSE-DATA
# ---------------------------------------------------------------------------

# name, kind, maker, protein, code, unit, step text, header parameters, note
SAMPLES = [
    ("LYSO.ASC", "CD6", make_lyso_asc, "lysozyme", "LYS", "molar ellipticity (deg.cm2/dmol)",
     "1 nm, 66 values", "none asked (concentration 0.0008 M and cell 0.1 in the header)", ""),
    ("MYOG_DA.ASC", "CD6", make_myog_da, "myoglobin", "MBH", "Delta A",
     "1 nm, 66 values", "residue concentration 0.0005 M, cell width 0.1", ""),
    ("CONA_TH.ASC", "CD6", make_cona_th, "concanavalin A", "CONA", "theta (degrees)",
     "0.5 nm, 131 values", "residue concentration 0.002 M, cell width 0.05",
     "half-nm values interpolated linearly between the 1-nm reference points"),
    ("HSA_DE.ASC", "CD6", make_hsa_de, "human serum albumin", "HSA", "Delta epsilon",
     "2 nm, 33 values (175, 177 ... 239 nm)",
     "residue concentration 0.0007 M, cell width 0.1 (not used by this unit)",
     "every other reference point"),
    ("UBIQ.ASC", "CDMAX", make_ubiq_cdmax, "ubiquitin", "UBIQ",
     "molar ellipticity (unit code 144)", "1 nm, 66 values", "none asked", ""),
    ("CYTC.JCD", "JCD", make_cytc_jcd, "cytochrome c", "CYTC", "molar ellipticity",
     "1 nm, 66 data lines from 240 down to 175 nm", "none asked", ""),
    ("LYSO.TVR", "TVR", make_lyso_tvr, "lysozyme", "LYS", "molar ellipticity",
     "1 nm, 66 pairs", "none asked", ""),
]


def load_note(grid, spectra, code):
    """What is unusual about the loaded grid: where its 222-nm value comes from
    (checked against the reference spectrum) and a trailing 0 point."""
    reference = {w: float(de * MRE_PER_DELTA_EPSILON) for w, de in spectra[code].items()}
    value = grid[222]
    nearest_first = sorted(range(REF_LOW, REF_HIGH + 1), key=lambda w: abs(w - 222))
    source = next(w for w in nearest_first
                  if abs(reference[w] - value) <= 1e-12 * abs(reference[w]))
    notes = []
    if source != 222:
        notes.append(f"the 222-nm grid point holds the {source}-nm reference value")
    last = max(grid)
    if grid[last] == 0.0 and reference.get(last, 1.0) != 0.0:
        notes.append(f"grid point {last} nm is 0 (no value behind it)")
    return "; ".join(notes)


def readme_text(rows):
    out = []
    w = out.append
    w("# Example spectrum files")
    w("")
    w("Real protein far-UV CD spectra from the SP175 reference set, written in every file kind and")
    w("unit that TAVRELION 2000 reads. They are made by `tools/make_samples.py` from the")
    w("reference-data folder (`python3 tools/make_samples.py [REFDATA]`, default")
    w("`../shared/refdata/sp175-idp175` beside the repository); running it again gives the same bytes.")
    w("")
    w("The spectra are the SP175 Δε values (M⁻¹ cm⁻¹ per residue, 240 to 175 nm in 1-nm steps),")
    w("turned exactly into the unit of each file: mean residue ellipticity = Δε × 3300")
    w("(deg.cm²/dmol); Delta A = Δε × cell width × concentration; theta (deg) =")
    w("Δε × 33 × cell width × concentration, so that the program's conversion with the header's cell")
    w("width and concentration gives back the mean residue ellipticity. The instrument headers")
    w("(dates, operator, settings) are invented. All files are Latin-1 bytes with CR LF line ends.")
    w("")
    w("## The files")
    w("")
    w("| File | Kind | Protein (SP175 column) | Unit in the file | Step | Conversion dialog |")
    w("|---|---|---|---|---|---|")
    for r in rows:
        w(f"| `{r['file']}` | {r['kind']} | {r['protein']} ({r['code']}) | {r['unit']} | "
          f"{r['step']} | {r['dialog']} |")
    w("")
    w("The three CD6 files not in molar ellipticity open the dialog \"Parameter settings to convert")
    w("data in mean residue molecular ellipticity\" pre-filled from the header; accept it with")
    w("&Valid as it stands (the boxes show the values as ` .0005` and ` .1` and so on). The cell")
    w("width in these headers is in centimetres, the unit the Delta A and theta values were worked")
    w("out with; the program uses the number as it stands, whatever the dialog's label says.")
    w("`CONA_TH.ASC` has values at half-nanometre points: these lie between two 1-nm reference")
    w("points and are their mean (linear interpolation); the whole-nanometre values are the")
    w("reference values. `HSA_DE.ASC` holds every other reference point, from 175 to 239 nm.")
    w("")
    w("## What a correct load gives")
    w("")
    w("First and last wavelength and number of points of the 1-nm grid, and the grid value at 222 nm")
    w("in deg.cm²/dmol (to 0.01; full precision in `EXPECTED.tsv`).")
    w("")
    w("| File | First | Last | Points | Value at 222 nm | Note |")
    w("|---|---|---|---|---|---|")
    for r in rows:
        if r.get("column"):
            continue
        w(f"| `{r['file']}` | {r['first']} | {r['last']} | {r['count']} | {r['value']:.2f} | "
          f"{r['note']} |")
    w("")
    column_rows = [r for r in rows if r.get("column")]
    w("### Today's exports")
    w("")
    w("These files are recognised by their content. Their values are turned into mean residue")
    w("ellipticity as they are read; the conversion dialog names the file and the unit found, and")
    w("is answered as the last columns say (`-`: as the dialog offers it, from the file's header).")
    w("The HT cut-off (600 V, Aviv 500 V) drops the short-wavelength points whose HT is above it.")
    w("")
    w("| File | Kind | Protein (SP175 column) | Unit | Wavelengths | Dialog: unit, path (cm), "
      "residue M | HT cut | First | Last | Points | Value at 222 nm |")
    w("|---|---|---|---|---|---|---|---|---|---|---|")
    for r in column_rows:
        w(f"| `{r['file']}` | {r['kind']} | {r['protein']} ({r['code']}) | {r['unit']} | "
          f"{r['step']} | {', '.join(r['dialog'])} | {r['cut']} | {r['first']} | {r['last']} | "
          f"{r['count']} | {r['value']:.2f} |")
    w("")
    w("The grid of these kinds runs from the first whole nanometre kept to the last value (no")
    w("extra point); a 0.5-nm file gives every other value to the 1-nm grid. Values in mdeg were")
    w("written as Δε × 3300 × 10 × path × concentration; Chirascan repeats differ by ±0.05 mdeg and")
    w("Aviv scans by ±0.02 mdeg, so that their mean is the reference value.")
    w("")
    w("How the grid is built from the header (CD6 and CDMAX): it runs from the first wavelength to")
    w("the last value's wavelength, last = first + floor(step × (number of values − 1)); points =")
    w("last − first + 1; grid point i (from 1) takes raw value k = (i − 1) / step + 1 rounded half to")
    w("even, so every grid point stands on a value of the file. A 1-nm file of 66 values from 175 nm")
    w("gives 175 to 240 nm, 66 points; the 0.5-nm file of 131 values gives 175 to 240 nm, 66 points;")
    w("the 2-nm file of 33 values gives 175 to 239 nm, 65 points, where each odd-nm point takes the")
    w("value of a neighbour: at 222 nm k = 24.5 rounds to 24, the value measured at 221 nm.")
    w("")
    w("JCD: first and last wavelength come from the header (175 and 240), points = 66; the reader")
    w("takes round((240 − 175) / 1) + 1 = 66 data lines, from 240 down to 175 nm, so every value")
    w("stands at the wavelength it was listed at and the grid has no extra point.")
    w("")
    w("TVR: the pairs as listed (175 to 240 nm, 66 points), values not converted.")
    w("")
    w("`EXPECTED.tsv` has one row per file, tab-separated: `file`, `first_wavelength`,")
    w("`last_wavelength`, `point_count`, `value_at_222` (the grid value at 222 nm after conversion,")
    w("as the shortest decimal text that reads back to the same double), `needs_dialog` (1 when")
    w("loading shows a conversion dialog), then how the conversion dialog of today's kinds is")
    w("answered: `dialog_unit` (a batch unit name), `dialog_path_cm`, `dialog_residue_molar` (`-`:")
    w("as offered). The generator computes the classic rows by reading its own output back with")
    w("the reader's rules, and the rows of today's kinds from the numbers it wrote, laid on the")
    w("grid as the reader does (ascending, HT cut-off, first whole nanometre).")
    w("")
    w("## File layouts")
    w("")
    w("### CD6 ASCII (`.ASC`, line 1 contains `CD6`)")
    w("")
    w("One value per numbered line. Lines that the reader reads as comma-separated items (22, 105,")
    w("118 to 156 and the data) hold one item each and no commas; the other header lines are")
    w("free text (they hold no commas either).")
    w("")
    w("| Line | Content |")
    w("|---|---|")
    w("| 1 | `CD6 Spectrodichrograph - ASCII export` |")
    w("| 2–21 | sample, comment, date, time, instrument settings; line 14 has a ° (byte B0) |")
    w("| 22 | unit label, exactly: bytes `5B E9 5D` molar ellipticity, `7F 41` Delta A, "
      "`E9` + ` (deg)` theta in degrees, `7F EE` Delta epsilon |")
    w("| 23–104 | further settings and `Parameter NNN: not used` lines |")
    w("| 105 | residue concentration (mol/l) |")
    w("| 106–107 | text |")
    w("| 108 | cell width (cm) |")
    w("| 109–117 | text |")
    w("| 118 | first wavelength, 175 |")
    w("| 119 | number of values |")
    w("| 120 | step (nm): 1, 0.5 or 2 |")
    w("| 121–155 | text; 121 gives the last wavelength of the data |")
    w("| 156 | `Data:` |")
    w("| 157 … | one value per line, ascending wavelength from 175 nm, plain decimals |")
    w("")
    w("### CDMAX ASCII (`.ASC`, line 2 exactly `RUBISDATA2`)")
    w("")
    w("The header is a run of comma-separated items read from the start of the file; items 1–23 are")
    w("kept, 24 is the first wavelength, 25 the last (not used), 26 the step, 27 the number of")
    w("points. `UBIQ.ASC` lays them out as follows:")
    w("")
    w("| Line | Text | Items | Meaning |")
    w("|---|---|---|---|")
    number = 1
    for index, line in enumerate(CDMAX_HEADER, start=1):
        span = f"{number}" if len(line) == 1 else f"{number}–{number + len(line) - 1}"
        text = ",".join(item for item, _ in line)
        w(f"| {index} | `{text}` | {span} | {', '.join(m for _, m in line)} |")
        number += len(line)
    trailer_meaning = ["skipped", "start of the block parameters",
                       "unit code 144 (first four characters of the item): molar ellipticity",
                       "skipped", "the data follow"]
    for index, (text, meaning) in enumerate(zip(CDMAX_TRAILER, trailer_meaning),
                                            start=len(CDMAX_HEADER) + 1):
        w(f"| {index} | `{text}` | | {meaning} |")
    w(f"| {len(CDMAX_HEADER) + len(CDMAX_TRAILER) + 1} … | | | "
      "one value per line, ascending from 175 nm |")
    w("")
    w("Some data lines exercise the reader's cleaning of data lines: "
      + ", ".join(f"{x} nm" for x in sorted(CDMAX_DECIMAL_COMMA))
      + " use a decimal comma; "
      + ", ".join(f"{x} nm" for x in sorted(CDMAX_COMMENTS))
      + " carry a trailing ` # comment` (210 nm has both).")
    w("")
    w("### JCD (`.JCD`, tab-separated)")
    w("")
    w("23 header lines of `LABEL TAB value [TAB unit]`, then one line per point from the highest")
    w("wavelength down: `wavelength TAB value TAB HT voltage`; the reader takes the field between")
    w("the first and the last TAB. Positions the reader uses:")
    w("")
    w("| Line | Text | Read |")
    w("|---|---|---|")
    w("| 4 | `PATH LENGTH` TAB `0.1` TAB `cm` | cell width = 0.1 (cm) |")
    w("| 5 | `CONCENTRATION` TAB `0.0006` TAB `mol/l` | residue concentration |")
    w("| 9 | `Data mode` TAB `Mol. Ellip.` | data in molar ellipticity |")
    w("| 14 | `FIRSTX` TAB `240.000` | characters 8–11, `240.`: highest wavelength |")
    w("| 15 | `LASTX` TAB `175.000` | characters 7–10, `175.`: lowest wavelength |")
    w("| 16 | `DATA INTERVAL` TAB `1.000000` | characters 15–34: step |")
    w("| 24 … | `240.0` TAB value TAB HT | 66 data lines, 240 down to 175 nm |")
    w("")
    w("### TVR (the program's own format)")
    w("")
    w("Line 1 a title; line 2 `66,Molar ellipticity` (count and unit label); then one pair")
    w("`wavelength,value` per line, ascending from 175 nm, values in deg.cm²/dmol with a point.")
    w("")
    w("## Data licence and citation")
    w("")
    w("The spectra come from the SP175 reference set as distributed with the PCDDB group's")
    w("DichroIDP (github.com/pcddb/DichroIDPs, `Datasets/SP175`), MIT licence, Copyright (c) 2022")
    w("PCDDB; the licence text is in `LICENSE-DATA`. Please cite:")
    w("")
    w("- Lees J.G., Miles A.J., Wien F. & Wallace B.A. (2006) A reference database for circular")
    w("  dichroism spectroscopy covering fold and secondary structure space. Bioinformatics 22,")
    w("  1955–1962.")
    w("- Miles A.J., Drew E.D. & Wallace B.A. (2023) Communications Biology (DichroIDP; the IDP175")
    w("  set). doi:10.1038/s42003-023-05178-2")
    w("")
    return "\n".join(out)


CITATIONS = """\

The example spectra in this folder are derived from the SP175 reference set
(Datasets/SP175 of github.com/pcddb/DichroIDPs), distributed under the MIT
licence above. Please cite:

  Lees J.G., Miles A.J., Wien F. & Wallace B.A. (2006) A reference database
  for circular dichroism spectroscopy covering fold and secondary structure
  space. Bioinformatics 22, 1955-1962.

  Miles A.J., Drew E.D. & Wallace B.A. (2023) Communications Biology
  (DichroIDP; the IDP175 set). doi:10.1038/s42003-023-05178-2
"""


def license_text(refdata):
    for folder in (refdata, os.path.dirname(os.path.normpath(refdata))):
        path = os.path.join(folder, "LICENSE")
        if os.path.isfile(path):
            with open(path, encoding="utf-8", newline="") as f:
                text = f.read().replace("\r\n", "\n")
            return text.rstrip("\n") + "\n" + CITATIONS
    raise SystemExit(f"{refdata}: no LICENSE file beside the reference data")


def write(name, data):
    with open(os.path.join(SAMPLES_DIR, name), "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) > 2:
        raise SystemExit(__doc__)
    refdata = argv[1] if len(argv) == 2 else os.path.join(REPO_ROOT, DEFAULT_REFDATA)
    spectra = load_sp175(refdata)
    os.makedirs(SAMPLES_DIR, exist_ok=True)

    rows = []
    for name, kind, maker, protein, code, unit, step, dialog, note in SAMPLES:
        data = maker(spectra)
        write(name, data)
        first, last, count, grid, needs_dialog = expected_load(kind, data)
        note_on_load = load_note(grid, spectra, code)
        rows.append(dict(file=name, kind=kind, protein=protein, code=code, unit=unit,
                         step=step + ("; " + note if note else ""), dialog=dialog,
                         first=first, last=last, count=count, value=grid[222],
                         needs_dialog=int(needs_dialog), note=note_on_load))

    for (name, maker, kind, protein, code, unit, ht_max, waves) in column_samples.COLUMN_SAMPLES:
        data, points, dialog = maker(spectra)
        write(name, data)
        path = float(dialog[1]) if dialog[1] != "-" else 0.1
        conc = float(dialog[2]) if dialog[2] != "-" else 0.0
        first, last, count, value, step, cut = column_samples.expected_load(
            points, unit, path, conc, ht_max)
        rows.append(dict(file=name, kind=kind, protein=protein, code=code, unit=unit,
                         step=waves, dialog=dialog, first=first, last=last, count=count,
                         value=value, needs_dialog=int(unit != "mre" or dialog[0] != "-"),
                         column=True, cut=f"{cut} point(s) above {ht_max:g} V"))

    tsv = ["file\tfirst_wavelength\tlast_wavelength\tpoint_count\tvalue_at_222\tneeds_dialog"
           "\tdialog_unit\tdialog_path_cm\tdialog_residue_molar"]
    for r in rows:
        dialog = r["dialog"] if r.get("column") else ("-", "-", "-")
        tsv.append(f"{r['file']}\t{r['first']}\t{r['last']}\t{r['count']}\t"
                   f"{r['value']!r}\t{r['needs_dialog']}\t" + "\t".join(dialog))
    write("EXPECTED.tsv", ("\n".join(tsv) + "\n").encode("ascii"))
    write("README.md", readme_text(rows).encode("utf-8"))
    write("LICENSE-DATA", license_text(refdata).encode("utf-8"))

    for r in rows:
        print(f"{r['file']:<12} {r['first']} {r['last']} {r['count']:>3} {r['value']!r}")


if __name__ == "__main__":
    main(sys.argv)
