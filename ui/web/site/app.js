// Tessaly's page. The window arrives drawn, from the layout table at build time (page_markup.cpp),
// so it shows and takes typing at once; this file wires it to the core compiled to WebAssembly
// (tessaly.js), which gives every answer, and otherwise only measures, draws and forwards events.
// bindings.cpp says what each call to the module does.
const byId = (id) => document.getElementById(id);
// The option of a category, by the number the module gives it, as the markup marks it.
const optionOf = (category) => document.querySelector(`[data-category="${category}"]`);

// The core once it has loaded and started (at the end of this file).
let tessaly = null;
let started = null;
// Whatever is pressed before the module has loaded is answered as soon as it has; from then on,
// at once, in the same event.
const withCore = (action) => (tessaly ? action(tessaly) : started.then(action));

// An editable combo box after the WAI-ARIA pattern without autocompletion: typing never opens,
// filters or completes; the list opens on its button, Alt+Down, F4, Down or Up, and is refilled
// by the core every time before it shows.
class Combobox {
    constructor(root, onOpen) {
        this.onOpen = onOpen;
        this.root = root;
        [this.input, this.button, this.list] = [...root.children];
        this.active = -1;

        this.button.addEventListener('click', () => {
            if (this.isOpen()) this.close(); else this.open();
            this.input.focus();
        });
        this.input.addEventListener('keydown', (event) => this.onInputKeyDown(event));
        this.input.addEventListener('blur', () => setTimeout(() => {
            if (!this.root.contains(document.activeElement)) this.close();
        }));
        this.list.addEventListener('pointerdown', (event) => event.preventDefault());
        this.list.addEventListener('click', (event) => {
            const option = event.target.closest('li');
            if (option) this.choose([...this.list.children].indexOf(option));
        });
    }

    isOpen() { return !this.list.hidden; }

    open() {
        withCore((core) => {
            this.onOpen(core);
            this.list.hidden = false;
            this.input.setAttribute('aria-expanded', 'true');
            this.button.setAttribute('aria-expanded', 'true');
            this.highlight(this.active);
        });
    }

    close() {
        this.list.hidden = true;
        this.input.setAttribute('aria-expanded', 'false');
        this.button.setAttribute('aria-expanded', 'false');
        this.input.removeAttribute('aria-activedescendant');
    }

    clear() {
        this.list.replaceChildren();
        this.active = -1;
    }

    add(text) {
        const index = this.list.children.length;
        const option = Object.assign(document.createElement('li'),
            { id: `combo1-opt-${index}`, textContent: text });
        option.setAttribute('role', 'option');
        option.setAttribute('aria-selected', 'false');
        this.list.append(option);
    }

    highlight(index) {
        const options = [...this.list.children];
        options.forEach((option, at) => option.setAttribute('aria-selected', String(at === index)));
        this.active = index;
        if (index >= 0 && index < options.length && this.isOpen()) {
            this.input.setAttribute('aria-activedescendant', options[index].id);
            options[index].scrollIntoView({ block: 'nearest' });
        } else {
            this.input.removeAttribute('aria-activedescendant');
        }
    }

    choose(index) {
        const option = this.list.children[index];
        if (option) this.input.value = option.textContent;
        this.close();
        this.input.focus();
    }

    onInputKeyDown(event) {
        const count = this.list.children.length;
        switch (event.key) {
        case 'ArrowDown':
        case 'ArrowUp':
            if (!this.isOpen()) {
                this.open();
            } else if (!event.altKey && count > 0) {
                const step = event.key === 'ArrowDown' ? 1 : -1;
                const from = this.active < 0 ? (step > 0 ? -1 : count) : this.active;
                this.highlight((from + step + count) % count);
            }
            break;
        case 'F4':
            if (this.isOpen()) this.close(); else this.open();
            break;
        case 'Enter':
            if (!this.isOpen()) return;
            this.choose(this.active);
            break;
        case 'Escape':
            if (!this.isOpen()) return;
            this.close();
            break;
        default:
            return;
        }
        event.preventDefault();
    }
}

