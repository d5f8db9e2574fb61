#!/usr/bin/env bash
# Redraws the page's pictures from the real page, with 2.5 pounds converted to kilograms, served
# from 127.0.0.1: in headless Chromium docs/web-page.png (a desktop browser at 100 %),
# docs/web-page-narrow.png (a phone's 360 px wide screen) and docs/web-page-dark.png (a system in
# its dark scheme); docs/web-page-webkit.png in WebKitGTK and docs/web-page-firefox.png in
# Firefox ESR, at 100 %; and docs/web-page-question.png, Chromium's page opened on the question
# "-40 °F in °C" (?q=), filled in and nothing converted.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/build-web.sh
need_packages webkit2gtk-driver firefox-esr xvfb imagemagick
npm ci --prefix tests/web --no-audit --no-fund >/dev/null
bash cmake/headless.sh -- /usr/bin/python3 - build/web/site <<'PYTHON'
import sys
import urllib.parse

sys.path.insert(0, 'tests/web')
import page_test  # noqa: E402  (reads the site's folder from its arguments)
from engines import ENGINES  # noqa: E402

pictures = {
    'chromium': [('web-page', 800, 600, 1, None), ('web-page-narrow', 360, 640, 1, None),
                 ('web-page-dark', 800, 600, 1, 'dark')],
    'webkit': [('web-page-webkit', 800, 600, 1, None)],
    'firefox': [('web-page-firefox', 800, 600, 1, None)],
}
with page_test.served() as (_, address):
    for name, shots in pictures.items():
        engine = ENGINES[name]()
        try:
            for picture, width, height, scale, scheme in shots:
                if (width, height) != (800, 600):
                    engine.emulate_device(width, height, scale, True)
                if scheme:
                    engine.emulate_media('prefers-color-scheme', scheme)
                engine.load(address)
                engine.control('radio', 'Mass').click()
                assert page_test.convert(engine, 'Pounds to Kilograms', '2.5') == '1.133980925'
                # The pointer off the buttons, which it would otherwise show hovered.
                engine.element('#label4').hover()
                engine.screenshot('main', f'docs/{picture}.png')
                print(f'docs/{picture}.png ({engine.version()})')
                if (width, height) != (800, 600):
                    engine.emulate_device(None, None, None, None)
                if scheme:
                    engine.emulate_media(None, None)
            if name == 'chromium':
                engine.load(address + '?q=' + urllib.parse.quote('-40 °F in °C'))
                engine.screenshot('main', 'docs/web-page-question.png')
                print('docs/web-page-question.png')
        finally:
            engine.quit()
PYTHON
