// One table of what a user does and sees, run in every browser. Texts come
// from the same generated tables the page is built from; what a box, a label
// or the graph shows is read back from the page.
import { Key, View } from "./drivers.js";

export type BoxName = "customers" | "trials" | "confirm" | "quit";

export interface Expect {
    window?: "main" | "help" | null;
    at?: [number, number]; // the window's top-left in the viewport
    box?: BoxName | null;
    field?: string; // an input box's field, wholly selected
    customers?: string;
    trials?: string;
    mean?: string;
    enabled?: string[];
    disabled?: string[];
    focus?: string;
    focusFrame?: boolean;
    reachable?: boolean; // every control of the window within the page's scrolling
    ended?: boolean;
    graphBlank?: boolean;
    chimes?: ("door" | "closing")[]; // every chime since the page opened
    titled?: boolean; // the page's title is the window's caption
    heading?: string; // the label heading the window, or "caption"
}

export type Step =
    | { press: Key }
    | { type: string }
    | { click: string } // a control's name, or a box's answer: ok, cancel, yes, no, close
    | { clickAtOnce: string } // a box's button the moment the box is up
    | { clickInTurn: string[] } // controls clicked one after the other, not waiting for the page
    | { expect: Expect }
    | { run: { customers: number; trials: number; chiSquare?: boolean; textsLeftOut?: boolean } }
    | { help: "printed" | "same as before" }
    | { check: string } // axe-core finds nothing, and the markup is kept for the Nu checker
    | { unclipped: true } // no part of the open box clips its text
    | { contrast: "main" | "help" } // the window's picture reads against its background
    | { graph: { customers: number; trials: number } } // the graph as it is now, held against the shared drawing
    | { imeEnter: true } // the Enter that confirms an input method's conversion, as Safari sends it
    | { tap: string } // a finger's tap on an element
    | { targets: number } // the open box's buttons and close box at least this many pixels square
    | { viewport: [number, number] } // the viewport changes to this size
    | { pixelRatio: number } // the device's pixel ratio changes: a zoom, another screen
    | { installable: true } // served, the page can be installed and its service worker holds it
    | { offline: true } // the web server stops
    | { reload: true } // the page is opened again at the same address
    | { screenshot: string };

export interface Scenario {
    name: string;
    view?: Partial<View>;
    contrastTheme?: "dark" | "light"; // forced colours, as a contrast theme sets them
    touch?: boolean; // a touch screen: a coarse pointer and a finger's taps
    withoutWebAssembly?: boolean; // WebAssembly removed before the page's scripts
    served?: boolean; // from a web server on the loopback address, not from file://
    chromiumOnly?: boolean; // it needs what only Chromium can be told
    steps: Step[];
}

const enterCounts = (customers: string, trials: string): Step[] => [
    { type: customers },
    { press: "Enter" },
    { expect: { box: "trials", customers } },
    { type: trials },
    { press: "Enter" },
    { expect: { box: null, customers, trials, focus: "startButton" } },
];

// Focus on each control in turn, Tab pressed between.
const tabOrder = (order: string[]): Step[] =>
    order.flatMap((focus, i) => [...(i > 0 ? [{ press: "Tab" } as const] : []), { expect: { focus } }]);

// Answers as typed into each box: accepted with the count stored, or refused
// without a word, the same box coming back.
const answers: ["customer" | "trial", string, string | null][] = [
    ["customer", "10", "10"],
    ["customer", "1000", "1000"],
    ["customer", "10.9", "10"],
    ["customer", "１２abc", "12"],
    ["customer", "1 000", "1000"],
    ["customer", "＋２０", "20"],
    ["customer", "9", null],
    ["customer", "1001", null],
    ["customer", "9.99", null],
    ["customer", "0", null],
    ["customer", "-20", null],
    ["customer", "abc", null],
    ["customer", "   ", null],
    ["customer", "1e400", null],
    ["trial", "1", "1"],
    ["trial", "1000", "1000"],
    ["trial", "1.5", "1"],
    ["trial", "0", null],
    ["trial", "0.5", null],
    ["trial", "1000.5", null],
];

const freshWindow: Expect = {
    window: "main",
    customers: "",
    trials: "",
    mean: "",
    enabled: ["startButton", "quitButton", "initializeButton", "helpButton"],
    graphBlank: true,
};

