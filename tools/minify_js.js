// Minifies a script of the page's with Debian's terser (node-terser): the same code, smaller, and
// so quicker for the browser to download and to compile.
//   node tools/minify_js.js <script.js> <out.js>
'use strict';

const fs = require('fs');
const { minify } = require('terser');

const [source, out] = process.argv.slice(2);
minify(fs.readFileSync(source, 'utf8'), { ecma: 2020, compress: true, mangle: true })
  .then((result) => fs.writeFileSync(out, result.code))
  .catch((error) => {
    console.error(`minify_js: ${source}: ${error.message}`);
    process.exit(1);
  });
