#!/usr/bin/python3
"""Writes folders as the collection system keeps them, independently of Orvane's importer.

The tables are written by python3-dbf; the database container stat.dbc (with its memo stat.dct)
is laid out here byte by byte as the format defines it; python3-dbfread reads the tables back
as a second opinion.

  collection_folder.py export SOURCE_DB FOLDER    a source database as such a folder
  collection_folder.py cases FOLDER               the folder of the reader's special cases
  collection_folder.py formats FOLDER             tables as other writers leave them (see formats)
  collection_folder.py damage KIND FOLDER         spoils one file of a folder (see DAMAGES)
  collection_folder.py read FILE [ENCODING]       dbfread's view of a table, tab-separated
"""
import datetime
import os
import shutil
import sqlite3
import struct
import sys
import tempfile

import dbf
import dbfread

CODEPAGE = 'cp936'


# ---------------------------------------------------------------- the container

def memo_file(path, memos, block=64):
    """A memo file: 512-byte header (next free block, block size), then one block run per memo."""
    blocks = []
    next_block = 512 // block
    pointers = []
    for data in memos:
        if data is None:
            pointers.append(0)
            continue
        pointers.append(next_block)
        body = struct.pack('>II', 1, len(data)) + data
        body += b'\0' * (-len(body) % block)
        blocks.append(body)
        next_block += len(body) // block
    header = struct.pack('>I', next_block) + b'\0\0' + struct.pack('>H', block)
    header += b'\0' * (512 - len(header))
    with open(path, 'wb') as f:
        f.write(header + b''.join(blocks))
    return pointers


def container(folder, tables, name='stat'):
    """stat.dbc: the container's own table of objects, one 'Table' row per table followed by
    its 'Field' rows with the long field names, and stat.dct holding the PROPERTY memos."""
    fields = [('OBJECTID', 'I', 4), ('PARENTID', 'I', 4), ('OBJECTTYPE', 'C', 10),
              ('OBJECTNAME', 'C', 128), ('PROPERTY', 'M', 4), ('CODE', 'M', 4),
              ('RIINFO', 'C', 6), ('USER', 'M', 4)]
    objects = [(1, 1, 'Database', 'Database', None)]
    for table, long_names in tables:
        table_id = len(objects) + 1
        objects.append((table_id, 1, 'Table', table.lower(), ('path=' + table + '.dbf').encode()))
        for long_name in long_names:
            objects.append((len(objects) + 1, table_id, 'Field', long_name.lower(), None))
    # a deleted object must not count
    objects.append((len(objects) + 1, 1, 'Table', 'dropped', None))
    pointers = memo_file(os.path.join(folder, name + '.dct'), [o[4] for o in objects])

    record_length = 1 + sum(f[2] for f in fields)
    header_length = 32 + 32 * len(fields) + 1 + 263
    today = datetime.date.today()
    header = struct.pack('<B3BIHH16xBB2x', 0x30, today.year - 1900, today.month, today.day,
                         len(objects), header_length, record_length, 0x06, 0x7A)
    descriptors = b''
    offset = 1
    for field, kind, length in fields:
        descriptors += struct.pack('<11scIBBB13x', field.encode(), kind.encode(), offset, length, 0, 0)
        offset += length
    records = b''
    for i, (oid, parent, kind, obj, _) in enumerate(objects):
        deleted = obj == 'dropped'
        records += (b'*' if deleted else b' ') + struct.pack('<ii', oid, parent)
        records += kind.encode().ljust(10) + obj.encode().ljust(128)
        records += struct.pack('<ii', pointers[i], 0) + b' ' * 6 + struct.pack('<i', 0)
    with open(os.path.join(folder, name + '.dbc'), 'wb') as f:
        f.write(header + descriptors + b'\r' + b'\0' * 263 + records + b'\x1a')


def link_to_container(path, field_count, name='stat.dbc'):
    """Writes the container's name into the 263 bytes after the field descriptors."""
    with open(path, 'r+b') as f:
        f.seek(32 + 32 * field_count)
        assert f.read(1) == b'\r'
        f.write(name.encode())


