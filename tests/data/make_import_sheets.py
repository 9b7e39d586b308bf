#!/usr/bin/python3
"""Writes the workbooks the import tests and benchmarks read, as a user's spreadsheet program
saves them.

Made with Debian's python3-xlwt (`apt-get install python3-xlwt`, run with /usr/bin/python3); the
.xls files are committed so that neither the tests nor a fresh machine need it.

A protocol file is tab-separated text (Windows-1250, CR LF). Opened in a spreadsheet program
with Polish settings and saved as a workbook, every cell becomes what the program makes of its
text: digits a whole number (leading zeros lost), digits with a decimal comma a fraction,
dd.mm.yyyy a date and hh:mm a time (each with that format), anything else text. excel_cell()
does the same.

  protokol_trzy_probki.xls     protokol_trzy_probki.txt (the protocol file the program writes
                               for the three-sample batch of the round-trip test), saved so
  protokol_uklady.xls          the same header, five samples in both ear-tag layouts
  protokol_powtorzony_kod.xls  three samples, the third with the first one's code
  protokol_numer_4_cyfry.xls   three samples, the second numbered 1234
  protokol_wiek_tekst.xls      three samples, the second aged "dwa lata"
  protokol_600_probek.xls      600 samples (code, ear tag and age only)
  protokol_godzina_male_u.xls  row 13 labelled "Godzina uboju:" (lower-case u)
  protokol_powiat_3_cyfry.xls  one sample, the district code in row 15 typed as "0215" (a
                               spreadsheet keeps 215, three characters)
  protokol_tylko_tytul.xls     only the protocol's title row: a sheet cut short
  nie_protokol.xls             a sheet whose first cell names no protocol
  probki_2000.xls              2,000 samples (for bench/imports_bench)

The establishments' own files (formats A to E), saved as the establishments make them:

  zaklad_a.xls                 format A: four animals from row 1, a text row, a date row after it
  zaklad_b.xls                 format B: headings, four animals from row 5 (row 7's sex and species
                               unknown), a blank row
  zaklad_c.xls                 format C: a heading, three animals, the empty row that ends the
                               file, an animal after it
  zaklad_c_powtorzony.xls      format C: the sample number 2 twice
  zaklad_e.xls                 format E: three animals (a district code of three digits, one of
                               none), a text row
  zaklad_d.txt                 format D (Windows-1250, CR LF): the header, three lines (quoted
                               fields, one holding ";", a sex and a herd missing), a blank line
  zaklad_d_naglowek.txt        format D with "WetNumerIdent" elsewhere in its first line
"""
import datetime
import os
import re

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
DATE = xlwt.easyxf(num_format_str="dd.mm.yyyy")
TIME = xlwt.easyxf(num_format_str="hh:mm")


def excel_cell(text):
    """The value and style a spreadsheet program gives a cell of a tab-separated file."""
    if re.fullmatch(r"-?\d+", text):
        return int(text), None
    if re.fullmatch(r"-?\d+,\d+", text):
        return float(text.replace(",", ".")), None
    m = re.fullmatch(r"(\d{1,2})\.(\d{1,2})\.(\d{4})", text)
    if m:
        return datetime.date(int(m[3]), int(m[2]), int(m[1])), DATE
    m = re.fullmatch(r"(\d{1,2}):(\d{2})", text)
    if m:
        return datetime.time(int(m[1]), int(m[2])), TIME
    return text, None


def save(rows, name):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Arkusz1")
    for r, row in enumerate(rows):
        for c, text in enumerate(row):
            if text != "":
                value, style = excel_cell(text)
                if style is None:
                    sheet.write(r, c, value)
                else:
                    sheet.write(r, c, value, style)
    book.save(os.path.join(HERE, name))


def text_rows(name):
    with open(os.path.join(HERE, name), "rb") as f:
        lines = f.read().decode("cp1250").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line.split("\t") for line in lines]


# The protocol of the round-trip test: its header (rows 1 to 17) and its end (from the blank
# row below the samples) frame the samples of the other sheets.
PROTOCOL = text_rows("protokol_trzy_probki.txt")
HEAD, FOOT = PROTOCOL[:17], PROTOCOL[20:]


def protocol(samples, head=HEAD):
    """A protocol sheet: each sample is its columns 2 to 28, the running number goes first."""
    return head + [[str(n)] + s for n, s in enumerate(samples, 1)] + FOOT


