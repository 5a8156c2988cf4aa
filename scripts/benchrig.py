"""The programs the end-to-end benchmarks run: the host-services stand-in,
a fresh engine and the controller emulator with a site, from a Release build,
each in a temporary directory, with their output read line by line."""

import glob
import os
import queue
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def fields(line):
    return dict(word.split("=", 1) for word in line.split() if "=" in word)


def on_private_bus_offscreen():
    """Runs the calling script again under a private session bus when there
    is none; the programs draw offscreen unless told otherwise."""
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        os.execvp("dbus-run-session", ["dbus-run-session", "--"] + [sys.executable] + sys.argv)
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    os.environ.setdefault("TZ", "UTC")


class LineProcess:
    """A child whose standard output (with its standard error when merged) is
    read line by line on a thread and kept in a log."""

    def __init__(self, arguments, cwd, log, merge_errors=False):
        self.log = open(log, "w")
        self.process = subprocess.Popen(arguments, cwd=cwd, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT if merge_errors else self.log, text=True,
                                        bufsize=1)
        self.lines = queue.Queue()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        for line in self.process.stdout:
            self.log.write(line)
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def wait_for(self, prefix, timeout, seen=None, anywhere=False):
        """The first line starting with the prefix (holding it, when
        anywhere); lines passed on the way go to 'seen' when given."""
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError("no line '%s' within %d s" % (prefix, timeout))
            try:
                line = self.lines.get(timeout=left)
            except queue.Empty:
                continue
            if line is None:
                raise RuntimeError("process ended while waiting for '%s'" % prefix)
            if seen is not None:
                seen.append(line)
            if (prefix in line) if anywhere else line.startswith(prefix):
                return line

    def stop(self, grace=10):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(grace)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class Rig:
    """Host services, a fresh engine and the emulator with the site, linked
    and with the emulator asking for event acknowledgements."""

    def __init__(self, build, site, logs, name):
        self.directory = tempfile.mkdtemp(prefix="tesk-bench-")
        # The build's translations where an installation has them, so that
        # the screens show words as they do for a user.
        installed = os.path.join(self.directory, "c:", "DESKSIM", "DESKSIM 3_6", "i18n")
        os.makedirs(installed)
        for translation in glob.glob(os.path.join(build, "i18n", "*.qm")):
            shutil.copy(translation, installed)
        port = free_port()
        self.hosts = LineProcess([os.path.join(build, "tools/hostservices/hostservices")], self.directory,
                                 os.path.join(logs, name + "-hostservices.log"))
        self.hosts.wait_for("ready", 30)
        self.engine = LineProcess([os.path.join(build, "app/teskengine"), "--port=%d" % port], self.directory,
                                  os.path.join(logs, name + "-engine.log"), merge_errors=True)
        self.sim = LineProcess([os.path.join(build, "tools/panelsim/panelsim"), "--port=%d" % port,
                                "--heartbeat=1000", "--site=" + site], self.directory,
                               os.path.join(logs, name + "-panelsim.log"))
        self.sim.wait_for("heartbeat-answer 1", 60)
        self.sim.send("eventlog acks")
        self.sim.wait_for("eventlog acks on", 10)

    def resident_mb(self):
        with open("/proc/%d/status" % self.engine.process.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
        return float("nan")

    def full_sync(self, timeout):
        """Seconds, pages and bytes of a full synchronisation."""
        self.sim.send("sync")
        total = fields(self.sim.wait_for("sync timing phase=total", timeout))
        done = self.sim.wait_for("sync done", 30)
        if done != "sync done status=0":
            raise RuntimeError("synchronisation failed: " + done)
        return float(total["seconds"]), int(total["pages"]), int(total["bytes"])

    def stop(self):
        self.sim.stop()
        self.engine.stop(grace=20)
        self.hosts.stop()
        shutil.rmtree(self.directory, ignore_errors=True)
