#!/usr/bin/env node
// Merges the hand readings of a reading pool into verdicts.tsv beside this script.
//
//   node make-word-lists.mjs --pool DIR/chunks     writes DIR/chunks/NN.txt: word, level, flags
//   (readers write DIR/verdicts/NN.tsv: word, verdict, reason, one line per word of chunk NN)
//   node merge-verdicts.mjs DIR                    adds them to verdicts.tsv
//
// A verdict file must answer its chunk word for word; verdicts are "in", "out" or "later" with a
// one-word reason. DIR/unread.tsv (flagged words left unread) is merged as "out", reason
// "unread". Words already in verdicts.tsv keep their first verdict.

import { readFileSync, writeFileSync, existsSync, readdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const HERE = dirname(fileURLToPath(import.meta.url));
const VERDICTS = join(HERE, 'verdicts.tsv');
const dir = process.argv[2];
if (!dir) {
  console.error('usage: node merge-verdicts.mjs DIR');
  process.exit(2);
}

const lines = (path) => readFileSync(path, 'utf8').split('\n').filter((l) => l.trim() !== '');
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
