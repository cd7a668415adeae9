// Both browsers over plain W3C WebDriver: Chromium through chromedriver, WebKit
// through WebKitGTK's own driver, which starts its MiniBrowser on $DISPLAY.
import { ChildProcess, spawn } from "node:child_process";
import { writeFileSync } from "node:fs";
import { createServer } from "node:net";

// The keys the scenarios press, as WebDriver names them.
const keys = {
    Enter: "\uE007",
    Escape: "\uE00C",
    Tab: "\uE004",
    Backspace: "\uE003",
    y: "y",
    n: "n",
};
export type Key = keyof typeof keys;

export interface View {
    width: number;
    height: number;
    scale: number; // device pixels per CSS pixel
}

// chromedriver itself turns off background networking, sync and the first
// run's questions; component updates would still call out to a network this
// machine does not have.
const chromiumFlags = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-component-update"];

// How each browser is started at a device pixel ratio: Chromium takes any by a
// flag, WebKit only GTK's whole scales, set on its driver's environment.
export const browsers = {
    chromium: {
        program: process.env["CHROMEDRIVER"] ?? "chromedriver",
        supports: (_scale: number) => true,
        environment: (_scale: number) => ({}),
        capabilities: (scale: number) => ({
            "goog:chromeOptions": {
                binary: process.env["CHROMIUM"] ?? "/usr/bin/chromium",
                args: [...chromiumFlags, `--force-device-scale-factor=${scale}`],
            },
        }),
    },
    webkit: {
        program: "WebKitWebDriver",
        supports: (scale: number) => Number.isInteger(scale),
        environment: (scale: number) => ({ GDK_SCALE: String(scale) }),
        capabilities: (_scale: number) => ({ "webkitgtk:browserOptions": { args: ["--automation"] } }),
    },
};
export type BrowserName = keyof typeof browsers;

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

export class Driver {
    version = "";
    private process: ChildProcess | null = null;
    private base = "";
    private session = "";
    private scale = 0;

    constructor(readonly name: BrowserName) {}

    // A fresh page, in a fresh browser when the pixel ratio changes, which is
    // fixed at its start; `beforeLoad` runs ahead of the page's script (Chromium only).
    async open(url: string, view: View, beforeLoad = ""): Promise<void> {
        if (!this.session || view.scale !== this.scale) {
            await this.start(view.scale);
        }
        // The window's size includes the browser's own frame: grown by it,
        // the viewport is the size asked for.
        await this.call("POST", this.at("/window/rect"), { width: view.width, height: view.height });
        const [width, height] = await this.read<[number, number]>("return [innerWidth, innerHeight]");
        await this.call("POST", this.at("/window/rect"), { width: 2 * view.width - width, height: 2 * view.height - height });
        if (beforeLoad) {
            const params = { source: beforeLoad };
            await this.call("POST", this.at("/goog/cdp/execute"), { cmd: "Page.addScriptToEvaluateOnNewDocument", params });
        }
        await this.go(url);
    }

    private async start(scale: number): Promise<void> {
        await this.close();
        this.scale = scale;
        const browser = browsers[this.name];
        const port = await freePort();
        this.process = spawn(browser.program, [`--port=${port}`], {
            env: { ...process.env, ...browser.environment(scale) },
            stdio: "ignore",
        });
        this.base = `http://127.0.0.1:${port}`;
        for (let attempt = 0; !(await this.call("GET", "/status").catch(() => null)); attempt++) {
            if (attempt > 50) {
                throw new Error(`${browser.program} does not answer`);
            }
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
        const created = await this.call<{ sessionId: string; capabilities: { browserVersion: string } }>("POST", "/session", {
            capabilities: { alwaysMatch: browser.capabilities(scale) },
        });
        this.session = created.sessionId;
        this.version = `${this.name} ${created.capabilities.browserVersion}`;
    }

    // A new document in the same browser.
    async go(url: string): Promise<void> {
        await this.call("POST", this.at("/url"), { url });
    }

    async press(key: Key): Promise<void> {
        const value = keys[key];
        await this.actions({ type: "key", id: "keyboard", actions: [{ type: "keyDown", value }, { type: "keyUp", value }] });
    }

    async type(text: string): Promise<void> {
        const active = await this.call<Record<string, string>>("GET", this.at("/element/active"));
        await this.call("POST", this.at(`/element/${Object.values(active)[0]}/value`), { text });
    }

    // Clicks at each element's centre in turn, in one chain of actions, the
    // later ones sent while the page may still be busy with the first.
    async click(...selectors: string[]): Promise<void> {
        const points = await this.read<([number, number] | null)[]>(`
            return ${JSON.stringify(selectors)}.map((selector) => {
                const r = document.querySelector(selector)?.getBoundingClientRect();
                return r ? [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)] : null;
            });`);
        const missing = selectors.filter((_, i) => !points[i]);
        if (missing.length > 0) {
            throw new Error(`nothing to click at ${missing.join(", ")}`);
        }
        await this.actions({
            type: "pointer",
            id: "mouse",
            parameters: { pointerType: "mouse" },
            actions: (points as [number, number][]).flatMap(([x, y]) => [
                { type: "pointerMove", x, y, origin: "viewport" },
                { type: "pointerDown", button: 0 },
                { type: "pointerUp", button: 0 },
            ]),
        });
    }

    // Runs a function body in the page and gives back its JSON result.
    read<T>(body: string): Promise<T> {
        return this.call<T>("POST", this.at("/execute/sync"), { script: body, args: [] });
    }

    async screenshot(path: string): Promise<void> {
        writeFileSync(path, Buffer.from(await this.call<string>("GET", this.at("/screenshot")), "base64"));
    }

    async close(): Promise<void> {
        if (this.session) {
            await this.call("DELETE", this.at("")).catch(() => undefined);
            this.session = "";
        }
        this.process?.kill();
        this.process = null;
    }

    private actions(source: object): Promise<unknown> {
        return this.call("POST", this.at("/actions"), { actions: [source] });
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
