#!/usr/bin/env python3
"""Checks that the guides say what is true.

packaging/LIESMICH.txt: every text it quotes between » and « is one the program shows. A
quote opens with » before a non-blank character and closes with « after one. Inside it, line
breaks and indents count as one blank, and a word that holds the character … stands where
the program inserts something (a path, a name, a number, a list); the rest of that word may
show what is inserted, as in '…\\Ferientage.dat'. Everything else must be the program's own,
character for character. The program's texts are the string literals of the production
sources (every .cpp and .h outside tests/, tools/, scripts/, cmake/ and build folders),
joined where the code joins them with + (or writes them side by side), with the values of
the named text constants they use; whatever else is joined in is a place where something is
inserted. A message that the program breaks into lines with CR reads as one line with
blanks; a word broken at a line end with "-" reads whole. An "&" before a letter (the access
key of a caption) is not shown. A text that begins with an inserted part (the sentence that
Programm_abbrechen ends with "Das Programm wird beendet.") holds there each text that the
code hands to that function.
Underlines of =, - or ~ are as long as the heading above them. Every section (a heading
underlined with -) is numbered, from 1 on in order; every "Abschnitt N" names one of them,
and the subsection it may name after it ('Abschnitt 7, "Name"') is in that section; every
'siehe "Name"' names a subsection.

README.md: every file and folder that a table names in `backticks` (a name with a "/" or
the extension of a source file) exists, in the checkout or in the folder of its row. The
presets table lists every configure preset of CMakePresets.json (hidden ones aside) once,
its last column "yes" where the preset has a test preset and "no" where not; every preset
that a command of the README names (cmake --preset, cmake --build --preset, ctest --preset,
cmake --workflow --preset) is one of that kind.

Exits 1 and names every breach; prints one line and exits 0 when the guides hold."""
import json
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
GUIDE = 'packaging/LIESMICH.txt'
SKIP = ('tests/', 'tools/', 'scripts/', 'cmake/', 'build', '.git/', 'out/')
HOLE = '\uE000'  # where the program inserts something
SEPARATORS = {',', ';', '=', '?', ':', '<<', '>>', '+=', '==', '!=', '&&', '||', 'return',
              'throw', 'case'}
OPEN = {'(': ')', '[': ']', '{': '}'}
SOURCE_SUFFIXES = ('.h', '.cpp', '.py', '.sh', '.cmake', '.json', '.md', '.txt', '.rc', '.in')

TOKEN = re.compile(r'''
    (?P<blank>\s+|//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^()\\\s]{0,16})\((?P<rawtext>.*?)\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*")
  | (?P<char>(?:u8|u|U|L)?'(?:[^'\\\n]|\\.)*')
  | (?P<name>[A-Za-z_]\w*)
  | (?P<number>\.?\d(?:[\w.']|[eEpP][+-])*)
  | (?P<punct>::|->|<<=|>>=|<<|>>|\+\+|--|\+=|-=|==|!=|<=|>=|&&|\|\||\#\#|[^\s\w])
''', re.X | re.S)

ESCAPES = {'n': '\n', 'r': '\r', 't': '\t', '\\': '\\', '"': '"', "'": "'", '?': '?',
           'a': '\a', 'b': '\b', 'f': '\f', 'v': '\v', '0': '\0'}


def unescape(body):
    def one(m):
        e = m.group(1)
        if e[0] == 'x':
            return chr(int(e[1:], 16))
        if e[0] in 'uU':
            return chr(int(e[1:], 16))
        if e[0] in '01234567' and len(e) > 1:
            return chr(int(e, 8))
        return ESCAPES.get(e, e)
    return re.sub(r'\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|[0-7]{1,3}|.)', one, body)


class Literal(str):
    """A string literal's value, told apart from other tokens."""


def tokens(text):
    result = []
    for m in TOKEN.finditer(text):
        kind = m.lastgroup
        if kind in ('blank', 'delim', 'rawtext'):
            continue
        if kind == 'raw':
            value = Literal(m.group('rawtext'))
        elif kind == 'string':
            value = Literal(unescape(m.group()[m.group().index('"') + 1:-1]))
        else:
            value = m.group()
        # Literals side by side are one literal.
        if isinstance(value, Literal) and result and isinstance(result[-1], Literal):
            result[-1] = Literal(result[-1] + value)
        else:
            result.append(value)
    return result


