// Runs the scenario table in each browser against the built page opened from
// file://, and exits non-zero if any step fails:
//   node run.js <build folder> [chromium] [webkit]
import { execFileSync, spawnSync } from "node:child_process";
import { existsSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import type { AddressInfo } from "node:net";
import { extname, join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { BrowserName, Driver, browsers } from "./drivers.js";
import { PageState, canvasPixels, readState, watchPage } from "./page_state.js";
import { BoxName, Expect, Scenario, Step, scenarios } from "./scenarios.js";

const build = resolve(process.argv[2] ?? "build/web");
const browserNames = process.argv.slice(3);
const pagePath = join(build, "pernam3.html");
const pageUrl = pathToFileURL(pagePath).href;
const screens = join(build, "screens");
mkdirSync(screens, { recursive: true });
const states = join(build, "states");
mkdirSync(states, { recursive: true });
const keptStates = new Set<string>();
const axeSource = readFileSync(join(build, "..", "..", "web", "node_modules", "axe-core", "axe.min.js"), "utf8");

// The contrast of two colours by WCAG's relative luminance.
function contrast(a: number[], b: number[]): number {
    const luminance = (rgb: number[]) =>
        rgb
            .map((c) => c / 255)
            .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
            .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i]!, 0);
    const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (light! + 0.05) / (dark! + 0.05);
}

// What the page must show, from the C++ both editions share.
function reference<T>(...args: string[]): T {
    return JSON.parse(execFileSync(join(build, "tools", "page_reference"), args, { encoding: "utf8" })) as T;
}
// The page's canvas of a window as page_reference reads it, in a file.
function pixelsFile(classes: string, name: string): string {
    const file = join(build, `${name}-pixels.txt`);
    writeFileSync(file, classes);
    return file;
}

type BoxTexts = { title: string; prompt: string; defaultText: string };
const texts = reference<{ boxes: Record<BoxName, BoxTexts>; doorChime: string; closingChime: string }>("texts");
const form = JSON.parse(readFileSync(join(build, "form.json"), "utf8")) as {
    windows: { name: string; caption: string }[];
};
// Each box as the page shows it: kind, title and prompt.
const boxes = Object.fromEntries(
    Object.entries(texts.boxes).map(([name, box]) => [
        name,
        [name === "customers" || name === "trials" ? "input" : "yes-no", box.title, box.prompt],
    ]),
) as Record<BoxName, PageState["box"]>;

// A chime is known by its length, read from the wave file the page carries:
// its data's size over its bytes per second.
function chimeSeconds(fileName: string): number {
    const wave = readFileSync(join(build, "chimes", fileName));
    return wave.readUInt32LE(40) / wave.readUInt32LE(28);
}
const chimeLengths = { door: chimeSeconds(texts.doorChime), closing: chimeSeconds(texts.closingChime) };
if (readdirSync(join(build, "chimes")).length !== 2) {
    throw new Error("the page is to carry exactly the two chimes");
}

const sleep = (ms: number) => new Promise((done) => setTimeout(done, ms));

function must(ok: boolean, failure: string): void {
    if (!ok) {
        throw new Error(failure);
    }
}

// The first expectation the page does not meet, or "": each compared with the
// page's state in the scenario table's terms.
function mismatch(expect: Expect, state: PageState): string {
    const chime = (seconds: number) =>
        Object.entries(chimeLengths).find(([, length]) => Math.abs(seconds - length) < 0.01)?.[0] ?? seconds;
    const caption = form.windows.find((window) => window.name === state.window)?.caption ?? "";
    const shown: Record<string, unknown> = {
        ...state,
        box: state.box && (Object.keys(boxes).find((name) => `${boxes[name as BoxName]}` === `${state.box}`) ?? state.box),
        enabled: expect.enabled?.filter((name) => state.enabled[name] === true),
        disabled: expect.disabled?.filter((name) => state.enabled[name] === false),
        chimes: state.chimes.map(chime),
        // A browser strips the title's leading and trailing ASCII blanks.
        titled: state.title === caption.replace(/^[ \t\n]+|[ \t\n]+$/g, ""),
        // A window the table gives no heading is headed by its caption.
        heading: state.heading === caption.trim() ? "caption" : state.heading,
    };
    const wrong = Object.entries(expect).find(([key, value]) => JSON.stringify(shown[key]) !== JSON.stringify(value));
    return wrong ? `${wrong[0]} ${JSON.stringify(wrong[1])}` : "";
}

