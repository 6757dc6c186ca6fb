#!/usr/bin/env python3
"""Makes broken content folders from the built program's folder, one per case.

Usage: generate.py BUILT_DIR OUT_DIR [CASE_NAME ...]
       generate.py --list | --sample N


Each case becomes OUT_DIR/NAME: the program and its sample content, hard-linked, with one fault
put in, and OUT_DIR/NAME.expect: what `velmora --check` must say of it. Its first line is
"clean" (exit 0), "reports" (exit 1, every further line starts a line of the output) or "any"
(a fault the check may not see, such as a flipped bit the decoder passes over). Without case
names every case is made; list.txt in OUT_DIR names them all. --list prints every case's name, --sample N the names of N cases spread
evenly over the picture cases (half) and the others (half), the same every time.
"""
import os
import random
import shutil
import stat
import struct
import subprocess
import sys

# Pictures the viewer reads at different moments: the main window's background, a button, a
# work's three pictures, the splash and a browser window's frame.
PICTURES = [
    "design/windows/main/fon.jpg",
    "design/buttons/zoom/up.jpg",
    "images/small/mira-1.jpg",
    "images/middle/mira-1.jpg",
    "images/big/mira-1.jpg",
    "design/loader/loading_bg.jpg",
    "design/windows/childs/fon_2.jpg",
]
TRUNCATIONS = [1, 2, 20, 100, 160, 300, 700, 1500, 0.5, -2]
BIT_FLIP_SEEDS = [1, 2, 3, 4, 5, 6]
MEGABYTE = 1024 * 1024
LEADS_OUT = "It is a link that leads out of the content folder."


class Case:
    def __init__(self, name, action, expect, *lines):
        self.name, self.action, self.expect, self.lines = name, action, expect, list(lines)


def read(folder, path):
    with open(os.path.join(folder, path), "rb") as f:
        return f.read()


def write(folder, path, data):
    target = os.path.join(folder, path)
    if os.path.lexists(target) and not os.path.isdir(target):
        os.remove(target)  # a hard link: the original stays as it was
    with open(target, "wb") as f:
        f.write(data)


