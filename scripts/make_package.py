#!/usr/bin/env python3
"""Makes the release package of a Windows build folder (cmake --build ... --target package):
Schulferien-VERSION-win64.zip with both program files, the guide LIESMICH.txt and SHA256SUMS,
the SHA-256 sums of those three files as sha256sum -c reads them, with CRLF line ends.

    python3 scripts/make_package.py BUILD_FOLDER SOURCE_FOLDER VERSION GUIDE
        [--sign PFX [--password-file FILE] [--timestamp URL] [--osslsigncode PROGRAM]]

GUIDE is the LIESMICH.txt to pack; the git checkout, if any, is SOURCE_FOLDER.

With --sign, the program is signed with Authenticode (SHA-256) by osslsigncode before it is
packed, and both program files are that one signed file. The password is the first line of
FILE, else the environment variable SCHULFERIEN_SIGN_PASSWORD; it reaches osslsigncode on its
standard input, never on a command line.

The same commit gives the same ZIP: its entries in a fixed order, each with the same attributes
and the time of the release commit (SOURCE_DATE_EPOCH, else the commit's time from git, else
1980-01-01), and the signing time in the signature is that time as well, so that only a time
stamp makes two signings differ.
"""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import time
import zipfile

PROGRAM = "Schulferien.exe"
FILES = [PROGRAM, "Schulferien_deaktivieren.exe", "LIESMICH.txt"]
ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC, the earliest time a ZIP entry can carry


def release_time(source):
    """The time the package's files carry, and where it comes from."""
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"]), "SOURCE_DATE_EPOCH"
    try:
        git = lambda *args: subprocess.run(
            ["git", "-C", source, *args], check=True, capture_output=True, text=True
        ).stdout.strip()
        # Only a checkout of this source, not a repository it happens to lie in.
        if os.path.samefile(git("rev-parse", "--show-toplevel"), source):
            return int(git("log", "-1", "--format=%ct")), "the last commit"
    except (OSError, ValueError, subprocess.CalledProcessError):
        pass
    return ZIP_EPOCH, "no commit known"


def password(file):
    if file:
        with open(file, encoding="utf-8") as f:
            return f.readline().rstrip("\r\n")
    return os.environ.get("SCHULFERIEN_SIGN_PASSWORD", "")


def sign(args, source, target, when):
    command = [args.osslsigncode, "sign", "-pkcs12", args.sign, "-readpass", "-",
               "-h", "sha256", "-n", "Schulferien kennzeichnen", "-time", str(when)]
    if args.timestamp:
        command += ["-ts", args.timestamp]
    command += ["-in", source, "-out", target]
    result = subprocess.run(command, input=password(args.password_file), text=True,
                            capture_output=True)
    if result.returncode != 0:
        sys.exit(f"make_package: signing failed:\n{result.stdout}{result.stderr}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("source")
    parser.add_argument("version")
    parser.add_argument("guide")
    parser.add_argument("--sign", metavar="PFX")
    parser.add_argument("--password-file")
    parser.add_argument("--timestamp", metavar="URL")
    parser.add_argument("--osslsigncode", default="osslsigncode")
    args = parser.parse_args()

    when, origin = release_time(args.source)
    stamp = time.gmtime(max(when, ZIP_EPOCH))[:6]
    name = os.path.join(args.build, f"Schulferien-{args.version}-win64.zip")
    if os.path.exists(name):
        os.remove(name)  # no package of an earlier build left when this one fails
    folder = os.path.join(args.build, "paket")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)

    program = os.path.join(folder, PROGRAM)
    if args.sign:
        sign(args, os.path.join(args.build, PROGRAM), program, when)
    else:
        shutil.copyfile(os.path.join(args.build, PROGRAM), program)
    shutil.copyfile(program, os.path.join(folder, FILES[1]))  # the same bytes, another name
    shutil.copyfile(args.guide, os.path.join(folder, FILES[2]))
    # CRLF, so that Notepad of every Windows shows one line per file; sha256sum -c reads it.
    with open(os.path.join(folder, "SHA256SUMS"), "w", encoding="ascii", newline="\r\n") as sums:
        for file in FILES:
            with open(os.path.join(folder, file), "rb") as f:
                sums.write(f"{hashlib.sha256(f.read()).hexdigest()}  {file}\n")

    with zipfile.ZipFile(name + ".neu", "w") as package:
        for entry in FILES + ["SHA256SUMS"]:
            info = zipfile.ZipInfo(entry, date_time=stamp)
            info.create_system = 0  # MS-DOS attributes, wherever the package is made
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows marks a new file
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, entry), "rb") as f:
                package.writestr(info, f.read(), compresslevel=9)
    os.replace(name + ".neu", name)
    print(f"{name}: {'signed' if args.sign else 'not signed'}, files dated "
          f"{time.strftime('%Y-%m-%d %H:%M:%S', time.gmtime(when))} UTC ({origin})")


if __name__ == "__main__":
    main()
