#!/usr/bin/python3
"""Dumps every cell of the first sheet of an .xls file, one line per cell.

Used by the export tests as a reader independent of the writer: the file is
opened by xlrd and each cell is printed as

    row<TAB>column<TAB>type<TAB>value<TAB>number format

type is xlrd's cell type name (text, number, date, empty, ...); a text value
is printed as the hex of its bytes in the code page the file names, a number
with repr(), a date as the date tuple xlrd computes. The file is read as a user
would read it, without telling xlrd the code page; the first line names the
encoding xlrd took from the file.

Exit codes: 0 dumped, 2 xlrd missing, 1 the file could not be read.
"""
import sys

try:
    import xlrd
except ImportError:
    sys.exit(2)

TYPES = {
    xlrd.XL_CELL_EMPTY: "empty",
    xlrd.XL_CELL_TEXT: "text",
    xlrd.XL_CELL_NUMBER: "number",
    xlrd.XL_CELL_DATE: "date",
    xlrd.XL_CELL_BOOLEAN: "boolean",
    xlrd.XL_CELL_ERROR: "error",
    xlrd.XL_CELL_BLANK: "blank",
}


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--check":
        return 0
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
    sheet = book.sheet_by_index(0)
    print("sheets\t%d\tbiff\t%d\t%s" % (book.nsheets, book.biff_version, book.encoding))
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            kind = TYPES.get(cell.ctype, str(cell.ctype))
            if cell.ctype == xlrd.XL_CELL_TEXT:
                value = cell.value.encode(book.encoding).hex()
            elif cell.ctype == xlrd.XL_CELL_DATE:
                value = "%r %r" % (cell.value, xlrd.xldate_as_tuple(cell.value, book.datemode))
            elif cell.ctype == xlrd.XL_CELL_NUMBER:
                value = repr(cell.value)
            else:
                value = ""
            fmt = ""
            if cell.ctype != xlrd.XL_CELL_EMPTY:
                xf = book.xf_list[cell.xf_index]
                fmt = book.format_map[xf.format_key].format_str.encode(book.encoding).hex()
            print("%d\t%d\t%s\t%s\t%s" % (r, c, kind, value, fmt))
    return 0


if __name__ == "__main__":
    sys.exit(main())
