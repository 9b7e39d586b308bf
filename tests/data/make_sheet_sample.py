#!/usr/bin/python3
"""Writes sheet_sample.xls, the workbook the sheet reader's tests read.

Made once with Debian's python3-xlwt (`apt-get install python3-xlwt`, run with /usr/bin/python3);
the .xls is committed so that the tests need neither. Cells of the first sheet ("Arkusz1"):

  A1  text  "Protokół pobrania próbek"
  A2  text  "Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ"
  B2  int   42
  C2  real  12.5
  D2  date  31.03.2022 (format dd.mm.yyyy)
  E2  (empty)
  F2  date 31.03.2022 as a plain number (serial 44651, no date format)
  G2  date and time 31.03.2022 14:30 (format dd.mm.yyyy hh:mm)
  H2  time 13:30 (format hh:mm)
  A3  int   7
  B3  int   1234567
  C3  real  -0.25
  D3  text  "  odstęp  "
  A5  text  "koniec"       (row 4 empty)
A second sheet "Arkusz2" holds one text cell, which the reader must never see.
"""
import datetime
import os

import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Arkusz1")
date_style = xlwt.easyxf(num_format_str="dd.mm.yyyy")
datetime_style = xlwt.easyxf(num_format_str="dd.mm.yyyy hh:mm")
time_style = xlwt.easyxf(num_format_str="hh:mm")

sheet.write(0, 0, "Protokół pobrania próbek")
sheet.write(1, 0, "Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ")
sheet.write(1, 1, 42)
sheet.write(1, 2, 12.5)
sheet.write(1, 3, datetime.date(2022, 3, 31), date_style)
sheet.write(1, 5, 44651)
sheet.write(1, 6, datetime.datetime(2022, 3, 31, 14, 30), datetime_style)
sheet.write(1, 7, datetime.time(13, 30), time_style)
sheet.write(2, 0, 7)
sheet.write(2, 1, 1234567)
sheet.write(2, 2, -0.25)
sheet.write(2, 3, "  odstęp  ")
sheet.write(4, 0, "koniec")

other = book.add_sheet("Arkusz2")
other.write(0, 0, "drugi arkusz")

book.save(os.path.join(os.path.dirname(os.path.abspath(__file__)), "sheet_sample.xls"))
