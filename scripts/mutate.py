#!/usr/bin/env python3
"""Mutation run: do the unit tests notice a small, careless change of the sources?

Makes mutants of the .cpp files in the chosen folders, applies one at a time to a copy of the tree
(build-mutate/tree, with its own build folder so that every rebuild is incremental), rebuilds the test
programs of the layers that depend on the changed file, runs them, and reports each mutant as killed (by
which test), survived (with its one-line diff) or not compiling. The sample is the same for the same seed
and the same sources; the budget bounds the time. Mutants listed in scripts/mutate-equivalent.txt cannot
change behaviour and are counted out.
"""

import argparse
import hashlib
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-mutate"
TREE = WORK / "tree"
BUILD = TREE / "build"
EQUIVALENT = ROOT / "scripts" / "mutate-equivalent.txt"

LAYERS = ["model", "engine", "legends", "printing"]
MODEL_TESTS = ["test_model_" + a for a in ("text", "colors", "worddata", "wordstate", "sudokudata",
                                           "riddlefile", "badinput", "picture", "embedded")]
LAYER_TESTS = {"model": MODEL_TESTS, "engine": ["test_engine"], "legends": ["test_legends"],
               "printing": ["test_printing"]}
# legends and printing both sit on the engine; neither includes the other.
DEPENDENTS = {"model": ["model", "engine", "legends", "printing"], "engine": ["engine", "legends", "printing"],
              "legends": ["legends"], "printing": ["printing"]}
# The windows of legends/ and printing/: mostly layout (captions, margins, sizes) over the rule modules
# beside them, which hold their logic. Left out unless --windows is given.
WINDOWS = {"legends/" + f + ".cpp" for f in ("HinweisDialog", "LegendCommands", "LegendList", "LegendPrint",
                                             "LegendeDialog", "LoesungDialog", "RiddleSupportForm",
                                             "WordBoxGrid", "WordEditDialog", "ZahlenDialog")} | \
          {"printing/" + f + ".cpp" for f in ("LayoutPicture", "PrintDialog", "PrintJob", "PrintMessageDialog")}


def tests_for(folder):
    return [t for layer in DEPENDENTS[folder] for t in LAYER_TESTS[layer]]


# ---- reading the sources -------------------------------------------------------------------------------

def masked_lines(text):
    """The lines with comments and the insides of string and character literals blanked out (same
    lengths), so that operators are only found in code."""
    out, in_block = [], False
    for line in text.split("\n"):
        chars, i, n = list(line), 0, len(line)
        while i < n:
            if in_block:
                if line.startswith("*/", i):
                    chars[i] = chars[i + 1] = " "
                    in_block, i = False, i + 2
                else:
                    chars[i], i = " ", i + 1
            elif line.startswith("//", i):
                for j in range(i, n):
                    chars[j] = " "
                break
            elif line.startswith("/*", i):
                chars[i] = chars[i + 1] = " "
                in_block, i = True, i + 2
            elif line[i] in "\"'":
                quote, j = line[i], i + 1
                while j < n and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                for k in range(i + 1, min(j, n)):
                    chars[k] = "_"
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def enumerators(source, folders):
    """Members of every enumeration declared in the headers, by name, with their siblings."""
    members = {}
    for folder in folders:
        for header in sorted((source / folder).glob("*.h")):
            code = "\n".join(masked_lines(header.read_text()))
            for body in re.findall(r"\benum\b(?:\s+class)?\s*\w*\s*(?::\s*\w+)?\s*\{([^}]*)\}", code):
                names = [re.match(r"\s*(\w+)", m).group(1) for m in body.split(",") if m.strip()]
                if len(names) >= 2:
                    for k, name in enumerate(names):
                        members[name] = names[(k + 1) % len(names)]
    return members


CMP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
RE_CMP = re.compile(r"(?<= )(<=|>=|==|!=|<|>)(?= )")
RE_BOOL = re.compile(r"(?<= )(&&|\|\|)(?= )")
RE_INT = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
RE_IDENT = re.compile(r"(?<![\w.>:])([A-Za-z_]\w*)\b(?!\s*\()")
RE_COND = re.compile(r"\b(if|while) \(")
RE_EMIT = re.compile(r"^(\s*)(emit\s+\w.*;)\s*$")
RE_SETTER = re.compile(r"^(\s*)((?:[\w:]+(?:\.|->))*[sS]et[A-Z]\w*\(.*\);)\s*$")


