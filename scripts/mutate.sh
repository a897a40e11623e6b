#!/usr/bin/env bash
# Mutation check for developers: makes one-line mutants of the named source
# files (a relational, arithmetic or logical operator swapped, a whole-number
# constant one up or down, a statement deleted), builds each in build-mutate/
# and runs the native test programs that cover the file against it. Prints
# the survivors (file:line and the mutant line) and the share killed; a
# mutant that does not build (warnings are errors, as in every build) is left
# out of the count. Survivors are worth a
# look, not all a fault of the tests: some mutants change nothing.
#
#   scripts/mutate.sh [--since REF] FILE...
#
# --since REF mutates only the lines changed since REF. The test programs are
# tests/<folder> for every folder whose tests include the file's header, and
# the file's own folder; VANTOR_MUTATE_TESTS="platform game" names them
# instead. Each mutant gets VANTOR_MUTATE_TIMEOUT seconds to build (300) and
# three times the unmutated run's time to pass its tests.
#
# No mutation tool for C++ comes from Debian's packages or the npm registry,
# hence this one; it restores every file it changed, even when interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd .. && pwd)}
cmake -S . -B build-mutate -DVANTOR_WERROR=ON -DVANTOR_BENCH=OFF > /dev/null
exec python3 - "$@" <<'PY'
import os, re, signal, subprocess, sys, time

BUILD = 'build-mutate'
BUILD_TIMEOUT = int(os.environ.get('VANTOR_MUTATE_TIMEOUT', '300'))

args = sys.argv[1:]
since = None
if args[:1] == ['--since']:
    since, args = args[1], args[2:]
if not args:
    sys.exit('usage: scripts/mutate.sh [--since REF] FILE...')

SWAPS = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==',
         '+': '-', '-': '+', '*': '/', '/': '*', '%': '/', '&&': '||', '||': '&&'}
OPERATOR = re.compile(r'(?<= )(<=|>=|==|!=|&&|\|\||[<>+\-*/%])(?= )')
NUMBER = re.compile(r'(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*)(?![\w.])')
NOT = re.compile(r'!(?=[\w(])')
DECLARATION = re.compile(r'^(return\b|const\b|constexpr\b|static\b|auto\b|bool\b|char\b|int\b|long\b|'
                         r'unsigned\b|double\b|float\b|size_t\b|u?int\d+_t\b|using\b|std::\w+|[A-Z]\w*[&*]? \w)')


def code_part(line):
    """The line with string and character literals blanked and its comment cut."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == '\\':
                out.append('  ')
                i += 2
                continue
            out.append(c if c == quote else ' ')
            quote = None if c == quote else quote
        elif c in '"\'':
            quote = c
            out.append(c)
        elif line.startswith('//', i):
            break
        else:
            out.append(c)
        i += 1
    return ''.join(out)


def mutants(lines, wanted):
    """(line number, mutant line) pairs, in file order."""
    previous = '{'
    for number, line in enumerate(lines, 1):
        code = code_part(line)
        stripped = code.strip()
        if not stripped or stripped.startswith('#'):
            continue
        if number in wanted:
            made = []
            for m in OPERATOR.finditer(code):
                made.append(line[:m.start()] + SWAPS[m.group(1)] + line[m.end():])
            for m in NOT.finditer(code):
                if not code.startswith('=', m.end()):
                    made.append(line[:m.start()] + line[m.end():])
            for m in NUMBER.finditer(code):
                value = int(m.group(1), 0)
                for other in (value + 1, value - 1):
                    if other >= 0:
                        text = hex(other) if m.group(1)[:2].lower() == '0x' else str(other)
                        made.append(line[:m.start(1)] + text + line[m.end(1):])
            whole = previous[-1:] in ';{}:' and stripped.endswith(';')
            if whole and not DECLARATION.match(stripped) and '{' not in stripped and stripped[0] != '}':
                made.append(line[:len(line) - len(line.lstrip())] + ';\n')
            for mutant in dict.fromkeys(made):
                if mutant != line:
                    yield number, mutant
        previous = stripped


def changed_lines(path):
    if since is None:
        return None
    diff = subprocess.run(['git', 'diff', '-U0', since, '--', path], capture_output=True, text=True,
                          check=True).stdout
    lines = set()
    for m in re.finditer(r'^@@ -\S+ \+(\d+)(?:,(\d+))? @@', diff, re.M):
        start, count = int(m.group(1)), int(m.group(2) or 1)
        lines.update(range(start, start + count))
    return lines


def test_folders(path):
    if os.environ.get('VANTOR_MUTATE_TESTS'):
        return os.environ['VANTOR_MUTATE_TESTS'].split()
    relative = os.path.relpath(path, 'src')
    header = os.path.splitext(relative)[0] + '.h'
    folders = {relative.split(os.sep)[0]} & set(os.listdir('tests'))
    for folder in os.listdir('tests'):
        for root, _, files in os.walk(os.path.join('tests', folder)):
            for name in files:
                if name.endswith(('.cpp', '.h')):
                    with open(os.path.join(root, name), errors='replace') as f:
                        if f'#include "{header}"' in f.read():
                            folders.add(folder)
    return sorted(f for f in folders if os.path.isdir(os.path.join('tests', f)))


def succeeds(command, timeout):
    """True when the command ends well in time; else it ends with all it started."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return process.wait(timeout) == 0
    except subprocess.TimeoutExpired:
        return False
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def build(folders, timeout):
    return succeeds(['cmake', '--build', BUILD, '-j2', *[a for f in folders for a in ('--target', 'tests_' + f)]],
                    timeout)


def passes(folders, timeout):
    return succeeds(['ctest', '--test-dir', BUILD, '-R', '^(' + '|'.join(folders) + ')$', '-j2'], timeout)


def check(path):
    with open(path) as f:
        original = f.read()
    lines = original.splitlines(keepends=True)
    wanted = changed_lines(path)
    folders = test_folders(path)
    found = list(mutants(lines, wanted if wanted is not None else range(1, len(lines) + 1)))
    print(f'{path}: {len(found)} mutants, against tests {" ".join(folders)}', flush=True)
    if not found:
        return 0, 0, []
    if not build(folders, 3600):
        sys.exit(f'{path}: the unmutated tests do not build')
    began = time.monotonic()
    if not passes(folders, 3600):
        sys.exit(f'{path}: the unmutated tests fail')
    limit = int(3 * (time.monotonic() - began)) + 10
    killed = built = 0
    survivors = []
    try:
        for number, mutant in found:
            with open(path, 'w') as f:
                f.write(''.join(lines[:number - 1]) + mutant + ''.join(lines[number:]))
            if not build(folders, BUILD_TIMEOUT):
                verdict = 'does not build'
            else:
                built += 1
                dead = not passes(folders, limit)
                killed += dead
                verdict = 'killed' if dead else 'SURVIVED'
                if not dead:
                    survivors.append(f'{path}:{number}: {mutant.strip()}')
            print(f'  {verdict:14} {path}:{number}: {mutant.strip()}', flush=True)
    finally:
        with open(path, 'w') as f:
            f.write(original)
    return killed, built, survivors


signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # restores the file on the way out
total_killed = total_built = 0
all_survivors = []
for path in args:
    killed, built, survivors = check(path)
    total_killed += killed
    total_built += built
    all_survivors += survivors
print('\nSurvivors:' if all_survivors else '\nNo survivors.')
for line in all_survivors:
    print('  ' + line)
if total_built:
    print(f'Killed {total_killed} of {total_built} mutants that built '
          f'({100 * total_killed / total_built:.0f}%).')
PY
