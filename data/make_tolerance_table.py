#!/usr/bin/env python3
"""Writes the tolerance table "公差.dat" that the dimension-tolerance tab
copies into "mokrav6.jyd" and the dimension-tolerance tool looks up.

The deviations come from the tolerance grades (IT) and the fundamental
deviations of ISO 286-1 / JIS B 0401-1, for nominal sizes up to 500 mm, for
every hole class of the hole fit box (Com52) and every shaft class of the
shaft fit box (Com53).

Row format, one row a line, code page 932, CR LF:
    class/upper bound of the size range/upper deviation/lower deviation
Deviations are millimetres ("+0.021", "0", "-0.013"). Symmetric classes (JS,
js) are written in the single-value form: the upper deviation is one blank
and the lower deviation holds the value, exactly IT/2 as the standard's
tables print it ("JS7/30/ /±0.0105"). Each class opens with a row that only
gives the lower bound of its first range; the tool never draws that row's
deviations, so it repeats those of the first range. The classes B and b
begin above 1 mm, where the standard begins them. Within a
main size step the rows are split at the intermediate steps only where the
class's deviations change there.

Usage: python3 make_tolerance_table.py [output]   (default: 公差.dat beside this script)
"""
import os
import sys

HOLE_CLASSES = ["B10", "C9", "C10", "D8", "D9", "D10", "E7", "E8", "E9", "F6", "F7", "F8",
                "G6", "G7", "H6", "H7", "H8", "H9", "H10", "JS6", "JS7", "K6", "K7", "M6",
                "M7", "N6", "N7", "P6", "P7", "R7", "S7", "T7", "U7", "X7"]
SHAFT_CLASSES = ["b9", "c9", "d8", "d9", "e7", "e8", "e9", "f6", "f7", "f8", "g5", "g6", "h5",
                 "h6", "h7", "h8", "h9", "js5", "js6", "js7", "k5", "k6", "m5", "m6", "n6", "p6",
                 "r6", "s6", "t6", "u6", "x6"]

# Main size steps (upper bounds, mm) and the intermediate steps within them.
MAIN = [3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500]
SUB = [3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250,
       280, 315, 355, 400, 450, 500]


def main_index(bound):
    """The main step that holds the intermediate step ending at bound."""
    for i, m in enumerate(MAIN):
        if bound <= m:
            return i
    raise ValueError(bound)


# Standard tolerance grades, micrometres, per main step.
IT = {
    4: [3, 4, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20],
    5: [4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27],
    6: [6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40],
    7: [10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63],
    8: [14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97],
    9: [25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155],
    10: [40, 48, 58, 70, 84, 100, 120, 140, 160, 185, 210, 230, 250],
}


def per_main(values):
    """A per-main-step list spread over the intermediate steps."""
    return [values[main_index(b)] for b in SUB]


# Fundamental deviations of shafts, micrometres, per intermediate step.
# a..h: upper deviation es; k..x: lower deviation ei. None: not defined.
SHAFT_FD = {
    "b": [-140, -140, -150, -150, -150, -160, -160, -170, -180, -190, -200, -220, -240,
          -260, -280, -310, -340, -380, -420, -480, -540, -600, -680, -760, -840],
    "c": [-60, -70, -80, -95, -95, -110, -110, -120, -130, -140, -150, -170, -180,
          -200, -210, -230, -240, -260, -280, -300, -330, -360, -400, -440, -480],
    "d": per_main([-20, -30, -40, -50, -65, -80, -100, -120, -145, -170, -190, -210, -230]),
    "e": per_main([-14, -20, -25, -32, -40, -50, -60, -72, -85, -100, -110, -125, -135]),
    "f": per_main([-6, -10, -13, -16, -20, -25, -30, -36, -43, -50, -56, -62, -68]),
    "g": per_main([-2, -4, -5, -6, -7, -9, -10, -12, -14, -15, -17, -18, -20]),
    "h": per_main([0] * 13),
    # k for grades 4 to 7 (the classes offered are k5 and k6; the hole
    # classes K6, K7 take it as well).
    "k": per_main([0, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5]),
    "m": per_main([2, 4, 6, 7, 8, 9, 11, 13, 15, 17, 20, 21, 23]),
    "n": per_main([4, 8, 10, 12, 15, 17, 20, 23, 27, 31, 34, 37, 40]),
    "p": per_main([6, 12, 15, 18, 22, 26, 32, 37, 43, 50, 56, 62, 68]),
    "r": [10, 15, 19, 23, 23, 28, 28, 34, 34, 41, 43, 51, 54, 63, 65, 68, 77, 80, 84,
          94, 98, 108, 114, 126, 132],
    "s": [14, 19, 23, 28, 28, 35, 35, 43, 43, 53, 59, 71, 79, 92, 100, 108, 122, 130, 140,
          158, 170, 190, 208, 232, 252],
    "t": [None, None, None, None, None, None, 41, 48, 54, 66, 75, 91, 104, 122, 134, 146,
          166, 180, 196, 218, 240, 268, 294, 330, 360],
    "u": [18, 23, 28, 33, 33, 41, 48, 60, 70, 87, 102, 124, 144, 170, 190, 210, 236, 258,
          284, 315, 350, 390, 435, 490, 540],
    "x": [20, 28, 34, 40, 45, 54, 64, 80, 97, 122, 146, 178, 210, 248, 280, 310, 350, 385,
          425, 475, 525, 590, 660, 740, 820],
}
UPPER_LETTERS = set("bcdefgh")
# Lower bounds (mm) of the first range where a letter does not begin at 0:
# the fundamental deviations a and b are not used up to 1 mm.
FIRST_BOUND = {"a": 1, "b": 1}