def closing_paren(code, start):
    depth = 0
    for i in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return -1


def line_mutants(line, code, enums):
    """(operator, column, mutated line) for one line; `code` is the line with comments and literals masked."""
    stripped = code.strip()
    if not stripped or stripped.startswith("#") or "static_assert" in code:
        return []
    found = []
    for m in RE_CMP.finditer(code):
        found.append(("comparison", m.start(), line[:m.start()] + CMP[m.group(1)] + line[m.end():]))
    for m in RE_BOOL.finditer(code):
        other = "||" if m.group(1) == "&&" else "&&"
        found.append(("boolean", m.start(), line[:m.start()] + other + line[m.end():]))
    for m in RE_INT.finditer(code):
        value = int(m.group(1))
        for moved in (value + 1, value - 1):
            if moved >= 0:
                found.append(("literal", m.start(), line[:m.start()] + str(moved) + line[m.end():]))
    for m in RE_IDENT.finditer(code):
        if m.group(1) in enums:
            found.append(("enumerator", m.start(), line[:m.start()] + enums[m.group(1)] + line[m.end():]))
    for m in RE_COND.finditer(code):
        open_at = m.end() - 1
        close_at = closing_paren(code, open_at)
        if close_at > 0:
            found.append(("negation", m.start(), line[:open_at + 1] + "!(" + line[open_at + 1:close_at] + ")" +
                          line[close_at:]))
    for pattern in (RE_EMIT, RE_SETTER):
        m = pattern.match(code)
        if m and code.count("(") == code.count(")"):
            # An empty block, not an empty statement: an `if` before it keeps its meaning and no warning.
            found.append(("drop", len(m.group(1)), m.group(1) + "{}"))
            break
    return found


def mutant_id(path, original, mutated, occurrence):
    key = f"{path}\0{original.strip()}\0{mutated.strip()}\0{occurrence}"
    return hashlib.sha1(key.encode()).hexdigest()[:10]


def all_mutants(source_root, folders, windows):
    enums = enumerators(source_root, LAYERS)
    mutants = []
    for folder in folders:
        for source in sorted((source_root / folder).glob("*.cpp")):
            rel = source.relative_to(source_root).as_posix()
            if rel in WINDOWS and not windows:
                continue
            text = source.read_text()
            lines = text.split("\n")
            seen = {}
            for number, (line, code) in enumerate(zip(lines, masked_lines(text)), start=1):
                for op, column, mutated in line_mutants(line, code, enums):
                    if mutated == line:
                        continue
                    key = (line.strip(), mutated.strip())
                    seen[key] = seen.get(key, 0) + 1
                    mutants.append({"id": mutant_id(rel, line, mutated, seen[key]), "folder": folder,
                                    "file": rel, "line": number, "op": op, "before": line.strip(),
                                    "after": mutated.strip(), "mutated": mutated})
    return mutants


def read_equivalent():
    """Mutant id -> reason, from lines `ID  FILE:LINE  reason`."""
    found = {}
    if EQUIVALENT.exists():
        for line in EQUIVALENT.read_text().splitlines():
            parts = line.split(None, 2)
            if len(parts) == 3 and not line.startswith("#"):
                found[parts[0]] = parts[2]
    return found


# ---- the copy of the tree and its build ----------------------------------------------------------------

def export_revision(revision):
    """The files of a commit, to measure the tests as they were there against the same mutants."""
    target = WORK / "revision"
    shutil.rmtree(target, ignore_errors=True)
    target.mkdir(parents=True)
    archive = subprocess.run(["git", "archive", revision], cwd=ROOT, check=True, capture_output=True).stdout
    subprocess.run(["tar", "-x", "-C", str(target)], input=archive, check=True)
    return target


