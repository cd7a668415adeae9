// The engine module: the run, parameter entry, the mean's text, the drawing
// of both picture areas and their letter spacing, compiled from the desktop's
// C++ sources.

// What a picture area of the page does when the module draws on it, in device
// pixels; the module decides where every pixel goes.
interface DeviceCanvas {
    fill(left: number, top: number, width: number, height: number, rgb: number): void;
    print(x: number, y: number, text: string, spacing: number): void;
    clear(): void;
    measure(text: string, fontPixels: number, spacing: number): number;
}

interface EngineExports {
    memory: WebAssembly.Memory;
    _initialize(): void;
    alloc(bytes: number): number;
    release(pointer: number): void;
    run(customers: number, trials: number, secondsSinceMidnight: number): void;
    set_tally(bin: number, count: number): void;
    mean_text(): number;
    graph_outcome(trials: number): number;
    entry_begin(): void;
    entry_next(): number;
    entry_question(): number;
    entry_answer(pointer: number, length: number): number;
    entry_answer_end(yes: number): void;
    entry_customers(): number;
    entry_trials(): number;
    open_surface(surface: number, pixelRatio: number): void;
    surface_width(surface: number): number;
    surface_height(surface: number): number;
    surface_font(surface: number): number;
    clear_surface(surface: number): void;
    draw_graph(): void;
    print_help(): void;
    space_label_row(): void;
    fit_help_text(): void;
    place_within(start: number, length: number, available: number): number;
    warm_up(): void;
}

const enum SurfaceId {
    Graph = 0,
    HelpText = 1,
}

interface DeviceSize {
    width: number;
    height: number;
    fontPixels: number;
}

// What parameter entry asks next: one of the two count questions (0 the
// customers', 1 the trials'), whether to end, nothing more, or the end.
type EntryStep =
    | { kind: "count"; question: number }
    | { kind: "confirm" }
    | { kind: "done" }
    | { kind: "end" };

interface CountEntry {
    next(): EntryStep;
    // The count the answer gave, or 0 when it gave none.
    answerText(text: string): number;
    answerYesNo(yes: boolean): void;
    accepted(): { customers: number; trials: number };
}

const utf8Encoder = new TextEncoder();
const utf8Decoder = new TextDecoder("utf-8");

function decodeBase64(text: string): Uint8Array<ArrayBuffer> {
    const binary = atob(text);
    const bytes = new Uint8Array(new ArrayBuffer(binary.length));
    for (let i = 0; i < binary.length; i++) {
        bytes[i] = binary.charCodeAt(i);
    }
    return bytes;
}

class Engine {
    private readonly canvases: (DeviceCanvas | null)[] = [null, null];
    // The rows of the graph being drawn, for screen readers.
    private graphRows: string[] = [];

    private constructor(private readonly exports: EngineExports) {}

    static async load(base64: string): Promise<Engine> {
        let engine: Engine | null = null;
        const canvasAt = (surface: number): DeviceCanvas => {
            const canvas = engine?.canvases[surface];
            if (!canvas) {
                throw new Error(`no canvas for picture area ${surface}`);
            }
            return canvas;
        };
        const imports = {
            canvas: {
                fill: (surface: number, l: number, t: number, w: number, h: number, rgb: number) =>
                    canvasAt(surface).fill(l, t, w, h, rgb),
                print: (surface: number, x: number, y: number, pointer: number, length: number, spacing: number) =>
                    canvasAt(surface).print(x, y, engine!.text(pointer, length), spacing),
                clear: (surface: number) => canvasAt(surface).clear(),
                measure: (surface: number, pointer: number, length: number, pixels: number, spacing: number) =>
                    canvasAt(surface).measure(engine!.text(pointer, length), pixels, spacing),
            },
            screen_reader: {
                graph_row: (pointer: number, length: number) => engine!.graphRows.push(engine!.text(pointer, length)),
            },
            // The C library writes a fault's message to standard error and
            // closes nothing else; nothing reads a file.
            wasi_snapshot_preview1: {
                fd_write: (_fd: number, iovs: number, count: number, written: number) => {
                    const memory = new DataView(engine!.exports.memory.buffer);
                    let total = 0;
                    let message = "";
                    for (let i = 0; i < count; i++) {
                        const pointer = memory.getUint32(iovs + 8 * i, true);
                        const length = memory.getUint32(iovs + 8 * i + 4, true);
                        message += engine!.text(pointer, length);
                        total += length;
                    }
                    console.error(message);
                    memory.setUint32(written, total, true);
                    return 0;
                },
                fd_close: () => 0,
                fd_seek: () => 70, // ESPIPE: standard error is no file to seek in
            },
        };
        const { instance } = await WebAssembly.instantiate(decodeBase64(base64), imports);
        engine = new Engine(instance.exports as unknown as EngineExports);
        engine.exports._initialize();
        return engine;
    }