# ---------------------------------------------------------------- tables

def gbk_width(values):
    return max([1] + [len(v.encode(CODEPAGE)) for v in values if isinstance(v, str)])


def decimals(values):
    most = 0
    for v in values:
        if isinstance(v, float) and v != int(v):
            text = repr(v)
            if 'e' in text:
                return None
            most = max(most, len(text.split('.')[1]))
    return most


def number_spec(table, values):
    """A varied choice of the number types, each able to hold the values exactly."""
    d = decimals(values)
    integral = d == 0 and all(abs(v) < 2 ** 31 for v in values if v is not None)
    if d is None:
        return 'B'
    if table == 'Base04':
        return 'Y' if d <= 4 else 'B'
    if table == 'Base06':
        return 'B'
    if table == 'Base08':
        return 'F(20,%d)' % d
    if table == 'Base09':
        return 'I' if integral else 'B'
    return 'N(20,%d)' % d


def as_value(spec, value):
    if value is None:
        return None if spec.endswith('!') else dbf.Null
    if spec.startswith('T') and len(value) > 10:
        return datetime.datetime.fromisoformat(value)
    if spec.startswith('D') or spec.startswith('T'):
        y, m, d = (int(p) for p in value[:10].split('-'))
        return datetime.datetime(y, m, d) if spec.startswith('T') else datetime.date(y, m, d)
    if spec.startswith('C') or spec.startswith('M'):
        return str(value)
    if spec == 'Y':
        return dbf.Decimal(repr(float(value)))
    if spec == 'I':
        return int(value)
    return float(value)


def write_table(folder, file_name, columns, rows, old_format=False, in_container=True, nullable=True,
                short=None, codepage=CODEPAGE):
    """columns: (long name, spec); writes file_name (.dbf) and its memo, returns the path."""
    short = short or [name[:10] for name, _ in columns]
    # a spec ending in '!' is a field without NULL: blank is all it can hold
    null = ' NULL' if nullable and not old_format else ''
    specs = '; '.join('%s %s%s' % (s, spec.rstrip('!'), '' if spec.endswith('!') else null)
                      for s, (_, spec) in zip(short, columns))
    path = os.path.join(folder, 'work.dbf')
    table = dbf.Table(path, specs, dbf_type='db3' if old_format else 'vfp', codepage=codepage)
    table.open(dbf.READ_WRITE)
    for row in rows:
        values = tuple(as_value(spec, v) for (_, spec), v in zip(columns, row))
        if old_format:
            values = tuple(None if v is dbf.Null else v for v in values)
        table.append(values)
    if rows:  # a deleted copy of the first row: the importer must skip it
        table.append(tuple(as_value(spec, v) if not old_format or v is not None else None
                           for (_, spec), v in zip(columns, rows[0])))
        dbf.delete(table[len(table) - 1])
    fields = len(table.field_names) + (1 if '_nullflags' in table._meta else 0)
    table.close()
    target = os.path.join(folder, file_name)
    os.rename(path, target)
    for memo in ('work.fpt', 'work.dbt'):
        if os.path.exists(os.path.join(folder, memo)):
            suffix = memo[-4:].upper() if target.endswith('.DBF') else memo[-4:]
            os.rename(os.path.join(folder, memo), os.path.splitext(target)[0] + suffix)
    if in_container:
        link_to_container(target, fields)
    return target


# File names in varied letter case: the importer matches them ignoring case.
FILE_NAMES = {'Base01': 'Base01.dbf', 'Base05': 'BASE05.DBF', 'Area': 'area.dbf'}
TIMED = ('Base04', 'Base05', 'Base06', 'Base08')


