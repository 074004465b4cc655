#!/usr/bin/env python3
"""Fills a folder with the installer benchmarks' payload: about 100 MB, 40 MB that does not compress (20 files of
2 MB of random bytes in media/) and 60 MB of text that does (120 files of 512 kB in docs/). The same seed gives the
same text every time; the random bytes differ.

    make_bench_payload.py FOLDER
"""
import os
import random
import sys


def main() -> None:
    root = sys.argv[1]
    random.seed(7)
    words = [''.join(random.choice('abcdefghijklmnopqrstuvwxyz') for _ in range(random.randint(2, 10)))
             for _ in range(5000)]
    os.makedirs(os.path.join(root, 'media'), exist_ok=True)
    os.makedirs(os.path.join(root, 'docs'), exist_ok=True)
    for i in range(20):
        with open(os.path.join(root, 'media', 'blob%02d.bin' % i), 'wb') as f:
            f.write(os.urandom(2 * 1024 * 1024))
    for i in range(120):
        with open(os.path.join(root, 'docs', 'page%03d.txt' % i), 'w') as f:
            size = 0
            while size < 512 * 1024:
                line = ' '.join(random.choice(words) for _ in range(12)) + '\n'
                f.write(line)
                size += len(line)


if __name__ == '__main__':
    main()
