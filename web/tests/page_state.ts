// What a user can see of the page, read from its DOM and canvas in one go, and
// the few browser functions a test wraps to watch what the page does.

export interface BoxState {
    kind: "input" | "yes-no";
    title: string;
    prompt: string;
    field: string | null;
    selected: boolean; // the whole field selected
}

export interface PageState {
    window: string | null; // the designer's name of the window on the page
    left: number;
    top: number;
    title: string;
    box: BoxState | null;
    labels: Record<string, string>;
    enabled: Record<string, boolean>;
    focus: string;
    cursor: string;
    ended: boolean;
    graphBlank: boolean | null; // no pixel drawn, no row for a screen reader
    chimes: number[]; // durations of the chimes started, in seconds
}

// Function bodies run in the page.
export const readState = `
    const box = document.querySelector("dialog[open]");
    const field = box ? box.querySelector("input") : null;
    const win = document.querySelector(".window");
    const labels = {};
    const enabled = {};
    for (const element of document.querySelectorAll(".window .label")) {
        labels[element.id] = element.textContent;
    }
    for (const element of document.querySelectorAll(".window button")) {
        enabled[element.id] = !element.disabled;
    }
    let graphBlank = null;
    const canvas = document.querySelector("[data-window=main] canvas");
    if (canvas) {
        const pixels = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        graphBlank = true;
        for (let i = 4; i < pixels.length; i += 4) {
            if (pixels[i] !== pixels[0] || pixels[i + 1] !== pixels[1] || pixels[i + 2] !== pixels[2]) {
                graphBlank = false;
                break;
            }
        }
        // Blank for a screen reader too: no row left of the graph before.
        if (document.querySelector("#graph + ul li")) {
            graphBlank = false;
        }
    }
    const rect = win ? win.getBoundingClientRect() : { left: 0, top: 0 };
    const active = document.activeElement;
    return {
        window: win ? win.dataset.window : null,
        left: rect.left,
        top: rect.top,
        title: document.title,
        box: box ? {
            kind: box.classList.contains("input-box") ? "input" : "yes-no",
            title: box.querySelector(".title").textContent,
            prompt: box.querySelector(".prompt").textContent,
            field: field ? field.value : null,
            selected: field ? field.selectionStart === 0 && field.selectionEnd === field.value.length : false,
        } : null,
        labels,
        enabled,
        focus: active && active !== document.body ? (active.id || active.dataset.answer || active.tagName) : "",
        cursor: win ? getComputedStyle(win).cursor : "",
        ended: document.body.children.length === 0,
        graphBlank,
        chimes: window.pernamChimes || [],
    };
`;

// Records every chime started and every change of a button's state or the
// pointer, as they happen.
export const watchPage = `
    if (!window.pernamChimes) {
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
    window.pernamChanges = () => {
        records.push(...window.pernamObserver.takeRecords());
        const changes = [];
        records.forEach((record, i) => {
            const target = record.target;
            if (record.attributeName === "disabled") {
                changes.push(target.id + (record.oldValue === null ? " disabled" : " enabled"));
            } else if (target.classList.contains("window")) {
                const later = records.slice(i + 1).find((r) => r.target === target && r.attributeName === "style");
                const style = document.createElement("div").style;
                style.cssText = later ? later.oldValue || "" : target.style.cssText;
                const before = document.createElement("div").style;
                before.cssText = record.oldValue || "";
                if (style.cursor !== before.cursor) {
                    changes.push("pointer " + (style.cursor || "none"));
                }
            }
        });
        return changes;
    };
    return true;
`;

// Every trial of a run reads the clock once; a fixed clock makes a fresh page's
// runs repeat exactly.
export function fixClock(millisecondsSinceEpoch: number): string {
    return `
        const Real = Date;
        window.Date = class extends Real {
            constructor(...args) { if (args.length) { super(...args); } else { super(${millisecondsSinceEpoch}); } }
            static now() { return ${millisecondsSinceEpoch}; }
        };
        return true;
    `;
}

// The counts of the 120 bars as the graph shows them, read back from the
// canvas: each bar's top in device pixels turned back into a count of trials.
export const readBars = `
    const canvas = document.querySelector("[data-window=main] canvas");
    const { width, height } = canvas;
    const pixels = canvas.getContext("2d").getImageData(0, 0, width, height).data;
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
        if (!blue(x, baseline)) {
            counts.push(-1);
            continue;
        }
        let count = 0;
        while (row(280 - count) > top) {
            count++;
        }
        counts.push(row(280 - count) === top ? count : -1);
    }
    return counts;
`;

// The centres of the numbers under the horizontal axis, in graph units, read
// from the canvas: dark columns below the ticks, grouped where they are less
// than two units apart.
export const readLabelRow = `
    const canvas = document.querySelector("[data-window=main] canvas");
    const { width, height } = canvas;
    const pixels = canvas.getContext("2d").getImageData(0, 0, width, height).data;
    const perUnit = width / 130;
    const below = Math.round(286 * height / 300) + Math.max(1, Math.round(devicePixelRatio));
    const dark = [];
    for (let x = 0; x < width; x++) {
        dark[x] = false;
        for (let y = below; y < height; y++) {
            const i = 4 * (y * width + x);
            if (pixels[i] < 128 && pixels[i + 1] < 128 && pixels[i + 2] < 128) { dark[x] = true; break; }
        }
    }
    const centres = [];
    let start = -1;
    let last = -1e9;
    for (let x = 0; x <= width; x++) {
        if (x < width && dark[x]) {
            if (x - last > 2 * perUnit) {
                if (start >= 0) { centres.push((start + last) / 2 / perUnit); }
                start = x;
            }
            last = x;
        }
    }
    if (start >= 0) { centres.push((start + last) / 2 / perUnit); }
    return centres;
`;
