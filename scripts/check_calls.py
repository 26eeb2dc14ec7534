#!/usr/bin/env python3
"""Checks that the source files of each library call one another one way.

Within a library, a file uses another when its object file needs a symbol the
other's defines (what the linker sees: a function called, a variable read,
not a signal, which goes through the library's generated meta-object code).
The files of a library must use one another without a loop: a file never
calls, directly or through others, a file that calls it. A loop means two
files that know each other's workings, and usually a step of the work that
belongs to neither (a status line, a pass over the data) and should be its own
file below both.

Usage: check_calls.py BUILD_DIR. Reads the object files of each library
target of the project in BUILD_DIR with `nm` (generated code and tests left
out); exits 1 and names each loop with the symbols that make it.
"""
import collections
import pathlib
import subprocess
import sys


def symbols(obj):
    """The external symbols an object file defines and those it needs."""
    out = subprocess.run(["nm", "-C", str(obj)], capture_output=True, text=True, check=True).stdout
    defined, needed = set(), set()
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[1] in "TDBR":
            defined.add(parts[2])
        elif len(parts) == 2 and parts[0] == "U":
            needed.add(parts[1])
    return defined, needed


def loops(graph):
    """The strongly connected components of more than one file (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(100000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


ROOT = pathlib.Path(__file__).resolve().parent.parent


def check_target(target_dir, build):
    # An object whose source is gone (a file moved or removed) stays in the build
    # folder: only the objects of today's sources are read.
    source_dir = ROOT / target_dir.parent.parent.relative_to(build)
    objects = [o for o in sorted(target_dir.rglob("*.o"))
               if not any(p.endswith("_autogen") for p in o.relative_to(target_dir).parts) and
               (source_dir / str(o.relative_to(target_dir)).removesuffix(".o")).exists()]
    if len(objects) < 2:
        return []
    defined, needed = {}, {}
    for o in objects:
        name = str(o.relative_to(target_dir)).removesuffix(".o")
        defined[name], needed[name] = symbols(o)
    owner = {}
    for name, syms in defined.items():
        for s in syms:
            owner.setdefault(s, name)
    graph = collections.defaultdict(set)
    why = collections.defaultdict(set)
    for name, syms in needed.items():
        graph[name]
        for s in syms:
            other = owner.get(s)
            if other and other != name:
                graph[name].add(other)
                why[(name, other)].add(s.split("(")[0])
    errors = []
    for component in loops(graph):
        where = target_dir.relative_to(build).parts[0]
        errors.append(f"{where}/: files calling each other in a loop: {', '.join(component)}")
        for a in component:
            for b in sorted(graph[a]):
                if b in component:
                    errors.append(f"    {a} -> {b}: {', '.join(sorted(why[(a, b)]))}")
    return errors


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    build = pathlib.Path(sys.argv[1]).resolve()
    targets = [d for d in sorted(build.glob("*/CMakeFiles/*.dir")) + sorted(build.glob("*/*/CMakeFiles/*.dir"))
               if d.relative_to(build).parts[0] not in ("tests", "_deps", "CMakeFiles")]
    errors, checked = [], 0
    for d in targets:
        errors += check_target(d, build)
        checked += 1
    if errors:
        print("\n".join(errors), file=sys.stderr)
        return 1
    print(f"check_calls: the files of {checked} targets call one another one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
