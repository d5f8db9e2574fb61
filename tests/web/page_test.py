"""The page in headless Chromium, served from 127.0.0.1 on a free port, driven as a user drives it:
by role and name, with real clicks and keys. Usage: page_test.py SITE"""
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
import unittest
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = sys.argv.pop(1)
HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, 'node_modules', 'axe-core', 'axe.min.js')
WEB = os.path.join(HERE, '..', '..', 'ui', 'web')


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.js': 'text/javascript', '.wasm': 'application/wasm'}
    slow = None

    def do_GET(self):
        if self.slow and self.path.endswith(self.slow):
            time.sleep(2)
        super().do_GET()

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingTCPServer):
    # Closing waits for no connection that the browser opened ahead and left idle.
    daemon_threads = True
    block_on_close = False


def serve(directory, slow=None):
    """A server for the site on 127.0.0.1 and a free port, and its address; a file whose name
    ends with slow is sent two seconds late."""
    handler = functools.partial(type('Handler', (QuietHandler,), {'slow': slow}),
                                directory=directory)
    server = Server(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f'http://127.0.0.1:{server.server_address[1]}/'


@contextlib.contextmanager
def served(directory=SITE, slow=None):
    """A server of a test's own, closed at the test's end whatever happens, whose end leaves the
    other tests theirs."""
    server, address = serve(directory, slow)
    try:
        yield server, address
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def site_copy():
    """A copy of the site for a test to change."""
    with tempfile.TemporaryDirectory() as folder:
        site = os.path.join(folder, 'site')
        shutil.copytree(SITE, site)
        yield site


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.address = serve(SITE)
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        cls.profile = tempfile.TemporaryDirectory()
        for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update',
                     '--disable-sync', '--window-size=800,600',
                     f'--user-data-dir={cls.profile.name}'):
            options.add_argument(flag)
        # A page is ready for the tests when app.js says so, not at its load event, which may
        # come after a press that the page must already take.
        options.page_load_strategy = 'eager'
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        cls.browser = webdriver.Chrome(
            service=Service('/usr/bin/chromedriver'), options=options)
        # A browser in German, whose decimal separator is the comma: the core alone reads and
        # writes numbers, the same in every language.
        cls.browser.execute_cdp_cmd('Emulation.setLocaleOverride', {'locale': 'de-DE'})

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.profile.cleanup()

    def setUp(self):
        self.load(self.address)

    def load(self, address=None):
        if address:
            self.browser.get(address)
        else:
            self.browser.refresh()
        WebDriverWait(self.browser, 10).until(lambda browser: browser.execute_script(
            'return document.documentElement.dataset.ready === "true"'))

    def control(self, role, name):
        """The one rendered element with this computed role and accessible name."""
        candidates = self.browser.find_elements(
            By.CSS_SELECTOR, 'input, button, fieldset, dialog, [role]')
        found = [element for element in candidates
                 if element.aria_role == role and element.accessible_name == name]
        self.assertEqual(len(found), 1, f'{role} "{name}"')
        return found[0]

    def result(self):
        return self.browser.find_element(By.ID, 'label1')

    def convert(self, pair, value, tick=True):
        combo = self.control('combobox', 'Conversion')
        combo.clear()
        combo.send_keys(pair)
        text = self.control('textbox', 'Value')
        text.clear()
        text.send_keys(value)
        check = self.control('checkbox', 'I Accept Disclaimer')
        if check.is_selected() != tick:
            check.click()
        self.control('button', 'Convert').click()
        return self.result().get_property('textContent')

    def test_worked_examples_and_long_results_keep_their_whole_text(self):
        for pair, value, shown in [
                ('Pounds to Kilograms', '2.5', '1.133980925'),
                ('Kelvin to Celsius', '300', '27'),
                ('Celsius to Fahrenheit', '-40', '-40'),
                ('Foots to Meters', 'abc', ''),
                ('pounds to kilograms', '2.5', ''),
                ('Centimeters to Milimeters', '12345678901234567', '1.23456789012346E+17'),
                ('Meters to Centimeters', '-1.79769313486231E+306', '-1.79769313486231E+308')]:
            with self.subTest(pair=pair, value=value):
                self.assertEqual(self.convert(pair, value), shown)

    def test_opened_on_a_question_the_window_is_filled_in_and_converts_nothing(self):
        # As a browser sends it from its address bar, through the page's search description.
        template = self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const link = document.querySelector('link[rel=search]');
            fetch(link.href).then((response) => response.text()).then((text) => done(
                new DOMParser().parseFromString(text, 'application/xml')
                    .querySelector('Url[type="text/html"]').getAttribute('template')));
        """)
        for question, category, pair, value in [
                ('-40 °F in °C', 'Temperature', 'Fahrenheit to Celsius', '-40'),
                ('5 in in cm', 'Length', 'Inches to Centimeters', '5'),
                ('lb to kg', 'Mass', 'Pounds to Kilograms', ''),
                ('2.5lb kg', 'Mass', 'Pounds to Kilograms', '2.5')]:
            with self.subTest(question=question):
                self.load(urllib.parse.urljoin(
                    self.address, template.replace('{searchTerms}', urllib.parse.quote(question))))
                self.assertTrue(self.control('radio', category).is_selected())
                self.assertEqual(self.control('combobox', 'Conversion').get_property('value'),
                                 pair)
                self.assertEqual(self.control('textbox', 'Value').get_property('value'), value)
                self.assertFalse(self.control('checkbox', 'I Accept Disclaimer').is_selected())
                self.assertEqual(self.result().get_property('textContent'), '')
        self.control('checkbox', 'I Accept Disclaimer').click()
        self.control('button', 'Convert').click()
        self.assertEqual(self.result().get_property('textContent'), '1.133980925')

    def test_a_question_that_cannot_be_read_is_said_and_leaves_the_window_as_at_start(self):
        self.load(self.address + '?q=' + urllib.parse.quote('1 ton to kg'))
        self.assertIn('no unit "ton"', self.control('alertdialog', 'Tessaly').text)
        self.control('button', 'OK').click()
        self.assertTrue(self.control('radio', 'Length').is_selected())
        for role, name in [('combobox', 'Conversion'), ('textbox', 'Value')]:
            self.assertEqual(self.control(role, name).get_property('value'), '')

    def test_each_result_shown_is_said_again_and_a_stopped_convert_says_nothing(self):
        # Everything the result's live region is given to say, in order.
        self.browser.execute_script("""
            const region = document.querySelector('[role=status]');
            window.said = [];
            new MutationObserver(() => region.textContent && window.said.push(region.textContent))
                .observe(region, {childList: true, characterData: true, subtree: true});
        """)
        self.convert('Kelvin to Celsius', '300')
        self.convert('Kelvin to Celsius', '300')
        self.convert('Kelvin to Celsius', '301', tick=False)
        self.control('button', 'OK').click()
        self.convert('Kelvin to Celsius', 'abc')
        self.assertEqual(self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            requestAnimationFrame(() => requestAnimationFrame(() => done(window.said)));
        """), ['27', '27'])

    def test_message_box_is_modal_and_leaves_the_result(self):
        self.assertEqual(self.convert('Pounds to Kilograms', '2.5'), '1.133980925')
        self.assertEqual(self.convert('Kelvin to Celsius', '300', tick=False), '1.133980925')
        dialog = self.control('alertdialog', 'Tessaly')
        self.assertTrue(dialog.get_property('open'))
        self.assertIn('Please Read and Check the Disclaimer', dialog.text)
        self.assertTrue(self.browser.execute_script(
            'return document.getElementById("message").matches(":modal")'))
        self.control('button', 'OK').click()
        self.assertFalse(dialog.get_property('open'))

    def test_list_is_empty_until_opened_then_refilled_for_the_category(self):
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, '[role=option]'), [])
        for category, count, first in [('Length', 56, 'Centimeters to Foots'),
                                       ('Mass', 30, 'Grams to Kilograms'),
                                       ('Temperature', 6, 'Celsius to Fahrenheit')]:
            self.control('radio', category).click()
            for _ in range(2):
                combo = self.control('combobox', 'Conversion')
                combo.send_keys(Keys.ALT, Keys.ARROW_DOWN)
                options = self.browser.find_elements(By.CSS_SELECTOR, '[role=option]')
                self.assertEqual((len(options), options[0].text), (count, first))
                self.assertEqual(combo.get_attribute('aria-expanded'), 'true')
                combo.send_keys(Keys.ESCAPE)
                self.assertEqual(combo.get_attribute('aria-expanded'), 'false')

    def test_enter_chooses_an_option_and_typed_text_is_kept(self):
        self.control('radio', 'Temperature').click()
        combo = self.control('combobox', 'Conversion')
        combo.send_keys('Kelvin to Celsius')
        combo.send_keys(Keys.F4)
        selected = self.browser.find_element(By.CSS_SELECTOR, '[aria-selected=true]')
        self.assertEqual(selected.text, 'Kelvin to Celsius')
        self.assertEqual(combo.get_property('value'), 'Kelvin to Celsius')
        combo.send_keys(Keys.ARROW_DOWN, Keys.ENTER)
        self.assertEqual(combo.get_property('value'), 'Kelvin to Fahrenheit')
        self.assertEqual(combo.get_attribute('aria-expanded'), 'false')

    def test_tab_runs_the_window_order_and_enter_and_esc_press_nothing(self):
        self.browser.execute_script('document.activeElement.blur()')
        stops = []
        for _ in range(7):
            ActionChains(self.browser).send_keys(Keys.TAB).perform()
            stops.append(self.browser.execute_script('return document.activeElement.id'))
        self.assertEqual(stops[:6], ['option1', 'command1', 'text1', 'combo1', 'command2', 'check1'])
        self.assertEqual(self.convert('Kelvin to Celsius', '300'), '27')
        text = self.control('textbox', 'Value')
        text.clear()
        text.send_keys('1', Keys.ENTER, Keys.ESCAPE)
        self.assertEqual(self.result().get_property('textContent'), '27')
        self.assertEqual(self.browser.execute_script(
            'return [...document.querySelectorAll("dialog")].filter((d) => d.open).length'), 0)

    def test_one_disclaimer_dialog_beside_a_window_that_still_converts(self):
        for _ in range(2):
            self.control('button', 'Disclaimer').click()
        dialogs = [dialog for dialog in self.browser.find_elements(By.TAG_NAME, 'dialog')
                   if dialog.get_property('open')]
        self.assertEqual(len(dialogs), 1)
        self.assertTrue(dialogs[0].text.startswith('Disclaimer\nThis is Freeware, by accepting'))
        self.assertEqual(self.convert('Kelvin to Celsius', '300'), '27')

    def load_controlled(self, address):
        """The page loaded, and its service worker in control of it."""
        self.load(address)
        WebDriverWait(self.browser, 10).until(lambda browser: browser.execute_script(
            'return navigator.serviceWorker.controller !== null'))

    def test_works_offline_after_the_first_visit(self):
        with served() as (server, address):
            self.load_controlled(address)
            server.shutdown()
            server.server_close()
            self.load()
            self.assertEqual(self.convert('Kelvin to Celsius', '300'), '27')
            self.load(address + '?q=' + urllib.parse.quote('300 K to °C'))
            self.assertEqual(self.control('combobox', 'Conversion').get_property('value'),
                             'Kelvin to Celsius')
        self.assertEqual(self.browser.execute_script(
            'return document.querySelector("link[rel=manifest]").href.endsWith("manifest.webmanifest")'),
            True)

    def test_a_press_before_the_module_has_loaded_is_answered_once_it_has(self):
        with served(slow='tessaly.wasm') as (_, address):
            self.browser.get(address)
            self.assertEqual(self.convert('Kelvin to Celsius', '300'), '')
            self.assertIsNone(self.browser.execute_script(
                'return document.documentElement.dataset.ready'))
            WebDriverWait(self.browser, 10).until(
                lambda browser: self.result().get_property('textContent') == '27')

    def test_a_missing_module_is_said_in_the_message_box(self):
        with site_copy() as site:
            os.remove(os.path.join(site, 'tessaly.wasm'))
            with served(site) as (_, address):
                self.browser.get(address)
                WebDriverWait(self.browser, 10).until(lambda browser: browser.execute_script(
                    'return document.getElementById("message").open'))
                self.assertIn('Tessaly could not load its converter.',
                              self.control('alertdialog', 'Tessaly').text)
                # The module's errors are the console's, and not the other tests'.
                self.browser.get_log('browser')

    def caches(self):
        """The cache names and app.css as the service worker serves them."""
        return self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            Promise.all([caches.keys(), fetch('app.css').then((response) => response.text())])
                .then(done);
        """)

    def test_a_new_build_replaces_the_old_cache(self):
        with site_copy() as site, served(site) as (_, address):
            self.load_controlled(address)
            [old], _ = self.caches()
            # The next build: one file changed, and the worker written again as the build does.
            with open(os.path.join(site, 'app.css'), 'a', encoding='utf-8') as style:
                style.write('/* the next build */\n')
            subprocess.run(['cmake', f'-DSITE={site}', f'-DTEMPLATE={WEB}/site/sw.js.in',
                            '-P', f'{WEB}/service-worker.cmake'], check=True)
            self.load(address)
            WebDriverWait(self.browser, 10).until(lambda browser: browser.execute_async_script("""
                const done = arguments[arguments.length - 1];
                navigator.serviceWorker.getRegistration().then((r) => done(r.waiting !== null));
            """))
            # The new worker takes over once no page of the old one is open; a page opened
            # again before it has may still be the old one's.
            for _ in range(10):
                self.browser.get('about:blank')
                self.load(address)
                names, style = self.caches()
                if len(names) == 1 and names != [old]:
                    break
            self.assertEqual((len(names), names == [old]), (1, False))
            self.assertTrue(style.endswith('/* the next build */\n'))

    def violations(self):
        """What axe-core finds against WCAG 2.1 A and AA in what the page shows now."""
        with open(AXE, encoding='utf-8') as axe:
            self.browser.execute_script(axe.read())
        return self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag',
                                         values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']}})
                .then((result) => done(result.violations.map((violation) =>
                    `${violation.id}: ${violation.nodes.map((node) => node.target).join(' ')}`)));
        """)

    def test_no_accessibility_violations_with_the_list_or_a_dialog_open(self):
        self.assertEqual(self.violations(), [])
        self.control('combobox', 'Conversion').send_keys(Keys.ALT, Keys.ARROW_DOWN)
        self.assertEqual(self.violations(), [])
        self.control('combobox', 'Conversion').send_keys(Keys.ESCAPE)
        self.convert('Kelvin to Celsius', '300', tick=False)
        self.assertEqual(self.violations(), [])
        self.control('button', 'OK').click()
        self.control('button', 'Disclaimer').click()
        self.assertEqual(self.violations(), [])

    def test_zoomed_or_narrow_the_whole_window_shows_works_and_passes_axe(self):
        # 200 % and 300 % zoom of an 800 by 600 window, where the window is scaled to fit, and a
        # phone 360 px wide.
        for width, height, scale, mobile in [(400, 300, 2, False), (267, 200, 3, False),
                                             (360, 640, 3, True)]:
            with self.subTest(width=width, scale=scale):
                self.browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': height, 'deviceScaleFactor': scale,
                    'mobile': mobile})
                try:
                    self.load()
                    self.assertLessEqual(self.browser.execute_script(
                        'return document.getElementById("form1").getBoundingClientRect().right'),
                        width)
                    self.assertEqual(self.convert('Kelvin to Celsius', '300'), '27')
                    self.assertEqual(self.violations(), [])
                finally:
                    self.browser.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})

    def test_dark_and_forced_colours_keep_every_text_readable_and_pass_axe(self):
        for feature, value in [('prefers-color-scheme', 'dark'), ('forced-colors', 'active')]:
            with self.subTest(feature=feature):
                self.browser.execute_cdp_cmd('Emulation.setEmulatedMedia',
                                             {'features': [{'name': feature, 'value': value}]})
                try:
                    self.load()
                    self.assertEqual(self.convert('Kelvin to Celsius', '300'), '27')
                    # Each text's contrast with what it is drawn on, where below 3 to 1.
                    self.assertEqual(self.browser.execute_script("""
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
                            '#form1 button, #form1 input[type=text], #form1 legend, '
                            + '#form1 label, #form1 .label, #label1')]
                            .map((element) => {
                                const [a, b] = [getComputedStyle(element).color, ground(element)]
                                    .map(luminance).sort((x, y) => y - x);
                                return [element.id || element.textContent, (a + 0.05) / (b + 0.05)];
                            })
                            .filter(([, ratio]) => ratio < 3);
                    """), [])
                    self.assertEqual(self.violations(), [])
                finally:
                    self.browser.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})

    def test_roles_names_and_no_policy_violation(self):
        self.assertEqual(self.browser.title, 'Tessaly')
        self.assertEqual(self.browser.execute_script('return (1.5).toLocaleString()'), '1,5')
        self.assertEqual(self.control('group', 'Type of Units').tag_name, 'fieldset')
        self.assertTrue(self.control('radio', 'Length').is_selected())
        self.assertEqual(self.browser.find_element(By.ID, 'label3').get_property('textContent'),
                         'Version      1.0')
        label5 = self.browser.find_element(By.ID, 'label5')
        label5.click()
        self.assertFalse(self.control('checkbox', 'I Accept Disclaimer').is_selected())
        problems = [entry['message'] for entry in self.browser.get_log('browser')
                    if entry['level'] == 'SEVERE']
        self.assertEqual(problems, [])


if __name__ == '__main__':
    unittest.main(verbosity=2)
