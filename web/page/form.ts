// The shape of the windows' tables and texts that the build hands the page,
// generated from the C++ headers both editions read. Rectangles are in CSS
// pixels, relative to the window's client area.

interface PixelRect {
    left: number;
    top: number;
    width: number;
    height: number;
}

type ControlKind = "button" | "label" | "picture";
type BorderKind = "none" | "flat" | "sunken";

interface ControlForm {
    name: string; // the element's id
    kind: ControlKind;
    rect: PixelRect;
    text: string;
    description: string; // what a screen reader says of a button besides its name
    spokenName: string; // a picture's name for a screen reader
    fontPixels: number; // 0: the platform's default font
    bold: boolean;
    textColour: string; // CSS colour
    background: string;
    border: BorderKind;
    tabIndex: number;
}

// A horizontal rule one pixel high, both ends included.
interface RuleForm {
    left: number;
    right: number;
    top: number;
}

interface WindowForm {
    caption: string;
    clientRect: PixelRect; // from the page's top-left
    controls: ControlForm[];
    rule: RuleForm;
}

interface QuestionForm {
    prompt: string;
    title: string;
    defaultText: string;
}

interface FormData {
    faces: string; // CSS font-family list
    mainWindow: WindowForm;
    helpWindow: WindowForm;
    nameSeparator: string;
    helpText: string[];
    questions: QuestionForm[]; // the customers', then the trials'
    endQuestion: string;
    endTitle: string;
    quitTitle: string;
    boxes: BoxTexts;
    doorChime: string;
    closingChime: string;
}

declare const pernamAssets: {
    engine: string; // base64 WebAssembly module
    chimes: WavesByName;
    form: FormData;
};
