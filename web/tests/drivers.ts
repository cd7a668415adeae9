// The two browsers the scenarios run in, behind one small interface: keys,
// typing, clicks at a point, a script that reads the page, and screenshots.
// Chromium is driven over its DevTools protocol by puppeteer-core, WebKit over
// W3C WebDriver by WebKitGTK's own driver, with nothing between.
import { ChildProcess, spawn } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer, { Browser, KeyInput, Page } from "puppeteer-core";

export type Key = "Enter" | "Escape" | "Tab" | "Space" | "Backspace" | "y" | "n";

export interface View {
    width: number;
    height: number;
    scale: number; // device pixels per CSS pixel
}

export interface Driver {
    readonly name: string;
    // Whether it can give the page this device pixel ratio.
    supports(scale: number): boolean;
    open(url: string, view: View): Promise<void>;
    press(key: Key): Promise<void>;
    type(text: string): Promise<void>;
    clickAt(x: number, y: number): Promise<void>;
    // Clicks at each point in turn, the later ones sent while the page may
    // still be busy with the first.
    clickInTurn(points: [number, number][]): Promise<void>;
    // Runs a function body in the page and gives back its JSON result.
    read<T>(body: string): Promise<T>;
    screenshot(path: string): Promise<void>;
    close(): Promise<void>;
}

export const chromiumFlags = [
    "--headless=new",
    "--no-sandbox",
    "--disable-gpu",
    // Without these Chromium keeps calling out to a network this machine does not have.
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--no-first-run",
    "--no-default-browser-check",
];

export class ChromiumDriver implements Driver {
    readonly name = "chromium";
    private page: Page | null = null;

    private constructor(
        private readonly browser: Browser,
        private readonly profile: string,
    ) {}

    static async launch(): Promise<ChromiumDriver> {
        const profile = mkdtempSync(join(tmpdir(), "pernam3-chromium-"));
        const browser = await puppeteer.launch({
            executablePath: process.env["CHROMIUM"] ?? "/usr/bin/chromium",
            headless: true,
            args: [...chromiumFlags, `--user-data-dir=${profile}`],
        });
        return new ChromiumDriver(browser, profile);
    }

    async open(url: string, view: View): Promise<void> {
        await this.page?.close();
        const page = await this.browser.newPage();
        await page.setViewport({ width: view.width, height: view.height, deviceScaleFactor: view.scale });
        page.on("pageerror", (error) => console.error(`page error: ${String(error)}`));
        await page.goto(url);
        this.page = page;
    }

    async press(key: Key): Promise<void> {
        await this.current().keyboard.press(key === "Space" ? "Space" : (key as KeyInput));
    }

    async type(text: string): Promise<void> {
        await this.current().keyboard.type(text);
    }

    async clickAt(x: number, y: number): Promise<void> {
        await this.current().mouse.click(x, y);
    }

    async clickInTurn(points: [number, number][]): Promise<void> {
        const mouse = this.current().mouse;
        await Promise.all(points.map(([x, y]) => mouse.click(x, y)));
    }

    async read<T>(body: string): Promise<T> {
        return (await this.current().evaluate(`(() => { ${body} })()`)) as T;
    }

    supports(_scale: number): boolean {
        return true;
    }

    async screenshot(path: string): Promise<void> {
        await this.current().screenshot({ path: path as `${string}.png` });
    }

    async close(): Promise<void> {
        await this.browser.close();
        rmSync(this.profile, { recursive: true, force: true });
    }

    private current(): Page {
        if (!this.page) {
            throw new Error("no page open");
        }
        return this.page;
    }
}

const webDriverKeys: Record<Key, string> = {
    Enter: "\uE007",
    Escape: "\uE00C",
    Tab: "\uE004",
    Space: " ",
    Backspace: "\uE003",
    y: "y",
    n: "n",
};

function freePort(): Promise<number> {
    return new Promise((resolve, reject) => {
        const server = createServer();
        server.listen(0, "127.0.0.1", () => {
            const address = server.address();
            server.close(() =>
                typeof address === "object" && address ? resolve(address.port) : reject(new Error("no port")),
            );
        });
    });
}

// WebKitGTK's WebDriver, which starts its MiniBrowser on the display it is
// given; GTK's own scale gives the page its device pixel ratio, whole ratios only.
export class WebKitDriver implements Driver {
    readonly name = "webkit";
    private session = "";
    private driver: ChildProcess | null = null;
    private base = "";
    private scale = 0;

