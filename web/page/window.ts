// A window of the program as a block of the page: its client area, laid out
// from the window's table, every control at its place and size, its pictures
// drawn by the module. The browser gives it no title bar; the page's title is
// the window's caption.

class FormWindow {
    readonly element: HTMLDivElement;
    readonly pictures = new Map<string, PictureArea>();
    private readonly controls = new Map<string, HTMLElement>();
    // What a screen reader reads instead of each picture's pixels.
    private readonly spoken = new Map<string, HTMLElement>();

    constructor(
        readonly form: WindowForm,
        private readonly data: FormData,
    ) {
        this.element = document.createElement("div");
        this.element.className = "window";
        this.element.dataset["window"] = form.name;
        this.element.setAttribute("role", "main");
        this.element.setAttribute("aria-label", form.caption.trim());
        this.element.style.fontFamily = data.faces;
        setRect(this.element, { ...form.clientRect, left: 0, top: 0 });

        const rule = document.createElement("div");
        rule.className = "rule";
        setRect(rule, {
            left: form.rule.left,
            top: form.rule.top,
            width: form.rule.right - form.rule.left + 1,
            height: 1,
        });
        this.element.append(rule);

        // A level-one heading for a screen reader: the label the table names,
        // or else the window's caption, for screen readers alone.
        if (!form.heading) {
            const heading = document.createElement("h1");
            heading.className = "for-screen-readers";
            heading.textContent = form.caption.trim();
            this.element.append(heading);
        }

        // In tab order: the page's own order is the keyboard's, and a value
        // comes right after the caption that names it, to be read after it.
        // The table's stacking order (the last on top) is kept by z-index.
        const values = new Map(form.captions.map((captioned) => [captioned.caption, captioned.value]));
        const controlNamed = (name: string) => form.controls.find((control) => control.name === name)!;
        const ordered = [...form.controls]
            .sort((a, b) => a.tabIndex - b.tabIndex)
            .filter((control) => !form.captions.some((captioned) => captioned.value === control.name))
            .flatMap((control) => {
                const value = values.get(control.name);
                return value ? [control, controlNamed(value)] : [control];
            });
        for (const control of ordered) {
            const element = control.kind === "picture" ? this.makePicture(control) : this.makeControl(control);
            element.id = control.name;
            element.classList.add(control.kind, `border-${control.border}`);
            element.style.zIndex = String(form.controls.indexOf(control) + 1);
            setRect(element, control.rect);
            this.controls.set(control.name, element);
            this.element.append(element);
            const spoken = this.spoken.get(control.name);
            if (spoken && control.spokenAs === "rows") {
                element.after(spoken);
            }
            if (control.description) {
                // Read with the button, as the desktop's accessible description
                // is, and not again as text of its own.
                const description = document.createElement("span");
                description.id = `${control.name}-description`;
                description.hidden = true;
                description.textContent = control.description;
                element.setAttribute("aria-describedby", description.id);
                this.element.append(description);
            }
        }
    }

    button(name: string): HTMLButtonElement {
        const element = this.controls.get(name);
        if (!(element instanceof HTMLButtonElement)) {
            throw new Error(`${name} is no button of this window`);
        }
        return element;
    }

    control(name: string): HTMLElement {
        const element = this.controls.get(name);
        if (!element) {
            throw new Error(`${name} is no control of this window`);
        }
        return element;
    }

    // The first control in tab order takes the focus when the window comes.
    firstInTabOrder(): HTMLElement {
        const first = [...this.form.controls]
            .filter((control) => control.kind !== "label")
            .sort((a, b) => a.tabIndex - b.tabIndex)[0];
        return this.control(first!.name);
    }

    showValue(name: string, text: string): void {
        this.control(name).textContent = text;
    }

    // The bars as a list beside the canvas, or the help's headings and
    // sentences in it.
    showSpokenEntries(name: string, entries: SpokenEntry[]): void {
        const holder = this.spoken.get(name)!;
        const rows = holder.tagName === "UL";
        holder.replaceChildren(
            ...entries.map((entry) => {
                const item = document.createElement(rows ? "li" : entry.heading ? "h2" : "p");
                item.textContent = entry.text;
                return item;
            }),
        );
    }

    show(place: (window: PixelRect, viewport: PixelRect) => { left: number; top: number }): void {
        document.title = this.form.caption;
        document.body.append(this.element);
        this.place(place);
    }

    // The window at its place, moved the least distance that keeps it whole
    // in the page's viewport, from its place again each time the viewport
    // changes, so that it goes back toward it when room returns; in a
    // viewport smaller than the window its top-left corner stays in view and
    // the page scrolls to the rest.
    place(place: (window: PixelRect, viewport: PixelRect) => { left: number; top: number }): void {
        const where = place(this.form.clientRect, {
            left: 0,
            top: 0,
            width: document.documentElement.clientWidth,
            height: document.documentElement.clientHeight,
        });
        this.element.style.left = `${where.left}px`;
        this.element.style.top = `${where.top}px`;
    }

    unload(): void {
        this.element.remove();
    }

    // A button; a label, the window's heading, a caption that names a value,
    // or the value it names.
    private makeControl(control: ControlForm): HTMLElement {
        if (control.kind === "button") {
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = control.text;
            applyFont(button, control);
            return button;
        }
        const captioned = this.form.captions.find((pair) => pair.caption === control.name);
        const isValue = this.form.captions.some((pair) => pair.value === control.name);
        let label: HTMLElement;
        if (control.name === this.form.heading) {
            label = document.createElement("h1");
        } else if (captioned) {
            label = document.createElement("label");
            (label as HTMLLabelElement).htmlFor = captioned.value;
        } else if (isValue) {
            // Its changes are shown, not announced: the focus tells a run's outcome.
            label = document.createElement("output");
            label.setAttribute("aria-live", "off");
        } else {
            label = document.createElement("div");
        }
        label.textContent = control.text;
        applyFont(label, control);
        return label;
    }

    // A picture control's frame: the border, the canvas inside, the keyboard's
    // focus and the name a screen reader gives it. A picture of rows is an
    // image followed by the list of its rows; one of lines is a document whose
    // text a screen reader reads instead of the canvas.
    private makePicture(control: ControlForm): HTMLElement {
        const area = new PictureArea(control, this.data.faces);
        this.pictures.set(control.name, area);
        const frame = document.createElement("div");
        frame.append(area.element);
        frame.tabIndex = 0;
        frame.setAttribute("aria-label", control.spokenName);
        if (control.spokenAs === "rows") {
            frame.setAttribute("role", "img");
            const list = document.createElement("ul");
            list.className = "for-screen-readers";
            // Still a list to Safari, which takes one without bullets for none.
            list.setAttribute("role", "list");
            list.setAttribute("aria-label", control.spokenName);
            this.spoken.set(control.name, list);
        } else {
            frame.setAttribute("role", "document");
            area.element.setAttribute("aria-hidden", "true");
            const lines = document.createElement("div");
            lines.className = "for-screen-readers";
            frame.append(lines);
            this.spoken.set(control.name, lines);
        }
        return frame;
    }
}

function setRect(element: HTMLElement, rect: PixelRect): void {
    element.style.left = `${rect.left}px`;
    element.style.top = `${rect.top}px`;
    element.style.width = `${rect.width}px`;
    element.style.height = `${rect.height}px`;
}

function applyFont(element: HTMLElement, control: ControlForm): void {
    if (control.fontPixels > 0) {
        element.style.fontSize = `${control.fontPixels}px`;
    }
    element.style.fontWeight = control.bold ? "700" : "400";
    element.style.color = control.textColour;
    element.style.backgroundColor = control.background;
}