def export(source, folder):
    os.makedirs(folder, exist_ok=True)
    db = sqlite3.connect(source)
    tables = [r[0] for r in db.execute(
        "SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite%' ORDER BY rowid")]
    linked = []
    for table in tables:
        info = list(db.execute('PRAGMA table_info("%s")' % table))
        names = [c[1] for c in info]
        rows = list(db.execute('SELECT %s FROM "%s" ORDER BY rowid' % (
            ', '.join('"%s"' % n for n in names), table)))
        columns = []
        for i, (name, declared) in enumerate((c[1], c[2].upper()) for c in info):
            values = [r[i] for r in rows]
            if 'CHAR' in declared or 'TEXT' in declared:
                memo = table.startswith('dic_') and name == 'fieldname'
                columns.append((name, 'M' if memo else 'C(%d)' % gbk_width(values)))
            elif 'DATE' in declared:
                # the returns' dates as date-times with a time of day, as some offices keep them
                timed = name.lower() == 'tabledate' and table in TIMED
                columns.append((name, 'T' if timed else 'D'))
                if timed:
                    for r, row in enumerate(rows):
                        if row[i] is not None:
                            rows[r] = row[:i] + (row[i][:10] + ' 17:13:05.400',) + row[i + 1:]
            else:
                columns.append((name, number_spec(table, values)))
        old = table == 'Area'
        write_table(folder, FILE_NAMES.get(table, table + '.dbf'), columns, rows,
                    old_format=old, in_container=not old)
        if not old:
            linked.append((table, names))
    container(folder, linked)


# ---------------------------------------------------------------- the special cases

def cases(folder):
    """Base01 with long names through the container, a GBK name with an apostrophe, NULL
    through _NullFlags, a blank opening date, a memo field and a deleted record; Base06 with T
    and Y fields; Area as an old-format free table; Base09 with a varchar; a table the reports
    do not use."""
    os.makedirs(folder, exist_ok=True)
    base01 = [('code', 'C(20)'), ('unitname', 'C(40)'), ('regionalismcode', 'C(6)'),
              ('RegistrationType', 'C(3)'), ('Rooms', 'N(6,0)'), ('Beds', 'I'),
              ('AccommodationStar', 'C(1)'), ('OpenDate', 'D!'), ('RemarkOfTheUnit', 'M')]
    rows = [('B1001', "湘江's 大饭店", '430102', '110', 120, 200, '3', '1998-05-01', '第一行\n第二行'),
            ('B1002', '无日期宾馆', '430102', '120', None, None, '2', None, None),
            ('B2003', 'Zhuzhou\'s 客栈', '430211', '130', 30, 45, '0', '2010-08-08', '')]
    write_table(folder, 'BASE01.DBF', base01, rows)
    base06 = [('code', 'C(20)'), ('TableDate', 'T'), ('FixAssetsInitialPrice', 'Y'),
              ('OperationIncome', 'Y'), ('ProfitTotal', 'B'), ('YearendEmployment', 'N(8,1)')]
    write_table(folder, 'base06.dbf', base06,
                [('B1001', '2025-12-31', 1234.5678, -0.0001, 2.5, 100.5),
                 ('B2003', '2024-02-29', 0, 12, None, None)])
    write_table(folder, 'Area.dbf', [('Areacode', 'C(6)'), ('Areaname', 'C(30)')],
                [('430000', '湖南省'), ('430100', '长沙市'), ('430200', "Zhuzhou's 市")],
                old_format=True, in_container=False)
    write_table(folder, 'Base99.dbf', [('code', 'C(5)')], [('X',)], in_container=False)
    varchar_table(os.path.join(folder, 'Base09.dbf'))
    container(folder, [('Base01', [n for n, _ in base01]), ('Base06', [n for n, _ in base06])])


