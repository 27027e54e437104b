"""A folder that stops answering, as a share that went away does: it is
there, but a listing of it never comes back. Mounted with FUSE at the path
given, until this process is killed."""
import errno
import stat
import sys
import threading

import fusepy


class StuckFolder(fusepy.Operations):
    def getattr(self, path, fh=None):
        if path != "/":
            raise fusepy.FuseOSError(errno.ENOENT)
        return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}

    def readdir(self, path, fh):
        threading.Event().wait()


fusepy.FUSE(StuckFolder(), sys.argv[1], foreground=True)
