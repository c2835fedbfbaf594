#!/usr/bin/python3
"""Mirrors a folder, read-only, and lists one of its folders only after a
long wait: a stand-in for a network share whose server stopped answering.
Every other request is answered at once, on threads of its own.
  stalling-folder.py SOURCE MOUNT STALLED_RELATIVE_PATH [SECONDS]
Runs in the foreground until unmounted, aborted or killed."""
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class StallingMirror(Operations):
    def __init__(self, source, stalled, seconds):
        self.source = source
        self.stalled = "/" + stalled.strip("/")
        self.seconds = seconds

    def _real(self, path):
        return os.path.join(self.source, path.lstrip("/"))

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self._real(path))
        except OSError as error:
            raise FuseOSError(error.errno)
        keys = ("st_mode", "st_size", "st_nlink", "st_uid", "st_gid", "st_atime", "st_mtime", "st_ctime")
        return {key: getattr(st, key) for key in keys}

    def readdir(self, path, fh):
        if path == self.stalled:
            time.sleep(self.seconds)
        return [".", ".."] + os.listdir(self._real(path))

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise FuseOSError(errno.EROFS)
        return os.open(self._real(path), os.O_RDONLY)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def release(self, path, fh):
        os.close(fh)

    def statfs(self, path):
        st = os.statvfs(self.source)
        keys = ("f_bsize", "f_frsize", "f_blocks", "f_bfree", "f_bavail", "f_files", "f_ffree", "f_namemax")
        return {key: getattr(st, key) for key in keys}


def main():
    source, mount, stalled = sys.argv[1:4]
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 120
    FUSE(StallingMirror(os.path.abspath(source), stalled, seconds), mount, foreground=True, ro=True)


if __name__ == "__main__":
    main()