def nest(toks):
    """The tokens as a tree: a bracketed group is a tuple (opening, [contents])."""
    stack = [[]]
    openers = []
    for t in toks:
        if not isinstance(t, Literal) and t in OPEN:
            openers.append(t)
            stack.append([])
        elif not isinstance(t, Literal) and t in OPEN.values() and openers:
            group = (openers.pop(), stack.pop())
            stack[-1].append(group)
        else:
            stack[-1].append(t)
    while len(stack) > 1:  # an unbalanced file: close what is open
        group = (openers.pop(), stack.pop())
        stack[-1].append(group)
    return stack[0]


def split(items, at):
    parts, current = [], []
    for item in items:
        if isinstance(item, str) and not isinstance(item, Literal) and item in at:
            parts.append(current)
            current = []
        else:
            current.append(item)
    parts.append(current)
    return parts


class Hole(str):
    """A piece the program inserts; `name` is the variable it comes from, if it is one."""

    def __new__(cls, name=None):
        hole = super().__new__(cls, HOLE)
        hole.name = name
        return hole


KEYWORDS = {'if', 'for', 'while', 'switch', 'catch', 'return', 'sizeof', 'decltype', 'throw'}


def is_name(item):
    return isinstance(item, str) and not isinstance(item, Literal) and \
        re.fullmatch(r'[A-Za-z_]\w*', item) is not None and item not in KEYWORDS


class Texts:
    def __init__(self):
        self.constants = {}  # name -> set of values
        self.chains = []     # lists of pieces: texts and Holes
        self.wrappers = {}   # function -> its chains that begin with its parameter
        self.arguments = {}  # function -> the chains handed to it as first argument

    def constant(self, name):
        values = self.constants.get(name, set())
        return next(iter(values)) if len(values) == 1 else None

    def operand(self, items):
        """The alternatives of one operand of +, each a list of pieces."""
        if len(items) == 1 and isinstance(items[0], Literal):
            return [[str(items[0])]]
        if items and all(is_name(n) if k % 2 == 0 else n == '::' for k, n in enumerate(items)):
            value = self.constant(items[-1])
            return [[value]] if value is not None else [[Hole(items[0])]]
        if len(items) == 4 and items[:3] == ['std', '::', 'string'] and \
                isinstance(items[3], tuple) and items[3][0] in '({':
            inner = self.chain(items[3][1])
            if inner and not any(isinstance(p, Hole) for alt in inner for p in alt):
                return inner
        if len(items) == 1 and isinstance(items[0], tuple) and items[0][0] == '(':
            content = items[0][1]
            parts = split(content, {'?'})
            if len(parts) == 2:
                branches = split(parts[1], {':'})
                if len(branches) == 2:
                    return self.chain(branches[0]) + self.chain(branches[1])
            return self.chain(content) or [[Hole()]]
        return [[Hole()]]

    def chain(self, items):
        """The alternatives of a run of operands joined by +."""
        alternatives = [[]]
        for part in split(items, {'+'}):
            if not part:
                continue
            alternatives = [a + b for a in alternatives for b in self.operand(part)][:64]
        return [a for a in alternatives if a]

    def walk(self, items):
        for run in split(items, SEPARATORS):
            for alternative in self.chain(run):
                if any(not isinstance(p, Hole) for p in alternative):
                    self.chains.append(alternative)
            bodies = set()
            for k, item in enumerate(run):
                if not isinstance(item, tuple) or id(item) in bodies:
                    continue
                function = run[k - 1] if k > 0 and is_name(run[k - 1]) else None
                if item[0] == '(' and function:
                    first = split(item[1], {','})[0]
                    self.arguments.setdefault(function, []).extend(self.chain(first))
                    # A definition: the parameters, then the body in braces.
                    body = next((i for i in run[k + 1:] if isinstance(i, tuple)), None)
                    if body and body[0] == '{':
                        bodies.add(id(body))
                        parameters = {[n for n in split(p, {'='})[0] if is_name(n)][-1]
                                      for p in split(item[1], {','})
                                      if any(is_name(n) for n in split(p, {'='})[0])}
                        before = len(self.chains)
                        self.walk(body[1])
                        self.wrappers.setdefault(function, []).extend(
                            text for text in self.chains[before:]
                            if isinstance(text[0], Hole) and text[0].name in parameters)
                self.walk(item[1])

    def composed(self):
        """The texts that a function makes of a text handed to it: Programm_abbrechen's."""
        for function, wrappers in self.wrappers.items():
            for wrapper in wrappers:
                for argument in self.arguments.get(function, []):
                    if any(not isinstance(p, Hole) for p in argument):
                        yield argument + wrapper[1:]

    def definitions(self, items):
        """Named text constants: `const ... NAME = literals and constants;`."""
        for statement in split(items, {';'}):
            for k, item in enumerate(statement):
                if item == '=' and not isinstance(item, Literal) and k > 0 and \
                        is_name(statement[k - 1]) and \
                        ('const' in statement[:k] or 'constexpr' in statement[:k]):
                    value = self.chain(statement[k + 1:])
                    if len(value) == 1 and not any(isinstance(p, Hole) for p in value[0]):
                        self.constants.setdefault(statement[k - 1], set()).add(
                            ''.join(value[0]))
            for item in statement:
                if isinstance(item, tuple):
                    self.definitions(item[1])


