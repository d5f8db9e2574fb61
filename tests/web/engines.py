"""The browser engines the page's checks run in, each behind the same small interface: Chromium and
WebKitGTK through Selenium, Firefox ESR through puppeteer-core over WebDriver BiDi. What an engine
cannot do raises Unsupported, with the reason, and the check that asked is skipped."""
import json
import os
import subprocess
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.support.ui import WebDriverWait

HERE = os.path.dirname(os.path.abspath(__file__))


class Unsupported(Exception):
    """What this engine cannot be asked to do, and why."""


class Element:
    """One element of the page, as a check handles it."""

    def __init__(self, engine, handle):
        self.engine, self.handle = engine, handle

    def click(self):
        self.engine.click(self.handle)

    def type(self, text):
        self.engine.type(self.handle, text)

    def keys(self, *keys):
        self.engine.keys(self.handle, keys)

    def hover(self):
        self.engine.hover(self.handle)

    def clear(self):
        self.engine.read(self.handle, 'element.value = ""')

    def prop(self, name):
        return self.engine.read(self.handle, f'element[{json.dumps(name)}]')

    def attr(self, name):
        return self.engine.read(self.handle, f'element.getAttribute({json.dumps(name)})')

    @property
    def text(self):
        return self.engine.read(self.handle, 'element.innerText')

    @property
    def tag(self):
        return self.engine.read(self.handle, 'element.localName')


# Keys by name, as puppeteer names them; "Alt+ArrowDown" holds Alt down for the arrow.
SPECIAL = {'Tab', 'Enter', 'Escape', 'F4', 'ArrowDown', 'ArrowUp', 'Alt+ArrowDown'}


class Engine:
    """What every engine offers the checks."""
    name = ''

    def load(self, address=None):
        """The page at address, or this one again, once it says it is ready for use."""
        if address:
            self.get(address)
        else:
            self.reload()
        self.wait_for('document.documentElement.dataset.ready === "true"')

    def control(self, role, name):
        """The one element with this computed role and accessible name."""
        found = self.by_role(role, name)
        if len(found) != 1:
            raise AssertionError(f'{len(found)} elements are {role} "{name}"')
        return Element(self, found[0])

    def element(self, css):
        found = self.find(css)
        if not found:
            raise AssertionError(f'nothing is {css}')
        return Element(self, found[0])

    def elements(self, css):
        return [Element(self, handle) for handle in self.find(css)]

    # Why this engine cannot emulate a media feature, or report its console.
    no_media = ''
    no_console = ''

    def emulate_media(self, feature, value):
        raise Unsupported(self.no_media)

    def emulate_device(self, width, height, scale, mobile):
        raise Unsupported(f'{self.name} cannot emulate a screen')

    def emulate_locale(self, locale):
        raise Unsupported('the locale override is a Chromium DevTools feature')

    def console_errors(self):
        raise Unsupported(self.no_console)

    def leave(self):
        """Leaves the page as a user who closes it does, so that nothing of it stays open."""
        self.get('about:blank')


class SeleniumEngine(Engine):
    def __init__(self, driver):
        self.driver = driver
        self.driver.set_script_timeout(20)

    def version(self):
        capabilities = self.driver.capabilities
        return f'{capabilities.get("browserName")} {capabilities.get("browserVersion")}'

    def get(self, address):
        self.driver.get(address)

    def reload(self):
        self.driver.refresh()

    def wait_for(self, expression, timeout=10):
        WebDriverWait(self.driver, timeout).until(
            lambda driver: driver.execute_script(f'return {expression}'))

    def script(self, body, *args):
        return self.driver.execute_script(body, *args)

    def script_async(self, body):
        return self.driver.execute_async_script(
            'const done = arguments[arguments.length - 1];\n' + body)

    def find(self, css):
        return self.driver.find_elements(By.CSS_SELECTOR, css)

    def by_role(self, role, name):
        def exposed_as(element):
            # WebKit answers with an error for what is not in its accessibility tree (a closed
            # dialog, a hidden list), which has no role to find it by.
            try:
                return element.aria_role, element.accessible_name
            except WebDriverException:
                return None, None
        candidates = self.find('input, button, fieldset, dialog, [role]')
        return [element for element in candidates if exposed_as(element) == (role, name)]

    def click(self, handle):
        handle.click()

    def type(self, handle, text):
        handle.send_keys(text)

    def hover(self, handle):
        ActionChains(self.driver).move_to_element(handle).perform()

    def read(self, handle, expression):
        return self.driver.execute_script(
            f'const element = arguments[0]; return {expression};', handle)

    def keys(self, handle, keys):
        names = {'Tab': Keys.TAB, 'Enter': Keys.ENTER, 'Escape': Keys.ESCAPE, 'F4': Keys.F4,
                 'ArrowDown': Keys.ARROW_DOWN, 'ArrowUp': Keys.ARROW_UP,
                 'Alt+ArrowDown': Keys.ALT + Keys.ARROW_DOWN + Keys.ALT}
        sequence = [names[key] if key in SPECIAL else key for key in keys]
        if handle is None:
            ActionChains(self.driver).send_keys(*sequence).perform()
        else:
            handle.send_keys(*sequence)

    def screenshot(self, css, path):
        self.driver.find_element(By.CSS_SELECTOR, css).screenshot(path)

    def quit(self):
        self.driver.quit()


