// Writes catalogue/today/: css.txt, today's CSS as the value check reads it, and the
// licences of the packages it comes from. Run it after changing the versions in
// package.json:  npm ci && node generate.mjs   (the same versions write the same file).
//
// css.txt has one record a line, fields separated by tabs:
//   p name module notation    a property, the module defining it, its value grammar
//   a alias property          a legacy name the browsers read as another property
//   t name notation           a value type, without <>; functions end in "()"
//   f name module             the module defining a function, as "rgb()"
//   b key support             Baseline of a property ("display") or of one of its
//                             keywords ("display flex"): h2018 widely available since
//                             2018, l2024 newly available since 2024, or - and the
//                             browsers that lack it; the last records, sorted by
//                             key, as the program looks them up by bisection
// The notation is the program's (catalogue/ValueGrammar.h), written from the syntax as
// css-tree parses it: functions nested, "!" after a group that must not be empty, quoted
// characters, and <any-value> for what it cannot check (generic types).
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, '..', '..', 'catalogue', 'today');
const css = require('@webref/css/css.json');
const features = require('web-features/data.json').features;
const { definitionSyntax } = require('css-tree');
// Read by path: web-features exports none of its files but data.json.
const packageFile = (name, file) => join(here, 'node_modules', name, file);
const version = (name) => JSON.parse(readFileSync(packageFile(name, 'package.json'))).version;

// "https://drafts.csswg.org/css-display-4/#propdef-display" -> "CSS Display 4".
const specialTitles = { 'svg2-draft': 'SVG 2', 'mathml-core': 'MathML Core', compat: 'Compatibility', css2: 'CSS 2' };
function moduleOf(href) {
  const url = new URL(href);
  const parts = url.pathname.split('/').filter(Boolean);
  let name = url.hostname === 'compat.spec.whatwg.org' ? 'compat' : parts[parts[0] === 'TR' ? 1 : 0] ?? url.hostname;
  if (specialTitles[name]) return specialTitles[name];
  return name.split('-').map((w) => (w === 'css' ? 'CSS' : /^\d+$/.test(w) ? w : w[0].toUpperCase() + w.slice(1))).join(' ');
}

const bound = (b, infinite) => (b === null || b === undefined ? infinite : String(parseFloat(b)));

// The program's notation of a css-tree syntax node.
function write(node) {
  switch (node.type) {
    case 'Group': {
      const terms = nest(node.terms);
      const joiner = node.combinator === ' ' ? ' ' : ` ${node.combinator} `;
      const inner = terms.join(joiner);
      return node.disallowEmpty ? `[ ${inner} ]!` : terms.length > 1 ? `[ ${inner} ]` : inner;
    }
    case 'Multiplier': {
      const term = write(node.term);
      const max = node.max === 0 ? '' : String(node.max);
      if (node.comma)
        return node.min === 1 && node.max === 0 ? `${term}#` : `${term}#{${node.min},${max}}`;
      if (node.min === 0 && node.max === 1) return `${term}?`;
      if (node.min === 0 && node.max === 0) return `${term}*`;
      if (node.min === 1 && node.max === 0) return `${term}+`;
      return node.min === node.max ? `${term}{${node.min}}` : `${term}{${node.min},${max}}`;
    }
    case 'Type': {
      const range = node.opts && node.opts.type === 'Range'
        ? ` [${bound(node.opts.min, '-∞')},${bound(node.opts.max, '∞')}]` : '';
      return `<${node.name}${range}>`;
    }
    case 'Property':
      return `<'${node.name}'>`;
    case 'Keyword':
      return node.name.toLowerCase();
    case 'Token':
      return node.value === ',' || node.value === '/' ? node.value : `'${node.value}'`;
    case 'Comma':
      return ',';
    case 'String':
      return node.value.length === 3 ? node.value : '<any-value>';
    case 'Function':
      throw new Error('a function outside a juxtaposition');
    default: // Boolean (<boolean-expr[ … ]>), AtKeyword and the like
      return '<any-value>';
  }
}

