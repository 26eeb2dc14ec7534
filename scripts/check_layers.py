#!/usr/bin/env python3
"""Checks the layers of docs/ARCHITECTURE.md against the sources and the CMake files.

The table of the "Layers" section lists the folders from the bottom up; its
"Links" column names the folders each one builds on. A folder may include its
own headers and those of the folders it builds on, directly or through them;
a folder with nothing in that column (the benchmark, the fuzzer, the tools,
the tests) may include anything. A header named in that column (a path
ending in ".h") may be included by that folder alone, without its folder's
library: plain code that needs no link. The table itself must be layered: a folder
builds only on folders listed before it.

The CMake files must say what each folder uses: the project libraries its
targets link are those whose headers it includes, no more, no fewer, and every
target of the project links vorns_warnings.

Run from anywhere; exits 1 and names each file and include (or target and
link) that breaks a rule.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "docs" / "ARCHITECTURE.md"
# Links the sources need but a CMake file of another owner does not say yet:
# (folder, library folder). Each is reported as known until it is fixed.
KNOWN_LINKS: set = set()
# The headers of a library's public door that its workings (its detail/ folder)
# may include: the types both share. Nothing in detail/ includes the door above it.
SHARED_WITH_DETAIL = {"fit/types.h", "fit/muons.h", "fit/status.h"}


def read_table():
    """The folders in the order of the table, what each builds on (None: anything), the single
    headers each may include, and the errors of the table itself."""
    text = TABLE.read_text(encoding="utf-8")
    section = text.split("## Layers", 1)[1].split("\n## ", 1)[0]
    rows = []
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 3 or not cells[0].startswith("`"):
            continue
        folders = re.findall(r"`([^`]+)/`", cells[0])
        links = [w.strip() for w in re.sub(r"\([^)]*\)", "", cells[-1]).split(",") if w.strip()]
        rows.append((folders, links))
    order = [f for folders, _ in rows for f in folders]
    builds_on = {}
    headers = {}
    errors = []
    for folders, links in rows:
        for folder in folders:
            headers[folder] = {w for w in links if w.endswith(".h")}
            if not links:
                builds_on[folder] = None
                continue
            below = order[: order.index(folder)]
            if "all" in links:
                builds_on[folder] = set(below)
                continue
            named = {w for w in links if w in order}
            named |= {folder_of(str(pathlib.PurePosixPath(h).parent), order) for h in headers[folder]}
            for w in sorted(named - set(below)):
                errors.append(f"{TABLE.relative_to(ROOT)}: {folder}/ builds on {w}/, which is not below it")
            builds_on[folder] = {w for w in links if w in order}
    return order, builds_on, headers, errors


def closure(folder, builds_on):
    seen, todo = {folder}, [folder]
    while todo:
        for g in builds_on.get(todo.pop()) or ():
            if g not in seen:
                seen.add(g)
                todo.append(g)
    return seen


def folder_of(path, order):
    """The table's folder a path lies in: the longest one that holds it."""
    best = None
    for f in order:
        if (path == f or path.startswith(f + "/")) and (best is None or len(f) > len(best)):
            best = f
    return best


def includes(order):
    """(file, included path, its folder) for every project include of every source."""
    found = []
    for folder in order:
        for source in sorted((ROOT / folder).rglob("*")):
            if source.suffix not in (".cpp", ".h") or folder_of(str(source.parent.relative_to(ROOT)), order) != folder:
                continue
            for line in source.read_text(encoding="utf-8", errors="replace").splitlines():
                m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
                if m:
                    target = folder_of(str(pathlib.PurePosixPath(m.group(1)).parent), order)
                    if target:
                        found.append((source.relative_to(ROOT), m.group(1), folder, target))
    return found


def cmake_targets(order):
    """For each target of the project: its folder, its links and whether it is an interface."""
    targets = {}
    for cmake in sorted(ROOT.rglob("CMakeLists.txt")):
        rel = cmake.parent.relative_to(ROOT)
        if rel.parts and rel.parts[0].startswith("build"):
            continue
        folder = folder_of(str(rel), order) if rel.parts else None
        text = re.sub(r"#[^\n]*", "", cmake.read_text(encoding="utf-8"))
        for kind, body in re.findall(r"\b(vorns_library|add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)", text):
            words = body.split()
            if not words:
                continue
            name = words[0]
            if kind == "target_link_libraries":
                if name in targets:
                    targets[name]["links"] |= {w for w in words[1:] if w not in ("PUBLIC", "PRIVATE", "INTERFACE")}
                continue
            interface = kind == "add_library" and ("INTERFACE" in words or "IMPORTED" in words)
            links = set(words[words.index("LINKS") + 1:]) if "LINKS" in words else set()
            if kind == "vorns_library":
                links.add("vorns_warnings")  # the function links it
            targets[name] = {"folder": folder, "links": links, "interface": interface}
    return targets


def main():
    order, builds_on, headers, errors = read_table()
    # An include of a header the table names for its folder is allowed, and asks for no link.
    found = [i for i in includes(order) if i[1] not in headers.get(i[2], ())]
    for source, path, folder, target in found:
        allowed = builds_on.get(folder)
        if allowed is not None and target not in closure(folder, builds_on):
            errors.append(f'{source}: includes "{path}": {folder}/ does not build on {target}/ in the layers')

    # A folder inside another builds on nothing listed after the folder that holds it,
    # beside what that folder holds: no folder reaches above its parent.
    for folder in order:
        parent = folder_of(str(pathlib.PurePosixPath(folder).parent), order)
        if not parent or builds_on.get(folder) is None:
            continue
        before = set(order[: order.index(parent)])
        for g in sorted(closure(folder, builds_on) - {folder}):
            if g not in before and not g.startswith(parent + "/") and g != parent:
                errors.append(f"{TABLE.relative_to(ROOT)}: {folder}/ builds on {g}/, above its folder {parent}/")
    for source, path, folder, target in found:
        if "/detail/" in str(source) and "/detail/" not in path and target == folder and path not in SHARED_WITH_DETAIL:
            errors.append(f'{source}: includes "{path}": the workings include the door above them')

    targets = cmake_targets(order)
    library_folder = {n: t["folder"] for n, t in targets.items() if t["folder"] and not t["interface"]}
    known = []
    for folder in order:
        if builds_on.get(folder) is None:
            continue
        own = [n for n, t in targets.items() if t["folder"] == folder]
        if not own:
            continue
        linked = {library_folder[l] for n in own for l in targets[n]["links"] if l in library_folder} - {folder}
        used = {t for _, _, f, t in found if f == folder} - {folder}
        for g in sorted(linked - used):
            errors.append(f"{folder}/CMakeLists.txt: links the library of {g}/ but includes nothing of it")
        for g in sorted(used - linked):
            if (folder, g) in KNOWN_LINKS:
                known.append(f"{folder}/CMakeLists.txt: includes {g}/ without linking its library (known)")
            else:
                errors.append(f"{folder}/CMakeLists.txt: includes {g}/ without linking its library")
        for n in own:
            if not targets[n]["interface"] and "vorns_warnings" not in targets[n]["links"]:
                errors.append(f"{folder}/CMakeLists.txt: {n} does not link vorns_warnings")

    for line in known:
        print(line)
    for line in errors:
        print(line, file=sys.stderr)
    if errors:
        print(f"check_layers: {len(errors)} break(s) of the layers in docs/ARCHITECTURE.md", file=sys.stderr)
        return 1
    print(f"check_layers: {len(found)} includes in {len(order)} folders keep to the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
