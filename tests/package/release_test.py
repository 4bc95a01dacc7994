#!/usr/bin/env python3
"""The release files in build/win32/dist/: checksums and manifests that match the files, the same bytes
when packed again in other folders at other times, and signatures that verify when a certificate is
given. Whether the compiled program is the same from another clone, scripts/reproduce.sh shows."""
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

import yaml

BUILD = os.environ["TAPWELL_BUILD_DIR"]
SOURCE = os.environ["TAPWELL_SOURCE_DIR"]
VERSION = os.environ["TAPWELL_VERSION"]
DIST = os.path.join(BUILD, "dist")
STAGE = os.path.join(BUILD, "packaging", "stage")
RELEASE_FILES = [f"Tapwell-{VERSION}.zip", f"Tapwell-{VERSION}-setup.exe"]


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def pack_elsewhere(folder, env=None):
    """Packs the staged files again from a copy in another folder; returns the new dist folder."""
    stage, dist = os.path.join(folder, "stage"), os.path.join(folder, "dist")
    shutil.copytree(STAGE, stage, copy_function=shutil.copy)
    with open(os.path.join(BUILD, "packaging", "Tapwell.nsi")) as file:
        script = file.read().replace(STAGE, stage).replace(DIST, dist)
    nsi = os.path.join(folder, "Tapwell.nsi")
    with open(nsi, "w") as file:
        file.write(script)
    subprocess.run([sys.executable, os.path.join(SOURCE, "packaging", "release.py"), "dist", "--version", VERSION,
                    "--source", SOURCE, "--stage", stage, "--dist", dist, "--nsi", nsi, "--makensis", "makensis",
                    "README.txt", "Tapwell.exe"], check=True, env={**os.environ, **(env or {})})
    return dist


class ReleaseFiles(unittest.TestCase):
    def test_checksums_and_manifests_match_the_files(self):
        with open(os.path.join(DIST, "SHA256SUMS")) as file:
            sums = dict(reversed(line.split("  ")) for line in file.read().splitlines())
        self.assertEqual(sums, {name: sha256(os.path.join(DIST, name)) for name in RELEASE_FILES})
        zip_name, setup_name = RELEASE_FILES

        winget = {}
        for kind in ("", ".installer", ".locale.en-US"):
            with open(os.path.join(DIST, "winget", f"Tovrin.Tapwell{kind}.yaml")) as file:
                winget[kind] = yaml.safe_load(file)
            self.assertEqual(winget[kind]["PackageVersion"], VERSION)
        installer = winget[".installer"]
        self.assertEqual(installer["Installers"][0]["InstallerSha256"].lower(), sums[setup_name])
        self.assertTrue(installer["Installers"][0]["InstallerUrl"].endswith("/" + setup_name))
        # The product code is the name of the uninstall key the installer writes.
        with open(os.path.join(SOURCE, "packaging", "Tapwell.nsi.in")) as file:
            product = re.search(r'!define PRODUCT "(\w+)"', file.read()).group(1)
        self.assertEqual(installer["ProductCode"], product)
        self.assertEqual(installer["AppsAndFeaturesEntries"][0]["DisplayVersion"], VERSION)

        with open(os.path.join(DIST, "scoop", "tapwell.json")) as file:
            scoop = json.load(file)
        self.assertEqual((scoop["version"], scoop["hash"]), (VERSION, sums[zip_name]))
        self.assertTrue(scoop["url"].endswith("/" + zip_name))
        with zipfile.ZipFile(os.path.join(DIST, zip_name)) as archive:
            portable = "Tapwell.ini" in archive.namelist()
        self.assertEqual(scoop.get("persist"), "Tapwell.ini" if portable else None)

    def test_packing_again_elsewhere_gives_the_same_bytes(self):
        # Two packs in two folders, seconds apart (each takes that long).
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            packs = [pack_elsewhere(first), pack_elsewhere(second)]
            for name in RELEASE_FILES:
                self.assertEqual(*(sha256(os.path.join(pack, name)) for pack in packs), name)

    def test_with_a_certificate_the_program_the_uninstaller_and_the_setup_verify(self):
        with tempfile.TemporaryDirectory() as folder:
            cert, key, pfx = (os.path.join(folder, name) for name in ("cert.pem", "key.pem", "sign.pfx"))
            subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                            "/CN=Tapwell test signer", "-addext", "extendedKeyUsage=codeSigning",
                            "-keyout", key, "-out", cert], check=True, capture_output=True)
            subprocess.run(["openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", pfx,
                            "-passout", "pass:throwaway"], check=True)
            dist = pack_elsewhere(folder, {"TAPWELL_SIGN_PFX": pfx, "TAPWELL_SIGN_PASSWORD": "throwaway"})
            setup = os.path.join(dist, RELEASE_FILES[1])
            # The setup carries the signed program and the signed uninstaller; 7-Zip takes them out.
            subprocess.run(["7zz", "x", "-y", f"-o{folder}", setup, "Tapwell.exe", "Uninstall.exe"], check=True,
                           capture_output=True)
            for path in (os.path.join(folder, "Tapwell.exe"), os.path.join(folder, "Uninstall.exe"), setup):
                result = subprocess.run(["osslsigncode", "verify", "-CAfile", cert, "-in", path],
                                        capture_output=True, text=True)
                self.assertEqual(result.returncode, 0, f"{path}:\n{result.stdout}{result.stderr}")
            with open(os.path.join(dist, "SHA256SUMS")) as file:
                self.assertIn(f"{sha256(setup)}  {RELEASE_FILES[1]}", file.read())


if __name__ == "__main__":
    unittest.main()
