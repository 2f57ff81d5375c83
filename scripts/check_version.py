#!/usr/bin/env python3
"""Checks that a built program names the commit it comes from.

    python3 scripts/check_version.py BUILD_FOLDER/Schulferien.exe GUIDE

The version resource of the .exe must carry FileVersion "1.0.0" (project(VERSION) of
CMakeLists.txt) and ProductVersion "1.0.0+g1a2b3c4" (the first seven hexadecimal digits of
the checkout's HEAD), and GUIDE (the LIESMICH.txt the build fills in for the package) the
line "Version 1.0.0 (Commit 1a2b3c4)". Outside a git checkout both show the version alone. Exits 1 and names what
differs; prints one line and exits 0 when all agree."""
import pathlib
import re
import struct
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RT_VERSION = 16


def project_version():
    text = (ROOT / 'CMakeLists.txt').read_text(encoding='utf-8')
    found = re.search(r'project\(\s*\S+\s+VERSION\s+([0-9.]+)', text)
    if not found:
        sys.exit('check_version: no project(... VERSION ...) in CMakeLists.txt')
    return found.group(1)


def head_commit():
    """The first seven digits of HEAD when ROOT is the top of a git checkout, else None."""
    try:
        lines = subprocess.run(['git', 'rev-parse', '--show-toplevel', 'HEAD'], cwd=ROOT,
                               capture_output=True, text=True, check=True).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        return None
    if len(lines) != 2 or pathlib.Path(lines[0]).resolve() != ROOT:
        return None
    return lines[1][:7]


def version_strings(exe):
    """The StringFileInfo values of the version resource of the PE file `exe`."""
    data = exe.read_bytes()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        sys.exit(f'check_version: {exe} is no PE file')
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    directories = optional + (112 if struct.unpack_from('<H', data, optional)[0] == 0x20B else 96)
    resources = struct.unpack_from('<I', data, directories + 2 * 8)[0]
    table = []
    for i in range(sections):
        size, address, raw_size, raw = struct.unpack_from('<IIII', data,
                                                          optional + optional_size + 40 * i + 8)
        table.append((address, max(size, raw_size), raw))

    def offset(rva):
        for address, size, raw in table:
            if address <= rva < address + size:
                return raw + rva - address
        sys.exit(f'check_version: {exe} has no section for address {rva:#x}')

    base = offset(resources)

    def entry(directory, wanted=None):
        """The first entry of a resource directory (or the one with id `wanted`)."""
        named, ids = struct.unpack_from('<HH', data, base + directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from('<II', data, base + directory + 16 + 8 * i)
            if wanted is None or name == wanted:
                return target & 0x7FFFFFFF
        sys.exit(f'check_version: {exe} has no version resource')

    leaf = entry(entry(entry(0, RT_VERSION)))
    rva, size = struct.unpack_from('<II', data, base + leaf)
    block = data[offset(rva):offset(rva) + size]

    values = {}

    def walk(start, end):
        while start + 6 <= end:
            length, value_length, kind = struct.unpack_from('<HHH', block, start)
            if length == 0:
                break
            key_end = start + 6
            while block[key_end:key_end + 2] != b'\0\0':
                key_end += 2
            key = block[start + 6:key_end].decode('utf-16-le')
            value = (key_end + 2 + 3) & ~3
            if kind == 1 and value_length:
                text = block[value:value + 2 * value_length].decode('utf-16-le')
                values[key] = text.split('\0', 1)[0]
            else:
                walk((value + (value_length if kind == 0 else 0) + 3) & ~3, start + length)
            start = (start + length + 3) & ~3

    walk(0, len(block))
    return values


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    exe = pathlib.Path(sys.argv[1])
    version = project_version()
    commit = head_commit()
    expected = {
        'FileVersion': version,
        'ProductVersion': f'{version}+g{commit}' if commit else version,
    }
    line = f'Version {version} (Commit {commit})' if commit else f'Version {version}'
    problems = []
    values = version_strings(exe)
    for key, wanted in expected.items():
        if values.get(key) != wanted:
            problems.append(f'{exe.name}: {key} is {values.get(key)!r}, not {wanted!r}')
    guide = pathlib.Path(sys.argv[2])
    if not guide.is_file():
        problems.append(f'{guide} is missing')
    elif line not in guide.read_text(encoding='utf-8-sig').splitlines():
        problems.append(f'{guide} has no line {line!r}')
    if problems:
        print('\n'.join(problems) + '\n(built from another commit? build again)')
        sys.exit(1)
    print(f'check_version: {exe.name} is {expected["ProductVersion"]}, and so says LIESMICH.txt')


if __name__ == '__main__':
    main()