def sample(nr, tag, age="30", more=()):
    """A one-cell-layout sample of establishment 14650011, sampled 30.03.2022."""
    s = ["14650011", str(nr), "30032022", tag, age, "żeńska", "N", "", "PL054673891001", "40", "brak",
         "mleczna", "Bydło"]
    s += list(more)
    return s + [""] * (27 - len(s))


save(PROTOCOL, "protokol_trzy_probki.xls")

save(protocol([
    # PL and the number in two cells: the number lost its leading zeros, the date has dots.
    ["6140205", "7", "30.03.2022", "PL", "005467389121", "62", "żeńska", "N", "PL054673891001", "40",
     "brak", "mleczna", "Bydło", "Wiśniewski", "Józef", "Łomianki", "Polna 7", "mazowieckie", "2",
     "warszawski zachodni", "215", "Łomianki"],
    # A lower-case kind is a remark; an empty age, a herd size that is no number, no owner.
    ["14650011", "8", "3032022", "PL", "123456789012", "", "męska", "n", "PL054673891001", "dużo",
     "brak", "mleczna"],
    # PL with a short number: the one-cell layout.
    ["14650011", "9", "30032022", "PL", "24", "męska", "PJ ", "uwaga", "PL054673891001", "", "brak",
     "mięsna", "Jeleniowate"],
    ["14650011", "12", "30032022", "DE0123456789", "36", "żeńska", "K", "", "DE0001", "", "brak",
     "mleczna", "Bydło"],
    # A deer kind in the two-cell layout.
    ["14650011", "13", "30032022", "PL", "000012345678", "14", "męska", "CHJ", "PL054673891001", "3",
     "brak", "mięsna", "Jeleniowate"],
]), "protokol_uklady.xls")

save(protocol([sample(1, "PL000000000001"), sample(2, "PL000000000002"), sample(1, "PL000000000003")]),
     "protokol_powtorzony_kod.xls")
save(protocol([sample(1, "PL000000000001"), sample(1234, "PL000000000002"), sample(3, "PL000000000003")]),
     "protokol_numer_4_cyfry.xls")
save(protocol([sample(1, "PL000000000001"), sample(2, "PL000000000002", "dwa lata"),
               sample(3, "PL000000000003")]), "protokol_wiek_tekst.xls")
save(protocol([sample(n, "PL%012d" % n)[:5] for n in range(1, 601)]), "protokol_600_probek.xls")

head = [list(row) for row in HEAD]
head[12][2] = "Godzina uboju:"
save(protocol([sample(1, "PL000000000001")], head), "protokol_godzina_male_u.xls")

head = [list(row) for row in HEAD]
head[14][21] = "0215"
save(protocol([sample(1, "PL000000000001")], head), "protokol_powiat_3_cyfry.xls")

save(PROTOCOL[:1], "protokol_tylko_tytul.xls")

save([["Lista próbek"], ["1", "14650011", "1", "30032022", "PL000000000001", "30"]], "nie_protokol.xls")


