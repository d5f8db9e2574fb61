"""Each shell's completion as a person meets it: an interactive bash, zsh and fish on a terminal of
their own, with the script that tessaly --completion prints loaded, complete conversions (spaces
and all), unit words and options, and the line then runs. The PowerShell script, for want of a
PowerShell here, is checked for what can be checked without one.
Usage: completion_test.py PROGRAM COMPLETION_FOLDER"""
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM, SCRIPTS = sys.argv.pop(1), sys.argv.pop(1)
SHELLS = {
    'bash': (['bash', '--norc', '--noprofile', '-i'], 'source <(tessaly --completion bash)'),
    'zsh': (['zsh', '-f', '-i'],
            'autoload -Uz compinit && compinit -u -D && source <(tessaly --completion zsh)'),
    'fish': (['fish', '--no-config', '-i'], 'tessaly --completion fish | source'),
}
FILES = {'bash': 'tessaly.bash', 'zsh': '_tessaly', 'fish': 'tessaly.fish',
         'powershell': 'tessaly-completion.ps1'}
# What is typed, a tab where the shell completes; the words as completed, one argument each; and
# what the line then prints.
TYPED = [
    ('tessaly --accept-disclaimer Pounds\\ to\\ Ki\t2.5\r', ' Pounds\\ to\\ Kilograms',
     '1.133980925'),
    ('tessaly --accept-disclaimer "Kelvin to C\t 300\r', ' "Kelvin to Celsius"', '27'),
    ('tessaly --accept-disclaimer 212 fahr\tto centig\t\r', ' fahrenheit to centigrade', '100'),
    ('tessaly --li\tTe\t\r', ' --list Temperature', 'Celsius to Fahrenheit'),
]


def typed_in(shell, keys):
    """What the shell wrote to its terminal while keys were typed, waiting for it to settle after
    each tab and each line."""
    folder = tempfile.mkdtemp()
    try:
        os.mkdir(os.path.join(folder, 'bin'))
        os.symlink(os.path.abspath(PROGRAM), os.path.join(folder, 'bin', 'tessaly'))
        env = {'PATH': f'{folder}/bin:/usr/bin:/bin', 'HOME': folder, 'ZDOTDIR': folder,
               'XDG_CONFIG_HOME': folder, 'XDG_DATA_HOME': folder, 'TERM': 'xterm',
               'LANG': 'C.UTF-8'}
        argv, setup = SHELLS[shell]
        pid, terminal = pty.fork()
        if pid == 0:
            os.execvpe(argv[0], argv, env)
        said = bytearray()

        def listen(quiet=0.3, most=5):
            end = time.monotonic() + most
            while time.monotonic() < end:
                if not select.select([terminal], [], [], quiet)[0]:
                    return
                try:
                    said.extend(os.read(terminal, 65536))
                except OSError:
                    return

        listen(quiet=1)
        for part in re.split('([\t\r])', setup + '\r' + keys + 'exit\r'):
            os.write(terminal, part.encode())
            if part in '\t\r':
                listen()
        os.close(terminal)
        os.waitpid(pid, 0)
        # Without the terminal's controls, and the spaces that zsh writes and takes back.
        text = re.sub(r'\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07|\x1b[()][A-Z0-9]', '',
                      said.decode(errors='replace'))
        while ' \x08' in text:
            text = text.replace(' \x08', '')
        return text
    finally:
        shutil.rmtree(folder)


class CompletionTest(unittest.TestCase):
    def test_each_shell_completes_conversions_units_and_options(self):
        for shell in SHELLS:
            said = typed_in(shell, ''.join(keys for keys, _, _ in TYPED))
            for keys, completed, printed in TYPED:
                with self.subTest(shell=shell, keys=keys):
                    self.assertIn(completed, said)
                    self.assertRegex(said, f'[\r\n]{re.escape(printed)}\r\n', said[-2000:])

    def test_the_program_prints_the_scripts_the_packages_install(self):
        for shell, name in FILES.items():
            with open(os.path.join(SCRIPTS, name), encoding='utf-8') as script:
                printed = subprocess.run([PROGRAM, '--completion', shell], check=True,
                                         capture_output=True, text=True).stdout
                self.assertEqual(printed, script.read(), shell)

    def test_the_powershell_script_is_whole(self):
        # Its strings and comments set aside, every bracket closes in order.
        with open(os.path.join(SCRIPTS, FILES['powershell']), encoding='utf-8') as script:
            text = script.read()
        code = re.sub(r"#[^\n]*|'(?:[^']|'')*'|\"(?:[^\"`]|`.)*\"", '', text)
        opened = []
        for c in code:
            if c in '({[':
                opened.append(c)
            elif c in ')}]':
                self.assertEqual('({['[')}]'.index(c)], opened.pop() if opened else None)
        self.assertEqual(opened, [])
        self.assertIn('Register-ArgumentCompleter -Native -CommandName tessaly ', text)
        self.assertIn('--candidates', text)


if __name__ == '__main__':
    unittest.main(verbosity=2)
