// Runs the scenario table in each browser against the built page opened from
// file://, and exits non-zero if any step fails:
//   node run.js <build folder> [chromium] [webkit]
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, readdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { ChromiumDriver, Driver, View, WebKitDriver } from "./drivers.js";
import { chiSquare, minimumLaw } from "./law.js";
import { PageState, fixClock, readBars, readLabelRow, readState, watchPage } from "./page_state.js";
import { BoxName, Expect, Scenario, Step, Texts, scenarios } from "./scenarios.js";

const build = resolve(process.argv[2] ?? "build/web");
const browsers = process.argv.slice(3);
const pageUrl = pathToFileURL(join(build, "pernam3.html")).href;
const screens = join(build, "screens");
mkdirSync(screens, { recursive: true });

const form = JSON.parse(readFileSync(join(build, "form.json"), "utf8"));
const texts: Texts = {
    questions: form.questions,
    endQuestion: form.endQuestion,
    confirmTitle: form.endTitle,
    quitTitle: form.quitTitle,
    mainCaption: form.mainWindow.caption,
    helpCaption: form.helpWindow.caption,
    defaultAnswer: form.questions[0].defaultText,
};

// A chime is known by its length, read from the wave file the page carries.
function chimeSeconds(fileName: string): number {
    const wave = readFileSync(join(build, "chimes", fileName));
    const rate = wave.readUInt32LE(24);
    const bytesPerFrame = wave.readUInt16LE(32);
    return wave.readUInt32LE(40) / bytesPerFrame / rate;
}
const chimeLengths = { door: chimeSeconds(form.doorChime), closing: chimeSeconds(form.closingChime) };
if (readdirSync(join(build, "chimes")).length !== 2) {
    throw new Error("the page is to carry exactly the two chimes");
}

const helpArea = form.helpWindow.controls.find((c: { name: string }) => c.name === "helpText");

// Tallies for the pixel comparison: a run's shape, one trial in every bin,
// nothing at all, and bars past the axis's end and past the area's top edge
// where the vertical labels stand.
const bins = Array.from({ length: 120 }, (_, i) => i + 1);
const pixelFixtures: number[][] = [
    bins.map((bin) => (bin >= 96 && bin <= 117 ? Math.round(150 * Math.exp(-((117 - bin) ** 2) / 40)) : 0)),
    bins.map(() => 1),
    bins.map(() => 0),
    bins.map((bin) => [290, 300, 275, 281, 1000][bin - 1] ?? (bin === 116 ? 250 : bin % 7)),
];

// Each pixel as black, light blue or anything else (the platform's background).
const pixelClass = (r: number, g: number, b: number): string =>
    r === 0 && g === 0 && b === 0 ? "k" : r === 0 && g === 0 && b === 255 ? "b" : ".";

function desktopPixels(tallies: number[], scale: number): { width: number; classes: string } {
    const file = join(build, `desktop-graph-${scale}.ppm`);
    execFileSync(join(build, "tools", "desktop_graph"), [file, String(scale), ...tallies.map(String)], {
        stdio: ["ignore", "ignore", "ignore"],
    });
    const ppm = readFileSync(file);
    const header = /^P6\s+(\d+)\s+(\d+)\s+255\s/.exec(ppm.subarray(0, 32).toString("latin1"));
    if (!header) {
        throw new Error("the desktop's graph came back in no PPM");
    }
    const width = Number(header[1]);
    const pixels = ppm.subarray(header[0].length);
    let classes = "";
    for (let i = 0; i + 2 < pixels.length; i += 3) {
        classes += pixelClass(pixels[i]!, pixels[i + 1]!, pixels[i + 2]!);
    }
    return { width, classes };
}

const defaultView: View = { width: 1024, height: 768, scale: 1 };
// The trial clock: a fixed moment, so that a fresh page repeats its runs.
const fixedMoment = Date.UTC(2026, 0, 15, 1, 30, 15, 250);

const sleep = (ms: number) => new Promise((done) => setTimeout(done, ms));

class StepFailure extends Error {}