def split_class(name):
    letters = name.rstrip("0123456789")
    return letters, int(name[len(letters):])


def half_it(it):
    """±IT/2, exactly: an odd IT gives half a micrometre."""
    return it / 2


def shaft_deviations(letter, grade, k):
    """(upper, lower) in micrometres for intermediate step k, ("±", v) for
    js, or None when the class is not defined there."""
    it = IT[grade][main_index(SUB[k])]
    if letter == "js":
        return ("±", half_it(it))
    fd = SHAFT_FD[letter][k]
    if fd is None:
        return None
    if letter in UPPER_LETTERS:
        return (fd, fd - it)
    return (fd + it, fd)


def hole_deviations(letter, grade, k):
    """Holes mirror the shafts: EI = -es for A..H, ES = -ei for K..X, with
    ES = -ei + delta (delta = ITn - IT(n-1), nothing up to 3 mm) for K, M, N
    up to grade 8 and P..X up to grade 7."""
    main = main_index(SUB[k])
    it = IT[grade][main]
    shaft = letter.lower()
    if letter == "JS":
        return ("±", half_it(it))
    fd = SHAFT_FD[shaft][k]
    if fd is None:
        return None
    if shaft in UPPER_LETTERS:
        lower = -fd
        return (lower + it, lower)
    delta_applies = (letter in ("K", "M", "N") and grade <= 8) or (letter not in ("K", "M", "N") and grade <= 7)
    if not delta_applies:
        raise ValueError(letter + str(grade))
    delta = 0 if SUB[k] <= 3 else IT[grade][main] - IT[grade - 1][main]
    upper = -fd + delta
    if letter == "M" and grade == 6 and MAIN[main] == 315:
        upper = -9  # the standard's special case for M6 over 250 up to 315
    return (upper, upper - it)


def mm(um):
    """Micrometres as millimetre text: "0", "+0.021", "-0.013", "+0.0065"."""
    if um == 0:
        return "0"
    sign = "+" if um > 0 else "-"
    tenths = round(abs(um) * 10)
    if tenths % 10 == 0:
        return "%s%d.%03d" % (sign, tenths // 10000, (tenths // 10) % 1000)
    return "%s%d.%04d" % (sign, tenths // 10000, tenths % 10000)


def row(name, bound, dev):
    if dev[0] == "±":
        return "%s/%d/ /±%s" % (name, bound, mm(dev[1])[1:] if dev[1] else "0")
    return "%s/%d/%s/%s" % (name, bound, mm(dev[0]), mm(dev[1]))


def class_rows(name):
    letter, grade = split_class(name)
    devs = [(hole_deviations if letter[0].isupper() else shaft_deviations)(letter, grade, k)
            for k in range(len(SUB))]
    rows = []
    opening = None
    for k, dev in enumerate(devs):
        if dev is None:
            continue
        if opening is None:
            lower_bound = FIRST_BOUND.get(letter.lower(), 0) if k == 0 else SUB[k - 1]
            opening = row(name, lower_bound, dev)
            rows.append(opening)
        # A row ends where the main step ends or where the next intermediate
        # step of the same main step has other deviations.
        last = k + 1 == len(SUB)
        if last or main_index(SUB[k + 1]) != main_index(SUB[k]) or devs[k + 1] != dev:
            rows.append(row(name, SUB[k], dev))
    return rows


def table_lines():
    lines = []
    for name in HOLE_CLASSES + SHAFT_CLASSES:
        lines.extend(class_rows(name))
    return lines


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "公差.dat")
    text = "".join(line + "\r\n" for line in table_lines())
    with open(out, "wb") as f:
        f.write(text.encode("cp932"))


if __name__ == "__main__":
    main()
