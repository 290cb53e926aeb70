// WordNet 3.0 from Debian's wordnet-base, read for the word lists' meaning screen only: which
// words WordNet knows, and for a word, its senses' usage domains, topic domains, hypernyms and
// glosses. Nothing of WordNet ships.

import { readFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';

const DIR = '/usr/share/wordnet';
const POS = { n: 'noun', v: 'verb', a: 'adj', s: 'adj', r: 'adv' };

export function loadWordNet() {
  if (!existsSync(join(DIR, 'data.noun'))) {
    console.error('make-word-lists: install Debian\'s wordnet-base package first');
    process.exit(2);
  }
  // synset key "pos:offset" -> { lex, words, usage, topic, hyper, related: [keys], gloss }; related
  // are derivationally related forms, pertainyms and attributes
  const synsets = new Map();
  // lemma (a-z only, single word) -> [synset keys]; every lemma, compounds too, in allSenses
  const senses = new Map();
  const allSenses = new Map();
  for (const file of ['noun', 'verb', 'adj', 'adv']) {
    const fileLetter = file === 'adj' ? 'a' : file === 'adv' ? 'r' : file[0];
    for (const line of readFileSync(join(DIR, `data.${file}`), 'latin1').split('\n')) {
      if (!line || line.startsWith('  ')) continue;
      const [head, gloss = ''] = line.split(' | ');
      const f = head.trim().split(' ');
      const key = `${fileLetter}:${f[0]}`;
      const wordCount = parseInt(f[3], 16);
      const words = [];
      for (let i = 0; i < wordCount; ++i) words.push(f[4 + 2 * i].toLowerCase().replace(/\(.*\)$/, ''));
      let at = 4 + 2 * wordCount;
      const pointerCount = parseInt(f[at], 10);
      at += 1;
      const usage = [], topic = [], hyper = [], related = [];
      for (let i = 0; i < pointerCount; ++i, at += 4) {
        const [symbol, offset, pos] = [f[at], f[at + 1], f[at + 2]];
        const target = `${pos === 's' ? 'a' : pos}:${offset}`;
        if (symbol === ';u') usage.push(target);
        else if (symbol === ';c') topic.push(target);
        else if (symbol === '@' || symbol === '@i') hyper.push(target);
        else if (symbol === '+' || symbol === '\\' || symbol === '=') related.push(target);
      }
      synsets.set(key, { lex: parseInt(f[1], 10), words, usage, topic, hyper, related, gloss });
      for (const w of words) {
        if (!allSenses.has(w)) allSenses.set(w, []);
        allSenses.get(w).push(key);
        if (!/^[a-z]+$/.test(w)) continue;
        if (!senses.has(w)) senses.set(w, []);
        senses.get(w).push(key);
      }
    }
  }
  // irregular forms -> base forms
  const exceptions = new Map();
  for (const file of ['noun', 'verb', 'adj', 'adv']) {
    for (const line of readFileSync(join(DIR, `${file}.exc`), 'latin1').split('\n')) {
      const [form, ...bases] = line.trim().split(' ');
      if (!form || !/^[a-z]+$/.test(form)) continue;
      if (!exceptions.has(form)) exceptions.set(form, new Set());
      for (const b of bases) exceptions.get(form).add(b);
    }
  }

  const ancestors = new Map();
  function ancestorsOf(key) {
    if (ancestors.has(key)) return ancestors.get(key);
    const out = new Set();
    ancestors.set(key, out);
    for (const h of synsets.get(key)?.hyper ?? []) {
      out.add(h);
      for (const a of ancestorsOf(h)) out.add(a);
    }
    return out;
  }
  const name = (key) => synsets.get(key)?.words[0] ?? key;

  // Synset keys of every sense of a lemma ("weapon", "sexual_activity"), in one part of speech
  // ('n', 'v', 'a', 'r') when given.
  const find = (lemma, pos) =>
    (allSenses.get(lemma) ?? []).filter((k) => !pos || k.startsWith(`${pos}:`));

  return { synsets, senses, exceptions, ancestorsOf, name, find, isLemma: (w) => senses.has(w) };
}
