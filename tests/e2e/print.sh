#!/bin/bash
# Printing through a real CUPS queue that writes PDF files (cups-pdf): swedish prints the default
# riddle on one page and then two copies on separate pages; sudoku prints the 9-symbol sudoku.
# The print dialog is driven by keys and clicks (print.py). A scheduler that already runs is used
# as it is; otherwise the test starts its own and stops it at the end. SHOTS names a folder for
# the dialog's screenshot and the printed pages as images.
. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
mode=${1:?usage: print.sh swedish|sudoku}
sample=schwedenraetsel
[ "$mode" = sudoku ] && sample=sudoku-9
queue=QuivaneTest$$
cupsd_pid=""

scheduler_runs() { lpstat -r 2>/dev/null | grep -q "is running"; }

print_cleanup() {
    lpadmin -x "$queue" 2>/dev/null
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    cleanup
}
trap print_cleanup EXIT

if ! scheduler_runs; then
    mkdir -p /run/cups
    /usr/sbin/cupsd -f 2>>"$WORK/cupsd.log" &
    cupsd_pid=$!
    for _ in $(seq 300); do scheduler_runs && break; sleep 0.1; done
    scheduler_runs || fail "cupsd did not start"
fi
# pdftocairo turns the job into PostScript with its fonts' Unicode intact, so that the PDF that
# cups-pdf distils from it can be read back with pdftotext.
lpadmin -p "$queue" -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E \
    -o PDFVer-default=1.5 -o pdftops-renderer-default=pdftocairo 2>>"$WORK/lpadmin.log" || fail "no PDF queue"
# cups-pdf writes into the PDF folder of the job's owner.
export PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
export QUEUE=$queue

/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null
"$RIDDLEPACK" dump --embedded "$SAMPLES/$sample" >"$WORK/dump.json" || fail "dump failed"
"$SAMPLES/$sample" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"
/usr/bin/python3 "$(dirname "$0")/print.py" "$mode" "$win" "$WORK" "${SHOTS:-}" || { kill $pid; fail "$mode print"; }
kill -0 $pid || fail "player ended"
kill $pid