def varchar_table(path):
    """A free table with a varchar field, which python3-dbf cannot write: code C(5), then
    ServiceNot V(8) nullable. A shorter text sets the varchar's bit in _NullFlags and keeps its
    length in the field's last byte; the null bit follows it."""
    fields = [(b'CODE', b'C', 5, 0), (b'SERVICENOT', b'V', 8, 0x02), (b'_NullFlags', b'0', 1, 0x05)]
    rows = [(b'E1', '短'.encode(CODEPAGE), False), (b'E2', b'8 chars!', False), (b'E3', None, True)]
    record_length = 1 + sum(f[2] for f in fields)
    header_length = 32 + 32 * len(fields) + 1 + 263
    header = struct.pack('<B3BIHH16xBB2x', 0x32, 126, 12, 6, len(rows), header_length, record_length, 0, 0x7A)
    offset, descriptors = 1, b''
    for name, kind, length, flags in fields:
        descriptors += struct.pack('<11scIBBB13x', name, kind, offset, length, 0, flags)
        offset += length
    records = b''
    for code, text, null in rows:
        bits = 0
        value = b'\0' * 8
        if null:
            bits |= 2  # bit 0 is the varchar's length bit, bit 1 its null bit
        elif len(text) < 8:
            bits |= 1
            value = text.ljust(7, b'\0') + bytes([len(text)])
        else:
            value = text
        records += b' ' + code.ljust(5) + value + bytes([bits])
    with open(path, 'wb') as f:
        f.write(header + descriptors + b'\r' + b'\0' * 263 + records + b'\x1a')


def formats(folder):
    """stat.dbc holding Base08, whose long names contact_type_id and contact_type share their
    first ten characters (stored as CONTACT_TY and CONTACT_T2, as Visual FoxPro numbers them)
    and whose TableDate keeps a time with milliseconds; a free table in Windows-1251; a
    dBase IV table (0x8B) with its .dbt memo, written byte by byte."""
    os.makedirs(folder, exist_ok=True)
    base08 = [('code', 'C(6)'), ('TableDate', 'T'), ('contact_type_id', 'N(4,0)'), ('contact_type', 'C(10)'),
              ('OperationIncome', 'N(10,2)')]
    rows = [('C1001', '2006-04-20 17:13:05.400', 7, 'phone', 12.5),
            ('C1002', '2025-12-31 23:59:59.600', 8, 'mail', None),
            ('C1003', '2025-06-30 08:00:00.500', None, None, 3.0)]
    write_table(folder, 'Base08.dbf', base08, rows,
                short=['CODE', 'TABLEDATE', 'CONTACT_TY', 'CONTACT_T2', 'OPERATIONI'])
    container(folder, [('Base08', [n for n, _ in base08])])
    write_table(folder, 'cp1251.dbf', [('name', 'C(20)'), ('amount', 'N(6,1)')],
                [('Москва', 1.5), ('Санкт-Петербург', 2.0)], old_format=True, in_container=False,
                codepage='cp1251')
    dbase4_table(os.path.join(folder, 'dbase4.dbf'))


def dbase4_table(path, block=512):
    """dBase IV: version 0x8B, ten-byte memo fields holding the block number as text; the .dbt
    gives its block size at byte 20 and starts each memo with FF FF 08 00 and the length of
    header and text."""
    fields = [(b'CODE', b'C', 5, 0), (b'NOTE', b'M', 10, 0), (b'AMOUNT', b'N', 8, 2), (b'DAY', b'D', 8, 0)]
    memos = ['湘江边上'.encode(CODEPAGE), None, b'x' * 600]
    rows = [(b'D1', b'  12.50', b'20250105'), (b'D2', b'', b''), (b'D3', b'  -3.00', b'19991231')]
    next_block, blocks, pointers = 1, b'', []
    for memo in memos:
        if memo is None:
            pointers.append(0)
            continue
        pointers.append(next_block)
        body = b'\xff\xff\x08\x00' + struct.pack('<I', len(memo) + 8) + memo + b'\x1f\x1f'
        body += b'\x00' * (-len(body) % block)
        blocks += body
        next_block += len(body) // block
    header = struct.pack('<I', next_block) + b'\0' * 4 + b'DBASE4\0\0' + b'\0\0\x02\x01' + struct.pack('<H', block)
    with open(os.path.splitext(path)[0] + '.dbt', 'wb') as f:
        f.write(header.ljust(block, b'\0') + blocks)
    record_length = 1 + sum(f[2] for f in fields)
    header_length = 32 + 32 * len(fields) + 1
    header = struct.pack('<B3BIHH17xB2x', 0x8B, 125, 3, 1, len(rows), header_length, record_length, 0x4D)
    descriptors = b''.join(struct.pack('<11sc4xBB14x', n, k, length, d) for n, k, length, d in fields)
    records = b''
    for (code, amount, day), pointer in zip(rows, pointers):
        memo = (b'%10d' % pointer) if pointer else b' ' * 10
        records += b' ' + code.ljust(5) + memo + amount.rjust(8) + day.ljust(8)
    with open(path, 'wb') as f:
        f.write(header + descriptors + b'\r' + records + b'\x1a')


