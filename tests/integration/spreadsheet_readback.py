#!/usr/bin/python3
"""Reads the demo file's spreadsheet exports back with the programs users open
them with, and compares every cell with the text export of the same series
and style.

    spreadsheet_readback.py GAUGDATA_CLI DEMO_FILE

gaugdata-cli writes the demo file as text, .xls, .xlsx and .csv (both
layouts). Then:

* .xls:  python3-xlrd without an encoding override (the file names its code
         page), and pandas' format detection must call it "xls";
* .xlsx: openpyxl, and pandas.read_excel;
* .csv:  pandas.read_csv(parse_dates=["time"]), and with sep=";" and
         decimal="," for the --csv-excel-de layout;
* .xls and .xlsx: LibreOffice headless converts both to CSV in one run; the
         DATE and TIME columns must come out as dates and times, formatted
         as the text export shows them, and both files must give the same
         table.

Exit codes: 0 all cells agree, 1 a difference (printed), 77 a reader is
missing (the test is skipped).
"""
import csv
import datetime
import math
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77

try:
    import openpyxl
    import pandas as pd
    import xlrd
    from pandas.io.excel._base import inspect_excel_format
except ImportError as e:
    print("reader missing: %s" % e)
    sys.exit(SKIP)

SERIES = [3, 1, 2, 4, 5, 6]  # not in file order: series numbers must follow the choice
HEADER_RULE = ":" * 36

failures = []


def fail(message):
    failures.append(message)
    if len(failures) <= 30:
        print("FAIL: " + message)


def number(text):
    """The value of a number cell of the text export (decimal comma), or None."""
    t = text.strip()
    if t.startswith("+"):
        t = t[1:]
    try:
        return float(t.replace(",", "."))
    except ValueError:
        return None


def text_date(text):
    return datetime.datetime.strptime(text.strip(), "%d.%m.%Y").date()


def text_time(text):
    return datetime.datetime.strptime(text.strip(), "%H:%M:%S").time()


class Row:
    def __init__(self, kind, cells, names=None, series=None):
        self.kind = kind  # "label", "head" or "values"
        self.cells = cells
        self.names = names  # the headline of a value row
        self.series = series


def read_text_export(path):
    """The sheet the text export stands for: one row per line."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    rows = []
    names = None
    series_index = -1
    for line in lines:
        if line == HEADER_RULE:
            series_index += 1
            names = None
        if line.startswith("\\*"):
            names = [n.strip() for n in line[2:].split("\t")[:-1]]
            rows.append(Row("head", names))
        elif names is not None and "\t" in line and not line.startswith("\\"):
            rows.append(Row("values", line.split("\t")[:-1], names, SERIES[series_index]))
        else:
            if line.startswith("\\END"):
                names = None
            rows.append(Row("label", [line]))
    return rows


def close(a, b, tolerance=1e-9):
    return abs(a - b) <= tolerance * max(1.0, abs(b))


def check_value(where, name, text, cell, tolerance=1e-9):
    """A cell read back as Python value against the text export's cell text."""
    if name == "DATE":
        got = cell.date() if isinstance(cell, datetime.datetime) else cell
        if got != text_date(text):
            fail("%s: DATE %r read back as %r" % (where, text, cell))
        return
    if name == "TIME":
        got = cell.time() if isinstance(cell, datetime.datetime) else cell
        if got != text_time(text):
            fail("%s: TIME %r read back as %r" % (where, text, cell))
        return
    value = number(text)
    if value is None:
        # Invalid and missing values (" ???", "------", the channel letter) have no cell.
        if cell not in (None, "") and cell != text.strip():
            fail("%s: %s %r read back as %r" % (where, name, text, cell))
    elif not isinstance(cell, (int, float)) or not close(float(cell), value, tolerance):
        fail("%s: %s %r read back as %r" % (where, name, text, cell))


