#!/usr/bin/env python3
"""Reads the resources back out of Install.exe and checks them against the control table.

The resource script turns each row of dialog/setup_controls.def into a CONTROL statement by
macros; this check proves that the compiled dialog template holds exactly what the table says:
ids, order, classes, styles (visibility and tab stops included), geometry and texts (UTF-16).
It also checks the dialog's own header, the program icon and the manifest.

    check-template.py Install.exe dialog/setup_controls.def [--dump]

Exits 1 and names every difference when they disagree. Python 3 standard library only.
"""
import re
import struct
import sys

RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_MANIFEST = 3, 5, 14, 24
DIALOG_ID, ICON_ID, MANIFEST_ID = 102, 128, 1

WS_POPUP, WS_CHILD, WS_VISIBLE = 0x80000000, 0x40000000, 0x10000000
WS_CAPTION, WS_BORDER, WS_VSCROLL = 0x00C00000, 0x00800000, 0x00200000
WS_SYSMENU, WS_TABSTOP = 0x00080000, 0x00010000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
WS_EX_APPWINDOW = 0x00040000
BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_GROUPBOX, BS_DEFPUSHBUTTON, BS_MULTILINE = 0, 3, 7, 1, 0x2000
SS_LEFT, ES_AUTOHSCROLL, ES_READONLY, CBS_DROPDOWNLIST, CBS_SORT = 0, 0x80, 0x800, 3, 0x100
DEFAULT_CHARSET = 1

# Predefined classes a template may name by ordinal.
ORDINAL_CLASSES = {0x80: 'button', 0x81: 'edit', 0x82: 'static', 0x83: 'listbox',
                   0x84: 'scrollbar', 0x85: 'combobox'}

# What each kind of the control table must compile to: class and style bits of its own.
KINDS = {
    'PUSH': ('button', BS_PUSHBUTTON),
    'PUSH_MULTILINE': ('button', BS_PUSHBUTTON | BS_MULTILINE),
    'CHECK': ('button', BS_AUTOCHECKBOX),
    'GROUP': ('button', BS_GROUPBOX),
    'LABEL': ('static', SS_LEFT),
    'EDIT': ('edit', ES_AUTOHSCROLL | WS_BORDER),
    'READONLY_EDIT': ('edit', ES_AUTOHSCROLL | ES_READONLY),
    'DROPDOWN': ('combobox', CBS_DROPDOWNLIST | WS_VSCROLL),
    'PROGRESS': ('msctls_progress32', WS_BORDER),
    'IPADDRESS': ('sysipaddress32', 0),
}


# ---- The executable's resources -----------------------------------------------------------

class Resources:
    """The resource tree of a PE file: (type, name) -> (language, bytes) of each resource."""

    def __init__(self, image):
        self.image = image
        pe = struct.unpack_from('<I', image, 0x3C)[0]
        if image[pe:pe + 4] != b'PE\0\0':
            raise ValueError('not a PE file')
        sections, optional_size = struct.unpack_from('<H12xH', image, pe + 6)
        optional = pe + 24
        if struct.unpack_from('<H', image, optional)[0] != 0x10B:
            raise ValueError('not a 32-bit program')
        self.rsrc_rva = struct.unpack_from('<I', image, optional + 96 + 2 * 8)[0]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            vsize, vaddr, rawsize, rawptr = struct.unpack_from('<IIII', image, table + 40 * i + 8)
            self.sections.append((vaddr, max(vsize, rawsize), rawptr))
        self.entries = {}
        if self.rsrc_rva:
            self._walk(0, [])

    def offset(self, rva):
        for vaddr, size, rawptr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rawptr + rva - vaddr
        raise ValueError('address %#x is in no section' % rva)

    def _name(self, value):
        if value & 0x80000000:
            at = self.offset(self.rsrc_rva) + (value & 0x7FFFFFFF)
            length = struct.unpack_from('<H', self.image, at)[0]
            return self.image[at + 2:at + 2 + 2 * length].decode('utf-16-le')
        return value

    def _walk(self, directory, path):
        base = self.offset(self.rsrc_rva)
        named, numbered = struct.unpack_from('<12xHH', self.image, base + directory)
        for i in range(named + numbered):
            name, target = struct.unpack_from('<II', self.image, base + directory + 16 + 8 * i)
            key = path + [self._name(name)]
            if target & 0x80000000:
                self._walk(target & 0x7FFFFFFF, key)
            else:
                rva, size = struct.unpack_from('<II', self.image, base + target)
                at = self.offset(rva)
                self.entries.setdefault((key[0], key[1]), []).append(
                    (key[2], self.image[at:at + size]))

    def get(self, kind, name):
        found = self.entries.get((kind, name))
        return found[0] if found else (None, None)


