"""Drives the real program on a private X server: processes, screen reading and input.

Standard library only. The screen is read through libX11 with ctypes (fast enough to catch a
110 ms blink phase); input goes through xdotool (XTEST), as a person's would.
"""

import contextlib
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

TWIPS_PER_PX = 15.0

# Every wait in the tests is multiplied by this (the sanitizer build is several times slower).
TIME_SCALE = float(os.environ.get("MINDROVA_ACCEPTANCE_TIME_SCALE", "1") or "1")


class Failure(Exception):
    """An acceptance check that did not hold; carries the images that show why."""

    def __init__(self, message, images=None):
        super().__init__(message)
        self.images = images or {}


def scaled(seconds):
    return seconds * TIME_SCALE


def px(twips):
    # Half away from zero, like the program's own rounding.
    return int(twips / TWIPS_PER_PX + (0.5 if twips >= 0 else -0.5))


def wait_for(condition, timeout, what, interval=0.03):
    """Polls condition() until it returns something true; raises Failure after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


# --------------------------------------------------------------------------------------------
# libX11 through ctypes

class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class _XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong),
                ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
                ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
                ("screen", ctypes.c_void_p)]


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


_ERROR_HANDLER_TYPE = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
IS_VIEWABLE = 2


class WindowInfo:
    def __init__(self, wid, name, x, y, width, height, viewable, override_redirect):
        self.id = wid
        self.name = name
        self.x, self.y, self.width, self.height = x, y, width, height
        self.viewable = viewable
        self.override_redirect = override_redirect

    def __repr__(self):
        return "<window 0x%x %r %dx%d+%d+%d%s%s>" % (
            self.id, self.name, self.width, self.height, self.x, self.y,
            "" if self.viewable else " unmapped", " override-redirect"
            if self.override_redirect else "")


class XDisplay:
    """One Xlib connection; X errors (a window gone meanwhile) are counted, never fatal."""

    def __init__(self, name):
        lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self._x = lib
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XGetImage.restype = ctypes.POINTER(_XImage)
        lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        lib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        lib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                   ctypes.POINTER(ctypes.c_uint)]
        lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                             ctypes.POINTER(_XWindowAttributes)]
        lib.XTranslateCoordinates.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong)]
        lib.XInternAtom.restype = ctypes.c_ulong
        lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        lib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        lib.XFree.argtypes = [ctypes.c_void_p]
        lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        lib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.POINTER(_XEvent)]
        lib.XCreateGC.restype = ctypes.c_void_p
        lib.XCreateGC.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                  ctypes.c_void_p]
        lib.XSetForeground.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_ulong]
        lib.XFillRectangle.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p,
                                       ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint]
        lib.XFreeGC.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        lib.XClearArea.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                   ctypes.c_uint, ctypes.c_uint, ctypes.c_int]
        lib.XSetErrorHandler.argtypes = [_ERROR_HANDLER_TYPE]
        lib.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong),
                                       ctypes.POINTER(ctypes.c_int)]
        self.errors = 0

        def on_error(_display, _event):
            self.errors += 1
            return 0

        self._handler = _ERROR_HANDLER_TYPE(on_error)
        lib.XSetErrorHandler(self._handler)
        self.dpy = lib.XOpenDisplay(name.encode())
        if not self.dpy:
            raise Failure("cannot open X display %s" % name)
        self.root = lib.XDefaultRootWindow(self.dpy)
        self.screen_size = (lib.XDisplayWidth(self.dpy, 0), lib.XDisplayHeight(self.dpy, 0))
        self._atoms = {}

    def close(self):
        if self.dpy:
            self._x.XCloseDisplay(self.dpy)
            self.dpy = None

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self._x.XInternAtom(self.dpy, name.encode(), 0)
        return self._atoms[name]

    def _call(self, fn, *args):
        """Runs one request and reports whether the server refused it."""
        before = self.errors
        result = fn(*args)
        self._x.XSync(self.dpy, 0)
        return result, self.errors == before

    # -- pixels ------------------------------------------------------------------------------

    def grab(self, x, y, w, h):
        """The screen's pixels in a rectangle of root coordinates (clipped to the screen)."""
        sw, sh = self.screen_size
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(sw, x + w), min(sh, y + h)
        if x1 <= x0 or y1 <= y0:
            return Image(x0, y0, 0, 0, b"", b"", b"")
        w, h = x1 - x0, y1 - y0
        ptr, ok = self._call(self._x.XGetImage, self.dpy, self.root, x0, y0, w, h,
                             ctypes.c_ulong(-1).value, 2)
        if not ok or not ptr:
            raise Failure("could not read the screen at %dx%d+%d+%d" % (w, h, x0, y0))
        try:
            img = ptr.contents
            if img.bits_per_pixel != 32 or img.red_mask != 0xFF0000 or img.byte_order != 0:
                raise Failure("unexpected screen format (%d bpp, red mask %x)"
                              % (img.bits_per_pixel, img.red_mask))
            raw = ctypes.string_at(img.data, img.bytes_per_line * h)
            if img.bytes_per_line != 4 * w:
                raw = b"".join(raw[r * img.bytes_per_line:r * img.bytes_per_line + 4 * w]
                               for r in range(h))
        finally:
            self._x.XDestroyImage(ptr)
        return Image(x0, y0, w, h, raw[2::4], raw[1::4], raw[0::4])

    def grab_window(self, wid, x=0, y=0, w=None, h=None):
        """Pixels of a window's rectangle (window coordinates), as the screen shows them."""
        geo = self.geometry(wid)
        if geo is None:
            raise Failure("window 0x%x is gone" % wid)
        gx, gy, gw, gh = geo
        return self.grab(gx + x, gy + y, gw - x if w is None else w, gh - y if h is None else h)

    def screenshot(self):
        return self.grab(0, 0, *self.screen_size)

    # -- windows -----------------------------------------------------------------------------

    def property(self, wid, name, kind=0):
        atype, afmt = ctypes.c_ulong(), ctypes.c_int()
        nitems, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status, ok = self._call(self._x.XGetWindowProperty, self.dpy, wid, self.atom(name), 0,
                                4096, 0, kind, ctypes.byref(atype), ctypes.byref(afmt),
                                ctypes.byref(nitems), ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not ok or not data.value:
            return None
        try:
            if afmt.value == 8:
                return ctypes.string_at(data.value, nitems.value)
            if afmt.value == 32:
                arr = ctypes.cast(data.value, ctypes.POINTER(ctypes.c_long))
                return [arr[i] for i in range(nitems.value)]
            if afmt.value == 16:
                arr = ctypes.cast(data.value, ctypes.POINTER(ctypes.c_short))
                return [arr[i] for i in range(nitems.value)]
            return None
        finally:
            self._x.XFree(data)

    def name(self, wid):
        raw = self.property(wid, "_NET_WM_NAME") or self.property(wid, "WM_NAME")
        if isinstance(raw, bytes):
            return raw.decode("utf-8", "replace")
        return None

    def children(self, wid):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        kids, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        status, ok = self._call(self._x.XQueryTree, self.dpy, wid, ctypes.byref(root),
                                ctypes.byref(parent), ctypes.byref(kids), ctypes.byref(count))
        if not status or not ok:
            return []
        result = [kids[i] for i in range(count.value)]
        if kids:
            self._x.XFree(kids)
        return result

    def attributes(self, wid):
        attrs = _XWindowAttributes()
        status, ok = self._call(self._x.XGetWindowAttributes, self.dpy, wid, ctypes.byref(attrs))
        return attrs if status and ok else None

    def geometry(self, wid):
        """Absolute x, y and the size of a window, or None when it is gone."""
        attrs = self.attributes(wid)
        if attrs is None:
            return None
        ax, ay, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        _, ok = self._call(self._x.XTranslateCoordinates, self.dpy, wid, self.root, 0, 0,
                           ctypes.byref(ax), ctypes.byref(ay), ctypes.byref(child))
        if not ok:
            return None
        return ax.value, ay.value, attrs.width, attrs.height

    def windows(self):
        """Every named window and every override-redirect window, from the whole tree."""
        found = []

        def walk(wid, depth):
            for kid in self.children(wid):
                attrs = self.attributes(kid)
                if attrs is None:
                    continue
                name = self.name(kid)
                if name is not None or attrs.override_redirect:
                    geo = self.geometry(kid)
                    if geo is not None:
                        found.append(WindowInfo(kid, name, *geo,
                                                viewable=attrs.map_state == IS_VIEWABLE,
                                                override_redirect=bool(attrs.override_redirect)))
                # Window-manager frames hold the program's windows one or two levels down.
                if depth < 3:
                    walk(kid, depth + 1)

        walk(self.root, 0)
        return found

    def focus(self):
        wid, revert = ctypes.c_ulong(), ctypes.c_int()
        self._call(self._x.XGetInputFocus, self.dpy, ctypes.byref(wid), ctypes.byref(revert))
        return wid.value

    def is_viewable(self, wid):
        attrs = self.attributes(wid)
        return attrs is not None and attrs.map_state == IS_VIEWABLE

    def wm_state(self, wid):
        """ICCCM WM_STATE: 1 normal, 3 iconic, None when the window manager set none."""
        value = self.property(wid, "WM_STATE")
        return value[0] if value else None

    def frame_extents(self, wid):
        value = self.property(wid, "_NET_FRAME_EXTENTS")
        return tuple(value[:4]) if value and len(value) >= 4 else (0, 0, 0, 0)

    def send_close(self, wid):
        """What a close box does: asks the window to close through WM_DELETE_WINDOW."""
        event = _XEvent()
        msg = event.xclient
        msg.type = 33  # ClientMessage
        msg.window = wid
        msg.message_type = self.atom("WM_PROTOCOLS")
        msg.format = 32
        msg.l[0] = self.atom("WM_DELETE_WINDOW")
        msg.l[1] = 0
        _, ok = self._call(self._x.XSendEvent, self.dpy, wid, 0, 0, ctypes.byref(event))
        if not ok:
            raise Failure("could not send WM_DELETE_WINDOW to 0x%x" % wid)

    def paint_stain(self, wid, x, y, w, h, rgb=0xFF00FF):
        """Paints over a window's own pixels behind the program's back."""
        gc = self._x.XCreateGC(self.dpy, wid, 0, None)
        try:
            self._x.XSetForeground(self.dpy, gc, rgb)
            _, ok = self._call(self._x.XFillRectangle, self.dpy, wid, gc, x, y, w, h)
        finally:
            self._x.XFreeGC(self.dpy, gc)
        return ok

    def expose(self, wid, x, y, w, h):
        """Tells the window that a part of it needs painting again."""
        _, ok = self._call(self._x.XClearArea, self.dpy, wid, x, y, w, h, 1)
        return ok


# --------------------------------------------------------------------------------------------
# Images

def _flags(threshold_low, threshold_high):
    return bytes(1 if threshold_low <= v <= threshold_high else 0 for v in range(256))


_HIGH = _flags(200, 255)
_LOW = _flags(0, 60)


class Image:
    """An RGB rectangle of the screen; x and y are its root position."""

    def __init__(self, x, y, w, h, r, g, b):
        self.x, self.y, self.width, self.height = x, y, w, h
        self.r, self.g, self.b = r, g, b

    def pixel(self, px_, py_):
        i = py_ * self.width + px_
        return self.r[i], self.g[i], self.b[i]

    def same_as(self, other):
        return (self.width, self.height, self.r, self.g, self.b) == \
            (other.width, other.height, other.r, other.g, other.b)

    def _mask(self, high, low1, low2):
        n = self.width * self.height
        if n == 0:
            return []
        bits = (int.from_bytes(high.translate(_HIGH), "big")
                & int.from_bytes(low1.translate(_LOW), "big")
                & int.from_bytes(low2.translate(_LOW), "big"))
        marks = bits.to_bytes(n, "big")
        return [m.start() for m in re.finditer(b"\x01", marks)]

    def colour_points(self, colour):
        """(x, y) of the pixels that are plainly red or plainly green."""
        if colour == "red":
            idx = self._mask(self.r, self.g, self.b)
        elif colour == "green":
            idx = self._mask(self.g, self.r, self.b)
        else:
            raise ValueError(colour)
        return [(i % self.width, i // self.width) for i in idx]

    def blobs(self, colour, min_size=12):
        """Connected groups of one colour: a list of (size, left, top, right, bottom)."""
        points = set(self.colour_points(colour))
        groups = []
        while points:
            start = points.pop()
            stack, members = [start], [start]
            while stack:
                cx, cy = stack.pop()
                for nb in ((cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)):
                    if nb in points:
                        points.remove(nb)
                        stack.append(nb)
                        members.append(nb)
            if len(members) >= min_size:
                xs = [p[0] for p in members]
                ys = [p[1] for p in members]
                groups.append((len(members), min(xs), min(ys), max(xs), max(ys)))
        return groups

    def save_png(self, path, level=6):
        raw = bytearray()
        for row in range(self.height):
            raw.append(0)
            start = row * self.width
            line = bytearray(3 * self.width)
            line[0::3] = self.r[start:start + self.width]
            line[1::3] = self.g[start:start + self.width]
            line[2::3] = self.b[start:start + self.width]
            raw += line

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + \
                struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", max(1, self.width),
                                                 max(1, self.height), 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(bytes(raw), level)))
            out.write(chunk(b"IEND", b""))


# --------------------------------------------------------------------------------------------
# Processes

def _die_with_parent():
    # If the test itself is killed (a ctest timeout), its servers and programs go with it.
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(1, signal.SIGKILL, 0, 0, 0)  # PR_SET_PDEATHSIG
    except Exception:  # noqa: BLE001 - best effort in a child about to exec
        pass


def _require(tool):
    path = shutil.which(tool)
    if not path:
        raise Failure("%s is not installed (scripts/install-deps.sh installs it)" % tool)
    return path


class Process:
    def __init__(self, name, args, env, log_path, pass_fds=()):
        self.name = name
        self.log_path = log_path
        self._log = open(log_path, "wb")
        self.proc = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=self._log,
                                     stderr=subprocess.STDOUT, pass_fds=pass_fds,
                                     start_new_session=True, preexec_fn=_die_with_parent)
        self.pid = self.proc.pid

    def alive(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("%s (pid %d) did not end within %.1f s" % (self.name, self.pid, timeout))

    def stop(self):
        """Ends the process and everything it started (its own session), by process group."""
        if self.proc.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.pid, signal.SIGTERM)
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        # Also whatever it left behind in its group, then the process itself if still there.
        with contextlib.suppress(ProcessLookupError, PermissionError):
            os.killpg(self.pid, signal.SIGKILL)
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.proc.wait(timeout=5)
        self._log.close()

    def log_text(self):
        self._log.flush()
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""


