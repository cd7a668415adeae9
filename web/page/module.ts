// The program's module, compiled from the desktop's C++ sources: both windows'
// flow, the run, and the drawing and fit of both pictures. This is the page's
// one boundary with it. Steps, windows, controls and texts cross by name; the
// kinds of steps and the windows' tables come from the same C++ at build time
// (boundary.d.ts), and the exports below are checked against the built module.

// What a picture of the page does when the module draws on it, in device pixels.
interface DeviceCanvas {
    clear(width: number, height: number, pixelRatio: number): void;
    fill(left: number, top: number, width: number, height: number, rgb: number): void;
    print(x: number, y: number, text: string, fontPixels: number, spacing: number): void;
    measure(text: string, fontPixels: number, spacing: number): number;
}

// Pointers and lengths are bytes of the module's memory; a returned pointer is
// a NUL-terminated UTF-8 text.
interface ModuleExports {
    memory: WebAssembly.Memory;
    _initialize(): void;
    alloc(bytes: number): number;
    release(pointer: number): void;
    next_step(): StepKind;
    step_window(): number;
    step_control(): number;
    step_text(): number;
    step_title(): number;
    step_prompt(): number;
    step_on(): number;
    attach(picture: number, length: number, canvas: number, pixelRatio: number): void;
    redraw(picture: number, length: number, pixelRatio: number): void;
    activated(window: number, length: number): void;
    clicked(control: number, length: number, secondsSinceMidnight: number): void;
    answer_count(text: number, length: number): void;
    answer_yes_no(yes: number): void;
    spoken_count(picture: number, length: number): number;
    spoken_entry(picture: number, length: number, index: number): number;
    spoken_heading(picture: number, length: number, index: number): number;
    place_within(start: number, length: number, available: number): number;
    warm_up(): void;
}

// What the program asks of the page next; which parts a kind uses is told
// where the C++ declares the kinds.
interface Step {
    kind: StepKind;
    window: string;
    control: string;
    text: string;
    title: string;
    prompt: string;
    on: boolean;
}

// A bar of the graph, or a heading or a sentence of the help text.
interface SpokenEntry {
    text: string;
    heading: boolean;
}

// The module in JavaScript, from binaryen's wasm2js at build time; defined
// once the page runs its text.
declare function pernamTranslation(imports: object): ModuleExports;

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

function secondsSinceMidnight(): number {
    const now = new Date();
    const midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate());
    return (now.getTime() - midnight.getTime()) / 1000;
}

class ProgramModule {
    // The page's canvases by the numbers it gave them.
    private readonly canvases: DeviceCanvas[] = [];

    private constructor(
        private readonly exports: ModuleExports,
        // The JavaScript translation runs in place of WebAssembly.
        private readonly translated: boolean,
    ) {}

    static async load(base64: string): Promise<ProgramModule> {
        let module: ProgramModule | null = null;
        const canvas = (number: number): DeviceCanvas => {
            const found = module?.canvases[number];
            if (!found) {
                throw new Error(`no canvas ${number}`);
            }
            return found;
        };
        const imports = {
            canvas: {
                clear: (n: number, width: number, height: number, ratio: number) => canvas(n).clear(width, height, ratio),
                fill: (n: number, l: number, t: number, w: number, h: number, rgb: number) => canvas(n).fill(l, t, w, h, rgb),
                print: (n: number, x: number, y: number, pointer: number, length: number, pixels: number, spacing: number) =>
                    canvas(n).print(x, y, module!.text(pointer, length), pixels, spacing),
                measure: (n: number, pointer: number, length: number, pixels: number, spacing: number) =>
                    canvas(n).measure(module!.text(pointer, length), pixels, spacing),
            },
            // The C library writes a fault's message to standard error and
            // closes nothing else; nothing reads a file.
            wasi_snapshot_preview1: {
                fd_write: (_fd: number, iovs: number, count: number, written: number) => {
                    const memory = new DataView(module!.exports.memory.buffer);
                    let total = 0;
                    let message = "";
                    for (let i = 0; i < count; i++) {
                        const pointer = memory.getUint32(iovs + 8 * i, true);
                        const length = memory.getUint32(iovs + 8 * i + 4, true);
                        message += module!.text(pointer, length);
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
        let exports: ModuleExports;
        let translated = false;
        try {
            const { instance } = await WebAssembly.instantiate(decodeBase64(base64), imports);
            exports = instance.exports as unknown as ModuleExports;
        } catch {
            // No WebAssembly here, or none that runs this module (Lockdown
            // Mode on an iPad, a JavaScript engine without its JIT): the same
            // module, translated to JavaScript by the build. It waits in the
            // page as text, so that a browser with WebAssembly need not parse it.
            const translation = document.createElement("script");
            translation.text = document.getElementById("translation")!.textContent!;
            document.head.append(translation);
            exports = pernamTranslation(imports);
            translated = true;
        }
        module = new ProgramModule(exports, translated);
        module.exports._initialize();
        return module;
    }

    next(): Step {
        const e = this.exports;
        const kind = e.next_step();
        return {
            kind,
            window: this.cString(e.step_window()),
            control: this.cString(e.step_control()),
            text: this.cString(e.step_text()),
            title: this.cString(e.step_title()),
            prompt: this.cString(e.step_prompt()),
            on: e.step_on() !== 0,
        };
    }

    // A picture of the window just shown draws on that canvas.
    attach(picture: string, canvas: DeviceCanvas, pixelRatio: number): void {
        this.canvases.push(canvas);
        this.withText(picture, (p, n) => this.exports.attach(p, n, this.canvases.length - 1, pixelRatio));
    }

    // A picture drawn again from what it holds, at that ratio.
    redraw(picture: string, pixelRatio: number): void {
        this.withText(picture, (p, n) => this.exports.redraw(p, n, pixelRatio));
    }

    activated(window: string): void {
        this.withText(window, (p, n) => this.exports.activated(p, n));
    }

    clicked(control: string): void {
        this.withText(control, (p, n) => this.exports.clicked(p, n, secondsSinceMidnight()));
    }

    answerCount(text: string): void {
        this.withText(text, (p, n) => this.exports.answer_count(p, n));
    }

    answerYesNo(yes: boolean): void {
        this.exports.answer_yes_no(yes ? 1 : 0);
    }

    // What a screen reader reads instead of a picture's pixels.
    spokenEntries(picture: string): SpokenEntry[] {
        return this.withText(picture, (p, n) =>
            Array.from({ length: this.exports.spoken_count(p, n) }, (_, i) => ({
                text: this.cString(this.exports.spoken_entry(p, n, i)),
                heading: this.exports.spoken_heading(p, n, i) !== 0,
            })),
        );
    }

    // Where a window goes so that it stays whole in the viewport.
    placeWithin(window: PixelRect, viewport: PixelRect): { left: number; top: number } {
        const place = this.exports.place_within;
        return {
            left: viewport.left + place(window.left - viewport.left, window.width, viewport.width),
            top: viewport.top + place(window.top - viewport.top, window.height, viewport.height),
        };
    }

    // The largest run once, so that the browser has optimised the module by
    // the first click; not in JavaScript, where it would only block the page
    // the longer (with no JIT, for seconds) for less gain.
    warmUp(): void {
        if (!this.translated) {
            this.exports.warm_up();
        }
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