# ---- Dialog templates ---------------------------------------------------------------------

class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, fmt):
        values = struct.unpack_from('<' + fmt, self.data, self.at)
        self.at += struct.calcsize('<' + fmt)
        return values if len(values) > 1 else values[0]

    def align(self):
        self.at = (self.at + 3) & ~3

    def text(self):
        end = self.at
        while self.data[end:end + 2] != b'\0\0':
            end += 2
        raw = self.data[self.at:end]
        self.at = end + 2
        return raw.decode('utf-16-le')

    def name_or_ordinal(self):
        first = struct.unpack_from('<H', self.data, self.at)[0]
        if first == 0:
            self.at += 2
            return ''
        if first == 0xFFFF:
            self.at += 2
            return self.take('H')
        return self.text()


def read_dialog(data):
    r = Reader(data)
    version, signature = r.take('HH')
    if (version, signature) != (1, 0xFFFF):
        raise ValueError('not an extended dialog template')
    d = {}
    d['help'], d['exstyle'], d['style'], count = r.take('IIIH')
    d['rect'] = r.take('hhhh')
    d['menu'] = r.name_or_ordinal()
    d['class'] = r.name_or_ordinal()
    d['caption'] = r.text()
    if d['style'] & DS_SETFONT:
        d['points'], d['weight'], d['italic'], d['charset'] = r.take('HHBB')
        d['face'] = r.text()
    d['controls'] = []
    for _ in range(count):
        r.align()
        c = {}
        c['help'], c['exstyle'], c['style'] = r.take('III')
        c['rect'] = r.take('hhhh')
        c['id'] = r.take('I')
        cls = r.name_or_ordinal()
        c['class'] = ORDINAL_CLASSES.get(cls, cls) if isinstance(cls, int) else cls.lower()
        c['text'] = r.name_or_ordinal()
        extra = r.take('H')
        c['extra'] = extra
        r.at += extra
        d['controls'].append(c)
    return d


# ---- The control table ----------------------------------------------------------------------

def read_table(path):
    """The SETUP_CONTROL rows of the .def file, comments removed, texts unquoted."""
    source = open(path, encoding='utf-8').read()
    source = re.sub(r'/\*.*?\*/', '', source, flags=re.S)
    source = re.sub(r'//[^\n]*', '', source)
    token = r'\s*("(?:[^"\\]|\\.)*"|[^,()]+?)\s*'
    row = re.compile(r'SETUP_CONTROL\(' + ','.join([token] * 9) + r'\)')
    rows = []
    for m in row.finditer(source):
        f = m.groups()
        text = '' if f[2] == 'NO_TEXT' else f[2][1:-1]
        rows.append({'id': int(f[0], 0), 'kind': f[1], 'text': text,
                     'rect': tuple(int(v, 0) for v in f[3:7]), 'start': f[7], 'tab': f[8]})
    return rows


def expected_style(row):
    style = WS_CHILD | KINDS[row['kind']][1]
    if row['start'] == 'SHOWN':
        style |= WS_VISIBLE
    if row['tab'] == 'TAB':
        style |= WS_TABSTOP
    return style


# ---- The check ------------------------------------------------------------------------------

