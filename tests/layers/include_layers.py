#!/usr/bin/env python3
"""The folders of src/ as layers, from their #include lines.

A folder that includes a header of another folder sits above it. The folders
must form layers: no folder may reach itself through its includes. Prints
the layers bottom to top, each folder with the folders it includes; exits
with status 1 and names the cycle when there is one.

Only legacygl/ includes the system's OpenGL, GLU, GLUT, GLES or EGL headers:
everything else draws through legacygl/Gl.h, which declares the calls the
game makes and no others. A file elsewhere that includes one fails too, as
does a file of the layer on OpenGL ES 2 (legacygl/Es*) that includes any GL
header but GLES2's.

Usage: include_layers.py [SRC_FOLDER]
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.MULTILINE)
GL_HEADER = re.compile(r'^\s*#\s*include\s+<((GL|GLES2|EGL)/[^>]+)>', re.MULTILINE)
GL_FOLDER = "legacygl"


def edges(src):
    folders = sorted(p.name for p in src.iterdir() if p.is_dir())
    graph = {folder: set() for folder in folders}
    for folder in folders:
        for path in (src / folder).rglob("*"):
            if path.suffix not in (".h", ".cpp"):
                continue
            for used in INCLUDE.findall(path.read_text(errors="replace")):
                if used in graph and used != folder:
                    graph[folder].add(used)
    return graph


def find_cycle(graph):
    state = {}  # 1: on the path, 2: done
    path = []

    def visit(folder):
        state[folder] = 1
        path.append(folder)
        for used in sorted(graph[folder]):
            if state.get(used) == 1:
                return path[path.index(used):] + [used]
            if used not in state:
                cycle = visit(used)
                if cycle:
                    return cycle
        path.pop()
        state[folder] = 2
        return None

    for folder in sorted(graph):
        if folder not in state:
            cycle = visit(folder)
            if cycle:
                return cycle
    return None


def layers(graph):
    level = {}

    def height(folder):
        if folder not in level:
            level[folder] = 1 + max((height(u) for u in graph[folder]), default=-1)
        return level[folder]

    for folder in graph:
        height(folder)
    return [sorted(f for f in graph if level[f] == n) for n in range(max(level.values()) + 1)]


def gl_headers_outside(src):
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src)
        in_layer = relative.parts[0] == GL_FOLDER and path.name.startswith("Es")
        for header in GL_HEADER.findall(path.read_text(errors="replace")):
            if relative.parts[0] != GL_FOLDER or (in_layer and header[1] != "GLES2"):
                found.append("%s includes <%s>" % (relative, header[0]))
    return found


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    outside = gl_headers_outside(src)
    if outside:
        print("Only %s/ may include the system's GL headers, and its Es* files only GLES2's:\n  %s"
              % (GL_FOLDER, "\n  ".join(outside)))
        return 1
    graph = edges(src)
    cycle = find_cycle(graph)
    if cycle:
        print("The folders of %s include each other in a cycle: %s" % (src, " -> ".join(cycle)))
        return 1
    for n, layer in enumerate(layers(graph)):
        for folder in layer:
            below = ", ".join(sorted(graph[folder])) or "nothing of src/"
            print("%d %-11s includes %s" % (n, folder, below))
    return 0


if __name__ == "__main__":
    sys.exit(main())