    // Parameter entry from its start: which box comes next, and what it answered.
    beginEntry(): CountEntry {
        const exports = this.exports;
        exports.entry_begin();
        return {
            next: (): EntryStep => {
                switch (exports.entry_next()) {
                    case 0:
                        return { kind: "count", question: exports.entry_question() };
                    case 1:
                        return { kind: "confirm" };
                    case 2:
                        return { kind: "done" };
                    default:
                        return { kind: "end" };
                }
            },
            answerText: (text: string) =>
                this.withText(text, (pointer, length) => exports.entry_answer(pointer, length)),
            answerYesNo: (yes: boolean) => exports.entry_answer_end(yes ? 1 : 0),
            accepted: () => ({ customers: exports.entry_customers(), trials: exports.entry_trials() }),
        };
    }

    // Where a window goes so that it stays whole in the viewport.
    placeWithin(window: PixelRect, viewport: PixelRect): { left: number; top: number } {
        const place = this.exports.place_within;
        return {
            left: viewport.left + place(window.left - viewport.left, window.width, viewport.width),
            top: viewport.top + place(window.top - viewport.top, window.height, viewport.height),
        };
    }

    run(customers: number, trials: number, secondsSinceMidnight: number): void {
        this.exports.run(customers, trials, secondsSinceMidnight);
    }

    setTally(bin: number, count: number): void {
        this.exports.set_tally(bin, count);
    }

    meanText(): string {
        return this.cString(this.exports.mean_text());
    }

    // What a screen reader calls the graph after a run of that many trials.
    graphOutcome(trials: number): string {
        return this.cString(this.exports.graph_outcome(trials));
    }

    // Opens a picture area at the device's pixel ratio and tells its size in
    // device pixels and its font's device size.
    openSurface(surface: SurfaceId, pixelRatio: number, canvas: DeviceCanvas): DeviceSize {
        this.canvases[surface] = canvas;
        this.exports.open_surface(surface, pixelRatio);
        return {
            width: this.exports.surface_width(surface),
            height: this.exports.surface_height(surface),
            fontPixels: this.exports.surface_font(surface),
        };
    }

    // The letter spacing of the graph's label row and of the help text, worked
    // out from the widths of the face this device has.
    spaceLabelRow(): void {
        this.exports.space_label_row();
    }

    fitHelpText(): void {
        this.exports.fit_help_text();
    }

    clearSurface(surface: SurfaceId): void {
        this.exports.clear_surface(surface);
    }

    warmUp(): void {
        this.exports.warm_up();
    }

    // Draws the tallies and gives each bar with trials as a screen reader's
    // row, "-35　12回", left to right.
    drawGraph(): string[] {
        this.graphRows = [];
        this.exports.draw_graph();
        return this.graphRows;
    }

    printHelp(): void {
        this.exports.print_help();
    }

    private text(pointer: number, length: number): string {
        return utf8Decoder.decode(new Uint8Array(this.exports.memory.buffer, pointer, length));
    }

    private cString(pointer: number): string {
        const bytes = new Uint8Array(this.exports.memory.buffer, pointer);
        return this.text(pointer, bytes.indexOf(0));
    }

    private withText<T>(text: string, use: (pointer: number, length: number) => T): T {
        const bytes = utf8Encoder.encode(text);
        const pointer = this.exports.alloc(Math.max(bytes.length, 1));
        try {
            new Uint8Array(this.exports.memory.buffer, pointer, bytes.length).set(bytes);
            return use(pointer, bytes.length);
        } finally {
            this.exports.release(pointer);
        }
    }
}
