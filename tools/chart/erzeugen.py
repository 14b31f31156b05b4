#!/usr/bin/env python3
"""Writes the chart of ventilation systems ("Lüftungssysteme") as SVG.

The chart is a table of six ventilation systems after DIN 1946-6 in two
groups (free and fan-assisted ventilation), each with a small house sketch,
followed by a legend and a footer.  All content lives in the tables below;
the drawing code only lays it out on a fixed grid of 947 x 670 pixels.

Usage: erzeugen.py [output.svg]   (writes to stdout without an argument)
"""

import sys
from xml.sax.saxutils import escape

WIDTH, HEIGHT = 947, 670
FONT = "Liberation Sans, DejaVu Sans, sans-serif"

# Colours
INK = "#1f2a30"
MUTED = "#5b666d"
GRID = "#c3c9ce"
GRID_STRONG = "#7d878d"
BAND = "#e7eaed"
TITLE_BG = "#23495c"
GROUP_FREE = "#4a7a8f"
GROUP_FAN = "#2f5f75"
HEAD_BG = "#f3f5f6"
GREEN = "#4e9a3f"
GREEN_TEXT = "#ffffff"
AMBER = "#f1b23a"
AMBER_TEXT = "#4a3200"
AIR_IN = "#1f78b4"
AIR_OUT = "#d4581b"
HOUSE_LINE = "#4b565c"
ROOF = "#d5dade"
BADGE = "#23495c"

# Table grid
MARGIN = 8
LABEL_W = 181
COL_W = 125
COLS = 6
TABLE_X = MARGIN
COL_X0 = TABLE_X + LABEL_W
TABLE_R = COL_X0 + COLS * COL_W

SYSTEMS = [
    ["Querlüftung", "nur zum Feuchteschutz"],
    ["Querlüftung"],
    ["Schachtlüftung"],
    ["Abluftsystem"],
    ["Zuluftsystem"],
    ["Zu- und Abluftsystem"],
]
GROUPS = [("Freie Lüftung", 0, 3, GROUP_FREE),
          ("Ventilatorgestützte Lüftung", 3, 6, GROUP_FAN)]

# Levels: True = secured by the system, False = needs active opening of windows
LEVELS = [
    ("FL", "Lüftung zum Feuchteschutz", [True, True, True, True, True, True]),
    ("RL", "Reduzierte Lüftung", [False, True, True, True, True, True]),
    ("NL", "Nennlüftung", [False, True, True, True, True, True]),
    ("IL", "Intensivlüftung", [False, False, False, True, True, True]),
]

# Symbols: "j" fulfilled / possible, "b" with additional measures, "n" not possible
STANDARD = [
    ("Brandschutz", "jjbbbb"),
    ("Schallschutz und Behaglichkeit", "bbbbbj"),
    ("Betrieb mit Feuerstätten", "jjjbjb"),
    ("Fensterlose Räume", "nnjjbj"),
]
INCREASED = [
    (None, "Volumenströme ohne Nutzereingriff", "nbbjjj"),
    ("H", "Raumluftqualität / Hygiene", "nnnbjj"),
    ("E", "Effizienz", "nnnbbj"),
    ("S", "Schallschutz", "bbbbbj"),
]
PRODUCTS = [
    ["Fensterfalzlüfter,", "Außenluftdurchlässe", "in Fenster oder Wand"],
    ["Außenluftdurchlässe", "in Fenster oder Wand,", "Überströmdurchlässe"],
    ["Schachtlüftung nach", "DIN 18017-1,", "Außenluftdurchlässe"],
    ["Abluftventilatoren,", "zentrale Abluftgeräte,", "Außenluftdurchlässe"],
    ["Zuluftventilatoren,", "Einzelraumgeräte,", "Fortluftdurchlässe"],
    ["Zentrale Lüftungsgeräte", "und Einzelraumgeräte", "mit Wärmerückgewinnung"],
]
ENERGY = [
    ("Wärmerückgewinnung", [("n", ""), ("n", ""), ("n", ""),
                            ("b", "Abluft-Wärmepumpe"), ("n", ""),
                            ("j", "Wärmeübertrager")]),
    ("Erneuerbare Energien", [("n", ""), ("n", ""), ("n", ""),
                              ("j", "Wärmepumpe"),
                              ("b", "Solarluftkollektor"),
                              ("j", "Erdwärmeübertrager")]),
]
WEB = [(0, 3, "www.lkz-lueftung.example/freie-lueftung"),
       (3, 6, "www.luvanto.example  ·  www.lkz-lueftung.example")]