export const scenarios: Scenario[] = [
    {
        name: "start-up shows the main window in place and asks for the customers",
        steps: [
            { expect: { ...freshWindow, at: [232, 99], titled: true, heading: "title", box: "customers", field: "100" } },
            { check: "first box" },
            { screenshot: "start-up" },
        ],
    },
    {
        name: "Enter in both boxes keeps the defaults",
        steps: [
            { press: "Enter" },
            { expect: { box: "trials", field: "100", customers: "100", trials: "" } },
            { press: "Enter" },
            { expect: { box: null, customers: "100", trials: "100", focus: "startButton", chimes: [] } },
        ],
    },
    ...answers.map(([box, answer, stored]): Scenario => ({
        name: `the ${box} box ${stored ? `takes "${answer}" as ${stored}` : `refuses "${answer}"`}`,
        steps: [
            ...(box === "trial" ? [{ press: "Enter" } as const] : []),
            { type: answer },
            { press: "Enter" },
            // Taken, the next box comes (none after the trials); refused, the same box with its default.
            {
                expect: stored
                    ? { [`${box}s`]: stored, box: box === "customer" ? "trials" : null }
                    : { [`${box}s`]: "", box: `${box}s`, field: "100" },
            },
        ],
    })),
    {
        name: "Cancel at the customer box, then No, asks for the customers again",
        steps: [
            { click: "cancel" },
            { expect: { box: "confirm" } },
            { press: "Escape" },
            { expect: { box: "confirm" } },
            { click: "close" },
            { expect: { box: "confirm" } },
            { click: "no" },
            { expect: { box: "customers", field: "100", customers: "" } },
        ],
    },
    {
        name: "an empty answer at the trial box, then No, asks for the trials again",
        steps: [
            { press: "Enter" },
            { press: "Backspace" },
            { press: "Enter" },
            { expect: { box: "confirm", customers: "100" } },
            { press: "n" },
            { expect: { box: "trials", field: "100", customers: "100" } },
        ],
    },
    {
        name: "Escape at the customer box, then Yes, ends the program at once",
        steps: [{ press: "Escape" }, { expect: { box: "confirm" } }, { press: "Enter" }, { expect: { ended: true } }],
    },
    {
        name: "the close box of the trial box, then Yes, ends the program",
        steps: [
            { press: "Enter" },
            { click: "close" },
            { expect: { box: "confirm" } },
            { click: "yes" },
            { expect: { ended: true } },
        ],
    },
    {
        name: "a click on OK the moment the box is up is the end of a double-click and goes nowhere",
        steps: [
            { clickAtOnce: "ok" },
            { expect: { box: "customers" } },
            { click: "ok" },
            { expect: { box: "trials" } },
        ],
    },
    {
        name: "a run of 35 x 1000 draws the exact law and sets the buttons",
        steps: [
            ...enterCounts("35", "1000"),
            { run: { customers: 35, trials: 1000, chiSquare: true } },
            // Started with the mouse, the run leaves the focus on the graph without the keyboard's frame.
            { expect: { disabled: ["startButton"], enabled: ["quitButton", "initializeButton", "helpButton"], graphBlank: false, focus: "graph", focusFrame: false } },
            { check: "after a run" },
            { screenshot: "run-35x1000" },
            { click: "startButton" },
            { expect: { disabled: ["startButton"], box: null } },
        ],
    },
    {
        name: "a run of 10 x 1000 draws the exact law",
        steps: [...enterCounts("10", "1000"), { run: { customers: 10, trials: 1000, chiSquare: true } }],
    },
    {
        name: "the largest run, 1000 x 1000, stays within its bounds",
        steps: [...enterCounts("1000", "1000"), { run: { customers: 1000, trials: 1000 } }],
    },
    ...[1.5, 2, 3].map(
        (scale): Scenario => ({
            name: `at ${scale} device pixels per pixel the graph is drawn at the device's size`,
            view: { scale },
            steps: [
                ...enterCounts("35", "1000"),
                { run: { customers: 35, trials: 1000, chiSquare: true } },
                { screenshot: "run-35x1000" },
            ],
        }),
    ),
    ...[1, 1.5, 2, 3].map(
        (scale): Scenario => ({
            name: `a run's graph lights exactly the shared rule's pixels at ${scale} device pixel(s) per pixel`,
            view: { scale },
            steps: [...enterCounts("100", "1000"), { run: { customers: 100, trials: 1000, textsLeftOut: true } }],
        }),
    ),
    {
        // Quit is disabled while the run lasts; its click waits for the run's end.
        name: "quit clicked during the largest run is handled after it",
        steps: [
            ...enterCounts("1000", "1000"),
            { clickInTurn: ["startButton", "quitButton"] },
            { expect: { box: "quit", chimes: ["closing"], disabled: ["startButton"] } },
            { press: "n" },
            { expect: { box: null, enabled: ["quitButton", "initializeButton"] } },
        ],
    },
    {
        name: "quit answered No leaves everything as it was",
        steps: [
            ...enterCounts("35", "100"),
            { run: { customers: 35, trials: 100 } },
            { click: "quitButton" },
            { expect: { box: "quit", chimes: ["closing"] } },
            { check: "quit box" },
            { press: "Escape" },
            { expect: { box: "quit" } },
            { click: "close" },
            { expect: { box: "quit" } },
            { click: "no" },
            { expect: { box: null, graphBlank: false, customers: "35", trials: "100", disabled: ["startButton"] } },
        ],
    },
    {
        name: "quit answered Yes ends the program",
        steps: [
            ...enterCounts("35", "100"),
            { click: "quitButton" },
            { expect: { box: "quit" } },
            { press: "y" },
            { expect: { ended: true, chimes: ["closing"] } },
        ],
    },
    {
        name: "initialize before a run empties the labels and asks again",
        steps: [
            ...enterCounts("35", "100"),
            { click: "initializeButton" },
            { expect: { ...freshWindow, box: "customers", field: "100", chimes: ["door"] } },
            ...enterCounts("12", "3"),
        ],
    },
    {
        name: "initialize after a run clears the graph and lets the start button run again",
        steps: [
            ...enterCounts("35", "100"),
            { run: { customers: 35, trials: 100 } },
            { click: "initializeButton" },
            { expect: { ...freshWindow, box: "customers" } },
            ...enterCounts("10", "1000"),
            { run: { customers: 10, trials: 1000 } },
        ],
    },
    {
        name: "initialize, then Cancel and Yes at the trial box, ends the program",
        steps: [
            ...enterCounts("35", "100"),
            { click: "initializeButton" },
            { press: "Enter" },
            { press: "Escape" },
            { expect: { box: "confirm" } },
            { click: "yes" },
            { expect: { ended: true } },
        ],
    },
    {
        name: "help after a run, and back, brings a fresh main window that asks for both counts",
        steps: [
            ...enterCounts("35", "100"),
            { run: { customers: 35, trials: 100 } },
            { click: "helpButton" },
            { expect: { window: "help", titled: true, heading: "caption", focus: "closeButton", chimes: ["door"] } },
            { help: "printed" },
            { check: "help window" },
            { screenshot: "help" },
            { click: "closeButton" },
            { expect: { ...freshWindow, titled: true, box: "customers", field: "100", chimes: ["door"] } },
            ...enterCounts("35", "100"),
            { click: "helpButton" },
            { help: "same as before" },
        ],
    },
    {
        name: "the keyboard goes round start, quit, initialize, the graph and help",
        steps: [...enterCounts("35", "100"), ...tabOrder(["startButton", "quitButton", "initializeButton", "graph", "helpButton"])],
    },
    {
        // Never on the page itself: the focus is always on a control of the
        // window or of the box.
        name: "from the keyboard alone: both counts, a run, help and back, the quit question",
        steps: [
            { expect: { box: "customers", focus: "input-box-field" } },
            { type: "35" },
            { press: "Enter" },
            { expect: { box: "trials", focus: "input-box-field" } },
            { press: "Enter" },
            { expect: { box: null, focus: "startButton" } },
            { press: "Space" },
            { expect: { graphBlank: false, disabled: ["startButton"], focus: "graph", focusFrame: true } },
            { press: "Tab" },
            { expect: { focus: "helpButton" } },
            { press: "Enter" },
            { expect: { window: "help", focus: "closeButton" } },
            { press: "Tab" },
            { expect: { focus: "helpText" } },
            { press: "Shift+Tab" },
            { expect: { focus: "closeButton" } },
            { press: "Space" },
            { expect: { window: "main", box: "customers", focus: "input-box-field" } },
            { press: "Escape" },
            { expect: { box: "confirm", focus: "yes" } },
            { press: "n" },
            { expect: { box: "customers", focus: "input-box-field" } },
            { press: "Enter" },
            { press: "Enter" },
            { expect: { box: null, focus: "startButton" } },
            { press: "Tab" },
            { expect: { focus: "quitButton" } },
            { press: "Enter" },
            { expect: { box: "quit", focus: "yes" } },
            { press: "n" },
            { expect: { box: null, focus: "quitButton" } },
        ],
    },
    ...(["dark", "light"] as const).map(
        (contrastTheme): Scenario => ({
            name: `under a ${contrastTheme} contrast theme the graph and the help text stay readable`,
            contrastTheme,
            steps: [
                ...enterCounts("35", "1000"),
                { run: { customers: 35, trials: 1000 } },
                { contrast: "main" },
                { screenshot: `contrast-${contrastTheme}-run` },
                { click: "helpButton" },
                { help: "printed" },
                { contrast: "help" },
                { screenshot: `contrast-${contrastTheme}-help` },
            ],
        }),
    ),
    {
        name: "with a minimum font size of 32 pixels every box shows its texts whole",
        view: { minimumFontSize: 32 },
        steps: [
            { unclipped: true },
            { press: "Escape" },
            { expect: { box: "confirm" } },
            { unclipped: true },
            { screenshot: "large-text-confirm" },
            { press: "n" },
            { press: "Enter" },
            { expect: { box: "trials" } },
            { unclipped: true },
            { screenshot: "large-text-box" },
        ],
    },
    // Where WebAssembly cannot run: the same program, translated to JavaScript.
    ...[
        { kind: "with WebAssembly removed before the page's scripts", scenario: { withoutWebAssembly: true } },
        { kind: "in V8 without its JIT", scenario: { view: { jitless: true }, chromiumOnly: true } },
    ].map(
        ({ kind, scenario }): Scenario => ({
            name: `${kind}: both counts, a run of 35 x 1000 by the exact law, help and back, quit`,
            ...scenario,
            steps: [
                ...enterCounts("35", "1000"),
                { run: { customers: 35, trials: 1000, chiSquare: true } },
                { click: "helpButton" },
                { help: "printed" },
                { click: "closeButton" },
                { expect: { window: "main", box: "customers" } },
                { press: "Escape" },
                { press: "Enter" },
                { expect: { ended: true } },
            ],
        }),
    ),
    {
        name: "served from a web server, the page can be installed, and after one visit it opens and runs with no server",
        served: true,
        steps: [
            { installable: true },
            { offline: true },
            { reload: true },
            { expect: { box: "customers", field: "100" } },
            ...enterCounts("35", "100"),
            { run: { customers: 35, trials: 100 } },
        ],
    },
    {
        name: "the Enter that confirms an input method's conversion does not answer the box",
        steps: [
            { type: "３５" },
            { imeEnter: true },
            { expect: { box: "customers", field: "unselected ３５" } },
            { press: "Enter" },
            { expect: { box: "trials", customers: "35" } },
        ],
    },
    {
        name: "on a touch screen the first tap leaves the default selected, and every box's button is a finger wide",
        touch: true,
        steps: [
            { tap: "dialog[open] input" },
            { expect: { box: "customers", field: "100" } },
            { targets: 44 },
            { type: "35" },
            { press: "Escape" },
            { expect: { box: "confirm" } },
            { targets: 44 },
            { screenshot: "touch-confirm" },
        ],
    },
    {
        name: "a viewport that narrows moves the window the least distance and back when room returns; too narrow, it scrolls",
        steps: [
            { expect: { at: [232, 99] } },
            ...enterCounts("35", "100"),
            { viewport: [683, 657] },
            { expect: { at: [128, 99], reachable: true } },
            { viewport: [768, 1024] },
            { expect: { at: [213, 99], reachable: true } },
            { viewport: [400, 700] },
            { expect: { at: [0, 99], reachable: true } },
            { viewport: [1024, 768] },
            { expect: { at: [232, 99] } },
        ],
    },
    {
        name: "when the pixel ratio changes after a run the graph is drawn again crisp at the new ratio",
        chromiumOnly: true,
        steps: [
            ...enterCounts("35", "1000"),
            { run: { customers: 35, trials: 1000 } },
            { pixelRatio: 2 },
            { graph: { customers: 35, trials: 1000 } },
            { screenshot: "ratio-changed" },
        ],
    },
    {
        name: "in an 800 x 600 viewport the window moves up just enough to be whole",
        view: { width: 800, height: 600 },
        steps: [{ expect: { window: "main", at: [232, 88], box: "customers" } }, { screenshot: "small-viewport" }],
    },
];
