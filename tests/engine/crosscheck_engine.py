#!/usr/bin/env python3
"""Runs Ventrel on random requests and compares its result files byte for byte with a second,
independent implementation of the same single-precision arithmetic written here in Python
(exact decimal-to-float conversion, double evaluation rounded to float at every stored step,
Ew.d output from the float's exact value). Faults must be refused with the same name.

usage: crosscheck_engine.py VENTREL WORKDIR [RUNS] [SEED]
"""
import os
import random
import struct
import subprocess
import sys
from fractions import Fraction


def f32(x):
    """x (a double) rounded to the nearest float; beyond the float range, an infinity."""
    try:
        return struct.unpack('f', struct.pack('f', x))[0]
    except OverflowError:
        return float('inf') if x > 0 else float('-inf')


def bits(v):
    return struct.unpack('I', struct.pack('f', v))[0]


def neighbour(v, up):
    if v == 0:
        return struct.unpack('f', struct.pack('I', 1 if up else 0x80000001))[0]
    b = bits(v) + (1 if (v > 0) == up else -1)
    return struct.unpack('f', struct.pack('I', b))[0]


def decimal_to_float(text):
    """Correctly rounded (ties to even) straight from the decimal text, keeping the sign of zero."""
    q = Fraction(text)
    if q == 0:
        return -0.0 if text.strip().startswith('-') else 0.0
    best = f32(float(q))
    for cand in (neighbour(best, True), neighbour(best, False)):
        dc, db = abs(Fraction(cand) - q), abs(Fraction(best) - q)
        if dc < db or (dc == db and bits(cand) & 1 == 0):
            best = cand
    return best


class Fault(Exception):
    pass


def stored(v):
    if v != v:
        raise Fault('invalid')
    if v in (float('inf'), float('-inf')):
        raise Fault('overflow')
    return v


def ew(v, width, digits):
    if v == 0:
        text = ('-' if struct.pack('f', v)[3] & 0x80 else '') + '0.' + '0' * digits + 'E+00'
    else:
        mantissa, exponent = ('%.*e' % (digits - 1, abs(v))).split('e')
        e = int(exponent) + 1
        text = ('-' if v < 0 else '') + '0.' + mantissa.replace('.', '') + 'E%s%02d' % ('-' if e < 0 else '+', abs(e))
    return text.rjust(width)


def engine(mode, start_text, stop_text, records):
    x = [decimal_to_float(a) for a, _ in records]
    y = [decimal_to_float(b) for _, b in records]
    n = len(records)
    c = []
    for i in range(n):
        p = 1.0
        for j in range(n):
            if j != i:
                p = stored(f32((x[i] - x[j]) * p))
        if p == 0:
            raise Fault('invalid' if y[i] == 0 else 'divide by zero')
        c.append(stored(f32(y[i] / p)))
    t = []
    for r in range(n - 1):
        h = f32((x[r + 1] - x[r]) / 50.0)
        for w in range(1, 51):
            t.append(stored(f32((w - 1) * h + x[r])))
    samples = []
    for ts in t:
        s = 0.0
        for k in range(n):
            p = 1.0
            for l in range(n):
                if l != k:
                    p = stored(f32((ts - x[l]) * p))
            s = stored(f32(c[k] * p + s))
        samples.append(s)
    lines = ['%2d' % mode, ew(decimal_to_float(start_text), 12, 5), ew(decimal_to_float(stop_text), 12, 5), '%6d' % n]
    lines += [ew(x[i], 14, 7) + '  ' + ew(y[i], 14, 7) + '  ' + ew(c[i], 14, 7) for i in range(n)]
    lines.append('%6d' % len(t))
    lines += [ew(t[j], 14, 7) + '  ' + ew(samples[j], 14, 7) for j in range(len(t))]
    return ''.join(line + '\r\n' for line in lines)


def record(v):
    return ('+' if v > 0 else '-') + '%.5E' % abs(v)


def random_request(rng):
    n = rng.randint(0, 10)
    scale = 10 ** rng.randint(-3, 4)
    points = []
    for i in range(n):
        if i > 0 and rng.random() < 0.03:
            xv = points[-1][0]  # equal abscissae: a fault
        else:
            xv = rng.uniform(-1, 1) * scale * (1 + i)
        yv = rng.choice([0.0, rng.uniform(-1, 1) * 10 ** rng.randint(-5, 5)])
        points.append((xv, yv))
    if n > 1 and rng.random() < 0.05:
        points = [(i * 1e5 * rng.uniform(1, 2), 1.0) for i in range(n)]  # overflow
    start, stop = rng.choice([('0.0', '10.0'), ('1.2E+03', '-5.25'), ('0.001', '999.999')])
    return rng.randint(1, 4), start, stop, [(record(a), record(b)) for a, b in points]


def main():
    ventrel, workdir = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 150
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 20261207)
    os.makedirs(workdir, exist_ok=True)
    request_path, result_path = os.path.join(workdir, 'B2F.dat'), os.path.join(workdir, 'F2B.dat')
    counts = {}
    for run in range(runs):
        mode, start, stop, records = random_request(rng)
        text = ' %d \r\n%s\r\n%s\r\n %d \r\n' % (mode, start, stop, len(records))
        text += ''.join(a + ' ' + b + '\r\n' for a, b in records)
        with open(request_path, 'w', newline='') as f:
            f.write(text)
        if os.path.exists(result_path):
            os.remove(result_path)
        proc = subprocess.run([ventrel], cwd=workdir, capture_output=True, text=True)
        try:
            expected, fault = engine(mode, start, stop, records), None
        except Fault as f:
            expected, fault = None, str(f)
        counts[fault or 'ok'] = counts.get(fault or 'ok', 0) + 1
        if fault:
            if proc.returncode == 0 or 'floating-point error: ' + fault not in proc.stderr or os.path.exists(result_path):
                print('run %d: expected fault %r, got status %d, stderr %r\n%s' % (run, fault, proc.returncode, proc.stderr, text))
                return 1
            continue
        got = open(result_path, newline='').read() if os.path.exists(result_path) else None
        if proc.returncode != 0 or got != expected:
            print('run %d: status %d, stderr %r\n%s' % (run, proc.returncode, proc.stderr, text))
            for g, e in zip((got or '').split('\n'), expected.split('\n')):
                if g != e:
                    print('first difference:\n  got      %r\n  expected %r' % (g, e))
                    break
            return 1
    print('cross-check passed:', counts)
    return 0


if __name__ == '__main__':
    sys.exit(main())