// What a run changes, in order.
const runProtocol = [
    "pointer wait",
    "quitButton disabled",
    "initializeButton disabled",
    "startButton disabled",
    "quitButton enabled",
    "initializeButton enabled",
    "pointer default",
];

type GraphRun = { customers: number; trials: number; chiSquare?: boolean; textsLeftOut?: boolean };

class ScenarioRun {
    private helpPrint = "";

    constructor(
        private readonly driver: Driver,
        private scale: number,
        private readonly url: string,
        private readonly site: Site | null,
    ) {}

    read<T>(body: string): Promise<T> {
        return this.driver.read<T>(canvasPixels + body);
    }

    async expect(expect: Expect): Promise<void> {
        let state = await this.read<PageState>(readState);
        for (let waited = 0; mismatch(expect, state) && waited < 3000; waited += 50) {
            await sleep(50);
            state = await this.read<PageState>(readState);
        }
        const wrong = mismatch(expect, state);
        must(!wrong, `expected ${wrong}; the page shows ${JSON.stringify(state)}`);
    }

    async click(target: string, atOnce: boolean): Promise<void> {
        const boxButton = ["ok", "cancel", "yes", "no", "close"].includes(target);
        if (boxButton && !atOnce) {
            await sleep(600); // past the double-click's time in which a box ignores the mouse
        }
        const answer = target === "close" ? ".close-box" : `[data-answer=${target}]`;
        await this.driver.click(boxButton ? `dialog[open] ${answer}` : `#${target}`);
    }

    // A run as the start button's click gives it: the buttons and pointer in
    // the run's order, and the graph read back against the shared code's own
    // drawing of the tallies its bars show, with the rows, name and mean it
    // gives them. With the texts left out, the canvas holds nothing but that
    // drawing.
    async run(run: GraphRun): Promise<void> {
        await this.read(watchPage);
        if (run.textsLeftOut) {
            await this.read("CanvasRenderingContext2D.prototype.fillText = function () {};");
        }
        await this.click("startButton", false);
        await this.expect({ disabled: ["startButton"] });
        await this.graph(run, true);
    }

    // The graph on the page as it is, held against the shared drawing of the
    // tallies its bars show at the device's ratio now, and, just after a run,
    // the run's changes of the buttons and the pointer.
    async graph(run: GraphRun, justRun = false): Promise<void> {
        const seen = await this.read<{ changes: string[]; colours: string[]; pixels: string; mean: string; name: string; rows: string[] }>(`return {
                changes: window.pernamChanges(),
                colours: ["startButton", "quitButton"].map((id) => getComputedStyle(document.getElementById(id)).color),
                pixels: classesOf("main"),
                mean: document.getElementById("meanShortage").textContent,
                name: document.getElementById("graph").getAttribute("aria-label"),
                rows: [...document.querySelectorAll("#graph + ul li")].map((li) => li.textContent),
            };`);
        type Read = {
            width: number; readable: boolean; trialsShown: number; reachable: boolean; rows: string[];
            mean: string | null; name: string | null; chiSquare?: { statistic: number; critical: number; holds: boolean };
            barsDiffer: number; linesMissing: number; stray: number; firstDifference: number[]; ticks: number[]; labelRow: number[];
        };
        const graph = reference<Read>("graph", pixelsFile(seen.pixels, "graph"), String(this.scale), String(run.customers), String(run.trials));
        must(!justRun || seen.changes.join() === runProtocol.join(), `the run changed ${seen.changes.join(", ")}`);
        // The disabled start button looks it, beside the enabled quit button.
        must(seen.colours[0] !== seen.colours[1], `the disabled start button is drawn like an enabled one (${seen.colours})`);
        must(graph.readable, `bars that are no count: ${graph.width ?? "a canvas of another size"}`);
        must(
            graph.barsDiffer === 0 && graph.linesMissing === 0 && (!run.textsLeftOut || graph.stray === 0),
            `the graph's pixels are not the shared rule's: ${graph.barsDiffer} of the bars, ${graph.linesMissing} of the lines` +
                ` and ${graph.stray} besides differ, the first at (${graph.firstDifference})`,
        );
        must(seen.rows.join() === graph.rows.join(), `rows read "${seen.rows.join(" / ")}" for bars "${graph.rows.join(" / ")}"`);
        if (graph.mean !== null) {
            // The bars hold every trial: the mean and the name follow from them.
            must(graph.trialsShown === run.trials && graph.reachable, `bars of ${graph.trialsShown} trials, some out of reach`);
            must(seen.mean === graph.mean, `mean label "${seen.mean}" for bars whose mean is ${graph.mean}`);
            must(seen.name === graph.name, `the graph is named "${seen.name}"`);
        } else {
            must(/^-?\d*\.\d$/.test(seen.mean), `mean label "${seen.mean}"`);
        }
        if (!run.textsLeftOut) {
            // Each of the twelve numbers within two units of its tick.
            must(
                graph.labelRow.length === 12 && graph.labelRow.every((x, i) => Math.abs(x - graph.ticks[i]!) <= 2),
                `the label row's numbers stand at ${graph.labelRow.map((x) => x.toFixed(1)).join(" ")}`,
            );
        }
        if (run.chiSquare) {
            must(!!graph.chiSquare?.holds, `chi-square ${JSON.stringify(graph.chiSquare)}`);
        }
    }

