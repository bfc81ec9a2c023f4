#!/usr/bin/env python3
"""Reads a workbook back as strictly as a spreadsheet program does, as a second reader beside
unzip: every entry deflated (method 8, the only one Excel and LibreOffice take), every check sum
right, and the sheets as openpyxl sees them. Prints the sheet names, then each row of the first
sheet, a cell as "n:" and the number or "t:" and the text, cells separated by "|".

read_workbook.py WORKBOOK
"""
import sys
import zipfile

import openpyxl


def main():
    path = sys.argv[1]
    with zipfile.ZipFile(path) as archive:
        for entry in archive.infolist():
            if entry.compress_type != zipfile.ZIP_DEFLATED:
                sys.exit(f"{entry.filename}: method {entry.compress_type}, not deflate (8)")
        damaged = archive.testzip()
        if damaged is not None:
            sys.exit(f"{damaged}: check sum wrong")
    book = openpyxl.load_workbook(path)
    print("|".join(book.sheetnames))
    for row in book.worksheets[0].iter_rows(values_only=True):
        cells = []
        for value in row:
            if value is None:
                cells.append("")
            elif isinstance(value, (int, float)) and not isinstance(value, bool):
                cells.append(f"n:{value!r}")
            else:
                cells.append(f"t:{value}")
        print("|".join(cells))


if __name__ == "__main__":
    main()