OPENBOX_RC = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <keyboard></keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
</openbox_config>
"""


class Program:
    """One run of the program with its own settings and runtime folders."""

    def __init__(self, session, process, config_home, runtime_dir):
        self.session = session
        self.process = process
        self.config_home = config_home
        self.runtime_dir = runtime_dir
        self.window = None

    @property
    def settings_file(self):
        return os.path.join(self.config_home, "Quellbrook", "Mindrova.conf")

    def geometry(self):
        geo = self.session.x.geometry(self.window)
        if geo is None:
            raise Failure("the main window 0x%x is gone" % self.window)
        return geo

    def outer_size(self):
        """The window's size with the frame the window manager puts round it (if any)."""
        _, _, w, h = self.geometry()
        left, right, top, bottom = self.session.x.frame_extents(self.window)
        return w + left + right, h + top + bottom

    def grab(self, x=0, y=0, w=None, h=None):
        return self.session.x.grab_window(self.window, x, y, w, h)

    def focus(self):
        xd = self.session.xdotool
        if self.session.wm:
            xd("windowactivate", "--sync", str(self.window), check=False)
        else:
            xd("windowfocus", "--sync", str(self.window), check=False)

    def key(self, *keys):
        self.session.xdotool("key", "--delay", "20", *keys)

    def click(self, x, y, button=1):
        """A real click at window coordinates."""
        self.session.xdotool("mousemove", "--window", str(self.window), str(x), str(y),
                             "click", str(button))

    def alive(self):
        return self.process.alive()

    def wait_exit(self, timeout=None):
        return self.process.wait_exit(scaled(10) if timeout is None else timeout)


