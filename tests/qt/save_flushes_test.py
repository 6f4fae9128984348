#!/usr/bin/python3
"""The Qt program's save path, traced by strace: before it says a save returned, the book's
new bytes were flushed, renamed over the book, and the folder flushed after the rename.
Usage: tests/qt/save_flushes_test.py <book_saver>"""
import os
import re
import subprocess
import sys
import tempfile

CALL = re.compile(r'^(?:\[pid +\d+\] )?(\w+)\((.*)\) += (-?\d+)')


def untraceable_checks_off():
    """The environment with LeakSanitizer off: it cannot run under a tracer, and fails the run."""
    env = dict(os.environ)
    env['ASAN_OPTIONS'] = ':'.join(filter(None, [env.get('ASAN_OPTIONS'), 'detect_leaks=0']))
    return env


def trace(saver, folder):
    """Each system call of one save, after a first save made the book: (name, arguments, result)."""
    subprocess.run([saver, folder, 'add', '1', '1'], check=True, stdout=subprocess.DEVNULL)
    run = subprocess.run(['strace', '-f', '-qq', '-e',
                          'trace=openat,write,fsync,fdatasync,rename,renameat,renameat2,linkat,close',
                          saver, folder, 'add', '2', '1'],
                         check=True, capture_output=True, text=True, env=untraceable_checks_off())
    return [(m[1], m[2], int(m[3])) for m in map(CALL.match, run.stderr.splitlines()) if m]


def check(calls, folder):
    """The problems with the order of the calls; empty when it is right."""
    book = f'"{folder}/book.json"'
    written = flushed = renamed = folder_flushed = said = None
    directories = set()
    for at, (name, arguments, result) in enumerate(calls):
        fd = arguments.split(',')[0]
        if name == 'write' and '"{\\"format\\":\\"petcalc-book' in arguments:
            written = (at, fd)
        elif name in ('fsync', 'fdatasync') and written and fd == written[1] and flushed is None:
            flushed = at
        elif name in ('rename', 'renameat', 'renameat2', 'linkat') and f', {book}' in arguments:
            renamed = at
        elif name == 'openat' and 'O_DIRECTORY' in arguments and f'"{folder}"' in arguments:
            directories.add(str(result))
        elif name == 'fsync' and fd in directories and renamed is not None:
            folder_flushed = at
        elif name == 'write' and arguments.startswith('1, "saved '):
            said = at
    problems = []
    if written is None:
        problems.append('the book was never written')
    if flushed is None:
        problems.append('its new bytes were never flushed')
    if renamed is None or (flushed is not None and renamed < flushed):
        problems.append('it was not renamed over the book after the flush')
    if folder_flushed is None:
        problems.append('the folder was not flushed after the rename')
    if said is None or (folder_flushed is not None and said < folder_flushed):
        problems.append('the save returned before its flushes')
    return problems


def main():
    with tempfile.TemporaryDirectory() as folder:
        calls = trace(sys.argv[1], folder)
        problems = check(calls, folder)
    for problem in problems:
        print(f'save flushes: {problem}')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
