#!/usr/bin/python3
"""A release folder's download page as served on URL and as headless Chromium shows it
(scripts/browse, which saves its screenshots into SHOTS).
    tests/release-check.py FOLDER URL SHOTS"""
import hashlib
import json
import pathlib
import re
import subprocess
import sys
import urllib.request

folder, url, shots = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
problems = []
check = lambda ok, problem: ok or problems.append(problem)  # noqa: E731
sha256 = lambda data: hashlib.sha256(data).hexdigest()  # noqa: E731


def fetch(address):
    try:
        with urllib.request.urlopen(address, timeout=30) as answer:
            return answer.read()
    except OSError as error:
        problems.append(f"{address} does not answer: {error}")
        return b""


versions = sorted((p.name for p in (folder / "windows").iterdir()),
                  key=lambda v: [int(n) for n in v.split(".")])
page = json.loads(subprocess.run([pathlib.Path(__file__).parent / "../scripts/browse", url, shots],
                                 check=True, stdout=subprocess.PIPE, text=True).stdout)
for width, wide in page["widths"].items():
    check(wide <= int(width), f"the page is {wide} pixels wide on a screen {width} wide")
links, text, loaded = page["links"], page["text"], page["loaded"]
check(all(name.startswith(url) and fetch(name) for name in loaded), f"loaded: {loaded}")
shown, digests = [], set()
for written, address, around in filter(lambda link: link[1].startswith(url), links):
    check(not re.match(r"[a-z]+:|/", written), f"the link {written} is not relative")
    data, path = fetch(address), address[len(url):]
    shown.append(path)
    if re.search(r"\.(exe|zip|deb)$", path):
        digest, around = sha256(data), " ".join(around.split()).lower()
        digests.add(digest)
        check(digest in around, f"{path}: its SHA-256 is not shown by its link")
        sizes = [f"{len(data)} bytes"] + [f"{len(data) / s:.1f} {u}" for u, s in (("kb", 1e3),
                                                                                    ("mb", 1e6))]
        check(any(size in around for size in sizes), f"{path}: its size is not shown by its link")
wrong = set(re.findall(r"\b[0-9a-f]{64}\b", text.lower())) - digests
check(not wrong, f"SHA-256 sums shown that are no linked file's: {wrong}")
# Every version's files, the newest first and the older ones below.
files = [[f"windows/{v}/pelmora-{v}-win64-setup.exe", f"windows/{v}/pelmora-{v}-win64.zip",
          f"debian/pool/main/p/pelmora/pelmora_{v}_amd64.deb"] for v in reversed(versions)]
check(sum(files, []) == [path for path in shown if path in sum(files, [])],
      f"not each version's setup, zip and package, newest first: {shown}")
for problem in problems:
    print(f"release-check: {problem}", file=sys.stderr)
sys.exit(1 if problems else 0)