class Chromium(SeleniumEngine):
    name = 'chromium'

    def __init__(self):
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        self.profile = tempfile.TemporaryDirectory()
        for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update',
                     '--disable-sync', '--window-size=800,600',
                     f'--user-data-dir={self.profile.name}'):
            options.add_argument(flag)
        # A page is ready for the checks when app.js says so, not at its load event, which may
        # come after a press that the page must already take.
        options.page_load_strategy = 'eager'
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        super().__init__(webdriver.Chrome(
            service=ChromeService('/usr/bin/chromedriver'), options=options))
        # A browser in German, whose decimal separator is the comma: the core alone reads and
        # writes numbers, the same in every language.
        self.emulate_locale('de-DE')

    def emulate_media(self, feature, value):
        features = [{'name': feature, 'value': value}] if feature else []
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': features})

    def emulate_device(self, width, height, scale, mobile):
        if width is None:
            self.driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
            return
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': mobile})

    def emulate_locale(self, locale):
        self.driver.execute_cdp_cmd('Emulation.setLocaleOverride', {'locale': locale})

    def console_errors(self):
        return [entry['message'] for entry in self.driver.get_log('browser')
                if entry['level'] == 'SEVERE']

    def quit(self):
        super().quit()
        self.profile.cleanup()


class WebKit(SeleniumEngine):
    """WebKitGTK's MiniBrowser under its WebDriver, on the display the run was given."""
    name = 'webkit'
    no_media = 'WebKitGTK\'s WebDriver emulates no media feature (colour scheme, forced colours)'
    no_console = 'WebKitGTK\'s WebDriver gives no console log'

    def __init__(self):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
        options.add_argument('--automation')
        options.page_load_strategy = 'eager'
        super().__init__(webdriver.WebKitGTK(
            executable_path='/usr/bin/WebKitWebDriver', options=options))
        self.driver.set_window_size(800, 600)

    def screenshot(self, css, path):
        # Its screenshot of an element comes out black; the window's is whole, and is cut down.
        box = self.driver.find_element(By.CSS_SELECTOR, css).rect
        subprocess.run(['convert', 'png:-', '-crop',
                        f'{box["width"]}x{box["height"]}+{box["x"]}+{box["y"]}', '+repage',
                        '-strip', path],
                       input=self.driver.get_screenshot_as_png(), check=True)

    def emulate_device(self, width, height, scale, mobile):
        # WebDriver sets no zoom and no phone's screen, only the window's size: a window as wide
        # in CSS pixels as the zoomed or narrow screen lays the page out the same.
        self.driver.set_window_size(width or 800, height or 600)


class Firefox(Engine):
    """Firefox ESR through puppeteer-core over BiDi (firefox_bridge.mjs)."""
    name = 'firefox'
    no_media = ('WebDriver BiDi in Firefox 153 emulates no media feature (colour scheme, forced '
                'colours); puppeteer does that over CDP alone')

    # The controls of the window, whose roles and names never change while a page lasts: BiDi's
    # accessibility locator takes a third of a second a search, so each is searched for once.
    STABLE = {'button', 'checkbox', 'combobox', 'group', 'radio', 'textbox'}

    def __init__(self):
        self.found = {}
        self.profile = tempfile.TemporaryDirectory()
        self.bridge = subprocess.Popen(
            ['node', os.path.join(HERE, 'firefox_bridge.mjs'), self.profile.name],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, cwd=HERE)

    def ask(self, command, **details):
        self.bridge.stdin.write(json.dumps({'command': command, **details}) + '\n')
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError('the Firefox bridge ended')
        answer = json.loads(line)
        if 'error' in answer:
            raise AssertionError(f'{command}: {answer["error"]}')
        return answer['value']

    def version(self):
        return self.ask('version')

    def get(self, address):
        self.found.clear()
        self.ask('goto', url=address)

    def reload(self):
        self.found.clear()
        self.ask('reload')

    def wait_for(self, expression, timeout=10):
        self.ask('waitFor', expression=expression, timeout=timeout * 1000)

    def script(self, body, *args):
        return self.ask('script', body=body, args=list(args))

    def script_async(self, body):
        return self.ask('scriptAsync', body=body)

    def find(self, css):
        return self.ask('find', css=css)

    def by_role(self, role, name):
        if (role, name) in self.found:
            return self.found[role, name]
        found = self.ask('byRole', role=role, name=name)
        if role in self.STABLE and len(found) == 1:
            self.found[role, name] = found
        return found

    def click(self, handle):
        self.ask('click', element=handle)

    def type(self, handle, text):
        self.ask('type', element=handle, text=text)

    def read(self, handle, expression):
        return self.ask('read', element=handle, expression=expression)

    def hover(self, handle):
        self.ask('hover', element=handle)

    def keys(self, handle, keys):
        self.ask('keys', element=handle,
                 keys=[{'text': key, 'special': key in SPECIAL} for key in keys])

    def screenshot(self, css, path):
        self.ask('screenshot', css=css, path=os.path.abspath(path))

    def emulate_device(self, width, height, scale, mobile):
        self.ask('viewport', width=width or 800, height=height or 600, scale=scale or 1,
                 mobile=bool(mobile))

    def console_errors(self):
        return self.ask('errors')

    def leave(self):
        # Firefox keeps a page it navigates away from in its back-forward cache, still a client
        # of its service worker; a closed tab is none.
        self.found.clear()
        self.ask('newPage')

    def quit(self):
        try:
            self.bridge.stdin.write('{"command": "quit"}\n')
            self.bridge.stdin.close()
            self.bridge.wait(timeout=20)
        finally:
            self.profile.cleanup()


ENGINES = {'chromium': Chromium, 'webkit': WebKit, 'firefox': Firefox}
