#!/usr/bin/env python3
"""Installs a build into a scratch prefix and checks what a desktop needs of it.

check_install.py --cmake CMAKE --build BUILD --source SOURCE --probe MIMEPROBE
"""
import argparse
import configparser
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

ARGS = None
MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
SDX = "application/x-gaugdata-sdx"
WMM = "application/x-gaugdata-wmm"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
TRANSLATED = ["de", "da", "fr"]


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, timeout=120, **kw)


class InstallTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="gaugdata-install-")
        cls.prefix = os.path.join(cls.scratch, "prefix with space")
        done = run([ARGS.cmake, "--install", ARGS.build, "--prefix", cls.prefix])
        if done.returncode != 0:
            raise AssertionError("cmake --install failed:\n" + done.stdout.decode() +
                                 done.stderr.decode())
        cls.share = os.path.join(cls.prefix, "share")
        cls.has_gui = os.path.exists(os.path.join(cls.prefix, "bin", "gaugdata"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.prefix, *parts)

    def need_gui(self):
        if not self.has_gui:
            self.skipTest("built without the windows")

    # --- programs -------------------------------------------------------------

    def test_installs_only_the_programs_and_their_data(self):
        self.assertEqual(sorted(os.listdir(self.prefix)), ["bin", "share"])
        expected = ["gaugdata", "gaugdata-cli"] if self.has_gui else ["gaugdata-cli"]
        self.assertEqual(sorted(os.listdir(self.path("bin"))), expected)
        for name in expected:
            self.assertTrue(os.access(self.path("bin", name), os.X_OK), name)

    def test_installed_programs_run_from_the_prefix(self):
        demo = os.path.join(ARGS.source, "examples", "demo.sdx")
        listed = run([self.path("bin", "gaugdata-cli"), "list", demo])
        self.assertEqual(listed.returncode, 0, listed.stderr.decode())
        rows = listed.stdout.decode().splitlines()
        self.assertEqual(len(rows), 7)  # the heading and six series
        self.assertTrue(rows[1].startswith("01\t"), rows[1])
        if self.has_gui:
            version = run([self.path("bin", "gaugdata"), "--version"])
            self.assertEqual(version.returncode, 0)
            self.assertRegex(version.stdout.decode(), r"^GaugData \d+\.\d+\n$")

    def test_manual_is_installed_in_both_languages(self):
        if not os.path.isdir(os.path.join(ARGS.source, "doc")):
            self.skipTest("no manual in this source tree")
        for lang in ("de", "en"):
            page = self.path("share", "gaugdata", "manual", lang, "index.html")
            self.assertTrue(os.path.isfile(page), page)

    # --- desktop entry --------------------------------------------------------

    def desktop_entry(self):
        parser = configparser.RawConfigParser(delimiters=("=",), interpolation=None)
        parser.optionxform = str
        parser.read(self.path("share", "applications", "gaugdata.desktop"), encoding="utf-8")
        return parser["Desktop Entry"]

    def test_desktop_entry_starts_the_program_with_the_opened_file(self):
        self.need_gui()
        entry = self.desktop_entry()
        # %f: the file manager hands over a local path, one file per start,
        # which the program opens as its first argument.
        self.assertEqual(entry["Exec"].split(), ["gaugdata", "%f"])
        self.assertEqual(entry["TryExec"], "gaugdata")
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Icon"], "gaugdata")
        self.assertEqual(set(filter(None, entry["MimeType"].split(";"))), {SDX, WMM})
        for key in ("Name", "GenericName", "Comment"):
            self.assertTrue(entry.get(key), key)
        for key in ("GenericName", "Comment", "Keywords"):
            for lang in TRANSLATED + (["en"] if key != "Keywords" else []):
                self.assertTrue(entry.get(f"{key}[{lang}]"), f"{key}[{lang}]")
        self.assertNotEqual(entry["Comment[de]"], entry["Comment"])

    def test_desktop_entry_validates(self):
        self.need_gui()
        validator = shutil.which("desktop-file-validate")
        if validator is None:
            self.skipTest("desktop-file-validate is not installed")
        checked = run([validator, self.path("share", "applications", "gaugdata.desktop")])
        self.assertEqual(checked.returncode, 0, checked.stdout.decode() + checked.stderr.decode())
        self.assertEqual(checked.stdout.decode().strip(), "")

    def test_metainfo_names_the_entry_and_the_file_types(self):
        self.need_gui()
        metainfo = self.path("share", "metainfo", "gaugdata.metainfo.xml")
        root = ET.parse(metainfo).getroot()
        self.assertEqual(root.findtext("launchable"), "gaugdata.desktop")
        self.assertEqual({m.text for m in root.iter("mediatype")}, {SDX, WMM})
        self.assertEqual({b.text for b in root.iter("binary")}, {"gaugdata", "gaugdata-cli"})
        tool = shutil.which("appstreamcli")
        if tool is None:
            return
        checked = run([tool, "validate", "--no-net", "--format=yaml", metainfo])
        issues = re.findall(r"- tag: (\S+)\n\s+severity: (\S+)", checked.stdout.decode())
        # The id is the desktop entry's name; there is no domain to build a
        # reverse one from.
        serious = [tag for tag, severity in issues if severity in ("error", "warning")
                   and tag != "cid-desktopapp-is-not-rdns"]
        self.assertEqual(serious, [], checked.stdout.decode())

    # --- icons ----------------------------------------------------------------

    def test_icon_in_every_size(self):
        self.need_gui()
        hicolor = self.path("share", "icons", "hicolor")
        svg = ET.parse(os.path.join(hicolor, "scalable", "apps", "gaugdata.svg")).getroot()
        self.assertEqual(svg.tag, "{http://www.w3.org/2000/svg}svg")
        for size in ICON_SIZES:
            png = os.path.join(hicolor, f"{size}x{size}", "apps", "gaugdata.png")
            with open(png, "rb") as f:
                head = f.read(33)
            self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n", png)
            self.assertEqual(head[12:16], b"IHDR", png)
            width, height, depth, colour = struct.unpack(">IIBB", head[16:26])
            self.assertEqual((width, height), (size, size), png)
            self.assertIn(colour, (4, 6), f"{png} has no transparency")

    # --- file types -----------------------------------------------------------

    def mime_file(self):
        return self.path("share", "mime", "packages", "gaugdata.xml")

    def test_mime_package_declares_both_types(self):
        root = ET.parse(self.mime_file()).getroot()
        self.assertEqual(root.tag, MIME_NS + "mime-info")
        types = {t.get("type"): t for t in root.findall(MIME_NS + "mime-type")}
        self.assertEqual(set(types), {SDX, WMM})
        for name, glob in ((SDX, "*.sdx"), (WMM, "*.wmm")):
            t = types[name]
            self.assertEqual([g.get("pattern") for g in t.findall(MIME_NS + "glob")], [glob])
            self.assertIsNotNone(t.find(MIME_NS + "magic"), name)
            langs = {c.get("{http://www.w3.org/XML/1998/namespace}lang")
                     for c in t.findall(MIME_NS + "comment")}
            self.assertEqual(langs, {None, *TRANSLATED})
        xmllint = shutil.which("xmllint")
        if xmllint:
            linted = run([xmllint, "--noout", self.mime_file()])
            self.assertEqual(linted.returncode, 0, linted.stderr.decode())

    def mime_database(self):
        """The installed package compiled as update-mime-database does it."""
        tool = shutil.which("update-mime-database")
        if tool is None:
            return False
        if not os.path.exists(self.path("share", "mime", "mime.cache")):
            done = run([tool, self.path("share", "mime")])
            self.assertEqual(done.returncode, 0, done.stderr.decode())
        return True

    def system_mime_database(self):
        """The package compiled together with the system's own types, as an
        install into the system's prefix is: priorities decide between them."""
        tool = shutil.which("update-mime-database")
        system = "/usr/share/mime/packages/freedesktop.org.xml"
        if tool is None or not os.path.isfile(system):
            self.skipTest("the shared MIME database is not installed")
        mime = os.path.join(self.scratch, "system", "mime")
        if not os.path.exists(os.path.join(mime, "mime.cache")):
            os.makedirs(os.path.join(mime, "packages"))
            shutil.copy(system, os.path.join(mime, "packages"))
            shutil.copy(self.mime_file(), os.path.join(mime, "packages"))
            done = run([tool, mime])
            self.assertEqual(done.returncode, 0, done.stderr.decode())
        return os.path.dirname(mime)

    def test_mime_database_compiles_the_package(self):
        if not self.mime_database():
            self.skipTest("update-mime-database is not installed")
        mime = self.path("share", "mime")
        for name in (SDX, WMM):
            self.assertTrue(os.path.isfile(os.path.join(mime, name + ".xml")), name)
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as f:
            globs = f.read()
        self.assertIn(f"{SDX}:*.sdx", globs)
        self.assertIn(f"{WMM}:*.wmm", globs)
        with open(os.path.join(mime, "magic"), "rb") as f:
            magic = f.read()
        # The escapes of the package came out as the files' own bytes.
        self.assertIn(b"\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n", magic)
        self.assertIn(b"% USER-W\xc4RMESTROMKOEFFIZIENTEN", magic)

    def probe(self, mode, *files):
        # One database: Qt 6.4 lets the last of several databases with a
        # match decide, whatever the priorities.
        env = dict(os.environ)
        env["XDG_DATA_HOME"] = os.path.join(self.scratch, "no-home")
        env["XDG_DATA_DIRS"] = self.system_mime_database()
        done = run([ARGS.probe, mode, *files], env=env)
        self.assertEqual(done.returncode, 0, done.stderr.decode())
        return done.stdout.decode().splitlines()

    def scratch_file(self, name, data):
        path = os.path.join(self.scratch, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_files_are_recognised_by_their_bytes(self):
        examples = os.path.join(ARGS.source, "examples")
        with open(os.path.join(examples, "demo.sdx"), "rb") as f:
            sdx = f.read()
        with open(os.path.join(examples, "demo.wmm"), "rb") as f:
            wmm = f.read()
        sdx_files = sorted(os.path.join(examples, n) for n in os.listdir(examples)
                           if n.lower().endswith(".sdx"))
        other_version = sdx[:26] + b"3.03" + sdx[30:]
        wrong_banner = wmm[:124] + b"% FACTORY" + wmm[133:]
        files = sdx_files + [
            self.scratch_file("memory.bin", sdx),          # a download kept under another name
            self.scratch_file("sets.txt", wmm),
            self.scratch_file("cut", sdx[:31]),            # identification not whole
            self.scratch_file("other", other_version),
            self.scratch_file("notes", wrong_banner),
        ]
        types = self.probe("content", *files)
        n = len(sdx_files)
        self.assertEqual(types[:n], [SDX] * n)
        self.assertEqual(types[n:n + 2], [SDX, WMM])
        # Near misses are left to the system's own types.
        for near_miss, found in zip(files[n + 2:], types[n + 2:]):
            self.assertNotIn(found, (SDX, WMM), near_miss)

    def test_files_are_recognised_by_their_names(self):
        types = self.probe("name", "/nowhere/READING.SDX", "/nowhere/Mess daten Ü.sdx",
                           "/nowhere/sets.wmm", "/nowhere/sets.wmm.txt")
        self.assertEqual(types, [SDX, SDX, WMM, "text/plain"])


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    for name in ("--cmake", "--build", "--source", "--probe"):
        parser.add_argument(name, required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