def normal(text):
    """Line breaks and runs of blanks as one blank; a word broken with "-" whole."""
    text = re.sub(r'-\r+(?=[a-zäöüß])', '', text)
    return re.sub(r'\s+', ' ', text)


def program_texts():
    trees = []
    for path in sorted(ROOT.rglob('*')):
        relative = path.relative_to(ROOT).as_posix()
        if path.suffix in ('.cpp', '.h') and path.is_file() and not relative.startswith(SKIP):
            trees.append(nest(tokens(path.read_text(encoding='utf-8'))))
    texts = Texts()
    for _ in range(3):  # constants made of other constants
        for tree in trees:
            texts.definitions(tree)
    for tree in trees:
        texts.walk(tree)
    rendered = {re.sub(HOLE + '+', HOLE, ''.join(pieces))
                for pieces in texts.chains + list(texts.composed())}
    result = set()
    for t in rendered:
        result.add(normal(t))
        result.add(normal(re.sub(r'&(?=\w)', '', t)))
    return result


def quote_pattern(quote):
    parts = []
    for word in re.split(r'(\s+)', quote):
        if not word:
            continue
        if word.isspace():
            parts.append(' ')
        elif '…' in word:
            parts.append(r'\S*' + HOLE + r'\S*')
        else:
            parts.append(re.escape(word))
    return re.compile(''.join(parts))


def check_guide(problems):
    text = (ROOT / GUIDE).read_bytes().decode('utf-8-sig')
    lines = text.replace('\r\n', '\n').split('\n')
    for number, line in enumerate(lines, 1):
        if number > 1 and re.fullmatch(r'([=~-])\1+', line) and lines[number - 2].strip() \
                and len(line) != len(lines[number - 2]):
            problems.append(f'{GUIDE}:{number}: underline of {len(line)} characters under '
                            f'a heading of {len(lines[number - 2])}')
    check_sections(lines, problems)
    flat = '\n'.join(lines)
    quotes = list(re.finditer(r'»(?=\S)(.*?)(?<=\S)«', flat, re.S))
    opened = len(re.findall(r'»(?=\S)', flat))
    closed = len(re.findall(r'(?<=\S)«', flat))
    if not quotes:
        problems.append(f'{GUIDE}: quotes no text of the program between » and «')
    if opened != len(quotes) or closed != len(quotes):
        problems.append(f'{GUIDE}: {opened} » and {closed} « make {len(quotes)} quotes')
    texts = program_texts()
    for m in quotes:
        quote = normal(m.group(1))
        pattern = quote_pattern(quote)
        if not any(pattern.search(t) for t in texts):
            number = flat.count('\n', 0, m.start()) + 1
            problems.append(f'{GUIDE}:{number}: the program shows no text »{quote}«')
    return len(quotes)


