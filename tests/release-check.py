#!/usr/bin/python3
"""A release folder as served on URL: every version's winget manifests, and the download page in
headless Chromium, with its screenshots at 1280 and 375 pixels wide saved into SHOTS.
    tests/release-check.py FOLDER URL SHOTS"""
import hashlib
import pathlib
import re
import sys
import urllib.request

import yaml
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

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
for version in versions:
    setup = f"windows/{version}/pelmora-{version}-win64-setup.exe"
    # Each type of manifest, with what each of its fields must match in full.
    wanted = {
        "version": {"DefaultLocale": "en-US"},
        "defaultLocale": {"PackageLocale": "en-US", "Publisher": ".+", "PackageName": ".+",
                          "License": ".+", "ShortDescription": ".+",
                          "LicenseUrl": re.escape(url) + r"\S+"},
        "installer": {"Architecture": "x64", "InstallerType": "nullsoft", "Scope": "user",
                      "InstallerUrl": re.escape(url + setup), "ProductCode": "Pelmora",
                      "InstallerSha256": "(?i)" + sha256((folder / setup).read_bytes()),
                      "UpgradeBehavior": "install", "ReleaseDate": r"\d{4}-\d\d-\d\d",
                      "Apps DisplayName": "Pelmora", "Apps DisplayVersion": re.escape(version),
                      "Return 2": "packageInUse", "Return 3": r"[a-z]\w+"},
    }
    for path in sorted((folder / "winget" / version).glob("*.yaml")):
        text = path.read_text(encoding="utf-8")
        check(re.fullmatch(r"# yaml-language-server: \$schema=https://\S+\.1\.12\.0\.schema\.json",
                           text.split("\n", 1)[0]), f"{path}: not the schema header first")
        # An installer's fields may be given for all installers or in its entry; the Apps
        # entry's and the return codes' are read as fields of their own.
        fields = yaml.safe_load(text)
        fields.update((fields.get("Installers") or [{}])[0])
        fields.update({f"Apps {k}": v for k, v in
                       (fields.get("AppsAndFeaturesEntries") or [{}])[0].items()})
        fields.update({f"Return {c.get('InstallerReturnCode')}": c.get("ReturnResponse")
                       for c in fields.get("ExpectedReturnCodes", [])})
        # The identifier, Publisher.Package, never changes: winget takes it as a new program.
        for field, pattern in {"PackageIdentifier": r"Pelmora\.Pelmora",
                               "PackageVersion": re.escape(version),
                               "ManifestVersion": r"1\.12\.0",
                               **wanted.pop(fields.get("ManifestType"), {})}.items():
            value = fields.get(field)
            check(value is not None and re.fullmatch(pattern, str(value)),
                  f"{path}: {field} is {value!r}, not /{pattern}/")
        if fields.get("ManifestType") == "installer":
            fetch(fields.get("InstallerUrl"))
    check(not wanted, f"winget/{version}: no manifest of type {list(wanted)}")

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage"):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    browser.get(url)
    for width in (1280, 375):
        # As a phone shows it: a page without a fitting viewport is laid out 980 pixels wide.
        metrics = {"width": width, "height": 800, "deviceScaleFactor": 1, "mobile": width < 500}
        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        wide = browser.execute_script("return document.documentElement.scrollWidth")
        check(wide <= width, f"the page is {wide} pixels wide on a screen {width} wide")
        metrics["height"] = browser.execute_script("return document.documentElement.scrollHeight")
        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        browser.save_screenshot(str(shots / f"download-page-{width}.png"))
    # Each link, as written and as resolved, with the text around it up to a SHA-256.
    links = browser.execute_script("""return [...document.querySelectorAll('a[href]')].map(a => {
        let around = a;
        while (around.parentElement && !/[0-9a-f]{64}/i.test(around.textContent))
            around = around.parentElement;
        return [a.getAttribute('href'), a.href.split('#')[0], around.textContent];
    });""")
    text = browser.execute_script("return document.body.textContent")
    # What the page loads; the browser's own request for a site icon is none of its doing.
    loaded = [name for name in browser.execute_script(
        "return performance.getEntriesByType('resource').map(r => r.name)")
        if not name.endswith("/favicon.ico")]
finally:
    browser.quit()

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
        sizes = [f"{len(data)} bytes"] + [f"{len(data) / step:.1f} {unit}" for unit, step in
                                          (("kb", 1e3), ("mb", 1e6), ("kib", 1024), ("mib", 2**20))]
        check(any(size in around for size in sizes),
              f"{path}: its size, {len(data)} bytes, is not shown by its link")
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
