// Tessaly's page: the main window built from the same layout table as the desktop windows, every
// answer from the core compiled to WebAssembly (tessaly.js). This file only builds, measures,
// draws and forwards events; bindings.cpp says what each call to the module does.
import createTessaly from './tessaly.js';

const twipsPerPixel = 15;
const pixels = (twips) => `${twips / twipsPerPixel}px`;
const categories = ['Option1', 'Option2', 'Option3'];

function place(element, rect) {
    element.style.left = pixels(rect.left);
    element.style.top = pixels(rect.top);
    element.style.width = pixels(rect.width);
    element.style.height = pixels(rect.height);
}

function cssFont(face, points = face.points) {
    const families = face.families.map((family) => `"${family}"`).join(', ');
    return `${points}pt ${families}, sans-serif`;
}

function element(tag, properties = {}, attributes = {}) {
    const made = Object.assign(document.createElement(tag), properties);
    for (const [name, value] of Object.entries(attributes))
        made.setAttribute(name, value);
    return made;
}

// An editable combo box after the WAI-ARIA pattern without autocompletion: typing never opens,
// filters or completes; the list opens on its button, Alt+Down, F4, Down or Up, and is refilled
// by the core every time before it shows.
class Combobox {
    constructor(control, onOpen) {
        this.onOpen = onOpen;
        this.root = element('div', { className: 'control combo' });
        this.input = element('input', { type: 'text', id: 'combo1' }, {
            role: 'combobox', 'aria-label': control.accessibleName, 'aria-autocomplete': 'none',
            'aria-expanded': 'false', 'aria-controls': 'combo1-list', autocomplete: 'off',
        });
        this.button = element('button', { type: 'button', tabIndex: -1 }, {
            'aria-label': `${control.accessibleName} list`, 'aria-expanded': 'false',
            'aria-controls': 'combo1-list',
        });
        this.button.textContent = '\u25BE';
        this.list = element('ul', { id: 'combo1-list', hidden: true },
            { role: 'listbox', 'aria-label': control.accessibleName });
        this.root.append(this.input, this.button, this.list);
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
        this.onOpen();
        this.list.hidden = false;
        this.input.setAttribute('aria-expanded', 'true');
        this.button.setAttribute('aria-expanded', 'true');
        this.highlight(this.active);
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
        this.list.append(element('li', { id: `combo1-opt-${index}`, textContent: text },
            { role: 'option', 'aria-selected': 'false' }));
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

function makeControl(control, tessaly, combobox) {
    switch (control.kind) {
    case 'frame': {
        const frame = element('fieldset', { id: control.name.toLowerCase() });
        frame.append(element('legend', { textContent: control.caption }));
        return frame;
    }
    case 'option': {
        const label = element('label', { className: 'option' });
        label.append(element('input', {
            type: 'radio', name: 'category', id: control.name.toLowerCase(),
            checked: control.name === categories[0],
        }), control.caption);
        return label;
    }
    case 'text':
        return element('input', { type: 'text', id: control.name.toLowerCase() },
            { 'aria-label': control.accessibleName, autocomplete: 'off' });
    case 'result':
        return element('div', { id: control.name.toLowerCase() }, { role: 'status' });
    case 'button':
        return element('button', { type: 'button', id: control.name.toLowerCase(),
            textContent: control.caption });
    case 'combo':
        return combobox.root;
    case 'check': {
        // The box at its own size within the control's rectangle, named by the label beside it,
        // which a click does not tick, as in the window.
        const box = element('span', { className: 'check' });
        box.append(element('input', { type: 'checkbox', id: control.name.toLowerCase() },
            { 'aria-labelledby': 'label5' }));
        return box;
    }
    default:
        return element('div', { className: 'label', id: control.name.toLowerCase(),
            textContent: control.caption });
    }
}

async function start() {
    const tessaly = await createTessaly();
    const form1 = document.getElementById('form1');
    const area = tessaly.form1ClientArea();
    form1.style.width = pixels(area.width);
    form1.style.height = pixels(area.height);
    form1.style.font = cssFont(tessaly.windowFace());
    const largeFace = tessaly.largeFace();

    const combobox = new Combobox(
        tessaly.form1Controls().find((control) => control.kind === 'combo'),
        () => tessaly.combo1DropDown());
    // The window order is the tab order, and a label comes just before what it names.
    const controls = tessaly.form1Controls().sort((a, b) => a.tabIndex - b.tabIndex);
    const made = new Map();
    for (const control of controls) {
        const made1 = makeControl(control, tessaly, combobox);
        made1.classList.add('control');
        place(made1, control.rect);
        if (control.large) made1.style.font = cssFont(largeFace);
        (control.parent ? made.get(control.parent) : form1).append(made1);
        made.set(control.name, made1);
    }

    const byId = (id) => document.getElementById(id);
    const [text1, label1, check1, message] =
        [byId('text1'), byId('label1'), byId('check1'), byId('message')];
    const measure = document.createElement('canvas').getContext('2d');
    tessaly.start({
        isOptionSelected: (category) => byId(categories[category].toLowerCase()).checked,
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
            measure.font = cssFont(largeFace, points);
            return measure.measureText(text).width;
        },
        // The text is exactly the result; a break before the exponent is one more place the
        // browser may wrap, no character of its own.
        showLabel1: (text, points, breakBefore) => {
            label1.style.fontSize = `${points}pt`;
            label1.classList.toggle('broken', breakBefore >= 0);
            if (breakBefore >= 0)
                label1.replaceChildren(text.slice(0, breakBefore), document.createElement('wbr'),
                    text.slice(breakBefore));
            else
                label1.textContent = text;
        },
        showMessage: (prompt) => {
            byId('message-prompt').textContent = prompt;
            message.showModal();
        },
    });

    byId('command1').addEventListener('click', () => tessaly.command1Clicked());
    byId('command2').addEventListener('click', () => {
        const form2 = byId('form2');
        if (!byId('form2-label1')) {
            const [text] = tessaly.form2Controls();
            form2.style.width = pixels(tessaly.form2ClientArea().width);
            form2.insertBefore(element('p', { id: 'form2-label1', textContent: text.caption }),
                form2.querySelector('form'));
        }
        if (!form2.open) form2.show();
    });
    document.fonts.ready.then(() => tessaly.label1Resized());

    // On a screen narrower than the window, the whole window is scaled down to fit.
    const fit = () => {
        const room = document.documentElement.clientWidth - 16;
        form1.style.zoom = String(Math.min(1, room / (area.width / twipsPerPixel + 2)));
    };
    window.addEventListener('resize', fit);
    fit();
    document.documentElement.dataset.ready = 'true';
    performance.mark('tessaly-usable');
}

start();
// Cached whole on the first visit, the page then starts without the network.
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js');
