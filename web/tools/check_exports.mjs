// @ts-check
// Holds the page's declaration of the module's exports against the module
// built: every function it exports is declared, with as many parameters as
// it takes, and nothing is declared that it does not export.
//   node check_exports.mjs <module.wasm> <page/module.ts>
import { readFileSync } from "node:fs";
import ts from "typescript";

const [wasm, source] = process.argv.slice(2);
if (!wasm || !source) {
    console.error("usage: node check_exports.mjs <module.wasm> <module.ts>");
    process.exit(2);
}

// The module's functions and their parameter counts, from an instance whose
// imports do nothing.
const module = new WebAssembly.Module(readFileSync(wasm));
/** @type {Record<string, Record<string, () => number>>} */
const imports = {};
for (const { module: from, name } of WebAssembly.Module.imports(module)) {
    (imports[from] ??= {})[name] = () => 0;
}
const instance = new WebAssembly.Instance(module, imports);
/** @type {Map<string, number | "memory">} */
const exported = new Map();
for (const [name, value] of Object.entries(instance.exports)) {
    exported.set(name, typeof value === "function" ? value.length : "memory");
}

// The page's declaration: interface ModuleExports in module.ts.
const file = ts.createSourceFile(source, readFileSync(source, "utf8"), ts.ScriptTarget.ES2020);
/** @type {Map<string, number | "memory">} */
const declared = new Map();
file.forEachChild((node) => {
    if (ts.isInterfaceDeclaration(node) && node.name.text === "ModuleExports") {
        for (const member of node.members) {
            const name = member.name && ts.isIdentifier(member.name) ? member.name.text : "";
            declared.set(name, ts.isMethodSignature(member) ? member.parameters.length : "memory");
        }
    }
});

const faults = [];
for (const [name, kind] of exported) {
    if (!declared.has(name)) {
        faults.push(`the module exports ${name}, which the page does not declare`);
    } else if (declared.get(name) !== kind) {
        faults.push(`${name}: the module takes ${kind}, the page declares ${declared.get(name)}`);
    }
}
for (const name of declared.keys()) {
    if (!exported.has(name)) {
        faults.push(`the page declares ${name}, which the module does not export`);
    }
}
if (faults.length > 0) {
    console.error(`${source} does not match ${wasm}:\n  ${faults.join("\n  ")}`);
    process.exit(1);
}
