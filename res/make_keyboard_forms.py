#!/usr/bin/env python3
"""The keyboard form templates: forms_ja.rc2 (templates 101 and 132 of the
Japanese set), forms_en.rc2 (the same two of the English set) and
forms_neutral.rc2 (template 101 of the neutral set). Run by res/make_all.py.

Every key has a hidden button on the base keyboard and a twin (id + 2000) on
the remapped keyboard below it; the buttons only carry positions for the view.
The key ids and their order are checked against model/key_table.cpp so that
the forms and the key table cannot drift apart.
"""

import os
import re
import sys

REMAP_ID_OFFSET = 2000

# (key id, template text, rectangle on the 101-key form, rectangle on the
# 106-key form). None on the 101 side: the key exists only on the 106-key
# form; None on the 106 side: the same rectangle as on the 101-key form.
KEYS = [
    (100, "Esc", (17, 23, 16, 13), None),
    (101, "1", (33, 42, 16, 13), None),
    (102, "2", (49, 42, 16, 13), None),
    (5, "3", (65, 42, 16, 13), None),
    (6, "4", (81, 42, 16, 13), None),
    (7, "5", (97, 42, 16, 13), None),
    (8, "6", (113, 42, 16, 13), None),
    (9, "7", (129, 42, 16, 13), None),
    (10, "8", (145, 42, 16, 13), None),
    (11, "9", (161, 42, 16, 13), None),
    (12, "0", (177, 42, 16, 13), None),
    (13, "-", (193, 42, 16, 13), None),
    (14, "=", (209, 42, 16, 13), None),
    (16, "BS", (225, 42, 32, 13), (241, 42, 16, 13)),
    (1000, "Tab", (17, 56, 24, 13), None),
    (4, "Q", (41, 56, 16, 13), None),
    (17, "W", (57, 56, 16, 13), None),
    (18, "E", (73, 56, 16, 13), None),
    (19, "R", (89, 56, 16, 13), None),
    (20, "T", (105, 56, 16, 13), None),
    (21, "Y", (121, 56, 16, 13), None),
    (22, "U", (137, 56, 16, 13), None),
    (23, "I", (153, 56, 16, 13), None),
    (24, "O", (169, 56, 16, 13), None),
    (25, "P", (185, 56, 16, 13), None),
    (26, "[", (201, 56, 16, 13), (201, 56, 17, 13)),
    (27, "]", (217, 56, 16, 13), (219, 56, 17, 13)),
    (1001, "Enter", (221, 69, 36, 13), (237, 55, 20, 27)),
    (1004, "Ctrl", (17, 97, 24, 13), (17, 97, 19, 13)),
    (28, "A", (45, 69, 16, 13), None),
    (29, "S", (61, 69, 16, 13), None),
    (30, "D", (77, 69, 16, 13), None),
    (31, "F", (93, 69, 16, 13), None),
    (32, "G", (109, 69, 16, 13), None),
    (33, "H", (125, 69, 16, 13), None),
    (34, "J", (141, 69, 16, 13), None),
    (35, "K", (157, 69, 16, 13), None),
    (36, "L", (173, 69, 16, 13), None),
    (37, ";", (189, 69, 16, 13), None),
    (39, "'", (205, 69, 16, 13), None),
    (999, "`", (17, 42, 16, 13), None),
    (1003, "Shift", (17, 83, 35, 13), None),
    (15, "\\", (233, 56, 24, 13), (221, 69, 16, 13)),
    (38, "Z", (53, 83, 16, 13), None),
    (40, "X", (69, 83, 16, 13), None),
    (41, "C", (85, 83, 16, 13), None),
    (42, "V", (101, 83, 16, 13), None),
    (43, "B", (117, 83, 16, 13), None),
    (44, "N", (133, 83, 16, 13), None),
    (45, "M", (149, 83, 16, 13), None),
    (46, ",", (165, 83, 16, 13), None),
    (47, ".", (181, 83, 16, 13), None),
    (48, "/", (197, 83, 16, 13), None),
    (1005, "Shift", (214, 83, 43, 13), (230, 83, 27, 13)),
    (83, "*", (347, 42, 16, 13), None),
    (1007, "Alt", (66, 97, 24, 13), (56, 97, 15, 13)),
    (1008, "", (90, 97, 69, 13), None),
    (1002, "Caps", (17, 69, 27, 13), None),
    (59, "F1", (45, 23, 16, 13), None),
    (60, "F2", (61, 23, 16, 13), None),
    (61, "F3", (77, 23, 16, 13), None),
    (62, "F4", (93, 23, 16, 13), None),
    (63, "F5", (119, 23, 16, 13), None),
    (64, "F6", (135, 23, 16, 13), None),
    (65, "F7", (151, 23, 16, 13), None),
    (66, "F8", (167, 23, 16, 13), None),
    (67, "F9", (193, 23, 16, 13), None),
    (87, "F10", (209, 23, 16, 13), None),
    (81, "Num", (315, 42, 16, 13), None),
    (78, "7", (315, 56, 16, 13), None),
    (79, "8", (331, 56, 16, 13), None),
    (80, "9", (347, 56, 16, 13), None),
    (84, "-", (363, 42, 16, 13), None),
    (75, "4", (315, 69, 16, 13), None),
    (76, "5", (331, 69, 16, 13), None),
    (77, "6", (347, 69, 16, 13), None),
    (85, "+", (363, 56, 16, 27), None),
    (72, "1", (315, 83, 16, 13), None),
    (73, "2", (331, 83, 16, 13), None),
    (74, "3", (347, 83, 16, 13), None),
    (1006, "0", (315, 97, 32, 13), None),
    (71, ".", (347, 97, 16, 13), None),
    (88, "F11", (225, 23, 16, 13), None),
    (89, "F12", (241, 23, 16, 13), None),
    (82, "/", (331, 42, 16, 13), None),
    (1009, "Alt", (159, 97, 26, 13), (190, 97, 15, 13)),
    (50, "Hm", (278, 42, 16, 13), None),
    (55, "Up", (278, 83, 16, 13), None),
    (51, "Pup", (294, 42, 16, 13), None),
    (57, "<-", (262, 97, 16, 13), None),
    (58, "->", (294, 97, 16, 13), None),
    (53, "End", (278, 56, 16, 13), None),
    (56, "Dn", (278, 97, 16, 13), None),
    (54, "Pdn", (294, 56, 16, 13), None),
    (49, "Ins", (262, 42, 16, 13), None),
    (52, "Del", (262, 56, 16, 13), None),
    (86, "Ent", (363, 83, 16, 27), None),
    (128, "Ctrl", (232, 97, 25, 13), (238, 97, 19, 13)),
    (256, "Win", (41, 97, 25, 13), (37, 97, 18, 13)),
    (257, "Win", (185, 97, 26, 13), (205, 97, 18, 13)),
    (258, "App", (211, 97, 21, 13), (223, 97, 15, 13)),
    (1010, "Nfer", None, (72, 97, 17, 13)),
    (1012, "Nfer", None, (159, 97, 15, 13)),
    (1013, "Nfer", None, (174, 97, 15, 13)),
    (91, "OEM5", None, (225, 42, 16, 13)),
    (90, "102", None, (214, 83, 16, 13)),
]

