#!/usr/bin/env python3
"""Sets the compile time that chmcmd writes into an HTML Help file to zero, so
that two builds of one commit give the same bytes.

chmcmd stamps the time of day, in milliseconds, twice: in the file header
(big-endian, at byte 16) and as entry 10 of the #SYSTEM file (little-endian,
read a moment later). Nothing reads them back to show the help.
"""
import struct
import sys

SYSTEM_TIME_ENTRY = struct.pack('<HH', 10, 4)  # code 10, 4 bytes of data
DAY_MS = 86_400_000


def moments_apart(a, b):
    """Whether two times of day are within a minute, midnight between or not."""
    apart = abs(a - b) % DAY_MS
    return min(apart, DAY_MS - apart) < 60_000


def main(path):
    data = bytearray(open(path, 'rb').read())
    if data[:4] != b'ITSF':
        sys.exit(f'{path}: not an HTML Help file')
    header_time = struct.unpack_from('>I', data, 16)[0]
    entries = []
    at = data.find(SYSTEM_TIME_ENTRY)
    while at >= 0:
        value = struct.unpack_from('<I', data, at + 4)[0]
        if moments_apart(value, header_time):
            entries.append(at + 4)
        at = data.find(SYSTEM_TIME_ENTRY, at + 1)
    if len(entries) != 1:
        sys.exit(f'{path}: found {len(entries)} compile times in #SYSTEM, expected 1')
    struct.pack_into('>I', data, 16, 0)
    struct.pack_into('<I', data, entries[0], 0)
    open(path, 'wb').write(data)


if __name__ == '__main__':
    main(sys.argv[1])
