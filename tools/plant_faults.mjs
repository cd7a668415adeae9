#!/usr/bin/env node
// Plants each fault of a list into a scratch copy of the tree, one at a time,
// and checks that the test named beside it fails; prints a Markdown table and
// exits non-zero when a fault goes uncaught, fails to build, or when a named
// test fails with no fault planted.
//   node tools/plant_faults.mjs tests/planted_faults.txt [words of the fault's name]
//
// A fault in the list:
//   fault: what goes wrong, in a user's words
//   caught by: ctest <regular expression of ctest names>
//          or: page <words of a scenario's name>
//   in: path/of/the/file
//   - a line as it stands (one or more, taken in turn, once each in the file)
//   + what it becomes (none, to delete the lines)
// Blank lines and lines starting with # between faults are skipped.
import { execFileSync, spawnSync } from "node:child_process";
import { existsSync, readFileSync, writeFileSync } from "node:fs";
import { join, relative, resolve } from "node:path";

const root = resolve(new URL("..", import.meta.url).pathname);
const [listFile, ...only] = process.argv.slice(2);
if (!listFile) {
    console.error("usage: plant_faults.mjs <list> [words of the fault's name]");
    process.exit(2);
}

function readFaults(text) {
    const faults = [];
    let fault = null;
    for (const [index, line] of text.split("\n").entries()) {
        const where = `${listFile}:${index + 1}`;
        if (line.startsWith("fault: ")) {
            fault = { name: line.slice(7).trim(), where, before: [], after: [] };
            faults.push(fault);
        } else if (line.trim() === "" || line.startsWith("#")) {
            continue;
        } else if (!fault) {
            throw new Error(`${where}: a fault starts with "fault: "`);
        } else if (line.startsWith("caught by: ")) {
            const [kind, ...words] = line.slice(11).trim().split(" ");
            if (kind !== "ctest" && kind !== "page") throw new Error(`${where}: ctest or page`);
            fault.kind = kind;
            fault.test = words.join(" ");
        } else if (line.startsWith("in: ")) {
            fault.file = line.slice(4).trim();
        } else if (line.startsWith("- ")) {
            fault.before.push(line.slice(2));
        } else if (line.startsWith("+ ") || line === "+") {
            fault.after.push(line.slice(2));
        } else {
            throw new Error(`${where}: cannot read "${line}"`);
        }
    }
    for (const f of faults) {
        if (!f.kind || !f.file || f.before.length === 0) throw new Error(`${f.where}: needs caught by, in and - lines`);
    }
    return faults;
}

const faults = readFaults(readFileSync(listFile, "utf8")).filter((f) =>
    only.every((word) => f.name.includes(word)),
);

// A worktree of HEAD with the working tree's changes, built once; only the
// planted file changes after that.
// One scratch tree per list, so that two lists can be tried side by side.
const tree = join(root, "build", `plant-${relative(root, resolve(listFile)).replace(/[/.]/g, "_")}`);
const build = join(tree, "build");
const run = (command, args, options = {}) =>
    spawnSync(command, args, { cwd: tree, encoding: "utf8", maxBuffer: 1 << 28, ...options });
if (!existsSync(tree)) {
    execFileSync("git", ["-C", root, "worktree", "add", "--detach", tree, "HEAD"], { stdio: "inherit" });
}
execFileSync("git", ["-C", tree, "checkout", "--detach", "--force", execFileSync("git", ["-C", root, "rev-parse", "HEAD"], { encoding: "utf8" }).trim()]);
const changes = execFileSync("git", ["-C", root, "diff", "HEAD"], { encoding: "utf8" });
if (changes) run("git", ["apply"], { input: changes });

const jobs = String(Math.max(1, Number(process.env.JOBS ?? 2)));
// No warnings as errors: a planted fault that only warns must still build.
// The fuzzer's test is there only when asked for: it builds with clang++ on every build.
const fuzz = faults.some((f) => f.kind === "ctest" && f.test.includes("fuzz"));
execFileSync("cmake", ["-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPERNAM_BUILD_TESTS=ON",
    "-DPERNAM_WEB_TOOLS=ON", `-DPERNAM_FUZZ=${fuzz ? "ON" : "OFF"}`], { stdio: "ignore" });