def compare_sheet(reader, expected, rows):
    """rows: the read sheet as lists of Python values (None for empty)."""
    # Rows missing at the end must be empty ones (pandas drops trailing empty rows).
    for i, row in enumerate(expected):
        got = list(rows[i]) if i < len(rows) else []
        got += [None] * (max(len(row.cells), 1) + 1 - len(got))
        where = "%s row %d" % (reader, i + 1)
        if row.kind == "label":
            if (got[0] or "") != row.cells[0][:255]:
                fail("%s: label %r read back as %r" % (where, row.cells[0], got[0]))
        elif row.kind == "head":
            for j, name in enumerate(row.cells):
                if (got[j] or "") != name:
                    fail("%s: heading %r read back as %r" % (where, name, got[j]))
        else:
            for j, text in enumerate(row.cells):
                check_value(where, row.names[j], text, got[j])
        if any(c not in (None, "") for c in got[max(len(row.cells), 1):]):
            fail("%s: cells beyond the text's columns: %r" % (where, got))
    for i in range(len(expected), len(rows)):
        if any(c not in (None, "") for c in rows[i]):
            fail("%s row %d: beyond the text export: %r" % (reader, i + 1, rows[i]))


def xlrd_rows(path):
    book = xlrd.open_workbook(path)  # no encoding override
    if book.encoding != "cp1252":
        fail("xlrd: the .xls names code page %r, not cp1252" % book.encoding)
    sheet = book.sheet_by_index(0)
    rows = []
    for r in range(sheet.nrows):
        row = []
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_DATE:
                t = xlrd.xldate_as_tuple(cell.value, book.datemode)
                if t[0] == 0:
                    row.append(datetime.time(*t[3:]))
                else:
                    row.append(datetime.datetime(*t))
            elif cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                row.append(None)
            else:
                row.append(cell.value)
        rows.append(row)
    return rows


def pandas_excel_rows(path):
    frame = pd.read_excel(path, header=None)
    rows = []
    for values in frame.itertuples(index=False):
        row = []
        for v in values:
            if isinstance(v, float) and math.isnan(v):
                row.append(None)
            elif isinstance(v, pd.Timestamp):
                row.append(v.to_pydatetime())
            else:
                row.append(v)
        rows.append(row)
    return rows


def iso(row):
    d = text_date(row.cells[row.names.index("DATE")])
    t = text_time(row.cells[row.names.index("TIME")])
    return datetime.datetime.combine(d, t)


def compare_data_table(reader, expected, frame):
    values = [r for r in expected if r.kind == "values"]
    if list(frame.columns[:3]) != ["series", "channel", "time"]:
        fail("%s: first columns %r" % (reader, list(frame.columns[:3])))
    if str(frame["time"].dtype) != "datetime64[ns]":
        fail("%s: the time column reads as %s, not as dates" % (reader, frame["time"].dtype))
    if len(frame) != len(values):
        fail("%s: %d rows, the text export has %d value rows" % (reader, len(frame), len(values)))
    for i, (row, (_, got)) in enumerate(zip(values, frame.iterrows())):
        where = "%s row %d" % (reader, i + 2)
        if got["series"] != row.series:
            fail("%s: series %r, expected %r" % (where, got["series"], row.series))
        letter = row.cells[0].strip() if row.names[0] == "" else "A"
        if got["channel"] != letter:
            fail("%s: channel %r, expected %r" % (where, got["channel"], letter))
        if got["time"].to_pydatetime() != iso(row):
            fail("%s: time %r, expected %r" % (where, got["time"], iso(row)))
        for name in frame.columns[3:]:
            cell = got[name]
            cell = None if isinstance(cell, float) and math.isnan(cell) else cell
            if name in row.names:
                check_value(where, name, row.cells[row.names.index(name)], cell)
            elif cell is not None:
                fail("%s: %s has %r, the series has no such column" % (where, name, cell))