FOOTER = ("Das aktive Öffnen der Fenster ist keine lüftungstechnische "
          "Maßnahme im Sinne der DIN 1946-6.")


class Svg:
    def __init__(self):
        self.parts = []

    def add(self, s):
        self.parts.append(s)

    def rect(self, x, y, w, h, fill, stroke="none", sw=1, rx=0):
        self.add(f'<rect x="{x:g}" y="{y:g}" width="{w:g}" height="{h:g}" '
                 f'rx="{rx:g}" fill="{fill}" stroke="{stroke}" stroke-width="{sw:g}"/>')

    def line(self, x1, y1, x2, y2, stroke=GRID, sw=1):
        self.add(f'<line x1="{x1:g}" y1="{y1:g}" x2="{x2:g}" y2="{y2:g}" '
                 f'stroke="{stroke}" stroke-width="{sw:g}"/>')

    def text(self, x, y, s, size=10.5, fill=INK, weight="normal",
             anchor="start", style="normal"):
        self.add(f'<text x="{x:g}" y="{y:g}" font-size="{size:g}" fill="{fill}" '
                 f'font-weight="{weight}" font-style="{style}" '
                 f'text-anchor="{anchor}">{escape(s)}</text>')

    def path(self, d, stroke, sw=1.6, fill="none", extra=""):
        self.add(f'<path d="{d}" fill="{fill}" stroke="{stroke}" '
                 f'stroke-width="{sw:g}" stroke-linejoin="round" '
                 f'stroke-linecap="round"{extra}/>')

    def arrow(self, d, colour, sw=1.6, dashed=False):
        marker = "in" if colour == AIR_IN else "out"
        extra = f' marker-end="url(#pfeil-{marker})"'
        if dashed:
            extra += ' stroke-dasharray="3 2"'
        self.path(d, colour, sw, extra=extra)

    def render(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" '
                f'height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}" '
                f'font-family="{FONT}">')
        defs = "<defs>" + "".join(
            f'<marker id="pfeil-{name}" viewBox="0 0 10 10" refX="8" refY="5" '
            f'markerWidth="3.6" markerHeight="3.6" orient="auto" '
            f'markerUnits="strokeWidth"><path d="M0,0 L10,5 L0,10 z" '
            f'fill="{colour}"/></marker>'
            for name, colour in (("in", AIR_IN), ("out", AIR_OUT))) + "</defs>"
        return "\n".join([head, defs] + self.parts + ["</svg>"]) + "\n"


# ---------------------------------------------------------------- symbols

def symbol(svg, cx, cy, kind):
    """Draws the symbol for fulfilled, conditional or not possible."""
    if kind == "j":
        svg.add(f'<circle cx="{cx:g}" cy="{cy:g}" r="5" fill="{GREEN}"/>')
        svg.path(f"M{cx-2.6:g},{cy:g} L{cx-0.7:g},{cy+2:g} L{cx+2.7:g},{cy-2.3:g}",
                 "#ffffff", 1.5)
    elif kind == "b":
        svg.add(f'<circle cx="{cx:g}" cy="{cy:g}" r="4.6" fill="#ffffff" '
                f'stroke="{GREEN}" stroke-width="1.3"/>')
        svg.add(f'<path d="M{cx:g},{cy-4.6:g} A4.6,4.6 0 0 0 {cx:g},{cy+4.6:g} z" '
                f'fill="{GREEN}"/>')
    else:
        svg.line(cx - 4, cy, cx + 4, cy, MUTED, 1.4)


def badge(svg, x, y, letter):
    svg.rect(x, y, 13, 12, BADGE, rx=2)
    svg.text(x + 6.5, y + 9.3, letter, 9.5, "#ffffff", "bold", "middle")


