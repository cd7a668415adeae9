// Times the page in headless Chromium, from file://:
//   node page_click.js <build folder> [repetitions] [--throttle=N] [--no-wasm]
// - from navigation to the first input box on screen, fresh page each time,
//   and the longest task in the two seconds the box then waits for typing;
// - the largest run's click, from the click event to its last pixel in the
//   canvas and to the next frame, the first click of a fresh page ("cold",
//   the module not yet optimised) and later clicks on the same page ("warm");
//   and from the moment the page starts handling the click, as the desktop's
//   benchmark times its click, without the browser's own input delivery.
// Prints the medians in milliseconds.
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

import { Driver } from "../tests/drivers.js";

const build = resolve(process.argv[2] ?? "build/web");
const repetitions = Number(process.argv[3] ?? 9);
// --throttle=N: Chromium's CPU N times slower, as a low-end Chromebook's;
// --no-wasm: WebAssembly removed before the page's scripts, as Lockdown Mode has it.
const options = process.argv.slice(4);
const throttle = Number(options.find((o) => o.startsWith("--throttle="))?.slice(11) ?? 1);
const withoutWasm = options.includes("--no-wasm");
const url = pathToFileURL(join(build, "pernam3.html")).href;

const median = (values: number[]) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)]!;
};

// Installed before the page's own script: when the first box opens, and when
// a click on the start button ends in a disabled button (the run's last step,
// after the drawing) and then in a frame.
// Long tasks (50 ms or more) are kept too: those that start while the first
// box waits for typing block a student's first keys.
const watch = `${withoutWasm ? "delete globalThis.WebAssembly;" : ""}
    window.pernamBench = { boxAt: 0, clicks: [], tasks: [] };
    new PerformanceObserver((list) => window.pernamBench.tasks.push(
        ...list.getEntries().map((task) => ({ start: task.startTime, duration: task.duration })))
    ).observe({ type: "longtask", buffered: true });
    new MutationObserver(() => {
        if (!window.pernamBench.boxAt && document.querySelector("dialog[open]")) {
            window.pernamBench.boxAt = performance.now();
        }
    }).observe(document, { subtree: true, childList: true, attributes: true });
    document.addEventListener("click", (event) => {
        const button = event.target.closest && event.target.closest("#startButton");
        if (!button) { return; }
        const click = { at: event.timeStamp, handled: performance.now(), drawn: 0, shown: 0 };
        window.pernamBench.clicks.push(click);
        const observer = new MutationObserver(() => {
            if (button.disabled && !click.drawn) {
                click.drawn = performance.now();
                observer.disconnect();
                requestAnimationFrame(() => setTimeout(() => { click.shown = performance.now(); }, 0));
            }
        });
        observer.observe(button, { attributes: true });
    }, true);
`;

const driver = new Driver("chromium");
const until = async (body: string) => {
    while (!(await driver.read<boolean>(body))) {
        await new Promise((resolve) => setTimeout(resolve, 2));
    }
};
const toFirstBox: number[] = [];
const longestWhileWaiting: number[] = [];
type Times = { drawn: number; shown: number; handled: number };
const cold: Times[] = [];
const warm: Times[] = [];
try {
    for (let repetition = 0; repetition < repetitions; repetition++) {
        // The same browser each time, as a fresh page of it.
        if (repetition === 0) {
            await driver.open(url, { width: 1024, height: 768, scale: 1 }, watch);
            await driver.devTools("Emulation.setCPUThrottlingRate", { rate: throttle });
        }
        await driver.go(url);
        await until(`return !!document.querySelector("dialog[open]")`);
        toFirstBox.push(await driver.read<number>("return window.pernamBench.boxAt"));
        // Two seconds of a box waiting for its answer.
        await new Promise((resolve) => setTimeout(resolve, 2000));
        longestWhileWaiting.push(
            await driver.read<number>(`const bench = window.pernamBench;
                return Math.max(0, ...bench.tasks.filter((t) => t.start + t.duration > bench.boxAt).map((t) => t.duration));`),
        );
        const enter = async () => {
            for (const answer of ["1000", "1000"]) {
                await until(`return !!document.querySelector("dialog[open] input")`);
                await driver.type(answer);
                await driver.press("Enter");
            }
            await until(`return !document.querySelector("dialog[open]")`);
        };
        await enter();
        for (let click = 0; click < 4; click++) {
            if (click > 0) {
                await driver.click("#initializeButton");
                await enter();
            }
            await driver.click("#startButton");
            await until(`const clicks = window.pernamBench.clicks;
                return clicks.length === ${click + 1} && clicks[${click}].shown > 0;`);
            const times = await driver.read<Times>(`
                const c = window.pernamBench.clicks[${click}];
                return { drawn: c.drawn - c.at, shown: c.shown - c.at, handled: c.drawn - c.handled };`);
            (click === 0 ? cold : warm).push(times);
        }
    }
} finally {
    await driver.close();
}
const show = (what: string, values: number[]) => console.log(`${what.padEnd(44)} ${median(values).toFixed(2)} ms`);
console.log(`${driver.version}, ${repetitions} fresh pages, medians` +
    `${throttle !== 1 ? `, CPU ${throttle} times slower` : ""}${withoutWasm ? ", without WebAssembly" : ""}`);
show("file:// to the first input box", toFirstBox);
show("longest task while the first box waits", longestWhileWaiting);
show("1000 x 1000 click to last pixel, cold", cold.map((t) => t.drawn));
show("1000 x 1000 click to next frame, cold", cold.map((t) => t.shown));
show("1000 x 1000 click to last pixel, warm", warm.map((t) => t.drawn));
show("1000 x 1000 click to next frame, warm", warm.map((t) => t.shown));
show("1000 x 1000 handling to last pixel, cold", cold.map((t) => t.handled));
show("1000 x 1000 handling to last pixel, warm", warm.map((t) => t.handled));
