// The flow of the program: start-up, the main window's commands, the hand-over
// between the two windows (exactly one of them on the page at a time) and the
// end. What a command computes comes from the engine; this side only shows it.

function controlOf(window: WindowForm, name: string): ControlForm {
    const control = window.controls.find((c) => c.name === name);
    if (!control) {
        throw new Error(`the window's table has no ${name}`);
    }
    return control;
}

function secondsSinceMidnight(): number {
    const now = new Date();
    const midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate());
    return (now.getTime() - midnight.getTime()) / 1000;
}


// A picture control's frame: the border, the canvas inside, the keyboard's
// focus and the name a screen reader gives it.
function pictureFrame(area: PictureArea, control: ControlForm, role: string): HTMLElement {
    const frame = document.createElement("div");
    frame.append(area.element);
    frame.tabIndex = 0;
    frame.setAttribute("role", role);
    frame.setAttribute("aria-label", control.spokenName);
    return frame;
}

class MainWindow {
    readonly window: FormWindow;
    readonly graph: PictureArea;
    // The bars in words, for screen readers only: the canvas is an image to them.
    private readonly graphRows: HTMLUListElement;
    counts: { customers: number; trials: number } | null = null;

    constructor(readonly program: Program) {
        const form = program.form;
        const graphControl = controlOf(form.mainWindow, "graph");
        this.graph = new PictureArea(program.engine, SurfaceId.Graph, graphControl, form.faces);
        // The label row's "0" under its tick in the face this device has.
        program.engine.spaceLabelRow();
        this.window = new FormWindow("main", form.mainWindow, form.faces, (control) =>
            pictureFrame(this.graph, control, "img"),
        );
        this.graphRows = document.createElement("ul");
        this.graphRows.className = "for-screen-readers";
        this.graphRows.setAttribute("aria-label", graphControl.spokenName);
        this.window.control("graph").after(this.graphRows);
        this.clearOutcome();
        // The one way into the page for a test: the test that compares both
        // editions' pixels hands the graph tallies of its own.
        const hook = window as unknown as { pernamDrawTallies?: (tallies: number[]) => void };
        hook.pernamDrawTallies = (tallies) => {
            const engine = program.engine;
            engine.clearSurface(SurfaceId.Graph);
            tallies.forEach((count, index) => engine.setTally(index + 1, count));
            this.showRows(engine.drawGraph());
        };
        const w = this.window;
        w.button("startButton").addEventListener("click", () => this.startRun());
        w.button("quitButton").addEventListener("click", () => program.quit());
        w.button("initializeButton").addEventListener("click", () => program.initialize(this));
        w.button("helpButton").addEventListener("click", () => program.help(this));
    }

    // A value label is known to a screen reader by its caption and its value.
    showValue(value: string, caption: string, text: string): void {
        const label = this.window.control(value);
        label.textContent = text;
        const captionText = this.window.control(caption).textContent ?? "";
        label.setAttribute(
            "aria-label",
            text ? `${captionText}${this.program.form.nameSeparator}${text}` : captionText,
        );
    }

    private showRows(rows: string[]): void {
        this.graphRows.replaceChildren(
            ...rows.map((row) => {
                const item = document.createElement("li");
                item.textContent = row;
                return item;
            }),
        );
    }

    clearOutcome(): void {
        this.graph.clear();
        this.showRows([]);
        const graph = this.window.control("graph");
        graph.setAttribute("aria-label", controlOf(this.program.form.mainWindow, "graph").spokenName);
        this.showValue("trialCount", "trialCaption", "");
        this.showValue("meanShortage", "meanCaption", "");
        this.showValue("customerCount", "customerCaption", "");
    }

    // The run lets no event through: a browser hands the click over only once
    // every event before it has been handled, and those after it wait for the
    // run to end.
    startRun(): void {
        // A click before the counts are in has nothing to run; one queued
        // behind a run's own click finds the start button disabled after it.
        if (!this.counts) {
            return;
        }
        const w = this.window;
        w.element.style.cursor = "wait";
        w.button("quitButton").disabled = true;
        w.button("initializeButton").disabled = true;

        const engine = this.program.engine;
        engine.run(this.counts.customers, this.counts.trials, secondsSinceMidnight());
        const mean = engine.meanText();
        this.showValue("meanShortage", "meanCaption", mean);
        this.showRows(engine.drawGraph());
        w.control("graph").setAttribute("aria-label", engine.graphOutcome(this.counts.trials));

        w.button("startButton").disabled = true;
        w.button("quitButton").disabled = false;
        w.button("initializeButton").disabled = false;
        w.element.style.cursor = "default";
    }
}