def sof(data):
    """Offset of the frame header marker (SOF0 to SOF2)."""
    at = 2
    while at + 4 <= len(data):
        marker, length = data[at + 1], struct.unpack(">H", data[at + 2:at + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            return at
        at += 2 + length
    raise ValueError("no frame header")


def with_size(data, width, height):
    at = sof(data)
    return data[:at + 5] + struct.pack(">HH", height, width) + data[at + 9:]


def with_precision(data, bits):
    at = sof(data)
    return data[:at + 4] + bytes([bits]) + data[at + 5:]


def flipped(data, seed):
    rng = random.Random(seed)
    out = bytearray(data)
    for _ in range(8):
        at = rng.randrange(2, len(out))
        out[at] ^= 1 << rng.randrange(8)
    return bytes(out)


def converted(folder, path, *options):
    source = os.path.join(folder, path)
    result = subprocess.run(["convert", source, *options], check=True, capture_output=True)
    return result.stdout


def ini_section(text, name):
    """The start and end of a section of an INI file's bytes."""
    start = text.index(b"[" + name + b"]")
    end = text.find(b"\r\n[", start + 1)
    return start, len(text) if end < 0 else end + 2


def picture_cases():
    cases = []
    for picture in PICTURES:
        slug = picture.replace("/", "_").replace(".jpg", "")
        for cut in TRUNCATIONS:
            def truncate(d, p=picture, c=cut):
                data = read(d, p)
                n = int(len(data) * c) if isinstance(c, float) else (c if c > 0 else len(data) + c)
                write(d, p, data[:n])
            cases.append(Case(f"jpeg-truncated-{cut}-{slug}", truncate, "reports",
                              picture + ": Not a JPEG picture the viewer can show: Premature end"))
        cases.append(Case(f"jpeg-empty-{slug}", lambda d, p=picture: write(d, p, b""),
                          "reports", picture + ": The file is empty."))
        for seed in BIT_FLIP_SEEDS:
            cases.append(Case(f"jpeg-bitflip-{seed}-{slug}",
                              lambda d, p=picture, s=seed: write(d, p, flipped(read(d, p), s)), "any"))
        cases.append(Case(f"jpeg-60000-{slug}",
                          lambda d, p=picture: write(d, p, with_size(read(d, p), 60000, 60000)),
                          "reports", picture + ": The picture is larger than"))
        cases.append(Case(f"jpeg-12bit-{slug}",
                          lambda d, p=picture: write(d, p, with_precision(read(d, p), 12)),
                          "reports", picture + ": Not a JPEG picture"))
        cases.append(Case(f"jpeg-png-{slug}",
                          lambda d, p=picture: write(d, p, converted(d, p, "png:-")),
                          "reports", picture + ": Not a JPEG picture"))
        cases.append(Case(f"jpeg-text-{slug}", lambda d, p=picture: write(d, p, b"not a picture\n"),
                          "reports", picture + ": Not a JPEG picture"))
        for kind, options in [("cmyk", ["-colorspace", "CMYK"]), ("grey", ["-colorspace", "Gray"]),
                              ("progressive", ["-interlace", "JPEG"])]:
            cases.append(Case(f"jpeg-{kind}-{slug}",
                              lambda d, p=picture, o=options: write(d, p, converted(d, p, *o, "jpeg:-")),
                              "clean"))
    return cases


def garbage(seed, size):
    return random.Random(seed).randbytes(size)


def replace_in(path, old, new):
    def action(d):
        data = read(d, path)
        assert old in data, (path, old)
        write(d, path, data.replace(old, new, 1))
    return action


def drop_section(path, name):
    def action(d):
        data = read(d, path)
        start, end = ini_section(data, name)
        write(d, path, data[:start] + data[end:])
    return action


def ini_cases():
    return [
        Case("ini-garbage-buttons", lambda d: write(d, "buttons.ini", garbage(1, 65536)),
             "reports", "buttons.ini: [zoom]: No such section."),
        Case("ini-garbage-scrolls", lambda d: write(d, "scrolls.ini", garbage(2, 65536)),
             "reports", "scrolls.ini: [wb_vscroll]: No such section."),
        Case("ini-garbage-velmora", lambda d: write(d, "velmora.ini", garbage(3, 65536)), "any"),
        Case("ini-garbage-settings", lambda d: write(d, "settings.ini", garbage(4, 65536)), "clean"),
        Case("ini-megabyte-line-buttons",
             lambda d: write(d, "buttons.ini", b"x" * MEGABYTE + b"\r\n" + read(d, "buttons.ini")),
             "clean"),
        Case("ini-megabyte-title", replace_in("buttons.ini", b"title=About the catalogue",
                                              b"title=" + b"a" * MEGABYTE), "clean"),
        Case("ini-megabyte-name", replace_in("velmora.ini", b"name=", b"name=" + b"n" * MEGABYTE), "clean"),
        Case("ini-megabyte-settings", lambda d: write(d, "settings.ini", b"[MESSAGES]\r\n" + b"k" * MEGABYTE),
             "clean"),
        Case("ini-missing-section-quest", drop_section("buttons.ini", b"quest"),
             "reports", "buttons.ini: [quest]: No such section."),
        Case("ini-missing-section-close", drop_section("buttons.ini", b"close_2_1"),
             "reports", "buttons.ini: [close_2_1]: No such section."),
        Case("ini-missing-section-scroll", drop_section("scrolls.ini", b"wb_vscroll"),
             "reports", "scrolls.ini: [wb_vscroll]: No such section."),
        Case("ini-missing-section-work", drop_section("velmora.ini", b"vesna-2"),
             "reports", placed("velmora.ini", "settings", "vesnacount", "Counts")),
        Case("ini-duplicate-section", lambda d: write(
            d, "buttons.ini", read(d, "buttons.ini") + b"\r\n[zoom]\r\nbnd_x=-1\r\nbnd_w=-1\r\n"), "clean"),
        Case("ini-duplicate-key", replace_in("buttons.ini", b"bnd_x=820", b"bnd_x=820\r\nbnd_x=-999"), "clean"),
        Case("ini-negative-size", replace_in("buttons.ini", b"bnd_w=100", b"bnd_w=-100"),
             "reports", placed("buttons.ini", "zoom", "bnd_w", "A negative size, -100.")),
        Case("ini-negative-position", replace_in("buttons.ini", b"bnd_x=820", b"bnd_x=-820"), "clean"),
        Case("ini-huge-coordinate", replace_in("buttons.ini", b"bnd_x=820", b"bnd_x=99999999999"),
             "reports", placed("buttons.ini", "zoom", "bnd_x", "Missing or not a number.")),
        Case("ini-huge-size", replace_in("buttons.ini", b"bnd_w=100", b"bnd_w=2147483647"), "any"),
        Case("ini-non-numeric", replace_in("buttons.ini", b"bnd_x=820", b"bnd_x=left"),
             "reports", placed("buttons.ini", "zoom", "bnd_x", "Missing or not a number.")),
        Case("ini-scroll-negative", replace_in("scrolls.ini", b"bnd_h=", b"bnd_h=-"),
             "reports", placed("scrolls.ini", "wb_vscroll", "bnd_h", "A negative size")),
        Case("ini-scroll-no-buttons", replace_in("scrolls.ini", b"button_up=", b"xbutton_up="),
             "reports", "scrolls.ini: [wb_vscroll] button_up: Missing."),
        Case("ini-huge-count", replace_in("velmora.ini", b"miracount=", b"miracount=99999999"),
             "reports", placed("velmora.ini", "settings", "miracount", "Not a number.")),
        Case("ini-count-past-the-sections", replace_in("velmora.ini", b"miracount=", b"miracount=9"),
             "reports", placed("velmora.ini", "settings", "miracount", "Counts")),
        Case("ini-negative-count", replace_in("velmora.ini", b"miracount=", b"miracount=-"),
             "reports", placed("velmora.ini", "settings", "miracount", "A negative count")),
        Case("ini-non-numeric-count", replace_in("velmora.ini", b"miracount=", b"miracount=x"),
             "reports", placed("velmora.ini", "settings", "miracount", "Not a number.")),
        Case("ini-bad-cp1251-title", replace_in("buttons.ini", b"title=About", b"title=\x98\x98About"),
             "clean"),
        Case("ini-bad-cp1251-name", replace_in("velmora.ini", b"name=", b"name=\x98\xff\x00"), "clean"),
        Case("ini-lf-only", lambda d: write(d, "buttons.ini", read(d, "buttons.ini").replace(b"\r\n", b"\n")),
             "clean"),
        Case("ini-cr-only", lambda d: write(d, "buttons.ini", read(d, "buttons.ini").replace(b"\r\n", b"\r")),
             "reports", "buttons.ini: "),
        Case("ini-no-final-line-end", lambda d: write(d, "velmora.ini", read(d, "velmora.ini").rstrip()),
             "clean"),
        Case("ini-settings-huge-numbers", lambda d: write(
            d, "settings.ini", b"[FILTERS]\r\nparam_1=99999999999\r\nfiltr_1_1=-5\r\n"), "clean"),
    ]


def text_problem(stem, reason):
    """What the check says of a work's text it cannot read: the line names the work, whose title
    the built folder's velmora.ini gives."""
    def line(built, _):
        index = read(built, "velmora.ini")
        start, end = ini_section(index, stem.encode())
        name = next(entry[len(b"name="):] for entry in index[start:end].split(b"\r\n")
                    if entry.startswith(b"name="))
        return f'html/{stem}.htm.txt: The text of work {stem} "{name.decode("cp1251")}": {reason}'
    return line


def placed(path, section, key, what):
    """What the check says of a key of an INI file: its section, the key and the line the key
    stands on in the broken folder, then the start of what is wrong."""
    def line(_, folder):
        inside = False
        for number, text in enumerate(read(folder, path).split(b"\n"), 1):
            text = text.strip()
            if text.startswith(b"["):
                inside = text == b"[" + section.encode() + b"]"
            elif inside and text.split(b"=")[0].strip() == key.encode():
                return f"{path}: [{section}] {key}, line {number}: {what}"
        raise ValueError(f"no {key} in [{section}] of {path}")
    return line


def remove(path):
    def action(d):
        target = os.path.join(d, path)
        shutil.rmtree(target) if os.path.isdir(target) else os.remove(target)
    return action


def in_place(path, make):
    """Puts what make(target) makes where the file at path was."""
    def action(d):
        target = os.path.join(d, path)
        if os.path.lexists(target):
            os.remove(target)
        make(target)
    return action


def folder_in_place(path):
    return in_place(path, os.makedirs)


def fifo_in_place(path):
    return in_place(path, os.mkfifo)


def link_in_place(path, to):
    return in_place(path, lambda target: os.symlink(to, target))


def big_text(d):
    target = os.path.join(d, "html/ilna-1.htm.txt")
    os.remove(target)
    with open(target, "wb") as f:
        f.truncate(100 * MEGABYTE)


def unreadable(path):
    def action(d):
        target = os.path.join(d, path)
        data = read(d, path) if os.path.isfile(target) else None
        if data is not None:
            write(d, path, data)  # a file of its own, not the shared link
        os.chmod(target, 0)
    return action


def file_cases():
    return [
        Case("missing-buttons-ini", remove("buttons.ini"), "reports", "buttons.ini: The file does not exist."),
        Case("missing-scrolls-ini", remove("scrolls.ini"), "reports", "scrolls.ini: The file does not exist."),
        Case("missing-velmora-ini", remove("velmora.ini"), "reports", "velmora.ini: The file does not exist."),
        Case("missing-text", remove("html/mira-3.htm.txt"),
             "reports", text_problem("mira-3", "The file does not exist.")),
        Case("missing-large-picture", remove("images/big/vesna-2.jpg"),
             "reports", "images/big/vesna-2.jpg: The file does not exist."),
        Case("missing-about-page", remove("html/about.htm"), "reports", "html/about.htm: The file does not exist."),
        Case("missing-style-sheet", remove("html/styletext.css"), "reports", "html/about.htm: styletext.css: Links"),
        Case("missing-design", remove("design"), "reports", "design/buttons/zoom/up.jpg: The file does not exist."),
        Case("missing-work-page", remove("html/tova-5.htm"), "reports", "html/tova-5.htm: The file does not exist."),
        Case("folder-for-buttons-ini", folder_in_place("buttons.ini"), "reports", "buttons.ini: It is not a regular file."),
        Case("folder-for-velmora-ini", folder_in_place("velmora.ini"), "reports", "velmora.ini: It is not a regular file."),
        Case("folder-for-settings-ini", folder_in_place("settings.ini"), "reports", "settings.ini: It is not a regular file."),
        Case("folder-for-text", folder_in_place("html/mira-1.htm.txt"),
             "reports", text_problem("mira-1", "It is not a regular file.")),
        Case("folder-for-picture", folder_in_place("images/small/mira-2.jpg"),
             "reports", "images/small/mira-2.jpg: It is not a regular file."),
        Case("fifo-for-settings-ini", fifo_in_place("settings.ini"), "reports", "settings.ini: It is not a regular file."),
        Case("fifo-for-text", fifo_in_place("html/tova-2.htm.txt"),
             "reports", text_problem("tova-2", "It is not a regular file.")),
        Case("zero-device-for-picture", link_in_place("design/windows/main/fon.jpg", "/dev/zero"),
             "reports", "design/windows/main/fon.jpg: It is not a regular file."),
        Case("link-out-of-the-folder", link_in_place("images/big/mira-2.jpg", "/etc/hostname"),
             "reports", "images/big/mira-2.jpg: " + LEADS_OUT),
        Case("link-out-for-settings-ini", link_in_place("settings.ini", "/etc/hostname"),
             "reports", "settings.ini: " + LEADS_OUT),
        Case("relative-link-out-for-text", link_in_place("html/mira-3.htm.txt", "../" * 16 + "etc/hostname"),
             "reports", text_problem("mira-3", LEADS_OUT)),
        Case("link-out-through-proc", link_in_place("images/small/mira-2.jpg", "/proc/self/root/etc/hostname"),
             "reports", "images/small/mira-2.jpg: " + LEADS_OUT),
        Case("text-of-100-mb", big_text, "reports", text_problem("ilna-1", "The file is too large.")),
        # Nobody but root can read these; CI runs as root, which reads them all the same.
        Case("unreadable-buttons-ini", unreadable("buttons.ini"), "any"),
        Case("unreadable-picture", unreadable("images/middle/mira-4.jpg"), "any"),
        Case("unreadable-images-folder", unreadable("images/small"), "any"),
        Case("unreadable-html-folder", unreadable("html"), "any"),
    ]


def all_cases():
    return picture_cases() + ini_cases() + file_cases()


def make(built, out, case):
    folder = os.path.join(out, case.name)
    if os.path.exists(folder):
        subprocess.run(["chmod", "-R", "u+rwX", folder], check=True)
        shutil.rmtree(folder)
    shutil.copytree(built, folder, copy_function=os.link, symlinks=True)
    case.action(folder)
    lines = [line(built, folder) if callable(line) else line for line in case.lines]
    with open(folder + ".expect", "w", encoding="utf-8") as f:
        f.write("\n".join([case.expect] + lines) + "\n")


def main():
    if sys.argv[1] == "--list":
        print("\n".join(case.name for case in all_cases()))
        return
    if sys.argv[1] == "--sample":
        count = int(sys.argv[2])
        for cases, share in [(picture_cases(), count // 2), (ini_cases() + file_cases(), count - count // 2)]:
            print("\n".join(cases[i * len(cases) // share].name for i in range(share)))
        return
    built, out, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(out, exist_ok=True)
    cases = all_cases()
    with open(os.path.join(out, "list.txt"), "w") as f:
        f.write("".join(case.name + "\n" for case in cases))
    for case in cases:
        if not names or case.name in names:
            make(built, out, case)


if __name__ == "__main__":
    main()
