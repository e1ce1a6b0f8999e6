#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/. Run it after changing the
operations of fuzz_model.cpp, whose seeds encode its choices byte by byte."""
import pathlib
import shutil

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


def main():
    for target, seeds in [("fuzz_casefile", casefile_seeds()), ("fuzz_number", number_seeds()),
                          ("fuzz_model", model_seeds())]:
        folder = CORPUS / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
