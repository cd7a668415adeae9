// @ts-check
// The module translated to JavaScript for a browser without WebAssembly (an
// iPad in Lockdown Mode, a Chromium whose JIT a school turns off): binaryen's
// wasm2js output, an ES module whose imports and exports are the module's,
// made into one function a classic script defines and minified:
//   node translate.mjs <wasm2js output> <translation.js>
// The page calls pernamTranslation(imports) and gets the exports.
import { readFileSync, writeFileSync } from "node:fs";
import { minify } from "terser";

const [source, target] = process.argv.slice(2);
if (!source || !target) {
    console.error("usage: node translate.mjs <wasm2js output> <translation.js>");
    process.exit(2);
}

const lines = readFileSync(source, "utf8").split("\n");
const body = lines.map((line) => {
    const imported = /^import \{ (\w+) \} from '(\w+)';$/.exec(line);
    if (imported) {
        return `var ${imported[1]} = imports.${imported[2]}.${imported[1]};`;
    }
    if (/^import /.test(line)) {
        throw new Error(`an import of another shape: ${line}`);
    }
    if (/^export /.test(line) && !/^export var (\w+) = retasmFunc\.\1;$/.test(line)) {
        throw new Error(`an export of another shape: ${line}`);
    }
    return /^export /.test(line) ? "" : line;
});
const wrapped = `function pernamTranslation(imports) {\n${body.join("\n")}\nreturn retasmFunc;\n}\n`;
const minified = await minify(wrapped, { compress: true, mangle: { reserved: ["pernamTranslation"] } });
if (!minified.code) {
    throw new Error("terser gave nothing");
}
writeFileSync(target, minified.code);