function boxMatches(state: PageState, name: BoxName | null): boolean {
    const box = state.box;
    if (name === null) {
        return box === null;
    }
    if (!box) {
        return false;
    }
    switch (name) {
        case "customers":
        case "trials": {
            const question = texts.questions[name === "customers" ? 0 : 1]!;
            return box.kind === "input" && box.title === question.title && box.prompt === question.prompt;
        }
        case "confirm":
            return box.kind === "yes-no" && box.title === texts.confirmTitle && box.prompt === texts.endQuestion;
        case "quit":
            return box.kind === "yes-no" && box.title === texts.quitTitle && box.prompt === texts.endQuestion;
    }
}

// The first mismatch between what a step expects and the page, or "".
function mismatch(expect: Expect, state: PageState): string {
    const checks: [boolean, string][] = [];
    const check = (ok: boolean, what: string) => checks.push([ok, what]);
    if (expect.window !== undefined) check(state.window === expect.window, `window ${expect.window}`);
    if (expect.at) check(state.left === expect.at[0] && state.top === expect.at[1], `window at ${expect.at}`);
    if (expect.box !== undefined) check(boxMatches(state, expect.box), `box ${expect.box}`);
    if (expect.field !== undefined)
        check(state.box?.field === expect.field && state.box.selected, `field "${expect.field}" selected`);
    if (expect.customers !== undefined) check(state.labels["customerCount"] === expect.customers, `customers "${expect.customers}"`);
    if (expect.trials !== undefined) check(state.labels["trialCount"] === expect.trials, `trials "${expect.trials}"`);
    if (expect.mean !== undefined) check(state.labels["meanShortage"] === expect.mean, `mean "${expect.mean}"`);
    for (const name of expect.enabled ?? []) check(state.enabled[name] === true, `${name} enabled`);
    for (const name of expect.disabled ?? []) check(state.enabled[name] === false, `${name} disabled`);
    if (expect.focus !== undefined) check(state.focus === expect.focus, `focus on ${expect.focus}`);
    if (expect.ended !== undefined) check(state.ended === expect.ended, expect.ended ? "the end" : "no end");
    if (expect.graphBlank !== undefined)
        check(state.graphBlank === expect.graphBlank, expect.graphBlank ? "a blank graph" : "a graph drawn");
    if (expect.chimes !== undefined) {
        const heard = expect.chimes.map((name) => chimeLengths[name]);
        check(
            state.chimes.length === heard.length && state.chimes.every((s, i) => Math.abs(s - heard[i]!) < 0.01),
            `chimes ${expect.chimes.join(", ") || "none"}`,
        );
    }
    if (expect.titled) {
        const caption = state.window === "help" ? texts.helpCaption : texts.mainCaption;
        // A browser strips the title's leading and trailing ASCII blanks.
        check(state.title === caption.replace(/^[ \t\n]+|[ \t\n]+$/g, ""), "the caption as the page's title");
    }
    const failed = checks.find(([ok]) => !ok);
    return failed ? failed[1] : "";
}

class ScenarioRun {
    private helpPrint = "";

    constructor(private readonly driver: Driver) {}

    state(): Promise<PageState> {
        return this.driver.read<PageState>(readState);
    }

    async expect(expect: Expect): Promise<void> {
        let state = await this.state();
        for (let waited = 0; mismatch(expect, state) && waited < 3000; waited += 50) {
            await sleep(50);
            state = await this.state();
        }
        const wrong = mismatch(expect, state);
        if (wrong) {
            throw new StepFailure(`expected ${wrong}; the page shows ${JSON.stringify(state)}`);
        }
    }

    async centreOf(selector: string): Promise<[number, number]> {
        const at = await this.driver.read<[number, number] | null>(`
            const element = document.querySelector(${JSON.stringify(selector)});
            if (!element) { return null; }
            const r = element.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];`);
        if (!at) {
            throw new StepFailure(`nothing to click at ${selector}`);
        }
        return at;
    }