// A juxtaposition's terms, each function with the terms up to its ")" as its arguments.
function nest(terms) {
  const written = [];
  for (let i = 0; i < terms.length; ++i) {
    const t = terms[i];
    if (t.type !== 'Function') {
      written.push(write(t));
      continue;
    }
    const inside = [];
    let depth = 0;
    for (++i; i < terms.length; ++i) {
      const u = terms[i];
      if (u.type === 'Token' && u.value === ')' && depth === 0) break;
      if (u.type === 'Function') ++depth;
      if (u.type === 'Token' && u.value === ')') --depth;
      inside.push(u);
    }
    const args = nest(inside).join(' ');
    written.push(args ? `${t.name.toLowerCase()}( ${args} )` : `${t.name.toLowerCase()}( )`);
  }
  return written;
}

const notation = (syntax) => write(definitionSyntax.parse(syntax));
const clean = (text) => text.replace(/[\t\n]/g, ' ');

const lines = [
  '# Today\'s CSS for the value check, written by tools/css-data/generate.mjs: do not edit.',
  `# @webref/css ${version('@webref/css')} (MIT, LICENSE.webref-css), web-features ${version('web-features')} (Apache-2.0, LICENSE.web-features), read with css-tree ${version('css-tree')}.`,
];
const byName = (a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0);

for (const p of [...css.properties].sort(byName)) {
  if (p.legacyAliasOf) lines.push(`a\t${p.name}\t${p.legacyAliasOf}`);
  // A property the CSS modules name without a grammar takes any value.
  else lines.push(`p\t${p.name}\t${moduleOf(p.href)}\t${p.syntax ? clean(notation(p.syntax)) : '<any-value>'}`);
}
// A name defined twice (for different properties or functions) takes either syntax.
const union = (list) => {
  const map = new Map();
  for (const x of [...list].sort(byName)) {
    if (!x.syntax) continue;
    const n = clean(notation(x.syntax));
    map.set(x.name, map.has(x.name) ? `${map.get(x.name)} | ${n}` : n);
  }
  return map;
};
for (const [name, n] of union(css.types)) lines.push(`t\t${name}\t${n}`);
for (const [name, n] of union(css.functions)) lines.push(`t\t${name}\t${n}`);
const functionModules = new Map();
for (const f of [...css.functions].sort(byName))
  if (f.href && !functionModules.has(f.name)) functionModules.set(f.name, moduleOf(f.href));
for (const [name, module] of functionModules) lines.push(`f\t${name}\t${module}`);

// Baseline: the four browsers of the core set, each with its mobile sibling.
const browsers = [
  ['Chrome', ['chrome', 'chrome_android']],
  ['Edge', ['edge']],
  ['Firefox', ['firefox', 'firefox_android']],
  ['Safari', ['safari', 'safari_ios']],
];
const year = (date) => date.replace(/^≤/, '').slice(0, 4);
const support = new Map();
for (const feature of Object.values(features)) {
  for (const [key, status] of Object.entries(feature.status?.by_compat_key ?? {})) {
    const m = /^css\.properties\.([a-z-]+)(?:\.([a-z][a-z0-9-]*))?$/.exec(key);
    if (!m) continue;
    let text;
    if (status.baseline === 'high') text = `h${year(status.baseline_high_date)}`;
    else if (status.baseline === 'low') text = `l${year(status.baseline_low_date)}`;
    else {
      const missing = browsers.filter(([, ids]) => ids.some((id) => !status.support?.[id])).map(([n]) => n);
      if (missing.length === 0) continue;
      text = `-${missing.join(' ')}`;
    }
    support.set(m[2] ? `${m[1]} ${m[2]}` : m[1], text);
  }
}
for (const key of [...support.keys()].sort()) lines.push(`b\t${key}\t${support.get(key)}`);

mkdirSync(out, { recursive: true });
writeFileSync(join(out, 'css.txt'), lines.join('\n') + '\n');
writeFileSync(join(out, 'LICENSE.web-features'), readFileSync(packageFile('web-features', 'LICENSE.txt')));
// The package names its licence but ships no text of it: the repository's.
writeFileSync(join(out, 'LICENSE.webref-css'), `MIT License

Copyright (c) 2020 World Wide Web Consortium

Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.
`);
console.log(`${lines.length} lines written to ${join(out, 'css.txt')}`);
