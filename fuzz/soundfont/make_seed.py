#!/usr/bin/env python3
"""Writes corpus/tiny.sf2: three presets (0:0, 0:5, 128:0) over
three instruments and five samples, two of them a stereo pair."""
import os
import struct


def chunk(cid, body):
    return cid + struct.pack('<I', len(body)) + body


def lst(kind, body):
    return chunk(b'LIST', kind + body)


def name(text, size=20):
    return text.encode().ljust(size, b'\0')


phdr = b''.join(name(n) + struct.pack('<HHHIII', p, b, bag, 0, 0, 0)
                for n, p, b, bag in [('piano', 0, 0, 0), ('strings', 5, 0, 2), ('drums', 0, 128, 4), ('EOP', 0, 0, 5)])
pbag = b''.join(struct.pack('<HH', g, m) for g, m in [(0, 0), (1, 0), (2, 0), (3, 1), (4, 1), (5, 1)])
pmod = b'\2' + b'\0' * 19
pgen = b''.join(struct.pack('<HH', o, a) for o, a in [(17, 100), (41, 1), (41, 0), (41, 2), (41, 2), (0, 0)])
inst = b''.join(name(n) + struct.pack('<H', bag) for n, bag in [('flute', 0), ('bell', 1), ('pair', 3), ('EOI', 5)])
ibag = b''.join(struct.pack('<HH', i, 0) for i in range(6))
imod = b'\0' * 10
igen = b''.join(struct.pack('<HH', o, a) for o, a in [(53, 0), (17, 7), (53, 2), (53, 3), (53, 4), (0, 0)])
shdr = b''
for s in range(6):
    values = (100 * s, 100 * s + 90, 100 * s + 10, 100 * s + 80, 44100) if s < 5 else (0,) * 5
    link, kind = {3: (4, 4), 4: (3, 2)}.get(s, (0, 1))
    shdr += name('S%d' % s if s < 5 else 'EOS') + struct.pack('<IIIIIBbHH', *values, 60, 0, link, kind)
samples = bytes((i * 7) & 0xFF for i in range(1000))

hydra = b''.join(chunk(cid, body) for cid, body in [
    (b'phdr', phdr), (b'pbag', pbag), (b'pmod', pmod), (b'pgen', pgen), (b'inst', inst),
    (b'ibag', ibag), (b'imod', imod), (b'igen', igen), (b'shdr', shdr)])
body = b'sfbk' + lst(b'INFO', chunk(b'ifil', struct.pack('<HH', 2, 1))) + \
    lst(b'sdta', chunk(b'smpl', samples)) + lst(b'pdta', hydra)
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus', 'tiny.sf2'), 'wb') as out:
    out.write(b'RIFF' + struct.pack('<I', len(body)) + body)
