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
// american pools into verdicts-reread.tsv (word, round, pool, level, verdict, reason). Merging a
// pool again replaces its round's verdicts; a later round's verdict replaces an earlier one. A
// second reader's verdicts where they differ from the first (DIR/second/NN.tsv: word, verdict,
// reason) win over the first reader's, and `--overrides FILE` (pool, word, verdict, reason; the
// pool named as DIR is) wins over both.
// Chunks without verdicts are reported and left out; the rest is merged.

import { readFileSync, writeFileSync, existsSync, readdirSync } from 'node:fs';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { POOL_KINDS } from './fill-verdicts.mjs';
import { loadWordNet } from './wordnet.mjs';

// WordNet, loaded for a pool's merge; the synset of a person
let WN = null;
const PERSON = 'n:00007846';

const HERE = dirname(fileURLToPath(import.meta.url));
const VERDICTS = join(HERE, 'verdicts.tsv');
const dir = process.argv[2];
if (!dir) {
  console.error('usage: node merge-verdicts.mjs DIR');
  process.exit(2);
}

const lines = (path) => readFileSync(path, 'utf8').split('\n').filter((l) => l.trim() !== '');
// word -> [verdict, reason] of the overrides for this pool (its folder's name)
const OVERRIDES = new Map();
if (process.argv.includes('--overrides')) {
  for (const line of lines(process.argv[process.argv.indexOf('--overrides') + 1])) {
    const [pool, word, verdict, reason] = line.split('\t').map((f) => f.trim());
    if (!line.startsWith('#') && pool === basename(resolve(dir))) OVERRIDES.set(word, [verdict, reason]);
  }
}
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

// word -> [verdict, reason] of a second reader's file, where it differs from the first reader's
function secondReading(path, allowed, complain) {
  const out = new Map();
  if (!existsSync(path)) return out;
  for (const line of lines(path)) {
    const [word, verdict, reason] = line.trim().split(/[\t ]+/);
    if (verdict !== 'in' && !allowed[verdict]?.includes(reason)) complain(`${path}: ${line}`);
    else out.set(word, [verdict, verdict === 'in' ? 'read' : reason]);
  }
  return out;
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
    const second = secondReading(join(dir, 'second', chunk.replace(/\.txt$/, '.tsv')), allowed, complain);
    asked.forEach(([word, ...rest], i) => {
      const [answered, firstVerdict, firstReason] = given[i];
      const [verdict, reason] = second.get(word) ?? [firstVerdict, firstReason];
      const level = kind === 'australian' ? '-' : rest[0];
      if (answered !== word) complain(`${chunk}:${i + 1}: verdict for ${answered}, asked ${word}`);
      else if (verdict !== 'in' && !allowed[verdict]?.includes(reason)) complain(`${chunk}:${i + 1}: ${word}: ${verdict} ${reason}`);
      else answers.push([word, level, verdict, reason]);
    });
  }
  for (const answer of answers) {
    const override = OVERRIDES.get(answer[0]);
    if (override) [answer[2], answer[3]] = override;
  }
  sameForms(answers);
  return answers;
}

// The regular forms of a word: its plural and its -ed and -ing forms.
function formsOf(word) {
  const stems = [word];
  if (word.endsWith('e')) stems.push(word.slice(0, -1));
  else if (/[^aeiou][aeiou][bdgklmnprt]$/.test(word)) stems.push(word + word.at(-1));
  const out = [word + 's', ...stems.flatMap((stem) => [stem + 'ed', stem + 'ing'])];
  if (/(s|x|z|ch|sh)$/.test(word)) out.push(word + 'es');
  if (/[^aeiou]y$/.test(word)) out.push(word.slice(0, -1) + 'ies', word.slice(0, -1) + 'ied');
  return out;
}
// The singular of a plural.
function singularsOf(word) {
  return [/ies$/.test(word) ? word.slice(0, -3) + 'y' : null,
    /(s|x|z|ch|sh)es$/.test(word) ? word.slice(0, -2) : null, /[^s]s$/.test(word) ? word.slice(0, -1) : null]
    .filter(Boolean);
}

// A word and its regular forms get one verdict: a word read in goes out, for the same reason,
// when it is a plural, -ed or -ing form WordNet does not list by itself (trashed; not innings,
// candied) of a word read out as sexual, obscene, a slur, an insult, dated or American; or when
// it names a person in every sense and its plural was read out for any of these but American
// (fornicator; not hot, funny, physical, whose plurals are words of their own). Names, fragments
// and forms nobody writes are about the form itself. Only the readers' own verdicts spread, one
// step, and never to a word the overrides decide. Prints each change.
function sameForms(answers) {
  const oneVerdict = new Set(['sexual', 'obscene', 'slur', 'insult', 'dated', 'american']);
  const read = new Map(answers.map((a) => [a[0], a[2] === 'out' && oneVerdict.has(a[3]) ? a[3] : null]));
  const spreadsTo = new Map();
  for (const [word, reason] of read) {
    if (!reason) continue;
    for (const form of formsOf(word)) if (!WN.isLemma(form) && !spreadsTo.has(form)) spreadsTo.set(form, word);
    if (reason === 'american') continue;
    for (const single of singularsOf(word)) if (namesPerson(single) && !spreadsTo.has(single)) spreadsTo.set(single, word);
  }
  const changes = [];
  for (const answer of answers) {
    const from = spreadsTo.get(answer[0]);
    if (answer[2] !== 'in' || !from || OVERRIDES.has(answer[0])) continue;
    [answer[2], answer[3]] = ['out', read.get(from)];
    changes.push(`${answer[0]} (as ${from}: ${answer[3]})`);
  }
  if (changes.length) console.log(`one verdict for a word and its forms, ${changes.length} set out: ${changes.join(', ')}`);
}

// Whether every WordNet sense of a word is a noun under "person".
function namesPerson(word) {
  const senses = WN.senses.get(word) ?? [];
  return senses.length > 0 && senses.every((k) => WN.ancestorsOf(k).has(PERSON));
}

function mergePool(description) {
  WN = loadWordNet();
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
    if (old && parseInt(old[1], 10) > round) continue;
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
