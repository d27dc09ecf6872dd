#!/usr/bin/env python3
"""Checks the Flatpak manifest without building it (no network needed).

  packaging/check-manifest.py [MANIFEST]

Reads it as YAML and checks what Pressmark needs of it: the application's id is the one its
desktop entry, icon and D-Bus name use; a KDE (Qt 6) runtime; exiv2 and libimagequant built;
every download pinned (a git tag with its commit, or an archive with its sha256); the window's
sockets and bus names. Where flatpak-builder is installed, `flatpak-builder --show-manifest`
must also read it without a warning (it warns on a key it does not know). Exits 77 when
PyYAML is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
APP_ID = "io.github.pressmark.Pressmark"

try:
    import yaml
except ImportError:
    print("check-manifest: SKIPPED: needs PyYAML (package python3-yaml)")
    sys.exit(77)


def problems(path):
    with open(path, encoding="utf-8") as f:
        m = yaml.safe_load(f)
    found = []

    def need(condition, text):
        if not condition:
            found.append(text)

    need(isinstance(m, dict), "the manifest is not a mapping")
    if found:
        return found
    need(m.get("app-id", m.get("id")) == APP_ID, f"app-id is not {APP_ID}")
    need(m.get("runtime") == "org.kde.Platform", "runtime is not org.kde.Platform")
    need(m.get("sdk") == "org.kde.Sdk", "sdk is not org.kde.Sdk")
    need(str(m.get("runtime-version", "")).startswith("6."), "runtime-version is not a Qt 6 one (6.x)")
    need(m.get("command") == "pressmark", "command is not pressmark")

    args = m.get("finish-args", [])
    for arg in ("--share=ipc", "--socket=wayland", "--socket=fallback-x11", f"--own-name={APP_ID}"):
        need(arg in args, f"finish-args lack {arg}")
    need(not any(a in ("--socket=x11", "--filesystem=host", "--device=all") for a in args),
         "finish-args ask for more than the window needs")
    need(any(a.startswith("--filesystem=") for a in args), "no access to the photos' folders")

    modules = m.get("modules", [])
    names = [mod.get("name") for mod in modules if isinstance(mod, dict)]
    for name in ("exiv2", "libimagequant", "libraw", "libheif", "libjxl", "pressmark"):
        need(name in names, f"no module {name}")
    need(names[-1:] == ["pressmark"], "pressmark is not the last module")
    for mod in modules:
        if not isinstance(mod, dict):
            found.append(f"module {mod!r} is kept in another file, which this check does not read")
            continue
        name = mod.get("name")
        need(mod.get("buildsystem") in ("cmake-ninja", "simple", "meson", "autotools"),
             f"{name}: unexpected buildsystem")
        for src in mod.get("sources", []):
            kind = src.get("type")
            if kind == "git":
                need("url" in src and "tag" in src, f"{name}: a git source without url and tag")
                need(re.fullmatch(r"[0-9a-f]{40}", str(src.get("commit", ""))) is not None,
                     f"{name}: git tag {src.get('tag')} not pinned to its commit")
            elif kind in ("archive", "file"):
                need(re.fullmatch(r"[0-9a-f]{64}", str(src.get("sha256", ""))) is not None,
                     f"{name}: {kind} without its sha256")
            elif kind == "dir":
                folder = os.path.normpath(os.path.join(os.path.dirname(path), src.get("path", "")))
                need(os.path.isfile(os.path.join(folder, "CMakeLists.txt")),
                     f"{name}: dir source {folder} holds no CMakeLists.txt")
            else:
                found.append(f"{name}: source type {kind} not expected")
    pressmark = next((mod for mod in modules if isinstance(mod, dict) and mod.get("name") == "pressmark"), {})
    need(pressmark.get("buildsystem") == "cmake-ninja", "pressmark is not built with cmake-ninja")
    need("-DPRESSMARK_BUILD_TESTS=OFF" in pressmark.get("config-opts", []), "pressmark builds its tests")
    return found


def builder_problems(path):
    builder = shutil.which("flatpak-builder")
    if builder is None:
        print("check-manifest: flatpak-builder not installed; checked as YAML only")
        return []
    # It leaves its state folder (.flatpak-builder) in the folder it runs in.
    with tempfile.TemporaryDirectory() as scratch:
        run = subprocess.run([builder, "--show-manifest", os.path.abspath(path)], capture_output=True,
                             text=True, cwd=scratch)
    if run.returncode != 0 or "WARNING" in run.stderr or "CRITICAL" in run.stderr:
        return [f"flatpak-builder --show-manifest: exit {run.returncode}: {run.stderr.strip()}"]
    print("check-manifest: flatpak-builder --show-manifest read it without a warning")
    return []


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, f"{APP_ID}.yml")
    found = problems(path) + builder_problems(path)
    for p in found:
        print(f"check-manifest: {p}")
    if found:
        return 1
    print(f"check-manifest: {os.path.basename(path)} is sound")
    return 0


if __name__ == "__main__":
    sys.exit(main())