class Session:
    """A private X server (optionally with a window manager) and the programs run on it.

    Use as a context manager: on the way out every process it started is ended, and on a
    failure the screen and the programs' output are kept in the artifacts folder.
    """

    def __init__(self, name, program, wm=False, screen="1600x1000x24"):
        self.name = name
        self.program_path = os.path.abspath(program)
        self.wm = wm
        self.screen = screen
        self.processes = []
        self.x = None
        self.display = None
        self.tmp = None
        self.artifacts = os.path.join(
            os.environ.get("MINDROVA_ACCEPTANCE_ARTIFACTS") or tempfile.gettempdir(),
            "mindrova-acceptance-" + name)

    # -- set-up and clean-up -------------------------------------------------------------------

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self._stop_all()
            raise
        return self

    def _start(self):
        if not os.access(self.program_path, os.X_OK):
            raise Failure("program not found: %s" % self.program_path)
        self.tmp = tempfile.mkdtemp(prefix="mindrova-acc-")
        # Evidence of an earlier failed run would only mislead.
        shutil.rmtree(self.artifacts, ignore_errors=True)
        xvfb = _require("Xvfb")
        _require("xdotool")
        read_fd, write_fd = os.pipe()
        try:
            server = Process("Xvfb", [xvfb, "-displayfd", str(write_fd), "-screen", "0",
                                      self.screen, "-nolisten", "tcp", "-noreset"],
                             dict(os.environ), os.path.join(self.tmp, "xvfb.log"),
                             pass_fds=(write_fd,))
            self.processes.append(server)
            os.close(write_fd)
            write_fd = -1
            number = b""
            deadline = time.monotonic() + scaled(20)
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not server.alive():
                    raise Failure("Xvfb did not start:\n" + server.log_text())
                ready, _, _ = select.select([read_fd], [], [], left)
                if ready:
                    chunk = os.read(read_fd, 16)
                    if not chunk:
                        raise Failure("Xvfb closed its display pipe:\n" + server.log_text())
                    number += chunk
        finally:
            os.close(read_fd)
            if write_fd >= 0:
                os.close(write_fd)
        self.display = ":" + number.decode().strip()
        self.x = XDisplay(self.display)
        # The pointer starts over the middle of the screen: park it where it hovers nothing.
        self.xdotool("mousemove", "0", "0")
        if self.wm:
            self._start_wm()

    def _start_wm(self):
        rc = os.path.join(self.tmp, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write(OPENBOX_RC)
        env = self._base_env()
        env["XDG_CONFIG_HOME"] = os.path.join(self.tmp, "wm-config")
        wm = Process("openbox", [_require("openbox"), "--sm-disable", "--config-file", rc], env,
                     os.path.join(self.tmp, "openbox.log"))
        self.processes.append(wm)
        wait_for(lambda: self.x.property(self.x.root, "_NET_SUPPORTING_WM_CHECK")
                 or not wm.alive(), scaled(15), "the window manager to start")
        if not wm.alive():
            raise Failure("openbox did not start:\n" + wm.log_text())

    def _base_env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        # Never reach a desktop bus of the machine, nor start one.
        env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + os.path.join(self.tmp, "no-bus")
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("XAUTHORITY", None)
        return env

    def _stop_all(self):
        # The server goes last: Xlib ends this process outright if its server disappears first.
        server = [p for p in self.processes if p.name == "Xvfb"]
        for proc in reversed(self.processes):
            if proc not in server:
                proc.stop()
        if self.x is not None:
            self.x.close()
            self.x = None
        for proc in server:
            proc.stop()
        self.processes = []

    def __exit__(self, kind, error, tb):
        failed = kind is not None
        if failed:
            self._keep_evidence(error)
        self._stop_all()
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _keep_evidence(self, error):
        try:
            os.makedirs(self.artifacts, exist_ok=True)
            kept = []
            if self.x is not None:
                path = os.path.join(self.artifacts, "screen-at-failure.png")
                self.x.screenshot().save_png(path)
                kept.append(path)
            for label, image in getattr(error, "images", {}).items():
                path = os.path.join(self.artifacts, label + ".png")
                image.save_png(path)
                kept.append(path)
            for proc in self.processes:
                path = os.path.join(self.artifacts, "%s-%d.log" % (proc.name, proc.pid))
                with open(path, "w") as out:
                    out.write(proc.log_text())
                kept.append(path)
            sys.stdout.flush()
            sys.stderr.write("kept for inspection:\n  " + "\n  ".join(kept) + "\n")
        except Exception as exc:  # noqa: BLE001 - evidence must never hide the failure itself
            sys.stderr.write("could not keep the evidence: %r\n" % exc)

    # -- tools -------------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        env = self._base_env()
        result = subprocess.run(["xdotool"] + list(args), env=env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=scaled(20))
        if check and result.returncode != 0:
            raise Failure("xdotool %s failed: %s" % (" ".join(args),
                                                     result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace").strip()

    def wmctrl(self, *args):
        subprocess.run([_require("wmctrl")] + list(args), env=self._base_env(),
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=scaled(20),
                       check=True)

    def new_folders(self):
        """A settings folder and a runtime folder (mode 700) for one run."""
        config = tempfile.mkdtemp(prefix="config-", dir=self.tmp)
        runtime = tempfile.mkdtemp(prefix="runtime-", dir=self.tmp)
        os.chmod(runtime, 0o700)
        return config, runtime

    def start(self, config_home=None, runtime_dir=None, wait_window=True, extra_env=None):
        if config_home is None or runtime_dir is None:
            config, runtime = self.new_folders()
            config_home = config_home or config
            runtime_dir = runtime_dir or runtime
        env = self._base_env()
        env["QT_QPA_PLATFORM"] = "xcb"
        env["XDG_CONFIG_HOME"] = config_home
        env["XDG_RUNTIME_DIR"] = runtime_dir
        env["ASAN_OPTIONS"] = ":".join(
            [o for o in env.get("ASAN_OPTIONS", "").split(":") if o and
             not o.startswith("detect_leaks=")] + ["detect_leaks=0"])
        for var in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                    "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE",
                    "QT_QPA_PLATFORMTHEME"):
            env.pop(var, None)
        env.update(extra_env or {})
        count = sum(1 for p in self.processes if p.name.startswith("mindrova"))
        process = Process("mindrova%d" % (count + 1), [self.program_path], env,
                          os.path.join(self.tmp, "mindrova-%d.log" % (count + 1)))
        self.processes.append(process)
        program = Program(self, process, config_home, runtime_dir)
        if wait_window:
            known = {w.id for w in self.main_windows()}
            program.window = self.wait_new_main_window(known, process)
            program.focus()
        return program

    def main_windows(self):
        """Mapped session windows: named "Mindrova" and of a main window's size, not a dialog."""
        return [w for w in self.x.windows() if w.name == "Mindrova" and w.viewable and
                not w.override_redirect and w.width >= 900 and w.height >= 500]

    def dialogs(self, exclude=()):
        """Mapped ordinary windows other than the given ones (message boxes, dialogs)."""
        return [w for w in self.x.windows() if w.viewable and not w.override_redirect and
                w.name is not None and w.id not in exclude and w.width > 1 and w.height > 1
                and not self._is_wm_window(w)]

    def _is_wm_window(self, w):
        return self.wm and (w.name or "").lower().startswith("openbox")

    def wait_new_main_window(self, known, process, timeout=None):
        def found():
            if not process.alive():
                raise Failure("the program ended (exit code %s) before its window showed:\n%s"
                              % (process.proc.returncode, process.log_text()))
            fresh = [w for w in self.main_windows() if w.id not in known]
            return fresh[0].id if fresh else None

        wid = wait_for(found, scaled(20) if timeout is None else timeout,
                       "the program's main window to show")
        # The first paint follows the mapping; wait until the toolbar is drawn.
        wait_for(lambda: self._painted(wid), scaled(10), "the main window's first paint")
        return wid

    def _painted(self, wid):
        geo = self.x.geometry(wid)
        if geo is None:
            return False
        img = self.x.grab(geo[0], geo[1], min(geo[2], 200), 40)
        return any(v != 0 for v in img.r)


class TestTimeout(Exception):
    pass


def run_with_deadline(seconds, body):
    """Runs body() and fails it cleanly (clean-up included) if it takes longer than seconds."""

    def on_alarm(_signum, _frame):
        raise TestTimeout("the test did not finish within %d s" % seconds)

    def on_term(signum, _frame):
        raise SystemExit("stopped by signal %d" % signum)

    signal.signal(signal.SIGALRM, on_alarm)
    signal.signal(signal.SIGTERM, on_term)
    signal.signal(signal.SIGINT, on_term)
    signal.alarm(int(seconds))
    started = time.monotonic()
    try:
        body()
    except Failure as failure:
        sys.stdout.flush()
        sys.stderr.write("FAILED: %s\n" % failure)
        return 1
    except TestTimeout as timeout:
        sys.stdout.flush()
        sys.stderr.write("FAILED: %s\n" % timeout)
        return 1
    finally:
        signal.alarm(0)
    print("passed in %.1f s" % (time.monotonic() - started))
    return 0


class AccessibleSession(Session):
    """The session, but the program reaches the caller's D-Bus session and its accessibility bus,
    and Qt's bridge is on without asking. For the screen-reader checks."""

    def _base_env(self):
        env = super()._base_env()
        env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"]
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        return env