class Program {
    ended = false;
    private warm = false;
    private readonly chimes: ChimePlayer;
    private helpWindow: FormWindow | null = null;

    constructor(
        readonly engine: Engine,
        readonly form: FormData,
        waves: WavesByName,
    ) {
        this.chimes = new ChimePlayer(waves);
    }

    start(): void {
        this.showMainWindow();
    }

    private place(window: FormWindow): void {
        window.show((rect, viewport) => this.engine.placeWithin(rect, viewport));
    }

    // Loaded anew at every showing, from the window's table.
    private showMainWindow(): void {
        const main = new MainWindow(this);
        this.place(main.window);
        main.window.button("startButton").focus();
        // The window's first activation asks for the counts, once it is on screen.
        requestAnimationFrame(() =>
            setTimeout(() => {
                this.enterParameters(main);
                this.warmUp();
            }, 0),
        );
    }

    async enterParameters(main: MainWindow): Promise<void> {
        const entry = this.engine.beginEntry();
        for (let step = entry.next(); step.kind !== "done"; step = entry.next()) {
            if (step.kind === "end") {
                this.end();
                return;
            }
            if (step.kind === "count") {
                const question = this.form.questions[step.question]!;
                const answer = await askText(question.prompt, question.title, question.defaultText, this.form.boxes);
                if (this.ended) {
                    return;
                }
                const count = entry.answerText(answer);
                if (count > 0) {
                    // Shown at once, before the next box asks.
                    const [value, caption] =
                        step.question === 0 ? ["customerCount", "customerCaption"] : ["trialCount", "trialCaption"];
                    main.showValue(value, caption, String(count));
                }
            } else {
                const yes = await askYesNo(this.form.endQuestion, this.form.endTitle, this.form.boxes);
                if (this.ended) {
                    return;
                }
                entry.answerYesNo(yes);
            }
        }
        main.counts = entry.accepted();
        main.window.button("startButton").focus();
    }

    // While the first box waits for its answer, the module runs the largest
    // run once on the side, so that the browser has it optimised by the
    // first click.
    private warmUp(): void {
        if (!this.warm) {
            this.warm = true;
            setTimeout(() => this.engine.warmUp(), 50);
        }
    }

    async quit(): Promise<void> {
        this.chimes.play(this.form.closingChime);
        if (await askYesNo(this.form.endQuestion, this.form.quitTitle, this.form.boxes)) {
            this.end();
        }
    }

    initialize(main: MainWindow): void {
        this.chimes.play(this.form.doorChime);
        main.window.button("startButton").disabled = false;
        main.clearOutcome();
        this.enterParameters(main);
    }

    help(main: MainWindow): void {
        this.chimes.play(this.form.doorChime);
        main.window.button("startButton").disabled = false;
        main.window.unload();
        this.showHelpWindow();
    }

    private showHelpWindow(): void {
        const form = this.form;
        const control = controlOf(form.helpWindow, "helpText");
        const text = new PictureArea(this.engine, SurfaceId.HelpText, control, form.faces);
        // The lines were broken for another face: fitted to the area, unchanged.
        this.engine.fitHelpText();
        const help = new FormWindow("help", form.helpWindow, form.faces, () => {
            const frame = pictureFrame(text, control, "document");
            // A screen reader cannot read the printed pixels; it gets the
            // printed lines themselves, in order.
            text.element.setAttribute("aria-hidden", "true");
            const lines = document.createElement("div");
            lines.className = "for-screen-readers";
            lines.append(
                ...form.helpText
                    .filter((line) => line.trim() !== "")
                    .map((line) => {
                        const paragraph = document.createElement("p");
                        paragraph.textContent = line.trim();
                        return paragraph;
                    }),
            );
            frame.append(lines);
            return frame;
        });
        this.helpWindow = help;
        this.place(help);
        help.button("closeButton").focus();
        help.button("closeButton").addEventListener("click", () => {
            help.unload();
            this.helpWindow = null;
            this.showMainWindow();
        });
        // Printed at the window's activation, fresh at every showing.
        requestAnimationFrame(() => {
            if (this.helpWindow === help) {
                this.engine.printHelp();
            }
        });
    }

    // The end of the program: nothing more of any handler runs, both windows
    // and every box go, and only a reload of the page starts it again.
    end(): void {
        this.ended = true;
        this.chimes.close();
        this.helpWindow = null;
        document.body.replaceChildren();
    }
}

Engine.load(pernamAssets.engine).then(
    (engine) => new Program(engine, pernamAssets.form, pernamAssets.chimes).start(),
    (error) => console.error(error),
);
