// Firefox for the page's checks: puppeteer-core over WebDriver BiDi, which Firefox speaks itself
// (Debian 12 has no geckodriver), driven by engines.py one JSON command a line on standard input,
// one JSON answer a line on standard output. Elements are handed out by number.
// Usage: node firefox_bridge.mjs PROFILE_FOLDER
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: process.argv[2],
});
const errors = [];
let page;
const openPage = async () => {
    page = await browser.newPage();
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    page.on('pageerror', (error) => errors.push(String(error)));
};
await openPage();

const elements = [];
const keep = (handles) => handles.map((handle) => elements.push(handle) - 1);
// A script body as WebDriver runs one, `arguments` the values given; an asynchronous one answers
// through done(). Made here, not in the page, whose policy allows no eval.
const script = (body, isAsync) =>
    (isAsync ? new Function(`return new Promise((done) => { ${body} });`) : new Function(body));

const commands = {
    goto: ({ url }) => page.goto(url, { waitUntil: 'domcontentloaded' }).then(() => null),
    reload: () => page.reload({ waitUntil: 'domcontentloaded' }).then(() => null),
    script: ({ body, args }) => page.evaluate(script(body, false), ...args),
    scriptAsync: ({ body }) => page.evaluate(script(body, true)),
    waitFor: ({ expression, timeout }) =>
        page.waitForFunction(expression, { timeout, polling: 50 }).then(() => null),
    find: async ({ css }) => keep(await page.$$(css)),
    // BiDi's accessibility locator, by computed role and name.
    byRole: async ({ role, name }) => keep(await page.$$(`::-p-aria(${name}[role="${role}"])`)),
    click: ({ element }) => elements[element].click().then(() => null),
    hover: ({ element }) => elements[element].hover().then(() => null),
    type: ({ element, text }) => elements[element].type(text).then(() => null),
    read: ({ element, expression }) =>
        elements[element].evaluate(new Function('element', `return ${expression};`)),
    keys: async ({ element, keys }) => {
        if (element !== null) await elements[element].focus();
        for (const key of keys) {
            if (key.special) {
                const [modifier, name] = key.text.includes('+') ? key.text.split('+') : [null, key.text];
                if (modifier) await page.keyboard.down(modifier);
                await page.keyboard.press(name);
                if (modifier) await page.keyboard.up(modifier);
            } else {
                await page.keyboard.type(key.text);
            }
        }
        return null;
    },
    screenshot: async ({ css, path }) => {
        await (await page.$(css)).screenshot({ path });
        return null;
    },
    viewport: ({ width, height, scale, mobile }) =>
        page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: mobile })
            .then(() => null),
    errors: () => errors.splice(0),
    newPage: async () => {
        const old = page;
        await openPage();
        await old.close();
        return null;
    },
    version: () => browser.version(),
};

const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
    const { command, ...details } = JSON.parse(line);
    if (command === 'quit') break;
    let answer;
    try {
        answer = { value: (await commands[command](details)) ?? null };
    } catch (error) {
        answer = { error: String(error.message || error) };
    }
    process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