def fan(svg, cx, cy):
    svg.add(f'<circle cx="{cx:g}" cy="{cy:g}" r="4.6" fill="#ffffff" '
            f'stroke="{HOUSE_LINE}" stroke-width="1.1"/>')
    svg.path(f"M{cx-3:g},{cy-3:g} L{cx+3:g},{cy+3:g} M{cx-3:g},{cy+3:g} "
             f"L{cx+3:g},{cy-3:g}", HOUSE_LINE, 1)


# ---------------------------------------------------------------- houses

def house(svg, x, y, kind):
    """House in section with the air path of one system, in a 125 x 76 box."""
    def p(px, py):
        return f"{x + px:g},{y + py:g}"

    # Ground, walls with the interior wall, roof
    svg.line(x + 8, y + 68, x + 117, y + 68, GRID_STRONG, 1.2)
    svg.rect(x + 24, y + 36, 77, 32, "#ffffff", HOUSE_LINE, 1.3)
    svg.path(f"M{p(18, 37)} L{p(62.5, 13)} L{p(107, 37)} Z", HOUSE_LINE, 1.3,
             fill=ROOF)
    svg.line(x + 62.5, y + 36, x + 62.5, y + 58, HOUSE_LINE, 1.3)

    def opening(px, py):
        """Air inlet or outlet in an outside wall."""
        svg.rect(x + px - 2, y + py - 3, 4, 6, "#ffffff", HOUSE_LINE, 0.9)

    def through_door(sw=1.8, dashed=False):
        """Outdoor air from the left wall, under the interior door."""
        svg.arrow(f"M{p(6, 46)} H{x + 36:g} Q{p(46, 46)} {p(50, 54)} "
                  f"Q{p(54, 62)} {p(60, 62)}", AIR_IN, sw, dashed)

    if kind in (0, 1):  # cross ventilation, for moisture protection only or full
        thin = kind == 0
        sw = 1.2 if thin else 1.9
        opening(24, 46)
        opening(101, 46)
        through_door(sw=sw, dashed=thin)
        svg.arrow(f"M{p(65, 62)} Q{p(71, 62)} {p(75, 54)} Q{p(79, 46)} "
                  f"{p(89, 46)} H{x + 118:g}", AIR_OUT, sw, thin)
    elif kind in (2, 3):  # shaft ventilation, exhaust air system
        opening(24, 46)
        svg.rect(x + 84, y + 4, 9, 45, "#ffffff", HOUSE_LINE, 1.1)
        through_door()
        if kind == 2:
            svg.rect(x + 82, y + 2, 13, 3, HOUSE_LINE)
            svg.arrow(f"M{p(65, 62)} H{x + 80:g} Q{p(88.5, 62)} {p(88.5, 53)} "
                      f"V{y + 10:g}", AIR_OUT, 1.8)
        else:
            svg.arrow(f"M{p(65, 62)} H{x + 80:g} Q{p(88.5, 62)} {p(88.5, 53)} "
                      f"V{y + 24:g}", AIR_OUT, 1.8)
            svg.arrow(f"M{p(88.5, 11)} V{y + 1:g}", AIR_OUT, 1.8)
            fan(svg, x + 88.5, y + 17)
    elif kind == 4:  # supply air system
        svg.rect(x + 32, y + 4, 9, 45, "#ffffff", HOUSE_LINE, 1.1)
        opening(101, 46)
        svg.arrow(f"M{p(36.5, 0)} V{y + 10:g}", AIR_IN, 1.8)
        fan(svg, x + 36.5, y + 17)
        svg.arrow(f"M{p(36.5, 23)} V{y + 52:g} Q{p(36.5, 62)} {p(46, 62)} "
                  f"H{x + 60:g}", AIR_IN, 1.8)
        svg.arrow(f"M{p(65, 62)} Q{p(71, 62)} {p(75, 54)} Q{p(79, 46)} "
                  f"{p(89, 46)} H{x + 118:g}", AIR_OUT, 1.8)
    else:  # supply and exhaust air system with heat recovery
        svg.arrow(f"M{p(6, 28)} H{x + 47:g}", AIR_IN, 1.8)
        svg.arrow(f"M{p(78, 28)} H{x + 119:g}", AIR_OUT, 1.8)
        svg.arrow(f"M{p(54, 34)} V{y + 40:g} Q{p(54, 44)} {p(46, 44)} "
                  f"H{x + 36:g}", AIR_IN, 1.8)
        svg.arrow(f"M{p(88, 46)} H{x + 74:g} Q{p(71, 46)} {p(71, 41)} "
                  f"V{y + 35:g}", AIR_OUT, 1.8)
        svg.rect(x + 49, y + 22, 27, 12, "#ffffff", HOUSE_LINE, 1.1)
        svg.path(f"M{p(49, 22)} L{p(76, 34)} M{p(49, 34)} L{p(76, 22)}",
                 HOUSE_LINE, 0.9)