    async click(target: string, atOnce: boolean): Promise<void> {
        const boxButton = ["ok", "cancel", "yes", "no", "close"].includes(target);
        if (boxButton && !atOnce) {
            await sleep(600); // past the double-click's time in which a box ignores the mouse
        }
        const selector = !boxButton
            ? `#${target}`
            : target === "close"
              ? "dialog[open] .close-box"
              : `dialog[open] [data-answer=${target}]`;
        const [x, y] = await this.centreOf(selector);
        await this.driver.clickAt(x, y);
    }

    async run(run: { customers: number; trials: number; chiSquare?: boolean }): Promise<void> {
        await this.driver.read(watchPage);
        await this.click("startButton", false);
        await this.expect({ disabled: ["startButton"] });
        const changes = await this.driver.read<string[]>("return window.pernamChanges()");
        const protocol = [
            "pointer wait",
            "quitButton disabled",
            "initializeButton disabled",
            "startButton disabled",
            "quitButton enabled",
            "initializeButton enabled",
            "pointer default",
        ];
        if (changes.join() !== protocol.join()) {
            throw new StepFailure(`the run changed ${changes.join(", ")}`);
        }
        // The disabled start button looks it, beside the enabled quit button.
        const [startColour, quitColour] = await this.driver.read<[string, string]>(`
            return ["startButton", "quitButton"].map((id) => getComputedStyle(document.getElementById(id)).color);`);
        if (startColour === quitColour) {
            throw new StepFailure(`the disabled start button is drawn like an enabled one (${startColour})`);
        }
        const bars = await this.driver.read<number[]>(readBars);
        if (bars.some((count) => count < 0)) {
            throw new StepFailure(`bars that are no count: ${bars}`);
        }
        const total = bars.reduce((a, b) => a + b, 0);
        const tallies = new Map<number, number>();
        let sum = 0;
        bars.forEach((count, index) => {
            const minimum = index + 1 - 116; // bins 2..119; bin 1 is not reached below 115 customers
            if (count > 0) {
                tallies.set(minimum, count);
                sum += minimum * count;
            }
        });
        const reachable = [...tallies.keys()].every((m) => m >= -run.customers && m <= 1);
        if (run.customers < 115 && (total !== run.trials || !reachable)) {
            throw new StepFailure(`bars of ${total} trials at minima ${[...tallies.keys()]}`);
        }
        const state = await this.state();
        const mean = state.labels["meanShortage"] ?? "";
        if (!/^-?\d*\.\d$/.test(mean) || (run.customers < 115 && Math.abs(Number(mean) - sum / total) > 0.051)) {
            throw new StepFailure(`mean label "${mean}" for bars whose mean is ${sum / total}`);
        }
        // Each of the twelve numbers within two units of its tick, x = 10 .. 120.
        const centres = await this.driver.read<number[]>(readLabelRow);
        if (centres.length !== 12 || centres.some((x, i) => Math.abs(x - 10 * (i + 1)) > 2)) {
            throw new StepFailure(`the label row's numbers stand at ${centres.map((x) => x.toFixed(1)).join(" ")}`);
        }
        // A screen reader gets the bars as rows beside the canvas, and the
        // outcome as the graph's name.
        const spoken = await this.driver.read<{ name: string; rows: string[] }>(`
            const graph = document.getElementById("graph");
            return { name: graph.getAttribute("aria-label"),
                     rows: [...graph.nextElementSibling.querySelectorAll("li")].map((li) => li.textContent) };`);
        const rows = bars.flatMap((count, index) => {
            const value = index + 1 - 116;
            const axis = index === 0 ? `${value}以下` : index === 119 ? `${value}以上` : String(value);
            return count > 0 ? [`${axis}　${count}回`] : [];
        });
        if (spoken.rows.join() !== rows.join()) {
            throw new StepFailure(`rows read "${spoken.rows.join(" / ")}" for bars "${rows.join(" / ")}"`);
        }
        if (spoken.name !== `度数分布のグラフ　実験回数 ${run.trials}回　不足枚数の平均 ${mean}`) {
            throw new StepFailure(`the graph is named "${spoken.name}"`);
        }
        if (run.chiSquare) {
            const test = chiSquare(tallies, minimumLaw(run.customers), run.trials);
            if (!(test.statistic <= test.critical)) {
                throw new StepFailure(`chi-square ${test.statistic} over ${test.critical} (${test.freedom} df)`);
            }
        }
    }