def libreoffice_rows(folder, books):
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        print("LibreOffice missing: its read-back is skipped")
        return None
    profile = "file://" + os.path.join(folder, "lo-profile")
    out = os.path.join(folder, "lo")
    subprocess.run(
        [soffice, "--headless", "-env:UserInstallation=" + profile, "--convert-to",
         "csv:Text - txt - csv (StarCalc):9,34,76,1", "--outdir", out] + books,
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=240)
    tables = []
    for book in books:
        name = os.path.splitext(os.path.basename(book))[0] + ".csv"
        with open(os.path.join(out, name), encoding="utf-8", newline="") as f:
            tables.append([[c if c != "" else None for c in r]
                           for r in csv.reader(f, delimiter="\t")])
    return tables


def compare_libreoffice(reader, expected, rows):
    """LibreOffice writes cells as shown: dates and times as the text export
    shows them (a plain number would mean the format was lost), numbers with
    the three decimals of their format."""
    for i, row in enumerate(expected):
        got = (rows[i] if i < len(rows) else []) + [None] * (len(row.cells) + 1)
        where = "%s row %d" % (reader, i + 1)
        if row.kind != "values":
            for j, text in enumerate(row.cells):
                want = text[:255] if row.kind == "label" else text
                if (got[j] or "") != want:
                    fail("%s: %r read back as %r" % (where, want, got[j]))
            continue
        for j, text in enumerate(row.cells):
            name = row.names[j]
            if name in ("DATE", "TIME"):
                if got[j] != text.strip():
                    fail("%s: %s %r shown as %r" % (where, name, text.strip(), got[j]))
                continue
            value = number(text)
            if value is None:
                if got[j] is not None:
                    fail("%s: %s %r shown as %r" % (where, name, text, got[j]))
            else:
                try:
                    shown = float(got[j])
                except (TypeError, ValueError):
                    shown = None
                if shown is None or abs(shown - value) > 0.0005 + 1e-9 * abs(value):
                    fail("%s: %s %r shown as %r" % (where, name, text, got[j]))


def main():
    cli, demo = sys.argv[1], sys.argv[2]
    folder = tempfile.mkdtemp(prefix="gaugdata-readback-")
    try:
        series = ",".join(str(n) for n in SERIES)
        paths = {}
        for kind, name, extra in (("txt", "demo.txt", []), ("xls", "demo-xls.xls", []),
                                  ("xlsx", "demo-xlsx.xlsx", []), ("csv", "demo.csv", []),
                                  ("csv-de", "demo-de.csv", ["--csv-excel-de"])):
            paths[kind] = os.path.join(folder, name)
            subprocess.run([cli, "export", demo, paths[kind], "--series", series] + extra,
                           check=True)
        expected = read_text_export(paths["txt"])
        if sum(r.kind == "values" for r in expected) < 100:
            fail("the text export holds too few value rows to compare")

        detected = inspect_excel_format(paths["xls"])
        if detected != "xls":
            fail("pandas detects the .xls as %r" % detected)
        compare_sheet("xlrd .xls", expected, xlrd_rows(paths["xls"]))

        sheet = openpyxl.load_workbook(paths["xlsx"], read_only=True).active
        compare_sheet("openpyxl .xlsx", expected, [list(r) for r in sheet.iter_rows(values_only=True)])
        compare_sheet("pandas .xlsx", expected, pandas_excel_rows(paths["xlsx"]))

        with open(paths["csv"], "rb") as f:
            if not f.read(3) == b"\xef\xbb\xbf":
                fail(".csv: no UTF-8 byte-order mark")
        table = pd.read_csv(paths["csv"], parse_dates=["time"])
        compare_data_table("pandas .csv", expected, table)
        table_de = pd.read_csv(paths["csv-de"], sep=";", decimal=",", parse_dates=["time"])
        if not table_de.equals(table):
            fail("the --csv-excel-de table reads back differently from the plain one")

        lo = libreoffice_rows(folder, [paths["xls"], paths["xlsx"]])
        if lo is not None:
            compare_libreoffice("LibreOffice .xls", expected, lo[0])
            compare_libreoffice("LibreOffice .xlsx", expected, lo[1])
            if lo[0] != lo[1]:
                fail("LibreOffice shows the .xls and the .xlsx differently")
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    if failures:
        print("%d differences" % len(failures))
        return 1
    print("all cells agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
