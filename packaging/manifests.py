"""The package managers' manifests for one release: a winget manifest set (dist/winget/) and a Scoop
manifest (dist/scoop/tapwell.json), filled in from the version and the files' checksums.

The files are fetched from TAPWELL_DOWNLOAD_URL followed by the file's name; without it the manifests
point at a placeholder that must be replaced before they are submitted."""
import json
import os

PACKAGE_ID = "Tovrin.Tapwell"
PUBLISHER = "Tovrin"
APP_TITLE = "Tapwell by Tovrin"
# The installer's key under ...\CurrentVersion\Uninstall, which Windows lists as the product code.
PRODUCT_CODE = "Tapwell"
LICENSE = "Freeware"
DESCRIPTION = "Presses a chosen key again and again, into the focused window or into one window you pick."
MANIFEST_VERSION = "1.6.0"
# The setup's exit code when a running Tapwell would not close: nothing was changed.
SETUP_EXIT_TAPWELL_RUNNING = 2
PORTABLE_SETTINGS = "Tapwell.ini"
PLACEHOLDER_URL = "https://download.invalid/tapwell/{version}"


def download_url(version, name):
    base = os.environ.get("TAPWELL_DOWNLOAD_URL") or PLACEHOLDER_URL.format(version=version)
    return base.rstrip("/") + "/" + name


def yaml_scalar(value):
    # Text quoted as JSON, which YAML reads as is, so that a version such as 9.0 stays text.
    return str(value) if isinstance(value, int) else json.dumps(str(value))


def yaml_lines(value, indent=""):
    """YAML for nested dicts and lists of numbers and strings."""
    lines = []
    for key, item in value.items():
        if isinstance(item, dict):
            lines.append(f"{indent}{key}:")
            lines += yaml_lines(item, indent + "  ")
        elif isinstance(item, list):
            lines.append(f"{indent}{key}:")
            for element in item:
                if not isinstance(element, dict):
                    lines.append(f"{indent}  - {yaml_scalar(element)}")
                    continue
                nested = yaml_lines(element, indent + "    ")
                lines.append(f"{indent}  - {nested[0].lstrip()}")
                lines += nested[1:]
        else:
            lines.append(f"{indent}{key}: {yaml_scalar(item)}")
    return lines


def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def write_yaml(path, manifest):
    write_text(path, "# Made by scripts/package.sh from the release files.\n" + "\n".join(yaml_lines(manifest)) + "\n")


def winget(version, setup_name, setup_sha256):
    common = {"PackageIdentifier": PACKAGE_ID, "PackageVersion": version}
    tail = {"ManifestVersion": MANIFEST_VERSION}
    return {
        f"{PACKAGE_ID}.yaml": {**common, "DefaultLocale": "en-US", "ManifestType": "version", **tail},
        f"{PACKAGE_ID}.installer.yaml": {
            **common,
            "InstallerType": "nullsoft",
            "Scope": "user",
            "InstallModes": ["interactive", "silent", "silentWithProgress"],
            "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S", "InstallLocation": "/D=<INSTALLPATH>"},
            "ExpectedReturnCodes": [{"InstallerReturnCode": SETUP_EXIT_TAPWELL_RUNNING,
                                     "ReturnResponse": "packageInUse"}],
            "UpgradeBehavior": "install",
            "ProductCode": PRODUCT_CODE,
            "AppsAndFeaturesEntries": [{"DisplayName": APP_TITLE, "Publisher": PUBLISHER,
                                        "DisplayVersion": version, "ProductCode": PRODUCT_CODE}],
            "Installers": [{"Architecture": "x86", "InstallerUrl": download_url(version, setup_name),
                            "InstallerSha256": setup_sha256.upper()}],
            "ManifestType": "installer",
            **tail,
        },
        f"{PACKAGE_ID}.locale.en-US.yaml": {
            **common,
            "PackageLocale": "en-US",
            "Publisher": PUBLISHER,
            "PackageName": APP_TITLE,
            "License": LICENSE,
            "ShortDescription": DESCRIPTION,
            "Moniker": "tapwell",
            "ManifestType": "defaultLocale",
            **tail,
        },
    }


def scoop(version, zip_name, zip_sha256, zip_files):
    manifest = {
        "version": version,
        "description": DESCRIPTION,
        "license": LICENSE,
        "url": download_url(version, zip_name),
        "hash": zip_sha256,
        "bin": "Tapwell.exe",
        "shortcuts": [["Tapwell.exe", APP_TITLE]],
    }
    # Portable mode's settings beside the program, kept across updates. Scoop makes a folder of a
    # persisted name the zip does not hold, so only a zip that ships the file persists it.
    if PORTABLE_SETTINGS in zip_files:
        manifest["persist"] = PORTABLE_SETTINGS
    return manifest


def write(dist_dir, version, zip_name, zip_sha256, zip_files, setup_name, setup_sha256):
    for name, manifest in winget(version, setup_name, setup_sha256).items():
        write_yaml(os.path.join(dist_dir, "winget", name), manifest)
    write_text(os.path.join(dist_dir, "scoop", "tapwell.json"),
               json.dumps(scoop(version, zip_name, zip_sha256, zip_files), indent=2) + "\n")
