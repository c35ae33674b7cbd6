#!/usr/bin/env python3
"""Two machines, one diary, real Syncthing on loopback, Penwick running on both sides: both
Syncthings stop, each side changes a day of its own and the same day, both start again. The
sync must settle on one diary, byte for byte the same on both, with every day, both texts of the
shared day, and no conflict copy left. Exit 77 (skipped) without syncthing."""
import os, plistlib, shutil, socket, subprocess, sys, tempfile, time
import urllib.request
import xml.etree.ElementTree as ET

SYNCTHING = shutil.which("syncthing")
if not SYNCTHING:
    print("skipped: syncthing is not installed")
    sys.exit(77)
root, procs, deadline = tempfile.mkdtemp(prefix="penwick-sync-"), [], time.monotonic() + 60


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Side:
    def __init__(self, name):
        self.home = os.path.join(root, name)
        self.st_home = "--home=" + self.home + "/st"
        self.folder = os.path.join(self.home, "Synced")
        self.diary = os.path.join(self.folder, "note.plist")
        os.makedirs(os.path.join(self.folder, ".stfolder"))
        subprocess.run([SYNCTHING, "generate", self.st_home, "--no-default-folder",
                        "--skip-port-probing"], check=True, capture_output=True)
        self.id = subprocess.run([SYNCTHING, "serve", self.st_home, "--device-id"], check=True,
                                 capture_output=True, text=True).stdout.strip()
        self.gui, self.port = free_port(), free_port()

    def configure(self, peer):
        """Loopback only, no discovery, relays or NAT; the peer and the shared folder added."""
        config = ET.parse(self.home + "/st/config.xml")
        top = config.getroot()
        top.find("gui/address").text = "127.0.0.1:%d" % self.gui
        self.key = top.find("gui/apikey").text
        for tag, value in [("listenAddress", "tcp://127.0.0.1:%d" % self.port),
                           ("globalAnnounceEnabled", "false"), ("localAnnounceEnabled", "false"),
                           ("relaysEnabled", "false"), ("natEnabled", "false"),
                           ("startBrowser", "false"), ("urAccepted", "-1")]:
            top.find("options/" + tag).text = value
        other = ET.fromstring(ET.tostring(top.find("device")))
        other.set("id", peer.id)
        other.find("address").text = "tcp://127.0.0.1:%d" % peer.port
        top.insert(1, other)
        folder = ET.fromstring(ET.tostring(top.find("defaults/folder")))
        folder.attrib.update(id="diary", path=self.folder, fsWatcherDelayS="1")
        for device_id in (self.id, peer.id):
            ET.SubElement(folder, "device", id=device_id, introducedBy="")
        folder.find("maxConflicts").text = "10"  # absent, Syncthing drops the losing version
        top.insert(0, folder)
        config.write(self.home + "/st/config.xml")

    def start(self):
        self.st = subprocess.Popen([SYNCTHING, "serve", self.st_home, "--no-browser",
                                    "--no-restart", "--no-upgrade"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        procs.append(self.st)

    def rest(self, query, data=None):
        request = urllib.request.Request("http://127.0.0.1:%d/rest/%s" % (self.gui, query),
                                         data=data, headers={"X-API-Key": self.key})
        with urllib.request.urlopen(request, timeout=2) as answer:
            return answer.read()

    def idle(self):
        try:
            return b'"state":"idle"' in self.rest("db/status?folder=diary").replace(b" ", b"")
        except OSError:
            return False

    def run_penwick(self):
        os.makedirs(self.home + "/.config/Hollyfen")
        plistlib.dump({"safe": self.diary}, open(self.home + "/.config/Hollyfen/Penwick.plist", "wb"))
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=self.home + "/.config",
                        XDG_DATA_HOME=self.home + "/.local/share", XDG_RUNTIME_DIR=self.home,
                        QT_QPA_PLATFORM="offscreen", PENWICK_UPDATE_URL="http://127.0.0.1:9/")
        procs.append(subprocess.Popen([sys.argv[1]], env=self.env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))

    def days(self):
        return {e["date"]: e["text"] for e in plistlib.load(open(self.diary, "rb"))}

    def write(self, days):
        """Days written in the running Penwick, as a user brings them in: an import of daily
        notes, handed to the window."""
        notes = os.path.join(self.home, "notes")
        os.makedirs(notes)
        for day, text in days.items():
            open(os.path.join(notes, day + ".md"), "w").write(text)
        subprocess.run([sys.argv[1], "--import", os.path.join(notes, min(days) + ".md")],
                       env=self.env, check=True, capture_output=True)
        wait("the import into the running Penwick",
             lambda: all(self.days().get(d) == t for d, t in days.items()))

    def conflicts(self):  # Syncthing's temporaries of a copy merged on the other side aside
        return [n for n in os.listdir(self.folder)
                if ".sync-conflict-" in n and not n.startswith(".syncthing.")]


def wait(what, condition):
    while not condition():
        if time.monotonic() > deadline:
            raise SystemExit("FAIL: timed out waiting for " + what)
        time.sleep(0.2)


try:
    a, b = Side("laptop"), Side("desktop")
    a.configure(b)
    b.configure(a)
    for side in (a, b):
        plistlib.dump([{"date": "2026-01-01", "text": "new year"}], open(side.diary, "wb"))
        os.utime(side.diary, (1767225600, 1767225600))
        side.start()
        side.run_penwick()
    wait("the first sync", lambda: a.idle() and b.idle())
    time.sleep(1.5)
    for side in (a, b):
        side.rest("system/shutdown", b"")
        try:
            side.st.wait(10)
        except subprocess.TimeoutExpired:  # a machine switched off will do as well
            side.st.kill()
            side.st.wait()
    a.write({"2026-01-02": "laptop's day", "2026-01-03": "written on the laptop"})
    time.sleep(1.1)  # the desktop's diary is the newer file
    b.write({"2026-01-04": "desktop's day", "2026-01-03": "written on the desktop"})
    for side in (a, b):
        side.start()
    expected = {"2026-01-01": "new year", "2026-01-02": "laptop's day",
                "2026-01-04": "desktop's day"}

    def both_texts(text):  # the newer file's text first, a line naming the copy, the other
        return (text.startswith("written on the desktop\n\n\u2014\u2014\u2014 note.sync-conflict-")
                and text.endswith(" \u2014\u2014\u2014\nwritten on the laptop"))

    def settled():
        try:
            days = a.days()
            return (not a.conflicts() and not b.conflicts() and both_texts(days.pop("2026-01-03"))
                    and days == expected
                    and open(a.diary, "rb").read() == open(b.diary, "rb").read()
                    and a.idle() and b.idle())
        except (OSError, plistlib.InvalidFileException, ValueError, KeyError):
            return False
    wait("both diaries to hold every day and both texts, with no conflict copy left", settled)
    time.sleep(2)
    wait("the sync to stay settled", settled)
    print("settled in %.1f s" % (60 - (deadline - time.monotonic())))
finally:
    for p in procs:
        p.terminate()
    for p in procs:
        try:
            p.wait(10)
        except subprocess.TimeoutExpired:
            p.kill()
    shutil.rmtree(root, ignore_errors=True)
