"""The page against its floor, in headless Chromium, interleaved, medians: from navigation to a
usable page over RUNS loads each, with the browser's cache and the service worker bypassed, so
that each load fetches and compiles everything as a first visit does; what a first visit
transfers, gzipped; and how long a click on Convert takes to show its result.
The floor is the page as it arrives, its window drawn, with no module: no script, no preload.
Either is usable once its window is on screen (its first contentful paint), and the page once
app.js has wired every control as well; a press before the module has loaded is answered once it
has, and when that is, "ready", is reported beside.
Usage: web.py SITE [RUNS]"""
import functools
import gzip
import http.server
import os
import shutil
import socketserver
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

site = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.js': 'text/javascript', '.wasm': 'application/wasm'}
    # Headers and body leave in two writes; with Nagle's algorithm the body would wait for the
    # browser's delayed acknowledgement of the headers, tens of milliseconds a file.
    disable_nagle_algorithm = True
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass


work = tempfile.mkdtemp()
shutil.copytree(site, os.path.join(work, 'site'))
handler = functools.partial(QuietHandler, directory=os.path.join(work, 'site'))
server = socketserver.ThreadingTCPServer(('127.0.0.1', 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
address = f'http://127.0.0.1:{server.server_address[1]}/'

options = webdriver.ChromeOptions()
options.binary_location = '/usr/bin/chromium'
for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--window-size=800,600', f'--user-data-dir={work}/profile'):
    options.add_argument(flag)
browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
browser.execute_cdp_cmd('Network.enable', {})
browser.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
browser.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})


def usable(page, ready):
    browser.get(address + page)
    WebDriverWait(browser, 10).until(lambda b: b.execute_script(ready))


# The floor: the page as it arrives, with no module: its script and the preloads of its module
# taken out.
with open(os.path.join(work, 'site', 'index.html'), encoding='utf-8') as page:
    lines = page.read().splitlines(keepends=True)
with open(os.path.join(work, 'site', 'floor.html'), 'w', encoding='utf-8') as floor:
    floor.writelines(line for line in lines
                     if not line.startswith(('<script', '<link rel="modulepreload"',
                                             '<link rel="preload"')))

# Usable: the window on screen, and on the page every control wired as well.
shown = 'performance.getEntriesByName("first-contentful-paint")[0]'
wired = 'performance.getEntriesByName("tessaly-usable")[0]'
measures = {
    'floor': ('floor.html', f'return {shown} !== undefined', f'return {shown}.startTime'),
    'page': ('', f'return {shown} !== undefined && '
                 'performance.getEntriesByName("tessaly-ready").length > 0',
             f'return Math.max({shown}.startTime, {wired}.startTime)'),
}
# When the module has loaded and the first answer can be given at once, on the same page loads.
module_ready = []
times = {name: [] for name in measures}
for _ in range(3):
    for page, ready, _when in measures.values():
        usable(page, ready)
for _ in range(runs):
    for name, (page, ready, when) in measures.items():
        usable(page, ready)
        times[name].append(browser.execute_script(when))
    module_ready.append(browser.execute_script(
        'return performance.getEntriesByName("tessaly-ready")[0].startTime'))

usable('', 'return document.documentElement.dataset.ready === "true"')
clicks = []
for _ in range(runs):
    clicks.append(browser.execute_script("""
        document.getElementById('combo1').value = 'Pounds to Kilograms';
        document.getElementById('text1').value = '2.5';
        document.getElementById('check1').checked = true;
        const start = performance.now();
        document.getElementById('command1').click();
        const took = performance.now() - start;
        return document.getElementById('label1').textContent === '1.133980925' ? took : -1;
    """))
browser.quit()
server.shutdown()

print(f'navigation to a usable page, {runs} interleaved loads each (ms):')
print(f'{"":8}{"median":>10}{"min":>10}{"max":>10}')
for name, values in times.items():
    print(f'{name:8}{statistics.median(values):10.2f}{min(values):10.2f}{max(values):10.2f}')
ratio = statistics.median(times['page']) / statistics.median(times['floor'])
print(f'page / floor: {ratio:.3f}')
print(f'{"ready":8}{statistics.median(module_ready):10.2f}{min(module_ready):10.2f}'
      f'{max(module_ready):10.2f}'
      f'   (the module loaded and started: every answer at once)')
print()
print('a first visit transfers (bytes, gzipped -9):')
total = 0
for name in ('index.html', 'app.css', 'app.js', 'tessaly.js', 'tessaly.wasm',
             'manifest.webmanifest', 'sw.js'):
    with open(os.path.join(site, name), 'rb') as file:
        size = len(gzip.compress(file.read(), 9))
    total += size
    print(f'  {name:22}{size:8}')
print(f'  {"in all":22}{total:8} ({total / 1024:.1f} KiB)')
print()
print(f'a click on Convert to its result shown: median {statistics.median(clicks):.2f} ms, '
      f'at most {max(clicks):.2f} ms over {runs} clicks')
shutil.rmtree(work, ignore_errors=True)
