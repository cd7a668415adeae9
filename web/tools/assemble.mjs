// @ts-check
// Joins the built parts into the one page a teacher hands out, and the folder
// for a web server that holds the same page:
//   node assemble.mjs <template> <build folder>
//     ->  <build folder>/pernam3.html
//     ->  <build folder>/site/: index.html, manifest.webmanifest,
//         service-worker.js and the icons
// The module and its translation to JavaScript, the chimes and the icon go in
// as base64 or script, the windows' tables as JSON, the style and the script
// inline: the page opened from a disk needs nothing else, and from file:// a
// browser loads no module script and fetches nothing. Served, the page names
// its manifest, and its service worker keeps the folder's files in a cache
// named by their content, for use with no network after one visit.
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
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
    translation: forScript(readFileSync(join(build, "translation.js"), "utf8")),
    script: forScript(readFileSync(join(build, "page.js"), "utf8")),
};
/** @param {string} manifest */
const pageWith = (manifest) =>
    readFileSync(template, "utf8").replace(/\{\{(\w+)\}\}/g, (whole, name) => {
        const part = name === "manifest" ? manifest : parts[name];
        if (part === undefined) {
            throw new Error(`the template asks for an unknown part ${whole}`);
        }
        return part;
    });
writeFileSync(join(build, "pernam3.html"), pageWith(""));

// The folder for a web server.
const site = join(build, "site");
mkdirSync(join(site, "icons"), { recursive: true });
writeFileSync(join(site, "index.html"), pageWith('\n<link rel="manifest" href="manifest.webmanifest">'));
const icons = [192, 512].map((size) => {
    const file = `icons/pernam3-${size}.png`;
    copyFileSync(join(build, "icons", `${size}x${size}`, "apps", "pernam3.png"), join(site, file));
    return { src: file, sizes: `${size}x${size}`, type: "image/png", purpose: "any" };
});
const manifest = {
    name: form.programName,
    short_name: form.programName,
    lang: "ja",
    start_url: "./",
    scope: "./",
    display: "standalone",
    background_color: "#808080",
    theme_color: "#808080",
    icons,
};
writeFileSync(join(site, "manifest.webmanifest"), `${JSON.stringify(manifest, null, 2)}\n`);
const files = ["index.html", "manifest.webmanifest", ...icons.map((icon) => icon.src)];
const hash = createHash("sha256");
for (const file of files) {
    hash.update(readFileSync(join(site, file)));
}
// "./" is the folder's own address, which a browser asks for first.
const cached = ["./", ...files];
writeFileSync(
    join(site, "service-worker.js"),
    `const pernamCacheName = "pernam3-${hash.digest("hex").slice(0, 16)}";\n` +
        `const pernamFiles = ${JSON.stringify(cached)};\n` +
        readFileSync(join(build, "service-worker.js"), "utf8"),
);