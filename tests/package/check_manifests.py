#!/usr/bin/env python3
"""Checks the manifests that packaging/package.sh wrote beside the packages:

    check_manifests.py PACKAGES_DIR SCHEMAS_DIR RELEASE_URL

Each manifest must validate against its published schema (winget 1.12.0,
Scoop), name the packages beside it at RELEASE_URL with their SHA-256, and
agree with the others on the version. Prints one line per fault; exit 0 only
when there is none.
"""

import glob
import hashlib
import json
import os
import sys

import jsonschema
import yaml


def sha256(path):
    with open(path, "rb") as package:
        return hashlib.sha256(package.read()).hexdigest()


def validate(document, schema_path, name, faults):
    with open(schema_path, encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    validator = jsonschema.Draft7Validator(schema)
    for error in sorted(validator.iter_errors(document), key=lambda e: list(e.path)):
        faults.append(f"{name}: {'/'.join(map(str, error.path)) or '(top)'}: {error.message}")


def main(argv):
    if len(argv) != 4:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    packages, schemas, release_url = argv[1:]
    faults = []
    setups = glob.glob(os.path.join(packages, "Quenby-*-setup.exe"))
    zips = glob.glob(os.path.join(packages, "Quenby-*-portable.zip"))
    if len(setups) != 1 or len(zips) != 1:
        print(f"want one installer and one zip in {packages}, found {setups + zips}")
        return 1
    setup, package_zip = setups[0], zips[0]
    version = os.path.basename(setup)[len("Quenby-"):-len("-setup.exe")]

    winget = {}
    for kind, suffix in (("version", ""), ("installer", ".installer"), ("defaultLocale", ".locale.en-US")):
        name = f"Quenby.Quenby{suffix}.yaml"
        path = os.path.join(packages, "winget", name)
        try:
            with open(path, encoding="utf-8") as manifest:
                document = yaml.safe_load(manifest)
        except (OSError, yaml.YAMLError) as error:
            faults.append(f"{name}: {error}")
            continue
        validate(document, os.path.join(schemas, "winget", f"manifest.{kind}.1.12.0.json"), name, faults)
        winget[kind] = document
        if str(document.get("PackageVersion")) != version:
            faults.append(f"{name}: PackageVersion {document.get('PackageVersion')!r}, the installer {version}")
    installer = winget.get("installer", {})
    scopes = sorted(entry.get("Scope", "") for entry in installer.get("Installers", []))
    if scopes != ["machine", "user"]:
        faults.append(f"winget installer scopes {scopes}, want machine and user")
    for entry in installer.get("Installers", []):
        if entry.get("InstallerUrl") != f"{release_url}/{os.path.basename(setup)}":
            faults.append(f"winget {entry.get('Scope')} InstallerUrl {entry.get('InstallerUrl')}")
        if str(entry.get("InstallerSha256", "")).lower() != sha256(setup):
            faults.append(f"winget {entry.get('Scope')} InstallerSha256 is not the installer's")
        machine = entry.get("Scope") == "machine"
        custom = entry.get("InstallerSwitches", {}).get("Custom", "")
        if machine != ("/ALLUSERS" in custom.split()):
            faults.append(f"winget {entry.get('Scope')} installer switches {custom!r}")

    path = os.path.join(packages, "scoop", "quenby.json")
    try:
        with open(path, encoding="utf-8") as manifest:
            scoop = json.load(manifest)
    except (OSError, ValueError) as error:
        faults.append(f"quenby.json: {error}")
        scoop = {}
    validate(scoop, os.path.join(schemas, "scoop", "schema.json"), "quenby.json", faults)
    if scoop.get("version") != version:
        faults.append(f"quenby.json: version {scoop.get('version')!r}, the zip {version}")
    if scoop.get("url") != f"{release_url}/{os.path.basename(package_zip)}":
        faults.append(f"quenby.json: url {scoop.get('url')}")
    if scoop.get("hash") != sha256(package_zip):
        faults.append("quenby.json: hash is not the zip's")
    if scoop.get("bin") != "quenbyctl.exe":
        faults.append(f"quenby.json: bin {scoop.get('bin')!r}")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
