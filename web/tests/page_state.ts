// What a user can see of the page, read from its DOM and canvas in one go, and
// the few browser functions a test wraps to watch what the page does.

export interface PageState {
    window: string | null; // the designer's name of the window on the page
    at: [number, number]; // the window's top-left in the viewport
    title: string;
    box: [kind: string, title: string, prompt: string] | null;
    field: string | null; // an input box's field, when wholly selected
    customers?: string;
    trials?: string;
    mean?: string;
    enabled: Record<string, boolean>;
    focus: string;
    ended: boolean;
    graphBlank: boolean | null; // no pixel drawn, no row for a screen reader
    chimes: number[]; // durations of the chimes started, in seconds
}

// Read in the page before any reader: a window's canvas as pixels.
export const canvasPixels = `
    const canvasOf = (name) => {
        const canvas = document.querySelector("[data-window=" + name + "] canvas");
        const { width, height } = canvas;
        return { width, height, pixels: canvas.getContext("2d").getImageData(0, 0, width, height).data };
    };
    const dark = (pixels, i) => pixels[i] < 128 && pixels[i + 1] < 128 && pixels[i + 2] < 128;
`;

// Function bodies run in the page.
export const readState = `
    const box = document.querySelector("dialog[open]");
    const field = box ? box.querySelector("input") : null;
    const win = document.querySelector(".window");
    const enabled = {};
    for (const element of document.querySelectorAll(".window button")) {
        enabled[element.id] = !element.disabled;
    }
    let graphBlank = null;
    if (document.querySelector("[data-window=main] canvas")) {
        const { pixels } = canvasOf("main");
        // Blank for a screen reader too: no row left of the graph before.
        graphBlank = !document.querySelector("#graph + ul li");
        for (let i = 4; graphBlank && i < pixels.length; i += 4) {
            graphBlank = pixels[i] === pixels[0] && pixels[i + 1] === pixels[1] && pixels[i + 2] === pixels[2];
        }
    }
    const rect = win ? win.getBoundingClientRect() : { left: 0, top: 0 };
    const active = document.activeElement;
    const label = (id) => document.querySelector(".window .label#" + id)?.textContent;
    const selected = field && field.selectionStart === 0 && field.selectionEnd === field.value.length;
    return {
        window: win ? win.dataset.window : null,
        at: [rect.left, rect.top],
        title: document.title,
        box: box ? [box.classList.contains("input-box") ? "input" : "yes-no",
                    box.querySelector(".title").textContent, box.querySelector(".prompt").textContent] : null,
        field: field ? (selected ? field.value : "unselected " + field.value) : null,
        customers: label("customerCount"),
        trials: label("trialCount"),
        mean: label("meanShortage"),
        enabled,
        focus: active && active !== document.body ? (active.id || active.dataset.answer || active.tagName) : "",
        ended: document.body.children.length === 0,
        graphBlank,
        chimes: window.pernamChimes || [],
    };
`;

// The trial clock, which every trial reads once: a fixed moment, so that a
// fresh page repeats its runs.
const fixedMoment = Date.UTC(2026, 0, 15, 1, 30, 15, 250);

// Fixes the clock and records every chime started; and from each call on,
// every change of a button's state or the pointer, as they happen.
export const watchPage = `
    if (!window.pernamChimes) {
        const Real = Date;
        window.Date = class extends Real {
            constructor(...args) { if (args.length) { super(...args); } else { super(${fixedMoment}); } }
            static now() { return ${fixedMoment}; }
        };
        window.pernamChimes = [];
        const start = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function (...args) {
            window.pernamChimes.push(Math.round(this.buffer.duration * 1000) / 1000);
            return start.apply(this, args);
        };
    }
    // Each record tells the value before its change; the value after is the
    // next record's value before, or the value now.
    window.pernamObserver?.disconnect();
    const records = [];
    window.pernamObserver = new MutationObserver((batch) => records.push(...batch));
    window.pernamObserver.observe(document.body, {
        attributes: true, subtree: true, attributeOldValue: true, attributeFilter: ["disabled", "style"],
    });
    const cursor = (css) => /cursor:\s*([^;]+)/.exec(css || "")?.[1].trim() || "";
    window.pernamChanges = () => {
        records.push(...window.pernamObserver.takeRecords());
        const styles = records.filter((r) => r.attributeName === "style" && r.target.classList.contains("window"));
        const cursors = [...styles.map((r) => cursor(r.oldValue)), styles.at(-1)?.target.style.cursor];
        return records.flatMap((record) => {
            const i = styles.indexOf(record);
            if (record.attributeName === "disabled") {
                return [record.target.id + (record.oldValue === null ? " disabled" : " enabled")];
            }
            return i >= 0 && cursors[i + 1] !== cursors[i] ? ["pointer " + (cursors[i + 1] || "none")] : [];
        });
    };
    return true;
`;

// The counts of the 120 bars as the graph shows them, read back from the
// canvas: each bar's top in device pixels turned back into a count of trials.
export const readBars = `
    const { width, height, pixels } = canvasOf("main");
    const blue = (x, y) => {
        const i = 4 * (y * width + x);
        return pixels[i] === 0 && pixels[i + 1] === 0 && pixels[i + 2] === 255;
    };
    const row = (units) => Math.round(units * height / 300);
    const baseline = row(280);
    const counts = [];
    for (let bin = 1; bin <= 120; bin++) {
        const x = Math.round((bin + 4.5) * width / 130);
        let top = baseline;
        while (top > 0 && blue(x, top - 1)) {
            top--;
        }
        let count = 0;
        while (row(280 - count) > top) {
            count++;
        }
        counts.push(blue(x, baseline) && row(280 - count) === top ? count : -1);
    }
    return counts;
`;

// The centres of the numbers under the horizontal axis, in graph units, read
// from the canvas: dark columns below the ticks, grouped where they are less
// than two units apart.
export const readLabelRow = `
    const { width, height, pixels } = canvasOf("main");
    const perUnit = width / 130;
    const below = Math.round(286 * height / 300) + Math.max(1, Math.round(devicePixelRatio));
    const groups = [];
    for (let x = 0; x < width; x++) {
        let inked = false;
        for (let y = below; y < height && !inked; y++) {
            inked = dark(pixels, 4 * (y * width + x));
        }
        if (inked && groups.length > 0 && x - groups.at(-1)[1] <= 2 * perUnit) {
            groups.at(-1)[1] = x;
        } else if (inked) {
            groups.push([x, x]);
        }
    }
    return groups.map(([first, last]) => (first + last) / 2 / perUnit);
`;
