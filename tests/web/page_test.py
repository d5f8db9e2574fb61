"""The page as a user drives it, in each browser engine: found by role and name, with real clicks
and keys, served from 127.0.0.1 on a free port. One table of checks, run by each engine named;
a check that an engine cannot do is skipped with the reason, and counted.
Usage: page_test.py SITE ENGINE...   (chromium, webkit, firefox; webkit needs a display)"""
import contextlib
import functools
import http.server
import os
import shutil
import socketserver
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import urllib.parse

from engines import ENGINES, Unsupported

SITE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else None
HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, 'node_modules', 'axe-core', 'axe.min.js')
WEB = os.path.join(HERE, '..', '..', 'ui', 'web')


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.js': 'text/javascript', '.mjs': 'text/javascript',
                      '.wasm': 'application/wasm'}
    held = None

    def do_GET(self):
        if self.held and self.path.endswith(self.held[0]):
            self.held[1].wait(20)
        super().do_GET()

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingTCPServer):
    # Closing waits for no connection that the browser opened ahead and left idle.
    daemon_threads = True
    block_on_close = False


@contextlib.contextmanager
def served(directory=None, held=None):
    """A server of the site on 127.0.0.1 and a free port, and its address, closed at the end
    whatever happens; held is a file's name and an event, which that file waits for."""
    handler = functools.partial(type('Handler', (QuietHandler,), {'held': held}),
                                directory=directory or SITE)
    server = Server(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield server, f'http://127.0.0.1:{server.server_address[1]}/'
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def site_copy():
    """A copy of the site for a check to change."""
    with tempfile.TemporaryDirectory() as folder:
        site = os.path.join(folder, 'site')
        shutil.copytree(SITE, site)
        yield site


def expect(got, wanted, what=''):
    if got != wanted:
        raise AssertionError(f'{what}: {got!r}, wanted {wanted!r}' if what else
                             f'{got!r}, wanted {wanted!r}')


def result(engine):
    return engine.element('#label1').prop('textContent')


def convert(engine, pair, value, tick=True):
    combo = engine.control('combobox', 'Conversion')
    combo.clear()
    combo.type(pair)
    text = engine.control('textbox', 'Value')
    text.clear()
    text.type(value)
    check = engine.control('checkbox', 'I Accept Disclaimer')
    if check.prop('checked') != tick:
        check.click()
    engine.control('button', 'Convert').click()
    return result(engine)


def violations(engine):
    """What axe-core finds against WCAG 2.1 A and AA in what the page shows now."""
    if not engine.script('return typeof window.axe === "object"'):
        with open(AXE, encoding='utf-8') as axe:
            engine.script(axe.read() + '\nwindow.axe = axe;')
    return engine.script_async("""
        axe.run(document, {runOnly: {type: 'tag',
                                     values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']}})
            .then((result) => done(result.violations.map((violation) =>
                `${violation.id}: ${violation.nodes.map((node) => node.target).join(' ')}`)));
    """)


def load_controlled(engine, address):
    """The page loaded, and its service worker in control of it."""
    if not engine.script('return "serviceWorker" in navigator'):
        raise Unsupported(f'{engine.name} has no service workers here')
    engine.load(address)
    engine.wait_for('navigator.serviceWorker.controller !== null')


CHECKS = []


def check(function):
    CHECKS.append(function)
    return function


@check
def worked_examples_and_long_results_keep_their_whole_text(engine, address):
    for pair, value, shown in [
            ('Pounds to Kilograms', '2.5', '1.133980925'),
            ('Kelvin to Celsius', '300', '27'),
            ('Celsius to Fahrenheit', '-40', '-40'),
            ('Foots to Meters', 'abc', ''),
            ('pounds to kilograms', '2.5', ''),
            ('Centimeters to Milimeters', '12345678901234567', '1.23456789012346E+17'),
            ('Meters to Centimeters', '-1.79769313486231E+306', '-1.79769313486231E+308')]:
        expect(convert(engine, pair, value), shown, f'{pair} of {value}')


@check
def opened_on_a_question_the_window_is_filled_in_and_converts_nothing(engine, address):
    # As a browser sends it from its address bar, through the page's search description.
    template = engine.script_async("""
        fetch(document.querySelector('link[rel=search]').href)
            .then((response) => response.text())
            .then((text) => done(new DOMParser().parseFromString(text, 'application/xml')
                .querySelector('Url[type="text/html"]').getAttribute('template')));
    """)
    for question, category, pair, value in [
            ('-40 °F in °C', 'Temperature', 'Fahrenheit to Celsius', '-40'),
            ('5 in in cm', 'Length', 'Inches to Centimeters', '5'),
            ('lb to kg', 'Mass', 'Pounds to Kilograms', ''),
            ('2.5lb kg', 'Mass', 'Pounds to Kilograms', '2.5')]:
        engine.load(urllib.parse.urljoin(
            address, template.replace('{searchTerms}', urllib.parse.quote(question))))
        expect(engine.control('radio', category).prop('checked'), True, question)
        expect(engine.control('combobox', 'Conversion').prop('value'), pair, question)
        expect(engine.control('textbox', 'Value').prop('value'), value, question)
        expect(engine.control('checkbox', 'I Accept Disclaimer').prop('checked'), False, question)
        expect(result(engine), '', question)
    engine.control('checkbox', 'I Accept Disclaimer').click()
    engine.control('button', 'Convert').click()
    expect(result(engine), '1.133980925')


@check
def a_question_that_cannot_be_read_is_said_and_leaves_the_window_as_at_start(engine, address):
    engine.load(address + '?q=' + urllib.parse.quote('1 ton to kg'))
    said = engine.control('alertdialog', 'Tessaly').text
    if 'no unit "ton"' not in said:
        raise AssertionError(f'the message box says {said!r}')
    engine.control('button', 'OK').click()
    expect(engine.control('radio', 'Length').prop('checked'), True)
    for role, name in [('combobox', 'Conversion'), ('textbox', 'Value')]:
        expect(engine.control(role, name).prop('value'), '', name)


@check
def each_result_shown_is_said_again_and_a_stopped_convert_says_nothing(engine, address):
    # Everything the result's live region is given to say, in order.
    engine.script("""
        const region = document.querySelector('[role=status]');
        window.said = [];
        new MutationObserver(() => region.textContent && window.said.push(region.textContent))
            .observe(region, {childList: true, characterData: true, subtree: true});
    """)
    convert(engine, 'Kelvin to Celsius', '300')
    convert(engine, 'Kelvin to Celsius', '300')
    convert(engine, 'Kelvin to Celsius', '301', tick=False)
    engine.control('button', 'OK').click()
    convert(engine, 'Kelvin to Celsius', 'abc')
    expect(engine.script_async(
        'requestAnimationFrame(() => requestAnimationFrame(() => done(window.said)));'),
        ['27', '27'])


@check
def message_box_is_modal_and_leaves_the_result(engine, address):
    expect(convert(engine, 'Pounds to Kilograms', '2.5'), '1.133980925')
    expect(convert(engine, 'Kelvin to Celsius', '300', tick=False), '1.133980925')
    dialog = engine.control('alertdialog', 'Tessaly')
    expect(dialog.prop('open'), True, 'open')
    if 'Please Read and Check the Disclaimer' not in dialog.text:
        raise AssertionError(f'the message box says {dialog.text!r}')
    expect(engine.script('return document.getElementById("message").matches(":modal")'), True,
           'modal')
    engine.control('button', 'OK').click()
    expect(dialog.prop('open'), False, 'open after OK')


@check
def list_is_empty_until_opened_then_refilled_for_the_category(engine, address):
    expect(len(engine.elements('[role=option]')), 0, 'options at start')
    for category, count, first in [('Length', 56, 'Centimeters to Foots'),
                                   ('Mass', 30, 'Grams to Kilograms'),
                                   ('Temperature', 6, 'Celsius to Fahrenheit')]:
        engine.control('radio', category).click()
        for _ in range(2):
            combo = engine.control('combobox', 'Conversion')
            combo.keys('Alt+ArrowDown')
            options = engine.elements('[role=option]')
            expect((len(options), options[0].text), (count, first), category)
            expect(combo.attr('aria-expanded'), 'true', 'open')
            combo.keys('Escape')
            expect(combo.attr('aria-expanded'), 'false', 'closed')


@check
def enter_chooses_an_option_and_typed_text_is_kept(engine, address):
    engine.control('radio', 'Temperature').click()
    combo = engine.control('combobox', 'Conversion')
    combo.type('Kelvin to Celsius')
    combo.keys('F4')
    expect(engine.element('[aria-selected=true]').text, 'Kelvin to Celsius', 'highlighted')
    expect(combo.prop('value'), 'Kelvin to Celsius', 'typed')
    combo.keys('ArrowDown', 'Enter')
    expect(combo.prop('value'), 'Kelvin to Fahrenheit', 'chosen')
    expect(combo.attr('aria-expanded'), 'false', 'closed')


@check
def tab_runs_the_window_order_and_enter_and_esc_press_nothing(engine, address):
    engine.script('document.activeElement.blur()')
    stops = []
    for _ in range(6):
        engine.keys(None, ['Tab'])
        stops.append(engine.script('return document.activeElement.id'))
    expect(stops, ['option1', 'command1', 'text1', 'combo1', 'command2', 'check1'])
    expect(convert(engine, 'Kelvin to Celsius', '300'), '27')
    text = engine.control('textbox', 'Value')
    text.clear()
    text.keys('1', 'Enter', 'Escape')
    expect(result(engine), '27')
    expect(engine.script(
        'return [...document.querySelectorAll("dialog")].filter((d) => d.open).length'), 0,
        'dialogs open')


@check
def one_disclaimer_dialog_beside_a_window_that_still_converts(engine, address):
    for _ in range(2):
        engine.control('button', 'Disclaimer').click()
    engine.wait_for('document.getElementById("form2").open')
    opened = [dialog for dialog in engine.elements('dialog') if dialog.prop('open')]
    expect(len(opened), 1, 'open dialogs')
    said = ' '.join(opened[0].text.split())
    if not said.startswith('Disclaimer This is Freeware, by accepting'):
        raise AssertionError(f'the dialog says {said!r}')
    expect(convert(engine, 'Kelvin to Celsius', '300'), '27')


@check
def works_offline_after_the_first_visit(engine, address):
    with served() as (server, own):
        load_controlled(engine, own)
        server.shutdown()
        server.server_close()
        engine.load()
        expect(convert(engine, 'Kelvin to Celsius', '300'), '27')
        engine.load(own + '?q=' + urllib.parse.quote('300 K to °C'))
        expect(engine.control('combobox', 'Conversion').prop('value'), 'Kelvin to Celsius')
    expect(engine.script(
        'return document.querySelector("link[rel=manifest]").href.endsWith("manifest.webmanifest")'),
        True, 'manifest')


@check
def a_press_before_the_module_has_loaded_is_answered_once_it_has(engine, address):
    module = threading.Event()
    with served(held=('tessaly.wasm', module)) as (_, own):
        engine.get(own)
        engine.wait_for('document.getElementById("command1") !== null')
        expect(convert(engine, 'Kelvin to Celsius', '300'), '', 'before the module')
        expect(engine.script('return document.documentElement.dataset.ready || null'), None)
        module.set()
        engine.wait_for('document.getElementById("label1").textContent === "27"')


@check
def a_missing_module_is_said_in_the_message_box(engine, address):
    with site_copy() as site:
        os.remove(os.path.join(site, 'tessaly.wasm'))
        with served(site) as (_, own):
            engine.get(own)
            engine.wait_for('document.getElementById("message").open')
            said = engine.control('alertdialog', 'Tessaly').text
            if 'Tessaly could not load its converter.' not in said:
                raise AssertionError(f'the message box says {said!r}')
    # The module's errors are the console's, and not the other checks'.
    with contextlib.suppress(Unsupported):
        engine.console_errors()


def caches(engine):
    """The cache names and app.css as the service worker serves them."""
    return engine.script_async("""
        Promise.all([caches.keys(), fetch('app.css').then((response) => response.text())])
            .then(done);
    """)


@check
def a_new_build_replaces_the_old_cache(engine, address):
    with site_copy() as site, served(site) as (_, own):
        load_controlled(engine, own)
        [old], _ = caches(engine)
        # The next build: one file changed, and the worker written again as the build does.
        with open(os.path.join(site, 'app.css'), 'a', encoding='utf-8') as style:
            style.write('/* the next build */\n')
        subprocess.run(['cmake', f'-DSITE={site}', f'-DTEMPLATE={WEB}/site/sw.js.in',
                        '-P', f'{WEB}/service-worker.cmake'], check=True)
        engine.load(own)
        for _ in range(100):
            if engine.script_async(
                    'navigator.serviceWorker.getRegistration().then((r) => done(!!r.waiting));'):
                break
            time.sleep(0.1)
        # The new worker takes over once no page of the old one is open; a page opened again
        # before it has may still be the old one's.
        for _ in range(10):
            engine.leave()
            engine.load(own)
            names, style = caches(engine)
            if len(names) == 1 and names != [old]:
                break
        expect((len(names), names == [old]), (1, False), 'caches')
        if not style.endswith('/* the next build */\n'):
            raise AssertionError('the worker serves the old app.css')


@check
def no_accessibility_violations_with_the_list_or_a_dialog_open(engine, address):
    expect(violations(engine), [], 'at load')
    engine.control('combobox', 'Conversion').keys('Alt+ArrowDown')
    expect(violations(engine), [], 'list open')
    engine.control('combobox', 'Conversion').keys('Escape')
    convert(engine, 'Kelvin to Celsius', '300', tick=False)
    expect(violations(engine), [], 'message box open')
    engine.control('button', 'OK').click()
    engine.control('button', 'Disclaimer').click()
    expect(violations(engine), [], 'disclaimer open')


@check
def zoomed_or_narrow_the_whole_window_shows_works_and_passes_axe(engine, address):
    # 200 % and 300 % zoom of an 800 by 600 window, where the window is scaled to fit, and a
    # phone 360 px wide.
    try:
        for width, height, scale, mobile in [(400, 300, 2, False), (267, 200, 3, False),
                                             (360, 640, 3, True)]:
            engine.emulate_device(width, height, scale, mobile)
            engine.load()
            what = f'{width} px at {scale}'
            expect(engine.script("""
                return document.getElementById('form1').getBoundingClientRect().right
                    <= document.documentElement.clientWidth"""), True, what)
            expect(convert(engine, 'Kelvin to Celsius', '300'), '27', what)
            expect(violations(engine), [], what)
    finally:
        with contextlib.suppress(Unsupported):
            engine.emulate_device(None, None, None, None)


@check
def dark_and_forced_colours_keep_every_text_readable_and_pass_axe(engine, address):
    for feature, value in [('prefers-color-scheme', 'dark'), ('forced-colors', 'active')]:
        engine.emulate_media(feature, value)
        try:
            engine.load()
            expect(convert(engine, 'Kelvin to Celsius', '300'), '27', feature)
            # Each text's contrast with what it is drawn on, where below 3 to 1.
            expect(engine.script("""
                const luminance = (colour) => {
                    const [r, g, b] = colour.match(/[\\d.]+/g).slice(0, 3).map((c) => {
                        c /= 255;
                        return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
                    });
                    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
                };
                const ground = (element) => {
                    for (; element; element = element.parentElement) {
                        const colour = getComputedStyle(element).backgroundColor;
                        if (!/^rgba\\(.*, 0\\)$/.test(colour) && colour !== 'transparent')
                            return colour;
                    }
                    return 'rgb(255, 255, 255)';
                };
                return [...document.querySelectorAll(
                    '#form1 button, #form1 input[type=text], #form1 legend, #form1 label, '
                    + '#form1 .label, #label1')]
                    .map((element) => {
                        const [a, b] = [getComputedStyle(element).color, ground(element)]
                            .map(luminance).sort((x, y) => y - x);
                        return [element.id || element.textContent, (a + 0.05) / (b + 0.05)];
                    })
                    .filter(([, ratio]) => ratio < 3);
            """), [], f'{feature}: texts below 3 to 1')
            expect(violations(engine), [], feature)
        finally:
            engine.emulate_media(None, None)


@check
def buttons_look_alike_in_every_engine(engine, address):
    # Their own face, edge and caption, not the engine's theme's: a button that looks disabled
    # in one engine would be no button to its users.
    expect(engine.script("""
        return [...document.querySelectorAll('#form1 button, dialog button')].map((button) => {
            const style = getComputedStyle(button);
            return [style.backgroundColor, style.color, style.borderTopColor];
        }).filter(([face, caption, edge], at, all) =>
            face !== all[0][0] || caption !== all[0][1] || edge !== all[0][2]).length;
    """), 0, 'buttons unlike the first')
    expect(engine.script("""
        const style = getComputedStyle(document.getElementById('command1'));
        return [style.backgroundColor, style.color];
    """), ['rgb(225, 225, 225)', 'rgb(0, 0, 0)'], 'Convert\'s face and caption')


@check
def roles_names_and_the_window_as_it_starts(engine, address):
    expect(engine.script('return document.title'), 'Tessaly', 'title')
    expect(engine.control('group', 'Type of Units').tag, 'fieldset', 'group')
    expect(engine.control('radio', 'Length').prop('checked'), True, 'Length')
    expect(engine.element('#label3').prop('textContent'), 'Version      1.0', 'version')
    engine.element('#label5').click()
    expect(engine.control('checkbox', 'I Accept Disclaimer').prop('checked'), False,
           'a click on its caption')


@check
def no_error_or_policy_violation_in_the_console(engine, address):
    engine.console_errors()
    engine.load()
    expect(convert(engine, 'Kelvin to Celsius', '300'), '27')
    engine.control('button', 'Disclaimer').click()
    expect(engine.console_errors(), [], 'console errors')


@check
def numbers_are_the_same_in_a_german_browser(engine, address):
    # Chromium runs every check in German; here it says that it does.
    engine.emulate_locale('de-DE')
    engine.load()
    expect(engine.script('return (1.5).toLocaleString()'), '1,5', 'the locale')
    expect(convert(engine, 'Kelvin to Celsius', '1.5'), '-271.5')
    expect(convert(engine, 'Kelvin to Celsius', '1,5'), '')


def run(name):
    """Every check in one engine: the counts, and each failure and skip with why."""
    counts = {'passed': 0, 'failed': 0, 'skipped': 0}
    engine = ENGINES[name]()
    try:
        print(f'== {name}: {engine.version()}', flush=True)
        with served() as (_, address):
            for function in CHECKS:
                started = time.monotonic()
                try:
                    engine.load(address)
                    function(engine, address)
                    outcome, detail = 'passed', ''
                except Unsupported as reason:
                    outcome, detail = 'skipped', str(reason)
                except Exception as failure:  # pylint: disable=broad-except
                    outcome = 'failed'
                    detail = ''.join(traceback.format_exception_only(failure)).strip()
                    traceback.print_exc()
                counts[outcome] += 1
                print(f'{name}: {function.__name__}: {outcome} ({time.monotonic() - started:.1f} s)'
                      + (f': {detail}' if detail else ''), flush=True)
    finally:
        engine.quit()
    print(f'== {name}: {counts["passed"]} passed, {counts["failed"]} failed, '
          f'{counts["skipped"]} skipped', flush=True)
    return counts['failed'] == 0


if __name__ == '__main__':
    if not SITE or len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.path.insert(0, HERE)
    outcomes = [run(name) for name in sys.argv[2:]]
    sys.exit(0 if all(outcomes) else 1)
