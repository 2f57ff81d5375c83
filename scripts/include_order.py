#!/usr/bin/env python3
"""Checks that #include points down the order of folders the README writes down, and that no
two modules (a .cpp with its header) include each other, directly or round a longer loop.

The order is the indented block after the line "<!-- include-order -->" in README.md: one
folder a line, its name before the first run of two spaces, so no two folders use each other.
A file belongs to the longest entry that holds it; every folder with sources (tests/ and
tools/ aside) must be listed. An entry in brackets is an implementation of the floor below it:
only the first floor (the entry point) and the implementation itself include it. tests/ may
include tools/, never the other way round.
Exits 1 and names every breach; prints one line and exits 0 when the rule holds."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ('.cpp', '.h')
SKIP = ('tests/', 'tools/', 'build', 'scripts/', 'cmake/', '.git/')


def floors():
    text = (ROOT / 'README.md').read_text(encoding='utf-8').splitlines()
    start = text.index('<!-- include-order -->')
    result = []
    for line in text[start + 1:]:
        if not line.strip():
            if result:
                break
            continue
        if not line.startswith('    '):
            break
        entries = re.split(r'\s{2,}', line.strip())[0].split()
        if len(entries) != 1:
            sys.exit(f'include_order: one folder a line, not {" ".join(entries)}')
        result.append([e.rstrip('/') for e in entries])
    if not result:
        sys.exit('include_order: no order found in README.md')
    return result


def entry_of(path, order):
    """The floor and the entry (brackets kept) that hold `path`."""
    best, level = '', None
    for i, entries in enumerate(order):
        for e in entries:
            name = e.strip('[]')
            if (path == name or path.startswith(name + '/') or path.rsplit('.', 1)[0] == name) \
                    and len(name) > len(best.strip('[]')):
                best, level = e, i
    return level, best


def includes(path):
    """The line number and the target of every #include "..." in `path`."""
    for n, line in enumerate((ROOT / path).read_text(encoding='utf-8').splitlines(), 1):
        m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
        if m:
            yield n, m.group(1)


def main():
    order = floors()
    files = sorted(p.relative_to(ROOT).as_posix() for p in ROOT.rglob('*')
                   if p.suffix in SOURCES and p.is_file())
    problems = [f'{f}:{n}: includes {target}, a test'
                for f in files if f.startswith('tools/')
                for n, target in includes(f) if target.startswith('tests/')]
    files = [f for f in files if not f.startswith(SKIP)]
    known = set(files)
    edges = {}
    for f in files:
        level, entry = entry_of(f, order)
        if level is None:
            problems.append(f'{f}: in no floor of the order')
            continue
        module = f.rsplit('.', 1)[0]
        for n, target in includes(f):
            if target not in known:
                continue
            target_level, target_entry = entry_of(target, order)
            if target_level is not None and target_level < level:
                problems.append(f'{f}:{n}: includes {target}, which lies above it')
            elif target_entry.startswith('[') and target_entry != entry and level != 0:
                problems.append(f'{f}:{n}: includes {target}, an implementation')
            target_module = target.rsplit('.', 1)[0]
            if target_module != module:
                edges.setdefault(module, set()).add(target_module)

    # Loops between modules.
    state, stack = {}, []

    def visit(m):
        state[m] = 1
        stack.append(m)
        for t in sorted(edges.get(m, ())):
            if state.get(t) == 1:
                loop = stack[stack.index(t):] + [t]
                problems.append('modules include each other: ' + ' -> '.join(loop))
            elif t not in state:
                visit(t)
        stack.pop()
        state[m] = 2

    for m in sorted(edges):
        if m not in state:
            visit(m)

    for p in problems:
        print(p)
    if problems:
        return 1
    print(f'include order holds: {len(files)} files, {len(order)} floors')
    return 0


if __name__ == '__main__':
    sys.exit(main())