# The backslash key carries the kana on its cap in the 106-key form.
TEXT_106 = {15: "む"}

# Print Screen, Scroll Lock and Pause have buttons but are not keys: the view
# never makes a key cap from them.
NON_KEYS = [
    (68, "Pnt", (262, 23, 16, 13)),
    (69, "Lck", (278, 23, 16, 13)),
    (70, "Pas", (294, 23, 16, 13)),
]

# The remapped keyboard's row for each row of the base keyboard.
REMAP_Y_101 = {23: 143, 42: 163, 56: 177, 69: 189, 83: 203, 97: 217}
REMAP_Y_106 = {23: 143, 42: 163, 55: 177, 56: 177, 69: 191, 83: 205, 97: 219}

KEYPAD_ENTER = 86

KEY_STYLE = "BS_OWNERDRAW | WS_DISABLED | NOT WS_VISIBLE"


class Form:
    def __init__(self, symbol, is106, font, captions, status_rect, keypad_enter_twin_y=None):
        self.symbol = symbol
        self.is106 = is106
        self.font = font
        self.captions = captions
        self.status_rect = status_rect
        self.keypad_enter_twin_y = keypad_enter_twin_y


JA_FONT = '9, "ＭＳ ゴシック", 0, 0, 0x1'
NEUTRAL_FONT = '8, "Arial", 0, 0, 0x1'
# The dialog font every Windows has; it maps to the system's own UI font.
EN_FONT = '8, "MS Shell Dlg", 0, 0, 0x1'

