#!/usr/bin/env node
// Answers one chunk of a reading pool word for word from its reader's exceptions.
//
//   node fill-verdicts.mjs POOLDIR NN
//
// A reader reads every word of POOLDIR/chunks/NN.txt and writes the words that are not "in" as
// POOLDIR/exceptions/NN.tsv, one a line: word, verdict, reason (tabs or spaces between; an empty
// file when every word is in). This writes POOLDIR/verdicts/NN.tsv: every word of the chunk in
// its order with its verdict and reason, "in" and "read" for the words not listed. It refuses,
// writing nothing, an exception that is no word of the chunk, a word listed twice, and a verdict
// or reason the pool does not use (POOLDIR/pool.json names the pool's kind).

import { readFileSync, writeFileSync, existsSync, mkdirSync, renameSync } from 'node:fs';
import { join } from 'node:path';

// For each kind of pool, the verdicts other than "in" and the reasons each may give.
export const POOL_KINDS = {
  australian: {
    out: ['sexual', 'obscene', 'slur', 'insult', 'dated', 'american', 'name', 'fragment', 'junk',
      'trade'],
  },
  level: {
    later: ['hard', 'sense', 'adult', 'rare'],
    out: ['american', 'double', 'unfit', 'violent', 'clinical', 'sexual', 'insult', 'name', 'junk'],
  },
  clinical: {
    out: ['clinical', 'violent', 'weapon', 'crime', 'war', 'insult', 'unfit'],
  },
  american: {
    out: ['american', 'double', 'sexual', 'unfit', 'violent', 'clinical', 'crime', 'insult', 'name',
      'junk'],
  },
};

const lines = (path) => readFileSync(path, 'utf8').split('\n')
  .map((l) => l.replace(/#.*/, '').trim()).filter((l) => l !== '');

function fill(dir, number) {
  const name = String(number).padStart(2, '0');
  const description = JSON.parse(readFileSync(join(dir, 'pool.json'), 'utf8'));
  const allowed = POOL_KINDS[description.kind];
  if (!allowed) throw new Error(`${dir}/pool.json: unknown kind "${description.kind}"`);
  const chunkPath = join(dir, 'chunks', `${name}.txt`);
  const exceptionsPath = join(dir, 'exceptions', `${name}.tsv`);
  if (!existsSync(chunkPath)) throw new Error(`no chunk ${chunkPath}`);
  if (!existsSync(exceptionsPath)) {
    throw new Error(`no ${exceptionsPath}: write the words that are not "in" there (an empty file when there are none)`);
  }
  const words = lines(chunkPath).map((l) => l.split('\t')[0]);
  const inChunk = new Set(words);
  const answers = new Map();
  const problems = [];
  lines(exceptionsPath).forEach((line, i) => {
    const [word = '', verdict = '', reason = '', ...rest] = line.split(/[\t ]+/).map((f) => f.toLowerCase());
    const at = `exceptions/${name}.tsv line ${i + 1} "${line}"`;
    if (!inChunk.has(word)) problems.push(`${at}: "${word}" is not a word of chunk ${name}`);
    else if (answers.has(word)) problems.push(`${at}: "${word}" is listed twice`);
    else if (!allowed[verdict]) problems.push(`${at}: verdict "${verdict}"; this pool takes ${Object.keys(allowed).join(', ')} (every word not listed is in)`);
    else if (!allowed[verdict].includes(reason)) problems.push(`${at}: reason "${reason}"; ${verdict} takes ${allowed[verdict].join(', ')}`);
    else if (rest.length) problems.push(`${at}: one reason word only`);
    else answers.set(word, { verdict, reason });
  });
  if (problems.length) {
    for (const p of problems) console.error(p);
    throw new Error(`${problems.length} problems: nothing written`);
  }
  mkdirSync(join(dir, 'verdicts'), { recursive: true });
  const out = join(dir, 'verdicts', `${name}.tsv`);
  const text = words.map((w) => {
    const a = answers.get(w) ?? { verdict: 'in', reason: 'read' };
    return `${w}\t${a.verdict}\t${a.reason}\n`;
  }).join('');
  writeFileSync(`${out}.part`, text);
  renameSync(`${out}.part`, out);
  const tally = {};
  for (const a of answers.values()) tally[`${a.verdict} ${a.reason}`] = (tally[`${a.verdict} ${a.reason}`] ?? 0) + 1;
  console.log(`${out}: ${words.length} words, ${words.length - answers.size} in; `
    + (Object.entries(tally).map(([k, n]) => `${k} ${n}`).join(', ') || 'no exceptions'));
}

if (process.argv[1] && process.argv[1].endsWith('fill-verdicts.mjs')) {
  const [dir, number] = process.argv.slice(2);
  if (!dir || !/^\d+$/.test(number ?? '')) {
    console.error('usage: node fill-verdicts.mjs POOLDIR NN');
    process.exit(2);
  }
  try {
    fill(dir, parseInt(number, 10));
  } catch (error) {
    console.error(`fill-verdicts: ${error.message}`);
    process.exit(1);
  }
}
