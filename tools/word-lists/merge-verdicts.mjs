#!/usr/bin/env node
// Merges the hand readings of a reading pool into the verdict files beside this script.
//
//   node make-word-lists.mjs --pool DIR/chunks     writes DIR/chunks/NN.txt: word, level, flags
//   (readers write DIR/verdicts/NN.tsv: word, verdict, reason, one line per word of chunk NN)
//   node merge-verdicts.mjs DIR                    adds them to verdicts.tsv
//
// A verdict file must answer its chunk word for word; verdicts are "in", "out" or "later" with a
// one-word reason. DIR/unread.tsv (flagged words left unread) is merged as "out", reason
// "unread". Words already in verdicts.tsv keep their first verdict.
//
// A pool with a DIR/pool.json (make-word-lists.mjs --pool-australian or --pool-kids, answered
// with fill-verdicts.mjs) is merged by its kind and round: the Australian pool into
// verdicts-australian.tsv (word, round, verdict, reason), the kid lists' level, clinical and
// american pools into verdicts-reread.tsv (word, round, pool, level, verdict, reason). There a
// reading (of a word, in a pool, for a level) keeps its first verdict of a round, and a later
// round's verdict replaces an earlier one.
// Chunks without verdicts are reported and left out; the rest is merged.

import { readFileSync, writeFileSync, existsSync, readdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { POOL_KINDS } from './fill-verdicts.mjs';

const HERE = dirname(fileURLToPath(import.meta.url));
const VERDICTS = join(HERE, 'verdicts.tsv');
const dir = process.argv[2];
if (!dir) {
  console.error('usage: node merge-verdicts.mjs DIR');
  process.exit(2);
}

const lines = (path) => readFileSync(path, 'utf8').split('\n').filter((l) => l.trim() !== '');
if (existsSync(join(dir, 'pool.json'))) {
  process.exit(mergePool(JSON.parse(readFileSync(join(dir, 'pool.json'), 'utf8'))));
}
const HEADER = '# word\tlevel\tverdict\treason: hand readings for the SmarterKid lists (see make-word-lists.mjs)';

const merged = new Map();
if (existsSync(VERDICTS)) {
  for (const line of lines(VERDICTS)) {
    if (line.startsWith('#')) continue;
    const [word, level, verdict, reason] = line.split('\t');
    merged.set(word, { level, verdict, reason });
  }
}

let problems = 0;
const complain = (message) => { problems += 1; console.error(message); };
const chunks = readdirSync(join(dir, 'chunks')).filter((f) => /^\d+\.txt$/.test(f)).sort();
let added = 0;
for (const chunk of chunks) {
  const answers = join(dir, 'verdicts', chunk.replace(/\.txt$/, '.tsv'));
  if (!existsSync(answers)) { complain(`${chunk}: no verdicts`); continue; }
  const asked = lines(join(dir, 'chunks', chunk)).map((l) => l.split('\t'));
  const given = lines(answers).map((l) => l.split('\t'));
  if (given.length !== asked.length) complain(`${chunk}: ${given.length} verdicts for ${asked.length} words`);
  for (let i = 0; i < Math.min(asked.length, given.length); ++i) {
    const [word, level] = asked[i];
    const [answered, verdict, reason = ''] = given[i].map((f) => f.trim());
    if (answered !== word) { complain(`${chunk}:${i + 1}: verdict for ${answered}, asked ${word}`); continue; }
    if (!['in', 'out', 'later'].includes(verdict)) { complain(`${chunk}:${i + 1}: ${word}: verdict "${verdict}"`); continue; }
    const why = reason.toLowerCase().split(/[\s,;]+/)[0] || (verdict === 'in' ? 'ok' : 'unspecified');
    if (!merged.has(word)) { merged.set(word, { level, verdict, reason: why }); added += 1; }
  }
}
const unread = join(dir, 'unread.tsv');
if (existsSync(unread)) {
  for (const line of lines(unread)) {
    const [word, level] = line.split('\t');
    if (!merged.has(word)) { merged.set(word, { level, verdict: 'out', reason: 'unread' }); added += 1; }
  }
}

writeFileSync(VERDICTS, [HEADER, ...[...merged].map(([w, v]) =>
  `${w}\t${v.level}\t${v.verdict}\t${v.reason}`)].join('\n') + '\n');
const count = (verdict) => [...merged.values()].filter((v) => v.verdict === verdict).length;
console.log(`verdicts.tsv: ${merged.size} words (${added} new): in ${count('in')}, out ${count('out')}, later ${count('later')}`);
if (problems) {
  console.error(`${problems} problems`);
  process.exit(1);
}

// The answers of every chunk of a pool with pool.json that has its verdicts: [word, level,
// verdict, reason] in chunk order; problems are reported and their lines left out.
function poolAnswers(kind, complain) {
  const allowed = POOL_KINDS[kind];
  const answers = [];
  for (const chunk of readdirSync(join(dir, 'chunks')).filter((f) => /^\d+\.txt$/.test(f)).sort()) {
    const path = join(dir, 'verdicts', chunk.replace(/\.txt$/, '.tsv'));
    if (!existsSync(path)) { complain(`${chunk}: no verdicts yet, left out`); continue; }
    const asked = lines(join(dir, 'chunks', chunk)).map((l) => l.split('\t'));
    const given = lines(path).map((l) => l.split('\t').map((f) => f.trim()));
    if (given.length !== asked.length) { complain(`${chunk}: ${given.length} verdicts for ${asked.length} words, left out`); continue; }
    asked.forEach(([word, ...rest], i) => {
      const [answered, verdict, reason] = given[i];
      const level = kind === 'australian' ? '-' : rest[0];
      if (answered !== word) complain(`${chunk}:${i + 1}: verdict for ${answered}, asked ${word}`);
      else if (verdict !== 'in' && !allowed[verdict]?.includes(reason)) complain(`${chunk}:${i + 1}: ${word}: ${verdict} ${reason}`);
      else answers.push([word, level, verdict, reason]);
    });
  }
  return answers;
}

function mergePool(description) {
  const { kind, round } = description;
  let problems = 0;
  const answers = poolAnswers(kind, (m) => { problems += 1; console.error(m); });
  const australian = kind === 'australian';
  const file = join(HERE, australian ? 'verdicts-australian.tsv' : 'verdicts-reread.tsv');
  const header = australian
    ? '# word\tround\tverdict\treason: the Australian English Dictionary read by hand, word for word (see make-word-lists.mjs)'
    : '# word\tround\tpool\tlevel\tverdict\treason: kid-list words read again, for level, under the classroom rule, or for American words (see make-word-lists.mjs)';
  // key -> row fields; the key is the word, for a kid pool the word, the pool and the level it
  // was read for (a word may be read for two levels)
  const rows = new Map();
  if (existsSync(file)) {
    for (const line of lines(file)) {
      if (line.startsWith('#')) continue;
      const f = line.split('\t');
      rows.set(australian ? f[0] : `${f[0]}\t${f[2]}\t${f[3]}`, f);
    }
  }
  let added = 0;
  for (const [word, level, verdict, reason] of answers) {
    const key = australian ? word : `${word}\t${kind}\t${level}`;
    const old = rows.get(key);
    if (old && parseInt(old[1], 10) >= round) continue;
    rows.set(key, australian ? [word, round, verdict, reason] : [word, round, kind, level, verdict, reason]);
    added += 1;
  }
  writeFileSync(file, [header, ...[...rows.values()].map((f) => f.join('\t'))].join('\n') + '\n');
  const mine = [...rows.values()].filter((f) => (australian || f[2] === kind));
  const tally = {};
  for (const f of mine) { const k = f.slice(-2).join(' '); tally[k] = (tally[k] ?? 0) + 1; }
  console.log(`${file}: ${kind} ${mine.length} words (${added} new or newer): `
    + Object.entries(tally).sort((a, b) => b[1] - a[1]).map(([k, n]) => `${k} ${n}`).join(', '));
  if (problems) console.error(`${problems} problems`);
  return problems ? 1 : 0;
}