const needsPage = faults.some((f) => f.kind === "page");
// The page's scenarios need only what the page is held against from the C++ build.
const targets = faults.every((f) => f.kind === "page") ? ["--target", "page_reference"] : [];

function buildAll() {
    const desktop = run("cmake", ["--build", build, "-j", jobs, ...targets]);
    if (desktop.status !== 0) return desktop.stdout + desktop.stderr;
    if (!needsPage) return "";
    // The page lands in build/web of the scratch tree, beside the desktop's build.
    const page = run("bash", [join(tree, "web/tools/build.sh")], { env: { ...process.env, PERNAM_NATIVE_BUILD: build } });
    if (page.status !== 0) return page.stdout + page.stderr;
    const tests = run(join(tree, "web/node_modules/.bin/tsc"), ["-p", join(tree, "web/tsconfig.tests.json")]);
    return tests.status === 0 ? "" : tests.stdout + tests.stderr;
}

function passes(fault) {
    if (fault.kind === "ctest") {
        const result = run("ctest", ["--test-dir", build, "-R", fault.test, "--no-tests=error", "-j", jobs]);
        return result.status === 0;
    }
    const web = join(build, "web");
    run("ln", ["-sfn", join(tree, "web/node_modules"), join(web, "node_modules")]);
    run("mkdir", ["-p", join(web, "tools")]);
    run("cp", [join(build, "tests/page_reference"), join(web, "tools/page_reference")]);
    const result = run("node", [join(web, "node/tests/run.js"), web, "chromium"], {
        env: { ...process.env, PERNAM_SCENARIO: fault.test },
    });
    // The words may pick more than one scenario: say which failed.
    const lines = result.stdout.split("\n");
    lines.forEach((line, i) => line.startsWith("FAILED") && console.error(`  ${line}\n  ${(lines[i + 1] ?? "").slice(0, 300)}`));
    return result.status === 0;
}

const unplanted = buildAll();
if (unplanted) {
    console.error(unplanted);
    throw new Error("the tree does not build with no fault planted");
}
const rows = [];
let bad = 0;
// Every named test is tried on the unplanted build first: once a fault has
// been planted the build holds it until the next fault is planted.
const planned = faults.map((fault) => {
    const path = join(tree, fault.file);
    const original = readFileSync(path, "utf8");
    let changed = original;
    let problem = "";
    for (const [i, line] of fault.before.entries()) {
        const found = changed.split(line).length - 1;
        if (found !== 1) {
            problem = `not planted: "${line.trim()}" found ${found} times`;
            break;
        }
        // The + lines replace the first - line; the other - lines go. A
        // function, so that "$" in the new text stays as written.
        const replacement = i === 0 ? fault.after.join("\n") : "";
        changed = changed.replace(line, () => replacement);
    }
    if (!problem && !passes(fault)) problem = "fails with no fault planted";
    return { fault, path, original, changed, problem };
});
for (const { fault, path, original, changed, problem } of planned) {
    let outcome = problem;
    if (!outcome) {
        writeFileSync(path, changed);
        const broken = buildAll();
        if (broken) console.error(broken.split("\n").slice(-30).join("\n"));
        outcome = broken ? "does not build" : passes(fault) ? "MISSED" : "caught";
        writeFileSync(path, original);
    }
    if (outcome !== "caught") bad++;
    rows.push(`| ${fault.name} | \`${fault.file}\` | ${fault.kind} ${fault.test} | ${outcome} |`);
    console.error(`${outcome.padEnd(10)} ${fault.name}`);
}
buildAll();
console.log("| planted fault | in | caught by | outcome |\n|---|---|---|---|\n" + rows.join("\n"));
process.exit(bad === 0 && faults.length > 0 ? 0 : 1);
