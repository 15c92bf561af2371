#!/usr/bin/env python3
"""Writes the seeds of the log_records target: the flags, chromatograph and
moisture-meter type bytes, then an intervention (24 bytes) or a diagnostic
message (22 bytes) with its own checksum, for every table and diagnostic code
the decoders tell apart, and a few damaged ones. Run from fuzz/:
    seeds/log_records_seeds.py corpus/log_records
"""
import os
import struct
import sys

STAMP = bytes([25, 3, 5, 14, 30, 7])


def crc16(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def with_crc(body):
    return body + struct.pack('<H', crc16(body))


def intervention(table, field, unit, old, new, name=b'Adm '):
    return with_crc(STAMP + bytes([0, table, field, unit]) + old + new + name)


def diagnostic(code, obj, parameter, index, current=b'\0' * 4, set_point=b'\0' * 4):
    return with_crc(STAMP + bytes([code, obj, parameter, index]) + current + set_point + b'\0\0')


def byte(value):
    return bytes([value, 0, 0, 0])


def single(value):
    return struct.pack('<f', value)


def seeds():
    yield 'intervention-date', 0, intervention(2, 6, 0, byte(1), byte(8))
    yield 'intervention-bit-rate', 0, intervention(3, 1, 8, byte(11), byte(22))
    yield 'intervention-name-866', 1, intervention(5, 0, 0, b'\x83\x80\x87\x31', b'\x8a\x8a\x83\x00')
    yield 'intervention-switch-day', 0, intervention(6, 1, 0, byte(0xC9), byte(25))
    yield 'intervention-write-period', 0, intervention(9, 5, 0, byte(0), byte(3))
    yield 'intervention-password', 0, intervention(13, 16, 0, byte(0), byte(0))
    yield 'intervention-chromatograph', 0, intervention(14, 6, 0, byte(2), byte(9))
    yield 'intervention-moisture-meter', 0, intervention(15, 3, 0, byte(1), byte(4))
    yield 'intervention-flow-computer', 0, intervention(17, 2, 0, byte(1), byte(4))
    yield 'intervention-byte-order', 0, intervention(20, 0, 0, byte(0), byte(1))
    yield 'intervention-distribution', 0, intervention(21, 20, 0, byte(1), byte(2))
    yield 'intervention-set-point', 0, intervention(22, 8, 5, single(5.0), single(12.34567))
    yield 'intervention-hourly-mean', 0, intervention(28, 1, 17, byte(1), byte(24))
    yield 'intervention-unknown', 0, intervention(40, 3, 200, byte(1), byte(2))
    yield 'diagnostic-power', 0, diagnostic(2, 0, 0, 0)
    yield 'diagnostic-reinit', 0, diagnostic(4, 0, 10, 0)
    yield 'diagnostic-link', 0, diagnostic(10, 0x21, 7, 1)
    yield 'diagnostic-flow-computer', 0, diagnostic(11, 0x22, 0, 3)
    yield 'diagnostic-crossing', 0, diagnostic(12, 0, 0, 8, single(89.5), single(5e-7))
    yield 'diagnostic-crossing-nan', 0, diagnostic(65, 0, 0, 20, b'\xff\xff\xff\x7f', single(3e38))
    yield 'diagnostic-alarm', 0, diagnostic(22, 200, 0, 16)
    yield 'diagnostic-moisture', 0, diagnostic(23, 201, 0, 15)
    yield 'diagnostic-eeprom', 0, diagnostic(40, 243, 0, 0)
    yield 'diagnostic-checksum', 0, diagnostic(59, 0, 0, 0, b'\xcd\xab\x12\x00', b'\xf0\xde\xbc\x9a')
    yield 'diagnostic-unknown-code', 0, diagnostic(90, 7, 1, 9)
    yield 'damaged', 0, intervention(3, 0, 0, byte(1), byte(2))[:-1] + b'\0'
    yield 'sealed-by-flag', 2, STAMP + bytes([12, 0, 0, 8])


def main():
    directory = sys.argv[1]
    os.makedirs(directory, exist_ok=True)
    for name, flags, record in seeds():
        moisture_meter = 2 if name == 'diagnostic-moisture' else 0  # its bits have texts of their own
        with open(os.path.join(directory, name), 'wb') as seed:
            seed.write(bytes([flags, 2, moisture_meter]) + record)


if __name__ == '__main__':
    main()
