#!/usr/bin/env python3
"""Writes the package-manager manifests of one release.

    manifests.py VERSION RELEASE_URL HOMEPAGE_URL EPOCH SETUP ZIP OUT_DIR

OUT_DIR/winget/ gets winget's multi-file manifest (version, installer and
en-US default locale, schema 1.12.0) for the installer SETUP, and
OUT_DIR/scoop/quenby.json Scoop's manifest for the portable ZIP. The download
addresses are RELEASE_URL followed by the packages' names; the hashes are read
from the packages themselves; the release date is EPOCH (SOURCE_DATE_EPOCH), so
the same release gives the same bytes.
"""

import datetime
import hashlib
import json
import os
import sys

PACKAGE_ID = "Quenby.Quenby"
NAME = "Quenby"
PUBLISHER = "Quenby"
LICENSE = "Proprietary"
DESCRIPTION = "RAM optimizer for Windows 11 and 10: a tray engine that recovers RAM when free memory runs low, and a control panel."
MANIFEST_VERSION = "1.12.0"
# The uninstall entry's key name, under which both scopes register.
PRODUCT_CODE = "Quenby"


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as package:
        for chunk in iter(lambda: package.read(1 << 20), b""):
            digest.update(chunk)
    return digest.hexdigest()


def quoted(text):
    # JSON strings are YAML strings: no quoting rule of YAML's can bite.
    return json.dumps(text, ensure_ascii=False)


def yaml_file(kind, lines):
    header = [
        f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json",
        "",
    ]
    footer = [f"ManifestType: {kind}", f"ManifestVersion: {MANIFEST_VERSION}", ""]
    return "\n".join(header + lines + footer)


def winget(version, url, homepage, date, setup_hash):
    common = [f"PackageIdentifier: {PACKAGE_ID}", f"PackageVersion: {quoted(version)}"]
    version_file = yaml_file("version", common + ["DefaultLocale: en-US"])
    locale_file = yaml_file("defaultLocale", common + [
        "PackageLocale: en-US",
        f"Publisher: {quoted(PUBLISHER)}",
        f"PackageName: {quoted(NAME)}",
        f"PackageUrl: {quoted(homepage)}",
        f"License: {quoted(LICENSE)}",
        f"ShortDescription: {quoted(DESCRIPTION)}",
        "Moniker: quenby",
        "Tags:",
        "- memory",
        "- ram",
        "- optimizer",
        "- tray",
    ])

    def installer(scope, location, extra):
        return [
            "- Architecture: x64",
            f"  Scope: {scope}",
            f"  InstallerUrl: {quoted(url)}",
            f"  InstallerSha256: {setup_hash.upper()}",
        ] + extra + [
            "  InstallationMetadata:",
            f"    DefaultInstallLocation: {quoted(location)}",
        ]

    installer_file = yaml_file("installer", common + [
        "InstallerType: nullsoft",
        "InstallModes:",
        "- interactive",
        "- silent",
        "- silentWithProgress",
        "InstallerSwitches:",
        "  Silent: /S",
        "  SilentWithProgress: /S",
        # Setup closes a running engine and panel and updates in place.
        "UpgradeBehavior: install",
        # Another setup of Quenby runs (tried again later), and files in use
        # that the restart replaces.
        "ExpectedReturnCodes:",
        "- InstallerReturnCode: 1618",
        "  ReturnResponse: installInProgress",
        "- InstallerReturnCode: 3010",
        "  ReturnResponse: rebootRequiredToFinish",
        f"ProductCode: {PRODUCT_CODE}",
        f"ReleaseDate: {quoted(date)}",
        "AppsAndFeaturesEntries:",
        f"- DisplayName: {quoted(NAME)}",
        f"  Publisher: {quoted(PUBLISHER)}",
        f"  DisplayVersion: {quoted(version)}",
        f"  ProductCode: {PRODUCT_CODE}",
        "Installers:",
    ] + installer("user", "%LOCALAPPDATA%\\Programs\\Quenby", [])
      + installer("machine", "%ProgramFiles%\\Quenby", [
        "  ElevationRequirement: elevationRequired",
        "  InstallerSwitches:",
        "    Custom: /ALLUSERS",
    ]))
    return {
        f"{PACKAGE_ID}.yaml": version_file,
        f"{PACKAGE_ID}.installer.yaml": installer_file,
        f"{PACKAGE_ID}.locale.en-US.yaml": locale_file,
    }


def scoop(version, url, homepage, zip_hash):
    manifest = {
        "version": version,
        "description": DESCRIPTION,
        "homepage": homepage,
        "license": LICENSE,
        "url": url,
        "hash": zip_hash,
        "extract_dir": f"Quenby-{version}",
        "bin": "quenbyctl.exe",
        "shortcuts": [
            ["Quenby.exe", "Quenby"],
            ["Quenbytray.exe", "Quenby tray engine"],
        ],
        # Nothing to persist: the programs keep no file in their folder.
        "notes": "Quenby keeps its settings in the registry (HKEY_CURRENT_USER\\Software\\Quenby): "
                 "updating or uninstalling it leaves them as they are.",
    }
    return json.dumps(manifest, indent=4, ensure_ascii=False) + "\n"


def main(argv):
    if len(argv) != 8:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    version, release_url, homepage, epoch, setup, package_zip, out_dir = argv[1:]
    date = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).strftime("%Y-%m-%d")
    base = release_url.rstrip("/")
    files = {}
    for name, text in winget(version, f"{base}/{os.path.basename(setup)}", homepage, date,
                             sha256(setup)).items():
        files[os.path.join("winget", name)] = text
    files[os.path.join("scoop", "quenby.json")] = scoop(
        version, f"{base}/{os.path.basename(package_zip)}", homepage, sha256(package_zip))
    for name, text in files.items():
        path = os.path.join(out_dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as manifest:
            manifest.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
