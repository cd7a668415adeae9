// The modal input box and yes/no box, as dialogs of the page. While one is
// open the window behind it takes no input.

interface BoxTexts {
    ok: string;
    cancel: string;
    yes: string; // "&" marks the access key, as on the desktop
    no: string;
    close: string; // the name a screen reader gives the close box
}

// For a double-click's time after a box appears its buttons ignore the mouse,
// so that the second click of a double-click on one box's OK cannot answer the
// next box unseen. Keys work at once.
const kMouseGraceMilliseconds = 500;

let openBoxes = 0;

function boxIsOpen(): boolean {
    return openBoxes > 0;
}

// A caption with its access key: the letter after "&" underlined.
function captionWithKey(button: HTMLButtonElement, caption: string): string {
    const at = caption.indexOf("&");
    if (at < 0 || at + 1 >= caption.length) {
        button.textContent = caption;
        return "";
    }
    const key = caption.charAt(at + 1);
    const underlined = document.createElement("u");
    underlined.textContent = key;
    button.replaceChildren(caption.slice(0, at), underlined, caption.slice(at + 2));
    return key.toLowerCase();
}

class ModalBox {
    readonly dialog: HTMLDialogElement;
    readonly body: HTMLDivElement;
    readonly buttons: HTMLDivElement;
    readonly closeBox: HTMLButtonElement;
    private shownAt = 0;
    private answered = false;

    constructor(kind: string, title: string, closeName: string) {
        this.dialog = document.createElement("dialog");
        this.dialog.className = `box ${kind}`;
        const caption = document.createElement("div");
        caption.className = "caption";
        const titleText = document.createElement("span");
        titleText.className = "title";
        titleText.id = `${kind}-title`;
        titleText.textContent = title;
        this.closeBox = document.createElement("button");
        this.closeBox.type = "button";
        this.closeBox.className = "close-box";
        this.closeBox.tabIndex = -1;
        this.closeBox.setAttribute("aria-label", closeName);
        caption.append(titleText, this.closeBox);
        this.body = document.createElement("div");
        this.body.className = "body";
        this.buttons = document.createElement("div");
        this.buttons.className = "buttons";
        this.dialog.append(caption, this.body, this.buttons);
        this.dialog.setAttribute("aria-labelledby", titleText.id);
        // showModal() makes it modal; older screen readers learn it from this.
        this.dialog.setAttribute("aria-modal", "true");
    }

    button(role: string, caption: string, answer: () => void): { element: HTMLButtonElement; key: string } {
        const element = document.createElement("button");
        element.type = "button";
        element.dataset["answer"] = role;
        const key = captionWithKey(element, caption);
        element.addEventListener("click", (event) => {
            // detail is 0 for a button pressed from the keyboard
            if (event.detail > 0 && performance.now() - this.shownAt < kMouseGraceMilliseconds) {
                return;
            }
            answer();
        });
        this.buttons.append(element);
        return { element, key };
    }

    // A browser may still close a dialog on Escape when the page refuses to
    // let it (Chromium does after a second Escape without a click between);
    // `closedUnasked` then says what that means for this box.
    show(focus: HTMLElement, closedUnasked: () => void): void {
        this.dialog.addEventListener("close", () => {
            if (!this.answered) {
                closedUnasked();
            }
        });
        document.body.append(this.dialog);
        openBoxes++;
        this.shownAt = performance.now();
        this.dialog.showModal();
        focus.focus();
    }

    close(): void {
        this.answered = true;
        this.dialog.close();
        this.dialog.remove();
        openBoxes--;
    }
}

// The text typed, or "" for Cancel, Escape and the close box.
function askText(
    prompt: string,
    title: string,
    defaultText: string,
    texts: BoxTexts,
): Promise<string> {
    return new Promise((resolve) => {
        const box = new ModalBox("input-box", title, texts.close);
        const label = document.createElement("label");
        label.className = "prompt";
        label.textContent = prompt;
        const field = document.createElement("input");
        field.type = "text";
        field.value = defaultText;
        field.setAttribute("autocomplete", "off");
        field.setAttribute("aria-label", prompt);
        // An on-screen keyboard of digits; an input method's full-width
        // digits are still taken, the field being text.
        field.inputMode = "decimal";
        label.htmlFor = field.id = "input-box-field";
        box.body.append(label, field);
        const answer = (text: string) => {
            box.close();
            resolve(text);
        };
        box.button("ok", texts.ok, () => answer(field.value));
        box.button("cancel", texts.cancel, () => answer(""));
        box.closeBox.addEventListener("click", () => answer(""));
        // The Enter that confirms an input method's conversion is the
        // method's, not an answer: Safari says so by keyCode 229 alone.
        field.addEventListener("keydown", (event) => {
            if (event.key === "Enter" && !event.isComposing && event.keyCode !== 229) {
                event.preventDefault();
                answer(field.value);
            }
        });
        // The first tap on a touch screen would leave the caret where the
        // finger fell, and "35" would be typed beside the default: the whole
        // text is selected again, so that what is typed replaces it.
        let touched = false;
        let tapped = false;
        field.addEventListener("pointerdown", (event) => (touched = event.pointerType === "touch"));
        field.addEventListener("click", () => {
            if (touched && !tapped) {
                tapped = true;
                field.select();
            }
        });
        box.dialog.addEventListener("cancel", (event) => {
            event.preventDefault();
            answer("");
        });
        box.show(field, () => answer(""));
        field.select();
    });
}

// True for Yes. Escape and the close box do nothing.
function askYesNo(prompt: string, title: string, texts: BoxTexts): Promise<boolean> {
    return new Promise((resolve) => {
        const box = new ModalBox("yes-no-box", title, texts.close);
        box.dialog.setAttribute("role", "alertdialog");
        // Its close box does nothing, and says so.
        box.closeBox.setAttribute("aria-disabled", "true");
        const text = document.createElement("p");
        text.className = "prompt";
        text.id = "yes-no-box-prompt";
        text.textContent = prompt;
        box.body.append(text);
        box.dialog.setAttribute("aria-describedby", text.id);
        const answer = (yes: boolean) => {
            box.close();
            resolve(yes);
        };
        const yes = box.button("yes", texts.yes, () => answer(true));
        const no = box.button("no", texts.no, () => answer(false));
        box.dialog.addEventListener("cancel", (event) => event.preventDefault());
        box.dialog.addEventListener("keydown", (event) => {
            const key = event.key.toLowerCase();
            if (event.key === "Escape") {
                event.preventDefault();
            } else if (!event.ctrlKey && !event.metaKey && key === yes.key) {
                event.preventDefault();
                answer(true);
            } else if (!event.ctrlKey && !event.metaKey && key === no.key) {
                event.preventDefault();
                answer(false);
            }
        });
        box.show(yes.element, () => {
            box.dialog.showModal();
            yes.element.focus();
        });
    });
}