FORMS_JA = [
    Form("IDD_KEYBOARD_FORM", False, JA_FONT,
         ("ベース キーボード", "リマップ キーボード"), (315, 24, 53, 13)),
    Form("IDD_KEYBOARD_FORM_106", True, JA_FONT,
         ("ベース キーボード (106)", "リマップ キーボード"), (315, 24, 53, 13)),
]
FORMS_EN = [
    Form("IDD_KEYBOARD_FORM", False, EN_FONT,
         ("Base keyboard", "Remapped keyboard"), (315, 24, 53, 13)),
    Form("IDD_KEYBOARD_FORM_106", True, EN_FONT,
         ("Base keyboard (106 keys)", "Remapped keyboard"), (315, 24, 53, 13)),
]
FORMS_NEUTRAL = [
    # One unit lower than in the Japanese form, clear of the keypad plus key.
    Form("IDD_KEYBOARD_FORM", False, NEUTRAL_FONT,
         ("基本键盘", "换键键盘"), (315, 21, 53, 11), keypad_enter_twin_y=204),
]


def rc_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '""') + '"'


def rect_text(rect):
    return "%d, %d, %d, %d" % rect


def form_buttons(form):
    """(id, text, rect) of every button of the base keyboard, in table order."""
    buttons = []
    for key_id, text, rect101, rect106 in KEYS:
        if form.is106:
            rect = rect106 if rect106 is not None else rect101
            text = TEXT_106.get(key_id, text)
        else:
            if rect101 is None:
                continue
            rect = rect101
        buttons.append((key_id, text, rect))
    buttons.extend(NON_KEYS)
    return buttons


def remapped(form, key_id, rect):
    x, y, w, h = rect
    remap_y = (REMAP_Y_106 if form.is106 else REMAP_Y_101)[y]
    if key_id == KEYPAD_ENTER and form.keypad_enter_twin_y is not None:
        remap_y = form.keypad_enter_twin_y
    return (x, remap_y, w, h)


def write_form(out, form):
    out.append("%s DIALOGEX 0, 0, 392, 249" % form.symbol)
    out.append("STYLE DS_SETFONT | WS_CHILD")
    out.append("FONT %s" % form.font)
    out.append("BEGIN")
    out.append("    GROUPBOX %s, IDC_STATIC, 7, 7, 378, 113" % rc_string(form.captions[0]))
    out.append("    GROUPBOX %s, IDC_STATIC, 7, 129, 378, 113" % rc_string(form.captions[1]))
    out.append('    PUSHBUTTON "dummy", IDC_FORM_DUMMY, 335, 7, 50, 14')
    out.append('    LTEXT "", IDC_FORM_STATUS, %s' % rect_text(form.status_rect))
    buttons = form_buttons(form)
    for key_id, text, rect in buttons:
        out.append('    CONTROL %s, %d, "Button", %s, %s'
                   % (rc_string(text), key_id, KEY_STYLE, rect_text(rect)))
    for key_id, text, rect in buttons:
        out.append('    CONTROL %s, %d, "Button", %s, %s'
                   % (rc_string(text), key_id + REMAP_ID_OFFSET, KEY_STYLE,
                      rect_text(remapped(form, key_id, rect))))
    out.append("END")
    out.append("")


def file_text(language, forms):
    out = [
        "// Generated by res/make_keyboard_forms.py; edit the script and run res/make_all.py.",
        "#pragma code_page(65001)",
        "",
        "LANGUAGE %s" % language,
        "",
    ]
    for form in forms:
        write_form(out, form)
    return ("\n".join(out).rstrip("\n") + "\n").encode("utf-8")


def check_against_key_table(root):
    """The ids and their order must be those of the model's key table."""
    with open(os.path.join(root, "model", "key_table.cpp"), encoding="utf-8") as f:
        source = f.read()
    rows = re.findall(r"\{\s*(\d+),\s*0x[0-9A-Fa-f]+,\s*(TRUE|FALSE),\s*\"[^\"]*\"\s*\}", source)
    table = [(int(key_id), only106 == "TRUE") for key_id, only106 in rows]
    mine = [(key_id, rect101 is None) for key_id, _, rect101, _ in KEYS]
    if table != mine:
        sys.exit("make_keyboard_forms.py: the key list differs from model/key_table.cpp")


def outputs():
    check_against_key_table(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    return {
        "res/forms_ja.rc2": file_text("0x11, 0x01", FORMS_JA),
        "res/forms_en.rc2": file_text("0x09, 0x01", FORMS_EN),
        "res/forms_neutral.rc2": file_text("NEUTRAL_SET_LANGUAGE", FORMS_NEUTRAL),
    }
