#!/usr/bin/env python3
"""Writes the seeds of the archive_file target: one byte choosing the archive
(0 to 5: chromatograph 5-minute, hourly, daily, moisture meter 5-minute, hourly,
daily), then an archive data file laid out byte by byte as the Windows program
writes it, and a few files that the program refuses or reads short. Run from fuzz/:
    seeds/archive_file_seeds.py corpus/archive_file
"""
import os
import struct
import sys

# signature, device, stamp length, record size, moments
KINDS = [(b'MOM', 0, 5, 93, True), (b'HOU', 0, 4, 92, False), (b'DAY', 0, 3, 92, False),
         (b'MOM', 1, 5, 29, True), (b'HOU', 1, 4, 28, False), (b'DAY', 1, 3, 28, False)]
NAME = 'ГРС Северная'.encode('cp1251').ljust(20, b' ')


def crc16(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def with_crc(body):
    return body + struct.pack('<H', crc16(body))


def record(kind, i):
    _, device, _, size, moments = KINDS[kind]
    values = [1.5 * i + k for k in range(20 if device == 0 else 4)]
    if moments:
        head = bytes([26, 3, 15, 10, 5 * i, 0, 0x80 if i == 1 else 0]) + (b'\0\0\x11\x22' if device == 0 else b'\0\0\x34\x12')
    else:
        head = bytes([26, 3, 15, 10 + i, 0, 0, (0x80 if kind in (2, 5) else 0) | (11 + i), 0, 0, 0x02 if i == 2 else 0])
    body = head + struct.pack('<%df' % len(values), *values)
    assert len(body) + 2 == size
    return with_crc(body)


def header(kind, count, chromatograph_type=2):
    signature, device, length, _, _ = KINDS[kind]
    period = lambda stamp: bytes(stamp[:length]).ljust(6, b'\0')
    h = signature + bytes([device]) + NAME + bytes([17, 26, 3, 16, 9, 30, 12])
    h += period([26, 3, 15, 10, 0]) + period([26, 3, 15, 23, 55]) + struct.pack('<I', count)
    h += bytes([chromatograph_type]) + bytes(10)
    assert len(h) == 58
    return h


def archive(kind, records, count=None, chromatograph_type=2):
    body = b''.join(record(kind, i) for i in range(records))
    return bytes([kind]) + header(kind, records if count is None else count, chromatograph_type) + body


def main(folder):
    os.makedirs(folder, exist_ok=True)
    names = ['chrom_5min', 'chrom_hourly', 'chrom_daily', 'wmt_5min', 'wmt_hourly', 'wmt_daily']
    seeds = {'%s.dat' % name: archive(kind, 3) for kind, name in enumerate(names)}
    seeds['chrom_daily_count_beyond_records.dat'] = archive(2, 2, count=0xFFFFFFFF) + b'\x01\x02\x03'
    seeds['wmt_5min_records_after_count.dat'] = archive(3, 4, count=1)
    seeds['chrom_hourly_other_type.dat'] = archive(1, 1, chromatograph_type=3)
    seeds['wmt_daily_read_as_chrom_daily.dat'] = bytes([2]) + archive(5, 2)[1:]
    seeds['cut_header.dat'] = archive(4, 0)[:40]
    for name, content in seeds.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(content)


if __name__ == '__main__':
    main(sys.argv[1])
