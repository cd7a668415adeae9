// Both browsers over W3C WebDriver through Selenium's client: Chromium through
// chromedriver, WebKit through WebKitGTK's own driver, which starts its
// MiniBrowser on $DISPLAY. Each driver is a program named here, never one
// Selenium would look for or download.
import { writeFileSync } from "node:fs";
import { Agent } from "node:http";
import { createRequire } from "node:module";
import { Capabilities, Key as Keys, Origin, WebDriver } from "selenium-webdriver";
import * as chrome from "selenium-webdriver/chrome.js";
// Selenium's types know these two only by the paths that `require` takes, which
// an ES module's import cannot.
import type * as Http from "selenium-webdriver/http" with { "resolution-mode": "require" };
import type * as Remote from "selenium-webdriver/remote" with { "resolution-mode": "require" };

const require = createRequire(import.meta.url);
const http = require("selenium-webdriver/http") as typeof Http;
const remote = require("selenium-webdriver/remote") as typeof Remote;

// The keys the scenarios press, as WebDriver names them; a chord's keys go
// down in order and come up the other way round.
const keys = {
    Enter: [Keys.ENTER],
    Escape: [Keys.ESCAPE],
    Tab: [Keys.TAB],
    "Shift+Tab": [Keys.SHIFT, Keys.TAB],
    Space: [Keys.SPACE],
    Backspace: [Keys.BACK_SPACE],
    y: ["y"],
    n: ["n"],
};
export type Key = keyof typeof keys;

export interface View {
    width: number;
    height: number;
    scale: number; // device pixels per CSS pixel
    minimumFontSize?: number; // CSS pixels: no text smaller, as a reader's setting makes it
    jitless?: boolean; // V8 without its JIT, and so without WebAssembly, as a school's policy may set it
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
        supports: (_view: View) => true,
        environment: (_scale: number) => ({}),
        // Selenium's Chromium session, for the DevTools commands it adds.
        connect: (executor: Http.Executor, view: View): WebDriver =>
            chrome.Driver.createSession(
                new chrome.Options()
                    .setChromeBinaryPath(process.env["CHROMIUM"] ?? "/usr/bin/chromium")
                    .addArguments(
                        ...chromiumFlags,
                        `--force-device-scale-factor=${view.scale}`,
                        ...(view.jitless ? ["--js-flags=--jitless"] : []),
                    )
                    .setUserPreferences({ webkit: { webprefs: { minimum_font_size: view.minimumFontSize ?? 0 } } }),
                executor,
            ),
    },
    webkit: {
        program: "WebKitWebDriver",
        supports: (view: View) => Number.isInteger(view.scale) && !view.minimumFontSize && !view.jitless,
        environment: (scale: number) => ({ GDK_SCALE: String(scale) }),
        connect: (executor: Http.Executor, _view: View): WebDriver =>
            WebDriver.createSession(executor, new Capabilities({ "webkitgtk:browserOptions": { args: ["--automation"] } })),
    },
};
export type BrowserName = keyof typeof browsers;

// Our environment with the browser's additions, without the unset names.
function environment(additions: Record<string, string>): Record<string, string> {
    const merged: Record<string, string> = {};
    for (const [name, value] of Object.entries({ ...process.env, ...additions })) {
        if (value !== undefined) {
            merged[name] = value;
        }
    }
    return merged;
}

export class Driver {
    version = "";
    private service: Remote.DriverService | null = null;
    private driver: WebDriver | null = null;
    private started = "";

    constructor(readonly name: BrowserName) {}

    // A fresh page, in a fresh browser when the pixel ratio, the minimum
    // font size, the JIT or the script ahead of every page's changes, which
    // last the browser's life; `beforeLoad` runs ahead of the page's script
    // (Chromium only).
    async open(url: string, view: View, beforeLoad = ""): Promise<void> {
        const settings = `${view.scale} ${view.minimumFontSize ?? 0} ${view.jitless ?? false} ${beforeLoad}`;
        if (!this.driver || settings !== this.started) {
            await this.start(view);
            this.started = settings;
        }
        await this.viewport(view.width, view.height);
        if (beforeLoad) {
            if (!(this.session instanceof chrome.Driver)) {
                throw new Error(`${this.name} cannot run a script ahead of the page's`);
            }
            await this.session.sendDevToolsCommand("Page.addScriptToEvaluateOnNewDocument", { source: beforeLoad });
        }
        await this.go(url);
    }

    // The driver on a free port of the loopback address, then a session in it.
    private async start(view: View): Promise<void> {
        await this.close();
        const browser = browsers[this.name];
        this.service = new remote.DriverService.Builder(browser.program)
            .setLoopback(true)
            .setEnvironment(environment(browser.environment(view.scale)))
            .build();
        const address = await this.service.start();
        const executor = new http.Executor(new http.HttpClient(address, new Agent({ keepAlive: true })));
        // Kept only once its session answers, so that a failed start is tried
        // again on the next page.
        const driver = browser.connect(executor, view);
        this.version = `${this.name} ${(await driver.getCapabilities()).getBrowserVersion()}`;
        this.driver = driver;
    }

    // The window's size includes the browser's own frame: grown by it, the
    // viewport is the size asked for, as a rotated tablet or a snapped
    // window gives it.
    async viewport(width: number, height: number): Promise<void> {
        const browserWindow = this.session.manage().window();
        await browserWindow.setRect({ width, height });
        const [inner, innerHeight] = await this.read<[number, number]>("return [innerWidth, innerHeight]");
        await browserWindow.setRect({ width: 2 * width - inner, height: 2 * height - innerHeight });
    }

    // A new document in the same browser.
    async go(url: string): Promise<void> {
        await this.session.get(url);
    }

    async press(key: Key): Promise<void> {
        const chord = keys[key];
        const actions = this.session.actions({ async: true });
        chord.forEach((value) => actions.keyDown(value));
        [...chord].reverse().forEach((value) => actions.keyUp(value));
        await actions.perform();
    }

    async type(text: string): Promise<void> {
        await this.session.switchTo().activeElement().sendKeys(text);
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
        // Selenium's moves take 100 ms unless told; ours jump, as a click does.
        const actions = this.session.actions({ async: true });
        for (const [x, y] of points as [number, number][]) {
            actions.move({ x, y, origin: Origin.VIEWPORT, duration: 0 }).press().release();
        }
        await actions.perform();
    }

    // Runs a function body in the page and gives back its JSON result.
    read<T>(body: string): Promise<T> {
        return this.session.executeScript<T>(body);
    }

    // The same for a body that ends by calling `done` with its result.
    readLater<T>(body: string): Promise<T> {
        return this.session.executeAsyncScript<T>(`const done = arguments[arguments.length - 1];\n${body}`);
    }

    // A command of Chromium's DevTools protocol, such as an emulation, and
    // what it answers.
    async devTools<T = unknown>(command: string, params: object): Promise<T> {
        if (!(this.session instanceof chrome.Driver)) {
            throw new Error(`${this.name} takes no DevTools command`);
        }
        return (await this.session.sendAndGetDevToolsCommand(command, params)) as T;
    }

    async screenshot(path: string): Promise<void> {
        writeFileSync(path, Buffer.from(await this.session.takeScreenshot(), "base64"));
    }

    async close(): Promise<void> {
        await this.driver?.quit().catch(() => undefined);
        this.driver = null;
        await this.service?.kill();
        this.service = null;
    }

    private get session(): WebDriver {
        if (!this.driver) {
            throw new Error(`no ${this.name} page is open`);
        }
        return this.driver;
    }
}
