// The page's side of the program: it takes the program's steps with the
// page's windows, dialogs, pointer and chimes, and tells the program what the
// user does. Exactly one window is on the page at a time.

class Program {
    private window: FormWindow | null = null;
    private readonly chimes: ChimePlayer;
    private taking = false;
    private warm = false;

    constructor(
        private readonly module: ProgramModule,
        private readonly form: FormData,
        waves: WavesByName,
    ) {
        this.chimes = new ChimePlayer(waves);
        forcedColours.addEventListener("change", () => this.redrawPictures());
        // A rotated tablet, a snapped or resized window: the window placed again.
        addEventListener("resize", () => this.window?.place((rect, viewport) => this.module.placeWithin(rect, viewport)));
        this.watchPixelRatio();
        // Whether the last key or button press came from the keyboard, for
        // the pictures' focus frame.
        for (const [type, input] of [["keydown", "keyboard"], ["pointerdown", "pointer"]] as const) {
            document.addEventListener(type, () => (document.documentElement.dataset["input"] = input), true);
        }
    }

    // A zoom or a screen of another density: the pictures drawn again crisp
    // at the new ratio, from what they hold, rather than scaled.
    private watchPixelRatio(): void {
        matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener(
            "change",
            () => {
                this.redrawPictures();
                this.watchPixelRatio();
            },
            { once: true },
        );
    }

    // The window's pictures drawn again from what they hold, at the device's
    // pixel ratio and in the colours of the moment.
    private redrawPictures(): void {
        for (const picture of this.window?.pictures.keys() ?? []) {
            this.module.redraw(picture, devicePixelRatio || 1);
        }
    }

    // Takes the steps that are there, one at a time, waiting for each box's
    // answer; one loop at a time takes them.
    async takeSteps(): Promise<void> {
        if (this.taking) {
            return;
        }
        this.taking = true;
        try {
            for (let step = this.module.next(); step.kind !== StepKind.Wait; step = this.module.next()) {
                await this.take(step);
            }
        } finally {
            this.taking = false;
        }
    }

    private async take(step: Step): Promise<void> {
        const shown = this.window;
        switch (step.kind) {
            case StepKind.ShowWindow:
                this.show(step.window);
                break;
            case StepKind.UnloadWindow:
                shown?.unload();
                this.window = null;
                break;
            case StepKind.PlayChime:
                this.chimes.play(step.text);
                break;
            case StepKind.AskCount:
                this.module.answerCount(await askText(step.prompt, step.title, step.text, this.form.boxes));
                break;
            case StepKind.AskYesNo:
                this.module.answerYesNo(await askYesNo(step.prompt, step.title, this.form.boxes));
                break;
            case StepKind.LetInputThrough:
                // A browser hands a click over only once every event before
                // it has been handled; those after it wait for the run.
                break;
            case StepKind.SetBusy:
                shown!.element.style.cursor = step.on ? "wait" : "default";
                break;
            case StepKind.SetEnabled:
                shown!.button(step.control).disabled = !step.on;
                break;
            case StepKind.SetText:
                shown!.showValue(step.control, step.text);
                break;
            case StepKind.SetSpokenName:
                shown!.control(step.control).setAttribute("aria-label", step.text);
                break;
            case StepKind.SetSpokenEntries:
                shown!.showSpokenEntries(step.control, this.module.spokenEntries(step.control));
                break;
            case StepKind.Focus:
                shown!.control(step.control).focus();
                break;
            case StepKind.End:
                this.end();
                break;
        }
    }

    // Loaded anew from its table; its pictures drawn at the device's pixel
    // ratio. It becomes active once it is on screen.
    private show(name: string): void {
        const form = this.form.windows.find((window) => window.name === name)!;
        const window = new FormWindow(form, this.form);
        this.window = window;
        for (const [picture, area] of window.pictures) {
            this.module.attach(picture, area, devicePixelRatio || 1);
        }
        for (const control of form.controls) {
            if (control.kind === "button") {
                window.button(control.name).addEventListener("click", () => {
                    this.module.clicked(control.name);
                    void this.takeSteps();
                });
            }
        }
        window.show((rect, viewport) => this.module.placeWithin(rect, viewport));
        window.firstInTabOrder().focus();
        requestAnimationFrame(() =>
            setTimeout(() => {
                this.module.activated(name);
                void this.takeSteps();
                this.warmUp();
            }, 0),
        );
    }

    // While the first box waits for its answer, the module runs the largest
    // run once on the side, so that the browser has it optimised by the
    // first click.
    private warmUp(): void {
        if (!this.warm) {
            this.warm = true;
            setTimeout(() => this.module.warmUp(), 50);
        }
    }

    // The end of the program: nothing more runs, the window and every box go,
    // and only a reload of the page starts it again.
    private end(): void {
        this.chimes.close();
        this.window = null;
        document.body.replaceChildren();
    }
}

// Served from a web server as the folder that names a manifest, the page
// keeps itself for use with no network; opened as a file it needs none.
if (document.querySelector('link[rel="manifest"]') && "serviceWorker" in navigator) {
    navigator.serviceWorker.register("service-worker.js").catch(() => undefined);
}

ProgramModule.load(pernamAssets.engine).then(
    (module) => new Program(module, pernamAssets.form, pernamAssets.chimes).takeSteps(),
    (error) => console.error(error),
);

declare const pernamAssets: {
    engine: string; // base64 WebAssembly module
    chimes: WavesByName;
    form: FormData;
};
