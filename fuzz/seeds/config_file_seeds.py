#!/usr/bin/env python3
"""Writes the seeds of the config_file target: configuration files laid out byte
by byte as the Windows program writes them (flow-computer passwords stored as
(4 - b) mod 256), and a few that the program refuses. Run from fuzz/:
    seeds/config_file_seeds.py corpus/config_file
"""
import os
import struct
import sys

SIZE = 2601
USERS = [(b'MAN', 1, b'111111', b'0001'), (b'ADM', 2, b'222222', b'0002'), (b'OPER', 4, b'444444', b'0004')]


def record(origin=0, flow_computers=1, passwords=(), users=()):
    b = bytearray(SIZE)
    b[0] = origin
    # Table 0: a controller's whole identification, or only type and version of a new one.
    b[1:19] = bytes([0, 73, 3, 4, 21, 6, 15, 10, 30, 0, 1, 1, 0, 0, 1, 2, 0, 0] if origin else [0, 73, 0, 4] + [0] * 14)
    b[29:49] = ('ГРС Северная'.encode('cp1251') if origin else b'').ljust(20, b' ')
    b[69:73] = bytes([1, 11, 3, 0])
    b[173:183] = bytes([3, 201, 3, 10, 201, 4, 9, 1, 1, 0])
    b[283:291] = bytes([1, 11, 0, 0, 150, 5, 2, 0])
    b[341:349] = bytes([1, 11, 0, 0, 150, 5, 0, 0])
    for i in range(16):
        at = 399 + 20 * i
        if i < flow_computers:
            b[at:at + 4] = bytes([i + 1, i % 4, 1, 1])
        password = (passwords[i] if i < len(passwords) else b'').ljust(16, b' ')
        b[at + 4:at + 20] = bytes((4 - x) & 0xFF for x in password)
    for k in (7, 9, 12):
        b[819 + k] = 1
    for t in range(5):
        for k in range(20):
            at = 939 + 180 * t + 4 * k
            b[at:at + 4] = struct.pack('<f', 0.5 * (t + 1))
    b[1839:1841] = bytes([1, 0])
    b[1849:1877] = bytes([192, 168, 1, 10, 255, 255, 255, 0, 192, 168, 1, 1]) + struct.pack('<4I', 502, 503, 4001, 4002)
    for slot in range(16):
        at = 1941 + 22 * slot
        name, level, password, code = users[slot] if slot < len(users) else (b'', 0, b'', b'')
        b[at:at + 22] = name.ljust(4, b' ') + bytes([level, 0]) + password.ljust(12, b' ') + code.ljust(4, b' ')
    b[2393:2401] = bytes([flow_computers, 11, 5, 20, 3, 1, 0, 1])
    return b


def changed(b, at, values):
    b = bytearray(b)
    b[at:at + len(values)] = bytes(values)
    return b


def main(folder):
    os.makedirs(folder, exist_ok=True)
    new = record()
    seeds = {
        'new_configuration.cnf': new,
        'from_controller_3_flow_computers.cnf': record(1, 3, [b'secret', b'', b'12345678ABCD0001'], USERS),
        'sixteen_flow_computers.cnf': record(1, 16, [b'p%d' % i for i in range(16)], USERS),
        'other_type.cnf': changed(new, 2, [72]),
        'version_14.cnf': changed(new, 4, [14]),
        'no_flow_computers.cnf': changed(new, 2393, [0]),
        'seventeen_flow_computers.cnf': changed(new, 2393, [17]),
        'short.cnf': new[:1000],
        'one_byte_more.cnf': new + b'\0',
    }
    # Codes that no list of the dialogs holds.
    odd = changed(record(1, 2), 173, [13, 0xCA, 30, 0, 255, 99, 40, 1, 7, 0])
    odd = changed(odd, 69, [0, 40, 255, 0])
    odd = changed(odd, 284, [99])
    seeds['codes_no_list_holds.cnf'] = changed(odd, 1839, [5])
    for name, content in seeds.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(content)


if __name__ == '__main__':
    main(sys.argv[1])