    // The help text's printed lines, one em apart, each where the shared
    // drawing prints one and whole inside the area, and what a screen reader
    // reads of it.
    async help(check: "printed" | "same as before"): Promise<void> {
        await sleep(100);
        const print = await this.read<{ pixels: string; spoken: string[] }>(`return {
            pixels: classesOf("help"),
            spoken: [...document.querySelectorAll("[data-window=help] #helpText :is(h2, p)")].map((e) => e.tagName + " " + e.textContent),
        };`);
        if (check === "same as before") {
            must(print.pixels === this.helpPrint, "the help text printed differently on its second showing");
            return;
        }
        this.helpPrint = print.pixels;
        type Read = { width: number; printed: boolean[]; inked: boolean[]; rightmost: number; spoken: { text: string; heading: boolean }[] };
        const help = reference<Read>("help", pixelsFile(print.pixels, "help"), String(this.scale));
        must(!!help.printed, `the help text's canvas is not ${help.width} wide`);
        must(help.inked.join() === help.printed.join(), `help lines printed: ${help.inked.map((ink, i) => (ink ? i + 1 : "")).join(" ")}`);
        must(help.rightmost < help.width - 2, `the help text reaches the area's right edge (${help.rightmost} of ${help.width})`);
        // Its headings as headings, its sentences as paragraphs, as the program reads them.
        const spoken = help.spoken.map((entry) => `${entry.heading ? "H2" : "P"} ${entry.text}`);
        must(print.spoken.join("\n") === spoken.join("\n"), `a screen reader reads the help text as ${JSON.stringify(print.spoken)}`);
    }

    // What standard tools say of the page as it is: axe-core's rules, run in
    // the page, must find nothing; the page's markup is kept for the Nu HTML
    // checker, which reads every state kept once the scenarios have run.
    async check(state: string): Promise<void> {
        const violations = await this.driver.readLater<{ id: string; nodes: { target: string[] }[] }[]>(`
            ${axeSource}
            axe.run(document, { resultTypes: ["violations"] }).then((result) => done(result.violations.map(
                (v) => ({ id: v.id, nodes: v.nodes.map((node) => ({ target: node.target })) }))));`);
        must(violations.length === 0, `axe finds ${violations.map((v) => `${v.id} at ${v.nodes.map((n) => n.target).join(", ")}`).join("; ")}`);
        const markup = await this.read<string>(`return "<!DOCTYPE html>\\n" + document.documentElement.outerHTML;`);
        const file = join(states, `${this.driver.name}-${state.replace(/\W+/g, "-")}.html`);
        writeFileSync(file, markup);
        keptStates.add(file);
    }

    // Text at a reader's own larger size stays whole in every box: no part of
    // the box clips what it holds.
    async unclipped(): Promise<void> {
        const clipped = await this.read<string[]>(`
            return [...document.querySelectorAll("dialog[open], dialog[open] *")]
                .filter((e) => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
                .filter((e) => getComputedStyle(e).overflow !== "visible" || e.tagName === "INPUT")
                .map((e) => e.className || e.tagName);`);
        must(clipped.length === 0, `text is clipped in ${clipped.join(", ")}`);
    }