# ---------------------------------------------------------------- damage

def damage(kind, folder):
    files = {f.lower(): os.path.join(folder, f) for f in os.listdir(folder)}
    if kind == 'short':  # a file shorter than its header says
        path = files['base05.dbf']
        os.truncate(path, os.path.getsize(path) - 100)
    elif kind == 'record-length':  # a record length that disagrees with the descriptors
        with open(files['base01.dbf'], 'r+b') as f:
            f.seek(10)
            length = struct.unpack('<H', f.read(2))[0]
            f.seek(10)
            f.write(struct.pack('<H', length + 1))
    elif kind in ('memo', 'text'):
        path = files['dic_base04.dbf' if kind == 'memo' else 'base01.dbf']
        with open(path, 'r+b') as f:
            data = f.read(4096)
            header, record_length = struct.unpack('<HH', data[8:12])
            wanted = b'FIELDNAME' if kind == 'memo' else b'UNITNAME'
            offset, at = 1, 32
            while data[at] != 0x0D:
                name = data[at:at + 11].split(b'\0')[0].upper()
                if name == wanted:
                    break
                offset += data[at + 16]
                at += 32
            f.seek(header + 2 * record_length + offset)  # the third record
            f.write(struct.pack('<I', 0x7FFFFFF0) if kind == 'memo' else b'\xff\xfe\xff')
    else:
        raise SystemExit('unknown damage ' + kind)


DAMAGES = ('short', 'record-length', 'memo', 'text')


# ---------------------------------------------------------------- second opinion

def show(value):
    if value is None:
        return '<null>'
    if isinstance(value, bool):
        return '1' if value else '0'
    if isinstance(value, datetime.datetime):
        return (value + datetime.timedelta(microseconds=500000)).replace(microsecond=0).isoformat(' ')
    if isinstance(value, datetime.date):
        return value.isoformat()
    if isinstance(value, (int, float)) or type(value).__name__ == 'Decimal':
        number = float(value)
        return repr(int(number)) if number == int(number) else repr(number)
    if isinstance(value, bytes):
        return value.hex()
    return str(value).rstrip()


def read(path, encoding=CODEPAGE):
    if path.lower().endswith('.dbc'):  # dbfread looks for the memo of a .dbf only
        copy = tempfile.mkdtemp()
        shutil.copy(path, os.path.join(copy, 'container.dbf'))
        shutil.copy(os.path.splitext(path)[0] + '.dct', os.path.join(copy, 'container.fpt'))
        path = os.path.join(copy, 'container.dbf')
    table = dbfread.DBF(path, encoding=encoding, char_decode_errors='strict', ignore_missing_memofile=True)
    print('\t'.join(table.field_names))
    for record in table:
        print('\t'.join(show(v).replace('\n', '\\n') for v in record.values()))


if __name__ == '__main__':
    command, args = sys.argv[1], sys.argv[2:]
    if command == 'export':
        export(*args)
    elif command == 'cases':
        cases(*args)
    elif command == 'formats':
        formats(*args)
    elif command == 'damage':
        damage(*args)
    elif command == 'read':
        read(*args)
    else:
        raise SystemExit(__doc__)
