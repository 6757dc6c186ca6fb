#!/usr/bin/python3
"""Reads a window's page as a screen reader does, over AT-SPI.

Usage: screen_reader.py APPLICATION WINDOW ROLE...
Waits up to 20 s for the window's document to carry the window's name and to hold something,
then prints the document's name and one line "role: text" for every node of the given roles
(AT-SPI role names such as link, image, heading, paragraph), in the document's order. The text
is the node's name, or where it has none, what its children read as one after another.
"""
import sys
import time

import pyatspi

WAIT_SECONDS = 20


def first(node, wanted):
    if node is None:
        return None
    if wanted(node):
        return node
    for child in node:
        found = first(child, wanted)
        if found is not None:
            return found
    return None


def text_of(node):
    if node.name:
        return node.name
    return "".join(text_of(child) for child in node if child is not None)


def lines(node, roles):
    if node is None:
        return
    if node.getRoleName() in roles:
        yield f"{node.getRoleName()}: {text_of(node)}"
    for child in node:
        yield from lines(child, roles)


def document_of(application, window):
    desktop = pyatspi.Registry.getDesktop(0)
    app = first(desktop, lambda n: n.getRoleName() == "application" and n.name == application)
    frame = first(app, lambda n: n.getRoleName() == "frame" and n.name == window)
    return first(frame, lambda n: n.getRoleName() == "document web")


def main(application, window, roles):
    deadline = time.monotonic() + WAIT_SECONDS
    while True:
        document = document_of(application, window)
        if document is not None and document.name == window and document.childCount > 0:
            break
        if time.monotonic() > deadline:
            name = "no document" if document is None else f"document '{document.name}'"
            sys.exit(f"{window}: {name} after {WAIT_SECONDS} s")
        time.sleep(0.2)
    print(f"document: {document.name}")
    for line in lines(document, set(roles)):
        print(line)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
