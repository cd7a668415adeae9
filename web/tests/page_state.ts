// What a user can see of the page, read from its DOM and canvas in one go, and
// the few browser functions a test wraps to watch what the page does.

export interface PageState {
    window: string | null; // the designer's name of the window on the page
    at: [number, number]; // the window's top-left in the viewport
    title: string;
    heading: string | null; // the window's level-one heading: the label's id, or its text
    box: [kind: string, title: string, prompt: string] | null;
    field: string | null; // an input box's field, when wholly selected
    customers?: string;
    trials?: string;
    mean?: string;
    enabled: Record<string, boolean>;
    focus: string;
    focusFrame: boolean; // the focused picture shows the keyboard's frame
    reachable: boolean; // every control of the window can be scrolled to
    ended: boolean;
    graphBlank: boolean | null; // no pixel drawn, no row for a screen reader
    chimes: number[]; // durations of the chimes started, in seconds
}

// Read in the page before any reader: a window's canvas as pixels; and each
// pixel as the picture's ink (k: its black, or under a contrast theme the
// theme's CanvasText), its bars' colour (b: light blue, or LinkText), a third
// of the way or more from the background towards the ink (d, as antialiased
// text is), or anything else (.), as page_reference reads them. The
// background is the canvas's first pixel, which nothing draws on.
export const canvasPixels = `
    const canvasOf = (name) => {
        const canvas = document.querySelector("[data-window=" + name + "] canvas");
        const { width, height } = canvas;
        return { width, height, pixels: canvas.getContext("2d").getImageData(0, 0, width, height).data };
    };
    const rgbOf = (css) => {
        const probe = document.createElement("i");
        probe.style.color = css;
        document.body.append(probe);
        const rgb = getComputedStyle(probe).color.match(/[\\d.]+/g).slice(0, 3).map(Number);
        probe.remove();
        return rgb;
    };
    const paletteOf = (name) => {
        const { pixels } = canvasOf(name);
        const forced = matchMedia("(forced-colors: active)").matches;
        return {
            ink: forced ? rgbOf("CanvasText") : [0, 0, 0],
            bars: forced ? rgbOf("LinkText") : [0, 0, 255],
            background: [pixels[0], pixels[1], pixels[2]],
        };
    };
    const classesOf = (name) => {
        const { width, pixels } = canvasOf(name);
        const { ink, bars, background } = paletteOf(name);
        const distance = (i, [r, g, b]) => Math.abs(pixels[i] - r) + Math.abs(pixels[i + 1] - g) + Math.abs(pixels[i + 2] - b);
        const inkFromBackground = ink.reduce((sum, c, i) => sum + Math.abs(c - background[i]), 0);
        let classes = "";
        for (let i = 0; i < pixels.length; i += 4) {
            classes += distance(i, ink) === 0 ? "k" : distance(i, bars) === 0 ? "b" : 3 * distance(i, background) >= inkFromBackground ? "d" : ".";
        }
        return width + "\\n" + classes;
    };
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
    const heading = win ? win.querySelector("h1") : null;
    const rect = win ? win.getBoundingClientRect() : { left: 0, top: 0 };
    const active = document.activeElement;
    const label = (id) => document.querySelector(".window .label#" + id)?.textContent;
    const selected = field && field.selectionStart === 0 && field.selectionEnd === field.value.length;
    return {
        window: win ? win.dataset.window : null,
        at: [rect.left, rect.top],
        title: document.title,
        heading: heading ? heading.id || heading.textContent : null,
        box: box ? [box.classList.contains("input-box") ? "input" : "yes-no",
                    box.querySelector(".title").textContent, box.querySelector(".prompt").textContent] : null,
        field: field ? (selected ? field.value : "unselected " + field.value) : null,
        customers: label("customerCount"),
        trials: label("trialCount"),
        mean: label("meanShortage"),
        enabled,
        focus: active && active !== document.body ? (active.id || active.dataset.answer || active.tagName) : "",
        focusFrame: !!active && getComputedStyle(active, "::after").content !== "none",
        reachable: [...document.querySelectorAll(".window > *")].every((e) => {
            const r = e.getBoundingClientRect();
            const page = document.documentElement;
            return r.left + scrollX >= 0 && r.top + scrollY >= 0 && r.right + scrollX <= page.scrollWidth && r.bottom + scrollY <= page.scrollHeight;
        }),
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
