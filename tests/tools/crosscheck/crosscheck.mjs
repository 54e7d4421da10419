// Reads every crossword fixture with independent npm parsers and with `riddlepack import`, and
// checks that they agree on the size, the black cells, the numbers, the solution letters and the
// clues. ipuz files are read with @xwordly/xword-parser; Across Lite files with puzjs, which
// assigns the clues in the order the format documents (xword-parser 1.0.5 puts every across clue
// first), and with xword-parser for the grid.
//   node crosscheck.mjs RIDDLEPACK FIXTURE_DIR WORK_DIR
import { createRequire } from 'module';
import { execFileSync } from 'child_process';
import fs from 'fs';
import path from 'path';
import { pathToFileURL } from 'url';

const [riddlepack, fixtures, work] = process.argv.slice(2);
const require = createRequire(path.join(work, 'node_modules', 'x.js'));
// The package's CommonJS build does not load; its module build does.
const parserDir = path.join(work, 'node_modules', '@xwordly', 'xword-parser');
const parserEntry = JSON.parse(fs.readFileSync(path.join(parserDir, 'package.json'))).exports['.'].import;
const { parse } = await import(pathToFileURL(path.join(parserDir, parserEntry)));
const puzjs = require('puzjs');

let passed = 0, failed = 0;
const problems = [];
const expect = (file, what, ours, theirs) => {
    if (JSON.stringify(ours) !== JSON.stringify(theirs))
        problems.push(`${file}: ${what}: riddlepack ${JSON.stringify(ours)}, parser ${JSON.stringify(theirs)}`);
};

// What riddlepack makes of the file, read back from the riddle file it writes.
function imported(file) {
    const rid = path.join(work, path.basename(file) + '.rid');
    execFileSync(riddlepack, ['import', file, '-o', rid], { stdio: ['ignore', 'ignore', 'ignore'] });
    const dump = JSON.parse(execFileSync(riddlepack, ['dump', rid]).toString('utf8'));
    const cols = dump.global.RiddleCols, rows = dump.global.RiddleRows;
    const cells = Array.from({ length: rows }, () => Array(cols));
    for (const c of dump.cells)
        cells[c.Row - 1][c.Col - 1] = c;
    const clues = dir => dump.clues.filter(c => c.Direction === dir)
        .map(c => ({ number: c.ClueNumber, text: c.ClueText })).sort((a, b) => a.number - b.number);
    return { cols, rows, cells, across: clues(1), down: clues(2) };
}

const grid = (ours, f) => ours.cells.map(row => row.map(f));

for (const name of fs.readdirSync(fixtures).sort()) {
    const file = path.join(fixtures, name);
    const isPuz = name.endsWith('.puz');
    if (!isPuz && !name.endsWith('.ipuz'))
        continue;
    const bytes = fs.readFileSync(file);
    if (!isPuz && !JSON.parse(bytes.toString('utf8')).kind.some(k => k.includes('/crossword')))
        continue; // the parsers read crosswords only
    const before = problems.length;
    const ours = imported(file);
    const theirs = parse(isPuz ? bytes : bytes.toString('utf8'), { filename: name });
    expect(name, 'size', [ours.cols, ours.rows], [theirs.grid.width, theirs.grid.height]);
    expect(name, 'black cells', grid(ours, c => (c.Flags & 1) === 1), theirs.grid.cells.map(r => r.map(c => c.isBlack)));
    expect(name, 'numbers', grid(ours, c => c.ClueNumber), theirs.grid.cells.map(r => r.map(c => c.number ?? 0)));
    expect(name, 'letters', grid(ours, c => c.Solution),
        theirs.grid.cells.map(r => r.map(c => c.isBlack ? '' : c.solution.toUpperCase())));
    let across = theirs.clues.across, down = theirs.clues.down;
    if (isPuz) {
        const log = console.log;
        console.log = () => {}; // puzjs talks about every section it reads
        const p = puzjs.decode(bytes);
        console.log = log;
        const list = clues => clues.flatMap((text, number) => text == null ? [] : [{ number, text }]);
        across = list(p.clues.across);
        down = list(p.clues.down);
    }
    expect(name, 'across clues', ours.across, across.map(c => ({ number: c.number, text: c.text })));
    expect(name, 'down clues', ours.down, down.map(c => ({ number: c.number, text: c.text })));
    problems.length === before ? ++passed : ++failed;
}
for (const p of problems)
    console.log(p);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed > 0 ? 0 : 1);
