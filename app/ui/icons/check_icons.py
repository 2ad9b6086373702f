#!/usr/bin/env python3
"""Checks that every icon stays inside what Qt's SVG renderer draws and that
icons.qrc lists exactly the icons of this folder.

Qt SVG implements SVG Tiny 1.2 only: a style sheet, filter, mask or clip path
is silently dropped, so an icon that uses one looks right in a browser and
wrong in the program. Run it with no arguments; it exits non-zero on a fault.
"""

import sys
import xml.etree.ElementTree as ET
from pathlib import Path

SVG_NS = "{http://www.w3.org/2000/svg}"
ALLOWED_ELEMENTS = {"svg", "g", "path", "rect", "circle", "ellipse", "line",
                    "polyline", "polygon", "title", "desc"}
FORBIDDEN_ATTRIBUTES = {"style", "class", "filter", "mask", "clip-path", "opacity"}
PALETTE = {"#37474f", "#ffffff", "#cfd8dc", "#546e7a", "#1e88e5", "#43a047",
           "#fb8c00", "#8e24aa", "#00897b", "#e53935", "none"}
VIEW_BOXES = {"kerfwright.svg": "0 0 48 48"}
DEFAULT_VIEW_BOX = "0 0 24 24"
# A command reached from two places shows one icon: a menu item the same as a
# toolbar key shows the key's, an edit-panel button the same as a menu item the item's.
SHARED_ICONS = {
    "mnuFileNew.svg": "NEW.svg",
    "mnuFileOpen.svg": "OPEN.svg",
    "mnuFileSave.svg": "SAVE.svg",
    "mnuEditUndo.svg": "UNDO.svg",
    "mnuEditRedo.svg": "REDO.svg",
    "numSelA.svg": "SelA.svg",
    "numSelZ.svg": "SelZ.svg",
    "numSelP.svg": "SelP.svg",
    "numSelN.svg": "SelN.svg",
    "mnuViewShowIn.svg": "ZOOMIN.svg",
    "mnuViewShowOut.svg": "ZOOMOUT.svg",
    "mnuViewShowMove.svg": "ZOOMHAND.svg",
    "mnuViewShowAll.svg": "ZOOMALL.svg",
    "mnuViewShowTable.svg": "ZOOMTABLE.svg",
    "mnuSpin.svg": "BLOCKRORATE.svg",
    "mnuMove.svg": "BLOCKMOVE.svg",
    "mnuMirror.svg": "BLOCKMIRROR.svg",
    "mnuZl.svg": "BLOCKARRAY.svg",
    "munToCenter.svg": "TOCENTER.svg",
    "CPDel.svg": "mnuDel.svg",
    "Cback.svg": "mnuBack.svg",
    "CHb.svg": "mnuHb.svg",
    "CSetStartP.svg": "mnuStart.svg",
}


def local_name(name):
    return name.split("}", 1)[-1]


def element_faults(element, icon):
    faults = []
    tag = local_name(element.tag)
    if tag not in ALLOWED_ELEMENTS:
        faults.append(f"{icon}: element <{tag}> is not drawn by Qt SVG")
    for attribute, value in element.attrib.items():
        name = local_name(attribute)
        if name in FORBIDDEN_ATTRIBUTES or name == "href":
            faults.append(f"{icon}: attribute {name} on <{tag}>")
        if name in ("fill", "stroke") and value.lower() not in PALETTE:
            faults.append(f"{icon}: colour {value} is not in the icon palette")
    return faults


def icon_faults(path):
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f"{path.name}: {error}"]
    if root.tag != SVG_NS + "svg":
        return [f"{path.name}: the root is not an SVG element"]
    faults = []
    view_box = VIEW_BOXES.get(path.name, DEFAULT_VIEW_BOX)
    if root.get("viewBox") != view_box:
        faults.append(f"{path.name}: viewBox is {root.get('viewBox')!r}, not {view_box!r}")
    if root.get("baseProfile") != "tiny":
        faults.append(f"{path.name}: baseProfile is not tiny")
    for element in root.iter():
        faults += element_faults(element, path.name)
    return faults


def qrc_faults(folder, icons):
    qrc = folder / "icons.qrc"
    try:
        resources = ET.parse(qrc).getroot().findall("qresource")
    except (OSError, ET.ParseError) as error:
        return [f"icons.qrc: {error}"]
    if len(resources) != 1 or resources[0].get("prefix") != "/icons":
        return ["icons.qrc: expected one qresource with the prefix /icons"]
    faults = []
    listed = {}
    for entry in resources[0].findall("file"):
        alias = entry.get("alias") or entry.text
        if alias in listed:
            faults.append(f"icons.qrc: {alias} is listed twice")
        listed[alias] = entry.text
        if not (folder / entry.text).is_file():
            faults.append(f"icons.qrc: {entry.text} does not exist")
    expected = {name: name for name in icons} | SHARED_ICONS
    for alias, file in expected.items():
        if listed.get(alias) != file:
            faults.append(f"icons.qrc: {alias} should name {file}, names {listed.get(alias)}")
    for alias in listed.keys() - expected.keys():
        faults.append(f"icons.qrc: {alias} is not an icon of this folder")
    return faults


def main():
    folder = Path(__file__).resolve().parent
    icons = sorted(path.name for path in folder.glob("*.svg"))
    faults = []
    for name in icons:
        faults += icon_faults(folder / name)
    faults += qrc_faults(folder, icons)
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{len(icons)} icons, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