    async tabOrder(order: string[]): Promise<void> {
        const seen = [(await this.state()).focus];
        for (let i = 1; i < order.length; i++) {
            await this.driver.press("Tab");
            seen.push((await this.state()).focus);
        }
        if (seen.join() !== order.join()) {
            throw new StepFailure(`Tab went ${seen.join(", ")}`);
        }
    }

    // The help text's 29 lines, one em apart: lines 1, 12 and 21 empty, every
    // other line printed whole inside the area.
    async help(check: "printed" | "same as before"): Promise<void> {
        await sleep(100);
        const print = await this.driver.read<{ lines: boolean[]; right: number; width: number; hash: string }>(`
            const canvas = document.querySelector("[data-window=help] canvas");
            const { width, height } = canvas;
            const pixels = canvas.getContext("2d").getImageData(0, 0, width, height).data;
            const pitch = ${helpArea.fontPixels} * width / ${helpArea.rect.width - 4};
            const lines = [];
            let right = -1;
            let hash = 0;
            for (let y = 0; y < height; y++) {
                const line = Math.floor(y / pitch);
                for (let x = 0; x < width; x++) {
                    const i = 4 * (y * width + x);
                    hash = (hash * 31 + pixels[i] + pixels[i + 1] * 7 + pixels[i + 2] * 13) | 0;
                    if (pixels[i] < 128 && pixels[i + 1] < 128 && pixels[i + 2] < 128) {
                        lines[line] = true;
                        right = Math.max(right, x);
                    }
                }
            }
            return { lines: Array.from({ length: Math.ceil(height / pitch) }, (_, i) => !!lines[i]), right, width, hash: String(hash) };`);
        if (check === "same as before") {
            if (print.hash !== this.helpPrint) {
                throw new StepFailure("the help text printed differently on its second showing");
            }
            return;
        }
        this.helpPrint = print.hash;
        // What a screen reader reads in the help window: the printed lines, in order.
        const spoken = await this.driver.read<string[]>(`
            return [...document.querySelectorAll("[data-window=help] #helpText p")].map((p) => p.textContent);`);
        const lines = (form.helpText as string[]).map((line) => line.trim()).filter((line) => line !== "");
        if (spoken.join("\n") !== lines.join("\n")) {
            throw new StepFailure(`a screen reader reads the help text as ${JSON.stringify(spoken)}`);
        }
        const printed = print.lines.map((line, i) => (line ? i + 1 : 0)).filter((n) => n > 0);
        const expected = Array.from({ length: 29 }, (_, i) => i + 1).filter((n) => ![1, 12, 21].includes(n));
        if (printed.join() !== expected.join()) {
            throw new StepFailure(`help lines printed: ${printed.join(" ")}`);
        }
        if (print.right >= print.width - 2) {
            throw new StepFailure(`the help text reaches the area's right edge (${print.right} of ${print.width})`);
        }
    }

    // The texts are left out in both editions: each prints them with its own platform.
    // WebKit under Xvfb has once been seen to hand back a blank canvas right
    // after a browser restart; a fixture that differs is drawn and read once
    // more, and a fault in the drawing differs both times.
    async desktopPixels(scale: number): Promise<void> {
        for (const [index, tallies] of pixelFixtures.entries()) {
            try {
                await this.comparePixels(index, tallies, scale);
            } catch (error) {
                console.log(`  again after: ${(error as Error).message}`);
                await this.comparePixels(index, tallies, scale);
            }
        }
    }

