// A picture area: a canvas at device resolution inside a sunken border. The
// engine decides every pixel; this side fills the rectangles and prints the
// texts it is told to, and keeps the drawing until it is cleared.

class PictureArea implements DeviceCanvas {
    readonly element: HTMLCanvasElement;
    private readonly context: CanvasRenderingContext2D & { letterSpacing?: string };
    private device: DeviceSize = { width: 0, height: 0, fontPixels: 0 };
    // The colour the context fills with, as last set: parsing a colour costs
    // more than the rectangle it fills, and the graph's come in long runs.
    private fillColour = -1;
    // The context's font as last set, and its ascent; sizing the canvas resets them.
    private font = "";
    private letterSpacing = "";
    private ascent = 0;

    constructor(
        private readonly engine: Engine,
        private readonly surface: SurfaceId,
        private readonly control: ControlForm,
        private readonly faces: string,
    ) {
        this.element = document.createElement("canvas");
        const context = this.element.getContext("2d", { alpha: false });
        if (!context) {
            throw new Error("this browser draws no canvas");
        }
        this.context = context;
        this.open(window.devicePixelRatio || 1);
    }

    // Sizes the canvas for a pixel ratio, one canvas pixel per device pixel,
    // and clears it.
    open(pixelRatio: number): void {
        this.device = this.engine.openSurface(this.surface, pixelRatio, this);
        this.font = this.letterSpacing = "";
        this.element.width = this.device.width;
        this.element.height = this.device.height;
        // The canvas's CSS size is its device size undone, so that it is shown
        // pixel for pixel also where the logical size times the ratio is not whole.
        this.element.style.width = `${this.device.width / pixelRatio}px`;
        this.element.style.height = `${this.device.height / pixelRatio}px`;
        this.clear();
    }

    fill(left: number, top: number, width: number, height: number, rgb: number): void {
        if (rgb !== this.fillColour) {
            this.context.fillStyle = `#${rgb.toString(16).padStart(6, "0")}`;
            this.fillColour = rgb;
        }
        this.context.fillRect(left, top, width, height);
    }

    print(x: number, y: number, text: string, spacing: number): void {
        const context = this.context;
        this.useFont(this.device.fontPixels, spacing);
        context.fillStyle = this.control.textColour;
        this.fillColour = -1;
        context.textBaseline = "alphabetic";
        // The top of the first character cell at the point: the baseline one ascent lower.
        const baseline = y + this.ascent;
        if (this.spacedByCanvas()) {
            context.fillText(text, x, baseline);
            return;
        }
        for (const character of text) {
            context.fillText(character, x, baseline);
            x += context.measureText(character).width + spacing;
        }
    }

    clear(): void {
        this.context.fillStyle = this.control.background;
        this.fillColour = -1;
        this.context.fillRect(0, 0, this.device.width, this.device.height);
    }

    measure(text: string, fontPixels: number, spacing: number): number {
        this.useFont(fontPixels, spacing);
        if (this.spacedByCanvas()) {
            return this.context.measureText(text).width;
        }
        let width = 0;
        for (const character of text) {
            width += this.context.measureText(character).width + spacing;
        }
        return width;
    }

    // A canvas parses its font at every assignment, which costs a drawing
    // more than its bars: set only what changed since the last text.
    private useFont(fontPixels: number, spacing: number): void {
        const font = `${fontPixels}px ${this.faces}`;
        if (font !== this.font) {
            this.context.font = this.font = font;
            this.ascent = this.context.measureText("").fontBoundingBoxAscent;
        }
        const letterSpacing = `${spacing}px`;
        if (this.spacedByCanvas() && letterSpacing !== this.letterSpacing) {
            this.context.letterSpacing = this.letterSpacing = letterSpacing;
        }
    }

    // Older browsers (Safari before 18.4) space no canvas text: the page then
    // sets the characters one by one.
    private spacedByCanvas(): boolean {
        return "letterSpacing" in this.context;
    }
}
