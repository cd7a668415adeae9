// A picture area: a canvas at device resolution inside a sunken border. The
// module decides every pixel; this side fills the rectangles and prints the
// texts it is told to, and keeps the drawing until it is cleared.
//
// Under a contrast theme (forced colours) the picture takes the theme's
// colours, as the rest of the window does, rather than keeping its own: the
// student chose them to read by, and a light picture in a dark theme would
// glare. Its background is the theme's Canvas, its texts and lines (the
// drawing's black) CanvasText, its bars LinkText, which a theme sets apart
// from Canvas as it does CanvasText. The page draws the picture again when the
// theme changes.
const forcedColours = matchMedia("(forced-colors: active)");

class PictureArea implements DeviceCanvas {
    readonly element: HTMLCanvasElement;
    private readonly context: CanvasRenderingContext2D & { letterSpacing?: string };
    // The colour the context fills with, as last set: parsing a colour costs
    // more than the rectangle it fills, and the graph's come in long runs.
    private fillColour = -1;
    // The context's font as last set, and its ascent; sizing the canvas resets them.
    private font = "";
    private letterSpacing = "";
    private ascent = 0;
    // Drawn in the theme's colours since the last clearing.
    private forced = false;

    constructor(
        private readonly control: ControlForm,
        private readonly faces: string,
    ) {
        this.element = document.createElement("canvas");
        const context = this.element.getContext("2d", { alpha: false });
        if (!context) {
            throw new Error("this browser draws no canvas");
        }
        this.context = context;
    }

    // A blank canvas of that many device pixels, one canvas pixel per device
    // pixel: its CSS size is its device size undone, so that it is shown pixel
    // for pixel also where the logical size times the ratio is not whole.
    clear(width: number, height: number, pixelRatio: number): void {
        if (this.element.width !== width || this.element.height !== height) {
            this.element.width = width;
            this.element.height = height;
            this.font = this.letterSpacing = "";
        }
        this.element.style.width = `${width / pixelRatio}px`;
        this.element.style.height = `${height / pixelRatio}px`;
        this.forced = forcedColours.matches;
        this.context.fillStyle = this.forced ? "Canvas" : this.control.background;
        this.fillColour = -1;
        this.context.fillRect(0, 0, width, height);
    }

    fill(left: number, top: number, width: number, height: number, rgb: number): void {
        if (rgb !== this.fillColour) {
            this.context.fillStyle = this.forced
                ? rgb === 0
                    ? "CanvasText"
                    : "LinkText"
                : `#${rgb.toString(16).padStart(6, "0")}`;
            this.fillColour = rgb;
        }
        this.context.fillRect(left, top, width, height);
    }

    print(x: number, y: number, text: string, fontPixels: number, spacing: number): void {
        const context = this.context;
        this.useFont(fontPixels, spacing);
        context.fillStyle = this.forced ? "CanvasText" : this.control.textColour;
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
