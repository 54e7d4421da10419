#!/usr/bin/python3
"""Prints the packed riddle through the print dialog, driven with keys and clicks, into the CUPS
PDF queue named by $QUEUE, and reads the PDFs back.
Usage: print.py swedish|sudoku WINDOW_ID WORK_DIR [SHOTS_DIR]
  swedish  one page with the legend below, then two copies on separate pages: 1 and 2 pages, the
           title, "Waagerecht" and every clue text readable
  sudoku   the grid alone on one page, with four black box lines each way"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys

from atspi import app, click, fail, find, find_all, named, screenshot, showing, wait_for, xdo

mode, window, work = sys.argv[1], sys.argv[2], sys.argv[3]
shots = sys.argv[4] if len(sys.argv) > 4 else ""
queue, pdf_dir = os.environ["QUEUE"], os.environ["PDF_DIR"]
dump = json.load(open(os.path.join(work, "dump.json"), encoding="utf-8"))
player = app()


def dialog():
    def shown():
        return next((f for f in find_all(player, lambda a: a.getRoleName() in ("dialog", "frame"))
                     if showing(f) and f.name == "Rätsel drucken"), None)
    return wait_for(shown, "no print dialog")


def open_dialog(by_key):
    # Without a window manager nobody hands the keyboard focus back once a dialog has closed, so
    # only the first print goes by the shortcut; the next one clicks the tool bar's print button.
    if by_key:
        xdo("key", "--window", window, "ctrl+p")
    else:
        click(find(player, named("push button", "Das Rätsel und die Legende drucken"), "print button"))
    return dialog()


def choose_queue(dlg):
    # The list (named after the printer it shows) opens with a click; typing the queue's name
    # picks it, Return takes it.
    combo = find(dlg, lambda a: a.getRoleName() == "combo box", "printer list")
    click(combo)
    xdo("type", "--delay", "20", queue)
    xdo("key", "Return")
    wait_for(lambda: combo.name == queue, f"queue {queue} not chosen: {combo.name}")


def completed_jobs():
    out = subprocess.run(["lpstat", "-W", "completed", "-o", queue], capture_output=True, text=True).stdout
    return [int(m.group(1)) for m in re.finditer(rf"^{re.escape(queue)}-(\d+)\s", out, re.M)]


def collect(jobs_before, count, name):
    """Waits for `count` more finished jobs and moves their PDFs into the work folder."""
    jobs = wait_for(lambda: (j := completed_jobs()) and len(j) >= jobs_before + count and j,
                    f"{count} print jobs of {name} did not finish", tries=300, pause=0.2)
    pdfs = []
    for job in sorted(jobs)[jobs_before:]:
        found = wait_for(lambda: glob.glob(os.path.join(pdf_dir, f"*-job_{job}.pdf")),
                         f"no PDF of job {job} in {pdf_dir}", tries=100, pause=0.2)
        target = os.path.join(work, f"{name}-{len(pdfs) + 1}.pdf")
        shutil.move(found[0], target)
        pdfs.append(target)
    return pdfs


def pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def text(pdf, first=1, last=99):
    out = subprocess.run(["pdftotext", "-f", str(first), "-l", str(last), pdf, "-"],
                         capture_output=True, text=True).stdout
    return " ".join(out.split())


def images(pdf, name):
    if shots:
        subprocess.run(["pdftoppm", "-r", "100", "-png", pdf, os.path.join(shots, name)], check=True)


def check_riddle_text(pdf, legend_page):
    title = dump["global"]["Title"]
    if title not in text(pdf, 1, 1):
        fail(f"{pdf}: no title {title!r} on page 1")
    legend = text(pdf, legend_page, legend_page)
    if "Waagerecht:" not in legend or "Senkrecht:" not in legend:
        fail(f"{pdf}: no headings on page {legend_page}")
    clues = [" ".join(c["ClueText"].split()) for c in dump["clues"]]
    missing = [c for c in clues if c not in legend]
    # Every clue printed whole, none cut at the page's edge.
    if missing:
        fail(f"{pdf}: clues missing on page {legend_page}: {missing}")
    return len(clues)


def dark_lines(pgm, vertical):
    """Where columns (or rows) run black over most of the riddle's extent."""
    with open(pgm, "rb") as f:
        data = f.read()
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    w, h = int(header.group(1)), int(header.group(2))
    pixels = data[header.end():]
    black = bytes(1 if v < 64 else 0 for v in range(256))
    ink = bytes(1 if v < 200 else 0 for v in range(256))
    columns = [pixels[x::w] for x in range(w)]
    rows = [pixels[y * w:(y + 1) * w] for y in range(h)]
    span = sum(1 for r in rows if r.translate(ink).count(1)) if vertical else \
        sum(1 for c in columns if c.translate(ink).count(1))
    lines, previous = [], -2
    for i, strip in enumerate(columns if vertical else rows):
        if strip.translate(black).count(1) > 0.8 * span:
            if i != previous + 1:
                lines.append(i)
            previous = i
    return lines


if mode == "swedish":
    before = len(completed_jobs())
    dlg = open_dialog(True)
    choose_queue(dlg)
    click(find(dlg, named("radio button", "Rätsel und Legende auf einer Seite:"), "one-page choice"))
    screenshot(shots, "print-dialog.png")
    click(find(dlg, named("push button", "OK"), "OK button"))
    one = collect(before, 1, "one-page")[0]
    if pages(one) != 1:
        fail(f"one page printed on {pages(one)} pages")
    found = check_riddle_text(one, 1)
    images(one, "one-page")

    dlg = open_dialog(False)
    choose_queue(dlg)
    # Two copies typed into the copies box; Return there prints.
    click(find(dlg, named("spin button", "Anzahl Kopien"), "copies box"))
    xdo("key", "ctrl+a")
    xdo("type", "2")
    xdo("key", "Return")
    two = collect(before + 1, 2, "two-pages")
    for pdf in two:
        if pages(pdf) != 2:
            fail(f"{pdf}: separate pages printed on {pages(pdf)} pages")
        check_riddle_text(pdf, 2)
    images(two[0], "two-pages")
    print(f"one page and two copies of two pages printed; {found} clues readable on each")

elif mode == "sudoku":
    before = len(completed_jobs())
    dlg = open_dialog(True)
    choose_queue(dlg)
    if find_all(dlg, lambda a: a.name == "Layout" and showing(a)):
        fail("a sudoku's dialog shows the layout group")
    click(find(dlg, named("push button", "OK"), "OK button"))
    pdf = collect(before, 1, "sudoku")[0]
    if pages(pdf) != 1:
        fail(f"sudoku printed on {pages(pdf)} pages")
    images(pdf, "sudoku")
    pgm = os.path.join(work, "sudoku")
    subprocess.run(["pdftoppm", "-r", "100", "-gray", "-singlefile", pdf, pgm], check=True)
    # The title's underline is one more black row; the grid's box lines are four each way.
    columns, rows = dark_lines(pgm + ".pgm", True), dark_lines(pgm + ".pgm", False)
    if len(columns) != 4 or len(rows) != 4:
        fail(f"box lines: {len(columns)} vertical at {columns}, {len(rows)} horizontal at {rows}")
    print(f"sudoku printed with box lines at x {columns} and y {rows}")