# For the benchmark: 2,000 samples of an establishment the benchmark's year has no sample of,
# numbers 1 to 999 under one sampling date after another, with the columns of the code, the ear
# tag and the age only (the file stays small).
def bench_sample(n):
    return ["14650022", str((n - 1) % 999 + 1), "%02d032022" % (1 + (n - 1) // 999), "PL%012d" % (900000 + n),
            str(12 + n % 90)]


save(protocol([bench_sample(n) for n in range(1, 2001)]), "probki_2000.xls")


def save_rows(rows, name):
    """A sheet of typed cells: each row a list of values (None for an empty cell)."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Arkusz1")
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is None:
                continue
            if isinstance(value, datetime.date):
                sheet.write(r, c, value, DATE)
            else:
                sheet.write(r, c, value)
    book.save(os.path.join(HERE, name))


def cells(**columns):
    """A row by column number: cells(c3="x", c5=7)."""
    row = [None] * max(int(k[1:]) for k in columns)
    for k, v in columns.items():
        row[int(k[1:]) - 1] = v
    return row


D = datetime.date
save_rows([
    cells(c1=D(2022, 3, 28), c3="PL005467389121", c5=30),
    cells(c1=D(2022, 3, 28), c3="PL005467389122", c5=31.5),
    cells(c1=D(2022, 3, 29), c3="PL005467389123", c5=""),
    cells(c1=D(2022, 3, 29), c3="PL005467389124", c5=40),
    cells(c1="razem"),
    cells(c1=D(2022, 3, 30), c3="PL005467389125", c5=50),
], "zaklad_a.xls")

save_rows([
    cells(c1="Lista zwierząt"), [], [],
    cells(c1="Lp.", c3="Kolczyk", c11="Data urodzenia", c13="Płeć", c14="Gatunek", c19="Wiek", c20="Stado"),
    cells(c1=1, c3="PL005467389121", c11=D(2019, 4, 1), c13="XX", c14="bydło", c19=36, c20="PL054673891001"),
    cells(c1=2, c3="PL005467389122", c11=D(2018, 5, 2), c13="XY ", c14=" Koza ", c19=48, c20="PL999"),
    cells(c1=3, c3="PL005467389123", c11=D(2017, 6, 3), c13="X?", c14="lama", c19=60),
    cells(c1=4, c3="PL005467389124", c11=D(2016, 7, 4), c13="xx", c14="OWCA", c19=72),
    [],
    cells(c1=5, c3="PL005467389125", c13="XX", c14="bydło", c19=84),
], "zaklad_b.xls")

save_rows([
    cells(c1="Lp.", c2="Nr próbki", c3="Nazwisko"),
    cells(c2=7, c3="Nowak", c4="Jan", c6="Kutno", c7="Polna 1", c8="Kutno", c9="mleczna", c10="PL111", c11=25,
          c12="PL005467389121", c13=30, c14="M", c18="owca"),
    cells(c2=8, c3="Kowalska", c4="Anna", c6="Żychlin", c7="2", c8="ŻYCHLIN", c9="mięsna", c10="PL222",
          c11="dużo", c12="PL005467389122", c13=31, c14="k", c18=""),
    cells(c2=9, c3="Wiśniewski", c6="Łęczyca", c8="Kutno", c10="PL333", c12="PL005467389123", c13=32,
          c18="KOZA"),
    cells(c2=10, c12="PL005467389124", c13=33),
    cells(c2=11, c3="Zieliński", c8="Kutno", c10="PL444", c12="PL005467389125", c13=34),
], "zaklad_c.xls")

save_rows([
    cells(c2=1, c3="Nowak", c8="Kutno", c10="PL111", c12="PL005467389121", c13=30),
    cells(c2=2, c3="Nowak", c8="Kutno", c10="PL111", c12="PL005467389122", c13=30),
    cells(c2=2, c3="Nowak", c8="Kutno", c10="PL111", c12="PL005467389123", c13=30),
], "zaklad_c_powtorzony.xls")

save_rows([
    cells(c1=1, c3="PL005467389121", c4=30, c5="męska", c6="N", c8="PL111", c10="", c11="mleczna", c12="",
          c20="1002"),
    cells(c1=2, c3="PL005467389122", c4=31, c5="żeńska", c6="K", c8="PL222", c10="kulawizna", c11="mięsna",
          c12="owce", c20="123"),
    cells(c1=3, c3="PL005467389123", c4=32, c5="M", c6="P", c8="PL333", c11="mleczna", c12="Kozy"),
    cells(c1="koniec"),
], "zaklad_e.xls")


def save_text(lines, name):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1250"))


D_HEADER = "NrLinii;WetNumerIdent;NrProbki;DataProbki;Kolczyk;Wiek;Plec;Uboj;Uwagi;Stado;Liczebnosc;Objawy;" \
           "Uzytkowosc;Gatunek"
save_text([
    D_HEADER,
    '1;"06140205";1;30032022;PL005467389121;30;żeńska;N;"Kulawizna; prawa tylna";PL111;25;brak;mleczna;bydło',
    '2;06140205;2;30032022;PL005467389122;31,5;samiec;K;;;;brak;mięsna;OWCA',
    '3;14650011;3;29032022;PL005467389123;;męska;N;uwaga;PL333;dużo;brak;mleczna;',
    '',
    '4;06140205;4;30032022;PL005467389124;33;męska;N;;PL444;;brak;mleczna;bydło',
], "zaklad_d.txt")
save_text(["WetNumerIdent;NrLinii", '1;06140205;1;30032022;PL005467389121;30;żeńska;N;;PL111;;brak;mleczna;'],
          "zaklad_d_naglowek.txt")
