#!/usr/bin/env python3
"""Dumps a workbook as JSON through openpyxl, a reader independent of the writer under test."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    rows = []
    for row in sheet.iter_rows():
        rows.append([{"v": c.value, "t": type(c.value).__name__, "f": c.number_format} for c in row])
    sheets.append({
        "name": sheet.title,
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
        "freeze": sheet.freeze_panes,
        "landscape": sheet.page_setup.orientation == "landscape",
        "font": sheet.cell(row=1, column=1).font.name,
        "rows": rows,
    })
json.dump(sheets, sys.stdout, ensure_ascii=False)