# ---------------------------------------------------------------- table

def column_centre(i):
    return COL_X0 + i * COL_W + COL_W / 2


def section_band(svg, y, bands, title, h=15):
    bands.append((y, y + h))
    svg.rect(TABLE_X, y, TABLE_R - TABLE_X, h, BAND)
    svg.text(TABLE_X + 6, y + h - 4, title, 10.5, INK, "bold")
    return y + h


def row_lines(svg, y, h):
    svg.line(TABLE_X, y + h, TABLE_R, y + h)


def draw_table(svg, top):
    y = top
    # Group headers
    for name, first, last, colour in GROUPS:
        x = COL_X0 + first * COL_W
        svg.rect(x, y, (last - first) * COL_W, 19, colour)
        svg.text(x + (last - first) * COL_W / 2, y + 13.5, name, 12, "#ffffff",
                 "bold", "middle")
    svg.rect(TABLE_X, y, LABEL_W, 19, GROUP_FAN)
    svg.text(TABLE_X + 6, y + 13.5, "Lüftungssystem", 12, "#ffffff", "bold")
    y += 19

    # System names and sketches
    svg.rect(TABLE_X, y, TABLE_R - TABLE_X, 28 + 76, HEAD_BG)
    for i, lines in enumerate(SYSTEMS):
        cx = column_centre(i)
        base = y + (18 if len(lines) == 1 else 12)
        for k, s in enumerate(lines):
            svg.text(cx, base + k * 12.5, s, 11 if k == 0 else 10.5, INK,
                     "bold" if k == 0 else "normal", "middle")
        house(svg, COL_X0 + i * COL_W, y + 28, i)
    svg.text(TABLE_X + 6, y + 18, "Luftführung im Schnitt", 10.5, MUTED)
    arrow_y = y + 44
    svg.arrow(f"M{TABLE_X + 8},{arrow_y} H{TABLE_X + 30}", AIR_IN, 1.8)
    svg.text(TABLE_X + 38, arrow_y + 3.5, "Außenluft / Zuluft", 10.5, INK)
    svg.arrow(f"M{TABLE_X + 8},{arrow_y + 16} H{TABLE_X + 30}", AIR_OUT, 1.8)
    svg.text(TABLE_X + 38, arrow_y + 19.5, "Abluft / Fortluft", 10.5, INK)
    fan(svg, TABLE_X + 13, arrow_y + 32)
    svg.text(TABLE_X + 38, arrow_y + 35.5, "Ventilator", 10.5, INK)
    y += 28 + 76
    body_top = y
    bands = []

    # Ventilation levels
    y = section_band(svg, y, bands, "Lüftungsstufen nach DIN 1946-6")
    for abbr, name, secured in LEVELS:
        h = 16
        svg.text(TABLE_X + 6, y + 11.5, abbr, 10.5, INK, "bold")
        svg.text(TABLE_X + 26, y + 11.5, name, 10.5, INK)
        for i, ok in enumerate(secured):
            x = COL_X0 + i * COL_W
            svg.rect(x + 2, y + 1.5, COL_W - 4, h - 3, GREEN if ok else AMBER,
                     rx=2)
            svg.text(x + COL_W / 2, y + 11.5,
                     "gesichert" if ok else "Fenster öffnen", 10,
                     GREEN_TEXT if ok else AMBER_TEXT, "bold", "middle")
        row_lines(svg, y, h)
        y += h

    # Standard requirements
    y = section_band(svg, y, bands, "Standardanforderungen nach DIN 1946-6 und DIN 4719")
    for name, marks in STANDARD:
        h = 16
        svg.text(TABLE_X + 6, y + 11.5, name, 10.5, INK)
        for i, m in enumerate(marks):
            symbol(svg, column_centre(i), y + h / 2, m)
        row_lines(svg, y, h)
        y += h

    # Increased requirements
    y = section_band(svg, y, bands, "Erhöhte Anforderungen")
    for letter, name, marks in INCREASED:
        h = 16
        if letter:
            badge(svg, TABLE_X + 6, y + 2, letter)
            svg.text(TABLE_X + 25, y + 11.5, name, 10.5, INK)
        else:
            svg.text(TABLE_X + 6, y + 11.5, name, 10.5, INK)
        for i, m in enumerate(marks):
            symbol(svg, column_centre(i), y + h / 2, m)
        row_lines(svg, y, h)
        y += h

    # Products, energy, web
    y = section_band(svg, y, bands, "Produkte und Energie")
    h = 42
    svg.text(TABLE_X + 6, y + 14, "Produkte (Beispiele)", 10.5, INK)
    for i, lines in enumerate(PRODUCTS):
        for k, s in enumerate(lines):
            svg.text(column_centre(i), y + 13 + k * 12.5, s, 10, INK,
                     anchor="middle")
    row_lines(svg, y, h)
    y += h
    for name, cells in ENERGY:
        h = 17
        svg.text(TABLE_X + 6, y + 12, name + " möglich", 10.5, INK)
        for i, (m, note) in enumerate(cells):
            if note:
                x = COL_X0 + i * COL_W
                symbol(svg, x + 10, y + h / 2, m)
                svg.text(x + 19, y + 12, note, 10, INK)
            else:
                symbol(svg, column_centre(i), y + h / 2, m)
        row_lines(svg, y, h)
        y += h
    h = 18
    svg.text(TABLE_X + 6, y + 12.5, "Weitere Informationen", 10.5, INK)
    for first, last, address in WEB:
        cx = COL_X0 + (first + last) * COL_W / 2
        svg.text(cx, y + 12.5, address, 10.5, AIR_IN, "bold", "middle")
    y += h

    # Grid: column separators, stronger between the groups
    # and interrupted by the section bands.
    stops = [top] + [v for band in bands for v in band] + [y]
    for i in range(COLS):
        x = COL_X0 + i * COL_W
        colour, width = GRID, 1
        if i in (0, 3):
            colour, width = GRID_STRONG, 1.6 if i == 3 else 1.2
        for k in range(0, len(stops), 2):
            y1 = stops[k] if k or i in (0, 3) else top + 19
            svg.line(x, y1, x, stops[k + 1], colour, width)
    svg.rect(TABLE_X, top, TABLE_R - TABLE_X, y - top, "none", GRID_STRONG, 1.2)
    svg.line(TABLE_X, body_top, TABLE_R, body_top, GRID_STRONG, 1.2)
    return y


