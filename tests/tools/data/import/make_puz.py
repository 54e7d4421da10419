#!/usr/bin/env python3
"""Writes kanon.puz, the hand-made Across Lite fixture, from the published description of the
format: header with its checksums, solution, empty fill, strings, and a GEXT section that circles
one cell. Run it again only when the fixture is meant to change."""
import struct


def cksum(data, s=0):
    for b in data:
        s = ((s >> 1) | 0x8000) if s & 1 else s >> 1
        s = (s + b) & 0xFFFF
    return s


rows = ["KANON", "A#A#I", "TORTE", "Z#B#R", "EBENE"]
clues = ["Mehrstimmiges Lied", "Haustier", "Spur einer Wunde", "Organ",  # 1a 1d 2d 3d
         "Kuchen mit Sahne", "Flaches Land"]                              # 4a 5a
title, author = b"Kanon", b"Quivane-Team"
copyright, notes = b"\xa9 2025 Quivane-Team", b"Von Hand nach der Formatbeschreibung geschrieben."
w, h = 5, 5
solution = "".join(r.replace("#", ".") for r in rows).encode()
fill = bytes(ord(".") if ch == ord(".") else ord("-") for ch in solution)
cib = struct.pack("<BBHHH", w, h, len(clues), 1, 0)
enc = [c.encode("cp1252") for c in clues]


def strings_sum(s):
    for part in (title, author, copyright):
        if part:
            s = cksum(part + b"\0", s)
    for c in enc:
        s = cksum(c, s)
    return cksum(notes + b"\0", s) if notes else s


c_cib = cksum(cib)
c_glob = strings_sum(cksum(fill, cksum(solution, c_cib)))
parts = [c_cib, cksum(solution), cksum(fill), strings_sum(0)]
masked = bytes(ord("ICHE"[i]) ^ (parts[i] & 0xFF) for i in range(4)) + \
    bytes(ord("ATED"[i]) ^ (parts[i] >> 8) for i in range(4))
header = struct.pack("<H", c_glob) + b"ACROSS&DOWN\0" + struct.pack("<H", c_cib) + masked + \
    b"1.3\0" + b"\0" * 2 + b"\0\0" + b"\0" * 12 + cib
gext = bytearray(w * h)
gext[12] = 0x80  # the middle cell is circled
body = solution + fill + b"\0".join([title, author, copyright] + enc + [notes]) + b"\0"
ext = b"GEXT" + struct.pack("<HH", len(gext), cksum(gext)) + bytes(gext) + b"\0"
open("kanon.puz", "wb").write(header + body + ext)