def check(exe_path, table_path, dump):
    problems = []

    def expect(what, got, want):
        if got != want:
            problems.append('%s: %r, expected %r' % (what, got, want))

    resources = Resources(open(exe_path, 'rb').read())
    rows = read_table(table_path)
    expect('rows in the control table', len(rows), 31)

    language, data = resources.get(RT_DIALOG, DIALOG_ID)
    if data is None:
        print('%s: no dialog template %d' % (exe_path, DIALOG_ID))
        return 1
    d = read_dialog(data)
    expect('dialog style', hex(d['style']), hex(DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION
                                                | WS_SYSMENU | DS_SETFONT))
    expect('dialog extended style', hex(d['exstyle']), hex(WS_EX_APPWINDOW))
    expect('dialog rectangle', d['rect'], (0, 0, 213, 250))
    expect('dialog caption', d['caption'], 'Printer Driver Setup')
    expect('dialog menu', d['menu'], '')
    expect('dialog class', d['class'], '')
    expect('dialog font', (d.get('points'), d.get('face'), d.get('weight'), d.get('italic'),
                           d.get('charset')), (9, '굴림', 0, 0, DEFAULT_CHARSET))
    expect('controls in the template', len(d['controls']), len(rows))

    for i, (row, c) in enumerate(zip(rows, d['controls'])):
        where = 'control #%d (id %d)' % (i, row['id'])
        expect(where + ' id', c['id'], row['id'])
        expect(where + ' class', c['class'], KINDS[row['kind']][0])
        expect(where + ' style', hex(c['style']), hex(expected_style(row)))
        expect(where + ' extended style', c['exstyle'], 0)
        expect(where + ' rectangle', c['rect'], row['rect'])
        expect(where + ' text', c['text'], row['text'])
        expect(where + ' creation data', c['extra'], 0)
        if c['class'] == 'button' and (c['style'] & 0xF) == BS_DEFPUSHBUTTON:
            problems.append(where + ': a default push button')
        if c['class'] == 'combobox' and c['style'] & CBS_SORT:
            problems.append(where + ': a sorted list')

    # The icon: one 32x32 image in 16 colours.
    _, group = resources.get(RT_GROUP_ICON, ICON_ID)
    if group is None:
        problems.append('no icon group %d' % ICON_ID)
    else:
        count = struct.unpack_from('<H', group, 4)[0]
        expect('images in icon %d' % ICON_ID, count, 1)
        if count >= 1:
            w, h, colours, _, planes, bits, size, image_id = struct.unpack_from('<BBBBHHIH', group, 6)
            expect('icon %d size, colours, bits' % ICON_ID, (w, h, colours, bits), (32, 32, 16, 4))
            _, image = resources.get(RT_ICON, image_id)
            if image is None:
                problems.append('icon image %d missing' % image_id)
            else:
                expect('icon image header', struct.unpack_from('<IiiHH', image, 0), (40, 32, 64, 1, 4))

    _, manifest = resources.get(RT_MANIFEST, MANIFEST_ID)
    if manifest is None:
        problems.append('no manifest %d' % MANIFEST_ID)
    else:
        text = manifest.decode('utf-8')
        for needle in ('name="Install Driver"', 'version="5.1.0.0"',
                       'name="Microsoft.Windows.Common-Controls"', 'version="6.0.0.0"',
                       'publicKeyToken="6595b64144ccf1df"', 'language="*"'):
            if needle not in text:
                problems.append('manifest lacks ' + needle)
        if 'requestedExecutionLevel' in text:
            problems.append('manifest requests an execution level')

    if dump:
        print('dialog %d (language %#x): style %#x exstyle %#x %r %r font %r %r' % (
            DIALOG_ID, language, d['style'], d['exstyle'], d['rect'], d['caption'],
            d.get('points'), d.get('face')))
        for c in d['controls']:
            print('  %5d %-18s %#010x %-22r %r' % (c['id'], c['class'], c['style'], c['rect'],
                                                   c['text']))

    if problems:
        print('%s: the compiled template differs from %s:' % (exe_path, table_path))
        for p in problems:
            print('  ' + p)
        return 1
    print('%s: dialog %d matches %s (%d controls); icon %d and manifest present' % (
        exe_path, DIALOG_ID, table_path, len(rows), ICON_ID))
    return 0


if __name__ == '__main__':
    args = [a for a in sys.argv[1:] if a != '--dump']
    if len(args) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(check(args[0], args[1], '--dump' in sys.argv))