# ---------------------------------------------------------------- legend

def legend_box(svg, x, y, w, h, title):
    svg.rect(x, y, w, h, "#ffffff", GRID, 1)
    svg.text(x + 8, y + 15, title, 11, INK, "bold")


def draw_legend(svg, top, bottom):
    h = bottom - top
    widths = [240, 210, 228, 231]
    gap = (TABLE_R - TABLE_X - sum(widths)) / 3
    xs = []
    x = TABLE_X
    for w in widths:
        xs.append(x)
        x += w + gap

    # Colours and symbols
    x = xs[0]
    legend_box(svg, x, top, widths[0], h, "Zeichenerklärung")
    y = top + 24
    svg.rect(x + 8, y, 26, 12, GREEN, rx=2)
    svg.text(x + 42, y + 10, "gesichert durch das Lüftungssystem", 10.5)
    y += 16
    svg.rect(x + 8, y, 26, 12, AMBER, rx=2)
    svg.text(x + 42, y + 10, "nur durch aktives Öffnen der Fenster", 10.5)
    y += 20
    for kind, s in (("j", "erfüllt bzw. möglich"),
                    ("b", "mit Zusatzmaßnahmen möglich"),
                    ("n", "nicht möglich bzw. nicht vorgesehen")):
        symbol(svg, x + 21, y + 6, kind)
        svg.text(x + 42, y + 10, s, 10.5)
        y += 16

    # Ventilation levels
    x = xs[1]
    legend_box(svg, x, top, widths[1], h, "Lüftungsstufen")
    y = top + 22
    for abbr, name, note in (
            ("FL", "Lüftung zum Feuchteschutz", "nutzerunabhängig, Bautenschutz"),
            ("RL", "Reduzierte Lüftung", "Hygiene bei zeitweiser Abwesenheit"),
            ("NL", "Nennlüftung", "Normalbetrieb bei Anwesenheit"),
            ("IL", "Intensivlüftung", "zeitweise erhöht bei Lastspitzen")):
        svg.text(x + 8, y + 10, abbr, 10.5, INK, "bold")
        svg.text(x + 28, y + 10, name, 10.5)
        svg.text(x + 28, y + 22, note, 10, MUTED)
        y += 25

    # Increased requirements
    x = xs[2]
    legend_box(svg, x, top, widths[2], h, "Erhöhte Anforderungen")
    y = top + 22
    for letter, name, note in (
            ("H", "Raumluftqualität und Hygiene", "z. B. Filter, feuchte- oder CO2-geführt"),
            ("E", "Energieeffizienz", "z. B. Wärmerückgewinnung, EC-Motoren"),
            ("S", "Schallschutz", "z. B. schallgedämmte Durchlässe")):
        badge(svg, x + 8, y, letter)
        svg.text(x + 28, y + 10, name, 10.5)
        svg.text(x + 28, y + 22, note, 10, MUTED)
        y += 25
    svg.text(x + 8, y + 10, "Erhöhte Anforderungen sind mit dem", 10, MUTED)
    svg.text(x + 8, y + 22, "Bauherrn gesondert zu vereinbaren.", 10, MUTED)

    # Funding
    x = xs[3]
    legend_box(svg, x, top, widths[3], h, "Hinweis zur Förderung")
    y = top + 34
    for s in ("Lüftungsanlagen mit Wärmerückgewinnung",
              "und bedarfsgeführte Systeme können im",
              "Rahmen von Förderprogrammen für",
              "energieeffizientes Bauen und Sanieren",
              "bezuschusst werden. Bedingungen vor der",
              "Auftragsvergabe beim Fördergeber erfragen.",
              "Beratung: www.lkz-lueftung.example"):
        svg.text(x + 8, y, s, 10.5)
        y += 13.5


def build():
    svg = Svg()
    svg.rect(0, 0, WIDTH, HEIGHT, "#ffffff")

    # Title band
    svg.rect(0, 0, WIDTH, 36, TITLE_BG)
    svg.text(MARGIN + 6, 25, "Auswahl des Lüftungssystems nach DIN 1946-6", 19,
             "#ffffff", "bold")
    svg.text(TABLE_R - 6, 16, "Lüftungskonzept für Wohnungen", 11, "#dce6eb",
             "bold", "end")
    svg.text(TABLE_R - 6, 29, "Übersicht lüftungstechnischer Maßnahmen", 10.5,
             "#dce6eb", anchor="end")

    bottom = draw_table(svg, 42)
    draw_legend(svg, bottom + 6, HEIGHT - 28)

    # Footer
    svg.rect(0, HEIGHT - 24, WIDTH, 24, TITLE_BG)
    svg.text(WIDTH / 2, HEIGHT - 8, FOOTER, 11.5, "#ffffff", "bold", "middle")
    return svg.render()


def main():
    out = build()
    if len(sys.argv) > 1:
        with open(sys.argv[1], "w", encoding="utf-8") as f:
            f.write(out)
    else:
        sys.stdout.write(out)


if __name__ == "__main__":
    main()