def source_files(source_root):
    if source_root != ROOT:
        return {p.relative_to(source_root).as_posix() for p in source_root.rglob("*") if p.is_file()}
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT, check=True,
                            capture_output=True).stdout.decode().split("\0")
    return {p for p in listed if p and (ROOT / p).is_file()}


def sync_tree(source_root):
    """Copies the sources (the worktree's tracked and new files, or a commit's) into the copy. Unchanged
    files keep their times, so nothing is rebuilt for them; a changed one is written now, never with its
    own older time, which an object built from its previous text could outdate."""
    wanted = source_files(source_root)
    for rel in wanted:
        src, dst = source_root / rel, TREE / rel
        if dst.exists() and dst.read_bytes() == src.read_bytes():
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(src, dst)
        shutil.copymode(src, dst)
    for path in TREE.rglob("*"):
        rel = path.relative_to(TREE).as_posix()
        if path.is_file() and not rel.startswith("build/") and rel not in wanted:
            path.unlink()


def configure():
    if (BUILD / "build.ninja").exists():
        return
    # Unoptimized and without debug information: a mutant's file compiles and its tests link in a
    # fraction of the time, which matters more here than the speed of the tests. NDEBUG as in the player.
    subprocess.run(["cmake", "-S", str(TREE), "-B", str(BUILD), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=",
                    "-DCMAKE_CXX_FLAGS=-O0 -DNDEBUG", "-DQUIVANE_WERROR=ON", "-DQUIVANE_BENCH=OFF"],
                   check=True, stdout=subprocess.DEVNULL)