    private async comparePixels(index: number, tallies: number[], scale: number): Promise<void> {
        const desktop = desktopPixels(tallies, scale);
        const page = await this.driver.read<{ width: number; classes: string }>(`
            CanvasRenderingContext2D.prototype.fillText = function () {};
            window.pernamDrawTallies(${JSON.stringify(tallies)});
            const canvas = document.querySelector("[data-window=main] canvas");
            const pixels = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
            const pixelClass = ${pixelClass.toString()};
            let classes = "";
            for (let i = 0; i < pixels.length; i += 4) {
                classes += pixelClass(pixels[i], pixels[i + 1], pixels[i + 2]);
            }
            return { width: canvas.width, classes };`);
        if (page.width !== desktop.width || page.classes.length !== desktop.classes.length) {
            throw new StepFailure(`fixture ${index + 1}: the page's graph is ${page.width} wide, the desktop's ${desktop.width}`);
        }
        let differ = 0;
        let first = -1;
        for (let i = 0; i < page.classes.length; i++) {
            if (page.classes[i] !== desktop.classes[i]) {
                differ++;
                first = first < 0 ? i : first;
            }
        }
        if (differ > 0) {
            const at = `(${first % page.width}, ${Math.floor(first / page.width)})`;
            const inked = (classes: string) => classes.replace(/\./g, "").length;
            throw new StepFailure(
                `fixture ${index + 1}: ${differ} pixels differ from the desktop's, the first at ${at}` +
                    ` (${inked(page.classes)} inked on the page, ${inked(desktop.classes)} on the desktop)`,
            );
        }
    }

    async step(step: Step, scenario: Scenario): Promise<void> {
        if ("press" in step) await this.driver.press(step.press);
        else if ("type" in step) await this.driver.type(step.type);
        else if ("click" in step) await this.click(step.click, false);
        else if ("clickAtOnce" in step) await this.click(step.clickAtOnce, true);
        else if ("clickInTurn" in step) {
            const points = await Promise.all(step.clickInTurn.map((name) => this.centreOf(`#${name}`)));
            await this.driver.clickInTurn(points);
        }
        else if ("expect" in step) await this.expect(step.expect);
        else if ("run" in step) await this.run(step.run);
        else if ("tabOrder" in step) await this.tabOrder(step.tabOrder);
        else if ("help" in step) await this.help(step.help);
        else if ("desktopPixels" in step) await this.desktopPixels(scenario.view?.scale ?? 1);
        else if ("screenshot" in step) {
            await this.driver.read("return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))");
            const scale = scenario.view?.scale ?? 1;
            await this.driver.screenshot(join(screens, `${this.driver.name}-${step.screenshot}-x${scale}.png`));
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

async function runIn(driver: Driver): Promise<number> {
    let failures = 0;
    for (const scenario of chosen) {
        const view = { ...defaultView, ...scenario.view };
        if (!driver.supports(view.scale)) {
            console.log(`- ${driver.name}: ${scenario.name} (skipped: no ratio of ${view.scale} here)`);
            continue;
        }
        const started = Date.now();
        try {
            await driver.open(pageUrl, view);
            await driver.read(fixClock(fixedMoment));
            await driver.read(watchPage);
            const run = new ScenarioRun(driver);
            // The first box comes once the window is on screen.
            await run.expect({ box: "customers" });
            for (const [index, step] of scenario.steps.entries()) {
                try {
                    await run.step(step, scenario);
                } catch (error) {
                    throw new StepFailure(`step ${index + 1} ${JSON.stringify(step)}: ${(error as Error).message}`);
                }
            }
            console.log(`ok ${driver.name}: ${scenario.name} (${Date.now() - started} ms)`);
        } catch (error) {
            failures++;
            console.log(`FAILED ${driver.name}: ${scenario.name}\n    ${(error as Error).message}`);
        }
    }
    return failures;
}

let failures = 0;
for (const name of browsers.length > 0 ? browsers : ["chromium"]) {
    const driver = name === "webkit" ? await WebKitDriver.launch(process.env["DISPLAY"] ?? ":99") : await ChromiumDriver.launch();
    try {
        failures += await runIn(driver);
    } finally {
        await driver.close();
    }
}
console.log(failures === 0 ? "all scenarios passed" : `${failures} scenario(s) failed`);
process.exit(failures === 0 ? 0 : 1);
