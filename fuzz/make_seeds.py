#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/. Run it after changing the
operations of fuzz_model.cpp, whose seeds encode its choices byte by byte.

`make_seeds.py --build FOLDER` writes the seeds of the targets whose corpus
the build writes (command lines and weather files, all text) into
FOLDER/TARGET/ instead; the build runs it."""
import pathlib
import shutil
import sys

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

START_UP = ["Vand", "Vand", "55", "70", "40", "65", "35", "1", "1", "30.0", "30.0", "1.602", "1.599",
            "5.00", "11.00", "Vand", "Vand", "55", "73", "63", "30", "33.0", "40.0", "33.0", "0.560",
            "0.824", "1.199", "1.451", "5.78", "9.52"]


def case(lines, end=b"\r\n"):
    return b"".join(line.encode("cp1252") + end for line in lines)


def casefile_seeds():
    glycol = list(START_UP)
    glycol[0], glycol[15], glycol[17] = "Glykol ", "Glycol", "æøå €"
    ctrl_z = case(START_UP)
    fifth = ctrl_z.index(b"40\r\n")
    return {
        "startup.tvl": case(START_UP),
        "lf_only.tvl": case(START_UP, b"\n"),
        "cr_only.tvl": case(START_UP, b"\r"),
        "ctrl_z_line5.tvl": ctrl_z[:fifth + 1] + b"\x1a" + ctrl_z[fifth + 1:],
        "glycol_latin1.tvl": case(glycol),
        "short.tvl": case(START_UP[:7]),
        "long.tvl": case(START_UP + START_UP),
        "empty.tvl": b"",
        "mixed_ends.tvl": b"Vand\r\r\n\nGlykol\n\r55\r\n\x80\x81\x8d\x9f\xff\r\n",
    }


def number_seeds():
    texts = ["1e3", " 12.5 ", ".", ",", "1,000.5", "1.000,5", "1e400", "-1e400", "12,5", "-0", "-.",
             "9999999999.6", "0.0005", "0.00049", "1e", "1E+", "1.7976931348623157e308",
             "4.9e-324", "1e-400", "0.000e999999999", "123456789.1234", "999.96", "  +7  ",
             "00000000000000000000000000001.5", "2.5e-1", "12\u066b5", "-1\u066b5e3"]
    return {f"n{i:02d}.txt": t.encode() for i, t in enumerate(texts)}


class Ops:
    """Lays out bytes the way FuzzedDataProvider reads them: strings from the
    front, integers (one byte each for the ranges used here) from the back."""

    def __init__(self):
        self.front = bytearray()
        self.back = []

    def int(self, value):
        self.back.append(value & 0xFF)
        return self

    def string(self, data):
        self.front += data.replace(b"\\", b"\\\\") + b"\\;"
        return self

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))

    # The operations, numbered as in fuzz_model.cpp.
    def set_text(self, field, text):
        return self.int(0).int(field).int(0).string(text.encode())  # ConsumeBool false: raw text

    def set_text_from_list(self, field, index):
        return self.int(0).int(field).int(1).int(index)

    def set_index(self, list_no, position):
        return self.int(1).int(list_no).int(position + 1 if position >= 0 else 0xFF)

    def nominal(self): return self.int(2)
    def actual(self): return self.int(3)
    def write_case(self, data): return self.int(4).string(data)
    def load(self, choice): return self.int(5).int(choice)
    def save(self, cancel=False): return self.int(6).int(1 if cancel else 0)
    def danish(self): return self.int(7)
    def english(self): return self.int(8)

    def key(self, field, listed_key):
        return self.int(9).int(field).int(1).int(listed_key)

    def separators(self, which): return self.int(10).int(which)
    def print(self): return self.int(11).int(0)
    def help(self): return self.int(11).int(1)
    def close(self): return self.int(11).int(2)
    def choose(self, list_no, item): return self.int(12).int(list_no).int(item)


# Field numbers in screen order, as app::Field counts them.
EQ_NOM, ETPE_NOM, ETPA_NOM, EPP_NOM = 2, 3, 4, 7
EQ, ETPE, ETSA, ETSE = 17, 18, 19, 20
# Positions in kInputs and kKeys of fuzz_model.cpp.
IN_EQ_NOM, IN_ETPE = 0, 8
KEY_0, KEY_5, KEY_POINT, KEY_COMMA, KEY_BACK, KEY_ARABIC_POINT = 0, 1, 3, 4, 5, 11
ARABIC_SEPARATORS, NBSP_THOUSANDS = 3, 4
LOAD_CANCEL, LOAD_CASE, LOAD_MISSING, LOAD_FOLDER, LOAD_FIFO, LOAD_DEVICE = range(6)


def model_seeds():
    real = case(START_UP)
    seeds = {
        "actual.bin": Ops().actual(),
        "glycol_both.bin": Ops().set_index(0, 1).set_index(2, 1).nominal().actual(),
        "choose_items.bin": Ops().choose(1, 1).choose(3, 1).choose(3, 1).nominal().actual().english()
                                 .choose(0, 1).actual().help().print().close(),
        "load_then_calc.bin": Ops().write_case(real).load(LOAD_CASE).actual().save(),
        "english_comma.bin": Ops().english().separators(1).key(IN_EQ_NOM, KEY_BACK).key(IN_EQ_NOM, KEY_COMMA)
                                  .key(IN_EQ_NOM, KEY_5).nominal().actual().danish().print(),
        "hostile_loads.bin": Ops().load(LOAD_FOLDER).load(LOAD_FIFO).load(LOAD_DEVICE).load(LOAD_MISSING)
                                  .load(LOAD_CANCEL).actual(),
        "faults.bin": Ops().set_text(EPP_NOM, "0").nominal().set_text(EPP_NOM, "1").set_text(ETPE, "abc")
                           .actual().set_text(ETPE, "").actual().set_text(ETPE, "63.1").actual(),
        "slow_convergence.bin": Ops().set_text(ETPE, "63.001").actual().set_text(EQ, "0").actual(),
        "list_texts.bin": Ops().set_text(0, "Glycol").set_text(16, "water").set_text(15, "x").nominal()
                               .actual().english().save().write_case(case(START_UP, b"\n")).load(LOAD_CASE),
        "wide_separators.bin": Ops().separators(ARABIC_SEPARATORS).set_text(ETPE, "7").key(IN_ETPE, KEY_5)
                                    .key(IN_ETPE, KEY_ARABIC_POINT).key(IN_ETPE, KEY_ARABIC_POINT)
                                    .key(IN_ETPE, KEY_5).set_text(EQ, "1e4").actual()
                                    .separators(NBSP_THOUSANDS).set_text(EQ, "12345,5").actual(),
        "start_up_limits.bin": Ops().set_text(ETPE_NOM, "180.5").nominal().set_index(0, 1)
                                    .set_text(ETPE_NOM, "100").nominal().set_index(2, -1).actual(),
    }
    return {name: ops.bytes() for name, ops in seeds.items()}


def command_line(locale, *args):
    """The first line names the locale, each further line is one argument."""
    return "\n".join((locale,) + args).encode()


def argument_seeds():
    lines = {
        # rate: every format and precision, several cases, both languages
        "rate_table": ("da", "rate", "start.tvl"),
        "rate_csv_full": ("en", "rate", "--format", "csv", "--precision", "full", "start.tvl", "glycol.tvl"),
        "rate_json_en": ("da", "rate", "--format=json", "--lang=en", "missing.tvl", "glycol.tvl", "start.tvl"),
        "rate_dashes": ("en", "rate", "--lang", "da", "--", "-", "--format", "start.tvl"),
        "rate_paths": ("en", "rate", "../start.tvl", "/etc/passwd", ".", "", "out"),
        # study: every quantity, ranges in both locales
        "study_default": ("da", "study", "start.tvl"),
        "study_eq_comma": ("da", "study", "start.tvl", "--vary", "EQ", "--from", "5,5", "--to", "55", "--points", "5"),
        "study_etpe_point": ("en", "study", "--vary=Etpe", "--from=65.5", "--to=90", "--points=4", "--format=csv",
                             "glycol.tvl"),
        "study_comma_en": ("en", "study", "start.tvl", "--from", "5,5", "--to", "10"),
        "study_etsa_json": ("da", "study", "start.tvl", "--vary", "Etsa", "--format", "json", "--precision", "full",
                            "--lang", "en", "--points", "0003"),
        "study_etse_range": ("da", "study", "start.tvl", "--vary", "Etse", "--from", "-1e308", "--to", "1e308"),
        "study_points": ("en", "study", "start.tvl", "--points", "1001"),
        "study_one_point": ("en", "study", "start.tvl", "--points", "1", "--from", "1e", "--to", "."),
        # report: the output moved into the scratch folder; its own case
        "report": ("da", "report", "start.tvl", "-o", "report.pdf"),
        "report_en": ("en", "report", "--lang", "en", "--output=/tmp/x.pdf", "glycol.tvl"),
        "report_itself": ("da", "report", ".", "-o", ".."),
        "report_folder": ("da", "report", "start.tvl", "-o", "."),
        # season: every weather form, the secondary table, the supply curve
        "season_bins": ("da", "season", "start.tvl", "--weather", "bins.txt"),
        "season_epw_json": ("en", "season", "start.tvl", "--weather=year.epw", "--format=json", "--lang=en"),
        "season_hourly_csv": ("da", "season", "glycol.tvl", "--weather", "hourly.txt", "--format", "csv",
                              "--design-outdoor", "-15,5", "--indoor", "21", "--limit", "16.5", "--exponent", "1,0"),
        "season_table": ("en", "season", "start.tvl", "--weather", "bins.txt", "--secondary-table", "table.txt",
                         "--supply-curve", "-12:90,17:70", "--precision", "full"),
        "season_supply": ("da", "season", "start.tvl", "--weather", "hourly.txt", "--supply", "80"),
        "season_bad": ("en", "season", "start.tvl", "--weather", "start.tvl", "--supply-curve", "1:2,x"),
        "season_both": ("da", "season", "start.tvl", "--weather", "bins.txt", "--supply", "70", "--supply-curve",
                        "0:70"),
        # usage errors
        "none": ("da",),
        "help": ("en", "--help"),
        "help_late": ("da", "study", "start.tvl", "-h"),
        "version": ("da", "--version"),
        "version_extra": ("da", "--version", "start.tvl"),
        "mistyped": ("da", "reprot", "start.tvl"),
        "twice": ("en", "rate", "--format", "csv", "--format=json", "start.tvl"),
        "wrong_command": ("en", "rate", "--vary", "EQ", "start.tvl"),
        "no_value": ("da", "study", "start.tvl", "--to"),
        "two_cases": ("en", "study", "start.tvl", "glycol.tvl"),
        "no_output": ("da", "report", "start.tvl"),
        "no_weather": ("da", "season", "start.tvl", "--exponent", "1.3"),
        "bad_choice": ("en", "rate", "--lang", "de", "--precision", "half", "start.tvl"),
    }
    seeds = {name: command_line(*args) for name, args in lines.items()}
    # A control character and a byte that is no UTF-8, in a name and an option.
    seeds["rate_control"] = command_line("da", "rate", "--format", "csv", "st\x1bart.tvl") + b"\xff"
    seeds["option_control"] = b"en\nrate\n--\x01\nstart.tvl"
    # A name too long to write, with an escape in it: the failure names it escaped.
    seeds["report_long_name"] = command_line("da", "report", "start.tvl", "-o", "\x1b[31m" + "x" * 300 + ".pdf")
    return {name + ".txt": data for name, data in seeds.items()}


EPW_HEADER = ["LOCATION,Nowhere,-,DNK,Seed,000000,55.00,12.00,1.0,10.0",
              "DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
              "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,seed", "COMMENTS 2,seed",
              "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"]


def epw_row(hour, dry_bulb):
    return f"1999,1,{1 + (hour - 1) // 24},{(hour - 1) % 24 + 1},60,A7A7*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0E8*0*0," \
           f"{dry_bulb},-9.0,80,101300,0,0,300,0,0,0,0,0,0,0,270,4.1,10,10,9.0,77777,9,999999999,0,0.0,0,88,0.000,0.0,0.0"


def weather_seeds():
    temperatures = [-12.5, -7.5, -2.4, -0.5, 0.0, 0.5, 2.5, 16.49, 16.5, 21.0]
    epw = EPW_HEADER + [epw_row(h, t) for h, t in enumerate(temperatures + [99.9], start=1)]
    texts = {
        "epw.epw": "\r\n".join(epw) + "\r\n",
        "epw_lower.epw": "\n".join(["location,x"] + EPW_HEADER[1:] + [epw_row(1, "-3.5"), "", epw_row(2, "4")]),
        "epw_short_header.epw": "\n".join(EPW_HEADER[:5]),
        "epw_few_fields.epw": "\n".join(EPW_HEADER + ["1999,1,1,1,60,x"]),
        "epw_comma_decimal.epw": "\n".join(EPW_HEADER + ["1999,1,1,1,60,x,-3,5,80"]),
        "hourly.txt": "\n".join(str(t) for t in temperatures) + "\n",
        "hourly_comma_crlf.txt": "\ufeff-3,5\r\n\r\n  +4,25\t\r\n-0,5\r\n1e1\r\n",
        "hourly_bad.txt": "1\n2\nwarm\n",
        "hourly_range.txt": "-100\n100\n100.5\n",
        "hourly_two_signs.txt": "1\n+-0.5\n+5\n",
        "bins.txt": "-12;50\n-5,5;300\n0;1000.5\n5;1500\n10.4;2000\n16;800\n20;3000\n",
        "bins_year.txt": "".join(f"{t};{h}\n" for t, h in [(-20, 4), (-10, 300), (0, 2000), (10, 3000), (16, 3480)]),
        "bins_too_many.txt": "0;8784\n1;1\n",
        "bins_fields.txt": "0;10;20\n",
        "bins_hours.txt": "0;-1\n",
        "secondary_table.txt": "-12;70;40\n5;50;32\n17;35;25\n",
        "empty.txt": "",
        "blank.txt": " \r\n\t\n",
        "binary.txt": "\x00\x01\x7f\u00ff",
    }
    return {name: text.encode() for name, text in texts.items()}


def write(folder, seeds):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--build":
        for target, seeds in [("fuzz_arguments", argument_seeds()), ("fuzz_weather", weather_seeds())]:
            write(pathlib.Path(sys.argv[2]) / target, seeds)
        return
    for target, seeds in [("fuzz_casefile", casefile_seeds()), ("fuzz_number", number_seeds()),
                          ("fuzz_model", model_seeds())]:
        write(CORPUS / target, seeds)


if __name__ == "__main__":
    main()