def build(targets, log):
    done = subprocess.run(["nice", "-n", "19", "ninja", "-C", str(BUILD), "-j2"] + targets,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    log.write(done.stdout.decode(errors="replace"))
    return done.returncode == 0


def run_test(program, timeout):
    """None when every test passes, else what failed: a test name, a crash or a timeout."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    folder = BUILD / "tests" / test_dir(program)
    try:
        done = subprocess.run(["nice", "-n", "19", str(folder / program), "--gtest_fail_fast", "--gtest_brief=1"],
                              env=env, timeout=timeout, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              cwd=folder)
    except subprocess.TimeoutExpired:
        return f"{program}: timeout after {timeout:.0f} s"
    if done.returncode == 0:
        return None
    failed = re.findall(r"^\[  FAILED  \] (\S+)", done.stdout.decode(errors="replace"), re.M)
    return failed[0] if failed else f"{program}: exit {done.returncode}"


def test_dir(program):
    return "model" if program.startswith("test_model_") else program[len("test_"):]


# ---- the run -------------------------------------------------------------------------------------------

def score_line(name, results):
    killed = sum(r["result"] == "killed" for r in results)
    survived = sum(r["result"] == "survived" for r in results)
    broken = sum(r["result"] == "not compiling" for r in results)
    equivalent = sum(r["result"] == "equivalent" for r in results)
    score = f"{100.0 * killed / (killed + survived):5.1f} %" if killed + survived else "    -  "
    return (f"{name:10} {score}  killed {killed:3}  survived {survived:3}  not compiling {broken:3}  "
            f"equivalent {equivalent:3}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("folders", nargs="*", default=LAYERS, help="folders to mutate (default: all four)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--budget", type=float, default=30, help="minutes; no mutant starts after it")
    parser.add_argument("--windows", action="store_true", help="also mutate the windows of legends/, printing/")
    parser.add_argument("--revision", help="test the sources of this commit instead of the worktree")
    parser.add_argument("--skip", type=int, default=0,
                        help="leave out the sample's first N mutants (an earlier run with this seed made them)")
    parser.add_argument("--score", type=Path, nargs="+",
                        help="only print the scores of earlier runs' results, with today's equivalent list")
    parser.add_argument("--retest", type=Path, nargs="+",
                        help="earlier runs' results: run their survivors (and mutants no longer listed as "
                        "equivalent) again, keep the rest")
    args = parser.parse_args()
    for folder in args.folders:
        if folder not in LAYERS:
            parser.error(f"unknown folder {folder} (one of {', '.join(LAYERS)})")

    if args.score:
        equivalent = read_equivalent()
        results = [r for path in args.score for r in map(json.loads, path.read_text().splitlines())]
        for r in results:
            if r["id"] in equivalent:
                r["result"] = "equivalent"
        for folder in args.folders:
            print(score_line(folder, [r for r in results if r["folder"] == folder]))
        print(score_line("together", results))
        return
    WORK.mkdir(exist_ok=True)
    source_root = export_revision(args.revision) if args.revision else ROOT
    mutants = all_mutants(source_root, args.folders, args.windows)
    random.Random(args.seed).shuffle(mutants)
    mutants = mutants[args.skip:]
    equivalent = read_equivalent()
    earlier = {}
    if args.retest:
        earlier = {r["id"]: r for path in args.retest for r in map(json.loads, path.read_text().splitlines())}
        mutants = [m for m in mutants if m["id"] in earlier]

    sync_tree(source_root)
    configure()
    all_tests = sorted({t for f in args.folders for t in tests_for(f)})
    log = open(WORK / "build.log", "w")
    print(f"{len(mutants)} mutants in {', '.join(args.folders)}; seed {args.seed}, budget {args.budget:g} min")
    print("building the unmutated copy ...", flush=True)
    if not build(all_tests, log):
        sys.exit(f"the unmutated copy does not build, see {WORK / 'build.log'}")
    timing = {}
    for program in all_tests:
        began = time.monotonic()
        failure = run_test(program, 600)
        if failure:
            sys.exit(f"the unmutated copy fails its tests: {failure}")
        timing[program] = time.monotonic() - began
    print("unmutated tests green in %.0f s" % sum(timing.values()), flush=True)

    suffix = "-retest" if args.retest else f"-from{args.skip + 1}" if args.skip else ""
    out_path = WORK / f"results-seed{args.seed}{suffix}.jsonl"
    out = open(out_path, "w")
    results, began = [], time.monotonic()
    for number, m in enumerate(mutants, start=args.skip + 1):
        if time.monotonic() - began > args.budget * 60:
            break
        record = {k: m[k] for k in ("id", "folder", "file", "line", "op", "before", "after")}
        if m["id"] in equivalent:
            record["result"], record["by"] = "equivalent", equivalent[m["id"]]
        elif args.retest and earlier[m["id"]]["result"] not in ("survived", "equivalent"):
            record["result"], record["by"] = earlier[m["id"]]["result"], earlier[m["id"]].get("by", "")
        else:
            record.update(run_mutant(m, timing, log))
        results.append(record)
        out.write(json.dumps(record, ensure_ascii=False) + "\n")
        out.flush()
        where = f"{m['file']}:{m['line']}"
        detail = record.get("by", "")
        if record["result"] == "survived":
            detail = f"{m['before']}  =>  {m['after']}"
        print(f"[{number}/{len(mutants) + args.skip}] {record['result']:13} {m['id']} {where} {m['op']}: {detail}",
              flush=True)

    minutes = (time.monotonic() - began) / 60
    print(f"\n{len(results)} mutants in {minutes:.1f} min; results in {out_path}")
    for folder in args.folders:
        print(score_line(folder, [r for r in results if r["folder"] == folder]))
    print(score_line("together", results))


def run_mutant(m, timing, log):
    path = TREE / m["file"]
    original = path.read_text()
    lines = original.split("\n")
    lines[m["line"] - 1] = m["mutated"]
    started = time.monotonic()
    try:
        path.write_text("\n".join(lines))
        log.write(f"\n==== {m['id']} {m['file']}:{m['line']} {m['after']}\n")
        # Each program is linked only when the ones before it let the mutant live.
        for program in tests_for(m["folder"]):
            if not build([program], log):
                return {"result": "not compiling", "by": "", "seconds": round(time.monotonic() - started, 1)}
            failure = run_test(program, 3 * timing[program] + 10)
            if failure:
                return {"result": "killed", "by": failure, "seconds": round(time.monotonic() - started, 1)}
        return {"result": "survived", "by": "", "seconds": round(time.monotonic() - started, 1)}
    finally:
        path.write_text(original)


if __name__ == "__main__":
    main()