    private constructor(private readonly display: string) {}

    static async launch(display: string): Promise<WebKitDriver> {
        const self = new WebKitDriver(display);
        await self.start(1);
        return self;
    }

    supports(scale: number): boolean {
        return Number.isInteger(scale);
    }

    private async start(scale: number): Promise<void> {
        const port = await freePort();
        this.driver = spawn("WebKitWebDriver", [`--host=127.0.0.1`, `--port=${port}`], {
            env: { ...process.env, DISPLAY: this.display, GDK_SCALE: String(scale) },
            stdio: "ignore",
        });
        this.base = `http://127.0.0.1:${port}`;
        this.scale = scale;
        for (let attempt = 0; ; attempt++) {
            try {
                await this.call("GET", "/status");
                break;
            } catch (error) {
                if (attempt > 50) {
                    throw error;
                }
                await new Promise((resolve) => setTimeout(resolve, 100));
            }
        }
    }

    async open(url: string, view: View): Promise<void> {
        if (view.scale !== this.scale) {
            await this.close();
            await this.start(view.scale);
        }
        if (this.session) {
            await this.call("DELETE", `/session/${this.session}`);
        }
        const created = await this.call<{ sessionId: string }>("POST", "/session", {
            capabilities: { alwaysMatch: { "webkitgtk:browserOptions": { args: ["--automation"] } } },
        });
        this.session = created.sessionId;
        // The window's size includes the browser's own frame: grown by it,
        // the viewport is the size asked for.
        await this.call("POST", this.at("/window/rect"), { width: view.width, height: view.height });
        const [width, height] = await this.read<[number, number]>("return [innerWidth, innerHeight]");
        await this.call("POST", this.at("/window/rect"), {
            width: 2 * view.width - width,
            height: 2 * view.height - height,
        });
        await this.call("POST", this.at("/url"), { url });
    }

    async press(key: Key): Promise<void> {
        const value = webDriverKeys[key];
        await this.call("POST", this.at("/actions"), {
            actions: [
                {
                    type: "key",
                    id: "keyboard",
                    actions: [
                        { type: "keyDown", value },
                        { type: "keyUp", value },
                    ],
                },
            ],
        });
    }

    async type(text: string): Promise<void> {
        const active = await this.call<Record<string, string>>("GET", this.at("/element/active"));
        const element = Object.values(active)[0];
        await this.call("POST", this.at(`/element/${element}/value`), { text });
    }

    async clickAt(x: number, y: number): Promise<void> {
        await this.clickInTurn([[x, y]]);
    }

    async clickInTurn(points: [number, number][]): Promise<void> {
        await this.call("POST", this.at("/actions"), {
            actions: [
                {
                    type: "pointer",
                    id: "mouse",
                    parameters: { pointerType: "mouse" },
                    actions: points.flatMap(([x, y]) => [
                        { type: "pointerMove", x: Math.round(x), y: Math.round(y), origin: "viewport" },
                        { type: "pointerDown", button: 0 },
                        { type: "pointerUp", button: 0 },
                    ]),
                },
            ],
        });
    }

    async read<T>(body: string): Promise<T> {
        return this.call<T>("POST", this.at("/execute/sync"), { script: body, args: [] });
    }

    async screenshot(path: string): Promise<void> {
        const png = await this.call<string>("GET", this.at("/screenshot"));
        writeFileSync(path, Buffer.from(png, "base64"));
    }

    async close(): Promise<void> {
        if (this.session) {
            await this.call("DELETE", `/session/${this.session}`).catch(() => undefined);
            this.session = "";
        }
        this.driver?.kill();
        this.driver = null;
    }

    private at(path: string): string {
        return `/session/${this.session}${path}`;
    }

    private async call<T>(method: string, path: string, body?: unknown): Promise<T> {
        const response = await fetch(this.base + path, {
            method,
            headers: { "content-type": "application/json" },
            ...(body === undefined ? {} : { body: JSON.stringify(body) }),
        });
        const answer = (await response.json()) as { value: T & { error?: string; message?: string } };
        if (!response.ok) {
            throw new Error(`WebDriver ${method} ${path}: ${answer.value.error}: ${answer.value.message}`);
        }
        return answer.value;
    }
}
