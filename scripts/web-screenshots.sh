#!/usr/bin/env bash
# Redraws docs/web-page.png (a desktop browser at 100 %), docs/web-page-narrow.png (a phone's
# 360 px wide screen) and docs/web-page-dark.png (a system in its dark scheme) from the real page
# in headless Chromium, with 2.5 pounds converted to kilograms, served from 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh
/usr/bin/python3 - build/web/site <<'PYTHON'
import sys
import tempfile

sys.path.insert(0, 'tests/web')
import page_test  # noqa: E402  (reads the site's folder from its arguments)


class Pictures(page_test.PageTest):
    def test_pictures(self):
        for name, size, scheme in [('web-page', (800, 600), 'light'),
                                   ('web-page-narrow', (360, 640), 'light'),
                                   ('web-page-dark', (800, 600), 'dark')]:
            self.browser.set_window_size(*size)
            self.browser.execute_cdp_cmd('Emulation.setEmulatedMedia', {
                'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})
            self.load(self.address)
            self.control('radio', 'Mass').click()
            self.assertEqual(self.convert('Pounds to Kilograms', '2.5'), '1.133980925')
            self.browser.find_element(page_test.By.TAG_NAME, 'main').screenshot(
                f'docs/{name}.png')
            print(f'docs/{name}.png')


page_test.unittest.main(argv=['web-screenshots', 'Pictures.test_pictures'])
PYTHON