const form1 = byId('form1');
const [text1, label1, said, check1, message, form2] =
    ['text1', 'label1', 'label1-said', 'check1', 'message', 'form2'].map(byId);
const combobox = new Combobox(byId('combo1').parentElement, (core) => core.combo1DropDown());
const measure = document.createElement('canvas').getContext('2d');
const page = {
    isOptionSelected: (category) => optionOf(category).checked,
    check1Value: () => (check1.indeterminate ? 2 : check1.checked ? 1 : 0),
    combo1Clear: () => combobox.clear(),
    combo1AddItem: (text) => combobox.add(text),
    combo1Text: () => combobox.input.value,
    text1Text: () => text1.value,
    restoreCombo1Text: (text, item) => {
        combobox.input.value = text;
        combobox.highlight(item);
    },
    label1Room: () => label1.clientWidth,
    measureLabel1: (text, points) => {
        measure.font = `${points}pt ${getComputedStyle(label1).fontFamily}`;
        return measure.measureText(text).width;
    },
    // The text is exactly the result; a break before the exponent is one more place the browser
    // may wrap, no character of its own.
    showLabel1: (text, points, breakBefore) => {
        label1.style.fontSize = `${points}pt`;
        label1.classList.toggle('broken', breakBefore >= 0);
        if (breakBefore >= 0)
            label1.replaceChildren(text.slice(0, breakBefore), document.createElement('wbr'),
                text.slice(breakBefore));
        else
            label1.textContent = text;
    },
    // The live region speaks what changes in it: emptied first, it changes even when the same
    // result is asked for again.
    announceLabel1: (text) => {
        said.replaceChildren();
        requestAnimationFrame(() => { said.textContent = text; });
    },
    makeForm2: () => {
        form2.insertBefore(byId('form2-text').content.cloneNode(true), form2.querySelector('form'));
    },
    showForm2: () => {
        if (!form2.open) form2.show();
    },
    fillIn: (category, pair, value) => {
        optionOf(category).checked = true;
        combobox.input.value = pair;
        text1.value = value;
    },
    showMessage: (prompt) => {
        byId('message-prompt').textContent = prompt;
        message.showModal();
    },
};

byId('command1').addEventListener('click', () => withCore((core) => core.command1Clicked()));
byId('command2').addEventListener('click', () => withCore((core) => core.command2Clicked()));

// On a screen narrower than the window, the whole window is scaled down to fit.
const fit = () => {
    const room = document.documentElement.clientWidth - 16;
    const width = parseFloat(getComputedStyle(form1).getPropertyValue('--width'));
    form1.style.zoom = String(Math.min(1, room / (width + 2)));
};
window.addEventListener('resize', fit);
fit();
performance.mark('tessaly-usable');

started = import('./tessaly.js').then(({ default: createTessaly }) => createTessaly()).then(
    (core) => {
        core.start(page);
        tessaly = core;
        // Opened on a question (index.html?q=2.5 lb to kg, as a browser's search engine sends
        // it), the window is filled in; converting stays the user's to do.
        const question = new URLSearchParams(location.search).get('q');
        if (question && question.trim()) core.openQuestion(question);
        document.fonts.ready.then(() => core.label1Resized());
        document.documentElement.dataset.ready = 'true';
        performance.mark('tessaly-ready');
        return core;
    }, (error) => {
        // The module's own words are for a developer; the console has them.
        page.showMessage('Tessaly could not load its converter. Reload the page to try again.');
        throw error;
    });
// Cached whole on the first visit, the page then starts without the network. The worker fetches
// the whole site again, so it starts once the page has loaded, not in its way.
if ('serviceWorker' in navigator) {
    const register = () => navigator.serviceWorker.register('sw.js');
    if (document.readyState === 'complete') register(); else window.addEventListener('load', register);
}
