#!/usr/bin/env python3
"""make mutate [BASE=<rev>]: mutation testing of the portable code against the native unit tests.

Each mutant is one textual change to one line of a portable source file (the files the CMake lists
name in hs_portable_sources): a relational or equality operator turned, + and - or * and / swapped,
an integer constant off by one, a condition negated, an expression statement dropped. The unit
tests are rebuilt in build/mutate and run; a mutant they fail on is killed, one they pass survives,
one that runs too long timed out, one that does not build is not counted. Mutants listed in
tests/mutation-equivalents.txt (file, line text and mutant, with the reason they cannot change
behaviour) are not counted either. Prints each file's figures and every survivor.
With BASE, only the files changed since that revision; with FILES (paths, blank-separated), those."""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, 'build', 'mutate')
EQUIVALENTS = os.path.join(ROOT, 'tests', 'mutation-equivalents.txt')
TEST_TIMEOUT_S = 120

SWAPS = [('<=', '<'), ('>=', '>'), (' < ', ' <= '), (' > ', ' >= '), ('==', '!='), ('!=', '=='),
         (' + ', ' - '), (' - ', ' + '), (' * ', ' / '), (' / ', ' * '), ('&&', '||'), ('||', '&&')]


def portable_sources():
    files = []
    for folder, _, names in os.walk(ROOT):
        if os.path.relpath(folder, ROOT).split(os.sep)[0] in ('build', '.git', 'tests', 'bench', 'fuzz'):
            continue
        if 'CMakeLists.txt' not in names:
            continue
        text = open(os.path.join(folder, 'CMakeLists.txt'), encoding='utf-8').read()
        for block in re.findall(r'hs_portable_sources\(([^)]*)\)', text):
            for name in block.split():
                files.append(os.path.relpath(os.path.join(folder, name), ROOT))
    return sorted(files)


def code_part(line):
    """The line without its comment and string literals, or None for a line not worth mutating."""
    stripped = line.strip()
    if not stripped or stripped.startswith(('//', '#', '*', '/*')) or 'static_assert' in stripped:
        return None
    return re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: ' ' * len(m.group(0)), line.split('//')[0])


def mutants_of(line):
    code = code_part(line)
    if code is None:
        return
    for old, new in SWAPS:
        for m in re.finditer(re.escape(old), code):
            # Not the arrows of templates, includes, streams or pointers.
            if old.strip() in ('<', '>') and re.search(r'[<>]{2}|->|template|#include', code):
                continue
            yield line[:m.start()] + new + line[m.end():], f'{old.strip()} -> {new.strip()}'
    for m in re.finditer(r'(?<![\w.])(\d+)(?![\w.])', code):
        yield line[:m.start()] + str(int(m.group(1)) + 1) + line[m.end():], f'{m.group(1)} + 1'
    m = re.search(r'\bif \((.*)\)( \{| return| continue| break|$)', code)
    if m:
        yield line[:m.start(1)] + '!(' + m.group(1) + ')' + line[m.end(1):], 'condition negated'
    stripped = code.strip()
    if (stripped.endswith(';') and re.match(r'[\w:]+(\.|->|\()', stripped) and
            not re.match(r'(return|using|constexpr|const|static|auto|[\w:<>]+\s+[\w]+\s*[=({;])', stripped)):
        yield line[:len(line) - len(line.lstrip())] + ';\n', 'statement dropped'


def load_equivalents():
    if not os.path.exists(EQUIVALENTS):
        return set()
    keys = set()
    for raw in open(EQUIVALENTS, encoding='utf-8'):
        if raw.strip() and not raw.startswith('#'):
            file, text, mutation = raw.rstrip('\n').split(' | ')[:3]
            keys.add((file, text.strip(), mutation))
    return keys


def run(command, timeout=None):
    try:
        return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return None


def main():
    base = os.environ.get('BASE') or (sys.argv[1] if len(sys.argv) > 1 else '')
    files = portable_sources()
    if base:
        changed = subprocess.run(['git', 'diff', '--name-only', base, '--'] + files, cwd=ROOT,
                                 capture_output=True, text=True, check=True).stdout.split()
        files = [f for f in files if f in changed]
    if os.environ.get('FILES'):
        files = [f for f in files if f in os.environ['FILES'].split()]
    if run(['cmake', '--preset', 'native', '-B', BUILD]) != 0 or run(['cmake', '--build', BUILD, '--target', 'unit_tests']) != 0:
        sys.exit('mutate: the unit tests do not build as they are')
    tests = os.path.join(BUILD, 'tests', 'unit', 'unit_tests')
    if run([tests]) != 0:
        sys.exit('mutate: the unit tests fail as they are')
    equivalents = load_equivalents()
    totals = [0, 0, 0]
    for file in files:
        path = os.path.join(ROOT, file)
        original = open(path, encoding='utf-8').read()
        lines = original.splitlines(keepends=True)
        figures = [0, 0, 0]  # killed, survived, timed out
        survivors = []
        try:
            for number, line in enumerate(lines):
                for mutant, mutation in mutants_of(line):
                    if (file, line.strip(), mutation) in equivalents:
                        continue
                    open(path, 'w', encoding='utf-8').write(''.join(lines[:number] + [mutant] + lines[number + 1:]))
                    if run(['cmake', '--build', BUILD, '--target', 'unit_tests']) != 0:
                        continue
                    result = run([tests, '--gtest_brief=1'], timeout=TEST_TIMEOUT_S)
                    outcome = 2 if result is None else (0 if result != 0 else 1)
                    figures[outcome] += 1
                    if outcome == 1:
                        survivors.append(f'  {file}:{number + 1}: {mutation}: {line.strip()}')
        finally:
            open(path, 'w', encoding='utf-8').write(original)
        counted = sum(figures)
        score = 100.0 * (figures[0] + figures[2]) / counted if counted else 100.0
        print(f'{file}: {figures[0]} killed, {figures[1]} survived, {figures[2]} timed out ({score:.0f} %)', flush=True)
        for survivor in survivors:
            print(survivor, flush=True)
        totals = [t + f for t, f in zip(totals, figures)]
    counted = sum(totals)
    if counted:
        print(f'all: {totals[0]} killed, {totals[1]} survived, {totals[2]} timed out '
              f'({100.0 * (totals[0] + totals[2]) / counted:.0f} %)')
    run(['cmake', '--build', BUILD, '--target', 'unit_tests'])


if __name__ == '__main__':
    main()
