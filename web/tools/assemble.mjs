// @ts-check
// Joins the built parts into the one page a teacher hands out:
//   node assemble.mjs <template> <build folder>  ->  <build folder>/pernam3.html
// The module, the chimes and the icon go in as base64, the windows' tables as
// JSON, the style and the script inline: the page opened from a disk needs
// nothing else, and from file:// a browser loads no module script and fetches
// nothing.
import { readFileSync, readdirSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const [template, build] = process.argv.slice(2);
if (!template || !build) {
    console.error("usage: node assemble.mjs <template> <build folder>");
    process.exit(2);
}

/** @param {string} path */
const base64 = (path) => readFileSync(path).toString("base64");

/** @param {string} text */
const escapeHtml = (text) =>
    text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");

/**
 * Text placed inside a <script> element must not end it early.
 * @param {string} text
 */
const forScript = (text) => text.replace(/<\/(script)/gi, "<\\/$1").replace(/<!--/g, "<\\!--");

const form = JSON.parse(readFileSync(join(build, "form.json"), "utf8"));
/** @type {Record<string, string>} */
const chimes = {};
for (const name of readdirSync(join(build, "chimes")).sort()) {
    chimes[name] = base64(join(build, "chimes", name));
}
const assets = {
    engine: base64(join(build, "pernam3.wasm")),
    chimes,
    form,
};

/** @type {Record<string, string>} */
const parts = {
    // The window shown first names the page.
    title: escapeHtml(form.windows[0].caption),
    icon32: base64(join(build, "icons", "32x32", "apps", "pernam3.png")),
    icon64: base64(join(build, "icons", "64x64", "apps", "pernam3.png")),
    style: readFileSync(join(dirname(fileURLToPath(import.meta.url)), "..", "page", "style.css"), "utf8"),
    assets: forScript(`const pernamAssets = ${JSON.stringify(assets)};`),
    script: forScript(readFileSync(join(build, "page.js"), "utf8")),
};
const page = readFileSync(template, "utf8").replace(/\{\{(\w+)\}\}/g, (whole, name) => {
    const part = parts[name];
    if (part === undefined) {
        throw new Error(`the template asks for an unknown part ${whole}`);
    }
    return part;
});
writeFileSync(join(build, "pernam3.html"), page);