def check_sections(lines, problems):
    """Sections numbered in order, and references that lead to them."""
    sections = {}  # number -> (first line, last line), 0-based
    starts = []
    for k in range(1, len(lines)):
        if re.fullmatch(r'-+', lines[k]) and lines[k - 1].strip():
            heading = re.fullmatch(r'(\d+)\. \S.*', lines[k - 1])
            if not heading or int(heading.group(1)) != len(starts) + 1:
                problems.append(f'{GUIDE}:{k}: section "{lines[k - 1]}" is not number '
                                f'{len(starts) + 1}')
            starts.append((len(starts) + 1, k - 1))
    for n, (number, start) in enumerate(starts):
        end = starts[n + 1][1] if n + 1 < len(starts) else len(lines)
        sections[number] = (start, end)
    # Subsections: a label on a line of its own, or a heading underlined with ~, either
    # perhaps with a remark in brackets.
    flat = '\n'.join(lines)

    def subsection(name, within=(0, len(lines))):
        return any(lines[k] == name or lines[k].startswith(name + ' (') for k in range(*within))

    for m in re.finditer(r'Abschnitt\s+(\d+)(?:,\s+"([^"]+)")?', flat):
        number = flat.count('\n', 0, m.start()) + 1
        if int(m.group(1)) not in sections:
            problems.append(f'{GUIDE}:{number}: there is no section {m.group(1)}')
        elif m.group(2) and not subsection(m.group(2), sections[int(m.group(1))]):
            problems.append(f'{GUIDE}:{number}: section {m.group(1)} has no "{m.group(2)}"')
    for m in re.finditer(r'siehe\s+"([^"]+)"', flat):
        if not subsection(m.group(1)):
            problems.append(f'{GUIDE}:{flat.count(chr(10), 0, m.start()) + 1}: '
                            f'no subsection "{m.group(1)}"')


def check_presets(text, problems):
    """The presets table and the preset commands against CMakePresets.json."""
    presets = json.loads((ROOT / 'CMakePresets.json').read_text(encoding='utf-8'))
    kinds = {kind: {p['name'] for p in presets.get(f'{kind}Presets', []) if not p.get('hidden')}
             for kind in ('configure', 'build', 'test', 'workflow')}
    listed = {}
    for number, line in enumerate(text.splitlines(), 1):
        row = re.fullmatch(r'\| `([\w-]+)` \|.*\| (yes|no) \|', line)
        if row:
            name, tested = row.groups()
            if name in listed:
                problems.append(f'README.md:{number}: preset {name} listed twice')
            listed[name] = number
            if name not in kinds['configure']:
                problems.append(f'README.md:{number}: there is no configure preset {name}')
            elif (tested == 'yes') != (name in kinds['test']):
                problems.append(f'README.md:{number}: preset {name} has '
                                f'{"a" if name in kinds["test"] else "no"} test preset')
    for name in sorted(kinds['configure'] - set(listed)):
        problems.append(f'README.md: the presets table lacks {name}')
    commands = r'(cmake --build|cmake --workflow|ctest|cmake)\s+--preset[= ]([\w-]+)'
    kind_of = {'cmake': 'configure', 'cmake --build': 'build', 'ctest': 'test',
               'cmake --workflow': 'workflow'}
    for m in re.finditer(commands, text):
        kind = kind_of[m.group(1)]
        if m.group(2) not in kinds[kind]:
            problems.append(f'README.md:{text.count(chr(10), 0, m.start()) + 1}: '
                            f'there is no {kind} preset {m.group(2)}')
    return len(listed)


def check_readme(problems):
    count = 0
    for number, line in enumerate((ROOT / 'README.md').read_text(encoding='utf-8')
                                  .splitlines(), 1):
        if not line.startswith('|') or re.fullmatch(r'[|\s:-]+', line):
            continue
        cells = line.strip('|').split('|')
        row = re.findall(r'`([^`]+)`', cells[0])
        for name in re.findall(r'`([^`]+)`', line):
            if '/' not in name and not name.endswith(SOURCE_SUFFIXES):
                continue
            count += 1
            places = [ROOT / name] + [ROOT / folder / name for folder in row]
            if not any(p.exists() for p in places):
                problems.append(f'README.md:{number}: `{name}` names no file or folder')
    return count


def main():
    problems = []
    quotes = check_guide(problems)
    names = check_readme(problems)
    presets = check_presets((ROOT / 'README.md').read_text(encoding='utf-8'), problems)
    if problems:
        print('\n'.join(problems))
        sys.exit(1)
    print(f'check_guides: {quotes} quotes in {GUIDE} are the program\'s texts, '
          f'{names} names in the tables of README.md exist, its {presets} presets are '
          f'those of CMakePresets.json')


if __name__ == '__main__':
    main()