    // A finger's tap on the centre of an element, as a touch screen gives it.
    // Safari on an iPad puts a field's caret where the finger fell, which
    // Chromium's tap into a selected field does not: the caret goes there
    // as the finger goes down.
    async tap(selector: string): Promise<void> {
        const [x, y] = await this.read<[number, number]>(`
            const element = document.querySelector(${JSON.stringify(selector)});
            element.addEventListener("pointerdown", () => element.setSelectionRange?.(1, 1), { once: true, capture: true });
            const r = element.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];`);
        await this.driver.devTools("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x, y }] });
        await this.driver.devTools("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    }

    // Every button of the open box, and its close box, at least this large.
    async targets(size: number): Promise<void> {
        const small = await this.read<string[]>(`
            return [...document.querySelectorAll("dialog[open] button")]
                .map((b) => [b.className || b.dataset.answer, b.getBoundingClientRect()])
                .filter(([, r]) => r.width < ${size} || r.height < ${size})
                .map(([name, r]) => name + " " + r.width + " x " + r.height);`);
        must(small.length === 0, `targets smaller than ${size} x ${size}: ${small.join(", ")}`);
    }

    // Served, the page is one a browser would install, and its service
    // worker has taken it over.
    async installable(): Promise<void> {
        await this.driver.read(`return navigator.serviceWorker.ready`);
        for (let waited = 0; !(await this.read<boolean>("return !!navigator.serviceWorker.controller")); waited += 50) {
            must(waited < 5000, "no service worker took the page over");
            await sleep(50);
        }
        if (this.driver.name === "chromium") {
            const { installabilityErrors } = await this.driver.devTools<{ installabilityErrors: { errorId: string }[] }>(
                "Page.getInstallabilityErrors", {});
            must(installabilityErrors.length === 0, `not installable: ${installabilityErrors.map((e) => e.errorId).join(", ")}`);
        }
    }

    // The picture's ink and bars against its background, by their colours as
    // drawn: at least 4.5 : 1 for the ink of its texts and lines, 3 : 1 for the bars.
    async contrast(window: string): Promise<void> {
        const palette = await this.read<Record<"ink" | "bars" | "background", number[]>>(`return paletteOf(${JSON.stringify(window)});`);
        const ink = contrast(palette.ink, palette.background);
        const bars = contrast(palette.bars, palette.background);
        must(ink >= 4.5 && (window !== "main" || bars >= 3), `contrast ${ink.toFixed(1)} of the ink and ${bars.toFixed(1)} of the bars (${JSON.stringify(palette)})`);
    }

    async step(step: Step): Promise<void> {
        if ("press" in step) await this.driver.press(step.press);
        else if ("type" in step) await this.driver.type(step.type);
        else if ("click" in step) await this.click(step.click, false);
        else if ("clickAtOnce" in step) await this.click(step.clickAtOnce, true);
        else if ("clickInTurn" in step) await this.driver.click(...step.clickInTurn.map((name) => `#${name}`));
        else if ("expect" in step) await this.expect(step.expect);
        else if ("run" in step) await this.run(step.run);
        else if ("help" in step) await this.help(step.help);
        else if ("check" in step) await this.check(step.check);
        else if ("unclipped" in step) await this.unclipped();
        else if ("contrast" in step) await this.contrast(step.contrast);
        else if ("graph" in step) await this.graph(step.graph);
        else if ("imeEnter" in step) {
            // The Enter that confirms a conversion, as Safari delivers it.
            await this.read(`document.activeElement.dispatchEvent(new KeyboardEvent("keydown",
                { key: "Enter", code: "Enter", keyCode: 229, bubbles: true, cancelable: true }));`);
        } else if ("tap" in step) await this.tap(step.tap);
        else if ("targets" in step) await this.targets(step.targets);
        else if ("viewport" in step) await this.driver.viewport(...step.viewport);
        else if ("pixelRatio" in step) {
            // A zoom, or the window moved to a screen of another density.
            await this.driver.devTools("Emulation.setDeviceMetricsOverride", {
                width: 0, height: 0, deviceScaleFactor: step.pixelRatio, mobile: false,
            });
            this.scale = step.pixelRatio;
            await this.driver.read("return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))");
        } else if ("installable" in step) await this.installable();
        else if ("offline" in step) await this.site?.stop();
        else if ("reload" in step) {
            await this.driver.go(this.url);
            await this.read(watchPage);
        }
        else if ("screenshot" in step) {
            await this.driver.read("return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))");
            await this.driver.screenshot(join(screens, `${this.driver.name}-${step.screenshot}-x${this.scale}.png`));
        }
    }
}

// PERNAM_SCENARIO keeps the scenarios whose names hold its words.
const chosen = scenarios.filter((scenario) =>
    (process.env["PERNAM_SCENARIO"] ?? "").split(" ").every((word) => scenario.name.includes(word)),
);
if (chosen.length === 0) {
    console.log("no scenario has those words in its name");
    process.exit(1);
}

async function runIn(driver: Driver, scenario: Scenario): Promise<void> {
    const view = { width: 1024, height: 768, scale: 1, ...scenario.view };
    const chromiumOnly = scenario.contrastTheme || scenario.touch || scenario.withoutWebAssembly || scenario.chromiumOnly;
    if (!browsers[driver.name].supports(view) || (chromiumOnly && driver.name !== "chromium")) {
        console.log(`- ${driver.name}: ${scenario.name} (skipped: the browser cannot be set so here)`);
        return;
    }
    const started = Date.now();
    const site = scenario.served ? await serve(join(build, "site")) : null;
    const url = site?.url ?? pageUrl;
    try {
        // WebAssembly taken away before the page's scripts run, as Lockdown Mode has it.
        await driver.open(url, view, scenario.withoutWebAssembly ? "delete globalThis.WebAssembly;" : "");
        if (driver.name === "chromium") {
            // A contrast theme as Windows gives one, and a touch screen,
            // emulated from the page's start, or none: an emulation lasts
            // until it is changed.
            const theme = scenario.contrastTheme;
            const features = theme ? [{ name: "forced-colors", value: "active" }, { name: "prefers-color-scheme", value: theme }] : [];
            await driver.devTools("Emulation.setEmulatedMedia", { features });
            await driver.devTools("Emulation.setTouchEmulationEnabled", { enabled: !!scenario.touch, maxTouchPoints: 5 });
            await driver.devTools("Emulation.clearDeviceMetricsOverride", {});
            await driver.go(url);
        }
        await runSteps(driver, scenario, view.scale, url, site);
    } finally {
        await site?.stop();
    }
    console.log(`ok ${driver.name}: ${scenario.name} (${Date.now() - started} ms)`);
}

async function runSteps(driver: Driver, scenario: Scenario, scale: number, url: string, site: Site | null): Promise<void> {
    const run = new ScenarioRun(driver, scale, url, site);
    await run.read(watchPage);
    // The first box comes once the window is on screen.
    await run.expect({ box: "customers" });
    for (const [index, step] of scenario.steps.entries()) {
        try {
            await run.step(step);
        } catch (error) {
            throw new Error(`step ${index + 1} ${JSON.stringify(step)}: ${(error as Error).message}`);
        }
    }
}

// The folder for a web server, served from the loopback address until stopped.
interface Site {
    url: string;
    stop(): Promise<void>;
}
function serve(folder: string): Promise<Site> {
    const types: Record<string, string> = {
        ".html": "text/html; charset=utf-8",
        ".js": "text/javascript",
        ".webmanifest": "application/manifest+json",
        ".png": "image/png",
    };
    const server = createServer((request, response) => {
        const path = decodeURIComponent(new URL(request.url ?? "/", "http://host").pathname);
        const file = join(folder, path.endsWith("/") ? `${path}index.html` : path);
        if (!file.startsWith(folder) || !existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream" });
        response.end(readFileSync(file));
    });
    return new Promise((ready) =>
        server.listen(0, "127.0.0.1", () => {
            const address = server.address() as AddressInfo;
            let stopped = false;
            ready({
                url: `http://127.0.0.1:${address.port}/`,
                stop: () => {
                    if (stopped) {
                        return Promise.resolve();
                    }
                    stopped = true;
                    server.closeAllConnections();
                    return new Promise((done) => server.close(() => done()));
                },
            });
        }),
    );
}

let failures = 0;
for (const name of browserNames.length > 0 ? browserNames : ["chromium"]) {
    const driver = new Driver(name as BrowserName);
    for (const scenario of chosen) {
        await runIn(driver, scenario).catch((error) => {
            failures++;
            console.log(`FAILED ${driver.name}: ${scenario.name}\n    ${(error as Error).message}`);
        });
    }
    await driver.close();
}
// The Nu HTML checker over the built page and every state kept: no error.
if (keptStates.size > 0) {
    const checker = join(build, "..", "..", "web", "node_modules", "vnu-jar", "build", "dist", "vnu.jar");
    const report = spawnSync("java", ["-jar", checker, "--errors-only", "--format", "text", pagePath, ...keptStates], { encoding: "utf8" });
    if (report.status !== 0) {
        failures++;
        console.log(`FAILED the Nu HTML checker:\n${report.stderr}${report.stdout}`);
    } else {
        console.log(`ok the Nu HTML checker: the built page and ${keptStates.size} states, no error`);
    }
}
console.log(failures === 0 ? "all scenarios passed" : `${failures} scenario(s) failed`);
process.exit(failures === 0 ? 0 : 1);
