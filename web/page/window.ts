// A window of the program as a block of the page: its client area, laid out
// from the window's table, every control at its place and size. The browser
// gives it no title bar; the page's title is the window's caption.

class FormWindow {
    readonly element: HTMLDivElement;
    private readonly controls = new Map<string, HTMLElement>();

    constructor(
        name: string,
        readonly form: WindowForm,
        faces: string,
        makePicture: (control: ControlForm) => HTMLElement,
    ) {
        this.element = document.createElement("div");
        this.element.className = "window";
        this.element.dataset["window"] = name;
        this.element.setAttribute("role", "main");
        this.element.setAttribute("aria-label", form.caption.trim());
        this.element.style.fontFamily = faces;
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

        // In tab order: the page's own order is the keyboard's. The table's
        // stacking order (the last on top) is kept by z-index.
        const inTabOrder = [...form.controls].sort((a, b) => a.tabIndex - b.tabIndex);
        for (const control of inTabOrder) {
            const element = control.kind === "picture" ? makePicture(control) : makeControl(control);
            element.id = control.name;
            element.classList.add(control.kind, `border-${control.border}`);
            element.style.zIndex = String(form.controls.indexOf(control) + 1);
            setRect(element, control.rect);
            this.controls.set(control.name, element);
            this.element.append(element);
            if (control.description) {
                // Read after the button's name, as the desktop's accessible description is.
                const description = document.createElement("span");
                description.id = `${control.name}-description`;
                description.className = "for-screen-readers";
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

    // Shows the window at its place, moved the least distance that keeps it
    // whole in the page's viewport; in a viewport smaller than the window its
    // top-left corner stays in view.
    show(place: (window: PixelRect, viewport: PixelRect) => { left: number; top: number }): void {
        document.title = this.form.caption;
        document.body.append(this.element);
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

function makeControl(control: ControlForm): HTMLElement {
    if (control.kind === "button") {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = control.text;
        applyFont(button, control);
        return button;
    }
    const label = document.createElement("div");
    label.textContent = control.text;
    applyFont(label, control);
    return label;
}
