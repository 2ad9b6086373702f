#!/usr/bin/python3
"""Counts the paths a DXF import should give, independently of the reader:
ezdxf loads the drawing and the supported entities of the ENTITIES section
are counted, less those the reader drops by rule. Prints the count, or
"refused" for a version the reader does not take."""
import sys

from ezdxf import recover
from ezdxf.lldxf.tagger import ascii_tags_loader

MARKER_VERSIONS = {"AC1014", "AC1015", "AC1018"}
PLAIN_VERSIONS = {"AC1009", "AC2.10"}


def header_version(path):
    """The $ACADVER value as the text reader sees it, or None without one."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"AutoCAD Binary DXF"):
        return None  # no text fields: the text reader finds no version
    lines = [line.strip() for line in data.decode("latin-1").splitlines()]
    for i, line in enumerate(lines):
        if line == "$ACADVER" and i + 2 < len(lines):
            return lines[i + 2]
    return None


def widths_before_last_vertex(path):
    """Handles of the LWPOLYLINEs with per-vertex widths (40/41) before their
    last vertex: the reader takes no widths and drops such polylines."""
    with open(path, encoding="utf-8", errors="replace") as f:
        tags = list(ascii_tags_loader(f))
    handles, i = set(), 0
    while i < len(tags):
        if tags[i].code == 0 and tags[i].value == "LWPOLYLINE":
            j = i + 1
            while j < len(tags) and tags[j].code != 0:
                j += 1
            body = tags[i + 1:j]
            codes = [t.code for t in body]
            last_vertex = max((k for k, c in enumerate(codes) if c == 10), default=-1)
            if any(c in (40, 41) for c in codes[:last_vertex]):
                handles.update(t.value for t in body if t.code == 5)
            i = j
        else:
            i += 1
    return handles


def polyline_points(e, with_markers):
    if with_markers and e.get_mode() not in ("AcDb2dPolyline", "AcDb3dPolyline"):
        return 0  # mesh and face records carry other vertex markers
    return len(e.vertices)


def counts(e, with_markers, dropped):
    kind = e.dxftype()
    if kind in ("LINE", "XLINE", "ELLIPSE"):
        return True
    if kind in ("CIRCLE", "ARC"):
        return e.dxf.radius > 0
    if kind == "SPLINE":
        return e.control_point_count() >= 2
    if kind == "LWPOLYLINE":
        return len(e) >= 1 and e.dxf.handle not in dropped
    if kind == "POLYLINE":
        return polyline_points(e, with_markers) >= 1
    return False


def main(path):
    version = header_version(path)
    if version is None:
        print(0)
        return
    if version not in MARKER_VERSIONS | PLAIN_VERSIONS:
        print("refused")
        return
    doc, _ = recover.readfile(path)
    layouts = [doc.modelspace(), doc.layouts.active_layout()]
    entities = [e for layout in layouts for e in layout]
    dropped = widths_before_last_vertex(path)
    print(sum(1 for e in entities if counts(e, version in MARKER_VERSIONS, dropped)))


if __name__ == "__main__":
    main(sys.argv[1])
