#!/usr/bin/env python3
"""Makes the release files from the staged program: the portable zip, the installer, SHA256SUMS and
the package managers' manifests, all in the dist folder.

The same source gives the same bytes: every file carries the commit's time (SOURCE_DATE_EPOCH, or the
last commit's time), the zip lists its entries sorted with fixed attributes, and the program is
checked for a link time in its header. With TAPWELL_SIGN_PFX set (TAPWELL_SIGN_PASSWORD, and
TAPWELL_SIGN_TIMESTAMP_URL for a time-stamp server), the program, the uninstaller and the installer
are signed before the checksums are made; signed files differ from build to build by their
signatures.

    release.py dist --version V --stage DIR --dist DIR --nsi FILE --makensis PROGRAM FILE...
    release.py sign FILE        (signs FILE in place; makensis calls it for the uninstaller)
"""
import argparse
import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import time
import zipfile

sys.dont_write_bytecode = True  # the build writes nothing into the source tree
import manifests  # noqa: E402

# What a download may weigh: the program as shipped, and the zip around it.
MAX_EXE_BYTES = 700 * 1000
MAX_ZIP_BYTES = 220 * 1024
# A zip cannot hold a time before 1980.
ZIP_EPOCH = 315532800
SIGNED_DESCRIPTION = "Tapwell by Tovrin"


class ReleaseError(Exception):
    pass


def source_date_epoch(source_dir):
    value = os.environ.get("SOURCE_DATE_EPOCH")
    if not value:
        try:
            value = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"], check=True,
                                   capture_output=True, text=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            raise ReleaseError("no commit time: set SOURCE_DATE_EPOCH or build from a git checkout")
    try:
        return max(int(value), ZIP_EPOCH)
    except ValueError:
        raise ReleaseError(f"SOURCE_DATE_EPOCH is not a number of seconds: {value!r}")


def pe_link_time(path):
    with open(path, "rb") as file:
        header = file.read(4096)
    if header[:2] != b"MZ":
        raise ReleaseError(f"{path} is not a Windows program")
    (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
    if header[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise ReleaseError(f"{path} has no PE header")
    # The COFF header follows the signature: machine, section count, then the link time.
    (link_time,) = struct.unpack_from("<I", header, pe_offset + 8)
    return link_time


def check_program(path):
    size = os.path.getsize(path)
    if size > MAX_EXE_BYTES:
        raise ReleaseError(f"{os.path.basename(path)} is {size} bytes, more than the {MAX_EXE_BYTES} "
                           "a release may ship: look for what the last change pulled in (the map file "
                           "of -Wl,-Map, or nm --size-sort)")
    if pe_link_time(path) != 0:
        raise ReleaseError(f"{os.path.basename(path)} carries its link time: link with "
                           "-Wl,--no-insert-timestamp")


def signing_settings():
    pfx = os.environ.get("TAPWELL_SIGN_PFX")
    if not pfx:
        return None
    if not os.path.isfile(pfx):
        raise ReleaseError(f"TAPWELL_SIGN_PFX names no file: {pfx}")
    return pfx, os.environ.get("TAPWELL_SIGN_PASSWORD", ""), os.environ.get("TAPWELL_SIGN_TIMESTAMP_URL")


def sign(path):
    pfx, password, timestamp_url = signing_settings()
    signed = path + ".signed"
    command = ["osslsigncode", "sign", "-pkcs12", pfx, "-h", "sha256", "-n", SIGNED_DESCRIPTION]
    if timestamp_url:
        command += ["-ts", timestamp_url]
    # The password goes through a file only this user may read, never the command line, where other
    # users could see it.
    with tempfile.TemporaryDirectory() as folder:
        password_file = os.path.join(folder, "password")
        with open(os.open(password_file, os.O_WRONLY | os.O_CREAT, 0o600), "w") as file:
            file.write(password)
        result = subprocess.run(command + ["-readpass", password_file, "-in", path, "-out", signed],
                                capture_output=True, text=True)
    if result.returncode != 0:
        if os.path.exists(signed):
            os.remove(signed)
        raise ReleaseError(f"signing {os.path.basename(path)} failed:\n{result.stdout}{result.stderr}")
    os.replace(signed, path)


def write_zip(zip_path, stage_dir, names, epoch):
    date_time = time.gmtime(epoch)[:6]
    partial = zip_path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name in sorted(names):
            entry = zipfile.ZipInfo(name, date_time)
            # Attributes fixed, not taken from the build machine's file modes.
            entry.create_system = 0
            entry.external_attr = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage_dir, name), "rb") as file:
                archive.writestr(entry, file.read(), compresslevel=9)
    size = os.path.getsize(partial)
    if size > MAX_ZIP_BYTES:
        os.remove(partial)
        raise ReleaseError(f"{os.path.basename(zip_path)} would be {size} bytes, more than {MAX_ZIP_BYTES}")
    os.replace(partial, zip_path)


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 16), b""):
            digest.update(block)
    return digest.hexdigest()


def make_dist(args):
    epoch = source_date_epoch(args.source)
    signing = signing_settings()
    program = os.path.join(args.stage, "Tapwell.exe")
    check_program(program)
    if signing:
        sign(program)
    # The installer keeps each file's time, as the zip does: both say the commit's.
    for name in args.files:
        os.utime(os.path.join(args.stage, name), (epoch, epoch))

    os.makedirs(args.dist, exist_ok=True)
    zip_name = f"Tapwell-{args.version}.zip"
    setup_name = f"Tapwell-{args.version}-setup.exe"
    write_zip(os.path.join(args.dist, zip_name), args.stage, args.files, epoch)

    setup = os.path.join(args.dist, setup_name)
    command = [args.makensis, "-V2", "-NOCD"]
    if signing:
        # Run through the system's shell: double quotes suit both sh and cmd.
        command.append(f'-DSIGN_UNINSTALLER="{sys.executable}" "{os.path.abspath(__file__)}" sign "%1"')
    subprocess.run(command + [args.nsi], check=True)
    if signing:
        sign(setup)

    sums = {name: sha256(os.path.join(args.dist, name)) for name in (zip_name, setup_name)}
    with open(os.path.join(args.dist, "SHA256SUMS"), "w", newline="\n") as file:
        file.writelines(f"{digest}  {name}\n" for name, digest in sorted(sums.items()))
    manifests.write(args.dist, args.version, zip_name, sums[zip_name], args.files, setup_name,
                    sums[setup_name])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    dist = commands.add_parser("dist")
    dist.add_argument("--version", required=True)
    dist.add_argument("--source", required=True, help="the source tree, for the commit's time")
    dist.add_argument("--stage", required=True, help="the folder holding the files to ship")
    dist.add_argument("--dist", required=True)
    dist.add_argument("--nsi", required=True)
    dist.add_argument("--makensis", required=True)
    dist.add_argument("files", nargs="+", help="the staged files the zip holds")
    sign_file = commands.add_parser("sign")
    sign_file.add_argument("file")
    args = parser.parse_args()
    try:
        if args.command == "sign":
            if not signing_settings():
                raise ReleaseError("sign: TAPWELL_SIGN_PFX is not set")
            sign(args.file)
        else:
            make_dist(args)
    except (ReleaseError, subprocess.CalledProcessError) as error:
        print(f"release: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
